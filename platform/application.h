#pragma once
#include <string>

namespace platform {

class Form;

// The application as a whole: its title, its own hidden window (which owns
// every form and is what the taskbar would show), and its message loop.
namespace application {

void setTitle(const std::string& title);
const std::string& title();

// The standard error box: the title as caption, an error icon, one OK button.
void showError(const std::string& message);

// Replaces the application window's whole extended style.
void setExStyle(unsigned style);
unsigned exStyle();

bool minimized();
// Restores the application window if it is minimised.
void restore();

// Shows the main form and dispatches events until it has closed.
void run(Form& mainForm);

}  // namespace application
}  // namespace platform
