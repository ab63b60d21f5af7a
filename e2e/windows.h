#pragma once
// Windows of another process, as the tests see them: texts, classes, places,
// and a wait that tells what the screen shows when it runs out.
#include <string>
#include <vector>

#include "platform/win32/win32_api.h"

namespace e2e {

// Asked of the window itself: GetWindowText gives another process's text
// boxes only their initial text.
std::string windowText(HWND window);
std::string classOf(HWND window);

// The top-level windows of a process, of a window class ("TForm3",
// "#32770"), or of every class for "".
std::vector<HWND> topLevelWindows(DWORD processId, const std::string& className);
// The first control inside `parent` of a class and, if given, with a text.
HWND childWindow(HWND parent, const std::string& className, const std::string& text = "");
// Every control of a class inside `parent`, in tab order.
std::vector<HWND> childWindows(HWND parent, const std::string& className);
// The texts of a window's labels, in order; empty ones left out.
std::vector<std::string> labelTexts(HWND window);
// Whether a window is visible with nothing left to paint: its paint handler
// has run since it was shown. Posted messages come before a paint, so an
// action posted to a window not yet painted overtakes its first paint.
bool shownAndPainted(HWND window);

// A UTF-8 text for the wide calls, which take a name in any language.
std::wstring wideFromUtf8(const std::string& utf8);

// Starts a program of this prefix, or a Unix one, by its command line in
// UTF-8, which may name files in any language; throws when it cannot be
// started.
PROCESS_INFORMATION startProcess(const std::string& utf8CommandLine);

// Where a window stands on the screen and how large it is, outside and inside
// its frame.
struct Placement {
    int left, top, width, height;
    int clientWidth, clientHeight;
};
Placement placementOf(HWND window);

// When the environment variable names a handshake file, the README's picture
// is taken now: writes "<handshake>.ready" and waits, a minute at most, for
// "<handshake>.done".
void holdForPicture(const char* variable);

// Prints what every running Festorin shows and the data files' sizes, so
// that a wait that ran out names its cause.
void reportWaitRanOut();

// Waits until `condition` holds, checking every few milliseconds; when the
// time runs out it reports the screen and returns false.
template <typename Condition>
bool waitUntil(Condition condition, int timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) {
            reportWaitRanOut();
            return false;
        }
        Sleep(20);
    }
    return true;
}

}  // namespace e2e
