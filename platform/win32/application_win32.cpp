#include "platform/win32/application_win32.h"

#include <deque>

#include "platform/application.h"
#include "platform/backend.h"
#include "platform/dispatch.h"
#include "platform/win32/form_window.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"

namespace platform::win32 {

namespace {

Form* theMainForm = nullptr;

// The application window's own message: run the actions asked for later.
constexpr UINT runLaterMessage = WM_APP + 1;

std::deque<std::function<void()>>& laterActions() {
    static std::deque<std::function<void()>> actions;
    return actions;
}

void runLaterActions() {
    while (!laterActions().empty()) {
        std::function<void()> action = std::move(laterActions().front());
        laterActions().pop_front();
        dispatch(action);
    }
}

// The application window only carries the title and owns the forms; a
// close request to it is a close request to the main form.
class ApplicationWindow {
public:
    void attach(HWND hwnd) { window = hwnd; }
    void detach() { window = nullptr; }
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CLOSE && theMainForm) {
            backend::close(*theMainForm);
            return 0;
        }
        if (message == runLaterMessage) {
            runLaterActions();
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    HWND window = nullptr;
};

ApplicationWindow& applicationObject() {
    static ApplicationWindow object;
    return object;
}

HWND mainFormWindow() { return theMainForm ? windowOf(*theMainForm) : nullptr; }

bool isIconic(HWND window) { return window && IsIconic(window); }

// A text box keeps its own editing keys (Ctrl+Z undoes its typing); any
// other key of a menu item's shortcut runs that item.
bool textBoxEditingKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || !(GetKeyState(VK_CONTROL) & 0x8000)) return false;
    char className[16] = "";
    GetClassNameA(message.hwnd, className, sizeof className);
    if (lstrcmpiA(className, "Edit") != 0) return false;
    return message.wParam == 'Z' || message.wParam == 'X' || message.wParam == 'C' ||
           message.wParam == 'V' || message.wParam == 'A';
}

bool shortcutKey(MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    if (textBoxEditingKey(message)) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    FormWindow* form = root ? FormWindow::of(root) : nullptr;
    return form && form->translateShortcut(message);
}

// Keys for a form go through the dialog manager first, for Tab, Enter and
// the default button.
bool dialogKey(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return root && FormWindow::of(root) && IsDialogMessageA(root, &message);
}

}  // namespace

HWND applicationWindow() {
    ApplicationWindow& object = applicationObject();
    if (!object.window) {
        const char* className = "TApplication";
        registerWindowClass(className, windowProcedure<ApplicationWindow>);
        object.window =
            CreateWindowExA(0, className, application::title().c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                            0, nullptr, nullptr, instance(), &object);
    }
    return object.window;
}

Form* mainForm() { return theMainForm; }

void formCreated(Form& form) {
    if (!theMainForm && !form.owner()) theMainForm = &form;
}

void formGone(Form& form) {
    if (theMainForm == &form) theMainForm = nullptr;
}

HWND popupOwner() {
    HWND main = mainFormWindow();
    return main ? main : applicationWindow();
}

HWND boxOwner() {
    HWND main = mainFormWindow();
    return main && IsWindowVisible(main) ? main : applicationWindow();
}

}  // namespace platform::win32

namespace platform::application {

void setExStyle(unsigned style) {
    SetWindowLongA(win32::applicationWindow(), GWL_EXSTYLE, static_cast<LONG>(style));
}

unsigned exStyle() {
    return static_cast<unsigned>(GetWindowLongA(win32::applicationWindow(), GWL_EXSTYLE));
}

bool minimized() {
    return win32::isIconic(win32::applicationWindow()) || win32::isIconic(win32::mainFormWindow());
}

void restore() {
    for (HWND window : {win32::applicationWindow(), win32::mainFormWindow()})
        if (win32::isIconic(window)) ShowWindow(window, SW_RESTORE);
}

void run(Form& mainForm) {
    win32::theMainForm = &mainForm;
    if (mainForm.destroyed()) return;
    if (!mainForm.native) backend::created(mainForm);
    mainForm.show();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (win32::shortcutKey(message)) continue;
        if (win32::dialogKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace platform::application

namespace platform::application {

void later(std::function<void()> action) {
    win32::laterActions().push_back(std::move(action));
    PostMessageA(win32::applicationWindow(), win32::runLaterMessage, 0, 0);
}

std::vector<std::string> commandLineArgumentsUtf8() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8Arguments;
    if (!arguments) return utf8Arguments;
    for (int i = 1; i < count; ++i) utf8Arguments.push_back(win32::utf8FromWide(arguments[i]));
    LocalFree(arguments);
    return utf8Arguments;
}

// The mutex stays open for the whole run: the system lets it go when the
// process ends, however it ends.
bool claimSingleRun(const std::string& name) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    const DWORD error = GetLastError();
    if (mutex && error != ERROR_ALREADY_EXISTS) return true;
    if (mutex) CloseHandle(mutex);
    return false;
}

HandOverResult handToRunningRun(const std::string& className, const std::string& caption,
                                std::uintptr_t tag, const std::string& data, int answerMs) {
    HWND window = FindWindowA(className.c_str(), caption.c_str());
    if (!window) return HandOverResult::NoWindow;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    AllowSetForegroundWindow(processId);
    COPYDATASTRUCT copy{};
    copy.dwData = tag;
    copy.cbData = static_cast<DWORD>(data.size());
    copy.lpData = const_cast<char*>(data.data());
    DWORD_PTR taken = FALSE;
    if (SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy),
                            SMTO_ABORTIFHUNG, static_cast<UINT>(answerMs), &taken))
        return taken ? HandOverResult::Taken : HandOverResult::NotTaken;
    return IsWindow(window) ? HandOverResult::NotTaken : HandOverResult::NoWindow;
}

}  // namespace platform::application
