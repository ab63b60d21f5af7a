#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "color.h"
#include "control.h"

namespace platform {

class MenuItem;
class Button;
class Timer;

enum class BorderStyle { Single, ToolWindow };

// A top-level window. Its width and height are the client area's; left and
// top are the outer window's position on the screen. Sizes, and the places
// of the controls inside, are given at 96 dots per inch and drawn at the
// screen's DPI; the position on the screen and the outer size are the
// screen's own pixels.
class Form : public Control {
public:
    explicit Form(Form* owner = nullptr);
    ~Form();

    Form* owner() const { return owner_; }

    Color color = defaultColor;
    std::string fontName = "Tahoma";
    int fontPoints = 8;
    BorderStyle borderStyle = BorderStyle::Single;
    bool minimizeBox = true;
    // Closing a window other than the main one hides it, unless this is set:
    // then the window is destroyed.
    bool destroyedWhenClosed = false;
    bool centered = false;     // centred on the desktop when first shown
    MenuItem* menu = nullptr;  // the menu bar, if any
    Button* defaultButton = nullptr;
    Button* escapeButton = nullptr;   // pressed by Esc
    std::string iconResource;         // the window's icon, by resource name
    std::string className = "TForm";  // the real window's class, which other programs see

    // Builds the real window of the form and of every control inside it,
    // and starts the form's timers.
    void create();

    void setColor(Color c);
    void setClientSize(int width, int height) { setBounds(left(), top(), width, height); }
    void moveTo(int left, int top) { setBounds(left, top, width(), height()); }

    // The outer size: client area plus frame, caption and menu bar.
    int outerWidth() const;
    int outerHeight() const;

    void bringToFront();
    // Draws the window and its controls now, rather than when the message
    // loop next runs, so that a long step after it shows what came before.
    void repaintNow();
    // Asks the window to close, as the system's close command does.
    void close();
    // Runs the close query; true when the window may close.
    bool queryClose();
    // The window is closed and gone; runs onDestroy once.
    void destroy();
    bool destroyed() const { return destroyed_; }

    // A message the window receives, offered to the program before the
    // window's normal processing; returning true consumes it.
    std::function<bool(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)> onMessage;
    std::function<void()> onPaint;
    std::function<void(bool& canClose)> onCloseQuery;
    std::function<void()> onDestroy;
    // Data another program handed to the window under a tag; true when the
    // window takes it. The data is the system's copy, of whatever size the
    // sender chose: look at it before copying it.
    std::function<bool(std::uintptr_t tag, std::string_view data)> onHandOver;
    // Files dropped on the window from Explorer, when it takes them, by
    // their paths in UTF-8.
    bool acceptsDroppedFiles = false;
    std::function<void(const std::vector<std::string>& utf8Paths)> onFilesDropped;

    // For the backend: the real window was painted.
    void painted();

    const std::vector<Timer*>& timers() const { return timers_; }
    // For Timer: a timer declared with this form.
    void addTimer(Timer& timer) { timers_.push_back(&timer); }

private:
    Form* owner_;
    std::vector<Timer*> timers_;
    bool destroyed_ = false;
};

}  // namespace platform
