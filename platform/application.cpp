#include "application.h"

#include "message_box.h"

namespace platform::application {

namespace {
std::string& storedTitle() {
    static std::string title;
    return title;
}
}  // namespace

void setTitle(const std::string& title) { storedTitle() = title; }

const std::string& title() { return storedTitle(); }

void showError(const std::string& message) {
    messageBox(message, title(), MbIcon::Error, MbButtons::Ok);
}

}  // namespace platform::application
