#include "timer.h"

#include "form.h"

namespace platform {

Timer::Timer(Form& owner, int intervalMs) : owner_(owner), interval_(intervalMs) {
    owner.addTimer(*this);
}

}  // namespace platform
