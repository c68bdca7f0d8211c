// The Qt binding, headless: its units and system readings, the frame's
// answers to a window manager, and the window's widgets as the user drives
// them. Every rule is the logic's and tested there; here what carries it.
#include <halvora/mainwindow/form1.h>
#include <halvora/qt/about_view.h>
#include <halvora/qt/application.h>
#include <halvora/qt/help_viewer.h>
#include <halvora/qt/main_window.h>
#include <halvora/qt/popup_menu.h>
#include <halvora/qt/program.h>
#include <halvora/qt/system.h>
#include <halvora/qt/text.h>
#include <halvora/qt/widgets.h>
#include <halvora/qt/window_frame.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <string>

using namespace halvora;
using namespace halvora::qt;
using platform::MenuItemId;
constexpr auto q = to_qstring;

namespace {

// One key event per character: QTest::keyClicks cannot type "á".
void type_text(QWidget& target, const QString& text) {
    for (const QChar c : text) {
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key{type, 0, Qt::NoModifier, QString{c}};
            QApplication::sendEvent(&target, &key);
        }
    }
}

// While it lives, answers whatever opens as a user would: a message box is
// noted (it must be the program's warning: titled Halvora, one OK button) and
// confirmed; a menu is noted item by item (+ checked, * bold, > in the
// submenu) and its checkable item `pick` chosen.
class Answerer {
public:
    explicit Answerer(QString pick = {})
        : pick_(std::move(pick)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
    }
    QStringList messages;
    QString menu;
    bool all_warnings = true;

private:
    void poll() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages.append(box->text());
            all_warnings = all_warnings && box->icon() == QMessageBox::Warning &&
                           box->windowTitle() == "Halvora" && box->buttons().size() == 1;
            box->button(QMessageBox::Ok)->click();
        } else if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QAction* chosen = nullptr;
            for (QAction* action : popup->actions()) {
                menu += QString{action->isChecked() ? "+" : ""} +
                        (action->font().bold() ? "*" : "") +
                        (action->isSeparator() ? "-" : action->text()) + "|";
                for (QAction* inner :
                     action->menu() ? action->menu()->actions() : QList<QAction*>{}) {
                    menu += ">" + inner->text() + "|";
                }
                chosen = action->isCheckable() && action->text() == pick_ ? action : chosen;
            }
            popup->close();
            if (chosen != nullptr) {
                chosen->trigger();
            }
        }
    }
    QString pick_;
    QTimer timer_;
};

} // namespace

class BindingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> program_;
    QTemporaryDir work_;

    // A started program whose window is shown, exposed and active.
    void start(ProgramOptions options = {}) {
        program_ = std::make_unique<Program>(std::move(options));
        program_->start();
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window()) && QTest::qWaitForWindowActive(&window()));
    }
    [[nodiscard]] MainWindow& window() const { return program_->window(); }
    [[nodiscard]] Form1& form() const { return program_->form(); }
    [[nodiscard]] Scale scale() const { return Scale::of(screen_of(&window())); }
    template <typename T = QWidget> T* get(const char* name) const {
        return window().findChild<T*>(QString::fromLatin1(name));
    }
    void choose(MenuItemId item) const { program_->popup_menu().action(item)->trigger(); }

private Q_SLOTS:
    void init() { start(); }

    // Qt's own texts are Hungarian; the system's names stay the system's.
    void units_and_system_texts() {
        const struct {
            double dpi;
            int twips, px;
        } cases[] = {{96, -80, -5},           {96, 7, 0},
                     {120, 900, 75},          {0, 900, 60},
                     {96, INT_MAX, 16777215}, {96, INT_MIN, -16777215}};
        for (const auto& c : cases) {
            const Scale units{c.dpi, c.dpi};
            QCOMPARE(units.px_y(c.twips), c.px);
            QVERIFY(qAbs(static_cast<double>(c.twips)) > 1e6 ||
                    qAbs(units.twips_x(c.px) - c.twips) <= 15);
        }
        QCOMPARE(q(SystemRegional{QLocale{QLocale::Hungarian}}.settings().weekday_names[1]),
                 q("kedd"));
        QVERIFY(!load_qt_translations(QStringLiteral("/nonexistent")) && load_qt_translations());
        QLineEdit edit;
        QVERIFY(edit.createStandardContextMenu()->actions().first()->text().startsWith(
            q("&Visszavonás")));
        QCOMPARE(q(SystemRegional{}.settings().month_names[0]), q("January"));
    }

    void the_frame_raises_on_change_and_gives_up_on_refusals() {
        QWidget window;
        WindowFrame frame{window};
        int raised = 0;
        int requests = 0;
        bool keep_900 = false;
        frame.set_resize_listener([&] {
            ++raised;
            if (keep_900 && qAbs(frame.height() - 900) > 10) {
                ++requests;
                frame.set_height(900);
            }
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(raised, 1); // the first showing
        const Scale units = Scale::of(screen_of(&window));
        frame.set_height(900);
        frame.set_height(900);
        QCOMPARE(window.frameGeometry().height(), units.px_y(900));
        frame.set_height(0); // one pixel of client area
        QCOMPARE(window.height(), 1);
        frame.set_left(1500); // the frame's corner; a move is no resize
        QCOMPARE(window.frameGeometry().left(), screen_origin(&window).x() + units.px_x(1500));
        QCOMPARE(raised, 3);
        // A window manager answering every request with its own size is asked
        // again a little, not for ever.
        keep_900 = true;
        for (int answer = 0; answer < 5; ++answer) {
            window.resize(window.width(), 120);
            QApplication::processEvents();
        }
        QCOMPARE(window.height(), 120);
        QCOMPARE(requests, 3);
    }

    void start_up_shows_the_designed_window() {
        QCOMPARE(get<QLabel>("Label2")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(get<PaintedLabel>("Label4")->font().pointSizeF(), 12.0);
        // Nothing of the search panels shows until the whole window does.
        QVERIFY(!get("Frame1_0")->isVisible());
        choose(MenuItemId::teljes);
        auto* panel = get<FrameBox>("Frame1_0");
        QCOMPARE(panel->frame_rect().translated(panel->pos()),
                 scale().px(layout::Frame1[date_panel]));
        QStringList order;
        for (QWidget* w = get("Option1"); order.size() < 7; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty()) {
                order.append(w->objectName());
            }
        }
        QCOMPARE(order.join(' '), q("Option1 Option2 Combo1_0 Combo1_1 Combo2 Command1 Command2"));
    }

    // The keyboard lands where the focus order begins as the search panels
    // show, unless a control has the focus already; never on a hidden one.
    void the_focus_as_the_modes_change() {
        const struct {
            const char* focus_before; // "": none given
            MenuItemId mode;
            const char* focus_after; // "": no control
        } steps[] = {
            {"", MenuItemId::teljes, "Option1"},  {"Combo1_1", MenuItemId::teljes, "Combo1_1"},
            {"Command2", MenuItemId::mini, ""},   {"", MenuItemId::teljes, "Option1"},
            {"Combo1_0", MenuItemId::cimsor, ""}, {"", MenuItemId::teljes, "Option1"},
        };
        const auto focused = [this] {
            const QWidget* focus = QApplication::focusWidget();
            if (focus == nullptr || focus == &window()) {
                return QString{};
            }
            return (focus->isVisible() ? "" : "hidden ") + focus->objectName();
        };
        for (const auto& step : steps) {
            if (*step.focus_before) {
                get(step.focus_before)->setFocus(Qt::TabFocusReason);
                QCOMPARE(focused(), q(step.focus_before));
            }
            choose(step.mode);
            QCOMPARE(focused(), q(step.focus_after));
        }
    }

    // A right click on the free area or a frame opens the menu with its marks
    // and bold default, and the item chosen in it takes effect; a right click
    // on other controls opens nothing.
    void the_menu_opens() {
        for (const auto& [target, opens] : {std::pair{"", true},
                                            {"Frame1_0", true},
                                            {"Label2", false},
                                            {"Command1", false},
                                            {"Label4", false}}) {
            init();
            Answerer answerer{q("Csak címsor")};
            choose(MenuItemId::teljes);
            QWidget* widget = *target ? get(target) : &window();
            QTest::mouseClick(widget, Qt::RightButton, {}, QPoint{4, widget->height() - 4});
            QCOMPARE(answerer.menu, opens ? q("Csak címsor|*Normál|+Keresés|-|Súgó|>Tartalom|"
                                              ">Tárgymutató|>Keresés|Névjegy|Kilépés|")
                                          : QString{});
            QCOMPARE(q(form().nezet), q(opens ? "cimsor" : "teljes"));
        }
        choose(MenuItemId::teljes); // the mode it is in, which Qt would unmark
        QVERIFY(program_->popup_menu().action(MenuItemId::teljes)->isChecked());
    }

    // Typing a name opens its suggestions; one click on the search button or
    // one Enter searches at once, through the popup, as the system delivers
    // them to the window. A screen reader reads the answer.
    void search_by_name() {
        for (const auto& [name, message] :
             {std::pair{"Ábel", ""}, {"Ab", "Ilyen név nem létezik!"}}) {
            init();
            choose(MenuItemId::teljes);
            Answerer answerer;
            QTest::mouseClick(get("Option2"), Qt::LeftButton);
            auto* names = get<QComboBox>("Combo2");
            names->setFocus(Qt::TabFocusReason);
            type_text(*names, q(name));
            QAbstractItemView* popup = names->completer()->popup();
            QVERIFY(popup->isVisible() && popup->font() == names->font());
            QWidget* button = get("Command1");
            const QPoint at = button->mapTo(&window(), button->rect().center());
            if (*message) {
                QTest::keyClick(window().windowHandle(), Qt::Key_Return);
            } else {
                QTest::mousePress(window().windowHandle(), Qt::LeftButton, {}, at);
                QCoreApplication::processEvents();
                QTest::mouseRelease(window().windowHandle(), Qt::LeftButton, {}, at);
            }
            QTRY_COMPARE(answerer.messages.join(""), q(message));
            auto* result = get<QLabel>("Label3");
            QCOMPARE(result->text(), *message ? QString{} : q(nevszerint(name)));
            QCOMPARE(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Name),
                     result->text());
        }
    }

    // The day list follows the month when the focus moves on, not when a
    // popup or another window takes it. A typed month stays as typed (Qt would
    // look it up without regard to case); Enter in a list searches.
    void search_by_date() {
        choose(MenuItemId::teljes);
        Answerer answerer;
        auto* months = get<QComboBox>("Combo1_0");
        months->setFocus(Qt::TabFocusReason);
        months->lineEdit()->selectAll();
        type_text(*months, q("február"));
        for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent out{QEvent::FocusOut, reason};
            QApplication::sendEvent(months, &out);
        }
        QCOMPARE(get<QComboBox>("Combo1_1")->count(), 31);
        QTest::mouseClick(get("Command1"), Qt::LeftButton);
        QCOMPARE(get<QComboBox>("Combo1_1")->count(), 28);
        QCOMPARE(get<QLabel>("Label2")->text(), q(napszerint("február", "1")));
        months->setFocus(Qt::TabFocusReason);
        months->lineEdit()->selectAll();
        type_text(*months, q("Február"));
        QTest::keyClick(months, Qt::Key_Enter);
        QCOMPARE(answerer.messages, QStringList{q("Ilyen hónap nem létezik!")});
        QVERIFY(answerer.all_warnings && months->currentText().isEmpty() && months->count() == 12);
    }

    // A click on any part of the about box's contents closes it.
    void the_about_box_closes_on_each_part() {
        for (const char* part :
             {"Frame1", "Picture1", "termeknev", "verzioszam", "copyright", "jogok"}) {
            choose(MenuItemId::nevjegy);
            QVERIFY(QTest::qWaitForWindowExposed(program_->about_view().window()));
            auto* target = program_->about_view().window()->findChild<QWidget*>(part);
            QTest::mouseClick(target, Qt::LeftButton, {},
                              target->rect().bottomRight() - QPoint{3, 3});
            QVERIFY2(form().about_box() == nullptr, part);
        }
    }

    // F1 ends in the launcher or in a message naming the path, also when the
    // launcher fails after it started.
    void help_opens_the_file_or_says_why_not() {
        const QString not_opened = q("A súgófájl nem nyitható meg: ");
        const struct {
            bool present;
            int status; // the launcher's; negative: none at all
            QString message;
        } cases[] = {{true, 0, {}},
                     {false, 0, q("A súgófájl nem található: ")},
                     {true, 3, not_opened},
                     {true, -1, not_opened}};
        const std::string launched = work_.filePath("launched").toStdString();
        const std::string path =
            QCoreApplication::applicationDirPath().toStdString() + "/tartalom.hlp";
        for (const auto& c : cases) {
            std::remove(launched.c_str());
            std::remove(path.c_str());
            if (c.present) {
                std::ofstream{path}.put('\n');
            }
            start({{c.status < 0 ? "/nonexistent" : "sh", "-c",
                    "printf %s \"$1\" >\"$0\"; exit " + std::to_string(c.status), launched}});
            Answerer answerer;
            QTest::keyClick(&window(), Qt::Key_F1);
            QCOMPARE(program_->help_viewer().help_command(), 3);
            QTRY_VERIFY(!program_->help_viewer().launching());
            QCOMPARE(answerer.messages.join(""), c.message.isEmpty() ? "" : c.message + q(path));
            std::ifstream in{launched};
            QCOMPARE(std::string(std::istreambuf_iterator<char>{in}, {}),
                     c.present && c.status >= 0 ? path : "");
        }
        std::remove(path.c_str());
    }

    // F1 pressed again and again while nothing opens the file: one launcher
    // at a time, and one message when it fails.
    void help_pressed_again_and_again() {
        const std::string launches = work_.filePath("launches").toStdString();
        const std::string path =
            QCoreApplication::applicationDirPath().toStdString() + "/tartalom.hlp";
        std::ofstream{path}.put('\n');
        start({{"sh", "-c", "echo >>\"$0\"; sleep 0.5; exit 3", launches}});
        Answerer answerer;
        for (int press = 0; press < 20; ++press) {
            QTest::keyClick(&window(), Qt::Key_F1);
        }
        QTRY_COMPARE(answerer.messages.size(), 1);
        QTest::qWait(300);
        QCOMPARE(answerer.messages.size(), 1);
        std::ifstream in{launches};
        QCOMPARE(std::count(std::istreambuf_iterator<char>{in}, {}, '\n'), 1);
        std::remove(path.c_str());
    }

    // The running title runs on below the edge of the small view; the window
    // shows its latest step as soon as it grows. A click stops it.
    void the_running_title() {
        auto* title = get<PaintedLabel>("Label4");
        window().stop_timer();
        while (title->text().trimmed().isEmpty()) {
            window().run([this] { form().Timer1_Timer(); });
        }
        choose(MenuItemId::teljes);
        const QRect at = title->geometry();
        const auto on_screen = [&] {
            return window()
                .screen()
                ->grabWindow(window().winId(), at.x(), at.y(), at.width(), at.height())
                .toImage();
        };
        for (int step = 0; step < 2; ++step) { // as it grows, then at the next step
            QTRY_COMPARE(on_screen().convertToFormat(QImage::Format_RGB32),
                         window().grab(at).toImage().convertToFormat(QImage::Format_RGB32));
            window().run([this] { form().Timer1_Timer(); });
        }
        window().start_timer();
        QTest::mouseClick(title, Qt::LeftButton);
        QTRY_COMPARE(title->text(), q("   Dorvanta \u2122   "));
        QCOMPARE(title->colour(), QColor(0, 0, 255));
    }
};

QTEST_MAIN(BindingTest)
#include "binding_test.moc"
