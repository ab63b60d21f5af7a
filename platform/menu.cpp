#include "menu.h"

#include <algorithm>

namespace platform {

MenuItem::MenuItem(MenuItem* parent, const std::string& caption)
    : parent_(parent), caption_(caption) {
    if (parent_) parent_->items_.push_back(this);
}

MenuItem::~MenuItem() {
    if (parent_) {
        auto& siblings = parent_->items_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void MenuItem::setChecked(bool checked) {
    checked_ = checked;
    backend::menuChanged(*this);
}

void MenuItem::setCaption(const std::string& caption) {
    caption_ = caption;
    backend::menuChanged(*this);
}

void MenuItem::setEnabled(bool enabled) {
    enabled_ = enabled;
    backend::menuChanged(*this);
}

void PopupMenu::popup(int screenX, int screenY) { backend::popupMenu(*this, screenX, screenY); }

}  // namespace platform
