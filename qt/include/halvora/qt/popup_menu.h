// The window's popup menu fomenu, built once from the logic's menu items; it
// follows their check marks and runs their handlers.
#pragma once

#include <halvora/platform/platform.h>

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace halvora {
class Form1;
} // namespace halvora

namespace halvora::qt {

class LeftButtonMenu;

class PopupMenu final : public QObject, public platform::PopupMenu {
    Q_OBJECT
public:
    // Every handler runs through `run`, which guards it.
    using Runner = std::function<void(const std::function<void()>&)>;

    // The menu opens over `owner`, the main window.
    explicit PopupMenu(QWidget& owner);
    ~PopupMenu() override;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    void bind(Form1& form, Runner run);
    void unbind();

    // Opens and returns when the menu has closed and the chosen item's
    // handler has run.
    void open(platform::MenuItemId default_item, platform::MenuAnchor anchor) override;

    [[nodiscard]] QMenu* menu() const;
    [[nodiscard]] QAction* action(platform::MenuItemId item) const;

private:
    void show_checks();
    [[nodiscard]] QPoint focus_corner() const;

    QWidget& owner_;
    QPointer<LeftButtonMenu> menu_;
    QPointer<LeftButtonMenu> sugo_;
    std::array<QAction*, 8> actions_{};
    Form1* form_ = nullptr;
    Runner run_;
};

} // namespace halvora::qt
