#include "platform/dispatch.h"
#include "platform/headless/headless.h"

namespace platform::headless {

namespace {

std::string limited(const std::string& text, int maxLength) {
    if (maxLength > 0 && static_cast<int>(text.size()) > maxLength)
        return text.substr(0, maxLength);
    return text;
}

void typeOne(Edit& edit, char typed) {
    char key = typed;
    fire(edit.onKeyPress, key);
    if (key == 0) return;
    std::string text = edit.text();
    if (key == '\b') {
        if (!text.empty()) text.pop_back();
    } else if (edit.maxLength() == 0 || static_cast<int>(text.size()) < edit.maxLength()) {
        text += key;
    }
    edit.adoptText(text);
}

}  // namespace

void type(Edit& edit, const std::string& characters) {
    if (wholeTextSelected(edit) && !characters.empty()) {
        edit.adoptText("");
        selectNothing();
    }
    for (char c : characters) typeOne(edit, c);
}

void paste(Edit& edit, const std::string& text) {
    edit.adoptText(limited(edit.text() + text, edit.maxLength()));
}

void pick(ComboBox& box, int index) { box.adoptItemIndex(index); }

void typeInto(ComboBox& box, const std::string& text) {
    box.adoptItemIndex(-1);
    box.adoptText(limited(text, box.maxLength()));
}

void click(Button& button) {
    if (button.reachable()) fire(button.onClick);
}

void click(MenuItem& item) {
    if (item.enabled()) fire(item.onClick);
}

void click(Label& label) {
    if (label.reachable()) fire(label.onClick);
}

void selectRow(StringGrid& grid, int row) {
    bool canSelect = true;
    fire(grid.onSelectCell, 1, row, canSelect);
    if (canSelect) grid.adoptRow(row);
}

void typeInGrid(StringGrid& grid, const std::string& letters) {
    RowSearch search;
    search.text = letters;
    search.fromRow = letters.size() > 1 ? grid.row() : grid.row() + 1;
    if (search.fromRow < 1 || search.fromRow >= grid.rowCount()) search.fromRow = 1;
    fire(grid.onFindRow, search);
    if (search.foundRow >= 1) selectRow(grid, search.foundRow);
}

void pressEnter(Form& form) {
    if (form.defaultButton) click(*form.defaultButton);
}

void pressEscape(Form& form) {
    if (form.escapeButton) click(*form.escapeButton);
}

void tick(Timer& timer) {
    if (timer.enabled) fire(timer.onTimer);
}

void paint(Form& form) {
    if (form.visible()) form.painted();
}

bool sendMessage(Form& form, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    bool consumed = false;
    if (form.onMessage) dispatch([&] { consumed = form.onMessage(message, wParam, lParam); });
    return consumed;
}

}  // namespace platform::headless
