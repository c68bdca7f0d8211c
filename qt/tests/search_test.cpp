// Both searches driven through the real widgets: typing one character at a
// time, the lists' validation and the message boxes. Every outcome of the
// searches is the logic's and tested there; here one of each kind.
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
    void search() const { QTest::mouseClick(s_->get<QPushButton>("Command1"), Qt::LeftButton); }
    void retype_month(const QString& text) const {
        months()->setFocus(Qt::TabFocusReason);
        retype(*months(), text);
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
        const struct {
            const char* row;
            const char* month;
            const char* day;
            const char* message;
        } rows[] = {
            {"found", "március", "15", ""},
            {"no such day", "február", "30", "Ilyen nap nem létezik!"},
            {"no such month", "Március", "15", "Ilyen hónap nem létezik!"},
            {"empty month", "", "5", "Állíts be egy dátumot!"},
        };
        for (const auto& row : rows) {
            QTest::newRow(row.row) << q(row.month) << q(row.day) << q(row.message);
        }
    }
    void search_by_date() {
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, message);
        MessageAnswerer answerer;
        retype_month(month);
        days()->setFocus(Qt::TabFocusReason);
        retype(*days(), day);
        QCOMPARE(months()->currentText(), month);
        QCOMPARE(q(s_->form().Combo1[0].text()), month);
        search();

        QCOMPARE(answerer.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        for (const auto& seen : answerer.seen()) {
            QCOMPARE(seen.title, QStringLiteral("Halvora"));
            QCOMPARE(seen.icon, QMessageBox::Warning);
            QCOMPARE(seen.buttons, 1);
            QVERIFY(seen.modal);
        }
        // The list the logic emptied shows empty.
        QCOMPARE(months()->currentText(), q(s_->form().Combo1[0].text()));
        QCOMPARE(days()->currentText(), q(s_->form().Combo1[1].text()));
        const QString expected =
            message.isEmpty() ? q(napszerint(month.toStdString(), "15")) : QString{};
        QCOMPARE(s_->get<QLabel>("Label2")->text(), expected);
    }

    void search_by_name_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("a name of the list") << q("Ábel") << QString{};
        QTest::newRow("lower case") << q("ábel") << q("Ilyen név nem létezik!");
        QTest::newRow("nothing typed") << QString{} << q("Válassz nevet a listából!");
    }
    void search_by_name() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        MessageAnswerer answerer;
        QTest::mouseClick(s_->get<QRadioButton>("Option2"), Qt::LeftButton);
        QVERIFY(names()->isEnabled());
        QVERIFY(!months()->isEnabled() && !days()->isEnabled());
        names()->setFocus(Qt::TabFocusReason);
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
        const bool found = message.isEmpty();
        QCOMPARE(s_->get<QLabel>("Label3")->text(),
                 found ? q(nevszerint(name.toStdString())) : QString{});
        QCOMPARE(names()->currentText(), found ? name : QString{});
    }

    void enter_searches_and_adds_no_item_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("month") << q("Combo1_0") << q("JANUÁR") << q("Ilyen hónap nem létezik!");
        QTest::newRow("day") << q("Combo1_1") << q("99") << q("Ilyen nap nem létezik!");
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

    void the_day_list_shrinks_when_the_focus_leaves() {
        retype_month(QStringLiteral("február"));
        // Not while the focus stays in the list: its own popup, another window.
        for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent out{QEvent::FocusOut, reason};
            QApplication::sendEvent(months(), &out);
        }
        QCOMPARE(days()->count(), 31);
        QTest::keyClick(months(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), days());
        QCOMPARE(days()->count(), 28);
        QCOMPARE(days()->itemText(27), QStringLiteral(" 28"));
    }

    void validation_comes_before_the_search_button() {
        MessageAnswerer answerer;
        retype_month(QStringLiteral("április"));
        // Still in the month list: a press on the search button moves the focus
        // first, so the day list is already fitted when the search runs.
        search();
        QCOMPARE(days()->count(), 30);
        QCOMPARE(answerer.texts(), QStringList{});
        QCOMPARE(s_->get<QLabel>("Label2")->text(), q(napszerint("április", "1")));
    }

    void picking_an_item_sets_the_text() {
        months()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(months(), Qt::Key_Down);
        QTest::keyClick(months(), Qt::Key_Down);
        QCOMPARE(months()->currentText(), QStringLiteral("március"));
        QCOMPARE(q(s_->form().Combo1[0].text()), QStringLiteral("március"));
    }
};

QTEST_MAIN(SearchTest)
#include "search_test.moc"
