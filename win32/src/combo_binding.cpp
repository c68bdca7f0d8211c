#include <halvora/win32/combo_binding.h>
#include <halvora/win32/contained.h>
#include <halvora/win32/text.h>

#include <algorithm>
#include <cstddef>

namespace halvora::win32 {
namespace {

std::wstring item_text(HWND widget, int index) {
    const auto length = SendMessageW(widget, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(widget, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

// How many items at their start the lists share. The list tells each change
// on its own: one item more than shown, with the last shown one in its place,
// is one added at the end. Comparing the whole lists at every item of a fill
// would take its square.
std::size_t shared_start(const std::vector<std::string>& shown,
                         const std::vector<std::string>& items) {
    if (items.size() == shown.size() + 1 &&
        (shown.empty() || shown.back() == items[shown.size() - 1])) {
        return shown.size();
    }
    return static_cast<std::size_t>(
        std::mismatch(shown.begin(), shown.end(), items.begin(), items.end()).first -
        shown.begin());
}

} // namespace

ComboBinding::ComboBinding(HWND widget, ComboBox& list, Leaving leaving)
    : widget_(widget)
    , list_(list)
    , leaving_(std::move(leaving)) {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (GetComboBoxInfo(widget_, &parts) != FALSE) {
        edit_ = parts.hwndItem;
        SetWindowSubclass(edit_, watch_edit, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    for (const Property property :
         {Property::items, Property::list_index, Property::text, Property::enabled}) {
        show(property);
    }
    list_.observe([this](Property property) { show(property); });
}

ComboBinding::~ComboBinding() {
    list_.observe({});
    if (edit_ != nullptr) {
        RemoveWindowSubclass(edit_, watch_edit, 1);
    }
}

LRESULT CALLBACK ComboBinding::watch_edit(HWND edit, UINT message, WPARAM wparam, LPARAM lparam,
                                          UINT_PTR /*id*/, DWORD_PTR self) {
    auto& binding = *reinterpret_cast<ComboBinding*>(self);
    if (message == WM_KILLFOCUS && binding.leaving_) {
        run_contained("list validation",
                      [&binding, wparam] { binding.leaving_(reinterpret_cast<HWND>(wparam)); });
    }
    return DefSubclassProc(edit, message, wparam, lparam);
}

bool ComboBinding::dropped_down() const {
    return SendMessageW(widget_, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

std::string ComboBinding::shown_text() const {
    return narrow(window_text(widget_));
}

void ComboBinding::notified(int code) {
    if (showing_) {
        return;
    }
    switch (code) {
    case CBN_SELCHANGE: {
        // The text field shows the picked item only after this notification.
        const auto index = static_cast<int>(SendMessageW(widget_, CB_GETCURSEL, 0, 0));
        list_.set_list_index(index);
        if (index >= 0) {
            list_.set_text(narrow(item_text(widget_, index)));
        }
        break;
    }
    case CBN_EDITCHANGE:
    case CBN_CLOSEUP:
    case CBN_SELENDOK:
    case CBN_SELENDCANCEL:
        take_users_text();
        break;
    default:
        break;
    }
}

void ComboBinding::take_users_text() {
    list_.set_text(shown_text());
}

void ComboBinding::show(Property property) {
    showing_ = true;
    switch (property) {
    case Property::items:
        show_items();
        break;
    case Property::list_index:
        show_chosen();
        break;
    case Property::text:
        show_text();
        break;
    case Property::enabled:
        EnableWindow(widget_, list_.enabled() ? TRUE : FALSE);
        break;
    default:
        break;
    }
    showing_ = false;
}

// Only what differs is sent: the items the lists share at their start stay.
// Items added at the end change neither the chosen item nor the text, so
// only a removal has them shown again: the lists are filled item by item,
// and reading the text back each time would cost the start-up dearly.
void ComboBinding::show_items() {
    const std::vector<std::string>& items = list_.items();
    const std::size_t shared = shared_start(shown_items_, items);
    const bool removed = shared < shown_items_.size();
    for (std::size_t i = shown_items_.size(); i > shared; --i) {
        SendMessageW(widget_, CB_DELETESTRING, i - 1, 0);
    }
    shown_items_.resize(shared);
    for (std::size_t i = shared; i < items.size(); ++i) {
        SendMessageW(widget_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(items[i]).c_str()));
        shown_items_.push_back(items[i]);
    }
    if (removed) {
        show_chosen();
    }
}

// Choosing an item writes it into the text field (no item empties it): the
// logic's text is put back.
void ComboBinding::show_chosen() {
    const auto index = static_cast<int>(SendMessageW(widget_, CB_GETCURSEL, 0, 0));
    if (index != list_.list_index()) {
        SendMessageW(widget_, CB_SETCURSEL, static_cast<WPARAM>(list_.list_index()), 0);
    }
    show_text();
}

void ComboBinding::show_text() {
    if (shown_text() != list_.text()) {
        SetWindowTextW(widget_, widen(list_.text()).c_str());
    }
}

} // namespace halvora::win32
