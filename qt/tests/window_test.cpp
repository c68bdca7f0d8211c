// The main window as a user first sees it, its view modes and its popup menu.
#include "support.h"

#include <halvora/qt/popup_menu.h>
#include <halvora/qt/widgets.h>
#include <halvora/qt/window_frame.h>

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

using namespace halvora;
using namespace halvora::qt;
using namespace halvora::qt::testing;

class WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Started> s_;

    // The window's outer size in twips, as the logic reads it.
    [[nodiscard]] QSize outer() const {
        return QSize{s_->program->frame().width(), s_->program->frame().height()};
    }
    void expect_top_centre() const {
        const QRect screen = screen_of(&s_->window())->geometry();
        const QRect frame = s_->window().frameGeometry();
        QCOMPARE(frame.top(), screen.top());
        QVERIFY(qAbs(frame.left() - (screen.left() + (screen.width() - frame.width()) / 2)) <= 1);
    }
    // Right click on a widget, noting what the popup menu offered.
    int right_click(QWidget* target, QPoint at = {}) {
        MenuPicker picker{{}};
        QTest::mouseClick(target, Qt::RightButton, {}, at.isNull() ? target->rect().center() : at);
        QApplication::processEvents();
        return picker.opened();
    }

private Q_SLOTS:
    void init() {
        s_ = std::make_unique<Started>();
        QVERIFY(s_->ok);
    }
    void cleanup() { s_.reset(); }

    void start_up_shows_the_logic_texts() {
        Form1& form = s_->form();
        QCOMPARE(s_->window().windowTitle(), QStringLiteral("Halvora"));
        for (int i = 0; i < 6; ++i) {
            const QByteArray name = "Label1_" + QByteArray::number(i);
            auto* label = s_->get<QLabel>(name.constData());
            QVERIFY(label != nullptr);
            QCOMPARE(label->text(), q(form.Label1[static_cast<std::size_t>(i)].text()));
        }
        QVERIFY(s_->get<QLabel>("Label1_3")->text().endsWith(QStringLiteral(" napja")));
        QVERIFY(s_->get<QLabel>("Label1_4")->text().endsWith(QStringLiteral(". ")));
        QVERIFY(s_->get<QRadioButton>("Option1")->isChecked());
        QVERIFY(!s_->get<QRadioButton>("Option2")->isChecked());
        QCOMPARE(s_->get<QRadioButton>("Option1")->text(),
                 QStringLiteral("Névnap keresése dátum alapján"));
        QCOMPARE(s_->get<QRadioButton>("Option2")->text(),
                 QStringLiteral("Dátum keresése keresztnév alapján"));

        auto* months = s_->get<QComboBox>("Combo1_0");
        auto* days = s_->get<QComboBox>("Combo1_1");
        auto* names = s_->get<QComboBox>("Combo2");
        QCOMPARE(months->currentText(), QStringLiteral("január"));
        QCOMPARE(months->count(), 12);
        QCOMPARE(days->currentText(), QStringLiteral(" 1"));
        QCOMPARE(days->count(), 31);
        QVERIFY(months->isEnabled() && days->isEnabled());
        QVERIFY(!names->isEnabled());
        QCOMPARE(names->currentText(), QString{});
        QCOMPARE(names->count(), static_cast<int>(name_count));
        QCOMPARE(names->itemText(0), q(name_list[0]));
        QCOMPARE(s_->get<QLabel>("Label2")->text(), QString{});
        QCOMPARE(s_->get<QLabel>("Label3")->text(), QString{});
        QCOMPARE(s_->get<QPushButton>("Command1")->text(), QStringLiteral("Keresés"));
        QCOMPARE(s_->get<QPushButton>("Command2")->text(), QStringLiteral("Kilépés"));
        // The running title starts within a few ticks.
        QTRY_VERIFY_WITH_TIMEOUT(
            s_->get<PaintedLabel>("Label4")->text() != QStringLiteral("Label4"), 2000);
    }

    void the_window_looks_as_designed() {
        MainWindow& window = s_->window();
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());
        QVERIFY(window.findChildren<QMenuBar*>().isEmpty());

        QCOMPARE(s_->get<QLabel>("Label1_3")->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
        QCOMPARE(s_->get<QLabel>("Label2")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 255));
        QCOMPARE(s_->get<QLabel>("Label3")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 255));
        QVERIFY(s_->get<QLabel>("Label1_2")->font().bold());
        QVERIFY(!s_->get<QLabel>("Label1_0")->font().bold());
        const QFont title = s_->get<PaintedLabel>("Label4")->font();
        QVERIFY(title.bold());
        QCOMPARE(title.pointSizeF(), 12.0);
        QCOMPARE(QFontInfo{title}.styleHint(), QFont::Serif);
        QCOMPARE(s_->get<QLabel>("Label1_0")->font().pointSizeF(), 8.25);

        // Places in twips, through the screen's resolution.
        const Scale scale = s_->scale();
        QCOMPARE(s_->get<QLabel>("Label1_3")->geometry(), scale.px(layout::Label1_3));
        auto* panel = s_->get<FrameBox>("Frame1_0");
        QCOMPARE(panel->frame_rect().translated(panel->pos()), scale.px(layout::Frame1_0));
        const QRect month = s_->get<QComboBox>("Combo1_0")->geometry();
        QCOMPARE(month.translated(-panel->child_origin()), scale.px(layout::Combo1_0));
        // The option button shows whole, above its frame's rectangle.
        auto* option = s_->get<QRadioButton>("Option1");
        QVERIFY(option->geometry().top() >= 0);
        QVERIFY(option->width() >= option->sizeHint().width());

        // Every control can be told apart by a screen reader.
        for (QWidget* child : window.findChildren<QWidget*>()) {
            if (!child->objectName().isEmpty() &&
                !child->objectName().startsWith(QStringLiteral("qt_"))) {
                QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(child->objectName()));
            }
        }
    }

    void tab_order_follows_the_design() {
        const QStringList expected{QStringLiteral("Option1"),  QStringLiteral("Option2"),
                                   QStringLiteral("Combo1_0"), QStringLiteral("Combo1_1"),
                                   QStringLiteral("Combo2"),   QStringLiteral("Command1"),
                                   QStringLiteral("Command2")};
        QStringList seen;
        auto* widget = s_->get<QWidget>("Option1");
        do {
            if (widget->focusPolicy() & Qt::TabFocus && !widget->objectName().isEmpty() &&
                widget->window() == &s_->window()) {
                seen.append(widget->objectName());
            }
            widget = widget->nextInFocusChain();
        } while (widget != s_->get<QWidget>("Option1") && seen.size() < 20);
        QCOMPARE(seen, expected);
    }

    void view_modes_have_their_outer_sizes_at_the_top_centre_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("title_bar_only");
        QTest::addColumn<int>("height");
        QTest::newRow("teljes") << "teljes" << false << 4500;
        QTest::newRow("mini") << "mini" << false << 900;
        QTest::newRow("cimsor") << "cimsor" << true << 0;
    }
    void view_modes_have_their_outer_sizes_at_the_top_centre() {
        QFETCH(QString, mode);
        QFETCH(bool, title_bar_only);
        QFETCH(int, height);
        PopupMenu& menu = s_->program->popup_menu();
        using platform::MenuItemId;
        const MenuItemId id = mode == "teljes" ? MenuItemId::teljes
                              : mode == "mini" ? MenuItemId::mini
                                               : MenuItemId::cimsor;
        // From another mode first, so the size really changes.
        menu.action(mode == "teljes" ? MenuItemId::mini : MenuItemId::teljes)->trigger();
        menu.action(id)->trigger();

        Form1& form = s_->form();
        QCOMPARE(q(form.nezet), mode);
        QCOMPARE(outer().width(), 6000);
        if (title_bar_only) {
            // The least height: one pixel of client area under the title bar.
            QCOMPARE(s_->window().height(), 1);
            QVERIFY(outer().height() <= 410);
            QCOMPARE(s_->window().windowTitle(), q(form.cimsorszoveg()));
        } else {
            QCOMPARE(outer().height(), height);
            QCOMPARE(s_->window().windowTitle(), QStringLiteral("Halvora"));
        }
        for (const MenuItemId each : {MenuItemId::cimsor, MenuItemId::mini, MenuItemId::teljes}) {
            QCOMPARE(menu.action(each)->isChecked(), each == id);
        }
        expect_top_centre();
        // Choosing the mode in force again changes nothing and keeps its mark.
        menu.action(id)->trigger();
        QVERIFY(menu.action(id)->isChecked());
        QCOMPARE(q(form.nezet), mode);
    }

    void first_showing_applies_mini() {
        QCOMPARE(outer(), QSize(6000, 900));
        expect_top_centre();
        QCOMPARE(s_->window().windowTitle(), QStringLiteral("Halvora"));
    }

    // The running title runs on below the edge of the small view, and the
    // window shows the latest step as soon as it grows: the window's own
    // pixels, not a fresh rendering of the label.
    void the_running_title_shows_at_once_when_the_window_grows() {
        MainWindow& window = s_->window();
        auto* title = s_->get<PaintedLabel>("Label4");
        QVERIFY(!window.rect().intersects(title->geometry()));
        const QString first = title->text();
        QTRY_VERIFY_WITH_TIMEOUT(title->text() != first, 2000);
        window.stop_timer();
        while (title->text().trimmed().isEmpty()) {
            window.run([this] { s_->form().Timer1_Timer(); });
        }
        s_->program->popup_menu().action(platform::MenuItemId::teljes)->trigger();
        QVERIFY(window.rect().contains(title->geometry()));
        const QRect place = title->geometry();
        const auto on_screen = [&] {
            return window.screen()
                ->grabWindow(window.winId(), place.x(), place.y(), place.width(), place.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        const QImage expected = window.grab(place).toImage().convertToFormat(QImage::Format_RGB32);
        QTRY_COMPARE_WITH_TIMEOUT(on_screen(), expected, 2000);
        // The text is there, in the title's colour.
        bool coloured = false;
        for (int y = 0; y < expected.height() && !coloured; ++y) {
            for (int x = 0; x < expected.width() && !coloured; ++x) {
                coloured = expected.pixelColor(x, y) == title->colour();
            }
        }
        QVERIFY(coloured);
    }

    void dragging_the_border_follows_the_size_rule() {
        MainWindow& window = s_->window();
        // "mini" springs back.
        window.resize(window.width() + 50, window.height() + 40);
        QCOMPARE(outer(), QSize(6000, 900));
        expect_top_centre();
        // "teljes" keeps any size and stays centred at the top.
        s_->program->popup_menu().action(platform::MenuItemId::teljes)->trigger();
        window.resize(500, 300);
        QCOMPARE(window.size(), QSize(500, 300));
        expect_top_centre();
        // Too wide for "cimsor": it falls back to "mini" at once.
        s_->program->popup_menu().action(platform::MenuItemId::cimsor)->trigger();
        QCOMPARE(q(s_->form().nezet), QStringLiteral("mini"));
        QCOMPARE(outer(), QSize(6000, 900));
        // At the mode width it stays, and falls back when made higher.
        s_->program->popup_menu().action(platform::MenuItemId::cimsor)->trigger();
        QCOMPARE(q(s_->form().nezet), QStringLiteral("cimsor"));
        window.resize(window.width(), 100);
        QCOMPARE(q(s_->form().nezet), QStringLiteral("mini"));
        QCOMPARE(outer(), QSize(6000, 900));
        QCOMPARE(window.windowTitle(), QStringLiteral("Halvora"));
    }

    void popup_menu_items_marks_and_default() {
        QStringList captions;
        QList<bool> checks;
        QString bold;
        QString submenu;
        QAction* default_action = nullptr;
        MenuPicker picker{[&](QMenu& menu) -> QAction* {
            QAction* teljes = nullptr;
            for (QAction* action : menu.actions()) {
                captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
                checks.append(action->isChecked());
                if (action->font().bold()) {
                    bold = action->text();
                }
                if (action->menu() != nullptr) {
                    for (QAction* inner : action->menu()->actions()) {
                        submenu += inner->text() + QStringLiteral("|");
                    }
                }
                if (action->text() == QStringLiteral("Keresés") && action->isCheckable()) {
                    teljes = action;
                }
            }
            default_action = menu.defaultAction();
            return teljes;
        }};
        QTest::mouseClick(s_->get<QLabel>("Label1_2"), Qt::RightButton);
        QCOMPARE(picker.opened(), 1);
        QCOMPARE(captions, (QStringList{"Csak címsor", "Normál", "Keresés", "-", "Súgó", "Névjegy",
                                        "Kilépés"}));
        QCOMPARE(checks, (QList<bool>{false, true, false, false, false, false, false}));
        QCOMPARE(submenu, QStringLiteral("Tartalom|Tárgymutató|Keresés|"));
        QCOMPARE(bold, QStringLiteral("Normál"));
        QVERIFY(default_action != nullptr);
        QCOMPARE(default_action->text(), QStringLiteral("Normál"));
        // The left click on "Keresés" chose the whole window.
        QCOMPARE(q(s_->form().nezet), QStringLiteral("teljes"));
        QCOMPARE(outer().height(), 4500);
    }

    void right_button_opens_the_menu_only_where_designed_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("opens");
        for (const char* name : {"Label1_0", "Label1_1", "Label1_2", "Label1_3", "Label1_4",
                                 "Label1_5", "Frame1_0", "Frame1_1", "Form1"}) {
            QTest::newRow(name) << name << true;
        }
        for (const char* name : {"Label4", "Label2", "Label3", "Frame2", "Frame3", "Combo1_0",
                                 "Combo2", "Option1", "Option2", "Command1", "Command2"}) {
            QTest::newRow(name) << name << false;
        }
    }
    void right_button_opens_the_menu_only_where_designed() {
        QFETCH(QString, control);
        QFETCH(bool, opens);
        s_->program->popup_menu().action(platform::MenuItemId::teljes)->trigger();
        QWidget* target =
            control == "Form1" ? &s_->window() : s_->get<QWidget>(qPrintable(control));
        QVERIFY(target != nullptr);
        QPoint at = target->rect().center();
        if (control == "Form1") {
            at = QPoint{3, s_->window().height() - 3}; // free area, bottom left
        } else if (control.startsWith("Frame1")) {
            at = QPoint{target->width() - 5, target->height() - 5}; // inside, below the controls
        }
        QCOMPARE(right_click(target, at) > 0, opens);
        if (control == "Command2") {
            return; // its left click ends the program
        }
        // The left button opens nothing anywhere.
        MenuPicker picker{{}};
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QApplication::processEvents();
        QCOMPARE(picker.opened(), 0);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
