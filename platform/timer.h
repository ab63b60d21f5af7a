#pragma once
#include <functional>

namespace platform {

class Form;

// A timer of a form, declared with it; it runs from the form's creation to
// its destruction.
class Timer {
public:
    Timer(Form& owner, int intervalMs);
    Form& owner() const { return owner_; }
    int interval() const { return interval_; }
    bool enabled = true;
    std::function<void()> onTimer;

    void* native = nullptr;

private:
    Form& owner_;
    int interval_;
};

}  // namespace platform
