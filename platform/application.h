#pragma once
#include <functional>
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

// Runs an action from the message loop, once the events before it are
// handled: never inside the handler that asks for it.
void later(std::function<void()> action);

// This run's command line, as the system gave it.
std::string commandLine();

// Claims the program's one run in the user's session under `name`: true for
// the first run, false while another run holds it.
bool claimSingleRun(const std::string& name);
// Hands a text to the main window of the run that holds the claim, found by
// its window class and caption, waiting up to `waitMs` for it to appear, and
// lets it come to the front; false when no such window answered.
bool handToRunningRun(const std::string& className, const std::string& caption,
                      const std::string& text, int waitMs);

}  // namespace application
}  // namespace platform
