// A data folder named in Cyrillic on a Windows-1252 system, under Wine: named
// in "folder.txt" in UTF-8, it holds the list; choosing the standard folder
// again in the folder browser leaves the list there for the other PCs; and
// missing at start, it is merged with the standard list once it is back.
#include <gtest/gtest.h>

#include "e2e/harness.h"
// After windows.h.
#include <shlobj.h>

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

// Selects a folder in the browser by its path, written into Festorin's
// memory, where the browser's own message takes it from.
void selectInBrowser(HWND browser, const std::string& utf8Path) {
    DWORD processId = 0;
    GetWindowThreadProcessId(browser, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    ASSERT_NE(process, nullptr);
    const std::wstring path = e2e::wideFromUtf8(utf8Path);
    const SIZE_T size = (path.size() + 1) * sizeof(wchar_t);
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    ASSERT_TRUE(remote && WriteProcessMemory(process, remote, path.c_str(), size, nullptr));
    SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
}

// The folder browser, opened by the menu item, is pointed at the standard
// folder and closed with OK.
void chooseStandardFolder(const Festorin& festorin) {
    festorin.menuCommand({"&Options", "Data folder..."});
    HWND browser = nullptr;
    ASSERT_TRUE(e2e::waitUntil([&] {
        const std::vector<HWND> dialogs = festorin.windowsOfClass("#32770");
        browser = dialogs.empty() ? nullptr : dialogs.front();
        return browser && e2e::shownAndPainted(browser);
    }));
    const std::string standard = e2e::dataFolder();
    selectInBrowser(browser, standard.substr(0, standard.size() - 1));
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

// Missing at start, the folder is stood in for by the standard one; Blaise,
// added meanwhile, goes into its list at the start that finds it again.
TEST_F(CyrillicDataFolderTest, MissingAtStartItGetsThePeopleAddedMeanwhileOnceBack) {
    e2e::removeFileUtf8(syncedFolder() + "dates.txt");
    RemoveDirectoryW(e2e::wideFromUtf8(syncedFolder()).c_str());
    {
        Festorin festorin(Festorin::Start::Created);
        ASSERT_TRUE(festorin.started());
        const e2e::MessageBoxSeen missing = festorin.waitForMessageBox();
        EXPECT_NE(missing.text.find("cannot be found"), std::string::npos) << missing.text;
        ASSERT_TRUE(festorin.answer(missing, IDOK));
        ASSERT_TRUE(festorin.settle());
        festorin.enterPerson(blaise);
        festorin.click(festorin.okButton());
        EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({blaise}));
        EXPECT_TRUE(festorin.closeAndWait());
    }
    CreateDirectoryW(e2e::wideFromUtf8(syncedFolder()).c_str(), nullptr);
    e2e::writeFileUtf8(syncedFolder() + "dates.txt", e2e::contactRecords({ada}));
    Festorin festorin(Festorin::Start::Created);
    ASSERT_TRUE(festorin.started());
    const e2e::MessageBoxSeen merged = festorin.waitForMessageBox();
    EXPECT_NE(merged.text.find("while that folder could not be found:\r\n\r\nBlaise Pascal"),
              std::string::npos)
        << merged.text;
    ASSERT_TRUE(festorin.answer(merged, IDOK));
    ASSERT_TRUE(festorin.settle());
    EXPECT_EQ(e2e::readFileUtf8(syncedFolder() + "dates.txt"), e2e::contactRecords({ada, blaise}));
    EXPECT_TRUE(festorin.closeAndWait());
}

}  // namespace
