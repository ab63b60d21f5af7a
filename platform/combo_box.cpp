#include "combo_box.h"

namespace platform {

void ComboBox::addItem(const std::string& item) {
    items_.push_back(item);
    changed(Prop::Items);
}

void ComboBox::setItemIndex(int index) {
    adoptItemIndex(index);
    changed(Prop::ItemIndex);
}

void ComboBox::adoptItemIndex(int index) {
    itemIndex_ = index;
    if (index >= 0 && index < itemCount()) adoptText(items_[index]);
}

void ComboBox::setMaxLength(int length) {
    maxLength_ = length;
    changed(Prop::MaxLength);
}

}  // namespace platform
