// The contact editor through the real controls: people added, modified and
// deleted, the contact file after each step, the same people after a restart.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;
using e2e::Person;

// The entry panel's boxes in tab order: six text boxes, four lists, Ok.
struct Panel {
    explicit Panel(const Festorin& festorin)
        : edits(festorin.controls("Edit")),
          lists(festorin.controls("ComboBox")),
          ok(festorin.control("Button", "Ok")) {
        edits.resize(6);
    }
    std::vector<HWND> edits, lists;
    HWND ok;
};

// Presses Add and types the texts of the first boxes ("" left alone), picks
// the month by its place in the list and types the day; Ok is still to come.
void enterNewPerson(const Festorin& festorin, const Panel& panel,
                    const std::vector<std::string>& texts, int month, const std::string& day) {
    festorin.click(festorin.control("Button", "Add"));
    for (std::size_t box = 0; box < texts.size(); ++box)
        if (!texts[box].empty()) festorin.type(panel.edits[box], texts[box]);
    festorin.pick(panel.lists[0], month);
    festorin.type(panel.edits[5], day);
}

const Person ada{"1210", "Ada",         "Lovelace",       "ada@example.org", "",
                 "",     "December,10", "Send an E-mail", "1 day before",    "Birtday"};
const Person blaise{"0520",   "Blaise",       "Pascal",        "",     "0102030405", "",
                    "May,20", "Call phone 1", "The exact day", "Party"};
const Person carl{"0430",     "Carl",  "Gauss",         "",       "", "",
                  "April,30", "Other", "4 days before", "Birtday"};
// Blaise after Modify: born on the 2nd, his free reason gone back to the first choice.
const Person blaiseModified = [] {
    Person person = blaise;
    person[0] = "0502";
    person[6] = "May, 2";
    person[9] = "Birtday";
    return person;
}();

TEST(EditorTest, AddModifyAndDeleteWriteTheContactFileEachTime) {
    e2e::clearDataFolder();
    {
        Festorin festorin;
        ASSERT_TRUE(festorin.started());
        const Panel panel(festorin);
        ASSERT_EQ(panel.lists.size(), 4u);

        enterNewPerson(festorin, panel, {"Ada", "Lovelace", "ada@example.org"}, 11, "10");
        festorin.pick(panel.lists[2], 1);
        festorin.click(panel.ok);
        EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({ada}));

        enterNewPerson(festorin, panel, {"Blaise", "Pascal", "", "0102030405"}, 4, "20");
        festorin.pick(panel.lists[1], 1);
        festorin.typeInto(panel.lists[3], "Party");
        festorin.click(panel.ok);
        EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({blaise, ada}));

        enterNewPerson(festorin, panel, {"Carl", "Gauss"}, 3, "30");
        festorin.pick(panel.lists[1], 3);
        festorin.pick(panel.lists[2], 4);
        festorin.pressKey(panel.edits[0], VK_RETURN);
        EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({carl, blaise, ada}))
            << "Enter in the first-name box acts as Ok";
        EXPECT_FALSE(IsWindowVisible(panel.ok));
        EXPECT_EQ(festorin.gridPeople(), (std::vector<Person>{carl, blaise, ada}));

        // Blaise's free reason shows as the first choice, and Ok keeps it so.
        festorin.selectGridItem(1);
        festorin.click(festorin.control("Button", "Modify"));
        EXPECT_EQ(e2e::windowText(panel.edits[0]), "Blaise");
        EXPECT_EQ(e2e::windowText(panel.edits[5]), "20");
        EXPECT_EQ(SendMessageA(panel.lists[0], CB_GETCURSEL, 0, 0), 4);
        EXPECT_EQ(e2e::windowText(panel.lists[3]), "Birtday");
        festorin.setText(panel.edits[5], "");
        festorin.type(panel.edits[5], "2");
        festorin.click(panel.ok);
        EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({carl, blaiseModified, ada}));

        festorin.selectGridItem(0);
        festorin.click(festorin.control("Button", "Delete"));
        EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({blaiseModified, ada}));
        EXPECT_EQ(festorin.gridPeople(), (std::vector<Person>{blaiseModified, ada}));
        EXPECT_TRUE(festorin.closeAndWait());
    }
    Festorin again;
    ASSERT_TRUE(again.started());
    EXPECT_EQ(again.gridPeople(), (std::vector<Person>{blaiseModified, ada}));
}

// A refused day is told in a real "Error" box; afterwards the keyboard is in
// the day box and nothing was written. Typing stops where the contact file's
// field ends, so nothing typed is cut at the next start.
TEST(EditorTest, ARefusedDayFocusesTheDayBoxAndTypingStopsAtTheFieldsLength) {
    e2e::clearDataFolder();
    e2e::writeDataFile("dates.txt", e2e::contactRecords({ada}));
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    const Panel panel(festorin);
    enterNewPerson(festorin, panel, {"Dora"}, 1, "30");
    festorin.clickLater(panel.ok);

    const e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.text, "there are 29 days at max. in February");
    ASSERT_TRUE(festorin.answer(box, IDOK));
    ASSERT_TRUE(festorin.settle());
    EXPECT_EQ(festorin.focus(), panel.edits[5]);
    EXPECT_TRUE(IsWindowVisible(panel.ok));
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({ada}));

    festorin.setText(panel.edits[0], "");
    festorin.type(panel.edits[0], std::string(70, 'f'));
    festorin.type(panel.edits[3], std::string(35, '1'));
    EXPECT_EQ(e2e::windowText(panel.edits[0]).size(), 60u);
    EXPECT_EQ(e2e::windowText(panel.edits[3]).size(), 30u);
}

}  // namespace
