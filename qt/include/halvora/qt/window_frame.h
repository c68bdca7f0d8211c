// The main window's outer frame in twips. Qt resizes a top-level window at
// once, inside the call, so the resize listener runs nested in the setting
// call, as the window logic expects. A window manager's frame margins are
// known only once the window is first exposed: the listener runs first then.
// Later resizes that come from outside (the user dragging the border, the
// window manager, another program) run it too.
//
// A real window manager has the last word on a window's place and size, and
// its answers come later than Qt's record of a request: the frame waits for
// the user to let go of a border before the listener runs, and makes sure the
// server ends with what was asked for, or else that the window is the size
// the server keeps.
#pragma once

#include <halvora/platform/platform.h>
#include <halvora/qt/twips.h>

#include <QElapsedTimer>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>

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
    // without a client area is not shown at all; below the least client area
    // the window manager allows, to that. A maximized window is made normal
    // first: it takes no size but the screen's.
    void set_width(int twips) override;
    void set_height(int twips) override;

    // Border and title bar, as the window manager reports them.
    [[nodiscard]] QMargins margins() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] Scale scale() const;
    // Maximized or full screen: the window manager's size and place, not ours.
    [[nodiscard]] bool maximized() const;
    [[nodiscard]] QSize least_client() const;
    void make_normal();
    void move_frame(QPoint position);
    void resize_client(QSize client);
    void resized_from_outside(QSize client);
    void notify_listener();
    void expect_requested();
    void check_server();
    void take_server_size(QSize server);
    void note_refusal(QSize requested, QSize answered);

    // How long the sizes from outside must have stopped before the listener
    // runs (and how often to look whether the user has let go of the border
    // after that); where the button on a frame cannot be seen, how long a
    // hand's pause must be.
    static constexpr int drag_quiet_ms = 150;
    static constexpr int hand_pause_ms = 700;
    // How long the geometry must stay unchanged before it is compared with
    // the server's, and how often a request is repeated for the server.
    static constexpr int settle_ms = 200;
    static constexpr int settle_repeats = 3;
    static constexpr qint64 refusal_answer_ms = 500;

    QWidget& window_;
    int setting_ = 0; // depth of our own resize calls
    bool exposed_ = false;
    bool watching_handle_ = false;

    QTimer drag_end_;
    // What our requests left in Qt's record, until the server shows the same.
    std::optional<QRect> requested_;
    QMargins requested_margins_;
    QTimer settle_;
    int repeats_ = 0;
    bool restoring_ = false; // from maximized, until the window manager is done

    // A window manager may refuse a size and answer with its own. The same
    // request refused the same way twice is not made a third time, so the
    // window settles instead of bouncing between our size and the manager's.
    std::optional<QSize> last_request_;
    QElapsedTimer since_request_;
    struct Refusal {
        QSize requested;
        QSize answered;
        int times = 0;
    };
    std::optional<Refusal> refusal_;
};

} // namespace halvora::qt
