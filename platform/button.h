#pragma once
#include <functional>

#include "control.h"

namespace platform {

class Button : public Control {
public:
    explicit Button(Control* parent) : Control(Kind::Button, parent) {}
    std::function<void()> onClick;
};

}  // namespace platform
