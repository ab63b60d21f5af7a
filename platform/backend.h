#pragma once
// The seam between the portable controls and the windows that show them.
// Exactly one implementation is linked: platform/win32 or platform/headless.
#include "control.h"

namespace platform {

class Edit;
class Form;

namespace backend {

// Builds the real window of a form and of every control inside it, and
// starts the form's timers.
void created(Form& form);
// Pushes one changed property of a control to its real window.
void changed(Control& control, Prop what);
// Moves the keyboard focus to a control.
void focus(Control& control);
// Selects the whole text of a text box.
void selectAll(Edit& edit);
// Asks a form to close, as the system's close command does.
void close(Form& form);
// Shows a form in front of the other windows.
void bringToFront(Form& form);
// Draws a form's window and its controls at once.
void repaintNow(Form& form);
// The form's outer size for its client size, border, caption and menu.
void outerSize(const Form& form, int& width, int& height);
// The form object is going away: its real window, if still there, goes too.
void deleted(Form& form);

}  // namespace backend
}  // namespace platform
