// Message boxes and the program's end, over Qt.
#pragma once

#include <halvora/platform/platform.h>

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string_view>

namespace halvora::qt {

// A modal message box over the main window, with one OK button.
class MessageBox final : public platform::MessageBox {
public:
    explicit MessageBox(QWidget* parent)
        : parent_(parent) {}
    void show(std::string_view text, std::string_view title, int style) override;

private:
    QPointer<QWidget> parent_;
};

// Ends the program at once: every window closes and the event loop ends.
class Quitter final : public platform::Quitter {
public:
    // `before` runs first; it stops what must not run any more.
    explicit Quitter(std::function<void()> before)
        : before_(std::move(before)) {}
    void quit() override;

private:
    std::function<void()> before_;
};

} // namespace halvora::qt
