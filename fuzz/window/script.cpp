#include "script.h"

#include "event.h"

#include <halvora/mainwindow/control_arrays.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <tuple>
#include <vector>

namespace halvora::window_events {
namespace {

// A line that cannot be read; read_script adds the line.
struct Unreadable : std::invalid_argument {
    using std::invalid_argument::invalid_argument;
};

// The words of an event's line, with a {kind} where a value stands; the
// values' bytes follow the event's byte in the order they stand.
struct Form {
    std::string_view words;
    Event event;
};
constexpr std::array<Form, 32> forms = {{
    {"load", Event::load},
    {"type month {text}", Event::type_month},
    {"type day {text}", Event::type_day},
    {"type name {text}", Event::type_name},
    {"pick {list} item {item}", Event::pick},
    {"leave {list}", Event::leave},
    {"click Keresés", Event::search},
    {"click Kilépés", Event::click_kilepes},
    {"click Névnap keresése dátum alapján", Event::click_option1},
    {"click Dátum keresése keresztnév alapján", Event::click_option2},
    {"click running title", Event::click_title},
    {"click about box", Event::click_about_box},
    {"menu Csak címsor", Event::menu_cimsor},
    {"menu Normál", Event::menu_mini},
    {"menu Keresés", Event::menu_teljes},
    {"menu Súgó Tartalom", Event::menu_tartalom},
    {"menu Súgó Tárgymutató", Event::menu_targymutato},
    {"menu Súgó Keresés", Event::menu_keres},
    {"menu Névjegy", Event::menu_nevjegy},
    {"menu Kilépés", Event::menu_kilepes},
    {"press {button} on {place}", Event::press},
    {"press menu key", Event::menu_key},
    {"drag to {int} x {int}", Event::drag},
    {"move to {int}, {int}", Event::move},
    {"frame least size {width} x {height}", Event::least_size},
    {"resize", Event::resize},
    {"tick", Event::tick},
    {"tick {times} times", Event::tick},
    {"tick next minute", Event::tick_next_minute},
    {"tick at 23:59", Event::tick_at_23_59},
    {"tick after jump {minutes} minutes", Event::tick_after_jump},
    {"tick drawing {draw} {draw} {draw}", Event::tick_drawing},
}};

// Words by the number they stand for.
constexpr std::array<std::string_view, list_count> list_words = {"month", "day", "name"};
constexpr std::array<std::string_view, button_count> button_words = {"no button", "left", "right",
                                                                     "button 3", "middle"};
constexpr std::array<std::string_view, frame1_count> panel_words = [] {
    std::array<std::string_view, frame1_count> words{};
    words[date_panel] = "date panel";
    words[name_panel] = "name panel";
    return words;
}();
constexpr std::array<std::string_view, label1_count> label_words = by_label1<std::string_view>(
    "year label", "month label", "day label", "weekday label", "clock label", "names label");

template <std::size_t n>
std::optional<int> index_of(const std::array<std::string_view, n>& words, std::string_view word) {
    const auto* found = std::ranges::find(words, word);
    return found == words.end() ? std::nullopt
                                : std::optional(static_cast<int>(found - words.begin()));
}

template <typename T> T number(std::string_view text, T low, T high) {
    T value{};
    text.remove_prefix(text.starts_with('+') ? 1 : 0);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) {
        throw Unreadable("\"" + std::string(text) + "\" is no number from " + std::to_string(low) +
                         " to " + std::to_string(high));
    }
    return value;
}

// A text as written; quotes around it keep the blanks at its ends.
std::string unquoted(std::string_view text) {
    const bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
    return std::string(quoted ? text.substr(1, text.size() - 2) : text);
}

template <typename T> std::string bytes(T value) {
    const auto all = std::bit_cast<std::array<char, sizeof(T)>>(value);
    return {all.begin(), all.end()};
}
std::string byte(int value) {
    return bytes(static_cast<std::uint8_t>(value));
}

// "window"; a panel, "date panel" or "panel 5"; a label, "clock label" or "label -1".
std::string place_bytes(std::string_view place) {
    const auto where = [](Press press) { return byte(static_cast<int>(press)); };
    if (place == "window") {
        return where(Press::window) + byte(0);
    }
    if (const auto panel = index_of(panel_words, place)) {
        return where(Press::frame1) + byte(*panel);
    }
    if (const auto label = index_of(label_words, place)) {
        return where(Press::label1) + byte(*label);
    }
    const bool panel = place.starts_with("panel ");
    if (!panel && !place.starts_with("label ")) {
        throw Unreadable("\"" + std::string(place) + "\" is no place to press");
    }
    return where(panel ? Press::frame1 : Press::label1) +
           byte(number<int>(place.substr(6), INT8_MIN, INT8_MAX));
}

// The bytes of one value of the given kind.
std::string value_bytes(std::string_view kind, std::string_view text) {
    const auto no = [&] {
        return Unreadable("\"" + std::string(text) + "\" is no " + std::string(kind));
    };
    double draw = 0.0; // any double, nan and inf included
    if (kind == "text") {
        const std::string typed = unquoted(text);
        return typed.size() < 256 ? byte(static_cast<int>(typed.size())) + typed : throw no();
    }
    if (kind == "int" || kind == "minutes") {
        const int most = kind == "int" ? INT32_MAX : jump_range - 1;
        return bytes(number<std::int32_t>(text, -most - (kind == "int" ? 1 : 0), most));
    }
    if (kind == "draw") {
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), draw);
        return error == std::errc{} && end == text.data() + text.size() ? bytes(draw) : throw no();
    }
    if (kind == "item") {
        return byte(number(text, 1, list_positions) - 1);
    }
    if (kind == "width" || kind == "height") {
        const int step = kind == "width" ? least_width_step : least_height_step;
        const int size = number(text, 0, 255 * step);
        return size % step == 0 ? byte(size / step) : throw no();
    }
    if (kind == "place") {
        return place_bytes(text);
    }
    const auto value = kind == "list" ? index_of(list_words, text) : index_of(button_words, text);
    return value ? byte(*value) : throw no();
}

// The values of `line` where `form` has its {kinds}, or nothing when the
// line is not of that form.
std::optional<std::vector<std::pair<std::string_view, std::string_view>>>
match(std::string_view form, std::string_view line) {
    std::vector<std::pair<std::string_view, std::string_view>> values;
    for (std::size_t open = form.find('{'); open != std::string_view::npos; open = form.find('{')) {
        if (!line.starts_with(form.substr(0, open))) {
            return std::nullopt;
        }
        line.remove_prefix(open);
        const std::size_t close = form.find('}');
        const std::string_view kind = form.substr(open + 1, close - open - 1);
        form.remove_prefix(close + 1);
        const std::string_view next = form.substr(0, form.find('{'));
        const std::size_t end = next.empty() ? line.size() : line.find(next);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        values.emplace_back(kind, line.substr(0, end));
        line.remove_prefix(end);
    }
    return line == form ? std::optional(values) : std::nullopt;
}

std::string read_event(std::string_view line) {
    for (const Form& form : forms) {
        const auto values = match(form.words, line);
        if (!values) {
            continue;
        }
        std::string event = byte(static_cast<int>(form.event));
        for (const auto& [kind, text] : *values) {
            event += kind == "times" ? "" : value_bytes(kind, text);
        }
        const int times = values->empty() || values->front().first != "times"
                              ? 1
                              : number(values->front().second, 1, 1000);
        std::string all;
        for (int n = 0; n < times; ++n) {
            all += event;
        }
        return all;
    }
    throw Unreadable("no such event");
}

// "2026-12-05 07:05 english", and ", no program folder" for a system that
// cannot tell the program's folder.
std::string read_start(std::string_view rest) {
    const std::string_view no_folder = ", no program folder";
    const bool folder = !rest.ends_with(no_folder);
    rest.remove_suffix(folder ? 0 : no_folder.size());
    std::string known;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const Start& s = starts[i];
        std::array<char, 32> moment{};
        std::snprintf(moment.data(), moment.size(), "%04d-%02d-%02d %02d:%02d ", s.year, s.month,
                      s.day, s.hour, s.minute);
        const std::string_view prefix = moment.data();
        known += std::string(prefix) + "; ";
        if (!rest.starts_with(prefix)) {
            continue;
        }
        const auto system = std::ranges::find(systems, rest.substr(prefix.size()));
        if (system != systems.end()) {
            const auto regional = system - systems.begin();
            return byte(static_cast<int>(i)) +
                   byte(static_cast<int>(regional + (folder ? 0 : std::ssize(systems))));
        }
    }
    throw Unreadable("a script starts from one of " + known + "in english, hungarian or german");
}

std::string_view trimmed(std::string_view line) {
    const std::size_t first = std::min(line.find_first_not_of(" \t\r"), line.size());
    line.remove_prefix(first);
    return line.substr(0, line.find_last_not_of(" \t\r") + 1);
}

} // namespace

std::string Script::bytes() const {
    std::string all = start;
    for (const ScriptLine& line : lines) {
        all += line.event;
    }
    return all;
}

Script read_script(std::string_view text) {
    Script script;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(text.size(), end + 1));
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        ScriptLine read{number, std::string(line), {}, {}, {}};
        try {
            if (script.start.empty()) {
                script.start = line.starts_with("start ")
                                   ? read_start(line.substr(6))
                                   : throw Unreadable("a script begins with its start");
                continue;
            }
            if (line.starts_with("expect ")) {
                const std::size_t colon = line.find(':');
                read.what = line.substr(7, colon - 7);
                read.wanted = colon == std::string_view::npos
                                  ? throw Unreadable("expect WHAT: TEXT")
                                  : unquoted(trimmed(line.substr(colon + 1)));
            } else {
                read.event = read_event(line);
            }
        } catch (const Unreadable& error) {
            throw ScriptError(number, read.text + ": " + error.what());
        }
        script.lines.push_back(std::move(read));
    }
    if (script.start.empty()) {
        throw ScriptError(1, "a script begins with its start");
    }
    return script;
}

} // namespace halvora::window_events
