// Festorin's entry point on Windows: the main window, then the message loop.

#include "app/form1.h"
#include "platform/application.h"
#include "platform/win32/win32_api.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    platform::application::setTitle("Festorin");
    auto form = createMainForm();
    platform::application::run(*form);
    return 0;
}
