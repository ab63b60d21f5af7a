#include "platform/win32/controls_win32.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/button.h"
#include "platform/combo_box.h"
#include "platform/dispatch.h"
#include "platform/edit.h"
#include "platform/label.h"
#include "platform/win32/form_window.h"
#include "platform/win32/grid_listview.h"
#include "platform/win32/handles.h"
#include "platform/win32/look.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/window_class.h"

namespace platform::win32 {

namespace {

// A drop-down list's field is as high as a text box; its list shows eight
// items of 13 pixels.
constexpr int comboFieldHeight = 21;
constexpr int comboItemHeight = 13;
constexpr int comboVisibleItems = 8;

struct WindowKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind windowKindOf(const Control& control, const Form& form) {
    switch (control.kind()) {
        case Kind::Button: {
            bool isDefault = form.defaultButton == &control;
            DWORD push = isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            return {"BUTTON", WS_TABSTOP | push, 0};
        }
        case Kind::Edit:
            return {"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case Kind::ComboBox: {
            bool pickOnly = static_cast<const ComboBox&>(control).style() == ComboStyle::PickOnly;
            DWORD style = pickOnly ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL;
            return {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | style, 0};
        }
        case Kind::GroupBox:
            return {"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
        case Kind::Label:
            return {"STATIC", SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0};
        default:
            return {"STATIC", 0, 0};
    }
}

std::string windowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), text.size())));
    return text;
}

bool isUnderlined(const Control& control) {
    return control.kind() == Kind::Label && static_cast<const Label&>(control).underline;
}

int textWidth(HWND window, const std::string& text) {
    HDC dc = GetDC(window);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size.cx;
}

int realWidth(const Control& control, HWND window) {
    if (control.kind() == Kind::Label && static_cast<const Label&>(control).autoSize)
        return textWidth(window, control.text());
    return scaled(control.width());
}

// A combo box's window height includes its dropped-down list.
int realHeight(const Control& control) {
    if (control.kind() == Kind::ComboBox)
        return scaled(comboFieldHeight + comboVisibleItems * comboItemHeight + 2);
    return scaled(control.height());
}

void place(Control& control, HWND window) {
    SetWindowPos(window, nullptr, scaled(control.left()), scaled(control.top()),
                 realWidth(control, window), realHeight(control), SWP_NOZORDER | SWP_NOACTIVATE);
}

void fillItems(ComboBox& box, HWND window) {
    SendMessageA(window, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : box.items())
        SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(box.itemIndex()), 0);
    if (box.style() == ComboStyle::Editable && box.itemIndex() < 0)
        SetWindowTextA(window, box.text().c_str());
}

// The field's height follows the item height of the field (index -1).
void fitComboField(HWND window) {
    SendMessageA(window, CB_SETITEMHEIGHT, 0, scaled(comboItemHeight));
    RECT outer;
    GetWindowRect(window, &outer);
    int field =
        static_cast<int>(SendMessageA(window, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    int missing = scaled(comboFieldHeight) - (outer.bottom - outer.top);
    if (missing != 0)
        SendMessageA(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field + missing);
}

void setMaxLength(Control& control, HWND window) {
    if (control.kind() == Kind::Edit)
        SendMessageA(window, EM_LIMITTEXT, static_cast<Edit&>(control).maxLength(), 0);
    else if (control.kind() == Kind::ComboBox)
        SendMessageA(window, CB_LIMITTEXT, static_cast<ComboBox&>(control).maxLength(), 0);
}

// Each typed character passes the text box's key filter; a key set to 0 is dropped.
LRESULT CALLBACK keyFilterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR) {
    if (message == WM_CHAR) {
        Control* control = controlAt(window);
        if (control && control->kind() == Kind::Edit) {
            char key = static_cast<char>(wParam);
            fire(static_cast<Edit*>(control)->onKeyPress, key);
            if (key == 0) return 0;
            wParam = static_cast<unsigned char>(key);
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, keyFilterProcedure, 0);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// The controls inside a group box are its children; what they tell their
// parent goes on to the form. The box is filled with the form's colour.
LRESULT CALLBACK groupBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            return SendMessageA(GetAncestor(window, GA_ROOT), message, wParam, lParam);
        case WM_ERASEBKGND: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetAncestor(window, GA_ROOT),
                                                               WM_CTLCOLORSTATIC, wParam,
                                                               reinterpret_cast<LPARAM>(window)));
            RECT client;
            GetClientRect(window, &client);
            FillRect(dc, &client, brush);
            return 1;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, groupBoxProcedure, 0);
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

HWND createControlWindow(Control& control, HWND parent, Form& form, int id) {
    WindowKind kind = windowKindOf(control, form);
    DWORD style = WS_CHILD | kind.style | (control.visible() ? WS_VISIBLE : 0) |
                  (control.enabled() ? 0 : WS_DISABLED);
    HWND window = CreateWindowExA(
        kind.exStyle, kind.className, control.text().c_str(), style, scaled(control.left()),
        scaled(control.top()), scaled(control.width()), realHeight(control), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance(), nullptr);
    if (!window) return nullptr;
    remember(window, control);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(form, isUnderlined(control))),
                 FALSE);
    switch (control.kind()) {
        case Kind::Edit:
            setMaxLength(control, window);
            SetWindowSubclass(window, keyFilterProcedure, 0, 0);
            break;
        case Kind::ComboBox:
            fitComboField(window);
            fillItems(static_cast<ComboBox&>(control), window);
            setMaxLength(control, window);
            break;
        case Kind::GroupBox:
            SetWindowSubclass(window, groupBoxProcedure, 0, 0);
            break;
        case Kind::Label:
            place(control, window);
            break;
        default:
            break;
    }
    return window;
}

void createTree(Control& parent, HWND parentWindow, Form& form, FormWindow& formWindow) {
    std::vector<Control*> ordered(parent.children());
    std::stable_sort(ordered.begin(), ordered.end(), [](const Control* a, const Control* b) {
        return a->tabOrder() < b->tabOrder();
    });
    for (Control* child : ordered) {
        int id = formWindow.nextControlId();
        HWND window =
            child->kind() == Kind::Grid
                ? createGridWindow(static_cast<StringGrid&>(*child), parentWindow, form, id)
                : createControlWindow(*child, parentWindow, form, id);
        if (window && child->kind() == Kind::GroupBox) createTree(*child, window, form, formWindow);
    }
}

}  // namespace

void createChildControls(Form& form, HWND formWindow, FormWindow& window) {
    Pushing pushing;
    createTree(form, formWindow, form, window);
}

void pushControl(Control& control, Prop what) {
    HWND window = windowOf(control);
    if (!window) return;
    if (what == Prop::Enabled) {
        EnableWindow(window, control.enabled());
        return;
    }
    if (control.kind() == Kind::Grid) {
        pushGrid(static_cast<StringGrid&>(control), what);
        return;
    }
    Pushing pushing;
    switch (what) {
        case Prop::Bounds:
            place(control, window);
            break;
        case Prop::Visible:
            ShowWindow(window, control.visible() ? SW_SHOW : SW_HIDE);
            break;

        case Prop::Text:
            if (control.kind() == Kind::ComboBox &&
                static_cast<ComboBox&>(control).style() == ComboStyle::PickOnly)
                break;
            SetWindowTextA(window, control.text().c_str());
            if (control.kind() == Kind::Label) place(control, window);
            break;
        case Prop::Items:
            fillItems(static_cast<ComboBox&>(control), window);
            break;
        case Prop::ItemIndex:
            SendMessageA(window, CB_SETCURSEL,
                         static_cast<WPARAM>(static_cast<ComboBox&>(control).itemIndex()), 0);
            break;
        case Prop::MaxLength:
            setMaxLength(control, window);
            break;
        default:
            break;
    }
}

void controlCommand(Control& control, WORD code) {
    HWND window = windowOf(control);
    switch (control.kind()) {
        case Kind::Button:
            if (code == BN_CLICKED && IsWindowVisible(window) && IsWindowEnabled(window))
                fire(static_cast<Button&>(control).onClick);
            break;
        case Kind::Label:
            if (code == STN_CLICKED && IsWindowVisible(window))
                fire(static_cast<Label&>(control).onClick);
            break;
        case Kind::Edit:
            if (code == EN_CHANGE) control.adoptText(windowText(window));
            break;
        case Kind::ComboBox: {
            auto& box = static_cast<ComboBox&>(control);
            if (code == CBN_SELCHANGE) {
                box.adoptItemIndex(static_cast<int>(SendMessageA(window, CB_GETCURSEL, 0, 0)));
            } else if (code == CBN_EDITCHANGE) {
                box.adoptItemIndex(-1);
                box.adoptText(windowText(window));
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace platform::win32
