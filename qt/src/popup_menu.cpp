#include <halvora/mainwindow/form1.h>
#include <halvora/qt/look.h>
#include <halvora/qt/popup_menu.h>
#include <halvora/qt/text.h>
#include <halvora/qt/widgets.h>

#include <QAction>
#include <QCursor>

#include <cstddef>

namespace halvora::qt {
namespace {

using platform::MenuItemId;

std::size_t slot(MenuItemId id) {
    return static_cast<std::size_t>(id);
}

} // namespace

PopupMenu::PopupMenu(QWidget& owner)
    : owner_(owner) {}

PopupMenu::~PopupMenu() {
    unbind();
}

void PopupMenu::bind(Form1& form, Runner run) {
    unbind();
    form_ = &form;
    run_ = std::move(run);

    menu_ = new LeftButtonMenu(&owner_);
    menu_->setObjectName(QStringLiteral("fomenu"));
    menu_->setFont(sans_font());
    menu_->setAccessibleName(QStringLiteral("Menü"));
    const auto add = [this](QMenu& menu, MenuItemId id) {
        QAction* action = menu.addAction(to_qstring(form_->menu_item(id).caption()));
        actions_[slot(id)] = action;
        connect(action, &QAction::triggered, this, [this, id] {
            if (form_ != nullptr) {
                Form1* bound = form_;
                run_([bound, id] { bound->menu_item_Click(id); });
            }
            // Qt flips a checkable item when it is chosen; the logic decides.
            show_checks();
        });
    };
    for (const MenuItemId id : {MenuItemId::cimsor, MenuItemId::mini, MenuItemId::teljes}) {
        add(*menu_, id);
        actions_[slot(id)]->setCheckable(true);
    }
    menu_->addSeparator();
    sugo_ = new LeftButtonMenu(to_qstring(Form1::sugo_caption), menu_);
    sugo_->setObjectName(QStringLiteral("sugo"));
    sugo_->setFont(sans_font());
    sugo_->setAccessibleName(sugo_->title());
    menu_->addMenu(sugo_);
    add(*sugo_, MenuItemId::tart);
    add(*sugo_, MenuItemId::targy);
    add(*sugo_, MenuItemId::keress);
    add(*menu_, MenuItemId::nevjegy);
    add(*menu_, MenuItemId::kilep);

    for (const MenuItemId id : platform::menu_items) {
        form_->menu_item(id).observe([this](Property) { show_checks(); });
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
    actions_.fill(nullptr);
    delete menu_.data();
}

void PopupMenu::show_checks() {
    if (form_ == nullptr) {
        return;
    }
    for (const MenuItemId id : platform::menu_items) {
        QAction* action = actions_[slot(id)];
        const bool checked = form_->menu_item(id).checked();
        if (action != nullptr && action->isChecked() != checked) {
            action->setCheckable(action->isCheckable() || checked);
            action->setChecked(checked);
        }
    }
}

void PopupMenu::open(MenuItemId default_item, platform::MenuAnchor anchor) {
    if (!menu_ || menu_->isVisible()) {
        return;
    }
    QAction* chosen_default = actions_[slot(default_item)];
    for (QMenu* menu : {static_cast<QMenu*>(menu_.data()), static_cast<QMenu*>(sugo_.data())}) {
        if (menu == nullptr) {
            continue;
        }
        menu->setDefaultAction(menu->actions().contains(chosen_default) ? chosen_default : nullptr);
        for (QAction* action : menu->actions()) {
            QFont font = action->font();
            font.setBold(action == chosen_default);
            action->setFont(font);
        }
    }
    menu_->exec(anchor == platform::MenuAnchor::pointer ? QCursor::pos() : focus_corner());
}

// Just below the control that has the focus, so the menu leaves it in sight;
// the client area's corner when no control shown has it.
QPoint PopupMenu::focus_corner() const {
    const QWidget* focus = owner_.focusWidget();
    if (focus != nullptr && focus != &owner_ && focus->isVisible()) {
        return focus->mapToGlobal(QPoint{0, focus->height()});
    }
    return owner_.mapToGlobal(QPoint{0, 0});
}

QMenu* PopupMenu::menu() const {
    return menu_.data();
}

QAction* PopupMenu::action(MenuItemId id) const {
    return actions_[slot(id)];
}

} // namespace halvora::qt
