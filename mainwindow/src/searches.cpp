#include <halvora/mainwindow/day_conversion.h>
#include <halvora/mainwindow/form1.h>

namespace halvora {
namespace {

constexpr std::string_view message_no_date = "Állíts be egy dátumot!";
constexpr std::string_view message_no_name = "Válassz nevet a listából!";
constexpr std::string_view message_no_day = "Ilyen nap nem létezik!";
constexpr std::string_view message_no_month = "Ilyen hónap nem létezik!";
constexpr std::string_view message_no_such_name = "Ilyen név nem létezik!";

} // namespace

// The two option buttons sit in separate frames, so the toolkit does not make
// them exclusive; each click switches the other one off itself. A click turns
// its own button on; the toolkit may have done so already.
void Form1::Option1_Click() {
    Option1.set_value(true);
    Option2.set_value(false);
    Combo2.set_enabled(false);
    Label3.set_text("");
    Combo2.set_text("");
    Combo1[month_list].set_enabled(true);
    Combo1[day_list].set_enabled(true);
}

void Form1::Option2_Click() {
    Option2.set_value(true);
    Option1.set_value(false);
    Combo2.set_enabled(true);
    Label2.set_text("");
    Combo1[month_list].set_text("");
    Combo1[day_list].set_text("");
    Combo1[month_list].set_enabled(false);
    Combo1[day_list].set_enabled(false);
}

void Form1::Command1_Click() {
    teszt1();
    if (hibas) {
        return;
    }
    if (Option1.value()) {
        honap = Combo1[month_list].text();
        nap = day_conversion(Combo1[day_list].text());
        // A search reports only what its own lookup found: a sentinel left
        // behind by the today panel's lookup is no fault of this search.
        hiba.clear();
        nevek();
        teszt2();
        if (!hibas) {
            Label2.set_text(napnevek);
        }
    } else {
        hiba.clear();
        idopont();
        teszt2();
        if (!hibas) {
            Label3.set_text(datumok);
        }
    }
}

void Form1::Combo1_Validate(int Index, bool& /*Cancel*/) {
    if (Index == month_list || Index == day_list) {
        modosit();
    }
}

void Form1::teszt1() {
    if (Option1.value()) {
        if (Combo1[month_list].text().empty() || Combo1[day_list].text().empty()) {
            warn(message_no_date);
            Label2.set_text("");
            hibas = true;
        } else {
            hibas = false;
        }
    } else {
        if (Combo2.text().empty()) {
            warn(message_no_name);
            Label3.set_text("");
            hibas = true;
        } else {
            hibas = false;
        }
    }
}

void Form1::teszt2() {
    if (Option1.value()) {
        if (hiba == napbaj) {
            warn(message_no_day);
            Combo1[day_list].set_text("");
            Label2.set_text("");
            hibas = true;
            hiba.clear();
        } else if (hiba == honapbaj) {
            warn(message_no_month);
            Combo1[month_list].set_text("");
            Label2.set_text("");
            hibas = true;
            hiba.clear();
        } else {
            hibas = false;
        }
    } else {
        if (hiba == nevbaj) {
            warn(message_no_such_name);
            Combo2.set_text("");
            Label3.set_text("");
            hibas = true;
            hiba.clear();
        } else {
            hibas = false;
        }
    }
}

} // namespace halvora
