#include <halvora/qt/text.h>
#include <halvora/qt/widgets.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace halvora::qt {
namespace {

// The option buttons stand in different frames, so they are not exclusive to
// Qt, which would present them as check boxes; to a screen reader they are the
// option buttons they are.
class OptionButtonAccess final : public QAccessibleWidget {
public:
    explicit OptionButtonAccess(QAbstractButton& button)
        : QAccessibleWidget(&button, QAccessible::RadioButton) {}

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button().isChecked();
        return state;
    }
    [[nodiscard]] QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            button().click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    [[nodiscard]] QAbstractButton& button() const {
        return *static_cast<QAbstractButton*>(widget());
    }
};

// A painted label is static text to accessibility tools, as a QLabel is.
QAccessibleInterface* accessible_of(const QString& class_name, QObject* object) {
    if (!object->isWidgetType()) {
        return nullptr;
    }
    if (class_name == QLatin1String(PaintedLabel::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
    }
    if (class_name == QLatin1String("QRadioButton")) {
        return new OptionButtonAccess(*static_cast<QAbstractButton*>(object));
    }
    return nullptr;
}

} // namespace

void install_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(accessible_of);
        return true;
    }();
    Q_UNUSED(installed);
}

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
    connect(new LeftClicks(*this, [this] { return rect(); }), &LeftClicks::clicked, this,
            &MouseLabel::clicked);
}

LeftClicks::LeftClicks(QWidget& widget, std::function<QRect()> area)
    : QObject(&widget)
    , area_(std::move(area)) {
    widget.installEventFilter(this);
}

// Takes the release and the second press of a double click itself: no
// widget it watches has a use for them.
bool LeftClicks::eventFilter(QObject* /*watched*/, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return false;
    }
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    const bool left_within =
        mouse.button() == Qt::LeftButton && area_().contains(mouse.position().toPoint());
    if (type == QEvent::MouseButtonPress) {
        pressed_ = left_within;
        return false;
    }
    event->accept();
    if (std::exchange(pressed_, false) && left_within && type == QEvent::MouseButtonRelease) {
        Q_EMIT clicked();
    }
    return true;
}

void MouseLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT mouse_down(button_value(event->button()), shift_value(event->modifiers()),
                      event->position());
}

PaintedLabel::PaintedLabel(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_NoMousePropagation);
    connect(new LeftClicks(*this, [this] { return rect(); }), &LeftClicks::clicked, this,
            &PaintedLabel::clicked);
}

QString PaintedLabel::text() const {
    return to_qstring(text_);
}

void PaintedLabel::set_text(std::string_view text) {
    if (text_ != text) {
        text_ = text;
        repaint_shown_part();
    }
}

void PaintedLabel::set_colour(QColor colour) {
    if (colour_ != colour) {
        colour_ = colour;
        repaint_shown_part();
    }
}

// Even for a label wholly outside the window Qt would post the window a
// request to repaint, only to find nothing to paint there. Nothing is lost by
// skipping it: the window repaints all of itself when it grows, and a label
// that moves is repainted at its new place.
void PaintedLabel::repaint_shown_part() {
    QRect shown = rect();
    for (const QWidget* widget = this; !widget->isWindow() && !shown.isEmpty();
         widget = widget->parentWidget()) {
        const QWidget* parent = widget->parentWidget();
        if (parent == nullptr) {
            break;
        }
        shown = shown.translated(widget->pos()) & parent->rect();
    }
    if (!shown.isEmpty()) {
        update();
    }
}

void PaintedLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter{this};
    painter.setPen(colour_);
    painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop, text());
}

void PaintedLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

FrameBox::FrameBox(QWidget* parent, int overhang)
    : QWidget(parent)
    , overhang_(overhang) {
    setAttribute(Qt::WA_NoMousePropagation);
    connect(new LeftClicks(*this, [this] { return frame_rect(); }), &LeftClicks::clicked, this,
            &FrameBox::clicked);
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
        Q_EMIT mouse_down(button, shift, at - QPointF{frame_rect().topLeft()});
    } else {
        Q_EMIT mouse_down_outside(button, shift, at + QPointF{pos()});
    }
}

PassThroughPopup::PassThroughPopup(QCompleter& completer)
    : QObject(&completer)
    , completer_(completer) {
    // Installed after the completer's own filter, so it runs first.
    completer_.popup()->installEventFilter(this);
}

bool PassThroughPopup::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* popup = completer_.popup();
    if (watched != popup || !popup->isVisible()) {
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto& press = static_cast<const QMouseEvent&>(*event);
        const QPointF global = press.globalPosition();
        if (popup->rect().contains(popup->mapFromGlobal(global).toPoint())) {
            return false;
        }
        popup->hide();
        // Posted, as a press the window itself received, so that the release
        // to come finds the control that took the press.
        QWidget* target = QApplication::widgetAt(global.toPoint());
        QWindow* window = target != nullptr ? target->window()->windowHandle() : nullptr;
        if (window != nullptr) {
            const QPointF local = window->mapFromGlobal(global);
            QCoreApplication::postEvent(window,
                                        new QMouseEvent(QEvent::MouseButtonPress, local, local,
                                                        global, press.button(), press.buttons(),
                                                        press.modifiers(), press.pointingDevice()));
        }
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !popup->currentIndex().isValid() && completer_.widget() != nullptr) {
            popup->hide();
            QApplication::sendEvent(completer_.widget(), key);
            return true;
        }
    }
    return false;
}

void LeftButtonMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QMenu::mouseReleaseEvent(event);
}

} // namespace halvora::qt
