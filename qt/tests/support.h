// Driving the real window headless: typing any text, answering message boxes
// and popup menus as a user would, finding widgets by their control names.
#pragma once

#include <halvora/mainwindow/form1.h>
#include <halvora/qt/main_window.h>
#include <halvora/qt/program.h>
#include <halvora/qt/twips.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string_view>

namespace halvora::qt::testing {

inline QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One key event per character: QTest::keyClicks cannot type "á".
inline void type_text(QWidget& target, const QString& text) {
    for (const QChar c : text) {
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key{type, 0, Qt::NoModifier, QString{c}};
            QApplication::sendEvent(&target, &key);
        }
    }
}

// While it lives, answers whatever modal box or popup menu opens, as a user
// would: a message box is noted (it must be the program's warning: titled
// Halvora, one OK button) and confirmed; a menu is noted item by item (+
// checked, * bold, > in the submenu) and the checkable item `pick` chosen.
class Answerer {
public:
    explicit Answerer(QString pick = {})
        : pick_(std::move(pick)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
    }
    QStringList messages;
    QString menu;
    bool all_warnings = true;

private:
    void poll() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages.append(box->text());
            all_warnings = all_warnings && box->icon() == QMessageBox::Warning &&
                           box->windowTitle() == "Halvora" && box->buttons().size() == 1;
            box->button(QMessageBox::Ok)->click();
        } else if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : popup->actions()) {
                menu += QString{action->isChecked() ? "+" : ""} +
                        (action->font().bold() ? "*" : "") +
                        (action->isSeparator() ? "-" : action->text()) + "|";
                for (QAction* inner :
                     action->menu() ? action->menu()->actions() : QList<QAction*>{}) {
                    menu += ">" + inner->text() + "|";
                }
                if (action->isCheckable() && action->text() == pick_) {
                    action->trigger();
                }
            }
            popup->close();
        }
    }
    QString pick_;
    QTimer timer_;
};

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
    template <typename T> T* get(const char* name) const {
        return window().findChild<T*>(QString::fromLatin1(name));
    }

    std::unique_ptr<Program> program;
    bool ok = false;
};

} // namespace halvora::qt::testing
