// The about box on the screen: a borderless window of its own, placed where
// the logic put the box, with its frame, icon and texts. A click on any of
// its contents goes to the box's handler for that control.
#pragma once

#include <halvora/aboutbox/about.h>

#include <QPointer>
#include <QWidget>

#include <functional>

namespace halvora::qt {

class AboutWindow final : public QWidget {
    Q_OBJECT
public:
    enum class Part { frame, picture, termeknev, verzioszam, copyright, jogok };

    // `origin` is the corner of the screen the box's twips count from.
    AboutWindow(const about& box, QPoint origin);

Q_SIGNALS:
    void clicked(halvora::qt::AboutWindow::Part part);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class AboutView final : public AboutBoxView {
public:
    using Runner = std::function<void(const std::function<void()>&)>;

    // `main_window` tells which screen the box's position counts on.
    AboutView(const QWidget& main_window, Runner run);
    ~AboutView() override;
    AboutView(const AboutView&) = delete;
    AboutView& operator=(const AboutView&) = delete;

    void show(about& box) override;
    void bring_to_front() override;
    void close() override;

    [[nodiscard]] AboutWindow* window() const { return window_.data(); }

private:
    void clicked(AboutWindow::Part part);

    const QWidget& main_window_;
    Runner run_;
    QPointer<AboutWindow> window_;
    // A closed window waiting for the event loop to delete it.
    QPointer<AboutWindow> closing_;
    about* box_ = nullptr;
};

} // namespace halvora::qt
