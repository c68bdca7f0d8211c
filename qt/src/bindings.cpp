#include <halvora/qt/bindings.h>
#include <halvora/qt/look.h>
#include <halvora/qt/widgets.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <algorithm>
#include <cstddef>

namespace halvora::qt {
namespace {

// Shows everything the label holds now, then each change as it comes.
template <typename Widget> void bind_label(Widget& widget, Label& label) {
    for (const Property property : {Property::text, Property::colour, Property::visible}) {
        show_label(widget, label, property);
    }
    label.observe([&widget, &label](Property property) { show_label(widget, label, property); });
}

void show_visibility(QWidget& widget, const Label& label) {
    if (widget.isVisibleTo(widget.parentWidget()) != label.visible()) {
        widget.setVisible(label.visible());
    }
}

} // namespace

void show_label(QLabel& widget, const Label& label, Property property) {
    switch (property) {
    case Property::text: {
        const QString text = to_qstring(label.text());
        if (widget.text() != text) {
            widget.setText(text);
        }
        break;
    }
    case Property::colour: {
        const QColor colour = to_qcolor(label.colour());
        if (widget.palette().color(QPalette::WindowText) != colour) {
            QPalette palette = widget.palette();
            palette.setColor(QPalette::WindowText, colour);
            widget.setPalette(palette);
        }
        break;
    }
    case Property::visible:
        show_visibility(widget, label);
        break;
    default:
        break;
    }
}

void bind(QLabel& widget, Label& label) {
    bind_label(widget, label);
}

void show_label(PaintedLabel& widget, const Label& label, Property property) {
    switch (property) {
    case Property::text:
        widget.set_text(label.text());
        break;
    case Property::colour:
        widget.set_colour(to_qcolor(label.colour()));
        break;
    case Property::visible:
        show_visibility(widget, label);
        break;
    default:
        break;
    }
}

void bind(PaintedLabel& widget, Label& label) {
    bind_label(widget, label);
}

void show_option(QAbstractButton& widget, const OptionButton& option) {
    if (widget.isChecked() != option.value()) {
        widget.setChecked(option.value());
    }
}

void bind(QAbstractButton& widget, OptionButton& option) {
    widget.setText(to_qstring(option.caption()));
    show_option(widget, option);
    option.observe([&widget, &option](Property) { show_option(widget, option); });
}

void bind(QWidget& window, Caption& caption) {
    const auto show = [&window, &caption] {
        const QString text = to_qstring(caption.text());
        if (window.windowTitle() != text) {
            window.setWindowTitle(text);
        }
    };
    show();
    caption.observe([show](Property) { show(); });
}

ComboBinding::ComboBinding(QComboBox& widget, ComboBox& list, bool offer_matches)
    : QObject(&widget)
    , widget_(widget)
    , list_(list) {
    widget_.setEditable(true);
    widget_.setInsertPolicy(QComboBox::NoInsert);
    widget_.setDuplicatesEnabled(true);
    // Qt's own completer matches without regard to case and completes inline,
    // which would turn a typed "ábel" into "Ábel".
    if (offer_matches) {
        auto* completer = new QCompleter(widget_.model(), &widget_);
        completer->setCaseSensitivity(Qt::CaseSensitive);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        completer->setFilterMode(Qt::MatchStartsWith);
        widget_.setCompleter(completer);
        completer->popup()->setFont(widget_.font());
        new PassThroughPopup(*completer);
    } else {
        widget_.setCompleter(nullptr);
    }

    show(Property::items);
    show(Property::enabled);
    list_.observe([this](Property property) { show(property); });

    connect(widget_.lineEdit(), &QLineEdit::textChanged, this, &ComboBinding::user_text);
    connect(&widget_, &QComboBox::activated, this, &ComboBinding::user_pick);
}

ComboBinding::~ComboBinding() {
    list_.observe({});
}

void ComboBinding::show(Property property) {
    const bool was_showing = showing_;
    showing_ = true;
    switch (property) {
    case Property::enabled:
        if (widget_.isEnabled() != list_.enabled()) {
            widget_.setEnabled(list_.enabled());
        }
        break;
    case Property::items:
        show_items();
        [[fallthrough]];
    case Property::list_index:
        if (widget_.currentIndex() != list_.list_index()) {
            widget_.setCurrentIndex(list_.list_index());
        }
        [[fallthrough]];
    default:
        // Changing the items or the chosen item makes Qt rewrite the text;
        // the list's own text is what shows.
        show_text();
        break;
    }
    showing_ = was_showing;
}

void ComboBinding::show_items() {
    const std::vector<std::string>& items = list_.items();
    const auto mismatch =
        std::mismatch(shown_items_.begin(), shown_items_.end(), items.begin(), items.end());
    const auto common = static_cast<int>(mismatch.first - shown_items_.begin());
    for (int i = widget_.count() - 1; i >= common; --i) {
        widget_.removeItem(i);
    }
    QStringList added;
    for (auto item = mismatch.second; item != items.end(); ++item) {
        added.append(to_qstring(*item));
    }
    widget_.addItems(added);
    // Only the changed tail: the lists are filled one item at a time, and
    // copying them whole on every item made start-up quadratic.
    shown_items_.erase(mismatch.first, shown_items_.end());
    shown_items_.insert(shown_items_.end(), mismatch.second, items.end());
}

void ComboBinding::show_text() {
    const QString text = to_qstring(list_.text());
    if (widget_.lineEdit()->text() != text) {
        widget_.lineEdit()->setText(text);
    }
}

void ComboBinding::user_text(const QString& text) {
    if (!showing_) {
        list_.set_text(text.toStdString());
    }
}

void ComboBinding::user_pick(int index) {
    if (!showing_) {
        list_.set_list_index(index);
        list_.set_text(widget_.itemText(index).toStdString());
    }
}

} // namespace halvora::qt
