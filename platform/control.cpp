#include "control.h"

#include <algorithm>

#include "backend.h"

namespace platform {

Control::Control(Kind kind, Control* parent) : kind_(kind), parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void Control::setBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed(Prop::Bounds);
}

void Control::setWidth(int width) { setBounds(left_, top_, width, height_); }

void Control::setHeight(int height) { setBounds(left_, top_, width_, height); }

void Control::setVisible(bool visible) {
    visible_ = visible;
    changed(Prop::Visible);
}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    changed(Prop::Enabled);
}

bool Control::reachable() const {
    for (const Control* control = this; control; control = control->parent())
        if (!control->visible() || !control->enabled()) return false;
    return true;
}

void Control::setText(const std::string& text) {
    text_ = text;
    changed(Prop::Text);
}

void Control::setFocus() { backend::focus(*this); }

void Control::changed(Prop what) { backend::changed(*this, what); }

}  // namespace platform
