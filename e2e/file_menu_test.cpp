// The File menu of the real Festorin.exe: Import... and Export... through the
// system's Open and Save dialogs, driven by their own controls.
#include <gtest/gtest.h>

#include "e2e/harness.h"
// After windows.h.
#include <dlgs.h>

namespace {

using e2e::Festorin;
using e2e::Person;

const std::vector<std::string> importItem{"&File", "&Import..."};
const std::vector<std::string> exportItem{"&File", "&Export..."};

// A day typed with its zero, a second phone without a first, a reason with
// blanks and a comma, a name with a semicolon and one above ASCII.
const std::vector<Person> shown{
    {"0115", "Ada", "Lovelace", "ada@example.org", "01 23", "", "January,15", "Send an E-mail",
     "The exact day", "Birtday"},
    {"0305", "Dara", "Ruze; Jr.", "", "", "06 12", "March,05", "Call phone 2", "2 days before",
     " Lunch, at one "},
    {"1224", "No\xe9", "", "", "", "", "December,24", "Other", "4 days before", "Birtday"}};

const char* const shownAsVCards =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lovelace;Ada;;;\r\nFN:Ada Lovelace\r\n"
    "EMAIL;TYPE=INTERNET:ada@example.org\r\nTEL;TYPE=PREF:01 23\r\nBDAY:--01-15\r\n"
    "X-FESTORIN-DAY-OF-BIRTH:January\\,15\r\nX-FESTORIN-ACTION:Send an E-mail\r\n"
    "X-FESTORIN-LEAD:The exact day\r\nX-FESTORIN-REASON:Birtday\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Ruze\\; Jr.;Dara;;;\r\nFN:Dara Ruze\\; Jr.\r\n"
    "TEL;X-FESTORIN-PHONE=2:06 12\r\nBDAY:--03-05\r\nX-FESTORIN-DAY-OF-BIRTH:March\\,05\r\n"
    "X-FESTORIN-ACTION:Call phone 2\r\nX-FESTORIN-LEAD:2 days before\r\n"
    "X-FESTORIN-REASON: Lunch\\, at one \r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;No\xc3\xa9;;;\r\nFN:No\xc3\xa9\r\nBDAY:--12-24\r\n"
    "X-FESTORIN-DAY-OF-BIRTH:December\\,24\r\nX-FESTORIN-ACTION:Other\r\n"
    "X-FESTORIN-LEAD:4 days before\r\nX-FESTORIN-REASON:Birtday\r\nEND:VCARD\r\n";

// The application-data folder, which holds the data folder "FN\".
std::string appDataFolder() {
    const std::string data = e2e::dataFolder();
    return data.substr(0, data.size() - 3);
}

// A file named outside the code page, and that name as a Windows-1252
// system shows it.
const char* const cyrillicName = "Контакты.vcf";
const char* const cyrillicNameShown = "????????.vcf";

class FileMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 1252u) << "the names shown are those of a Windows-1252 system";
        e2e::clearDataFolder();
        for (const char* name :
             {"export.vcf", "friends.vcf", "google.csv", "chosen.ics", "typed.ics", cyrillicName})
            e2e::removeFileUtf8(appDataFolder() + name);
    }

    // The dialog opened by the menu item.
    static HWND openDialog(const Festorin& festorin, const std::vector<std::string>& item,
                           const std::string& title) {
        festorin.menuCommand(item);
        return festorin.waitForFileDialog(title);
    }

    // A name entered in the dialog, which then closes.
    static bool enterAndClose(const Festorin& festorin, HWND dialog, const std::string& name) {
        festorin.enterFileName(dialog, name);
        return e2e::waitUntil([&] { return !IsWindow(dialog); });
    }

    // Cancel changes nothing: no box, no file.
    static void cancel(const Festorin& festorin, HWND dialog) {
        ASSERT_TRUE(festorin.answer({dialog, "", ""}, IDCANCEL));
        ASSERT_TRUE(festorin.settle());
        EXPECT_TRUE(festorin.openBoxes().empty());
    }
};

// The Save dialog proposes "Festorin birthdays.vcf" and asks before it
// replaces a file; the file written, under any name, holds the people shown,
// which the import reads back: into the same list it adds nobody, into an
// empty list every person comes back. An empty list exports nothing.
TEST_F(FileMenuTest, ExportWritesThePeopleShownAndImportBringsThemBack) {
    e2e::writeDataFile("dates.txt", e2e::contactRecords(shown));
    const std::string file = appDataFolder() + "export.vcf";
    {
        Festorin festorin;
        ASSERT_TRUE(festorin.started());
        HWND save = openDialog(festorin, exportItem, "Export birthdays");
        ASSERT_TRUE(save);
        EXPECT_EQ(festorin.fileNameIn(save), "Festorin birthdays.vcf");
        cancel(festorin, save);
        EXPECT_FALSE(e2e::dataFileExists("..\\export.vcf"));

        save = openDialog(festorin, exportItem, "Export birthdays");
        ASSERT_TRUE(enterAndClose(festorin, save, file));
        e2e::MessageBoxSeen box = festorin.waitForMessageBox();
        EXPECT_EQ(box.caption, "Festorin");
        EXPECT_EQ(box.text, "Exported 3 people to export.vcf.");
        ASSERT_TRUE(festorin.answer(box, IDOK));
        EXPECT_EQ(festorin.dataFile("..\\export.vcf"), shownAsVCards);

        save = openDialog(festorin, exportItem, "Export birthdays");
        festorin.enterFileName(save, file);
        HWND replace = nullptr;
        ASSERT_TRUE(e2e::waitUntil([&] {
            for (const e2e::MessageBoxSeen& seen : festorin.openBoxes())
                if (seen.window != save) replace = seen.window;
            return replace != nullptr;
        }));
        ASSERT_TRUE(festorin.answer({replace, "", ""}, IDNO));
        cancel(festorin, save);

        save = openDialog(festorin, exportItem, "Export birthdays");
        ASSERT_TRUE(enterAndClose(festorin, save, appDataFolder() + cyrillicName));
        box = festorin.waitForMessageBox();
        EXPECT_EQ(box.text, std::string("Exported 3 people to ") + cyrillicNameShown + ".");
        ASSERT_TRUE(festorin.answer(box, IDOK));
        ASSERT_TRUE(festorin.settle());
        EXPECT_EQ(e2e::readFileUtf8(appDataFolder() + cyrillicName), shownAsVCards);

        // A bare name is looked for where the last file was chosen.
        HWND open = openDialog(festorin, importItem, "Import birthdays");
        ASSERT_TRUE(enterAndClose(festorin, open, "export.vcf"));
        box = festorin.waitForMessageBox();
        EXPECT_EQ(box.text, "No new birthday in export.vcf.");
        ASSERT_TRUE(festorin.answer(box, IDOK));
        EXPECT_EQ(festorin.dataFile("..\\export.vcf"), shownAsVCards);
    }
    e2e::clearDataFolder();
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    // An empty list has nobody to export: a box says so, and no dialog opens.
    festorin.menuCommand(exportItem);
    e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.caption, "Festorin");
    EXPECT_EQ(box.text, "There is nobody to export.");
    ASSERT_TRUE(festorin.answer(box, IDOK));
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(festorin.openBoxes().empty());

    HWND open = openDialog(festorin, importItem, "Import birthdays");
    ASSERT_TRUE(enterAndClose(festorin, open, file));
    box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, "Add 3 people from export.vcf?");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords(shown));
    EXPECT_EQ(festorin.gridPeople(), shown);
}

// The type chosen in the Save dialog's list, as a user picks it.
void chooseType(HWND dialog, int type) {
    HWND types = GetDlgItem(dialog, cmb1);
    SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(type), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(types));
}

// A name without an extension is written in the type chosen, which the next
// dialog offers; a name typed with ".ics" is a calendar whatever the list
// shows.
TEST_F(FileMenuTest, ExportWritesACalendarOfTheTypeChosenOrTyped) {
    e2e::writeDataFile("dates.txt", e2e::contactRecords(shown));
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    HWND save = openDialog(festorin, exportItem, "Export birthdays");
    ASSERT_TRUE(save);
    HWND types = GetDlgItem(save, cmb1);
    // The README's picture is taken while the list of types is open, once the
    // dialog's first drawing is done, when asked.
    ASSERT_TRUE(festorin.settle());
    SendMessageA(types, CB_SHOWDROPDOWN, TRUE, 0);
    e2e::holdForPicture("FESTORIN_EXPORT_TYPES_PICTURE");
    SendMessageA(types, CB_SHOWDROPDOWN, FALSE, 0);
    chooseType(save, 1);
    ASSERT_TRUE(enterAndClose(festorin, save, appDataFolder() + "chosen"));
    e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, "Exported 3 people to chosen.ics.");
    ASSERT_TRUE(festorin.answer(box, IDOK));
    const std::string chosen = festorin.dataFile("..\\chosen.ics");
    EXPECT_TRUE(chosen.starts_with("BEGIN:VCALENDAR\r\n")) << chosen;
    EXPECT_NE(chosen.find("\r\nSUMMARY:Birthday of Ada Lovelace\r\n"
                          "DESCRIPTION:Send an E-mail at ada@example.org\r\n"),
              std::string::npos);

    save = openDialog(festorin, exportItem, "Export birthdays");
    ASSERT_TRUE(save);
    EXPECT_EQ(festorin.fileNameIn(save), "Festorin birthdays.ics");
    chooseType(save, 0);
    ASSERT_TRUE(enterAndClose(festorin, save, appDataFolder() + "typed.ics"));
    box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, "Exported 3 people to typed.ics.");
    ASSERT_TRUE(festorin.answer(box, IDOK));
    const std::string typed = festorin.dataFile("..\\typed.ics");
    EXPECT_TRUE(typed.starts_with("BEGIN:VCALENDAR\r\n")) << typed;
    EXPECT_EQ(typed.size(), chosen.size()) << "the same people, stamped at another moment";
}

// Several files chosen at once are offered one after another, as dropped
// files are; a file named in any language is chosen as any other.
TEST_F(FileMenuTest, ImportOffersTheChosenFilesInTurnAndCancelChangesNothing) {
    e2e::writeDataFile("..\\friends.vcf",
                       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Pascal;Blaise;;;\r\nBDAY:--06-19\r\n"
                       "TEL:0102\r\nEND:VCARD\r\n");
    e2e::writeDataFile(
        "..\\google.csv",
        "Name,Given Name,Family Name,Birthday\r\nDora Maar,Dora,Maar,1907-11-22\r\n");
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    HWND open = openDialog(festorin, importItem, "Import birthdays");
    ASSERT_TRUE(open);
    cancel(festorin, open);
    EXPECT_FALSE(e2e::dataFileExists("dates.txt"));

    open = openDialog(festorin, importItem, "Import birthdays");
    festorin.enterFileName(open, appDataFolder());
    ASSERT_TRUE(festorin.settle());
    ASSERT_TRUE(IsWindow(open)) << "a folder is opened, not chosen";
    ASSERT_TRUE(enterAndClose(festorin, open, "\"friends.vcf\" \"google.csv\""));
    e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, "Add 1 person from friends.vcf?");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, "Add 1 person from google.csv?");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    const Person blaise{"0619",    "Blaise",       "Pascal",        "",       "0102", "",
                        "June,19", "Call phone 1", "The exact day", "Birtday"};
    const Person dora{"1122",        "Dora",  "Maar",          "",       "", "",
                      "November,22", "Other", "The exact day", "Birtday"};
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({blaise, dora}));

    e2e::writeFileUtf8(appDataFolder() + cyrillicName,
                       "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Noether;Emmy;;;\r\nBDAY:--03-23\r\n"
                       "END:VCARD\r\n");
    open = openDialog(festorin, importItem, "Import birthdays");
    ASSERT_TRUE(enterAndClose(festorin, open, cyrillicName));
    box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, std::string("Add 1 person from ") + cyrillicNameShown + "?");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    const Person emmy{"0323",     "Emmy",  "Noether",       "",       "", "",
                      "March,23", "Other", "The exact day", "Birtday"};
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({emmy, blaise, dora}));
}

// Keys as the keyboard gives them, posted to the control that has the focus
// (or the window) and then to the menu that opens.
class MenuKeys {
public:
    explicit MenuKeys(const Festorin& festorin) : festorin_(festorin) {}

    void alt(char letter) const { post(WM_SYSCHAR, letter, altDown); }
    // F10 selects the menu bar, whose menus then open with the arrow keys.
    void f10() const {
        post(WM_SYSKEYDOWN, VK_F10, 1);
        post(WM_SYSKEYUP, VK_F10, keyUp);
        post(WM_KEYDOWN, VK_DOWN, 1);
        post(WM_KEYUP, VK_DOWN, keyUp);
    }
    bool menuLetter(char letter) const {
        HWND menu = festorin_.openMenu();
        if (!menu) return false;
        PostMessageA(menu, WM_CHAR, static_cast<WPARAM>(letter), 1);
        return true;
    }

private:
    static constexpr LPARAM altDown = 0x20000001;
    static constexpr LPARAM keyUp = static_cast<LPARAM>(0xC0000001);

    void post(UINT message, WPARAM key, LPARAM flags) const {
        HWND target = festorin_.focus();
        PostMessageA(target ? target : festorin_.mainWindow(), message, key, flags);
    }

    const Festorin& festorin_;
};

// Alt+F with I, E or Q, F10 and Alt+O reach the menus as they did before
// Import... and Export... joined Quit.
TEST_F(FileMenuTest, TheMenuKeysReachTheFileMenu) {
    e2e::writeDataFile("dates.txt", e2e::contactRecords(shown));
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    const MenuKeys keys(festorin);
    ASSERT_TRUE(festorin.settle());
    keys.alt('f');
    ASSERT_TRUE(festorin.openMenu());
    // The README's picture is taken while the File menu is open, when asked.
    e2e::holdForPicture("FESTORIN_FILE_MENU_PICTURE");
    ASSERT_TRUE(keys.menuLetter('i'));
    HWND open = festorin.waitForFileDialog("Import birthdays");
    ASSERT_TRUE(open);
    cancel(festorin, open);

    keys.alt('f');
    ASSERT_TRUE(keys.menuLetter('e'));
    HWND save = festorin.waitForFileDialog("Export birthdays");
    ASSERT_TRUE(save);
    cancel(festorin, save);

    keys.f10();
    ASSERT_TRUE(keys.menuLetter('q'));
    const e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.caption, "Confirmation");
    ASSERT_TRUE(festorin.answer(box, IDNO));

    keys.alt('o');
    HWND options = festorin.openMenu();
    ASSERT_TRUE(options);
    festorin.pressKey(options, VK_ESCAPE);
    festorin.pressKey(options, VK_ESCAPE);
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(festorin.running());
}

}  // namespace
