#include <halvora/mainwindow/form1.h>
#include <halvora/win32/about_view.h>
#include <halvora/win32/dialogs.h>
#include <halvora/win32/main_window.h>
#include <halvora/win32/popup_menu.h>
#include <halvora/win32/program.h>
#include <halvora/win32/system.h>
#include <halvora/win32/window_frame.h>

namespace halvora::win32 {

// In the order of building: each part may use those above it, and they are
// taken down in the opposite order.
struct Program::Parts {
    MainWindow window;
    SystemClock clock;
    SystemRegional regional;
    SystemRandom random;
    MonitorScreen screen{window.handle()};
    WindowFrame frame{window.handle()};
    MessageBox message_box{window.handle()};
    HelpViewer help_viewer{message_box, window.handle()};
    RunningProgram program;
    PopupMenu popup_menu{window.handle()};
    Quitter quitter{[this] { window.end(); }};
    AboutView about_view{window.handle(),
                         [this](const std::function<void()>& handler) { window.run(handler); }};
    Platform platform{clock,       regional, random,     screen,  frame,     message_box,
                      help_viewer, program,  popup_menu, quitter, about_view};
    Form1 form{platform};
};

Program::Program()
    : parts_(std::make_unique<Parts>()) {
    Parts& p = *parts_;
    p.window.watch_frame([&p](UINT message, WPARAM wparam) { p.frame.notice(message, wparam); });
    p.window.bind(p.form);
    p.popup_menu.bind(p.form,
                      [&p](const std::function<void()>& handler) { p.window.run(handler); });
}

Program::~Program() {
    // The logic goes first; nothing may call into it on the way out.
    parts_->window.unbind();
    parts_->window.watch_frame({});
    parts_->popup_menu.unbind();
}

bool Program::start(int show_command) {
    Parts& p = *parts_;
    if (p.window.handle() == nullptr) {
        return false;
    }
    p.window.run([&p] { p.form.Form_Load(); });
    // The first resize puts the window where its mode wants it before anyone sees it.
    p.frame.showing();
    p.window.build_search_panels_soon();
    ShowWindow(p.window.handle(), show_command);
    UpdateWindow(p.window.handle());
    p.window.start_timer();
    return true;
}

int Program::run() {
    MainWindow& window = parts_->window;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.take_key(message) ||
            (window.handle() != nullptr && IsDialogMessageW(window.handle(), &message) != FALSE)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

Form1& Program::form() const {
    return parts_->form;
}
MainWindow& Program::window() const {
    return parts_->window;
}
WindowFrame& Program::frame() const {
    return parts_->frame;
}
PopupMenu& Program::popup_menu() const {
    return parts_->popup_menu;
}
AboutView& Program::about_view() const {
    return parts_->about_view;
}

} // namespace halvora::win32
