#include "platform/win32/handles.h"

#include <unordered_map>

namespace platform::win32 {

namespace {

std::unordered_map<HWND, Control*>& controls() {
    static std::unordered_map<HWND, Control*> byWindow;
    return byWindow;
}

int pushDepth = 0;

}  // namespace

HWND windowOf(const Control& control) { return static_cast<HWND>(control.native); }

void remember(HWND window, Control& control) {
    controls()[window] = &control;
    control.native = window;
}

Control* controlAt(HWND window) {
    auto found = controls().find(window);
    return found == controls().end() ? nullptr : found->second;
}

void release(HWND window) {
    if (Control* control = controlAt(window)) control->native = nullptr;
    forget(window);
}

void forget(HWND window) { controls().erase(window); }

Form& formOf(Control& control) {
    Control* top = &control;
    while (top->parent()) top = top->parent();
    return static_cast<Form&>(*top);
}

Pushing::Pushing() { ++pushDepth; }
Pushing::~Pushing() { --pushDepth; }
bool pushing() { return pushDepth > 0; }

}  // namespace platform::win32
