// Both searches driven through the real widgets: typing one character at a
// time, the lists' validation and the message boxes. Every outcome of the
// searches is the logic's and tested there; here one of each kind.
#include "support.h"

#include <halvora/qt/popup_menu.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QCompleter>
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

    // A text that is no item, such as "Március", stays as typed: Qt's lists
    // would look it up without regard to case and rewrite it. Enter in a list
    // searches and adds no item.
    void search_by_date_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("enter_in"); // empty: the search button
        QTest::addColumn<QString>("message");
        QTest::newRow("found") << q("március") << q("15") << QString{} << QString{};
        QTest::newRow("no such month")
            << q("Március") << q("15") << q("Combo1_0") << q("Ilyen hónap nem létezik!");
        QTest::newRow("no such day")
            << q("március") << q("99") << q("Combo1_1") << q("Ilyen nap nem létezik!");
        QTest::newRow("empty month")
            << QString{} << q("5") << QString{} << q("Állíts be egy dátumot!");
    }
    void search_by_date() {
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, enter_in);
        QFETCH(QString, message);
        MessageAnswerer answerer;
        retype_month(month);
        days()->setFocus(Qt::TabFocusReason);
        retype(*days(), day);
        QCOMPARE(months()->currentText(), month);
        QCOMPARE(q(s_->form().Combo1[0].text()), month);
        if (enter_in.isEmpty()) {
            search();
        } else {
            auto* list = s_->get<QComboBox>(qPrintable(enter_in));
            list->setFocus(Qt::TabFocusReason);
            QTest::keyClick(list, Qt::Key_Enter);
        }

        QCOMPARE(answerer.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QVERIFY(answerer.all_warnings());
        QCOMPARE(months()->count(), 12);
        QCOMPARE(days()->count(), 31);
        // The list the logic emptied shows empty.
        QCOMPARE(months()->currentText(), q(s_->form().Combo1[0].text()));
        QCOMPARE(days()->currentText(), q(s_->form().Combo1[1].text()));
        QCOMPARE(s_->get<QLabel>("Label2")->text(),
                 message.isEmpty() ? q(napszerint("március", "15")) : QString{});
    }

    // Typing opens the suggestions for a name; one click on the search button,
    // or one Enter, searches at once, through whatever popup is open.
    void search_by_name_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("click"); // else Enter
        QTest::addColumn<QString>("message");
        QTest::newRow("a name, clicked") << q("Ábel") << true << QString{};
        QTest::newRow("a name's start, Enter") << q("Ab") << false << q("Ilyen név nem létezik!");
        QTest::newRow("lower case") << q("ábel") << true << q("Ilyen név nem létezik!");
    }
    void search_by_name() {
        QFETCH(QString, name);
        QFETCH(bool, click);
        QFETCH(QString, message);
        MessageAnswerer answerer;
        QTest::mouseClick(s_->get<QRadioButton>("Option2"), Qt::LeftButton);
        QVERIFY(names()->isEnabled() && !months()->isEnabled());
        names()->setFocus(Qt::TabFocusReason);
        type_text(*names(), name);
        QCOMPARE(names()->completer()->popup()->isVisible(),
                 name.startsWith(q("Ab")) || name.startsWith(q("Áb")));
        QCOMPARE(names()->completer()->popup()->font(), names()->font());
        // As the system delivers them, to the window: a popup takes them first.
        QWindow* window = s_->window().windowHandle();
        if (click) {
            auto* button = s_->get<QPushButton>("Command1");
            const QPoint at = button->mapTo(&s_->window(), button->rect().center());
            QTest::mousePress(window, Qt::LeftButton, {}, at);
            QCoreApplication::processEvents();
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        } else {
            QTest::keyClick(window, Qt::Key_Return);
        }

        QTRY_COMPARE(answerer.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(q(s_->form().Combo2.text()), message.isEmpty() ? name : QString{});
        QCOMPARE(names()->count(), static_cast<int>(name_count));
        auto* result = s_->get<QLabel>("Label3");
        QCOMPARE(result->text(), message.isEmpty() ? q(nevszerint(name.toStdString())) : QString{});
        // A screen reader reads the answer itself.
        QCOMPARE(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Name),
                 result->text());
    }

    // Validation runs when the focus moves on to another control: not while it
    // stays in the list (its own popup, another window), and before a press on
    // the search button runs the search.
    void validation_runs_when_the_focus_leaves_before_a_click() {
        MessageAnswerer answerer;
        retype_month(QStringLiteral("február"));
        for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent out{QEvent::FocusOut, reason};
            QApplication::sendEvent(months(), &out);
        }
        QCOMPARE(days()->count(), 31);
        search();
        QCOMPARE(days()->count(), 28);
        QCOMPARE(answerer.texts(), QStringList{});
        QCOMPARE(s_->get<QLabel>("Label2")->text(), q(napszerint("február", "1")));
    }

    void picking_an_item_sets_the_text() {
        months()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(months(), Qt::Key_Down);
        QCOMPARE(q(s_->form().Combo1[0].text()), QStringLiteral("február"));
    }
};

QTEST_MAIN(SearchTest)
#include "search_test.moc"
