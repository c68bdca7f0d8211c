#include <halvora/win32/bindings.h>
#include <halvora/win32/text.h>

namespace halvora::win32 {
namespace {

// A label that shows paints once for all that changed in one handler: a
// static control would paint at once for its new text (wine's does) and once
// more for the colour changed beside it, as the running title's are on every
// tick. Its text is set without painting, and the label is left to paint
// when the handler is done.
void set_text(HWND widget, const std::wstring& text) {
    if (IsWindowVisible(widget) == FALSE) { // the window itself is not shown yet
        SetWindowTextW(widget, text.c_str());
        return;
    }
    SendMessageW(widget, WM_SETREDRAW, FALSE, 0);
    SetWindowTextW(widget, text.c_str());
    SendMessageW(widget, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(widget, nullptr, TRUE);
}

} // namespace

// A label out of sight is told nothing until it shows: the running title
// changes on every tick, mostly where nobody sees it.
void show_label(HWND widget, const Label& label, Property property, bool in_view) {
    const bool shown = label.visible() && in_view;
    switch (property) {
    case Property::text:
        if (shown) {
            set_text(widget, widen(label.text()));
        }
        break;
    case Property::colour:
        // The colour is the window's answer when the label asks for it.
        if (shown) {
            InvalidateRect(widget, nullptr, TRUE);
        }
        break;
    case Property::visible:
        if (shown) {
            SetWindowTextW(widget, widen(label.text()).c_str());
        }
        ShowWindow(widget, shown ? SW_SHOWNA : SW_HIDE);
        break;
    default:
        break;
    }
}

void bind(HWND widget, Label& label, std::function<bool()> in_view) {
    // Shown, a label gets its text along with its visibility, and a paint for its colour.
    for (const Property property : {Property::colour, Property::visible}) {
        show_label(widget, label, property, in_view());
    }
    label.observe([widget, &label, in_view = std::move(in_view)](Property property) {
        show_label(widget, label, property, in_view());
    });
}

void bind(HWND widget, OptionButton& option) {
    SetWindowTextW(widget, widen(option.caption()).c_str());
    // Turned off, an option button leaves the Tab order, as one of a group
    // would; each of ours stands alone, and the keyboard must still reach it.
    const auto show = [widget, &option] {
        SendMessageW(widget, BM_SETCHECK, option.value() ? BST_CHECKED : BST_UNCHECKED, 0);
        SetWindowLongPtrW(widget, GWL_STYLE, GetWindowLongPtrW(widget, GWL_STYLE) | WS_TABSTOP);
    };
    show();
    option.observe([show](Property) { show(); });
}

void bind(HWND window, Caption& caption) {
    const auto show = [window, &caption] { SetWindowTextW(window, widen(caption.text()).c_str()); };
    show();
    caption.observe([show](Property) { show(); });
}

} // namespace halvora::win32
