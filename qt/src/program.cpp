#include <halvora/mainwindow/form1.h>
#include <halvora/qt/about_view.h>
#include <halvora/qt/dialogs.h>
#include <halvora/qt/help_viewer.h>
#include <halvora/qt/main_window.h>
#include <halvora/qt/popup_menu.h>
#include <halvora/qt/program.h>
#include <halvora/qt/system.h>
#include <halvora/qt/window_frame.h>

namespace halvora::qt {

// In the order of building: each part may use those above it, and they are
// taken down in the opposite order.
struct Program::Parts {
    explicit Parts(ProgramOptions options)
        : help_viewer(message_box, std::move(options.help_launcher)) {}

    MainWindow window;
    SystemClock clock;
    SystemRegional regional;
    SystemRandom random;
    WindowScreen screen{window};
    WindowFrame frame{window};
    MessageBox message_box{&window};
    HelpViewer help_viewer;
    RunningProgram program;
    PopupMenu popup_menu{window};
    Quitter quitter{[this] { window.stop_timer(); }};
    AboutView about_view{window,
                         [this](const std::function<void()>& handler) { window.run(handler); }};
    Platform platform{clock,       regional, random,     screen,  frame,     message_box,
                      help_viewer, program,  popup_menu, quitter, about_view};
    Form1 form{platform};
};

Program::Program(ProgramOptions options)
    : parts_(std::make_unique<Parts>(std::move(options))) {
    Parts& p = *parts_;
    p.window.bind(p.form);
    p.popup_menu.bind(p.form,
                      [&p](const std::function<void()>& handler) { p.window.run(handler); });
}

Program::~Program() {
    // The logic goes first; nothing may call into it on the way out.
    parts_->window.unbind();
    parts_->popup_menu.unbind();
}

void Program::start() {
    Parts& p = *parts_;
    p.window.run([&p] { p.form.Form_Load(); });
    p.window.show();
    p.window.start_timer();
}

Form1& Program::form() const {
    return parts_->form;
}
MainWindow& Program::window() const {
    return parts_->window;
}
PopupMenu& Program::popup_menu() const {
    return parts_->popup_menu;
}
AboutView& Program::about_view() const {
    return parts_->about_view;
}
HelpViewer& Program::help_viewer() const {
    return parts_->help_viewer;
}

} // namespace halvora::qt
