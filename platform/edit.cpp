#include "edit.h"

#include "backend.h"

namespace platform {

void Edit::selectAll() { backend::selectAll(*this); }

void Edit::setMaxLength(int length) {
    maxLength_ = length;
    changed(Prop::MaxLength);
}

}  // namespace platform
