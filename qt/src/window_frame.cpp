#include <halvora/qt/contained.h>
#include <halvora/qt/window_frame.h>
#include <halvora/qt/x11.h>

#include <QEvent>
#include <QResizeEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace halvora::qt {
namespace {

// The server's pixels in Qt's, for a window on a screen at the origin.
QRect in_qt_pixels(const QRect& native, double ratio) {
    const auto px = [ratio](int value) { return static_cast<int>(std::lround(value / ratio)); };
    return QRect{px(native.x()), px(native.y()), px(native.width()), px(native.height())};
}

// Whether the server shows what was asked for. A maximized window's place is
// the window manager's, and its frame may differ from a normal one's: only
// its size counts.
bool as_requested(const QRect& server, const QRect& requested, double ratio, bool maximized) {
    // At a fractional scale a pixel of Qt's may round either way.
    const int slack = ratio == 1.0 ? 0 : 1;
    const auto near = [slack](int a, int b) { return std::abs(a - b) <= slack; };
    return near(server.width(), requested.width()) && near(server.height(), requested.height()) &&
           (maximized || (near(server.x(), requested.x()) && near(server.y(), requested.y())));
}

} // namespace

WindowFrame::WindowFrame(QWidget& window)
    : window_(window) {
    window_.installEventFilter(this);
    // While the user drags the border the window manager owns the size: it
    // overrides every request, or follows one and then restores its own, or
    // (mutter) takes it for a new start of the drag and makes odd sizes of
    // it, which left the window neither at its mode's size nor painted. The
    // listener waits until the sizes stop coming and the button is let go.
    // Under XWayland no X client sees a button held on a window's frame,
    // which the compositor handles itself: there only a longer pause tells
    // that the hand has let go.
    drag_end_.setInterval(x11::buttons_seen_on_frames() ? drag_quiet_ms : hand_pause_ms);
    connect(&drag_end_, &QTimer::timeout, this, [this] {
        if (!x11::pointer_button_held()) {
            drag_end_.stop();
            notify_listener();
        }
    });
    settle_.setSingleShot(true);
    settle_.setInterval(settle_ms);
    connect(&settle_, &QTimer::timeout, this, [this] { check_server(); });
}

Scale WindowFrame::scale() const {
    return Scale::of(screen_of(&window_));
}

bool WindowFrame::maximized() const {
    return window_.isMaximized() || window_.isFullScreen();
}

QMargins WindowFrame::margins() const {
    const QRect outer = window_.frameGeometry();
    const QRect inner = window_.geometry();
    return QMargins{inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom()};
}

int WindowFrame::left() const {
    return scale().twips_x(window_.frameGeometry().x() - screen_origin(&window_).x());
}

int WindowFrame::top() const {
    return scale().twips_y(window_.frameGeometry().y() - screen_origin(&window_).y());
}

int WindowFrame::width() const {
    return scale().twips_x(window_.frameGeometry().width());
}

int WindowFrame::height() const {
    return scale().twips_y(window_.frameGeometry().height());
}

void WindowFrame::set_left(int twips) {
    move_frame(QPoint{screen_origin(&window_).x() + scale().px_x(twips), window_.pos().y()});
}

void WindowFrame::set_top(int twips) {
    move_frame(QPoint{window_.pos().x(), screen_origin(&window_).y() + scale().px_y(twips)});
}

void WindowFrame::set_width(int twips) {
    const QMargins frame = margins();
    const int client =
        std::max(least_client().width(), scale().px_x(twips) - frame.left() - frame.right());
    resize_client(QSize{client, window_.height()});
}

void WindowFrame::set_height(int twips) {
    const QMargins frame = margins();
    const int client =
        std::max(least_client().height(), scale().px_y(twips) - frame.top() - frame.bottom());
    resize_client(QSize{window_.width(), client});
}

// KWin makes no client area lower than its frame's top and bottom edges
// together (the title bar, with Breeze), nor narrower than its side edges; a
// request below that it answers with that size, or, with the window there
// already, not at all. Asked for no less, it has nothing to refuse.
QSize WindowFrame::least_client() const {
    if (x11::window_manager_name() != "KWin") {
        return QSize{1, 1};
    }
    const QMargins frame = margins();
    return QSize{std::max(1, frame.left() + frame.right()),
                 std::max(1, frame.top() + frame.bottom())};
}

void WindowFrame::move_frame(QPoint position) {
    // A maximized window is where the window manager puts it; asked to move,
    // some managers drop the maximized state instead.
    if (maximized()) {
        return;
    }
    window_.move(position);
    expect_requested();
}

// A window manager takes no size nor place for a maximized window but the
// screen's. Made normal, the window first gets back the size it had before,
// which is no resize of the user's: the size asked for follows.
void WindowFrame::make_normal() {
    if (maximized()) {
        restoring_ = true;
        window_.setWindowState(window_.windowState() &
                               ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    }
}

void WindowFrame::resize_client(QSize client) {
    make_normal();
    if (client == window_.size()) {
        return;
    }
    if (refusal_ && refusal_->times >= 2 && refusal_->requested == client &&
        refusal_->answered == window_.size()) {
        return;
    }
    const QSize outer_before = window_.frameGeometry().size();
    ++setting_;
    window_.resize(client);
    --setting_;
    last_request_ = client;
    since_request_.start();
    expect_requested();
    if (window_.frameGeometry().size() != outer_before) {
        raise_resize();
    }
}

void WindowFrame::resized_from_outside(QSize client) {
    if (restoring_) {
        settle_.start();
        return;
    }
    // A size the user drags to is no answer to an earlier request of ours;
    // a refusal comes at once, not after a user's pause.
    const bool dragging = drag_end_.isActive() || x11::pointer_button_held();
    const bool answer = last_request_ && !dragging && since_request_.elapsed() < refusal_answer_ms;
    if (answer && *last_request_ != client) {
        note_refusal(*last_request_, client);
    } else {
        refusal_.reset();
    }
    last_request_.reset();
    if (answer) {
        notify_listener();
        return;
    }
    // Any other size is a hand's on the border, or another program's: the
    // listener runs once the sizes have stopped coming; each new one starts
    // the wait again.
    drag_end_.start();
}

void WindowFrame::note_refusal(QSize requested, QSize answered) {
    if (refusal_ && refusal_->requested == requested && refusal_->answered == answered) {
        ++refusal_->times;
    } else {
        refusal_ = Refusal{requested, answered, 1};
    }
}

// Outside a setting call nobody above us catches: an escaping exception must
// end here, not in Qt's event loop.
void WindowFrame::notify_listener() {
    run_contained("resize handler", [this] { raise_resize(); });
}

void WindowFrame::expect_requested() {
    requested_ = window_.geometry();
    requested_margins_ = margins();
    repeats_ = 0;
    settle_.start();
}

// Qt records a request as done when it makes it. A window manager may yet
// place the window anew after a change of size, or follow a request and then
// restore its own size; Qt then believes the request and asks no more, since
// the window is already there as far as it knows. So once all is quiet the
// server's word is taken, and what differs is asked for again, past Qt's
// record of what it asked.
void WindowFrame::check_server() {
    restoring_ = false;
    QWindow* handle = window_.windowHandle();
    if (!requested_ || handle == nullptr) {
        return;
    }
    // Not while the user drags: mid-drag the frame and the window need not
    // agree, and a request would fight the hand.
    if (x11::pointer_button_held() || drag_end_.isActive()) {
        settle_.start();
        return;
    }
    // The border and title bar changed since the request (drawn late, or the
    // window left the maximized state): the outer size the request was made
    // for is no longer the window's, which is a change of size.
    if (margins() != requested_margins_) {
        requested_.reset();
        notify_listener();
        return;
    }
    const double ratio = handle->devicePixelRatio();
    const std::optional<QRect> server = x11::client_geometry(*handle);
    if (!server || as_requested(in_qt_pixels(*server, ratio), *requested_, ratio, maximized())) {
        requested_.reset();
        return;
    }
    if (repeats_ >= settle_repeats) {
        take_server_size(in_qt_pixels(*server, ratio).size());
        return;
    }
    ++repeats_;
    make_normal();
    const QMargins frame = handle->frameMargins();
    handle->resize(requested_->size());
    handle->setFramePosition(requested_->topLeft() - QPoint{frame.left(), frame.top()});
    settle_.start();
}

// A window manager that keeps a size of its own may say nothing of it: a
// request it refuses outright, with the window already at the size it
// allows, changes nothing on the server and brings no answer. Qt believes its
// request all the same, and paints no more than the size it asked for; the
// rest of what the window manager gave stays unpainted, and the listener
// reads a size nobody sees. So the server's size is taken as the window's
// and told to the listener, as an answer to the request.
void WindowFrame::take_server_size(QSize server) {
    requested_.reset();
    // A maximized window's size is the window manager's, and Qt hears of it.
    if (server == window_.size() || maximized()) {
        return;
    }
    note_refusal(window_.size(), server);
    ++setting_;
    window_.resize(server);
    --setting_;
    notify_listener();
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::Show && !watching_handle_ &&
            window_.windowHandle() != nullptr) {
            window_.windowHandle()->installEventFilter(this);
            watching_handle_ = true;
        } else if (event->type() == QEvent::Resize && setting_ == 0 && exposed_) {
            resized_from_outside(static_cast<QResizeEvent*>(event)->size());
        } else if (event->type() == QEvent::Move && requested_ && settle_.isActive()) {
            // The window manager still at work: wait until it is done.
            settle_.start();
        }
    } else if (event->type() == QEvent::Expose && !exposed_ && window_.windowHandle() != nullptr &&
               window_.windowHandle()->isExposed()) {
        exposed_ = true;
        notify_listener();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace halvora::qt
