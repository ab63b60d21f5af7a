// The entry panel's real controls: text boxes with their key filter, the
// drop-down lists, and Enter pressing Ok.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace {

// Tab goes through the visible controls in their tab order, into the panel
// and out of it again, passing over the hidden buttons; Enter then presses Ok.
TEST(EntryPanelTest, TabWalksTheVisibleControlsAndAddingAPersonWithEnterWritesTheContactFile) {
    e2e::clearDataFolder();
    e2e::Festorin festorin;
    ASSERT_TRUE(festorin.started());
    festorin.click(festorin.control("Button", "Add"));
    HWND ok = festorin.control("Button", "Ok");
    ASSERT_TRUE(IsWindowVisible(ok));
    EXPECT_FALSE(IsWindowVisible(festorin.control("Button", "Add")));

    std::vector<HWND> edits = festorin.controls("Edit");
    std::vector<HWND> lists = festorin.controls("ComboBox");
    ASSERT_GE(edits.size(), 6u);
    ASSERT_EQ(lists.size(), 4u);

    std::vector<HWND> order(edits.begin(), edits.begin() + 6);
    order.insert(order.end(), lists.begin(), lists.end());
    order.push_back(ok);
    order.push_back(festorin.control("Button", "Cancel"));
    order.push_back(festorin.grid());
    order.push_back(edits[0]);
    // The editable list hands its focus to the text box inside it.
    auto holds = [&](HWND control) {
        HWND focus = festorin.focus();
        return focus == control || (focus && GetParent(focus) == control);
    };
    festorin.sendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edits[0]), TRUE);
    ASSERT_TRUE(holds(edits[0]));
    for (std::size_t step = 1; step < order.size(); ++step) {
        festorin.pressKey(festorin.focus(), VK_TAB);
        ASSERT_TRUE(festorin.settle());
        EXPECT_TRUE(holds(order[step]))
            << "step " << step << ": focus on " << e2e::classOf(festorin.focus()) << " "
            << e2e::windowText(festorin.focus());
    }

    festorin.setText(edits[0], "Dora");
    festorin.setText(edits[1], "Maar");
    festorin.type(edits[5],
                  "x07"
                  "9");
    EXPECT_EQ(e2e::windowText(edits[5]), "07");
    festorin.pick(lists[0], 2);
    festorin.pick(lists[1], 1);
    festorin.pick(lists[2], 2);
    festorin.typeInto(lists[3], " Party ");

    const e2e::Person dora{"0307",     "Dora",         "Maar",          "",       "", "",
                           "March,07", "Call phone 1", "2 days before", " Party "};
    festorin.pressKey(edits[1], VK_RETURN);
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecord(dora));
    EXPECT_FALSE(IsWindowVisible(ok));
    ASSERT_EQ(festorin.gridRows(), 1);
    EXPECT_EQ(festorin.gridPeople(), std::vector<e2e::Person>{dora});
    EXPECT_TRUE(IsWindowVisible(festorin.control("Button", "Modify")));
}

// The keyboard goes where the user looks: into the first name when the
// panel opens, and back to the grid when it closes.
TEST(EntryPanelTest, TheKeyboardGoesToTheFirstNameAndBackToTheGrid) {
    e2e::clearDataFolder();
    e2e::writeDataFile("dates.txt", e2e::contactRecords({e2e::enteredPerson("Ada", "", 1, 15),
                                                         e2e::enteredPerson("Carl", "", 11, 3)}));
    e2e::Festorin festorin;
    ASSERT_TRUE(festorin.started());
    const std::vector<HWND> edits = festorin.controls("Edit");
    ASSERT_GE(edits.size(), 6u);
    const auto focusedItem = [&] {
        return SendMessageA(festorin.grid(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                            LVNI_FOCUSED);
    };

    festorin.click(festorin.control("Button", "Add"));
    festorin.typeAtTheFocus("Blaise");
    ASSERT_TRUE(festorin.settle());
    EXPECT_EQ(e2e::windowText(edits[0]), "Blaise");
    festorin.pick(festorin.controls("ComboBox")[0], 4);
    festorin.type(edits[5], "20");
    festorin.click(festorin.okButton());
    ASSERT_EQ(festorin.focus(), festorin.grid());
    const LRESULT before = focusedItem();
    festorin.pressKey(festorin.grid(), VK_DOWN);
    ASSERT_TRUE(festorin.settle());
    EXPECT_EQ(focusedItem(), before + 1) << "the arrow keys move the grid's selection";

    festorin.click(festorin.control("Button", "Modify"));
    festorin.typeAtTheFocus("Zoe");
    ASSERT_TRUE(festorin.settle());
    EXPECT_EQ(e2e::windowText(edits[0]), "Zoe") << "typing replaces the selected name";
    festorin.click(festorin.control("Button", "Cancel"));
    EXPECT_EQ(festorin.focus(), festorin.grid());
}

}  // namespace
