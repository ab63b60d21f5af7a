#pragma once
// The real window of a form: its class, frame and size, and the messages
// that reach the form's handlers and its controls' events.

#include <map>
#include <vector>

#include "platform/control.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

class FormWindow {
public:
    static void create(Form& form);
    // Only windows of forms give an object.
    static FormWindow* of(HWND window);

    void attach(HWND window);
    void detach();
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void push(Prop what);
    void outerSize(int& width, int& height) const;
    int nextControlId() { return nextControlId_++; }
    // The form object is going away before its window.
    void abandon();
    // Offers a key message to the shortcuts of the form's menu bar; true when
    // it was one of them.
    bool translateShortcut(MSG& message);

private:
    explicit FormWindow(Form& form) : form_(form) {}

    LRESULT onPaint();
    LRESULT onEraseBackground(HDC dc);
    void onClose();
    void onDestroy();
    LRESULT onQueryEndSession();
    void onEndSession(bool ending);
    void onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onNotify(NMHDR& header);
    void onTimer(UINT_PTR id);
    LRESULT onControlColor(UINT message, HDC dc, HWND control);
    void onActivate(WPARAM wParam);
    void onNextControl(WPARAM wParam, LPARAM lParam);
    LRESULT onGetDefaultId();
    void onPositionChanged(const WINDOWPOS& position);
    LRESULT onCopyData(const COPYDATASTRUCT& copy);
    void onDropFiles(HDROP drop);

    bool isMain() const;
    void fitClientArea();
    void setIcons();
    void show();
    void centreOnDesktop();
    void startTimers();
    void releaseChildren();

    Form& form_;
    HWND hwnd_ = nullptr;
    bool created_ = false;
    bool shownOnce_ = false;
    HWND focusToRestore_ = nullptr;
    int nextControlId_ = 10;
    std::map<UINT_PTR, Timer*> timers_;
    UINT_PTR nextTimerId_ = 1;
    std::vector<unsigned> menuCommands_;
    HACCEL shortcuts_ = nullptr;
};

}  // namespace platform::win32
