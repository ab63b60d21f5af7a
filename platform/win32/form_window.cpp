#include "platform/win32/form_window.h"

#include <set>

#include "platform/button.h"
#include "platform/dispatch.h"
#include "platform/menu.h"
#include "platform/win32/application_win32.h"
#include "platform/win32/controls_win32.h"
#include "platform/win32/grid_listview.h"
#include "platform/win32/handles.h"
#include "platform/win32/look.h"
#include "platform/win32/menus_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"

namespace platform::win32 {

namespace {

std::set<HWND>& formWindows() {
    static std::set<HWND> windows;
    return windows;
}

struct Frame {
    DWORD style, exStyle;
};

// A single border is fixed: no sizing frame and no maximise box.
Frame frameOf(const Form& form) {
    if (form.borderStyle == BorderStyle::ToolWindow)
        return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW};
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (form.minimizeBox) style |= WS_MINIMIZEBOX;
    return {style, 0};
}

SIZE outerSizeFor(const Form& form) {
    Frame frame = frameOf(form);
    RECT rect{0, 0, scaled(form.width()), scaled(form.height())};
    AdjustWindowRectEx(&rect, frame.style, form.menu != nullptr, frame.exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

HWND ownerWindowOf(const Form& form) {
    HWND owner = form.owner() ? windowOf(*form.owner()) : nullptr;
    return owner ? owner : applicationWindow();
}

BOOL CALLBACK forgetChild(HWND child, LPARAM) {
    forget(child);
    return TRUE;
}

BOOL CALLBACK releaseChild(HWND child, LPARAM) {
    release(child);
    return TRUE;
}

bool selectsAllOnEntry(HWND control) {
    return SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL;
}

}  // namespace

void FormWindow::create(Form& form) {
    auto* window = new FormWindow(form);
    Frame frame = frameOf(form);
    HMENU bar = form.menu ? buildMenuBar(*form.menu, window->menuCommands_) : nullptr;
    SIZE outer = outerSizeFor(form);
    registerWindowClass(form.className, windowProcedure<FormWindow>);
    HWND hwnd = CreateWindowExA(frame.exStyle, form.className.c_str(), form.text().c_str(),
                                frame.style, form.left(), form.top(), outer.cx, outer.cy,
                                ownerWindowOf(form), bar, instance(), window);
    if (!hwnd) {
        forgetCommands(window->menuCommands_);
        if (bar) DestroyMenu(bar);
        delete window;
        return;
    }
    window->created_ = true;
    if (form.menu) window->shortcuts_ = buildShortcuts(*form.menu);
    formCreated(form);
    window->fitClientArea();
    window->setIcons();
    if (form.acceptsDroppedFiles) DragAcceptFiles(hwnd, TRUE);
    createChildControls(form, hwnd, *window);
    window->startTimers();
    if (form.visible()) window->show();
}

FormWindow* FormWindow::of(HWND window) {
    if (!window || !formWindows().count(window)) return nullptr;
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void FormWindow::attach(HWND window) {
    hwnd_ = window;
    form_.native = window;
    formWindows().insert(window);
}

void FormWindow::detach() {
    formWindows().erase(hwnd_);
    forgetCommands(menuCommands_);
    if (shortcuts_) DestroyAcceleratorTable(shortcuts_);
    shortcuts_ = nullptr;
    form_.native = nullptr;
    hwnd_ = nullptr;
    if (created_) delete this;
}

void FormWindow::abandon() {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    EnumChildWindows(hwnd_, forgetChild, 0);
    HWND window = hwnd_;
    formGone(form_);
    detach();
    DestroyWindow(window);
}

bool FormWindow::translateShortcut(MSG& message) {
    return shortcuts_ && TranslateAcceleratorA(hwnd_, shortcuts_, &message);
}

// Every message is offered to the form's own message handler first.
LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    bool consumed = false;
    if (form_.onMessage) dispatch([&] { consumed = form_.onMessage(message, wParam, lParam); });
    if (consumed) return 0;
    switch (message) {
        case WM_PAINT:
            return onPaint();
        case WM_ERASEBKGND:
            return onEraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_CLOSE:
            onClose();
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case WM_NOTIFY:
            return onNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_TIMER:
            onTimer(wParam);
            return 0;
        case WM_CTLCOLORSTATIC:
            return onControlColor(message, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam));
        case WM_ACTIVATE:
            onActivate(wParam);
            return 0;
        case WM_NEXTDLGCTL:
            onNextControl(wParam, lParam);
            return 0;
        case DM_GETDEFID:
            return onGetDefaultId();
        case WM_QUERYENDSESSION:
            return onQueryEndSession();
        case WM_ENDSESSION:
            onEndSession(wParam != 0);
            return 0;
        case WM_WINDOWPOSCHANGED:
            onPositionChanged(*reinterpret_cast<WINDOWPOS*>(lParam));
            break;
        case WM_COPYDATA:
            return onCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_DROPFILES:
            onDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT FormWindow::onPaint() {
    PAINTSTRUCT paint;
    BeginPaint(hwnd_, &paint);
    EndPaint(hwnd_, &paint);
    form_.painted();
    return 0;
}

LRESULT FormWindow::onEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, brushFor(form_.color));
    return 1;
}

// The main form's close ends the program; any other form is only hidden,
// unless it goes when closed.
void FormWindow::onClose() {
    if (!form_.queryClose()) return;
    if (isMain() || form_.destroyedWhenClosed) {
        DestroyWindow(hwnd_);
    } else {
        form_.adoptVisible(false);
        ShowWindow(hwnd_, SW_HIDE);
    }
}

void FormWindow::onDestroy() {
    bool wasMain = isMain();
    form_.destroy();
    releaseChildren();
    formGone(form_);
    if (wasMain) PostQuitMessage(0);
}

// Logging off closes the main form as its close box does.
LRESULT FormWindow::onQueryEndSession() { return isMain() ? form_.queryClose() : TRUE; }

void FormWindow::onEndSession(bool ending) {
    if (ending && isMain()) DestroyWindow(hwnd_);
}

void FormWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    // A menu item's command comes with 0, its shortcut's with 1.
    if (lParam == 0) {
        if (HIWORD(wParam) > 1) return;
        // The dialog manager's answer to Esc.
        if (LOWORD(wParam) == IDCANCEL && form_.escapeButton)
            return fire(form_.escapeButton->onClick);
        if (MenuItem* item = menuItemOfCommand(LOWORD(wParam))) fire(item->onClick);
        return;
    }
    if (pushing()) return;
    if (Control* control = controlAt(reinterpret_cast<HWND>(lParam)))
        controlCommand(*control, HIWORD(wParam));
}

LRESULT FormWindow::onNotify(NMHDR& header) {
    Control* control = controlAt(header.hwndFrom);
    if (!control || control->kind() != Kind::Grid) return 0;
    return gridNotify(static_cast<StringGrid&>(*control), header);
}

void FormWindow::onTimer(UINT_PTR id) {
    auto found = timers_.find(id);
    if (found == timers_.end()) return;
    Timer& timer = *found->second;
    if (timer.enabled) fire(timer.onTimer);
}

// Labels and group boxes are drawn on the form's own colour.
LRESULT FormWindow::onControlColor(UINT message, HDC dc, HWND controlWindow) {
    Control* control = controlAt(controlWindow);
    if (!control || (control->kind() != Kind::Label && control->kind() != Kind::GroupBox))
        return DefWindowProcA(hwnd_, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(controlWindow));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, colorRefOf(form_.color));
    return reinterpret_cast<LRESULT>(brushFor(form_.color));
}

// A window that is not a dialog forgets its focused control when it is
// deactivated; it is given back on activation, or the first one in tab order.
void FormWindow::onActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) focusToRestore_ = focus;
        return;
    }
    if (HIWORD(wParam)) return;
    HWND target = focusToRestore_;
    if (!target || !IsWindow(target) || !IsChild(hwnd_, target) || !IsWindowVisible(target))
        target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    SetFocus(target ? target : hwnd_);
}

// The dialog manager asks for the next control on Tab and Shift+Tab.
void FormWindow::onNextControl(WPARAM wParam, LPARAM lParam) {
    HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                               : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
    if (!next) return;
    SetFocus(next);
    if (selectsAllOnEntry(next)) SendMessageA(next, EM_SETSEL, 0, -1);
}

// Enter presses the default button while it can be seen.
LRESULT FormWindow::onGetDefaultId() {
    HWND button = form_.defaultButton ? windowOf(*form_.defaultButton) : nullptr;
    if (!button || !IsWindowVisible(button) || !IsWindowEnabled(button)) return 0;
    return MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID);
}

void FormWindow::onPositionChanged(const WINDOWPOS& position) {
    if (!(position.flags & SWP_NOMOVE) && !IsIconic(hwnd_))
        form_.adoptPosition(position.x, position.y);
}

LRESULT FormWindow::onCopyData(const COPYDATASTRUCT& copy) {
    const std::string_view data =
        copy.lpData ? std::string_view(static_cast<const char*>(copy.lpData), copy.cbData)
                    : std::string_view();
    bool taken = false;
    if (form_.onHandOver) dispatch([&] { taken = form_.onHandOver(copy.dwData, data); });
    return taken;
}

// The wide names, so that a file named in any language arrives whole.
void FormWindow::onDropFiles(HDROP drop) {
    std::vector<std::string> utf8Paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        utf8Paths.push_back(win32::utf8FromWide(path));
    }
    DragFinish(drop);
    fire(form_.onFilesDropped, utf8Paths);
}

bool FormWindow::isMain() const { return mainForm() == &form_; }

// The menu bar's real height can differ from what AdjustWindowRectEx
// assumes; the client area is what has to be exact.
void FormWindow::fitClientArea() {
    RECT client, outer;
    GetClientRect(hwnd_, &client);
    GetWindowRect(hwnd_, &outer);
    int missingWidth = scaled(form_.width()) - client.right;
    int missingHeight = scaled(form_.height()) - client.bottom;
    if (missingWidth == 0 && missingHeight == 0) return;
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left + missingWidth,
                 outer.bottom - outer.top + missingHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::setIcons() {
    if (form_.iconResource.empty()) return;
    const char* name = form_.iconResource.c_str();
    HANDLE big = LoadImageA(instance(), name, IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                            GetSystemMetrics(SM_CYICON), LR_SHARED);
    HANDLE small = LoadImageA(instance(), name, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                              GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void FormWindow::show() {
    if (!shownOnce_) {
        shownOnce_ = true;
        if (form_.centered) centreOnDesktop();
    }
    ShowWindow(hwnd_, SW_SHOW);
}

void FormWindow::centreOnDesktop() {
    int width = 0, height = 0;
    outerSize(width, height);
    int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::releaseChildren() { EnumChildWindows(hwnd_, releaseChild, 0); }

void FormWindow::push(Prop what) {
    switch (what) {
        case Prop::Bounds: {
            int width = 0, height = 0;
            outerSize(width, height);
            SetWindowPos(hwnd_, nullptr, form_.left(), form_.top(), width, height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case Prop::Visible:
            if (form_.visible())
                show();
            else
                ShowWindow(hwnd_, SW_HIDE);
            break;
        case Prop::Text:
            SetWindowTextA(hwnd_, form_.text().c_str());
            break;
        case Prop::Color:
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
            break;
        default:
            break;
    }
}

// The frame as the window really has it, so that the client area stays exact.
void FormWindow::outerSize(int& width, int& height) const {
    RECT client, outer;
    if (IsIconic(hwnd_) || !GetClientRect(hwnd_, &client) || !GetWindowRect(hwnd_, &outer)) {
        SIZE size = outerSizeFor(form_);
        width = size.cx;
        height = size.cy;
        return;
    }
    width = scaled(form_.width()) + (outer.right - outer.left) - client.right;
    height = scaled(form_.height()) + (outer.bottom - outer.top) - client.bottom;
}

void FormWindow::startTimers() {
    for (Timer* timer : form_.timers()) {
        UINT_PTR id = nextTimerId_++;
        timers_[id] = timer;
        timer->native = reinterpret_cast<void*>(id);
        SetTimer(hwnd_, id, static_cast<UINT>(timer->interval()), nullptr);
    }
}

}  // namespace platform::win32
