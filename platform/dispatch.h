#pragma once
// Every event reaches its handler through here: an error that escapes the
// handler is shown in the application's standard error box, and the program
// goes on with the next event.
#include <functional>

namespace platform {

void dispatch(const std::function<void()>& handler);

// Fires an event if a handler is attached.
template <typename Event, typename... Args>
void fire(const Event& event, Args&&... args) {
    if (event) dispatch([&] { event(args...); });
}

}  // namespace platform
