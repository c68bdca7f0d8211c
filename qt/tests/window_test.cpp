// The main window as a user first sees it, its view modes and its popup menu.
// The size rules and which presses open the menu are the logic's and tested
// there; here the widgets that carry them.
#include "support.h"

#include <halvora/qt/popup_menu.h>
#include <halvora/qt/widgets.h>
#include <halvora/qt/window_frame.h>

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

    void start_up_shows_the_designed_window() {
        QCOMPARE(s_->window().windowTitle(), QStringLiteral("Halvora"));
        QVERIFY(!s_->window().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        for (std::size_t i = 0; i < 6; ++i) {
            const QByteArray name = "Label1_" + QByteArray::number(static_cast<int>(i));
            QCOMPARE(s_->get<QLabel>(name.constData())->text(), q(s_->form().Label1[i].text()));
        }
        for (const auto& [name, text] : {std::pair{"Option1", "Névnap keresése dátum alapján"},
                                         {"Option2", "Dátum keresése keresztnév alapján"},
                                         {"Command1", "Keresés"},
                                         {"Command2", "Kilépés"}}) {
            QCOMPARE(s_->get<QAbstractButton>(name)->text(), q(text));
        }
        QVERIFY(s_->get<QRadioButton>("Option1")->isChecked());
        auto* months = s_->get<QComboBox>("Combo1_0");
        QCOMPARE(months->currentText(), QStringLiteral("január"));
        QCOMPARE(s_->get<QComboBox>("Combo1_1")->count(), 31);
        QVERIFY(!s_->get<QComboBox>("Combo2")->isEnabled());
        QCOMPARE(s_->get<QLabel>("Label2")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 255));
        const QFont title = s_->get<PaintedLabel>("Label4")->font();
        QVERIFY(title.bold() && title.pointSizeF() == 12.0);

        // Places in twips, through the screen's resolution; the option button
        // standing on its frame's edge shows whole.
        const Scale scale = s_->scale();
        auto* panel = s_->get<FrameBox>("Frame1_0");
        QCOMPARE(panel->frame_rect().translated(panel->pos()), scale.px(layout::Frame1_0));
        QCOMPARE(months->geometry().translated(-panel->child_origin()), scale.px(layout::Combo1_0));
        auto* option = s_->get<QRadioButton>("Option1");
        QVERIFY(option->geometry().top() >= 0 && option->width() >= option->sizeHint().width());

        QStringList order;
        QWidget* widget = option;
        do {
            if (widget->focusPolicy() & Qt::TabFocus && !widget->objectName().isEmpty()) {
                order.append(widget->objectName());
            }
            widget = widget->nextInFocusChain();
        } while (widget != option && order.size() < 20);
        QCOMPARE(order, QStringLiteral("Option1 Option2 Combo1_0 Combo1_1 Combo2 Command1 Command2")
                            .split(' '));
    }

    void view_modes_resize_the_window_at_the_top_centre_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("height"); // 0: the title bar alone
        QTest::newRow("teljes") << static_cast<int>(MenuItemId::teljes) << 4500;
        QTest::newRow("mini") << static_cast<int>(MenuItemId::mini) << 900;
        QTest::newRow("cimsor") << static_cast<int>(MenuItemId::cimsor) << 0;
    }
    void view_modes_resize_the_window_at_the_top_centre() {
        QFETCH(int, item);
        QFETCH(int, height);
        const auto id = static_cast<MenuItemId>(item);
        // From another mode first, so the size really changes.
        choose(id == MenuItemId::teljes ? MenuItemId::mini : MenuItemId::teljes);
        choose(id);
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
        const QRect place = title->geometry();
        QVERIFY(window.rect().contains(place));
        const auto on_screen = [&] {
            return window.screen()
                ->grabWindow(window.winId(), place.x(), place.y(), place.width(), place.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        const QImage expected = window.grab(place).toImage().convertToFormat(QImage::Format_RGB32);
        QTRY_COMPARE_WITH_TIMEOUT(on_screen(), expected, 2000);
        // The text is there, in the title's colour.
        int coloured = 0;
        for (int at = 0; at < expected.width() * expected.height(); ++at) {
            coloured += expected.pixelColor(at % expected.width(), at / expected.width()) ==
                        title->colour();
        }
        QVERIFY(coloured > 0);
    }

    // Where a right click opens the menu, with its marks and the default;
    // an item answers the left button. The menu key and Shift+F10 open it
    // too, also with the title bar alone, where nothing is left to click.
    void the_menu_opens_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("key"); // none: a right click on the target
        QTest::newRow("the window") << QString{} << true << 0;
        for (const auto& [name, opens] : {std::pair{"Frame1_0", true},
                                          {"Label1_2", true},
                                          {"Frame2", false},
                                          {"Label2", false},
                                          {"Command1", false},
                                          {"Label4", false}}) {
            QTest::newRow(name) << q(name) << opens << 0;
        }
        QTest::newRow("the menu key") << QString{} << true << int{Qt::Key_Menu};
        QTest::newRow("Shift+F10, title bar alone") << q("cimsor") << true << int{Qt::Key_F10};
    }
    void the_menu_opens() {
        QFETCH(QString, target);
        QFETCH(bool, opens);
        QFETCH(int, key);
        const Scale scale = s_->scale();
        QWidget* widget = &s_->window();
        QPoint at{scale.px_x(60), scale.px_y(60)}; // above the today panel
        if (!target.isEmpty() && key == 0) {
            widget = s_->get<QWidget>(qPrintable(target));
            // Inside the frame, below the lists.
            at = target == "Frame1_0" ? QPoint{scale.px_x(120), scale.px_y(1000)} +
                                            s_->get<FrameBox>("Frame1_0")->child_origin()
                                      : widget->rect().center();
        }
        MenuPicker picker{QStringLiteral("Keresés")};
        if (key == 0) {
            QTest::mouseClick(widget, Qt::RightButton, {}, at);
        } else {
            if (target == "cimsor") {
                choose(MenuItemId::cimsor);
            }
            const auto shift = key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::keyClick(s_->window().windowHandle(), static_cast<Qt::Key>(key), shift);
        }
        QCOMPARE(picker.opened(), opens ? 1 : 0);
        const QString modes =
            target == "cimsor" ? q("+Csak címsor|*Normál") : q("Csak címsor|+*Normál");
        QCOMPARE(picker.seen(), opens ? modes + q("|Keresés|-|Súgó|>Tartalom|>Tárgymutató|"
                                                  ">Keresés|Névjegy|Kilépés|Normál")
                                      : QString{});
        QCOMPARE(outer().height(), opens ? 4500 : 900);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
