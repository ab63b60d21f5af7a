// The Edit menu and the list's own search in the real list view: letters
// typed in the list, Ctrl+Z after a Delete, Ctrl+F and F3.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;
using e2e::Person;

// 400 people over the year, their first names in no order of their own.
std::vector<Person> fourHundredPeople() {
    const char* const names[] = {"Olga", "mads", "Bert", "Marta", "Anna", "Mark", "Lena", "maria"};
    std::vector<Person> people;
    for (int i = 0; i < 400; ++i) {
        const int month = 1 + i % 12, day = 1 + i % 28;
        char key[5];
        std::snprintf(key, sizeof key, "%02d%02d", month, day);
        people.push_back({key, names[(i * 5) % 8] + std::to_string(i),
                          "Surname" + std::to_string(i),
                          "p" + std::to_string(i) + "@mail" + std::to_string(i % 50) + ".example",
                          "", "", "", "Other", "The exact day", "Birtday"});
    }
    return people;
}

int selectedItem(const Festorin& festorin) {
    return static_cast<int>(
        SendMessageA(festorin.grid(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// Keys as the keyboard gives them, to the window in front: a shortcut needs
// Ctrl really held.
void pressCtrlAnd(Festorin& festorin, WORD key) {
    SetForegroundWindow(festorin.mainWindow());
    INPUT keys[4]{};
    for (INPUT& input : keys) input.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[3].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = keys[2].ki.wVk = key;
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
}

bool beginsWithMa(const std::string& name) {
    return name.size() >= 2 && std::tolower(static_cast<unsigned char>(name[0])) == 'm' &&
           std::tolower(static_cast<unsigned char>(name[1])) == 'a';
}

// Records in their order as text: people with the same birthday may come
// back in another order than they stood.
std::vector<std::string> recordsOf(const std::vector<Person>& people) {
    std::vector<std::string> records;
    for (const Person& person : people) records.push_back(e2e::contactRecord(person));
    std::sort(records.begin(), records.end());
    return records;
}

std::vector<std::string> sortedRecords(const std::string& bytes) {
    const std::size_t size = e2e::contactRecord(fourHundredPeople()[0]).size();
    std::vector<std::string> records;
    for (std::size_t at = 0; at + size <= bytes.size(); at += size)
        records.push_back(bytes.substr(at, size));
    std::sort(records.begin(), records.end());
    return records;
}

class EditMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        e2e::clearDataFolder();
        e2e::writeDataFile("dates.txt", e2e::contactRecords(fourHundredPeople()));
    }
};

// Typing "Ma" in the list selects the first "ma" in its sorted column; from
// there Ctrl+F finds the text of an address, and F3 the next one.
TEST_F(EditMenuTest, TypingMaInTheListThenCtrlFAndF3) {
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    const std::vector<std::string> firstNames = festorin.gridColumn(1);
    ASSERT_EQ(firstNames.size(), 400u);
    const auto expected = std::find_if(firstNames.begin() + 1, firstNames.end(), beginsWithMa);
    for (char c : std::string("Ma")) PostMessageA(festorin.grid(), WM_CHAR, c, 1);
    ASSERT_TRUE(festorin.settle());
    EXPECT_EQ(selectedItem(festorin), expected - firstNames.begin());
    EXPECT_TRUE(IsWindowVisible(festorin.control("Button", "Delete")));

    pressCtrlAnd(festorin, 'F');
    HWND findBox = nullptr;
    ASSERT_TRUE(e2e::waitUntil([&] {
        const std::vector<HWND> boxes = festorin.windowsOfClass("TFindBox");
        findBox = boxes.empty() ? nullptr : boxes[0];
        return findBox && IsWindowVisible(findBox);
    }));
    festorin.setText(festorin.control(findBox, "Edit"), "@MAIL17.");
    festorin.click(festorin.control(findBox, "Button", "Find Next"));
    ASSERT_TRUE(festorin.settle());
    const int first = selectedItem(festorin);
    EXPECT_NE(festorin.gridCell(first, 3).find("@mail17."), std::string::npos);

    festorin.pressKey(festorin.grid(), VK_F3);
    ASSERT_TRUE(festorin.settle());
    const int next = selectedItem(festorin);
    EXPECT_NE(next, first);
    EXPECT_NE(festorin.gridCell(next, 3).find("@mail17."), std::string::npos);
    EXPECT_TRUE(festorin.openBoxes().empty());
}

TEST_F(EditMenuTest, CtrlZAfterDeleteBringsThePersonBackIntoTheContactFile) {
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    const std::vector<std::string> records = recordsOf(festorin.gridPeople());
    festorin.selectGridItem(7);
    const std::string name = festorin.gridCell(7, 1);
    festorin.click(festorin.control("Button", "Delete"));
    ASSERT_EQ(festorin.gridRows(), 399);
    pressCtrlAnd(festorin, 'Z');
    ASSERT_TRUE(e2e::waitUntil([&] { return festorin.gridRows() == 400; }));
    ASSERT_TRUE(festorin.settle());
    EXPECT_EQ(festorin.gridCell(selectedItem(festorin), 1), name);
    EXPECT_EQ(sortedRecords(festorin.dataFile("dates.txt")), records);

    // The README's picture of the Edit menu, after another Delete, is taken
    // while Alt+E holds the menu open, when asked.
    festorin.click(festorin.control("Button", "Delete"));
    HWND focus = festorin.focus();
    PostMessageA(focus ? focus : festorin.mainWindow(), WM_SYSCHAR, 'e', 0x20000001);
    HWND menu = festorin.openMenu();
    ASSERT_TRUE(menu);
    e2e::holdForPicture("FESTORIN_EDIT_MENU_PICTURE");
    festorin.pressKey(menu, VK_ESCAPE);
    festorin.pressKey(menu, VK_ESCAPE);
    ASSERT_TRUE(festorin.settle());
}

}  // namespace
