#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// An item of a menu bar or pop-up menu; an item with children is a submenu.
class MenuItem {
public:
    explicit MenuItem(MenuItem* parent, const std::string& caption = "");
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    ~MenuItem();

    MenuItem* parent() const { return parent_; }
    const std::vector<MenuItem*>& items() const { return items_; }
    const std::string& caption() const { return caption_; }
    // A caption may end in a tab and the item's shortcut, as "&Undo\tCtrl+Z";
    // the shortcut works while the item's window is active. The item keeps
    // the command of its first caption.
    void setCaption(const std::string& caption);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    bool checked() const { return checked_; }
    void setChecked(bool checked);

    std::function<void()> onClick;

    // Identifier of the item in the real menu, given by the backend.
    unsigned commandId = 0;
    void* native = nullptr;

private:
    MenuItem* parent_;
    std::vector<MenuItem*> items_;
    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
};

// A menu that opens at a point of the screen; its items are its children.
class PopupMenu : public MenuItem {
public:
    PopupMenu() : MenuItem(nullptr) {}
    // The owner window receives the chosen item's command.
    void popup(int screenX, int screenY);
};

namespace backend {
void menuChanged(MenuItem& item);
void popupMenu(PopupMenu& menu, int screenX, int screenY);
}  // namespace backend

}  // namespace platform
