#include <gtest/gtest.h>

#include "app/hand_over.h"
#include "app/program.h"
#include "book/contact_file.h"
#include "platform/application.h"
#include "test_support/headless_fixture.h"
#include "test_support/records.h"

namespace {

namespace hl = platform::headless;
using Person = test_support::Person;

const Person zoe{"0101", "Zoe", "", "", "", "", "January, 1", "Other", "The exact day", "Birtday"};
const Person malo{"1224",  "Malo",          "",       "", "", "", "December,24",
                  "Other", "The exact day", "Birtday"};
const Person ada{"1210", "Ada",         "Lovelace",       "ada@example.org", "",
                 "",     "December,10", "Send an E-mail", "The exact day",   "Birtday"};
const Person blaise{"0619",    "Blaise",       "Pascal",        "",       "0102", "",
                    "June,19", "Call phone 1", "The exact day", "Birtday"};

const char* const friendsCards =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lovelace;Ada;;;\r\nBDAY:1815-12-10\r\n"
    "EMAIL:ada@example.org\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Blaise Pascal\r\nBDAY:--0619\r\nTEL:0102\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Carl Gauss\r\nEND:VCARD\r\n";

class Import : public test_support::HeadlessTest {
protected:
    void start(const std::vector<Person>& people) {
        prepareDataFolder();
        test_support::writeBytes(dataFile("dates.txt"), test_support::records(people));
        form = createMainWindow();
        platform::application::run(*form);
    }

    std::string addressBook(const std::string& name, const std::string& content) const {
        const std::string path = appData.path() + "\\" + name;
        test_support::writeBytes(path, content);
        return path;
    }

    // Drops the files on the window; the message loop then offers them.
    void drop(const std::vector<std::string>& paths) {
        hl::dropFiles(*form, paths);
        hl::runLaterActions();
    }

    void expectBox(std::size_t index, const std::string& text, platform::MbIcon icon) const {
        ASSERT_GT(hl::shownBoxes().size(), index);
        const hl::ShownBox& box = hl::shownBoxes()[index];
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.caption, "Festorin");
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.buttons, icon == platform::MbIcon::Question ? platform::MbButtons::YesNo
                                                                  : platform::MbButtons::Ok);
    }

    std::string stored() const { return test_support::readBytes(dataFile("dates.txt")); }

    std::vector<Person> grid() const { return rowsOf(form->peopleGrid); }

    std::unique_ptr<MainWindow> form;
};

TEST_F(Import, YesAddsSortsAndSavesOnceNoChangesNothing) {
    start({zoe});
    const std::string friends = addressBook("friends.vcf", friendsCards);
    hl::answerNextBox(platform::MbResult::No);
    drop({friends});
    expectBox(0,
              "Add 2 people from friends.vcf?\r\nLeft out: 1 without a birthday, 0 already in "
              "the list.",
              platform::MbIcon::Question);
    EXPECT_EQ(grid(), std::vector<Person>{zoe});
    EXPECT_EQ(stored(), test_support::records({zoe}));

    platform::fs::clearFaults();
    drop({friends});
    EXPECT_EQ(grid(), (std::vector<Person>{zoe, blaise, ada}));
    EXPECT_EQ(stored(), test_support::records({zoe, blaise, ada}));
    EXPECT_EQ(platform::fs::callsOf(platform::fs::Op::Replace), 1) << "saved once";
    EXPECT_TRUE(form->modifyButton.visible());
    EXPECT_TRUE(form->deleteButton.visible());

    drop({friends});
    expectBox(2, "No new birthday in friends.vcf.", platform::MbIcon::Information);
    EXPECT_EQ(hl::shownBoxes().size(), 3u);
}

// A file of no known kind is refused; one over 64 MB is read, its long line
// of zeros passed over; one that cannot be opened says so, in the system's words;
// nothing changes. A file another program holds open for writing, as a
// spreadsheet holds the one it shows, is read.
TEST_F(Import, FilesThatAreNoAddressBookAreRefusedWithAWarning) {
    start({zoe});
    const std::string large = addressBook("large.vcf", friendsCards);
    test_support::resizeFile(large, 64 * 1024 * 1024 + 1);
    test_support::makeFolder(appData.path() + "\\folder.vcf");
    hl::answerNextBox(platform::MbResult::Ok);
    hl::answerNextBox(platform::MbResult::No);
    drop({addressBook("notes.txt", "Shopping: bread\r\n"), large, appData.path() + "\\gone.vcf",
          appData.path() + "\\folder.vcf"});
    expectBox(0, "notes.txt holds no contacts that Festorin can read.",
              platform::MbIcon::Exclamation);
    expectBox(1,
              "Add 2 people from large.vcf?\r\nLeft out: 1 without a birthday, 0 already in "
              "the list.",
              platform::MbIcon::Question);
    const auto expectNotOpened = [](std::size_t index, const std::string& name) {
        ASSERT_GT(hl::shownBoxes().size(), index);
        const hl::ShownBox& box = hl::shownBoxes()[index];
        const std::string opening = name + " could not be opened: ";
        EXPECT_EQ(box.text.substr(0, opening.size()), opening);
        EXPECT_GT(box.text.size(), opening.size() + 3) << "the system's words for why";
        EXPECT_EQ(box.icon, platform::MbIcon::Exclamation);
    };
    expectNotOpened(2, "gone.vcf");
    expectNotOpened(3, "folder.vcf");
    EXPECT_EQ(grid(), std::vector<Person>{zoe});
    EXPECT_EQ(stored(), test_support::records({zoe}));

    const std::string friends = addressBook("friends.vcf", friendsCards);
    const test_support::HeldForWriting spreadsheet(friends);
    ASSERT_TRUE(spreadsheet.held());
    hl::answerNextBox(platform::MbResult::No);
    drop({friends});
    expectBox(4,
              "Add 2 people from friends.vcf?\r\nLeft out: 1 without a birthday, 0 already in "
              "the list.",
              platform::MbIcon::Question);

    // A read that fails part way offers nothing of what was read.
    platform::fs::failAfter(platform::fs::Op::Read, 1);
    drop({large});
    ASSERT_EQ(hl::shownBoxes().size(), 6u);
    EXPECT_EQ(hl::shownBoxes()[5].text.rfind("large.vcf could not be read: ", 0), 0u);
}

// The person being modified is the one Ok writes, wherever the sort took
// them; a failed save keeps the people in the grid for the next save, and
// the next file of the drop is still offered, against the grid as it is.
TEST_F(Import, AnOpenPanelKeepsItsPersonAndAFailedSaveKeepsThePeople) {
    start({zoe, malo});
    hl::selectRow(form->peopleGrid, 2);
    hl::click(form->modifyButton);
    platform::fs::failAfter(platform::fs::Op::Replace);
    const std::string friends = addressBook("friends.vcf", friendsCards);
    drop({friends, friends});
    ASSERT_EQ(hl::shownBoxes().size(), 3u);
    EXPECT_EQ(hl::shownBoxes()[1].icon, platform::MbIcon::Error);
    expectBox(2, "No new birthday in friends.vcf.", platform::MbIcon::Information);
    EXPECT_EQ(stored(), test_support::records({zoe, malo}));
    EXPECT_TRUE(form->entryPanel.visible());
    EXPECT_FALSE(form->modifyButton.visible());

    hl::type(form->surnameBox, "Roux");
    hl::click(form->okButton);
    Person maloRoux = malo;
    maloRoux[2] = "Roux";
    EXPECT_EQ(stored(), test_support::records({zoe, blaise, ada, maloRoux}));
}

// A file named in any language is found by its UTF-8 path, however it
// comes, and named in the boxes as the system shows it: in the ANSI code
// page, "?" for a character it lacks. An older second start hands over ANSI
// paths under its own tag.
TEST_F(Import, FilesNamedOnTheCommandLineOrHandedOverAreOfferedOnceStarted) {
    const std::string friends = addressBook("friends.vcf", friendsCards);
    const std::string contacts = addressBook("Контакты.vcf", friendsCards);
    hl::setCommandLineArguments({friends, contacts});
    EXPECT_EQ(runFestorin(), 0);
    expectBox(0,
              "Add 2 people from friends.vcf?\r\nLeft out: 1 without a birthday, 0 already in "
              "the list.",
              platform::MbIcon::Question);
    expectBox(1, "No new birthday in ????????.vcf.", platform::MbIcon::Information);
    EXPECT_EQ(stored(), test_support::records({blaise, ada}));

    start({zoe});
    hl::handOver(*form, app::utf8HandOverTag,
                 "\"C:\\Festorin\\Festorin.exe\" \"" + contacts + "\"");
    EXPECT_EQ(hl::shownBoxes().size(), 2u) << "not inside the hand-over";
    hl::runLaterActions();
    expectBox(2,
              "Add 2 people from ????????.vcf?\r\nLeft out: 1 without a birthday, 0 already in "
              "the list.",
              platform::MbIcon::Question);
    EXPECT_EQ(stored(), test_support::records({zoe, blaise, ada}));

    const std::string noel = addressBook(
        "No\xc3\xabl.vcf", "BEGIN:VCARD\r\nFN:Carl Gauss\r\nBDAY:--0430\r\nEND:VCARD\r\n");
    const std::string noelInAnsi = noel.substr(0, noel.size() - 9) + "No\xebl.vcf";
    hl::handOver(*form, app::ansiHandOverTag, "Festorin.exe \"" + noelInAnsi + "\"");
    hl::runLaterActions();
    expectBox(3, "Add 1 person from No\xebl.vcf?", platform::MbIcon::Question);
    drop({contacts});
    expectBox(4, "No new birthday in ????????.vcf.", platform::MbIcon::Information);
}

// Files that come while an address book's question is open, by any way,
// wait for its answer; each is then planned against the list as it stands,
// so that the same file offered again adds nobody twice.
TEST_F(Import, FilesThatComeDuringAQuestionWaitForItsAnswer) {
    start({zoe});
    const std::string friends = addressBook("friends.vcf", friendsCards);
    hl::duringNextBox([&] {
        hl::handOver(*form, app::utf8HandOverTag, "Festorin.exe \"" + friends + "\"");
        hl::dropFiles(*form, {friends});
        form->offerAddressBooks({friends});
        hl::runLaterActions();  // as the box's own message loop does
        EXPECT_EQ(hl::shownBoxes().size(), 1u) << "no question inside the question";
    });
    drop({friends});
    ASSERT_EQ(hl::shownBoxes().size(), 4u);
    for (std::size_t box = 1; box < 4; ++box)
        expectBox(box, "No new birthday in friends.vcf.", platform::MbIcon::Information);
    EXPECT_EQ(stored(), test_support::records({zoe, blaise, ada}));

    drop({friends});
    EXPECT_EQ(hl::shownBoxes().size(), 5u) << "offered again once the queue is done";

    // A window closed during a question offers nothing more.
    hl::answerNextBox(platform::MbResult::No);
    hl::duringNextBox([&] {
        form->offerAddressBooks({friends});
        form->close();
    });
    drop({addressBook("more.vcf", "BEGIN:VCARD\r\nFN:Carl Gauss\r\nBDAY:--0430\r\nEND:VCARD\r\n")});
    EXPECT_EQ(hl::shownBoxes().size(), 6u);
}

// The other PC imported the same file meanwhile: its list is merged at the
// save, each person once, and not read in under the question.
TEST_F(Import, AQuestionOpenAcrossATickAddsTheImportOnce) {
    start({zoe});
    const std::string friends = addressBook("friends.vcf", friendsCards);
    hl::duringNextBox([&] {
        test_support::writeBytes(dataFile("dates.txt"), test_support::records({zoe, blaise, ada}));
        hl::tick(form->checkTimer);
        EXPECT_EQ(grid(), std::vector<Person>{zoe}) << "held while the question is open";
    });
    drop({friends});
    EXPECT_EQ(grid(), (std::vector<Person>{zoe, blaise, ada}));
    EXPECT_EQ(stored(), test_support::records({zoe, blaise, ada}));
}

}  // namespace
