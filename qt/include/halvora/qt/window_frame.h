// The main window's outer frame in twips. Qt resizes a top-level window at
// once, inside the call, so the resize listener runs nested in the setting
// call, as the window logic expects. A window manager's frame margins are
// known only once the window is first exposed: the listener runs first then.
// Later resizes that come from outside (the user dragging the border, the
// window manager) run it too.
#pragma once

#include <halvora/platform/platform.h>
#include <halvora/qt/twips.h>

#include <QMargins>
#include <QObject>
#include <QSize>

#include <optional>

class QWidget;

namespace halvora::qt {

class WindowFrame final : public QObject, public platform::WindowFrame {
    Q_OBJECT
public:
    explicit WindowFrame(QWidget& window);

    [[nodiscard]] int left() const override;
    [[nodiscard]] int top() const override;
    [[nodiscard]] int width() const override;
    [[nodiscard]] int height() const override;

    void set_left(int twips) override;
    void set_top(int twips) override;
    // A size below one pixel of client area is raised to that pixel: a window
    // without a client area is not shown at all.
    void set_width(int twips) override;
    void set_height(int twips) override;

    [[nodiscard]] bool exposed() const { return exposed_; }
    // Border and title bar, as the window manager reports them.
    [[nodiscard]] QMargins margins() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] Scale scale() const;
    void resize_client(QSize client);
    void resized_from_outside(QSize client);
    void notify_listener();

    QWidget& window_;
    int setting_ = 0; // depth of our own resize calls
    bool exposed_ = false;
    bool watching_handle_ = false;

    // A window manager may refuse a size and answer with its own. The same
    // request refused the same way twice is not made a third time, so the
    // window settles instead of bouncing between our size and the manager's.
    std::optional<QSize> last_request_;
    struct Refusal {
        QSize requested;
        QSize answered;
        int times = 0;
    };
    std::optional<Refusal> refusal_;
};

} // namespace halvora::qt
