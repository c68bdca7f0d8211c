// The main window without a toolkit: its controls, its state, its eight
// procedures and one handler per event. The toolkit binding draws the controls,
// forwards the user's events to the handlers and implements the platform.
#pragma once

#include <halvora/aboutbox/about.h>
#include <halvora/mainwindow/control_arrays.h>
#include <halvora/mainwindow/controls.h>
#include <halvora/mainwindow/layout.h>
#include <halvora/mainwindow/window_state.h>
#include <halvora/platform/platform.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace halvora {

// Everything the window asks of the system.
struct Platform {
    platform::Clock& clock;
    platform::Regional& regional;
    platform::RandomSource& random;
    platform::Screen& screen;
    platform::WindowFrame& frame;
    platform::MessageBox& message_box;
    platform::HelpViewer& help_viewer;
    platform::ProgramInfo& program;
    platform::PopupMenu& popup_menu;
    platform::Quitter& quitter;
    AboutBoxView& about_view;
};

// Mouse button values as the mouse-down events report them.
inline constexpr int right_button = 2;

class Form1 final : private AboutOwner {
public:
    explicit Form1(Platform& platform);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // --- Controls, with their design texts and looks.
    Caption caption{layout::program_title};

    // Today panel, indexed by month_label, weekday_label, clock_label,
    // names_label, year_label and day_label.
    std::array<Label, label1_count> Label1{Label{"Dátum"},       Label{"Nap"}, Label{"Idõ"},
                                           Label{"Névnap", red}, Label{"Év"},  Label{"Nap"}};

    OptionButton Option1{"Névnap keresése dátum alapján", true};
    // Indexed by month_list and day_list.
    std::array<ComboBox, combo1_count> Combo1{ComboBox{"január"}, ComboBox{"1"}};
    Label Label2{"", blue};

    OptionButton Option2{"Dátum keresése keresztnév alapján", false};
    ComboBox Combo2;
    Label Label3{"", blue};

    // Both search panels and the bottom row show with the whole window only.
    // Cut off by the height alone, a strip of them would show in the today
    // panel's mode wherever the title bar is thinner than designed, or is not
    // scaled with the program.
    Area search_area{true};

    PushButton Command1{"Keresés"};
    Label Label4{"Label4"};
    PushButton Command2{"Kilépés"};

    // Popup menu fomenu; sugo ("Súgó") is the submenu holding tart, targy, keress.
    MenuItem cimsor{"Csak címsor", false};
    MenuItem mini{"Normál", true};
    MenuItem teljes{"Keresés", false};
    MenuItem tart{"Tartalom", false};
    MenuItem targy{"Tárgymutató", false};
    MenuItem keress{"Keresés", false};
    MenuItem nevjegy{"Névjegy", false};
    MenuItem kilep{"Kilépés", false};
    static constexpr std::string_view sugo_caption = "Súgó";
    // The menu's items by name, and the click of each.
    [[nodiscard]] MenuItem& menu_item(platform::MenuItemId id);
    void menu_item_Click(platform::MenuItemId id);

    // --- Window state.
    std::string honap;
    std::string nap;
    std::string napnevek;
    std::string nezet;
    std::string datumok;
    bool hibas = false;
    std::string hiba;
    std::int16_t pozicio = 0;
    std::string felirat;
    bool villogas = false;
    std::array<std::uint8_t, 3> szin{};
    std::string sugoparancs;

    // --- Procedures.
    void nevek();
    void pipavaltas();
    void feltolt();
    void modosit();
    void idopont();
    void teszt1();
    void teszt2();
    void sugas();
    [[nodiscard]] std::string cimsorszoveg() const;

    // --- Event handlers. Each has a defined outcome in any order, also before
    // Form_Load; an index that names no member of its control array does nothing.
    void Form_Load();
    void Form_Resize();
    void Form_MouseDown(int Button, int Shift, float X, float Y);
    void Frame1_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Label1_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void cimsor_Click();
    void mini_Click();
    void teljes_Click();
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Combo1_Validate(int Index, bool& Cancel);
    void Timer1_Timer();
    void Label4_Click();
    void tart_Click();
    void targy_Click();
    void keress_Click();
    void nevjegy_Click();
    void kilep_Click();
    void Command2_Click();
    // The menu key or Shift+F10: the same popup menu, for the keyboard alone
    // and for the title bar alone, which leaves nothing to right-click.
    void open_menu_from_keyboard();
    // An option button the user clicked (Option1 or Option2): on first, as a
    // toolkit turns it, then its handler.
    void option_clicked(const OptionButton& option);
    // A binding letting go of the window: no control but the menu's items
    // tells anyone of its changes any more.
    void stop_observing();

    // The about box while it is open, else null.
    [[nodiscard]] about* about_box() const { return about_.get(); }

private:
    // The day the panel's date labels show.
    struct ShownDay {
        int year;
        int month;
        int day;
        friend bool operator==(const ShownDay&, const ShownDay&) = default;
    };

    void unload_about() override;
    void close_about();

    // Today panel: the date half (at the load and at every new day) and the
    // running title.
    void refresh_today(const Moment& now);
    void run_title();

    // The left edge that centres a window this wide across the screen.
    [[nodiscard]] int centred_left(int window_width) const;
    // Every resize ends with the window centred across the top of the screen.
    void centre_at_top();
    // The menu's check marks, the search panels and the caption as the mode
    // in `nezet` shows them; no size is set.
    void show_mode();

    void warn(std::string_view text);

    Platform& platform_;
    std::unique_ptr<about> about_;
    bool loaded_ = false;
    std::optional<ShownDay> shown_day_;
};

} // namespace halvora
