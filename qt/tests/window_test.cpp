// The main window as a user first sees it, its view modes and its popup menu.
// The size rules and which presses open the menu are the logic's and tested
// there; here the widgets that carry them (a right click on a label opens the
// menu below).
#include "support.h"

#include <halvora/qt/popup_menu.h>
#include <halvora/qt/widgets.h>
#include <halvora/qt/window_frame.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace halvora;
using namespace halvora::qt;
using namespace halvora::qt::testing;
using platform::MenuItemId;

class WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Started> s_;

    // The window's outer size in twips, as the logic reads it.
    [[nodiscard]] QSize outer() const {
        return QSize{s_->program->frame().width(), s_->program->frame().height()};
    }
    void choose(MenuItemId item) const { s_->program->popup_menu().action(item)->trigger(); }

private Q_SLOTS:
    void init() {
        s_ = std::make_unique<Started>();
        QVERIFY(s_->ok);
    }
    void cleanup() { s_.reset(); }

    void start_up_shows_the_logic_texts() {
        Form1& form = s_->form();
        QCOMPARE(s_->window().windowTitle(), QStringLiteral("Halvora"));
        for (std::size_t i = 0; i < 6; ++i) {
            const QByteArray name = "Label1_" + QByteArray::number(static_cast<int>(i));
            QCOMPARE(s_->get<QLabel>(name.constData())->text(), q(form.Label1[i].text()));
        }
        QVERIFY(s_->get<QRadioButton>("Option1")->isChecked());
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
        QVERIFY(!names->isEnabled());
        QCOMPARE(names->count(), static_cast<int>(name_count));
        QCOMPARE(names->itemText(0), q(name_list[0]));
        QCOMPARE(s_->get<QPushButton>("Command1")->text(), QStringLiteral("Keresés"));
        QCOMPARE(s_->get<QPushButton>("Command2")->text(), QStringLiteral("Kilépés"));
        QTRY_VERIFY_WITH_TIMEOUT(
            s_->get<PaintedLabel>("Label4")->text() != QStringLiteral("Label4"), 2000);
    }

    void the_window_looks_as_designed() {
        MainWindow& window = s_->window();
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(s_->get<QLabel>("Label1_3")->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
        QCOMPARE(s_->get<QLabel>("Label2")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 255));
        const QFont title = s_->get<PaintedLabel>("Label4")->font();
        QVERIFY(title.bold());
        QCOMPARE(title.pointSizeF(), 12.0);

        // Places in twips, through the screen's resolution.
        const Scale scale = s_->scale();
        QCOMPARE(s_->get<QLabel>("Label1_3")->geometry(), scale.px(layout::Label1_3));
        auto* panel = s_->get<FrameBox>("Frame1_0");
        QCOMPARE(panel->frame_rect().translated(panel->pos()), scale.px(layout::Frame1_0));
        const QRect month = s_->get<QComboBox>("Combo1_0")->geometry();
        QCOMPARE(month.translated(-panel->child_origin()), scale.px(layout::Combo1_0));
        auto* option = s_->get<QRadioButton>("Option1");
        QVERIFY(option->geometry().top() >= 0);
        QVERIFY(option->width() >= option->sizeHint().width());
    }

    void tab_order_follows_the_design() {
        QStringList seen;
        QWidget* widget = s_->get<QWidget>("Option1");
        do {
            if (widget->focusPolicy() & Qt::TabFocus && !widget->objectName().isEmpty()) {
                seen.append(widget->objectName());
            }
            widget = widget->nextInFocusChain();
        } while (widget != s_->get<QWidget>("Option1") && seen.size() < 20);
        QCOMPARE(seen, QStringLiteral("Option1 Option2 Combo1_0 Combo1_1 Combo2 Command1 Command2")
                           .split(' '));
    }

    void view_modes_have_their_outer_sizes_at_the_top_centre_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("height"); // 0: the title bar alone
        QTest::newRow("teljes") << static_cast<int>(MenuItemId::teljes) << "teljes" << 4500;
        QTest::newRow("mini") << static_cast<int>(MenuItemId::mini) << "mini" << 900;
        QTest::newRow("cimsor") << static_cast<int>(MenuItemId::cimsor) << "cimsor" << 0;
    }
    void view_modes_have_their_outer_sizes_at_the_top_centre() {
        QFETCH(int, item);
        QFETCH(QString, mode);
        QFETCH(int, height);
        const auto id = static_cast<MenuItemId>(item);
        // From another mode first, so the size really changes.
        choose(id == MenuItemId::teljes ? MenuItemId::mini : MenuItemId::teljes);
        choose(id);
        QCOMPARE(q(s_->form().nezet), mode);
        QCOMPARE(outer().width(), 6000);
        if (height == 0) {
            QCOMPARE(s_->window().height(), 1); // one pixel of client area
            QVERIFY(outer().height() <= 410);
            QCOMPARE(s_->window().windowTitle(), q(s_->form().cimsorszoveg()));
        } else {
            QCOMPARE(outer().height(), height);
            QCOMPARE(s_->window().windowTitle(), QStringLiteral("Halvora"));
        }
        for (const MenuItemId each : {MenuItemId::cimsor, MenuItemId::mini, MenuItemId::teljes}) {
            QCOMPARE(s_->program->popup_menu().action(each)->isChecked(), each == id);
        }
        const QRect screen = screen_of(&s_->window())->geometry();
        const QRect frame = s_->window().frameGeometry();
        QCOMPARE(frame.top(), screen.top());
        QVERIFY(qAbs(frame.left() - (screen.left() + (screen.width() - frame.width()) / 2)) <= 1);
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
        choose(MenuItemId::teljes);
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

    // Items with their check marks (+), the bold default (*) and the help submenu (>).
    void popup_menu_items_marks_and_default() {
        QString seen;
        MenuPicker picker{[&](QMenu& menu) -> QAction* {
            QAction* teljes = nullptr;
            for (QAction* action : menu.actions()) {
                seen += QString{action->isChecked() ? "+" : ""} +
                        (action->font().bold() ? "*" : "") +
                        (action->isSeparator() ? QStringLiteral("-") : action->text()) + "|";
                for (QAction* inner :
                     action->menu() ? action->menu()->actions() : QList<QAction*>{}) {
                    seen += ">" + inner->text() + "|";
                }
                if (action->text() == QStringLiteral("Keresés") && action->isCheckable()) {
                    teljes = action;
                }
            }
            seen += menu.defaultAction() ? menu.defaultAction()->text() : QString{};
            return teljes;
        }};
        QTest::mouseClick(s_->get<QLabel>("Label1_2"), Qt::RightButton);
        QCOMPARE(picker.opened(), 1);
        QCOMPARE(seen, QStringLiteral("Csak címsor|+*Normál|Keresés|-|Súgó|>Tartalom|>Tárgymutató|"
                                      ">Keresés|Névjegy|Kilépés|Normál"));
        // The left click on "Keresés" chose the whole window.
        QCOMPARE(q(s_->form().nezet), QStringLiteral("teljes"));
        QCOMPARE(outer().height(), 4500);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
