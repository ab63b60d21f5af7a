#include "platform/win32/menus_win32.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <unordered_map>

#include "platform/dispatch.h"
#include "platform/win32/application_win32.h"
#include "platform/win32/menu_ids.h"

namespace platform::win32 {

namespace {

std::unordered_map<unsigned, MenuItem*>& commandItems() {
    static std::unordered_map<unsigned, MenuItem*> items;
    return items;
}

// Two items whose captions hash alike take the next free identifier.
unsigned claimCommand(unsigned wanted, MenuItem& item) {
    unsigned id = wanted;
    while (commandItems().count(id))
        id = firstCommandId + (id - firstCommandId + 1) % commandIdCount;
    commandItems()[id] = &item;
    return id;
}

UINT stateFlags(const MenuItem& item) {
    return (item.checked() ? MF_CHECKED : MF_UNCHECKED) | (item.enabled() ? MF_ENABLED : MF_GRAYED);
}

bool isSeparator(const MenuItem& item) { return item.caption() == "-"; }

void appendBarItems(HMENU menu, MenuItem& parent, std::vector<std::string>& path,
                    std::vector<unsigned>& commands) {
    for (MenuItem* item : parent.items()) {
        path.push_back(item->caption());
        item->native = menu;
        if (isSeparator(*item)) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item->items().empty()) {
            HMENU submenu = CreatePopupMenu();
            appendBarItems(submenu, *item, path, commands);
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu),
                        item->caption().c_str());
        } else {
            item->commandId = claimCommand(commandIdFor(path), *item);
            commands.push_back(item->commandId);
            AppendMenuA(menu, MF_STRING | stateFlags(*item), item->commandId,
                        item->caption().c_str());
        }
        path.pop_back();
    }
}

// A pop-up menu lives only while it is open: its items are numbered from 1.
void appendPopupItems(HMENU menu, MenuItem& parent, std::vector<MenuItem*>& byNumber) {
    for (MenuItem* item : parent.items()) {
        if (isSeparator(*item)) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item->items().empty()) {
            HMENU submenu = CreatePopupMenu();
            appendPopupItems(submenu, *item, byNumber);
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu),
                        item->caption().c_str());
        } else {
            byNumber.push_back(item);
            AppendMenuA(menu, MF_STRING | stateFlags(*item), byNumber.size(),
                        item->caption().c_str());
        }
    }
}

// The shortcut after a caption's tab: Ctrl and a letter or digit, or a
// function key; false for any other text.
bool shortcutOf(const std::string& caption, ACCEL& shortcut) {
    const std::size_t tab = caption.find('\t');
    if (tab == std::string::npos) return false;
    std::string keys = caption.substr(tab + 1);
    shortcut.fVirt = FVIRTKEY;
    const std::string ctrl = "Ctrl+";
    if (keys.rfind(ctrl, 0) == 0) {
        shortcut.fVirt |= FCONTROL;
        keys.erase(0, ctrl.size());
    }
    if (keys.size() == 1 && std::isalnum(static_cast<unsigned char>(keys[0]))) {
        shortcut.key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(keys[0])));
        return true;
    }
    if (keys.size() >= 2 && keys[0] == 'F' && std::isdigit(static_cast<unsigned char>(keys[1]))) {
        const int number = std::atoi(keys.c_str() + 1);
        if (number < 1 || number > 24) return false;
        shortcut.key = static_cast<WORD>(VK_F1 + number - 1);
        return true;
    }
    return false;
}

void collectShortcuts(const MenuItem& parent, std::vector<ACCEL>& shortcuts) {
    for (const MenuItem* item : parent.items()) {
        collectShortcuts(*item, shortcuts);
        ACCEL shortcut{};
        if (item->commandId && shortcutOf(item->caption(), shortcut)) {
            shortcut.cmd = static_cast<WORD>(item->commandId);
            shortcuts.push_back(shortcut);
        }
    }
}

}  // namespace

HACCEL buildShortcuts(const MenuItem& top) {
    std::vector<ACCEL> shortcuts;
    collectShortcuts(top, shortcuts);
    if (shortcuts.empty()) return nullptr;
    return CreateAcceleratorTableA(shortcuts.data(), static_cast<int>(shortcuts.size()));
}

HMENU buildMenuBar(MenuItem& top, std::vector<unsigned>& commands) {
    HMENU bar = CreateMenu();
    std::vector<std::string> path;
    appendBarItems(bar, top, path, commands);
    return bar;
}

MenuItem* menuItemOfCommand(unsigned commandId) {
    auto found = commandItems().find(commandId);
    return found == commandItems().end() ? nullptr : found->second;
}

void forgetCommands(const std::vector<unsigned>& commands) {
    for (unsigned id : commands) commandItems().erase(id);
}

}  // namespace platform::win32

namespace platform::backend {

void menuChanged(MenuItem& item) {
    if (!item.native || !item.commandId) return;
    ModifyMenuA(static_cast<HMENU>(item.native), item.commandId,
                MF_BYCOMMAND | MF_STRING | win32::stateFlags(item), item.commandId,
                item.caption().c_str());
}

// The owner is put in front first and sent a null message after, or the
// menu would not close when the user clicks elsewhere. The chosen item's
// command runs once the menu has closed.
void popupMenu(PopupMenu& menu, int screenX, int screenY) {
    HWND owner = win32::popupOwner();
    HMENU popup = CreatePopupMenu();
    std::vector<MenuItem*> byNumber;
    win32::appendPopupItems(popup, menu, byNumber);
    SetForegroundWindow(owner);
    UINT chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screenX,
                                 screenY, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
    DestroyMenu(popup);
    if (chosen >= 1 && chosen <= byNumber.size()) fire(byNumber[chosen - 1]->onClick);
}

}  // namespace platform::backend
