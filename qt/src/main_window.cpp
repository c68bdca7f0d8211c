#include <halvora/mainwindow/form1.h>
#include <halvora/qt/bindings.h>
#include <halvora/qt/contained.h>
#include <halvora/qt/look.h>
#include <halvora/qt/main_window.h>
#include <halvora/qt/widgets.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <cstddef>

namespace halvora::qt {
namespace {

constexpr std::array<const char*, label1_count> label1_descriptions =
    by_label1("Év", "Hónap", "Nap", "A hét napja", "Idõ", "Mai névnapok");

bool is_enter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

QLabel* result_label(FrameBox& frame, const QRect& place, const char* name,
                     const char* description) {
    auto* label = new QLabel(&frame);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place.translated(frame.child_origin()));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_NoMousePropagation);
    label->setAccessibleDescription(QString::fromUtf8(description));
    return label;
}

} // namespace

MainWindow::MainWindow() {
    install_accessibility();
    build();
    set_tab_order();
    connect_events();
}

MainWindow::~MainWindow() {
    unbind();
}

Scale MainWindow::scale() const {
    return Scale::of(screen_of(this));
}

// Mouse positions keep their fractions: the handlers take them as floats.
float MainWindow::twips_x(double px) const {
    return static_cast<float>(scale().unrounded_twips_x(px));
}

float MainWindow::twips_y(double px) const {
    return static_cast<float>(scale().unrounded_twips_y(px));
}

void MainWindow::build() {
    const Scale s = scale();
    setObjectName(QStringLiteral("Form1"));
    // A sizable border and a title bar with a close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(program_icon());
    setFont(sans_font());
    setAccessibleName(QStringLiteral("Halvora"));
    resize(s.px_x(layout::client_width), s.px_y(layout::client_height));

    for (std::size_t i = 0; i < label1_.size(); ++i) {
        auto* label = new MouseLabel(this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setGeometry(s.px(layout::Label1[i]));
        // A screen reader reads a label's text as its name, and hears of each
        // change; a fixed name would hide the text. What it is goes into the
        // description.
        label->setAccessibleDescription(QString::fromUtf8(label1_descriptions[i]));
        label1_[i] = label;
    }
    QFont bold = font();
    bold.setBold(true);
    label1_[clock_label]->setFont(bold);

    // The option buttons stand on their frames' top edges, above the frames'
    // rectangles; each frame reaches up far enough to show its button whole.
    const int overhang = s.px_y(-std::min(layout::Option1.top, layout::Option2.top));
    const auto make_panel = [&](int index, const Rect& place, const char* accessible) {
        auto* frame = new FrameBox(this, overhang);
        frame->setObjectName(QStringLiteral("Frame1_%1").arg(index));
        frame->place(s.px(place));
        frame->setAccessibleName(QString::fromUtf8(accessible));
        frame1_[static_cast<std::size_t>(index)] = frame;
        return frame;
    };
    const auto make_option = [&](FrameBox& frame, const Rect& place, const char* name) {
        auto* option = new QRadioButton(&frame);
        option->setObjectName(QString::fromLatin1(name));
        option->setGeometry(s.px(place).translated(frame.child_origin()));
        // The two buttons sit in different frames; the logic switches the
        // other one off.
        option->setAutoExclusive(false);
        // Opaque, so the frame's top edge does not run through the caption.
        option->setAutoFillBackground(true);
        option->setAttribute(Qt::WA_NoMousePropagation);
        frame.set_caption(option);
        return option;
    };
    const auto make_combo = [&](FrameBox& frame, const Rect& place, const char* name,
                                const char* accessible) {
        auto* combo = new QComboBox(&frame);
        combo->setObjectName(QString::fromLatin1(name));
        combo->setGeometry(s.px(place).translated(frame.child_origin()));
        combo->setAttribute(Qt::WA_NoMousePropagation);
        // Its name is its text, once it has one; what it is stays said.
        combo->setAccessibleName(QString::fromUtf8(accessible));
        combo->setAccessibleDescription(combo->accessibleName());
        combo->installEventFilter(this);
        return combo;
    };
    const auto make_box = [&](FrameBox& frame, const Rect& place, const char* name,
                              const char* accessible) {
        auto* box = new FrameBox(&frame);
        box->setObjectName(QString::fromLatin1(name));
        box->place(s.px(place).translated(frame.child_origin()));
        box->setAccessibleName(QString::fromUtf8(accessible));
        return box;
    };

    FrameBox* by_date =
        make_panel(date_panel, layout::Frame1[date_panel], "Névnap keresése dátum alapján");
    option1_ = make_option(*by_date, layout::Option1, "Option1");
    combo1_[month_list] = make_combo(*by_date, layout::Combo1[month_list], "Combo1_0", "Hónap");
    combo1_[day_list] = make_combo(*by_date, layout::Combo1[day_list], "Combo1_1", "Nap");
    frame2_ = make_box(*by_date, layout::Frame2, "Frame2", "A nap névnapjai");
    label2_ = result_label(*frame2_, s.px(layout::Label2), "Label2", "Névnapok");

    FrameBox* by_name =
        make_panel(name_panel, layout::Frame1[name_panel], "Dátum keresése keresztnév alapján");
    option2_ = make_option(*by_name, layout::Option2, "Option2");
    combo2_ = make_combo(*by_name, layout::Combo2, "Combo2", "Keresztnév");
    frame3_ = make_box(*by_name, layout::Frame3, "Frame3", "A név napja");
    label3_ = result_label(*frame3_, s.px(layout::Label3), "Label3", "Dátum");

    const auto make_button = [&](const Rect& place, const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(s.px(place));
        // Enter on a focused button presses that button.
        button->setAutoDefault(true);
        button->setAttribute(Qt::WA_NoMousePropagation);
        return button;
    };
    command1_ = make_button(layout::Command1, "Command1");
    command2_ = make_button(layout::Command2, "Command2");

    label4_ = new PaintedLabel(this);
    label4_->setObjectName(QStringLiteral("Label4"));
    label4_->setGeometry(s.px(layout::Label4));
    label4_->setFont(serif_bold_font());
    label4_->setAccessibleName(QStringLiteral("Futó felirat"));

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(timer_interval_ms);
    timer_->setTimerType(Qt::CoarseTimer);
}

std::array<QWidget*, 7> MainWindow::focus_order() const {
    return {option1_,  option2_, combo1_[month_list], combo1_[day_list], combo2_,
            command1_, command2_};
}

void MainWindow::set_tab_order() {
    const std::array<QWidget*, 7> order = focus_order();
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

// The controls come up in the smaller modes hidden, so nothing has the focus
// when they show: the keyboard starts where the focus order does, at the
// first control that can take it. A control that has the focus keeps it.
void MainWindow::offer_focus() {
    const QWidget* current = focusWidget();
    if (current != nullptr && current != this && current->isVisible()) {
        return;
    }
    for (QWidget* control : focus_order()) {
        if (control->isVisible() && control->isEnabled() &&
            (control->focusPolicy() & Qt::TabFocus) != 0) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void MainWindow::connect_events() {
    for (std::size_t i = 0; i < label1_.size(); ++i) {
        const int index = static_cast<int>(i);
        connect(label1_[i], &MouseLabel::mouse_down, this,
                [this, index](int button, int shift, QPointF at) {
                    run([&] {
                        form_->Label1_MouseDown(index, button, shift, twips_x(at.x()),
                                                twips_y(at.y()));
                    });
                });
    }
    for (std::size_t i = 0; i < frame1_.size(); ++i) {
        const int index = static_cast<int>(i);
        connect(frame1_[i], &FrameBox::mouse_down, this,
                [this, index](int button, int shift, QPointF at) {
                    run([&] {
                        form_->Frame1_MouseDown(index, button, shift, twips_x(at.x()),
                                                twips_y(at.y()));
                    });
                });
        connect(frame1_[i], &FrameBox::mouse_down_outside, this,
                [this](int button, int shift, QPointF at) {
                    run([&] {
                        form_->Form_MouseDown(button, shift, twips_x(at.x()), twips_y(at.y()));
                    });
                });
    }
    connect(option1_, &QRadioButton::clicked, this, [this] { option_clicked(1); });
    connect(option2_, &QRadioButton::clicked, this, [this] { option_clicked(2); });
    connect(command1_, &QPushButton::clicked, this,
            [this] { run([this] { form_->Command1_Click(); }); });
    connect(command2_, &QPushButton::clicked, this,
            [this] { run([this] { form_->Command2_Click(); }); });
    connect(label4_, &PaintedLabel::clicked, this,
            [this] { run([this] { form_->Label4_Click(); }); });
    connect(timer_, &QTimer::timeout, this, [this] { run([this] { form_->Timer1_Timer(); }); });

    for (const QKeySequence& keys :
         {QKeySequence{Qt::Key_Menu}, QKeySequence{Qt::SHIFT | Qt::Key_F10}}) {
        auto* menu = new QShortcut(keys, this);
        connect(menu, &QShortcut::activated, this,
                [this] { run([this] { form_->open_menu_from_keyboard(); }); });
    }
    auto* help = new QShortcut(QKeySequence{Qt::Key_F1}, this);
    help->setObjectName(QStringLiteral("help_shortcut"));
    connect(help, &QShortcut::activated, this, [this] { run([this] { form_->tart_Click(); }); });
}

void MainWindow::bind(Form1& form) {
    unbind();
    form_ = &form;
    qt::bind(static_cast<QWidget&>(*this), form.caption);
    for (std::size_t i = 0; i < label1_.size(); ++i) {
        qt::bind(static_cast<QLabel&>(*label1_[i]), form.Label1[i]);
    }
    qt::bind(*label2_, form.Label2);
    qt::bind(*label3_, form.Label3);
    qt::bind(*label4_, form.Label4);
    qt::bind(*option1_, form.Option1);
    qt::bind(*option2_, form.Option2);
    const auto show_search_area = [this] {
        const bool visible = form_->search_area.visible();
        for (QWidget* part : std::initializer_list<QWidget*>{
                 frame1_[date_panel], frame1_[name_panel], command1_, label4_, command2_}) {
            part->setVisible(visible);
        }
        if (visible) {
            offer_focus();
        } else if (QWidget* focus = focusWidget(); focus != nullptr && !focus->isVisible()) {
            // Qt moves the focus on only to a control that shows; with none
            // left it stays where it was, and a key would reach a hidden
            // button.
            focus->clearFocus();
        }
    };
    show_search_area();
    form.search_area.observe([show_search_area](Property) { show_search_area(); });
    // As wide as the caption needs, so it is never cut off and the frame's
    // edge shows again after it; the frame is the limit.
    for (QRadioButton* option : {option1_, option2_}) {
        const int frame_width = option->parentWidget()->width();
        option->resize(std::min(frame_width, option->sizeHint().width() + 2), option->height());
    }
    command1_->setText(to_qstring(form.Command1.caption()));
    command1_->setAccessibleName(command1_->text());
    command2_->setText(to_qstring(form.Command2.caption()));
    command2_->setAccessibleName(command2_->text());
    option1_->setAccessibleName(option1_->text());
    option2_->setAccessibleName(option2_->text());

    // Only the long name list offers matching names while the user types; a
    // popup over the month or the day list would hold back its validation.
    combo_bindings_.emplace_back(
        new ComboBinding(*combo1_[month_list], form.Combo1[month_list], false));
    combo_bindings_.emplace_back(
        new ComboBinding(*combo1_[day_list], form.Combo1[day_list], false));
    combo_bindings_.emplace_back(new ComboBinding(*combo2_, form.Combo2, true));
}

void MainWindow::unbind() {
    if (form_ == nullptr) {
        return;
    }
    stop_timer();
    form_->stop_observing();
    for (const QPointer<ComboBinding>& binding : combo_bindings_) {
        delete binding.data();
    }
    combo_bindings_.clear();
    form_ = nullptr;
}

void MainWindow::run(const std::function<void()>& handler) {
    if (form_ == nullptr) {
        return;
    }
    ++running_;
    run_contained("event handler", handler);
    --running_;
}

void MainWindow::start_timer() {
    timer_->start();
}

void MainWindow::stop_timer() {
    timer_->stop();
}

void MainWindow::option_clicked(int which) {
    run([&] { form_->option_clicked(which == 1 ? form_->Option1 : form_->Option2); });
    // Qt flips a non-exclusive button on every click; the logic decides.
    if (form_ != nullptr) {
        show_option(*option1_, form_->Option1);
        show_option(*option2_, form_->Option2);
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const int button = button_value(event->button());
    const int shift = shift_value(event->modifiers());
    const QPointF at = event->position();
    run([&] { form_->Form_MouseDown(button, shift, twips_x(at.x()), twips_y(at.y())); });
}

// Enter anywhere in the window that does not take it itself presses the
// search button, as a dialog's default button would.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (is_enter(*event)) {
        event->accept();
        if (command1_->isVisible() && command1_->isEnabled()) {
            command1_->click();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* combo = qobject_cast<QComboBox*>(watched);
    if (combo == nullptr) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        // Enter would have Qt look the text up among the items, without regard
        // to case; here it only presses the search button.
        auto* key = static_cast<QKeyEvent*>(event);
        if (is_enter(*key) && !combo->view()->isVisible()) {
            keyPressEvent(key);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // The lists' validation: when the focus moves on to another control of
        // the window, not when a popup opens or the window loses the focus, and
        // not when a running handler moves the focus by disabling the list.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const auto found = std::find(combo1_.begin(), combo1_.end(), combo);
        const QWidget* next = QApplication::focusWidget();
        const bool moved_on = next == nullptr || (next != combo && !combo->isAncestorOf(next));
        if (found != combo1_.end() && running_ == 0 && moved_on && reason != Qt::PopupFocusReason &&
            reason != Qt::ActiveWindowFocusReason) {
            const int index = static_cast<int>(found - combo1_.begin());
            run([&] {
                bool cancel = false;
                form_->Combo1_Validate(index, cancel);
            });
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace halvora::qt
