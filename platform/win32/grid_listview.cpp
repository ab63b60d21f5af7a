#include "platform/win32/grid_listview.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/dispatch.h"
#include "platform/win32/handles.h"
#include "platform/win32/look.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/window_class.h"

namespace platform::win32 {

namespace {

// What the list view already shows, so that only changes are sent to it.
struct GridView {
    StringGrid& grid;
    std::vector<std::string> headers;
    std::vector<int> widths;
};

LRESULT CALLBACK gridProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR reference);

GridView* viewOf(HWND window) {
    DWORD_PTR reference = 0;
    if (!GetWindowSubclass(window, gridProcedure, 0, &reference)) return nullptr;
    return reinterpret_cast<GridView*>(reference);
}

bool isHeaderNotification(UINT code, UINT ansi, UINT wide) { return code == ansi || code == wide; }

// The fixed column 0 keeps the width the program gives it: the user can
// neither drag nor double-click its divider.
LRESULT headerNotify(HWND window, GridView& view, NMHDR& header, WPARAM wParam, LPARAM lParam) {
    auto& item = reinterpret_cast<NMHEADERA&>(header);
    if (item.iItem == 0) {
        if (isHeaderNotification(header.code, HDN_BEGINTRACKA, HDN_BEGINTRACKW)) return TRUE;
        if (isHeaderNotification(header.code, HDN_DIVIDERDBLCLICKA, HDN_DIVIDERDBLCLICKW)) return 0;
        if (isHeaderNotification(header.code, HDN_ITEMCHANGINGA, HDN_ITEMCHANGINGW) && item.pitem &&
            (item.pitem->mask & HDI_WIDTH) && item.pitem->cxy != scaled(view.grid.colWidth(0)))
            return TRUE;
    }
    return DefSubclassProc(window, WM_NOTIFY, wParam, lParam);
}

LRESULT CALLBACK gridProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR reference) {
    auto* view = reinterpret_cast<GridView*>(reference);
    if (message == WM_NOTIFY) {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.hwndFrom == ListView_GetHeader(window) && controlAt(window))
            return headerNotify(window, *view, header, wParam, lParam);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, gridProcedure, 0);
        delete view;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void setColumnText(HWND window, int col, const std::string& text) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<char*>(text.c_str());
    SendMessageA(window, LVM_SETCOLUMNA, col, reinterpret_cast<LPARAM>(&column));
}

void syncHeaders(HWND window, GridView& view) {
    for (int col = 0; col < view.grid.colCount(); ++col) {
        const std::string& text = view.grid.cell(col, 0);
        if (view.headers[col] == text) continue;
        view.headers[col] = text;
        setColumnText(window, col, text);
    }
}

void syncWidths(HWND window, GridView& view) {
    for (int col = 0; col < view.grid.colCount(); ++col) {
        int width = view.grid.colWidth(col);
        if (view.widths[col] == width) continue;
        view.widths[col] = width;
        SendMessageA(window, LVM_SETCOLUMNWIDTH, col, MAKELPARAM(scaled(width), 0));
    }
}

void syncColor(HWND window, const StringGrid& grid) {
    COLORREF color = grid.color == defaultColor ? CLR_DEFAULT : colorRefOf(grid.color);
    SendMessageA(window, LVM_SETBKCOLOR, 0, color);
    SendMessageA(window, LVM_SETTEXTBKCOLOR, 0, color);
    InvalidateRect(window, nullptr, TRUE);
}

int focusedItem(HWND window) {
    return static_cast<int>(
        SendMessageA(window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

void setItemState(HWND window, int item, UINT state, UINT mask) {
    LVITEMA change{};
    change.state = state;
    change.stateMask = mask;
    SendMessageA(window, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(&change));
}

// The selected row is the list view's focused and only selected item; with
// none, no item has the focus either, so that a click on any item is a choice.
void selectRow(HWND window, const StringGrid& grid) {
    const UINT both = LVIS_FOCUSED | LVIS_SELECTED;
    setItemState(window, -1, 0, LVIS_SELECTED);
    if (grid.row() >= 1)
        setItemState(window, grid.row() - 1, both, both);
    else if (const int focused = focusedItem(window); focused >= 0)
        setItemState(window, focused, 0, LVIS_FOCUSED);
}

void syncRowCount(HWND window, GridView& view) {
    // Setting the count costs the list view a pass over its items even when
    // it stays the same, as after a sort or an edit of a row.
    const LRESULT items = view.grid.rowCount() - 1;
    if (SendMessageA(window, LVM_GETITEMCOUNT, 0, 0) != items)
        SendMessageA(window, LVM_SETITEMCOUNT, static_cast<WPARAM>(items), LVSICF_NOSCROLL);
    syncHeaders(window, view);
    InvalidateRect(window, nullptr, FALSE);
    if (focusedItem(window) != view.grid.row() - 1) selectRow(window, view.grid);
}

void addColumns(HWND window, GridView& view) {
    for (int col = 0; col < view.grid.colCount(); ++col) {
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.fmt = LVCFMT_LEFT;
        view.widths[col] = view.grid.colWidth(col);
        column.cx = scaled(view.widths[col]);
        view.headers[col] = view.grid.cell(col, 0);
        column.pszText = const_cast<char*>(view.headers[col].c_str());
        SendMessageA(window, LVM_INSERTCOLUMNA, col, reinterpret_cast<LPARAM>(&column));
    }
}

// Rows are as high as the grid's default row height: a list view's rows are
// at least as high as its small images.
void setRowHeight(HWND window, const StringGrid& grid) {
    HIMAGELIST rows = ImageList_Create(1, scaled(grid.defaultRowHeight()) - 1, ILC_COLOR, 1, 0);
    SendMessageA(window, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rows));
}

void copyCell(const std::string& text, char* buffer, int capacity) {
    if (!buffer || capacity <= 0) return;
    std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

void copyCell(const std::string& text, wchar_t* buffer, int capacity) {
    if (!buffer || capacity <= 0) return;
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), buffer,
                                     capacity - 1);
    if (length == 0 && !text.empty()) {
        std::vector<wchar_t> whole(text.size());
        int full = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                       whole.data(), static_cast<int>(whole.size()));
        length = std::min(full, capacity - 1);
        std::copy(whole.begin(), whole.begin() + length, buffer);
    }
    buffer[length] = L'\0';
}

const std::string& cellOf(const StringGrid& grid, int item, int col) {
    static const std::string none;
    int row = item + 1;
    if (row < 1 || row >= grid.rowCount() || col < 0 || col >= grid.colCount()) return none;
    return grid.cell(col, row);
}

// The user moved the focus to another row: the grid hears of it first and
// may refuse it.
void userSelected(HWND window, StringGrid& grid, int row) {
    bool canSelect = true;
    fire(grid.onSelectCell, 1, row, canSelect);
    if (canSelect) {
        grid.adoptRow(row);
    } else {
        Pushing pushing;
        selectRow(window, grid);
    }
}

// The list view's own search as the user types: the program finds the row,
// and the list view selects and shows it as a click would.
LRESULT findItem(StringGrid& grid, int start, UINT flags, std::string text) {
    if (!(flags & (LVFI_STRING | LVFI_PARTIAL))) return -1;
    RowSearch search;
    search.text = std::move(text);
    search.fromRow = start >= 0 && start + 1 < grid.rowCount() ? start + 1 : 1;
    search.partial = (flags & LVFI_PARTIAL) != 0;
    search.wrap = (flags & LVFI_WRAP) != 0;
    fire(grid.onFindRow, search);
    return search.foundRow >= 1 ? search.foundRow - 1 : -1;
}

std::string ansiOf(const wchar_t* text) {
    if (!text) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(static_cast<std::size_t>(size - 1));
    return ansi;
}

}  // namespace

HWND createGridWindow(StringGrid& grid, HWND parent, Form& form, int id) {
    DWORD style = WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS |
                  (grid.visible() ? WS_VISIBLE : 0);
    HWND window =
        CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, scaled(grid.left()),
                        scaled(grid.top()), scaled(grid.width()), scaled(grid.height()), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance(), nullptr);
    if (!window) return nullptr;
    auto* view = new GridView{grid, std::vector<std::string>(grid.colCount()),
                              std::vector<int>(grid.colCount())};
    SetWindowSubclass(window, gridProcedure, 0, reinterpret_cast<DWORD_PTR>(view));
    remember(window, grid);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(form)), FALSE);
    SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    setRowHeight(window, grid);
    addColumns(window, *view);
    syncColor(window, grid);
    syncRowCount(window, *view);
    selectRow(window, grid);
    return window;
}

void pushGrid(StringGrid& grid, Prop what) {
    HWND window = windowOf(grid);
    GridView* view = viewOf(window);
    if (!view) return;
    Pushing pushing;
    switch (what) {
        case Prop::Bounds:
            SetWindowPos(window, nullptr, scaled(grid.left()), scaled(grid.top()),
                         scaled(grid.width()), scaled(grid.height()),
                         SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case Prop::Visible:
            ShowWindow(window, grid.visible() ? SW_SHOW : SW_HIDE);
            break;
        case Prop::Color:
            syncColor(window, grid);
            break;
        case Prop::Cells:
            syncHeaders(window, *view);
            InvalidateRect(window, nullptr, FALSE);
            break;
        case Prop::RowCount:
            syncRowCount(window, *view);
            break;
        case Prop::Row:
            selectRow(window, grid);
            if (grid.row() >= 1)
                SendMessageA(window, LVM_ENSUREVISIBLE, static_cast<WPARAM>(grid.row() - 1), FALSE);
            break;
        case Prop::ColWidth:
            syncWidths(window, *view);
            break;
        default:
            break;
    }
}

LRESULT gridNotify(StringGrid& grid, NMHDR& header) {
    switch (header.code) {
        case LVN_GETDISPINFOA: {
            LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
            if (item.mask & LVIF_TEXT)
                copyCell(cellOf(grid, item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
            return 0;
        }
        case LVN_GETDISPINFOW: {
            LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
            if (item.mask & LVIF_TEXT)
                copyCell(cellOf(grid, item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
            return 0;
        }
        case LVN_ODFINDITEMA: {
            auto& find = reinterpret_cast<NMLVFINDITEMA&>(header);
            return findItem(grid, find.iStart, find.lvfi.flags,
                            find.lvfi.psz ? std::string(find.lvfi.psz) : std::string());
        }
        case LVN_ODFINDITEMW: {
            auto& find = reinterpret_cast<NMLVFINDITEMW&>(header);
            return findItem(grid, find.iStart, find.lvfi.flags, ansiOf(find.lvfi.psz));
        }
        case LVN_ITEMCHANGED: {
            // A range marked with Shift comes as LVN_ODSTATECHANGED, which
            // changes no focus: the current row follows the focused item.
            auto& change = reinterpret_cast<NMLISTVIEW&>(header);
            bool gainedFocus = (change.uChanged & LVIF_STATE) &&
                               (change.uNewState & LVIS_FOCUSED) &&
                               !(change.uOldState & LVIS_FOCUSED);
            if (!pushing() && change.iItem >= 0 && gainedFocus)
                userSelected(header.hwndFrom, grid, change.iItem + 1);
            return 0;
        }
        default:
            return 0;
    }
}

}  // namespace platform::win32
