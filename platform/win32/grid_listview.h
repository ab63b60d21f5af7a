#pragma once
// The text grid, shown by a report-style list view in virtual mode: the
// grid keeps the cells, the list view asks for the ones it draws.

#include "platform/form.h"
#include "platform/string_grid.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

HWND createGridWindow(StringGrid& grid, HWND parent, Form& form, int id);
void pushGrid(StringGrid& grid, Prop what);
// A WM_NOTIFY from the grid's list view.
LRESULT gridNotify(StringGrid& grid, NMHDR& header);

}  // namespace platform::win32
