#include <halvora/qt/contained.h>
#include <halvora/qt/window_frame.h>

#include <QEvent>
#include <QResizeEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace halvora::qt {

WindowFrame::WindowFrame(QWidget& window)
    : window_(window) {
    window_.installEventFilter(this);
}

Scale WindowFrame::scale() const {
    return Scale::of(screen_of(&window_));
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
    const int x = screen_origin(&window_).x() + scale().px_x(twips);
    window_.move(x, window_.pos().y());
}

void WindowFrame::set_top(int twips) {
    const int y = screen_origin(&window_).y() + scale().px_y(twips);
    window_.move(window_.pos().x(), y);
}

void WindowFrame::set_width(int twips) {
    const QMargins frame = margins();
    const int client = std::max(1, scale().px_x(twips) - frame.left() - frame.right());
    resize_client(QSize{client, window_.height()});
}

void WindowFrame::set_height(int twips) {
    const QMargins frame = margins();
    const int client = std::max(1, scale().px_y(twips) - frame.top() - frame.bottom());
    resize_client(QSize{window_.width(), client});
}

void WindowFrame::resize_client(QSize client) {
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
    if (window_.frameGeometry().size() != outer_before) {
        raise_resize();
    }
}

void WindowFrame::resized_from_outside(QSize client) {
    if (last_request_ && *last_request_ != client) {
        if (refusal_ && refusal_->requested == *last_request_ && refusal_->answered == client) {
            ++refusal_->times;
        } else {
            refusal_ = Refusal{*last_request_, client, 1};
        }
    } else {
        refusal_.reset();
    }
    last_request_.reset();
    notify_listener();
}

// Outside a setting call nobody above us catches: an escaping exception must
// end here, not in Qt's event loop.
void WindowFrame::notify_listener() {
    run_contained("resize handler", [this] { raise_resize(); });
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        if (event->type() == QEvent::Show && !watching_handle_ &&
            window_.windowHandle() != nullptr) {
            window_.windowHandle()->installEventFilter(this);
            watching_handle_ = true;
        } else if (event->type() == QEvent::Resize && setting_ == 0 && exposed_) {
            resized_from_outside(static_cast<QResizeEvent*>(event)->size());
        }
    } else if (event->type() == QEvent::Expose && !exposed_ && window_.windowHandle() != nullptr &&
               window_.windowHandle()->isExposed()) {
        exposed_ = true;
        notify_listener();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace halvora::qt
