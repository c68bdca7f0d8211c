#include "observations.h"

#include "session.h"

namespace halvora::window_events {
namespace {

std::string trimmed(std::string_view text) {
    const std::size_t first = std::min(text.find_first_not_of(' '), text.size());
    return std::string(text.substr(first, text.find_last_not_of(' ') + 1 - first));
}

// Parts between " | ".
template <typename Parts> std::string listed(const Parts& parts) {
    std::string all;
    for (const auto& part : parts) {
        all += (all.empty() ? "" : " | ") + trimmed(part);
    }
    return all;
}

std::string pair(int first, std::string_view between, int second) {
    return std::to_string(first) + std::string(between) + std::to_string(second);
}

} // namespace

std::optional<std::string> observe(const WindowSession& session, std::string_view what) {
    const Form1& f = session.window().form;
    const fakes::FakeWindowFrame& frame = session.window().frame;
    const about* box = f.about_box();
    const Colour colour = f.Label4.colour();
    const std::array<std::pair<std::string_view, std::string>, 16> shown = {{
        {"caption", f.caption.text()},
        {"today", listed(std::array{f.Label1[year_label].text(), f.Label1[month_label].text(),
                                    f.Label1[day_label].text(), f.Label1[weekday_label].text(),
                                    f.Label1[clock_label].text(), f.Label1[names_label].text()})},
        {"title", f.Label4.text()},
        {"title colour", pair(colour.red, ", ", colour.green) + ", " + std::to_string(colour.blue)},
        {"mode", f.nezet == mode_cimsor   ? "Csak címsor"
                 : f.nezet == mode_mini   ? "Normál"
                 : f.nezet == mode_teljes ? "Keresés"
                                          : "none"},
        {"size", pair(frame.w, " x ", frame.h)},
        {"place", pair(frame.x, ", ", frame.y)},
        {"search", f.Option1.value() ? "by date" : "by name"},
        {"month list", std::string(f.Combo1[month_list].text())},
        {"day list", std::string(f.Combo1[day_list].text())},
        {"name list", std::string(f.Combo2.text())},
        {"day list length", std::to_string(f.Combo1[day_list].count())},
        {"date answer", f.Label2.text()},
        {"name answer", f.Label3.text()},
        {"about box", box ? "open at " + pair(box->left(), ", ", box->top()) : "closed"},
        {"asked", session.asked().empty() ? "nothing" : listed(session.asked())},
    }};
    for (const auto& [name, text] : shown) {
        if (name == what) {
            return text;
        }
    }
    return std::nullopt;
}

} // namespace halvora::window_events
