#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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

// The arguments on this run's command line after the program's own name, as
// the system splits them, in UTF-8: a file named in any language stays whole.
std::vector<std::string> commandLineArgumentsUtf8();

// Claims the program's one run in the user's session under `name`: true for
// the first run, and for a later one once the first has ended; false while
// another run holds it.
bool claimSingleRun(const std::string& name);

enum class HandOverResult {
    Taken,     // the window took the data
    NotTaken,  // the window refused it, or did not answer within its time
    NoWindow   // no such window, not yet or no longer
};
// Hands data under a tag to the main window of the run that holds the
// claim, found by its window class and caption, giving it `answerMs` to
// answer, and lets it come to the front.
HandOverResult handToRunningRun(const std::string& className, const std::string& caption,
                                std::uintptr_t tag, const std::string& data, int answerMs);

}  // namespace application
}  // namespace platform
