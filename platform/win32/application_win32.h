#pragma once
// The application's own hidden window and its main form.

#include "platform/form.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

// The invisible top-level window that owns every form; made on first use.
HWND applicationWindow();

// The form given to application::run; before that, the first form made
// without an owner.
Form* mainForm();
void formCreated(Form& form);
void formGone(Form& form);

// The window that owns pop-up menus: the main form's, else the application's.
HWND popupOwner();
// The window that owns message boxes: the main form's while it is shown.
HWND boxOwner();

}  // namespace platform::win32
