// The binding's own pieces: twips and pixels, the system's regional texts and
// Qt's own, and the outer frame's sizes with a window manager's answers.
#include "support.h"

#include <halvora/qt/application.h>
#include <halvora/qt/system.h>
#include <halvora/qt/window_frame.h>

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

#include <climits>
#include <memory>
#include <utility>

using namespace halvora;
using namespace halvora::qt;
using namespace halvora::qt::testing;

class UnitsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twips_and_pixels_data() {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("px");
        QTest::newRow("96 dpi, negative") << 96.0 << -80 << -5;
        QTest::newRow("96 dpi, under half a pixel") << 96.0 << 7 << 0;
        QTest::newRow("120 dpi") << 120.0 << 900 << 75;
        QTest::newRow("nonsense dpi falls back to 96") << 0.0 << 900 << 60;
        QTest::newRow("huge stops at Qt's bound") << 96.0 << INT_MAX << 16777215;
        QTest::newRow("huge negative") << 96.0 << INT_MIN << -16777215;
    }
    void twips_and_pixels() {
        QFETCH(double, dpi);
        QFETCH(int, twips);
        QFETCH(int, px);
        const Scale scale{dpi, dpi};
        QCOMPARE(scale.px_x(twips), px);
        QCOMPARE(scale.px_y(twips), px);
        if (twips > -1000000 && twips < 1000000) { // back within a pixel
            QVERIFY(qAbs(scale.twips_y(px) - twips) <= 1440.0 / (dpi > 1 ? dpi : 96.0));
        }
    }

    void time_separator_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("separator");
        for (const auto& [format, separator] : {std::pair{"H.mm", "."},
                                                {"h:mm AP", ":"},
                                                {"HH 'h' mm", " "},
                                                {"HH'h'mm", ":"},
                                                {"mm", ":"},
                                                {"", ":"}}) {
            QTest::newRow(format) << q(format) << q(separator);
        }
    }
    void time_separator() {
        QFETCH(QString, format);
        QFETCH(QString, separator);
        QCOMPARE(time_separator_of(format), separator);
    }

    // Qt's own texts turn Hungarian; the system's names (English under the
    // test's C locale) stay the system's.
    void regional_names_come_from_the_locale_while_qt_speaks_hungarian() {
        const SystemRegional hungarian{QLocale{QLocale::Hungarian, QLocale::Hungary}};
        QCOMPARE(q(hungarian.settings().month_names[11]), QStringLiteral("december"));
        QCOMPARE(q(hungarian.settings().weekday_names[1]), QStringLiteral("kedd"));
        const SystemRegional finnish{QLocale{QLocale::Finnish, QLocale::Finland}};
        QCOMPARE(q(finnish.settings().time_separator), QStringLiteral("."));

        QVERIFY(!load_qt_translations(QStringLiteral("/nonexistent")));
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                               QStringLiteral("/qtbase_hu.qm"))) {
            QSKIP("qt6-translations-l10n is not installed");
        }
        QVERIFY(load_qt_translations());
        QLineEdit edit;
        const std::unique_ptr<QMenu> menu{edit.createStandardContextMenu()};
        QVERIFY(menu->actions().first()->text().startsWith(q("&Visszavonás")));
        QCOMPARE(q(SystemRegional{}.settings().month_names[0]), QStringLiteral("January"));
    }

    // The clock keeps its reading for the rest of the minute: whatever it says
    // must be the local time of a moment between the readings around it, on
    // the first call and on the calls after it.
    void the_clock_tells_local_time_to_the_minute() {
        const SystemClock clock;
        for (int call = 0; call < 2; ++call) {
            const QDateTime before = QDateTime::currentDateTime();
            const Moment moment = clock.now();
            const QDateTime after = QDateTime::currentDateTime();
            const auto same = [&moment](const QDateTime& at) {
                return moment.year == at.date().year() && moment.month == at.date().month() &&
                       moment.day == at.date().day() &&
                       moment.weekday == at.date().dayOfWeek() - 1 &&
                       moment.hour == at.time().hour() && moment.minute == at.time().minute();
            };
            QVERIFY(same(before) || same(after));
        }
    }

    void outer_sizes_raise_the_listener_only_on_change() {
        QWidget window;
        window.resize(400, 300);
        WindowFrame frame{window};
        int raised = 0;
        frame.set_resize_listener([&] { ++raised; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(raised, 1); // the first showing
        const Scale scale = Scale::of(screen_of(&window));
        const QMargins margins = frame.margins();

        frame.set_height(900);
        frame.set_height(900);
        QCOMPARE(raised, 2);
        QCOMPARE(window.frameGeometry().height(), scale.px_y(900));
        // Height 0: one pixel of client area.
        frame.set_height(0);
        QCOMPARE(window.height(), 1);
        QCOMPARE(frame.height(), scale.twips_y(1 + margins.top() + margins.bottom()));
        QCOMPARE(raised, 3);
        // Positions are the frame's corner, and moving is no resize.
        frame.set_left(1500);
        frame.set_top(0);
        QCOMPARE(window.frameGeometry().topLeft(),
                 screen_origin(&window) + QPoint(scale.px_x(1500), 0));
        QCOMPARE(raised, 3);
    }

    void a_refused_size_is_not_asked_for_forever() {
        QWidget window;
        window.resize(300, 200);
        WindowFrame frame{window};
        const Scale scale = Scale::of(screen_of(&window));
        const int wanted = 900;
        int requests = 0;
        frame.set_resize_listener([&] {
            if (qAbs(frame.height() - wanted) > 10) {
                ++requests;
                frame.set_height(wanted);
            }
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(requests, 1);
        // A window manager that answers every request with its own size.
        for (int answer = 0; answer < 5; ++answer) {
            window.resize(300, 120);
            QApplication::processEvents();
        }
        QCOMPARE(requests, 3);
        QCOMPARE(window.height(), 120);
        // A new size from the user is followed again.
        window.resize(300, 150);
        QCOMPARE(window.frameGeometry().height(), scale.px_y(wanted));
    }
};

QTEST_MAIN(UnitsTest)
#include "units_test.moc"
