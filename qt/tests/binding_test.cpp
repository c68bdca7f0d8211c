// The Qt binding, headless: its units and system readings, the frame's
// answers to a window manager, and the window's widgets as the user drives
// them. Every rule is the logic's and tested there; here what carries it.
#include "support.h"

#include <halvora/qt/about_view.h>
#include <halvora/qt/application.h>
#include <halvora/qt/dialogs.h>
#include <halvora/qt/popup_menu.h>
#include <halvora/qt/system.h>
#include <halvora/qt/widgets.h>
#include <halvora/qt/window_frame.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QCompleter>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>

#include <climits>
#include <cstdio>
#include <fstream>
#include <string>

using namespace halvora;
using namespace halvora::qt;
using namespace halvora::qt::testing;
using platform::MenuItemId;

class BindingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Started> s_;
    QTemporaryDir work_;

    void choose(MenuItemId item) const { s_->program->popup_menu().action(item)->trigger(); }
    [[nodiscard]] QComboBox* list(const char* name) const { return s_->get<QComboBox>(name); }

private Q_SLOTS:
    void init() {
        s_ = std::make_unique<Started>();
        QVERIFY(s_->ok);
    }

    void twips_and_pixels() {
        const struct {
            double dpi;
            int twips, px;
        } cases[] = {{96, -80, -5},           {96, 7, 0},
                     {120, 900, 75},          {0, 900, 60},
                     {96, INT_MAX, 16777215}, {96, INT_MIN, -16777215}};
        for (const auto& c : cases) {
            const Scale scale{c.dpi, c.dpi};
            QCOMPARE(scale.px_y(c.twips), c.px);
            QVERIFY(qAbs(static_cast<double>(c.twips)) > 1e6 ||
                    qAbs(scale.twips_x(c.px) - c.twips) <= 15);
        }
    }

    // Qt's own texts are Hungarian; the system's names stay the system's.
    void system_texts() {
        for (const auto& [format, separator] : {std::pair{"H.mm", "."},
                                                {"h:mm AP", ":"},
                                                {"HH 'h' mm", " "},
                                                {"HH'h'mm", ":"},
                                                {"", ":"}}) {
            QCOMPARE(time_separator_of(q(format)), q(separator));
        }
        const SystemRegional hungarian{QLocale{QLocale::Hungarian, QLocale::Hungary}};
        QCOMPARE(q(hungarian.settings().weekday_names[1]), q("kedd"));
        QVERIFY(!load_qt_translations(QStringLiteral("/nonexistent")));
        QVERIFY(load_qt_translations());
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
        const Scale scale = Scale::of(screen_of(&window));
        frame.set_height(900);
        frame.set_height(900);
        QCOMPARE(window.frameGeometry().height(), scale.px_y(900));
        frame.set_height(0); // one pixel of client area
        QCOMPARE(window.height(), 1);
        frame.set_left(1500); // the frame's corner; a move is no resize
        QCOMPARE(window.frameGeometry().left(), screen_origin(&window).x() + scale.px_x(1500));
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
        QVERIFY(!s_->window().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(s_->get<QLabel>("Label1_2")->text(), q(s_->form().Label1[2].text()));
        QCOMPARE(s_->get<QAbstractButton>("Option2")->text(),
                 q("Dátum keresése keresztnév alapján"));
        QCOMPARE(list("Combo1_0")->currentText(), q("január"));
        QCOMPARE(s_->get<QLabel>("Label2")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 255));
        QCOMPARE(s_->get<PaintedLabel>("Label4")->font().pointSizeF(), 12.0);
        // Nothing of the search panels shows until the whole window does.
        QVERIFY(!s_->get<QWidget>("Frame1_0")->isVisible());
        choose(MenuItemId::teljes);
        auto* panel = s_->get<FrameBox>("Frame1_0");
        QCOMPARE(panel->frame_rect().translated(panel->pos()), s_->scale().px(layout::Frame1_0));
        QStringList order;
        for (QWidget* w = s_->get<QWidget>("Option1"); order.size() < 7;
             w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty()) {
                order.append(w->objectName());
            }
        }
        QCOMPARE(order.join(' '), q("Option1 Option2 Combo1_0 Combo1_1 Combo2 Command1 Command2"));
    }

    // A right click on the free area, a frame or a today label opens the menu
    // with its marks and bold default, and so do the menu key and Shift+F10,
    // with the title bar alone too; nothing else does.
    void the_menu_opens() {
        const struct {
            const char* target; // the window's free area, a control, or keys in a mode
            int key;
            bool opens;
        } cases[] = {{"", 0, true},
                     {"Frame1_0", 0, true},
                     {"Label1_2", 0, true},
                     {"Label2", 0, false},
                     {"Command1", 0, false},
                     {"Label4", 0, false},
                     {"mini", Qt::Key_Menu, true},
                     {"cimsor", Qt::Key_F10, true}};
        for (const auto& c : cases) {
            init();
            Answerer answerer{q("Keresés")};
            choose(std::string_view{c.target} == "cimsor" ? MenuItemId::cimsor
                                                          : MenuItemId::teljes);
            QWidget* target = *c.target && !c.key ? s_->get<QWidget>(c.target) : &s_->window();
            const QPoint at = *c.target && !c.key ? QPoint{4, target->height() - 4} : QPoint{60, 4};
            if (c.key) {
                QTest::keyClick(s_->window().windowHandle(), Qt::Key(c.key),
                                c.key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
            } else {
                QTest::mouseClick(target, Qt::RightButton, {}, at);
            }
            const QString marks = std::string_view{c.target} == "cimsor"
                                      ? q("+Csak címsor|*Normál|Keresés")
                                      : q("Csak címsor|*Normál|+Keresés");
            QCOMPARE(q(s_->form().nezet), q("teljes"));
            QCOMPARE(answerer.menu, c.opens ? marks + q("|-|Súgó|>Tartalom|>Tárgymutató|>Keresés|"
                                                        "Névjegy|Kilépés|")
                                            : QString{});
        }
    }

    // Typing a name opens its suggestions; one click on the search button or
    // one Enter searches at once, through the popup, as the system delivers
    // them to the window. A screen reader reads the answer.
    void search_by_name() {
        const struct {
            const char* name;
            bool click;
            const char* message;
        } cases[] = {{"Ábel", true, ""}, {"Ab", false, "Ilyen név nem létezik!"}};
        for (const auto& c : cases) {
            init();
            choose(MenuItemId::teljes);
            Answerer answerer;
            QTest::mouseClick(s_->get<QRadioButton>("Option2"), Qt::LeftButton);
            list("Combo2")->setFocus(Qt::TabFocusReason);
            type_text(*list("Combo2"), q(c.name));
            QAbstractItemView* popup = list("Combo2")->completer()->popup();
            QVERIFY(popup->isVisible() && popup->font() == list("Combo2")->font());
            QWindow* window = s_->window().windowHandle();
            auto* button = s_->get<QPushButton>("Command1");
            const QPoint at = button->mapTo(&s_->window(), button->rect().center());
            if (c.click) {
                QTest::mousePress(window, Qt::LeftButton, {}, at);
                QCoreApplication::processEvents();
                QTest::mouseRelease(window, Qt::LeftButton, {}, at);
            } else {
                QTest::keyClick(window, Qt::Key_Return);
            }
            QTRY_COMPARE(answerer.messages.join(""), q(c.message));
            auto* result = s_->get<QLabel>("Label3");
            QCOMPARE(result->text(), *c.message ? QString{} : q(nevszerint(c.name)));
            QCOMPARE(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Name),
                     result->text());
        }
    }

    // A typed month stays as typed (Qt would look it up without regard to
    // case); Enter in a list searches. The day list follows the month when the
    // focus moves on, not when a popup or another window takes it.
    void search_by_date() {
        choose(MenuItemId::teljes);
        Answerer answerer;
        QComboBox* months = list("Combo1_0");
        months->setFocus(Qt::TabFocusReason);
        months->lineEdit()->selectAll();
        type_text(*months, q("február"));
        for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent out{QEvent::FocusOut, reason};
            QApplication::sendEvent(months, &out);
        }
        QCOMPARE(list("Combo1_1")->count(), 31);
        QTest::mouseClick(s_->get<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(list("Combo1_1")->count(), 28);
        QCOMPARE(s_->get<QLabel>("Label2")->text(), q(napszerint("február", "1")));
        months->setFocus(Qt::TabFocusReason);
        months->lineEdit()->selectAll();
        type_text(*months, q("Február"));
        QTest::keyClick(months, Qt::Key_Enter);
        QCOMPARE(answerer.messages, QStringList{q("Ilyen hónap nem létezik!")});
        QVERIFY(answerer.all_warnings && months->currentText().isEmpty() && months->count() == 12);
    }

    // The box sits against the main window; shown again, it stays where it
    // was. Neither its margin nor the right button closes it; a click on any
    // part of its contents does.
    void the_about_box() {
        for (const char* part : {"Frame1", "Picture1", "termeknev", "jogok"}) {
            init();
            choose(MenuItemId::nevjegy);
            AboutWindow* box = s_->program->about_view().window();
            QVERIFY(QTest::qWaitForWindowExposed(box) && !box->isModal());
            const QPoint place = s_->window().frameGeometry().topLeft() +
                                 QPoint(s_->scale().px_x(660), s_->scale().px_y(640));
            s_->window().move(s_->window().pos() + QPoint{30, 30});
            choose(MenuItemId::nevjegy);
            QCOMPARE(s_->program->about_view().window(), box);
            QCOMPARE(box->frameGeometry().topLeft(), place);
            auto* target = box->findChild<QWidget*>(part);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint{3, box->height() / 2});
            QTest::mouseClick(target, Qt::RightButton);
            QVERIFY(s_->form().about_box() != nullptr);
            QTest::mouseClick(target, Qt::LeftButton, {},
                              target->rect().bottomRight() - QPoint{3, 3});
            QVERIFY(s_->form().about_box() == nullptr);
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
            ProgramOptions options;
            options.help_launcher = {c.status < 0 ? "/nonexistent" : "sh", "-c",
                                     "printf %s \"$1\" >\"$0\"; exit " + std::to_string(c.status),
                                     launched};
            s_ = std::make_unique<Started>(std::move(options));
            Answerer answerer;
            QTest::keyClick(&s_->window(), Qt::Key_F1);
            QCOMPARE(s_->program->help_viewer().help_command(), 3);
            QTRY_VERIFY(!s_->program->help_viewer().launching());
            QCOMPARE(answerer.messages.join(""), c.message.isEmpty() ? "" : c.message + q(path));
            std::ifstream in{launched};
            QCOMPARE(std::string(std::istreambuf_iterator<char>{in}, {}),
                     c.present && c.status >= 0 ? path : "");
        }
        std::remove(path.c_str());
    }

    // The running title runs on below the edge of the small view; the window
    // shows its latest step as soon as it grows. A click stops it.
    void the_running_title() {
        MainWindow& window = s_->window();
        auto* title = s_->get<PaintedLabel>("Label4");
        window.stop_timer();
        while (title->text().trimmed().isEmpty()) {
            window.run([this] { s_->form().Timer1_Timer(); });
        }
        choose(MenuItemId::teljes);
        const QRect place = title->geometry();
        const auto on_screen = [&] {
            return window.screen()
                ->grabWindow(window.winId(), place.x(), place.y(), place.width(), place.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        QTRY_COMPARE(on_screen(),
                     window.grab(place).toImage().convertToFormat(QImage::Format_RGB32));
        window.start_timer();
        QTest::mouseClick(title, Qt::LeftButton);
        QTRY_COMPARE(title->text(), q("   Dorvanta \u2122   "));
        QCOMPARE(title->colour(), QColor(0, 0, 255));
    }

    void exit_closes_every_window() {
        choose(MenuItemId::nevjegy);
        QTest::mouseClick(s_->get<QPushButton>("Command2"), Qt::LeftButton);
        QVERIFY(!s_->window().isVisible() && !s_->window().timer().isActive());
        QVERIFY(s_->program->about_view().window() == nullptr ||
                !s_->program->about_view().window()->isVisible());
    }
};

QTEST_MAIN(BindingTest)
#include "binding_test.moc"
