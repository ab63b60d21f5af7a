#pragma once
#include "control.h"

namespace platform {

class GroupBox : public Control {
public:
    explicit GroupBox(Control* parent) : Control(Kind::GroupBox, parent) {}
};

}  // namespace platform
