// The about box, the help commands, the running title and the program's end,
// as the Qt windows and a stand-in for the desktop's file opener carry them out.
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
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace halvora;
using namespace halvora::qt;
using namespace halvora::qt::testing;
using platform::MenuItemId;

class AboutHelpTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Started> s_;
    QTemporaryDir work_;

    // A stand-in for xdg-open: notes the path it is given, byte for byte, and
    // ends with `status`; a negative one names no program at all.
    [[nodiscard]] std::vector<std::string> launcher(int status) const {
        if (status < 0) {
            return {"/nonexistent/xdg-open"};
        }
        return {"sh", "-c", "printf %s \"$1\" >\"$0\"; exit " + std::to_string(status),
                launched_path().toStdString()};
    }
    [[nodiscard]] QString launched_path() const {
        return work_.filePath(QStringLiteral("launched"));
    }

    void choose(MenuItemId item) const { s_->program->popup_menu().action(item)->trigger(); }
    [[nodiscard]] AboutWindow* about_window() const { return s_->program->about_view().window(); }
    [[nodiscard]] QPoint about_place() const {
        const Scale scale = s_->scale();
        return s_->window().frameGeometry().topLeft() + QPoint(scale.px_x(660), scale.px_y(640));
    }
    [[nodiscard]] static int about_windows() {
        int count = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            count += qobject_cast<AboutWindow*>(top) != nullptr && top->isVisible() ? 1 : 0;
        }
        return count;
    }
    [[nodiscard]] static QString help_path() {
        return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/tartalom.hlp"));
    }

private Q_SLOTS:
    void init() {
        ProgramOptions options;
        options.help_launcher = launcher(0);
        s_ = std::make_unique<Started>(std::move(options));
        QVERIFY(s_->ok);
    }
    void cleanup() {
        s_.reset();
        QFile::remove(help_path());
        // By bytes: Qt cannot name a directory whose name is not UTF-8.
        for (const auto& entry : std::filesystem::directory_iterator{work_.path().toStdString()}) {
            std::filesystem::remove_all(entry.path());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void the_box_sits_against_the_main_window_and_closes_on_its_contents_data() {
        QTest::addColumn<QString>("part");
        for (const char* part : {"Frame1", "Picture1", "termeknev", "jogok"}) {
            QTest::newRow(part) << part;
        }
    }
    void the_box_sits_against_the_main_window_and_closes_on_its_contents() {
        QFETCH(QString, part);
        choose(MenuItemId::nevjegy);
        AboutWindow* box = about_window();
        QVERIFY(box != nullptr && QTest::qWaitForWindowExposed(box));
        const Scale scale = s_->scale();
        const QPoint place = about_place();
        QCOMPARE(box->frameGeometry().topLeft(), place);
        QCOMPARE(box->size(), QSize(scale.px_x(4680), scale.px_y(3105)));
        QVERIFY(box->windowFlags().testFlag(Qt::FramelessWindowHint) && !box->isModal());
        QCOMPARE(find<QLabel>(*box, "verzioszam")->text(), QStringLiteral("Version 1.0.0"));
        QVERIFY(!find<QLabel>(*box, "Picture1")->pixmap().isNull());
        // Shown again while open: the same box where it was.
        s_->window().move(s_->window().pos() + QPoint{30, 30});
        choose(MenuItemId::nevjegy);
        QCOMPARE(about_window(), box);
        QCOMPARE(box->frameGeometry().topLeft(), place);
        QCOMPARE(about_windows(), 1);

        // Neither the thin margin outside the frame nor the right button closes it.
        QWidget* target = find<QWidget>(*box, qPrintable(part));
        QVERIFY(target != nullptr);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint{3, box->height() / 2});
        QTest::mouseClick(target, Qt::RightButton);
        QVERIFY(box->isVisible());
        const QPoint at = part == "Frame1" ? QPoint{target->width() - 4, target->height() - 4}
                                           : target->rect().center();
        QPointer<AboutWindow> watch{box};
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QVERIFY(s_->form().about_box() == nullptr);
        QTRY_VERIFY(watch.isNull());
        QCOMPARE(about_windows(), 0);
        // The next one is new, against the main window where it is now.
        choose(MenuItemId::nevjegy);
        QVERIFY(about_window() != nullptr);
        QCOMPARE(about_window()->pos(), about_place());
    }

    // F1 opens the contents, as "Tartalom" does; the help command always ends
    // in the launcher or in a message naming the path, also when the launcher
    // fails only after it started, and when the path is not UTF-8.
    void f1_opens_the_file_beside_the_program_or_says_why_not_data() {
        QTest::addColumn<QByteArray>("directory"); // empty: the program's own
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("opened") << QByteArray{} << true << 0 << QString{};
        QTest::newRow("missing") << QByteArray{} << false << 0 << q("A súgófájl nem található: ");
        const QString not_opened = q("A súgófájl nem nyitható meg: ");
        QTest::newRow("nothing opens it") << QByteArray{} << true << 3 << not_opened;
        QTest::newRow("no launcher") << QByteArray{} << true << -1 << not_opened;
        QTest::newRow("not UTF-8") << QByteArray{"hal\xFFvora"} << true << 3 << not_opened;
    }
    void f1_opens_the_file_beside_the_program_or_says_why_not() {
        QFETCH(QByteArray, directory);
        QFETCH(bool, present);
        QFETCH(int, status);
        QFETCH(QString, message);
        ProgramOptions options;
        options.help_launcher = launcher(status);
        s_ = std::make_unique<Started>(std::move(options));
        QVERIFY(s_->ok);
        QByteArray path = help_path().toUtf8();
        if (!directory.isEmpty()) {
            path = QFile::encodeName(work_.path()) + '/' + directory;
            QVERIFY(std::filesystem::create_directory(path.toStdString()));
            path += "/tartalom.hlp";
        }
        if (present) {
            std::ofstream{path.toStdString()}.put('\n');
        }

        MessageAnswerer answerer;
        HelpViewer& viewer = s_->program->help_viewer();
        if (directory.isEmpty()) {
            QTest::keyClick(&s_->window(), Qt::Key_F1);
            QCOMPARE(viewer.help_command(), 3);
        } else {
            viewer.set_help_file(path.toStdString());
            viewer.show_help();
        }
        QTRY_VERIFY(!viewer.launching());
        QCOMPARE(answerer.texts(), message.isEmpty()
                                       ? QStringList{}
                                       : QStringList{message + QString::fromUtf8(path)});
        QVERIFY(answerer.all_warnings());
        QFile launched{launched_path()};
        QCOMPARE(launched.open(QIODevice::ReadOnly) ? launched.readAll() : QByteArray{},
                 present && status >= 0 ? path : QByteArray{});
    }

    void a_click_on_the_running_title_stops_and_starts_it() {
        auto* title = s_->get<PaintedLabel>("Label4");
        const QString still = QStringLiteral("   Dorvanta \u2122   ");
        QTest::mouseClick(title, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(title->text(), still, 2000);
        QCOMPARE(title->colour(), QColor(0, 0, 255));
        QTest::mouseClick(title, Qt::RightButton); // no click
        QTest::mouseClick(title, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(title->text() != still, 2000);
    }

    void exit_closes_every_window() {
        choose(MenuItemId::nevjegy);
        QVERIFY(about_window() != nullptr && about_window()->isVisible());
        QTest::mouseClick(s_->get<QPushButton>("Command2"), Qt::LeftButton);
        QVERIFY(!s_->window().isVisible());
        QCOMPARE(about_windows(), 0);
        QVERIFY(!s_->window().timer().isActive());
    }
};

QTEST_MAIN(AboutHelpTest)
#include "about_help_test.moc"
