// A data folder named in Cyrillic on a Windows-1252 system, under Wine: named
// in "folder.txt" in UTF-8, it holds the list; choosing the standard folder
// again in the folder browser leaves the list there for the other PCs.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;
using e2e::Person;

const Person ada = e2e::enteredPerson("Ada", "Lovelace", 1, 15);
const Person blaise = e2e::enteredPerson("Blaise", "Pascal", 5, 20);

// "Синхро\" beside the standard data folder "FN\".
std::string syncedFolder() {
    const std::string standard = e2e::dataFolder();
    return standard.substr(0, standard.size() - 3) + "Синхро\\";
}

class CyrillicDataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 1252u) << "a Cyrillic name is outside this system's code page";
        e2e::clearDataFolder();
        CreateDirectoryW(e2e::wideFromUtf8(syncedFolder()).c_str(), nullptr);
        e2e::writeFileUtf8(syncedFolder() + "dates.txt", e2e::contactRecords({ada}));
        e2e::writeDataFile("folder.txt", syncedFolder() + "\r\n");
    }
    void TearDown() override {
        e2e::clearDataFolder();
        e2e::removeFileUtf8(syncedFolder() + "dates.txt");
        RemoveDirectoryW(e2e::wideFromUtf8(syncedFolder()).c_str());
    }
};

// The folder browser opens on the data folder in use; "FN" is typed to the
// folder tree, which selects that sibling, and OK takes it.
void chooseStandardFolder(const Festorin& festorin) {
    festorin.menuCommand({"&Options", "Data folder..."});
    HWND browser = nullptr;
    ASSERT_TRUE(e2e::waitUntil([&] {
        const std::vector<HWND> dialogs = festorin.windowsOfClass("#32770");
        browser = dialogs.empty() ? nullptr : dialogs.front();
        return browser && e2e::shownAndPainted(browser);
    }));
    HWND tree = e2e::childWindow(browser, "SysTreeView32");
    ASSERT_NE(tree, nullptr);
    const auto selected = [&] { return SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0); };
    ASSERT_TRUE(e2e::waitUntil([&] { return selected() != 0; })) << "the folder in use";
    const LRESULT folderInUse = selected();
    for (char c : std::string("FN")) SendMessageA(tree, WM_CHAR, static_cast<WPARAM>(c), 1);
    ASSERT_NE(selected(), folderInUse) << "typing selects \"FN\"";
    PostMessageA(browser, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::waitUntil([&] { return !IsWindow(browser); }));
}

TEST_F(CyrillicDataFolderTest, HoldsTheListAndKeepsItWhenThisPcGoesBack) {
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(festorin.openBoxes().empty()) << festorin.describe();
    EXPECT_EQ(festorin.gridPeople(), std::vector<Person>{ada});
    festorin.enterPerson(blaise);
    festorin.click(festorin.okButton());
    const std::string both = e2e::contactRecords({ada, blaise});
    EXPECT_EQ(e2e::readFileUtf8(syncedFolder() + "dates.txt"), both);

    chooseStandardFolder(festorin);
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(festorin.openBoxes().empty()) << festorin.describe();
    EXPECT_EQ(festorin.dataFile("dates.txt"), both);
    EXPECT_FALSE(e2e::dataFileExists("folder.txt"));
    EXPECT_EQ(e2e::readFileUtf8(syncedFolder() + "dates.txt"), both) << "left for the other PCs";
    EXPECT_TRUE(festorin.closeAndWait());
}

}  // namespace
