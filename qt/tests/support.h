// Driving the real window headless: typing any text, answering message boxes
// and popup menus as a user would, finding widgets by their control names.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <string_view>

namespace halvora::qt::testing {

inline QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename T> T* find(const QWidget& root, const char* name) {
    return root.findChild<T*>(QString::fromLatin1(name));
}

// One key event per character: QTest::keyClicks cannot type "á".
inline void type_text(QWidget& target, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press{QEvent::KeyPress, 0, Qt::NoModifier, QString{c}};
        QApplication::sendEvent(&target, &press);
        QKeyEvent release{QEvent::KeyRelease, 0, Qt::NoModifier, QString{c}};
        QApplication::sendEvent(&target, &release);
    }
}

// Replaces the whole text of a list, as selecting it all and typing do.
inline void retype(QComboBox& list, const QString& text) {
    list.lineEdit()->selectAll();
    QTest::keyClick(&list, Qt::Key_Backspace);
    type_text(list, text);
}

// While it lives, notes the text of every message box that opens and
// confirms it with its OK button. Every box must be the program's warning:
// modal, titled with the program's name, with the OK button alone.
class MessageAnswerer {
public:
    MessageAnswerer() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    [[nodiscard]] const QStringList& texts() const { return texts_; }
    [[nodiscard]] bool all_warnings() const { return all_warnings_; }

private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box == answered_) {
            return;
        }
        answered_ = box;
        texts_.append(box->text());
        all_warnings_ = all_warnings_ && box->isModal() && box->icon() == QMessageBox::Warning &&
                        box->windowTitle() == QStringLiteral("Halvora") &&
                        box->buttons().size() == 1;
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
        } else {
            box->reject();
        }
    }

    QTimer timer_;
    QPointer<QMessageBox> answered_;
    QStringList texts_;
    bool all_warnings_ = true;
};

// Waits for the next popup menu, notes its items with their check marks (+),
// the bold default (*) and submenu items (>), then picks the checkable item
// `pick` by a left click on it, or closes the menu.
class MenuPicker {
public:
    explicit MenuPicker(QString pick = {})
        : pick_(std::move(pick)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    [[nodiscard]] int opened() const { return opened_; }
    [[nodiscard]] const QString& seen() const { return seen_; }

private:
    void poll() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        ++opened_;
        QAction* pick = nullptr;
        for (QAction* action : menu->actions()) {
            seen_ += QString{action->isChecked() ? "+" : ""} + (action->font().bold() ? "*" : "") +
                     (action->isSeparator() ? QStringLiteral("-") : action->text()) + "|";
            for (QAction* inner : action->menu() ? action->menu()->actions() : QList<QAction*>{}) {
                seen_ += ">" + inner->text() + "|";
            }
            pick = action->isCheckable() && action->text() == pick_ ? action : pick;
        }
        seen_ += menu->defaultAction() ? menu->defaultAction()->text() : QString{};
        if (pick != nullptr) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(pick).center());
        }
        if (menu->isVisible()) {
            menu->close();
        }
    }

    QString pick_;
    QTimer timer_;
    int opened_ = 0;
    QString seen_;
};

} // namespace halvora::qt::testing

#include <halvora/mainwindow/form1.h>
#include <halvora/qt/main_window.h>
#include <halvora/qt/program.h>
#include <halvora/qt/twips.h>

#include <QScreen>

#include <memory>

namespace halvora::qt::testing {

// A started program whose window is shown, exposed and active.
struct Started {
    explicit Started(ProgramOptions options = {})
        : program(std::make_unique<Program>(std::move(options))) {
        program->start();
        window().activateWindow();
        ok = QTest::qWaitForWindowExposed(&window()) && QTest::qWaitForWindowActive(&window());
    }

    [[nodiscard]] MainWindow& window() const { return program->window(); }
    [[nodiscard]] Form1& form() const { return program->form(); }
    [[nodiscard]] Scale scale() const { return Scale::of(screen_of(&window())); }
    template <typename T> T* get(const char* name) const { return find<T>(window(), name); }

    std::unique_ptr<Program> program;
    bool ok = false;
};

} // namespace halvora::qt::testing
