#pragma once
#include <string>
#include <vector>

#include "control.h"

namespace platform {

enum class ComboStyle { PickOnly, Editable };

// A drop-down list. Its text is the selected item's, or for an editable box
// whatever the user typed.
class ComboBox : public Control {
public:
    ComboBox(Control* parent, ComboStyle style) : Control(Kind::ComboBox, parent), style_(style) {}

    ComboStyle style() const { return style_; }

    void addItem(const std::string& item);
    int itemCount() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const { return items_[index]; }
    const std::vector<std::string>& items() const { return items_; }

    // -1 when nothing is selected.
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);

    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);

    // For the backend: the user picked an item in the real list.
    void adoptItemIndex(int index);

private:
    ComboStyle style_;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int maxLength_ = 0;
};

}  // namespace platform
