// The real main window under Wine: its frame, grid, buttons and About box.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { e2e::clearDataFolder(); }

    static bool shown(HWND window) { return window && IsWindowVisible(window); }
};

const std::vector<e2e::Person> threePeople{
    {"0115", "Ada", "Lovelace", "ada@example.org", "0101", "0102", "January,15", "Send an E-mail",
     "The exact day", "Birtday"},
    {"0520", "Blaise", "Pascal", "", "0201", "", "May,20", "Call phone 1", "1 day before", "Other"},
    {"1103", "Carl", "Gauss", "carl@example.org", "", "0302", "November, 3", "Other",
     "4 days before", "Lunch"},
};

TEST_F(MainWindowTest, FirstStartShowsAnEmptyCentredWindowWithOnlyAddAndTheAboutBox) {
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    HWND main = festorin.mainWindow();
    EXPECT_EQ(e2e::windowText(main), "Festorin");

    const e2e::Placement place = e2e::placementOf(main);
    EXPECT_EQ(place.clientWidth, 794);
    EXPECT_EQ(place.clientHeight, 348);
    // Centred on the whole screen (Wine's virtual desktop), taskbar included.
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - place.width) / 2);
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - place.height) / 2);
    LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "address books dropped";

    const std::vector<std::string> headers{"",        "Firstname", "Surname",      "E-mail",
                                           "Phone 1", "Phone 2",   "Day of birth", "Action",
                                           "When",    "Reason"};
    EXPECT_EQ(festorin.gridHeaders(), headers);
    EXPECT_EQ(festorin.gridColumnWidth(0), 0);
    ASSERT_EQ(festorin.gridRows(), 1);
    for (int column = 0; column < 10; ++column) EXPECT_EQ(festorin.gridCell(0, column), "");

    EXPECT_TRUE(shown(festorin.control("Button", "Add")));
    EXPECT_FALSE(shown(festorin.control("Button", "Modify")));
    EXPECT_FALSE(shown(festorin.control("Button", "Delete")));

    // The About box names the program and its version.
    festorin.menuCommand({"?", "&About..."});
    e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    ASSERT_TRUE(box.window);
    EXPECT_EQ(box.caption, "About");
    EXPECT_EQ(box.text.substr(0, box.text.find("\r\n")), "Festorin v 1.0");
    EXPECT_TRUE(festorin.answer(box, IDOK));
    EXPECT_TRUE(festorin.running());
    EXPECT_TRUE(festorin.closeAndWait());
}

TEST_F(MainWindowTest, ShowsThePeopleOfTheContactFileInFileOrder) {
    e2e::writeDataFile("dates.txt", e2e::contactRecords(threePeople) + std::string(100, 'x'));

    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    ASSERT_EQ(festorin.gridRows(), 3);
    EXPECT_EQ(festorin.gridPeople(), threePeople);
    EXPECT_EQ(festorin.gridColumnWidth(0), 0);
    EXPECT_TRUE(shown(festorin.control("Button", "Add")));
    EXPECT_TRUE(shown(festorin.control("Button", "Modify")));
    EXPECT_TRUE(shown(festorin.control("Button", "Delete")));
}

}  // namespace
