#include "dispatch.h"

#include <exception>

#include "application.h"

namespace platform {

void dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        application::showError(error.what());
    } catch (...) {
        application::showError("An unknown error occurred");
    }
}

}  // namespace platform
