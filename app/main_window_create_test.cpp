#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/hand_over.h"
#include "app/program.h"
#include "book/contact_table.h"
#include "platform/errors.h"
#include "test_support/headless_fixture.h"
#include "test_support/records.h"

namespace {

namespace hl = platform::headless;
using platform::headless::shownBoxes;
using test_support::record;

class StartUp : public test_support::HeadlessTest {};

TEST_F(StartUp, FirstStartWithNoDataFilesItsGridListsAndAboutBox) {
    auto form = createMainWindow();
    EXPECT_EQ(form->text(), "Festorin");
    EXPECT_EQ(form->width(), 794);
    EXPECT_EQ(form->height(), 348);
    EXPECT_TRUE(form->centered);
    EXPECT_EQ(form->dataFolder, dataFolder());
    EXPECT_TRUE(test_support::exists(dataFolder()));
    EXPECT_EQ(form->peopleGrid.rowCount(), 2);
    for (int col = 0; col < book::columnCount; ++col) EXPECT_EQ(form->peopleGrid.cell(col, 1), "");
    EXPECT_TRUE(form->addButton.visible());
    EXPECT_FALSE(form->modifyButton.visible());
    EXPECT_FALSE(form->deleteButton.visible());
    EXPECT_FALSE(form->entryPanel.visible());
    EXPECT_TRUE(form->byDateItem.checked());
    std::vector<std::string> fileMenu;
    for (const platform::MenuItem* item : form->fileMenu.items())
        fileMenu.push_back(item->caption());
    EXPECT_EQ(fileMenu, (std::vector<std::string>{"&Import...", "&Export...", "-", "&Quit"}));
    const std::vector<std::string> headers{"",        "Firstname", "Surname",      "E-mail",
                                           "Phone 1", "Phone 2",   "Day of birth", "Action",
                                           "When",    "Reason"};
    const std::vector<int> widths{0, 90, 90, 92, 90, 90, 70, 80, 80, 80};
    for (int col = 0; col < book::columnCount; ++col) {
        EXPECT_EQ(form->peopleGrid.cell(col, 0), headers[col]);
        EXPECT_EQ(form->peopleGrid.colWidth(col), widths[col]);
    }
    EXPECT_EQ(form->peopleGrid.color, 0x00BEFFFFu);
    EXPECT_EQ(form->color, 0x0099FFFFu);
    EXPECT_EQ(form->peopleGrid.height(), 289);
    EXPECT_EQ(form->monthList.itemCount(), 12);
    EXPECT_EQ(form->monthList.item(0), "January");
    EXPECT_EQ(form->monthList.item(11), "December");
    EXPECT_EQ(form->actionList.items(), (std::vector<std::string>{"Send an E-mail", "Call phone 1",
                                                                  "Call phone 2", "Other"}));
    EXPECT_EQ(form->leadTimeList.items(),
              (std::vector<std::string>{"The exact day", "1 day before", "2 days before",
                                        "3 days before", "4 days before"}));
    EXPECT_EQ(form->reasonBox.items(), (std::vector<std::string>{"Birtday", "Other"}));
    EXPECT_EQ(form->monthList.style(), platform::ComboStyle::PickOnly);
    EXPECT_EQ(form->reasonBox.style(), platform::ComboStyle::Editable);
    for (auto* box : {&form->monthList, &form->actionList, &form->leadTimeList, &form->reasonBox})
        EXPECT_EQ(box->itemIndex(), -1);
    EXPECT_TRUE(shownBoxes().empty());

    hl::click(form->aboutItem);
    ASSERT_EQ(shownBoxes().size(), 1u);
    const auto& box = shownBoxes()[0];
    EXPECT_EQ(box.caption, "About");
    EXPECT_EQ(box.icon, platform::MbIcon::Information);
    EXPECT_EQ(box.buttons, platform::MbButtons::Ok);
    EXPECT_EQ(box.text.substr(0, box.text.find("\r\n")), "Festorin v 1.0");
    EXPECT_NE(box.text.find("\r\n"), std::string::npos);
}

// A second run in the session hands its files to the first, under
// Festorin's own tag, and ends at once: no window, no icon, no data folder.
// A path ending in a backslash keeps the files after it; more files than
// one hand-over may name take two.
TEST_F(StartUp, ASecondRunHandsOverItsFilesAndTouchesNothing) {
    hl::setOtherRunRunning(true);
    hl::setCommandLineArguments({"friends.vcf", "D:\\", "b.csv"});
    EXPECT_EQ(runFestorin(), 0);
    ASSERT_EQ(hl::handedOver().size(), 1u);
    EXPECT_EQ(hl::handedOver()[0].tag, app::utf8HandOverTag);
    EXPECT_EQ(hl::handedOver()[0].data,
              "\"C:\\Program Files\\Festorin\\Festorin.exe\" \"friends.vcf\" \"D:\\\\\" \"b.csv\"");
    EXPECT_EQ(app::commandLineArguments(hl::handedOver()[0].data),
              (std::vector<std::string>{"friends.vcf", "D:\\", "b.csv"}));
    EXPECT_EQ(hl::createdForm(), nullptr);
    EXPECT_TRUE(hl::trayCalls().empty());
    EXPECT_FALSE(test_support::exists(dataFolder()));

    std::vector<std::string> manyFiles;
    for (int i = 0; i < 150; ++i) manyFiles.push_back(std::to_string(i) + ".vcf");
    hl::setCommandLineArguments(manyFiles);
    EXPECT_EQ(runFestorin(), 0);
    ASSERT_EQ(hl::handedOver().size(), 3u);
    EXPECT_EQ(app::commandLineArguments(hl::handedOver()[1].data).size(), 100u);
    EXPECT_EQ(app::commandLineArguments(hl::handedOver()[2].data).front(), "100.vcf");
    EXPECT_EQ(app::commandLineArguments(hl::handedOver()[2].data).size(), 50u);
    EXPECT_TRUE(shownBoxes().empty());

    hl::setOtherRunRunning(false);
    EXPECT_EQ(runFestorin(), 0);
    EXPECT_NE(hl::createdForm(), nullptr);
    EXPECT_TRUE(test_support::exists(dataFolder()));
    EXPECT_EQ(hl::handedOver().size(), 3u);
}

// A first run that does not answer is told of in a box, and so is one whose
// window does not appear in its time; one that has ended meanwhile leaves
// the second run to start as the first, with its files.
TEST_F(StartUp, AHandOverThatFailsIsToldOrTheSecondRunStartsInstead) {
    using platform::application::HandOverResult;
    hl::setOtherRunRunning(true);
    hl::answerHandOvers(HandOverResult::NotTaken);
    EXPECT_EQ(runFestorin(), 0);
    hl::setCommandLineArguments({"gone.vcf"});
    hl::answerHandOvers(HandOverResult::NoWindow);
    EXPECT_EQ(runFestorin(), 0);
    EXPECT_GE(hl::pausedMs(), 10000);
    ASSERT_EQ(shownBoxes().size(), 2u);
    EXPECT_EQ(shownBoxes()[0].text,
              "Festorin is already running but does not answer. Try again in a moment.");
    EXPECT_EQ(shownBoxes()[1].text,
              "Festorin is already running but does not answer, so the files were not given "
              "to it. Try again in a moment.");
    for (const hl::ShownBox& box : shownBoxes()) {
        EXPECT_EQ(box.caption, "Festorin");
        EXPECT_EQ(box.icon, platform::MbIcon::Exclamation);
    }
    EXPECT_EQ(hl::createdForm(), nullptr);

    hl::duringNextHandOver([] { hl::setOtherRunRunning(false); });
    EXPECT_EQ(runFestorin(), 0);
    EXPECT_NE(hl::createdForm(), nullptr);
    ASSERT_EQ(shownBoxes().size(), 3u);
    EXPECT_EQ(shownBoxes()[2].text.substr(0, 29), "gone.vcf could not be opened:");
}

TEST_F(StartUp, ShowsThePeopleOfTheContactFileInFileOrder) {
    prepareDataFolder();
    test_support::writeBytes(dataFile("dates.txt"),
                             record("0101", "Anis") + record("0305", "Dara") +
                                 record("1224", "Noe") + std::string(100, 'z'));
    auto form = createMainWindow();
    ASSERT_EQ(form->peopleGrid.rowCount(), 4);
    EXPECT_EQ(form->peopleGrid.cell(book::colFirstName, 1), "Anis");
    EXPECT_EQ(form->peopleGrid.cell(book::colFirstName, 3), "Noe");
    EXPECT_TRUE(form->modifyButton.visible());
    EXPECT_TRUE(form->deleteButton.visible());
    EXPECT_TRUE(shownBoxes().empty());
}

TEST_F(StartUp, AnEmptyContactFileKeepsModifyAndDeleteHidden) {
    prepareDataFolder();
    test_support::writeBytes(dataFile("dates.txt"), "");
    auto form = createMainWindow();
    EXPECT_EQ(form->peopleGrid.rowCount(), 2);
    EXPECT_FALSE(form->modifyButton.visible());
}

TEST_F(StartUp, AnUnreadableContactFileIsReportedAndNeverWrittenOver) {
    prepareDataFolder();
    const std::string stored = record("0101", "Anis") + record("0305", "Dara");
    test_support::writeBytes(dataFile("dates.txt"), stored);
    platform::fs::failAfter(platform::fs::Op::OpenRead);
    auto form = createMainWindow();

    ASSERT_EQ(shownBoxes().size(), 1u);
    EXPECT_EQ(shownBoxes()[0].caption, "Festorin");
    EXPECT_EQ(shownBoxes()[0].icon, platform::MbIcon::Error);
    EXPECT_NE(shownBoxes()[0].text.find("could not be read"), std::string::npos);
    EXPECT_EQ(form->peopleGrid.rowCount(), 2);
    EXPECT_EQ(form->peopleGrid.cell(book::colFirstName, 0), "Firstname")
        << "the other steps still ran";

    form->peopleGrid.setCell(book::colKey, 1, "0909");
    form->peopleGrid.setCell(book::colFirstName, 1, "New");
    EXPECT_THROW(form->saveContacts(), platform::IoError);
    EXPECT_EQ(test_support::readBytes(dataFile("dates.txt")), stored);
}

TEST_F(StartUp, AReadFailingPartWayKeepsWhatWasReadAndRefusesToSave) {
    prepareDataFolder();
    std::string stored;
    for (int i = 0; i < 600; ++i) stored += record("0101", "P" + std::to_string(i));
    test_support::writeBytes(dataFile("dates.txt"), stored);
    platform::fs::failAfter(platform::fs::Op::Read, 1);
    auto form = createMainWindow();
    EXPECT_EQ(shownBoxes().size(), 1u);
    EXPECT_GT(form->peopleGrid.rowCount(), 2);
    EXPECT_THROW(form->saveContacts(), platform::IoError);
    EXPECT_EQ(test_support::readBytes(dataFile("dates.txt")), stored);
}

}  // namespace
