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

#include <functional>
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

// While it lives, notes every message box that opens and closes it with its
// OK button, as the user confirming it would.
class MessageAnswerer {
public:
    struct Seen {
        QString text;
        QString title;
        QMessageBox::Icon icon;
        int buttons;
        bool modal;
    };

    MessageAnswerer() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    [[nodiscard]] QStringList texts() const {
        QStringList all;
        for (const Seen& seen : seen_) {
            all.append(seen.text);
        }
        return all;
    }
    [[nodiscard]] const QList<Seen>& seen() const { return seen_; }

private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box == answered_) {
            return;
        }
        answered_ = box;
        seen_.append(Seen{box->text(), box->windowTitle(), box->icon(),
                          static_cast<int>(box->buttons().size()), box->isModal()});
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
        } else {
            box->reject();
        }
    }

    QTimer timer_;
    QPointer<QMessageBox> answered_;
    QList<Seen> seen_;
};

// Waits for the next popup menu, lets `look` inspect it and then picks the
// item that `look` returns by a left click on it, or closes the menu.
class MenuPicker {
public:
    using Look = std::function<QAction*(QMenu&)>;

    explicit MenuPicker(Look look)
        : look_(std::move(look)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    [[nodiscard]] int opened() const { return opened_; }

private:
    void poll() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        ++opened_;
        QAction* pick = look_ ? look_(*menu) : nullptr;
        if (pick != nullptr) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(pick).center());
        }
        if (menu->isVisible()) {
            menu->close();
        }
    }

    Look look_;
    QTimer timer_;
    int opened_ = 0;
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
