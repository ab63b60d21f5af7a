#pragma once
// The standard controls that show buttons, text boxes, drop-down lists,
// labels and group boxes, and the events they raise.

#include "platform/control.h"
#include "platform/form.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

class FormWindow;

// Makes the windows of the form's controls, in tab order.
void createChildControls(Form& form, HWND formWindow, FormWindow& window);
void pushControl(Control& control, Prop what);
// A WM_COMMAND notification from the control's window.
void controlCommand(Control& control, WORD code);

}  // namespace platform::win32
