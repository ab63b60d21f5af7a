#pragma once
#include <functional>

namespace platform {

class Form;

// A timer of a form; it runs from its form's creation to its destruction.
class Timer {
public:
    Timer(Form& owner, int intervalMs) : owner_(owner), interval_(intervalMs) {}
    Form& owner() const { return owner_; }
    int interval() const { return interval_; }
    bool enabled = true;
    std::function<void()> onTimer;

    void* native = nullptr;

private:
    Form& owner_;
    int interval_;
};

namespace backend {
void timerCreated(Timer& timer);
}

}  // namespace platform
