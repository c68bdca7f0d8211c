#include <halvora/mainwindow/form1.h>
#include <halvora/win32/popup_menu.h>
#include <halvora/win32/text.h>

namespace halvora::win32 {
namespace {

using platform::MenuItemId;

// Command numbers of the items; 0 is "nothing chosen".
UINT command_of(MenuItemId id) {
    return 1 + static_cast<UINT>(id);
}

void add(HMENU menu, MenuItemId id, const MenuItem& item) {
    AppendMenuW(menu, MF_STRING, command_of(id), widen(item.caption()).c_str());
}

} // namespace

PopupMenu::PopupMenu(HWND owner)
    : owner_(owner) {}

PopupMenu::~PopupMenu() {
    unbind();
}

void PopupMenu::bind(Form1& form, Runner run) {
    unbind();
    form_ = &form;
    run_ = std::move(run);
    menu_ = CreatePopupMenu();
    sugo_ = CreatePopupMenu();
    add(menu_, MenuItemId::cimsor, form.cimsor);
    add(menu_, MenuItemId::mini, form.mini);
    add(menu_, MenuItemId::teljes, form.teljes);
    AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
    add(sugo_, MenuItemId::tart, form.tart);
    add(sugo_, MenuItemId::targy, form.targy);
    add(sugo_, MenuItemId::keress, form.keress);
    // The submenu is the menu's from now on, and goes with it.
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(sugo_),
                widen(Form1::sugo_caption).c_str());
    add(menu_, MenuItemId::nevjegy, form.nevjegy);
    add(menu_, MenuItemId::kilep, form.kilep);
    for (const MenuItemId id : platform::menu_items) {
        form.menu_item(id).observe([this](Property) { show_checks(); });
    }
    show_checks();
}

void PopupMenu::unbind() {
    if (form_ != nullptr) {
        for (const MenuItemId id : platform::menu_items) {
            form_->menu_item(id).observe({});
        }
    }
    form_ = nullptr;
    if (menu_ != nullptr) {
        DestroyMenu(menu_);
    }
    menu_ = nullptr;
    sugo_ = nullptr;
}

void PopupMenu::show_checks() {
    if (form_ == nullptr) {
        return;
    }
    for (const MenuItemId id : platform::menu_items) {
        CheckMenuItem(menu_, command_of(id),
                      MF_BYCOMMAND | (form_->menu_item(id).checked() ? MF_CHECKED : MF_UNCHECKED));
    }
}

void PopupMenu::open(MenuItemId default_item, platform::MenuAnchor anchor) {
    if (menu_ == nullptr || open_) {
        return;
    }
    // Only an item of the menu itself can be its default; the others leave it without one.
    if (SetMenuDefaultItem(menu_, command_of(default_item), FALSE) == FALSE) {
        SetMenuDefaultItem(menu_, static_cast<UINT>(-1), FALSE);
    }
    POINT at{};
    if (anchor == platform::MenuAnchor::pointer) {
        GetCursorPos(&at);
    } else {
        at = focus_corner();
    }
    // The menu closes when the user clicks elsewhere only if its owner is in front.
    SetForegroundWindow(owner_);
    open_ = true;
    const auto chosen = static_cast<UINT>(
        TrackPopupMenuEx(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x,
                         at.y, owner_, nullptr));
    open_ = false;
    for (const MenuItemId id : platform::menu_items) {
        if (form_ != nullptr && chosen == command_of(id)) {
            Form1* bound = form_;
            run_([bound, id] { bound->menu_item_Click(id); });
            break;
        }
    }
}

// Just below the control that has the focus, so the menu leaves it in sight;
// the client area's corner when no control shown has it. A list's text field
// counts as its list.
POINT PopupMenu::focus_corner() const {
    HWND focus = GetFocus();
    if (focus != nullptr && GetParent(focus) != owner_ && GetParent(focus) != nullptr &&
        IsChild(owner_, GetParent(focus)) != FALSE) {
        focus = GetParent(focus);
    }
    if (focus != nullptr && focus != owner_ && IsChild(owner_, focus) != FALSE &&
        IsWindowVisible(focus) != FALSE) {
        RECT rect{};
        GetWindowRect(focus, &rect);
        return POINT{rect.left, rect.bottom};
    }
    POINT corner{0, 0};
    ClientToScreen(owner_, &corner);
    return corner;
}

} // namespace halvora::win32
