#include <gtest/gtest.h>

#include "book/contact_file.h"
#include "platform/application.h"
#include "test_support/headless_fixture.h"
#include "test_support/records.h"

namespace {

namespace hl = platform::headless;
using Person = test_support::Person;

// A day typed with its zero, a second phone without a first, a reason with
// blanks and commas, a name with a semicolon and one above ASCII.
const Person dara{"0305",         "Dara",          "Ruze; Jr.",      "", "", "06 12", "March,05",
                  "Call phone 2", "2 days before", " Lunch, at one "};
const Person noe{
    "1224",           "No\xe9",        "",       "noe@example.org", "01", "02", "December,24",
    "Send an E-mail", "The exact day", "Birtday"};

const char* const friendsCards =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lovelace;Ada;;;\r\nBDAY:1815-12-10\r\nEND:VCARD\r\n";

class FileMenu : public test_support::HeadlessTest {
protected:
    FileMenu() { hl::setDocumentsFolder("C:\\Users\\Ann\\Documents"); }

    void start(const std::vector<Person>& people) {
        form = nullptr;
        prepareDataFolder();
        test_support::writeBytes(dataFile("dates.txt"), test_support::records(people));
        form = createMainWindow();
        platform::application::run(*form);
    }

    std::string inAppData(const std::string& name) const { return appData.path() + "\\" + name; }

    // The menu item clicked with the dialog's answer scripted: files, or none
    // for Cancel; then the message loop runs what it was asked to.
    void choose(platform::MenuItem& item, const std::vector<std::string>& files,
                std::optional<std::size_t> type = std::nullopt) {
        hl::answerNextFileDialog(files, type);
        hl::click(item);
        hl::runLaterActions();
    }

    const hl::ShownBox& lastBox() const { return hl::shownBoxes().back(); }
    const platform::FileDialogRequest& lastDialog() const {
        return hl::shownFileDialogs().back().request;
    }

    std::vector<Person> grid() const { return rowsOf(form->peopleGrid); }

    std::string stored() const { return test_support::readBytes(dataFile("dates.txt")); }

    std::unique_ptr<MainWindow> form;
};

// Each chosen file is offered as a dropped one, in turn; Cancel does nothing.
TEST_F(FileMenu, ImportOffersEachChosenFileAsADropDoes) {
    start({noe});
    choose(form->importItem, {});
    ASSERT_EQ(hl::shownFileDialogs().size(), 1u);
    EXPECT_EQ(hl::shownFileDialogs()[0].kind, hl::FileDialogKind::Open);
    EXPECT_EQ(lastDialog().title, "Import birthdays");
    ASSERT_EQ(lastDialog().filters.size(), 2u);
    EXPECT_EQ(lastDialog().filters[0].description, "Address books (*.vcf;*.csv)");
    EXPECT_EQ(lastDialog().filters[0].patterns, "*.vcf;*.csv");
    EXPECT_EQ(lastDialog().filters[1].description, "All files (*.*)");
    EXPECT_EQ(lastDialog().filters[1].patterns, "*.*");
    EXPECT_TRUE(hl::shownBoxes().empty());
    EXPECT_EQ(stored(), test_support::records({noe}));

    const std::string friends = inAppData("friends.vcf");
    test_support::writeBytes(friends, friendsCards);
    const std::string notes = inAppData("notes.txt");
    test_support::writeBytes(notes, "Shopping: bread\r\n");
    choose(form->importItem, {friends, notes});
    ASSERT_EQ(hl::shownBoxes().size(), 2u);
    EXPECT_EQ(hl::shownBoxes()[0].text, "Add 1 person from friends.vcf?");
    EXPECT_EQ(hl::shownBoxes()[1].text, "notes.txt holds no contacts that Festorin can read.");
    const Person ada{"1210",        "Ada",   "Lovelace",      "",       "", "",
                     "December,10", "Other", "The exact day", "Birtday"};
    EXPECT_EQ(stored(), test_support::records({ada, noe}));
}

// Every person shown, in the list's order, goes to the chosen file; the same
// file imported into that list adds nobody, and into an empty list gives
// every cell back. An empty list writes nothing and says so.
TEST_F(FileMenu, ExportWritesThePeopleShownAndTheImportBringsThemBack) {
    start({noe, dara});
    const std::string file = inAppData("Festorin birthdays.vcf");
    choose(form->exportItem, {file});
    ASSERT_EQ(hl::shownFileDialogs().size(), 1u);
    EXPECT_EQ(hl::shownFileDialogs()[0].kind, hl::FileDialogKind::Save);
    EXPECT_EQ(lastDialog().title, "Export birthdays");
    ASSERT_EQ(lastDialog().filters.size(), 2u);
    EXPECT_EQ(lastDialog().filters[0].description, "vCard (*.vcf)");
    EXPECT_EQ(lastDialog().filters[0].patterns, "*.vcf");
    EXPECT_EQ(lastDialog().filters[1].description, "Calendar (*.ics)");
    EXPECT_EQ(lastDialog().filters[1].patterns, "*.ics");
    EXPECT_EQ(lastDialog().chosenFilter, 0u);
    EXPECT_EQ(lastDialog().fileNameUtf8, "Festorin birthdays.vcf");
    EXPECT_EQ(lastDialog().defaultExtension, "vcf");
    ASSERT_EQ(hl::shownBoxes().size(), 1u);
    EXPECT_EQ(lastBox().text, "Exported 2 people to Festorin birthdays.vcf.");
    EXPECT_EQ(lastBox().caption, "Festorin");
    EXPECT_EQ(lastBox().icon, platform::MbIcon::Information);
    EXPECT_EQ(lastBox().buttons, platform::MbButtons::Ok);
    const std::string cards = test_support::readBytes(file);
    EXPECT_TRUE(cards.starts_with("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Ruze\\; Jr.;Dara;;;\r\n"));
    EXPECT_NE(cards.find("\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nN:;No\xc3\xa9;;;\r\n"),
              std::string::npos);
    EXPECT_TRUE(cards.ends_with("\r\nEND:VCARD\r\n"));

    choose(form->importItem, {file});
    EXPECT_EQ(lastBox().text, "No new birthday in Festorin birthdays.vcf.");

    start({});
    choose(form->importItem, {file});
    EXPECT_EQ(lastBox().text, "Add 2 people from Festorin birthdays.vcf?");
    EXPECT_EQ(grid(), (std::vector<Person>{dara, noe}));
    EXPECT_EQ(stored(), test_support::records({dara, noe}));

    start({});
    const std::size_t dialogsBefore = hl::shownFileDialogs().size();
    hl::click(form->exportItem);
    EXPECT_EQ(hl::shownFileDialogs().size(), dialogsBefore) << "no dialog for nobody";
    EXPECT_EQ(lastBox().text, "There is nobody to export.");
    EXPECT_EQ(lastBox().icon, platform::MbIcon::Information);
    EXPECT_EQ(lastBox().buttons, platform::MbButtons::Ok);
    EXPECT_EQ(test_support::readBytes(file), cards);
}

// The type chosen, or else the extension typed, decides what is written, and
// the next dialog offers it; a birthday that is no day is left out and said.
TEST_F(FileMenu, ExportWritesACalendarOfTheTypeChosenOrTyped) {
    const Person leftOut{"0230", "Gauss", "", "", "", "", "February,30", "Other", "", ""};
    start({noe, leftOut, dara});
    hl::setNow({2026, 12, 11, 9, 30, 0});
    struct Case {
        std::string name;
        std::optional<std::size_t> type;
        bool calendar;
        std::size_t offered;  // the type the dialog opened with
    };
    const Case cases[] = {{"a.ics", 1, true, 0},
                          {"b", 1, true, 1},
                          {"c.vcf", std::nullopt, false, 1},
                          {"d.ICS", 0, true, 0},
                          {"e", std::nullopt, true, 1},
                          {"f.txt", 0, false, 1}};
    for (const Case& c : cases) {
        const std::string file = inAppData(c.name);
        choose(form->exportItem, {file}, c.type);
        EXPECT_EQ(lastDialog().chosenFilter, c.offered) << c.name;
        EXPECT_EQ(lastDialog().fileNameUtf8,
                  c.offered ? "Festorin birthdays.ics" : "Festorin birthdays.vcf");
        EXPECT_EQ(lastDialog().defaultExtension, c.offered ? "ics" : "vcf");
        const std::string bytes = test_support::readBytes(file);
        EXPECT_EQ(bytes.starts_with("BEGIN:VCALENDAR\r\n"), c.calendar) << c.name;
        EXPECT_EQ(lastBox().text,
                  c.calendar ? "Exported 2 people to " + c.name +
                                   ".\nLeft out 1 person whose birthday is not a real day, such "
                                   "as 30 February."
                             : "Exported 3 people to " + c.name + ".");
    }
    EXPECT_NE(test_support::readBytes(inAppData("a.ics"))
                  .find("\r\nDTSTAMP:20261211T093000Z\r\nDTSTART;VALUE=DATE:20261224\r\n"),
              std::string::npos);
}

// Cancel writes nothing; a write that fails is reported, naming the file,
// and leaves the earlier file as it was. A file named in any language is
// written and read back, and named in the boxes as the system shows it.
TEST_F(FileMenu, ExportCancelledOrFailedLeavesTheFileAsItWas) {
    start({dara});
    const std::string file = inAppData("phone.vcf");
    test_support::writeBytes(file, "earlier");
    choose(form->exportItem, {});
    EXPECT_TRUE(hl::shownBoxes().empty());

    platform::fs::failAfter(platform::fs::Op::Replace);
    choose(form->exportItem, {file});
    ASSERT_EQ(hl::shownBoxes().size(), 1u);
    EXPECT_EQ(lastBox().icon, platform::MbIcon::Error);
    EXPECT_NE(lastBox().text.find(file), std::string::npos) << lastBox().text;
    EXPECT_EQ(test_support::readBytes(file), "earlier");
    EXPECT_FALSE(test_support::exists(file + ".tmp"));

    const std::string contacts = inAppData("Контакты.vcf");
    test_support::writeBytes(contacts, "earlier");
    platform::fs::failAfter(platform::fs::Op::Replace);
    choose(form->exportItem, {contacts});
    EXPECT_NE(lastBox().text.find(appData.path() + "\\????????.vcf"), std::string::npos)
        << lastBox().text;
    EXPECT_EQ(test_support::readBytes(contacts), "earlier");
    EXPECT_FALSE(test_support::exists(contacts + ".tmp"));
    choose(form->exportItem, {contacts});
    EXPECT_EQ(lastBox().text, "Exported 1 people to ????????.vcf.");
    choose(form->importItem, {contacts});
    EXPECT_EQ(lastBox().text, "No new birthday in ????????.vcf.");
    EXPECT_EQ(stored(), test_support::records({dara}));
}

// Both dialogs open in the Documents folder, then, for the rest of the run,
// in the folder of the last file chosen in either; Cancel keeps it.
TEST_F(FileMenu, DialogsOpenInDocumentsThenWhereTheLastFileWasChosen) {
    start({dara});
    choose(form->importItem, {});
    EXPECT_EQ(lastDialog().folderUtf8, "C:\\Users\\Ann\\Documents");
    choose(form->exportItem, {appData.path() + "\\phone.vcf"});
    choose(form->importItem, {});
    EXPECT_EQ(lastDialog().folderUtf8, appData.path() + "\\");
    choose(form->exportItem, {});
    EXPECT_EQ(lastDialog().folderUtf8, appData.path() + "\\");
}

}  // namespace
