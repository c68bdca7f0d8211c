#include <halvora/mainwindow/form1.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace halvora {
namespace {

constexpr std::string_view running_text = "   Dorvanta   ";
constexpr std::string_view still_text = "   Dorvanta \u2122   ";
constexpr std::string_view midnight = "00:00";

// One past the last start of a piece: after 13 pieces the title starts again.
constexpr std::int16_t title_steps = 14;

// A colour byte 0..254 from a draw that should lie in [0, 1). A source that
// misbehaves (NaN, negative, 1 or more) is held to that range.
std::uint8_t colour_byte(double r) {
    if (!(r >= 0.0)) {
        return 0;
    }
    if (r >= 1.0) {
        return 254;
    }
    return static_cast<std::uint8_t>(std::floor(r * 255.0));
}

} // namespace

std::string Form1::cimsorszoveg() const {
    std::string summary = Label1[year_label].text();
    summary += " ";
    summary += Label1[month_label].text();
    summary += "  ";
    summary += Label1[day_label].text();
    summary += "  ";
    summary += Label1[weekday_label].text();
    summary += "  ";
    summary += Label1[clock_label].text();
    summary += "  ";
    summary += napnevek;
    return summary;
}

void Form1::Timer1_Timer() {
    const Moment now = platform_.clock.now();
    const RegionalSettings& regional = platform_.regional.settings();
    Label1[clock_label].set_text(datumszoveg(pattern_clock, now, regional));
    if (nezet == mode_cimsor) {
        caption.set_text(cimsorszoveg());
    }
    // Besides the minute 00:00, a date that no longer matches the clock is
    // refreshed at once: a machine asleep across midnight, or a clock set
    // forward, would otherwise show yesterday's names all day.
    const bool stale = shown_day_ && *shown_day_ != ShownDay{now.year, now.month, now.day};
    if (Label1[clock_label].text() == midnight || stale) {
        refresh_today(now);
    }
    run_title();
}

void Form1::refresh_today(const Moment& now) {
    const RegionalSettings& regional = platform_.regional.settings();
    honap = datumszoveg(pattern_month, now, regional);
    Label1[year_label].set_text(datumszoveg(pattern_year, now, regional));
    Label1[month_label].set_text(honapnev(honap));
    Label1[day_label].set_text(datumszoveg(pattern_day, now, regional));
    Label1[weekday_label].set_text(hetnapnev(datumszoveg(pattern_weekday, now, regional)));
    shown_day_ = ShownDay{now.year, now.month, now.day};
    nap = day_numeral(now);
    nevek();
    Label1[names_label].set_text(napnevek + std::string(napja_suffix));
}

void Form1::run_title() {
    if (!villogas) {
        felirat = still_text;
        Label4.set_colour(blue);
        Label4.set_text(felirat);
        return;
    }
    felirat = running_text;
    for (std::uint8_t& byte : szin) {
        byte = colour_byte(platform_.random.next());
    }
    Label4.set_colour(Colour{szin[0], szin[1], szin[2]});
    // Before start-up has set it (a click and a tick before the load), the
    // position may lie outside the text; the title then starts from the top.
    if (pozicio < 1 || pozicio >= title_steps) {
        pozicio = 1;
    }
    // The running text is plain ASCII, so characters and bytes coincide.
    const auto start = static_cast<std::size_t>(pozicio - 1);
    const auto length = static_cast<std::size_t>(pozicio + 3);
    Label4.set_text(felirat.substr(start, length));
    ++pozicio;
    if (pozicio == title_steps) {
        Label4.set_text("");
        pozicio = 1;
    }
}

void Form1::Label4_Click() {
    villogas = !villogas;
}

} // namespace halvora
