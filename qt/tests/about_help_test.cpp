// The about box, the help commands, the running title and the program's end.
#include "support.h"

#include <halvora/qt/about_view.h>
#include <halvora/qt/dialogs.h>
#include <halvora/qt/popup_menu.h>
#include <halvora/qt/widgets.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace halvora;
using namespace halvora::qt;
using namespace halvora::qt::testing;
using platform::MenuItemId;

class AboutHelpTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Started> s_;
    QList<QUrl> opened_;
    bool open_succeeds_ = true;

    void choose(MenuItemId item) const { s_->program->popup_menu().action(item)->trigger(); }
    [[nodiscard]] AboutWindow* about_window() const { return s_->program->about_view().window(); }
    [[nodiscard]] static int about_windows() {
        int count = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<AboutWindow*>(top) != nullptr && top->isVisible()) {
                ++count;
            }
        }
        return count;
    }
    [[nodiscard]] static QString help_path() {
        return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/tartalom.hlp"));
    }

private Q_SLOTS:
    void init() {
        opened_.clear();
        open_succeeds_ = true;
        ProgramOptions options;
        options.open_url = [this](const QUrl& url) {
            opened_.append(url);
            return open_succeeds_;
        };
        s_ = std::make_unique<Started>(std::move(options));
        QVERIFY(s_->ok);
    }
    void cleanup() {
        s_.reset();
        QFile::remove(help_path());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void about_box_sits_against_the_main_window() {
        choose(MenuItemId::nevjegy);
        AboutWindow* box = about_window();
        QVERIFY(box != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        const Scale scale = s_->scale();
        const QPoint expected =
            s_->window().frameGeometry().topLeft() + QPoint(scale.px_x(660), scale.px_y(640));
        QCOMPARE(box->frameGeometry().topLeft(), expected);
        QCOMPARE(box->size(), QSize(scale.px_x(4680), scale.px_y(3105)));
        QVERIFY(box->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!box->isModal());
        QVERIFY(box->parentWidget() == nullptr);
        QCOMPARE(find<QLabel>(*box, "termeknev")->text(), QStringLiteral("Halvora"));
        QCOMPARE(find<QLabel>(*box, "verzioszam")->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(find<QLabel>(*box, "termeknev")->font().pointSizeF(), 13.5);
        QCOMPARE(find<QLabel>(*box, "copyright")->text(), q(copyright_text));
        QCOMPARE(find<QLabel>(*box, "jogok")->text(), q(jogok_text));
        QVERIFY(!find<QLabel>(*box, "Picture1")->pixmap().isNull());

        // Shown again while open: the same box where it was, in front.
        s_->window().move(s_->window().pos() + QPoint{30, 30});
        choose(MenuItemId::nevjegy);
        QCOMPARE(about_window(), box);
        QCOMPARE(box->frameGeometry().topLeft(), expected);
        QCOMPARE(about_windows(), 1);
        // The main window goes on working meanwhile.
        choose(MenuItemId::teljes);
        QCOMPARE(q(s_->form().nezet), QStringLiteral("teljes"));
    }

    void a_click_on_its_contents_closes_the_box_data() {
        QTest::addColumn<QString>("part");
        for (const char* part :
             {"Frame1", "Picture1", "termeknev", "verzioszam", "copyright", "jogok"}) {
            QTest::newRow(part) << part;
        }
    }
    void a_click_on_its_contents_closes_the_box() {
        QFETCH(QString, part);
        choose(MenuItemId::nevjegy);
        AboutWindow* box = about_window();
        QVERIFY(box != nullptr && QTest::qWaitForWindowExposed(box));
        // The thin margin outside the frame does not react.
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint{3, box->height() / 2});
        QVERIFY(box->isVisible());
        QVERIFY(s_->form().about_box() != nullptr);

        QWidget* target = part == "Frame1" ? find<QWidget>(*box, "Frame1")
                                           : find<QWidget>(*box, qPrintable(part));
        QVERIFY(target != nullptr);
        const QPoint at = part == "Frame1" ? QPoint{target->width() - 4, target->height() - 4}
                                           : target->rect().center();
        QPointer<AboutWindow> watch{box};
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QVERIFY(s_->form().about_box() == nullptr);
        QVERIFY(s_->program->about_view().window() == nullptr);
        QTRY_VERIFY(watch.isNull());
        QCOMPARE(about_windows(), 0);

        // The next one is loaded anew, against the main window where it is now.
        s_->window().move(s_->window().pos() + QPoint{10, 20});
        choose(MenuItemId::nevjegy);
        QVERIFY(about_window() != nullptr);
        const Scale scale = s_->scale();
        const QPoint expected =
            s_->window().frameGeometry().topLeft() + QPoint(scale.px_x(660), scale.px_y(640));
        QCOMPARE(about_window()->pos(), expected);
    }

    void the_right_button_does_not_close_the_box() {
        choose(MenuItemId::nevjegy);
        AboutWindow* box = about_window();
        QVERIFY(box != nullptr);
        QTest::mouseClick(find<QWidget>(*box, "verzioszam"), Qt::RightButton);
        QVERIFY(s_->form().about_box() != nullptr);
    }

    void help_commands_open_the_file_beside_the_program_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("command");
        QTest::newRow("tart") << static_cast<int>(MenuItemId::tart) << 3;
        QTest::newRow("targy") << static_cast<int>(MenuItemId::targy) << 3;
        QTest::newRow("keress") << static_cast<int>(MenuItemId::keress) << 11;
    }
    void help_commands_open_the_file_beside_the_program() {
        QFETCH(int, item);
        QFETCH(int, command);
        QFile file{help_path()};
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        MessageAnswerer answerer;
        choose(static_cast<MenuItemId>(item));
        QCOMPARE(answerer.texts(), QStringList{});
        QCOMPARE(opened_,
                 QList<QUrl>{QUrl::fromLocalFile(QFileInfo{help_path()}.absoluteFilePath())});
        QCOMPARE(s_->program->help_viewer().help_command(), command);
        QCOMPARE(q(s_->program->help_viewer().help_file()), help_path());
    }

    void help_that_cannot_open_says_so_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << false << "A súgófájl nem található: ";
        QTest::newRow("no handler") << true << "A súgófájl nem nyitható meg: ";
    }
    void help_that_cannot_open_says_so() {
        QFETCH(bool, present);
        QFETCH(QString, message);
        if (present) {
            QFile file{help_path()};
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        open_succeeds_ = false;
        const QString title = s_->window().windowTitle();
        MessageAnswerer answerer;
        // F1 opens the contents, as "Tartalom" does.
        QTest::keyClick(&s_->window(), Qt::Key_F1);
        QCOMPARE(answerer.texts(), QStringList{message + help_path()});
        QCOMPARE(answerer.seen().at(0).title, QStringLiteral("Halvora"));
        QCOMPARE(answerer.seen().at(0).icon, QMessageBox::Warning);
        QCOMPARE(q(s_->form().sugoparancs), QStringLiteral("tartalom"));
        QCOMPARE(s_->window().windowTitle(), title);
        QVERIFY(s_->window().isVisible());
    }

    void a_click_on_the_running_title_stops_and_starts_it() {
        auto* title = s_->get<PaintedLabel>("Label4");
        QTRY_VERIFY_WITH_TIMEOUT(title->text() != QStringLiteral("Label4"), 2000);
        QTest::mouseClick(title, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(title->text(), QStringLiteral("   Dorvanta \u2122   "), 2000);
        QCOMPARE(title->colour(), QColor(0, 0, 255));
        QTest::mouseClick(title, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(title->text() != QStringLiteral("   Dorvanta \u2122   "), 2000);
        // The right button is no click.
        QTest::mouseClick(title, Qt::RightButton);
        QVERIFY(s_->form().villogas);
    }

    void exit_closes_every_window_data() {
        QTest::addColumn<bool>("from_menu");
        QTest::newRow("Kilépés button") << false;
        QTest::newRow("Kilépés menu item") << true;
    }
    void exit_closes_every_window() {
        QFETCH(bool, from_menu);
        choose(MenuItemId::nevjegy);
        QVERIFY(about_window() != nullptr && about_window()->isVisible());
        if (from_menu) {
            choose(MenuItemId::kilep);
        } else {
            QTest::mouseClick(s_->get<QPushButton>("Command2"), Qt::LeftButton);
        }
        QVERIFY(!s_->window().isVisible());
        QCOMPARE(about_windows(), 0);
        QVERIFY(!s_->window().timer().isActive());
    }
};

QTEST_MAIN(AboutHelpTest)
#include "about_help_test.moc"
