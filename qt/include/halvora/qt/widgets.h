// Small widgets the window is built from: labels and frames that report the
// mouse the way the window logic wants it, and a popup menu that answers the
// left button only.
#pragma once

#include <QCompleter>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRect>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>

namespace halvora::qt {

// How the window's own kinds of control present themselves to screen readers;
// once per program, before the first window shows.
void install_accessibility();

// Mouse button values of the mouse-down events: left 1, right 2, middle 4;
// 0 for any other button.
int button_value(Qt::MouseButton button);
// Shift 1, Ctrl 2, Alt 4, added up.
int shift_value(Qt::KeyboardModifiers modifiers);

// A left click as the window's controls know it: the left button pressed and
// then released within an area of a widget. The second press of a double click
// is no new click, and reaches the widget no further. It watches the widget
// it is made for, which owns it.
class LeftClicks : public QObject {
    Q_OBJECT
public:
    LeftClicks(QWidget& widget, std::function<QRect()> area);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<QRect()> area_;
    bool pressed_ = false;
};

// A plain-text label that swallows the mouse: it reports a button going down
// and a left click (press and release on it), and passes nothing on to its
// container.
class MouseLabel : public QLabel {
    Q_OBJECT
public:
    explicit MouseLabel(QWidget* parent);

Q_SIGNALS:
    void mouse_down(int button, int shift, QPointF position);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A one-line label that paints its own text, centred at the top, for a text
// and colour that change several times a second. A QLabel would ask its
// parent to lay out anew on every text and spread a new palette on every
// colour, and post events for both even where nothing of it shows; this one
// only repaints, and only when some of it lies within the window. It
// swallows the mouse as MouseLabel does and reports a left click.
class PaintedLabel : public QWidget {
    Q_OBJECT
public:
    explicit PaintedLabel(QWidget* parent);

    [[nodiscard]] QString text() const;
    [[nodiscard]] QColor colour() const { return colour_; }
    // UTF-8, as the window's logic holds it.
    void set_text(std::string_view text);
    void set_colour(QColor colour);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void repaint_shown_part();

    // Kept as the logic's bytes: the running title changes at every tick,
    // mostly while it lies outside the window, and is turned into a QString
    // only when it is painted or read.
    std::string text_;
    QColor colour_{Qt::black};
};

// A frame: an etched rectangle that holds other controls. A frame whose first
// control sits on its top edge (an option button in the place of a caption)
// reaches `overhang` pixels above the rectangle, so that control shows whole;
// children are placed relative to the rectangle through child_origin().
class FrameBox : public QWidget {
    Q_OBJECT
public:
    FrameBox(QWidget* parent, int overhang = 0);

    // Places the frame's rectangle, in its parent's coordinates.
    void place(const QRect& frame);
    [[nodiscard]] QRect frame_rect() const;
    [[nodiscard]] QPoint child_origin() const { return QPoint{0, overhang_}; }
    // The control standing in the place of a caption: the top edge runs
    // through its middle, as a frame's edge runs through its caption.
    void set_caption(QWidget* caption) { caption_ = caption; }

Q_SIGNALS:
    // A button went down inside the rectangle, at `position` from its corner.
    void mouse_down(int button, int shift, QPointF position);
    // A button went down in the strip above the rectangle, at `position` in
    // the parent's coordinates: that strip belongs to the parent.
    void mouse_down_outside(int button, int shift, QPointF position);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int overhang_;
    QWidget* caption_ = nullptr;
};

// The popup that offers the items matching what the user types. Qt's own
// swallows the click that closes it and the Enter it has no suggestion
// chosen for, so the first click on a button after typing did nothing. Here
// both close the popup and go on to where the user meant them.
class PassThroughPopup : public QObject {
    Q_OBJECT
public:
    explicit PassThroughPopup(QCompleter& completer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCompleter& completer_;
};

// Items answer the left mouse button only.
class LeftButtonMenu : public QMenu {
    Q_OBJECT
public:
    using QMenu::QMenu;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace halvora::qt
