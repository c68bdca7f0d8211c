#include <halvora/qt/widgets.h>

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace halvora::qt {

int button_value(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shift_value(Qt::KeyboardModifiers modifiers) {
    int value = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        value += 1;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        value += 2;
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        value += 4;
    }
    return value;
}

MouseLabel::MouseLabel(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setAttribute(Qt::WA_NoMousePropagation);
}

void MouseLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    pressed_ = event->button() == Qt::LeftButton;
    Q_EMIT mouse_down(button_value(event->button()), shift_value(event->modifiers()),
                      event->position());
}

void MouseLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        Q_EMIT clicked();
    }
}

// The second press of a double click is no new click.
void MouseLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    pressed_ = false;
}

FrameBox::FrameBox(QWidget* parent, int overhang)
    : QWidget(parent)
    , overhang_(overhang) {
    setAttribute(Qt::WA_NoMousePropagation);
}

void FrameBox::place(const QRect& frame) {
    setGeometry(frame.adjusted(0, -overhang_, 0, 0));
}

QRect FrameBox::frame_rect() const {
    return rect().adjusted(0, overhang_, 0, 0);
}

void FrameBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter{this};
    QRect frame = frame_rect();
    if (caption_ != nullptr) {
        frame.setTop(std::max(frame.top(), caption_->geometry().center().y()));
    }
    // Etched: a dark line with a light one just inside and below it.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame.adjusted(0, 0, -2, -2));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, -1, -1));
}

void FrameBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const int button = button_value(event->button());
    const int shift = shift_value(event->modifiers());
    const QPointF at = event->position();
    if (frame_rect().contains(at.toPoint())) {
        pressed_ = event->button() == Qt::LeftButton;
        Q_EMIT mouse_down(button, shift, at - QPointF{frame_rect().topLeft()});
    } else {
        pressed_ = false;
        Q_EMIT mouse_down_outside(button, shift, at + QPointF{pos()});
    }
}

void FrameBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       frame_rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        Q_EMIT clicked();
    }
}

void LeftButtonMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QMenu::mouseReleaseEvent(event);
}

} // namespace halvora::qt
