#include "edit.h"

namespace platform {

void Edit::setMaxLength(int length) {
    maxLength_ = length;
    changed(Prop::MaxLength);
}

}  // namespace platform
