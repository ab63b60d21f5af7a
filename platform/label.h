#pragma once
#include <functional>

#include "control.h"

namespace platform {

// A line of text on its parent's background.
class Label : public Control {
public:
    explicit Label(Control* parent) : Control(Kind::Label, parent) {}

    bool autoSize = true;  // as wide as its text
    bool underline = false;

    std::function<void()> onClick;
};

}  // namespace platform
