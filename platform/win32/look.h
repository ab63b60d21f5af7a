#pragma once
// The fonts and background brushes the windows are drawn with.

#include "platform/color.h"
#include "platform/form.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

// A length of the layout, which is given at 96 dots per inch, at the
// screen's DPI (read once): 1.5 times as long at 144 DPI, the same at 96.
int scaled(int length);

// The form's font, plain or underlined; every control of the form uses it.
HFONT fontFor(const Form& form, bool underline = false);
// A solid brush of the colour; the system's button face for defaultColor.
HBRUSH brushFor(Color color);
COLORREF colorRefOf(Color color);

}  // namespace platform::win32
