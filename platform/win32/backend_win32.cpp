// The portable controls' changes, pushed to the real windows.
#include "platform/backend.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/win32/controls_win32.h"
#include "platform/win32/form_window.h"
#include "platform/win32/handles.h"
#include "platform/win32/look.h"

namespace platform::backend {

namespace {

win32::FormWindow* windowOfForm(const Form& form) {
    return win32::FormWindow::of(win32::windowOf(form));
}

}  // namespace

void created(Form& form) {
    if (!form.native) win32::FormWindow::create(form);
}

void changed(Control& control, Prop what) {
    if (control.kind() == Kind::Form) {
        if (win32::FormWindow* window = windowOfForm(static_cast<Form&>(control)))
            window->push(what);
        return;
    }
    win32::pushControl(control, what);
}

void focus(Control& control) {
    if (HWND window = win32::windowOf(control)) SetFocus(window);
}

void selectAll(Edit& edit) {
    if (HWND window = win32::windowOf(edit)) SendMessageA(window, EM_SETSEL, 0, -1);
}

void close(Form& form) {
    if (HWND window = win32::windowOf(form)) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    if (form.queryClose()) form.destroy();
}

void bringToFront(Form& form) {
    HWND window = win32::windowOf(form);
    if (!window) return;
    BringWindowToTop(window);
    SetForegroundWindow(window);
}

void repaintNow(Form& form) {
    if (HWND window = win32::windowOf(form))
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void outerSize(const Form& form, int& width, int& height) {
    if (win32::FormWindow* window = windowOfForm(form)) {
        window->outerSize(width, height);
        return;
    }
    RECT rect{0, 0, win32::scaled(form.width()), win32::scaled(form.height())};
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    DWORD exStyle = form.borderStyle == BorderStyle::ToolWindow ? WS_EX_TOOLWINDOW : 0;
    AdjustWindowRectEx(&rect, style, form.menu != nullptr, exStyle);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
}

void deleted(Form& form) {
    if (win32::FormWindow* window = windowOfForm(form)) window->abandon();
}

}  // namespace platform::backend
