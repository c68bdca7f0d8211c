// Keeps each widget in step with its control in the window logic. A binding
// copies the control's state once, then follows every change the control
// reports, skipping what already shows. Nothing the user does reaches the
// logic through here, except a list's text and chosen item, which are the
// user's to set.
#pragma once

#include <halvora/mainwindow/controls.h>
#include <halvora/qt/text.h>

#include <QObject>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QAbstractButton;
class QWidget;

namespace halvora::qt {

class PaintedLabel;

void bind(QLabel& widget, Label& label);
void bind(PaintedLabel& widget, Label& label);
void bind(QAbstractButton& widget, OptionButton& option);
void bind(QWidget& window, Caption& caption);

// Shows what the logic holds; a control with no widget any more shows nothing.
void show_label(QLabel& widget, const Label& label, Property property);
void show_label(PaintedLabel& widget, const Label& label, Property property);
void show_option(QAbstractButton& widget, const OptionButton& option);

// An editable drop-down list. Its text is exactly what the user typed or
// picked: items are never added from the text, and no completion rewrites it.
// With `offer_matches`, a popup offers the items that begin with the typed
// text; the text changes only when the user picks one.
class ComboBinding final : public QObject {
    Q_OBJECT
public:
    ComboBinding(QComboBox& widget, ComboBox& list, bool offer_matches);
    ~ComboBinding() override;
    ComboBinding(const ComboBinding&) = delete;
    ComboBinding& operator=(const ComboBinding&) = delete;

private:
    void show(Property property);
    void show_items();
    void show_text();
    void user_text(const QString& text);
    void user_pick(int index);

    QComboBox& widget_;
    ComboBox& list_;
    // What the widget holds, so a change of the list is found without asking
    // the widget for every item.
    std::vector<std::string> shown_items_;
    bool showing_ = false;
};

} // namespace halvora::qt
