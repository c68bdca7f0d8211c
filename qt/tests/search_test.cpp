// Both searches driven through the real widgets: typing, picking, the lists'
// validation and the five message boxes.
#include "support.h"

#include <halvora/qt/popup_menu.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace halvora;
using namespace halvora::qt;
using namespace halvora::qt::testing;

class SearchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Started> s_;

    QComboBox* months() const { return s_->get<QComboBox>("Combo1_0"); }
    QComboBox* days() const { return s_->get<QComboBox>("Combo1_1"); }
    QComboBox* names() const { return s_->get<QComboBox>("Combo2"); }
    QLabel* label2() const { return s_->get<QLabel>("Label2"); }
    QLabel* label3() const { return s_->get<QLabel>("Label3"); }

    void enter_date(const QString& month, const QString& day) {
        months()->setFocus(Qt::TabFocusReason);
        retype(*months(), month);
        days()->setFocus(Qt::TabFocusReason);
        retype(*days(), day);
    }
    void to_name_mode() {
        QTest::mouseClick(s_->get<QRadioButton>("Option2"), Qt::LeftButton);
        QVERIFY(names()->isEnabled());
        names()->setFocus(Qt::TabFocusReason);
    }

private Q_SLOTS:
    void init() {
        s_ = std::make_unique<Started>();
        QVERIFY(s_->ok);
        s_->program->popup_menu().action(platform::MenuItemId::teljes)->trigger();
    }
    void cleanup() { s_.reset(); }

    void search_by_date_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("month_after");
        QTest::addColumn<QString>("day_after");
        QTest::newRow("március 15") << "március"
                                    << "15"
                                    << ""
                                    << "március"
                                    << "15";
        QTest::newRow("English month") << "March"
                                       << " 15"
                                       << ""
                                       << "March"
                                       << " 15";
        QTest::newRow("február 29 has no names") << "február"
                                                 << " 29"
                                                 << ""
                                                 << "február"
                                                 << " 29";
        QTest::newRow("day 7 with a full stop") << "július"
                                                << "7."
                                                << ""
                                                << "július"
                                                << "7.";
        QTest::newRow("no such day") << "február"
                                     << "30"
                                     << "Ilyen nap nem létezik!"
                                     << "február"
                                     << "";
        QTest::newRow("letters for a day") << "május"
                                           << "abc"
                                           << "Ilyen nap nem létezik!"
                                           << "május"
                                           << "";
        QTest::newRow("capital month") << "Március"
                                       << "15"
                                       << "Ilyen hónap nem létezik!"
                                       << ""
                                       << "15";
        QTest::newRow("month without accent") << "marcius"
                                              << "15"
                                              << "Ilyen hónap nem létezik!"
                                              << ""
                                              << "15";
        QTest::newRow("empty month") << ""
                                     << "5"
                                     << "Állíts be egy dátumot!"
                                     << ""
                                     << "5";
        QTest::newRow("empty day") << "június"
                                   << ""
                                   << "Állíts be egy dátumot!"
                                   << "június"
                                   << "";
    }
    void search_by_date() {
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, message);
        QFETCH(QString, month_after);
        QFETCH(QString, day_after);
        MessageAnswerer answerer;
        enter_date(month, day);
        QCOMPARE(months()->currentText(), month);
        QCOMPARE(q(s_->form().Combo1[0].text()), month);
        QTest::mouseClick(s_->get<QPushButton>("Command1"), Qt::LeftButton);

        QCOMPARE(answerer.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        for (const auto& seen : answerer.seen()) {
            QCOMPARE(seen.title, QStringLiteral("Halvora"));
            QCOMPARE(seen.icon, QMessageBox::Warning);
            QCOMPARE(seen.buttons, 1);
            QVERIFY(seen.modal);
        }
        QCOMPARE(months()->currentText(), month_after);
        QCOMPARE(days()->currentText(), day_after);
        const QString expected =
            message.isEmpty() ? q(napszerint(month.toStdString(), s_->form().nap)) : QString{};
        QCOMPARE(label2()->text(), expected);
        if (month == "március") {
            QVERIFY(!label2()->text().isEmpty());
            QCOMPARE(q(s_->form().nap), QStringLiteral("15"));
        }
    }

    void search_by_name_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("a name of the list") << "Ábel"
                                            << "";
        QTest::newRow("lower case") << "ábel"
                                    << "Ilyen név nem létezik!";
        QTest::newRow("not a name") << "Xyz"
                                    << "Ilyen név nem létezik!";
        QTest::newRow("nothing typed") << ""
                                       << "Válassz nevet a listából!";
    }
    void search_by_name() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        MessageAnswerer answerer;
        to_name_mode();
        QCOMPARE(months()->currentText(), QString{});
        QVERIFY(!months()->isEnabled() && !days()->isEnabled());
        type_text(*names(), name);
        // Exactly what was typed, also once the focus has left the field.
        QCOMPARE(names()->currentText(), name);
        QCOMPARE(q(s_->form().Combo2.text()), name);
        s_->get<QPushButton>("Command2")->setFocus(Qt::TabFocusReason);
        QCOMPARE(names()->currentText(), name);
        names()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(names(), Qt::Key_Return);

        QCOMPARE(answerer.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(names()->count(), static_cast<int>(name_count));
        if (message.isEmpty()) {
            QCOMPARE(label3()->text(), q(nevszerint(name.toStdString())));
            QCOMPARE(names()->currentText(), name);
        } else {
            QCOMPARE(label3()->text(), QString{});
            QCOMPARE(names()->currentText(), QString{});
        }
    }

    void a_failed_search_by_name_empties_the_last_answer() {
        MessageAnswerer answerer;
        to_name_mode();
        type_text(*names(), QStringLiteral("Ábel"));
        QTest::mouseClick(s_->get<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(!label3()->text().isEmpty());
        retype(*names(), QString{});
        QTest::mouseClick(s_->get<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Válassz nevet a listából!")});
        QCOMPARE(label3()->text(), QString{});
    }

    void back_to_date_mode_finds_the_lists_empty() {
        MessageAnswerer answerer;
        to_name_mode();
        QTest::mouseClick(s_->get<QRadioButton>("Option1"), Qt::LeftButton);
        QVERIFY(s_->get<QRadioButton>("Option1")->isChecked());
        QVERIFY(!s_->get<QRadioButton>("Option2")->isChecked());
        QVERIFY(!names()->isEnabled());
        // A second click on the button already on leaves it on.
        QTest::mouseClick(s_->get<QRadioButton>("Option1"), Qt::LeftButton);
        QVERIFY(s_->get<QRadioButton>("Option1")->isChecked());
        QTest::mouseClick(s_->get<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Állíts be egy dátumot!")});
    }

    void enter_searches_and_adds_no_item_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("month") << "Combo1_0"
                               << "Xyzzy"
                               << "Ilyen hónap nem létezik!";
        QTest::newRow("day") << "Combo1_1"
                             << "99"
                             << "Ilyen nap nem létezik!";
        QTest::newRow("month in other case") << "Combo1_0"
                                             << "JANUÁR"
                                             << "Ilyen hónap nem létezik!";
    }
    void enter_searches_and_adds_no_item() {
        QFETCH(QString, list);
        QFETCH(QString, text);
        QFETCH(QString, message);
        MessageAnswerer answerer;
        auto* combo = s_->get<QComboBox>(qPrintable(list));
        const int count = combo->count();
        combo->setFocus(Qt::TabFocusReason);
        retype(*combo, text);
        QTest::keyClick(combo, Qt::Key_Enter);
        QCOMPARE(answerer.texts(), QStringList{message});
        QCOMPARE(combo->count(), count);
        QCOMPARE(combo->currentText(), QString{});
    }

    void the_day_list_follows_the_month_when_the_focus_leaves() {
        months()->setFocus(Qt::TabFocusReason);
        retype(*months(), QStringLiteral("február"));
        QCOMPARE(days()->count(), 31);
        QTest::keyClick(months(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), days());
        QCOMPARE(days()->count(), 28);
        QCOMPARE(days()->itemText(27), QStringLiteral(" 28"));

        // Back to a long month: the list grows again.
        months()->setFocus(Qt::BacktabFocusReason);
        retype(*months(), QStringLiteral("március"));
        s_->get<QPushButton>("Command2")->setFocus(Qt::MouseFocusReason);
        QCOMPARE(days()->count(), 31);
        QCOMPARE(days()->itemText(30), QStringLiteral("31"));
    }

    void validation_comes_before_the_search_button() {
        MessageAnswerer answerer;
        months()->setFocus(Qt::TabFocusReason);
        retype(*months(), QStringLiteral("április"));
        // Still in the month list: a press on the search button moves the focus
        // first, so the day list is already fitted when the search runs.
        QTest::mouseClick(s_->get<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(days()->count(), 30);
        QCOMPARE(answerer.texts(), QStringList{});
        QCOMPARE(label2()->text(), q(napszerint("április", "1")));
    }

    void picking_an_item_sets_the_text() {
        months()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(months(), Qt::Key_Down);
        QTest::keyClick(months(), Qt::Key_Down);
        QCOMPARE(months()->currentText(), QStringLiteral("március"));
        QCOMPARE(q(s_->form().Combo1[0].text()), QStringLiteral("március"));
    }

    void no_validation_while_the_focus_stays_in_the_list() {
        months()->setFocus(Qt::TabFocusReason);
        retype(*months(), QStringLiteral("február"));
        QFocusEvent popup{QEvent::FocusOut, Qt::PopupFocusReason};
        QApplication::sendEvent(months(), &popup);
        QFocusEvent away{QEvent::FocusOut, Qt::ActiveWindowFocusReason};
        QApplication::sendEvent(months(), &away);
        QCOMPARE(days()->count(), 31);
    }
};

QTEST_MAIN(SearchTest)
#include "search_test.moc"
