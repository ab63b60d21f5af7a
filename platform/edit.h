#pragma once
#include <functional>

#include "control.h"

namespace platform {

// A one-line text box.
class Edit : public Control {
public:
    explicit Edit(Control* parent) : Control(Kind::Edit, parent) {}

    // Most characters the box takes, typed or pasted; 0 means no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);

    // Selects the whole text, so that typing replaces it.
    void selectAll();

    // Each typed character, before the box takes it; setting it to 0 drops it.
    std::function<void(char& key)> onKeyPress;

private:
    int maxLength_ = 0;
};

}  // namespace platform
