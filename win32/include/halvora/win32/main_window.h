// The main window Form1 as native controls: every control at its designed
// place, with its caption, colour and font, bound to the window logic. The
// user's mouse, keyboard and focus changes reach the logic only as the
// window's events: clicks, mouse downs, the lists' validation, the timer's ticks.
#pragma once

#include <halvora/mainwindow/control_arrays.h>
#include <halvora/win32/look.h>
#include <halvora/win32/scale.h>
#include <halvora/win32/windows.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace halvora {
class Form1;
class Label;
} // namespace halvora

namespace halvora::win32 {

class ComboBinding;

class MainWindow {
public:
    MainWindow();
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    [[nodiscard]] HWND handle() const { return window_; }

    void bind(Form1& form);
    // Cuts every tie to the logic; the controls stay as they are.
    void unbind();

    // Runs one of the logic's handlers; an exception ends here.
    void run(const std::function<void()>& handler);

    // Passes on what the window hears of its frame (see WindowFrame::notice).
    // The window's own procedure does, so that no other procedure stands in
    // front of it: under wine each one costs every message of the window
    // round trips to the wine server.
    void watch_frame(std::function<void(UINT message, WPARAM wparam)> watch);

    // The window shows the today panel first; its search panels are made
    // when nothing else waits after that, or as soon as they are wanted.
    void build_search_panels_soon();
    void build_search_panels();
    [[nodiscard]] bool search_panels_built() const { return search_panels_built_; }

    void start_timer();
    void stop_timer();
    // Hides the window for good: the program is ending and nothing of it runs.
    void end();

    // The keys the window answers wherever its focus is: F1, the menu key and
    // Shift+F10, and Enter for the search. True when the message was one of them.
    bool take_key(const MSG& message);

    // The controls, by the names of the design; the search panels' are null
    // until they are made.
    struct Controls {
        std::array<HWND, label1_count> Label1{};
        std::array<HWND, frame1_count> Frame1{};
        HWND Option1 = nullptr;
        HWND Option2 = nullptr;
        std::array<HWND, combo1_count> Combo1{};
        HWND Combo2 = nullptr;
        HWND Frame2 = nullptr;
        HWND Frame3 = nullptr;
        HWND Label2 = nullptr;
        HWND Label3 = nullptr;
        HWND Command1 = nullptr;
        HWND Label4 = nullptr;
        HWND Command2 = nullptr;
    };
    [[nodiscard]] const Controls& controls() const { return controls_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static void CALLBACK tick(HWND window, UINT message, UINT_PTR id, DWORD time);
    LRESULT handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    struct Places;
    // The clock's tick, and the moment the search panels are made.
    static constexpr UINT_PTR tick_timer_id = 1;
    static constexpr UINT_PTR build_timer_id = 2;

    void build();
    void place_controls();
    void fit_options();
    void set_fonts();
    void bind_search_panels();
    void command(int id, int code);
    void mouse_down(UINT message, WPARAM wparam, LPARAM lparam);
    void mouse_up(LPARAM lparam);
    LRESULT control_colour(HDC dc, HWND control);
    void show_search_area();
    void option_clicked(int which);
    void leaving_list(int index, HWND combo, HWND next_focus);
    void rescale(UINT dpi, const RECT& suggested);
    void press(HWND button);
    [[nodiscard]] bool press_enter();
    [[nodiscard]] bool owns(HWND control) const;
    [[nodiscard]] static bool can_take_focus(HWND control);
    [[nodiscard]] const Label* label_of(HWND control) const;

    HWND window_ = nullptr;
    Controls controls_;
    std::vector<HWND> name_labels_; // screen readers name the lists after them
    Scale scale_{USER_DEFAULT_SCREEN_DPI};
    std::unique_ptr<Fonts> fonts_;
    bool search_panels_built_ = false;
    bool high_contrast_ = false;
    HWND last_focus_ = nullptr;
    bool title_pressed_ = false; // the left button went down on the running title
    std::function<void(UINT, WPARAM)> frame_watch_;

    Form1* form_ = nullptr;
    int running_ = 0; // depth of handlers running
    bool ended_ = false;
    std::vector<std::unique_ptr<ComboBinding>> combo_bindings_;
};

} // namespace halvora::win32
