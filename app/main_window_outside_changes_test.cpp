// The data files changed from outside, as a sync engine replaces them when
// another PC's Festorin saved: reloads, merges before a save, a file caught
// while it is written, and the settings taken at the next tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "book/contact_record.h"
#include "book/contact_table.h"
#include "platform/application.h"
#include "test_support/headless_fixture.h"
#include "test_support/records.h"

namespace {

namespace hl = platform::headless;
using Row = std::vector<std::string>;
using Rows = std::vector<Row>;
using platform::fs::Op;

Row person(const std::string& key, const std::string& firstName, const std::string& shown,
           const std::string& phone = "") {
    return {key, firstName, "Smith", "", phone, "", shown, "Other", "The exact day", "Birtday"};
}

const Row ann = person("0101", "Ann", "January, 1");
const Row bob = person("0202", "Bob", "February, 2");
const Row cid = person("0303", "Cid", "March, 3");
const Row dee = person("0404", "Dee", "April, 4");

std::filesystem::path onDisk(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

class OutsideChanges : public test_support::HeadlessTest {
protected:
    void start(const Rows& people) {
        prepareDataFolder();
        storeFromOutside(people);
        form = createMainWindow();
        platform::application::run(*form);
    }

    // As a sync engine does it: a temporary file renamed over the old one.
    void storeFromOutside(const Rows& people) const { storeBytesFromOutside(records(people)); }
    void storeBytesFromOutside(const std::string& bytes) const {
        test_support::writeBytes(contactFile() + ".sync", bytes);
        std::filesystem::rename(onDisk(contactFile() + ".sync"), onDisk(contactFile()));
    }
    static std::string records(const Rows& people) { return test_support::records(people); }

    std::string contactFile() const { return dataFile("dates.txt"); }

    Rows stored() const {
        const std::string bytes = test_support::readBytes(contactFile());
        return test_support::peopleOfRecords(bytes);
    }
    Rows grid() const { return rowsOf(form->peopleGrid); }

    void add(const std::string& firstName, int monthIndex, const std::string& day) {
        hl::click(form->addButton);
        hl::type(form->firstNameBox, firstName);
        hl::pick(form->monthList, monthIndex);
        hl::type(form->dayBox, day);
        hl::click(form->okButton);
    }
    void modifyPhone(int row, const std::string& phone) {
        hl::selectRow(form->peopleGrid, row);
        hl::click(form->modifyButton);
        hl::type(form->phone1Box, phone);
        hl::click(form->okButton);
    }
    void tick() { hl::tick(form->checkTimer); }
    std::size_t boxes() const { return hl::shownBoxes().size(); }

    std::unique_ptr<MainWindow> form;
};

using Names = std::vector<std::string>;
Names firstNames(const Rows& rows) {
    Names names;
    for (const Row& row : rows) names.push_back(row[book::colFirstName]);
    return names;
}

Row withPhone(Row row, const std::string& phone) {
    row[book::colPhone1] = phone;
    return row;
}

TEST_F(OutsideChanges, AFileChangedWithNothingUnsavedIsReloadedAtTheTickKeepingSelectionAndPanel) {
    start({ann, bob, dee});
    hl::selectRow(form->peopleGrid, 3);
    hl::click(form->modifyButton);
    hl::selectRow(form->peopleGrid, 2);
    storeFromOutside({ann, bob, cid, dee});
    tick();

    EXPECT_EQ(grid(), (Rows{ann, bob, cid, dee}));
    EXPECT_EQ(boxes(), 0u);
    EXPECT_EQ(form->peopleGrid.row(), 2) << "Bob stays selected";
    EXPECT_EQ(form->editedRow, 4) << "the panel still modifies Dee";
    EXPECT_TRUE(form->entryPanel.visible());
    hl::type(form->phone1Box, "9");
    hl::click(form->okButton);
    EXPECT_EQ(stored(), (Rows{ann, bob, cid, withPhone(dee, "9")}));
}

TEST_F(OutsideChanges, APersonBeingModifiedAndDeletedOnTheOtherPcIsAddedBackByOk) {
    start({ann, bob});
    hl::selectRow(form->peopleGrid, 2);
    hl::click(form->modifyButton);
    storeFromOutside({ann});
    tick();
    EXPECT_EQ(form->entryMode, MainWindow::panelAdding);
    EXPECT_EQ(form->entryPanel.text(), " Add ");
    hl::type(form->phone1Box, "7");
    hl::click(form->okButton);
    EXPECT_EQ(stored(), (Rows{ann, withPhone(bob, "7")}));
}

TEST_F(OutsideChanges, AFileWithTheSameSizeAndTimeButOtherBytesIsStillNoticed) {
    start({ann});
    const auto time = std::filesystem::last_write_time(onDisk(contactFile()));
    storeFromOutside({bob});
    std::filesystem::last_write_time(onDisk(contactFile()), time);
    tick();
    EXPECT_EQ(grid(), Rows{bob});
    EXPECT_FALSE(form->deleteButton.visible()) << "Ann, who was selected, is gone";
    EXPECT_EQ(form->peopleGrid.row(), 0) << "nothing selected: a click on any row is a choice";
    hl::selectRow(form->peopleGrid, 1);
    EXPECT_TRUE(form->deleteButton.visible());
}

TEST_F(OutsideChanges, ASaveMergesWhatBothSidesDidAndSaysNothingWithoutAConflict) {
    start({ann, bob, cid});
    storeFromOutside({ann, withPhone(bob, "1"), cid, dee});  // Bob changed, Dee added
    hl::selectRow(form->peopleGrid, 2);
    hl::click(form->deleteButton);  // Bob deleted here
    EXPECT_EQ(stored(), (Rows{ann, withPhone(bob, "1"), cid, dee}))
        << "a change on one side outlives a deletion on the other";
    EXPECT_EQ(grid(), stored());

    storeFromOutside({ann, withPhone(bob, "1"), dee});  // Cid deleted there
    hl::selectRow(form->peopleGrid, 3);
    hl::click(form->deleteButton);  // and here
    add("Eve", 4, "5");
    EXPECT_EQ(stored().size(), 4u);
    EXPECT_EQ(grid(), stored());
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(OutsideChanges, APersonChangedDifferentlyOnBothSidesKeepsBothAndIsNamedOnce) {
    start({ann, bob});
    storeFromOutside({ann, withPhone(bob, "1")});
    modifyPhone(2, "2");
    EXPECT_EQ(stored(), (Rows{ann, withPhone(bob, "1"), withPhone(bob, "2")}));
    ASSERT_EQ(boxes(), 1u);
    const hl::ShownBox& box = hl::shownBoxes()[0];
    EXPECT_EQ(box.icon, platform::MbIcon::Information);
    EXPECT_NE(box.text.find("Both versions were kept"), std::string::npos);
    EXPECT_NE(box.text.find("Bob Smith"), std::string::npos);
    EXPECT_EQ(box.text.find("Ann Smith"), std::string::npos);
}

TEST_F(OutsideChanges, AFileCaughtWhileWrittenIsWaitedForAndADamagedOneRefusesTheSave) {
    start({ann});
    storeFromOutside({ann, bob});
    platform::fs::failAfter(Op::OpenRead);  // held by the sync engine for a moment
    add("Cid", 2, "3");
    EXPECT_EQ(firstNames(stored()), (Names{"Ann", "Bob", "Cid"}));
    EXPECT_GT(hl::pausedMs(), 0);
    const Rows three = stored();

    // A writer that is still at work, a little more at each look.
    std::string cut = records({ann, bob, cid, dee}).substr(0, 3 * 364 + 100);
    storeBytesFromOutside(cut);
    hl::duringEachPause([&] { storeBytesFromOutside(cut += 'x'); });
    tick();
    EXPECT_EQ(grid(), three) << "a file cut short is not taken";
    add("Eve", 4, "5");
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(hl::shownBoxes()[0].icon, platform::MbIcon::Error);
    EXPECT_NE(hl::shownBoxes()[0].text.find("could not be read whole"), std::string::npos);
    EXPECT_GE(hl::pausedMs(), 2000);
    EXPECT_EQ(test_support::readBytes(contactFile()), cut) << "never saved over";

    hl::duringEachPause(nullptr);
    Rows four = three;
    four.push_back(dee);
    storeFromOutside(four);
    form->saveUnsavedChanges();
    EXPECT_EQ(stored().size(), 5u) << "Dee from there, Eve from here";
    EXPECT_EQ(boxes(), 1u);
}

TEST_F(OutsideChanges, AFileCaughtWhileTheEngineWritesItIsTakenOnlyOnceSettledAndNobodyIsLost) {
    const Row fay = person("0606", "Fay", "June, 6");
    const std::string zeroRecords(2 * 364, '\0');
    struct Case {
        const char* what;
        std::string caught;  // what the look finds first
        bool missing;
    };
    const Case cases[] = {
        {"cut at a record boundary", records({ann, bob}), false},
        {"emptied before it is written again", "", false},
        {"a length set before the bytes came", records({ann, bob}) + zeroRecords, false},
        {"deleted before the other version is renamed over it", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start({ann, bob, cid, dee});
        if (c.missing)
            std::filesystem::remove(onDisk(contactFile()));
        else
            storeBytesFromOutside(c.caught);
        // The other PC's version, whole, comes during the first pause.
        hl::duringEachPause([&] {
            storeFromOutside({ann, bob, cid, dee, fay});
            hl::duringEachPause(nullptr);
        });
        tick();
        EXPECT_EQ(grid(), (Rows{ann, bob, cid, dee})) << "not taken before it settled";
        EXPECT_EQ(boxes(), 0u);
        storeBytesFromOutside(c.caught);
        if (c.missing) std::filesystem::remove(onDisk(contactFile()));
        hl::duringEachPause([&] {
            storeFromOutside({ann, bob, cid, dee, fay});
            hl::duringEachPause(nullptr);
        });
        add("Eve", 4, "5");
        EXPECT_EQ(firstNames(stored()), (Names{"Ann", "Bob", "Cid", "Dee", "Eve", "Fay"}));
        EXPECT_EQ(boxes(), 0u);
        form.reset();
        hl::reset();
        hl::setAppDataFolder(appData.path());
    }
}

TEST_F(OutsideChanges, ASettledFileEndingInPartOfARecordIsTakenWithItsWholeRecords) {
    start({ann});
    storeBytesFromOutside(records({ann, bob}) + "tail");
    tick();
    EXPECT_EQ(grid(), (Rows{ann, bob}));
    add("Cid", 2, "3");
    EXPECT_EQ(firstNames(stored()), (Names{"Ann", "Bob", "Cid"}))
        << "a damaged file does not block every save";
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(OutsideChanges, AListThatLostMostOfItsPeopleIsTakenOnlyWhenTheUserSaysSo) {
    Rows twelve;
    for (int i = 0; i < 12; ++i)
        twelve.push_back(person("1208", "P" + std::to_string(i), "December, 8"));
    struct Case {
        const char* what;
        Rows before, after;
        std::optional<platform::MbResult> answer;  // none: no question
        bool addsHere = false;                     // Eve added here meets it, not a tick
    };
    const Case cases[] = {
        {"emptied, No", {ann, bob}, {}, platform::MbResult::No},
        {"emptied, then an Add here, No", {ann, bob}, {}, platform::MbResult::No, true},
        {"emptied, Yes", {ann, bob}, {}, platform::MbResult::Yes},
        {"more than half of ten or more", twelve, Rows(twelve.begin(), twelve.begin() + 5),
         platform::MbResult::No},
        {"half of ten or more", twelve, Rows(twelve.begin(), twelve.begin() + 6), std::nullopt},
        {"one of two", {ann, bob}, {ann}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        hl::setNow({2026, 12, 8, 9, 0, 0});
        prepareDataFolder();
        test_support::writeBytes(dataFile("date_verif.txt"), "07/12/2026\r\n");
        start(c.before);
        storeFromOutside(c.after);
        const std::size_t added = c.addsHere ? 1 : 0;
        if (c.answer) {
            hl::answerNextBox(*c.answer);
            if (!c.addsHere)
                hl::duringNextBox([&] { EXPECT_EQ(grid(), c.before) << "shown while asked"; });
        }
        if (c.addsHere)
            add("Eve", 11, "9");
        else
            tick();
        ASSERT_EQ(boxes(), c.answer ? 1u : 0u);
        const bool kept = c.answer == platform::MbResult::No;
        if (c.answer) {
            EXPECT_EQ(hl::shownBoxes()[0].text,
                      "The list in \"" + contactFile() + "\" now holds " +
                          std::to_string(c.after.size() + added) + " people instead of " +
                          std::to_string(c.before.size() + added) + ". Take it as it is?");
        }
        EXPECT_EQ(grid().size(), (kept ? c.before : c.after).size() + added +
                                     (kept || !c.after.empty() || c.addsHere ? 0 : 1));
        if (c.addsHere)
            EXPECT_EQ(firstNames(stored()), (Names{"Ann", "Bob", "Eve"}));
        else
            EXPECT_EQ(stored(), kept ? c.before : c.after) << "No saves this PC's list";
        form.reset();
        hl::reset();
        hl::setAppDataFolder(appData.path());
    }
}

TEST_F(OutsideChanges, AChangeThatCannotBeSavedIsTriedAtEachTickAndKeptAcrossARestart) {
    start({ann, bob});
    std::string writing = records({ann, bob}) + "x";
    storeBytesFromOutside(writing);
    hl::duringEachPause([&] { storeBytesFromOutside(writing += 'x'); });
    add("Cid", 2, "3");
    tick();
    form->saveUnsavedChanges();
    EXPECT_EQ(boxes(), 2u) << "the refused add and the refused save at the end";
    form.reset();
    hl::duringEachPause(nullptr);
    storeFromOutside({ann, bob, dee});
    form = createMainWindow();
    platform::application::run(*form);
    EXPECT_EQ(firstNames(stored()), (Names{"Ann", "Bob", "Cid", "Dee"}));
    EXPECT_EQ(grid(), stored());
    EXPECT_FALSE(test_support::exists(dataFile("dates.unsaved")));

    storeBytesFromOutside(writing);
    hl::duringEachPause([&] { storeBytesFromOutside(writing += 'x'); });
    add("Eve", 4, "5");
    hl::duringEachPause(nullptr);
    storeFromOutside({ann, bob, dee, cid});
    tick();
    EXPECT_EQ(firstNames(stored()), (Names{"Ann", "Bob", "Cid", "Dee", "Eve"}))
        << "saved at the tick";
    EXPECT_EQ(boxes(), 3u);
}

TEST_F(OutsideChanges, AnAddedPersonOutlivesAFailedWriteAfterAChangeFromOutside) {
    start({ann});
    storeFromOutside({ann, bob});
    platform::fs::failAfter(Op::Write);
    add("Cid", 2, "3");
    tick();
    EXPECT_EQ(firstNames(grid()), (Names{"Ann", "Bob", "Cid"}));
    EXPECT_EQ(firstNames(stored()), (Names{"Ann", "Bob", "Cid"})) << "saved again at the tick";
}

TEST_F(OutsideChanges, TheSelectionAndTheEditedPersonFollowEverySortAndReload) {
    const Row abe = person("0909", "Abe", "September, 9");
    start({ann, bob, abe});
    hl::selectRow(form->peopleGrid, 3);
    test_support::writeBytes(dataFile("ordre_tri.txt"), "1\r\n");
    tick();
    EXPECT_EQ(grid(), (Rows{abe, ann, bob}));
    EXPECT_EQ(form->peopleGrid.row(), 1) << "Abe stays selected";
    storeFromOutside({bob, abe, ann});
    tick();
    EXPECT_EQ(form->peopleGrid.row(), 1) << "a reload in another order too";
    hl::click(form->deleteButton);
    EXPECT_EQ(stored(), (Rows{ann, bob}));
}

TEST_F(OutsideChanges, AnEditOpenWhileTheOtherPcChangesThatPersonKeepsBothAndSaysSo) {
    start({ann, bob});
    hl::selectRow(form->peopleGrid, 2);
    hl::click(form->modifyButton);
    storeFromOutside({ann, withPhone(bob, "1")});
    tick();
    EXPECT_EQ(form->entryMode, MainWindow::panelModifying);
    hl::type(form->phone1Box, "2");
    hl::click(form->okButton);
    EXPECT_EQ(stored(), (Rows{ann, withPhone(bob, "1"), withPhone(bob, "2")}));
    ASSERT_EQ(boxes(), 1u);
    EXPECT_NE(hl::shownBoxes()[0].text.find("Bob Smith"), std::string::npos);
}

TEST_F(OutsideChanges, TheSyncEnginesConflictCopiesAreMergedOnceAndSetAside) {
    const Row eve = person("0505", "Eve", "May, 5");
    const Row fay = person("0606", "Fay", "June, 6");
    const std::string dropbox = "dates (Ann's conflicted copy 2026-12-11).txt";
    const std::string syncthing = "dates.sync-conflict-20261211-101010-ABCDEFG.txt";
    const std::string unreadable = "dates (1).txt";
    start({ann, bob});
    test_support::writeBytes(dataFile(dropbox), records({ann, bob, eve}));
    test_support::writeBytes(dataFile(syncthing), records({ann, fay}));
    test_support::writeBytes(dataFile(unreadable), records({cid}) + std::string(364, '\0'));
    test_support::writeBytes(dataFile("dates.txt.bak"), records({dee}));
    tick();
    EXPECT_EQ(firstNames(stored()), (Names{"Ann", "Bob", "Eve", "Fay"}))
        << "Bob, whom a copy lacks, stays";
    EXPECT_EQ(grid(), stored());
    ASSERT_EQ(boxes(), 2u);
    for (const hl::ShownBox& box : hl::shownBoxes()) {
        EXPECT_EQ(box.icon, platform::MbIcon::Information);
        EXPECT_EQ(box.text.find("Festorin merged a copy of the list that the sync engine had set "
                                "aside: dates"),
                  0u);
    }
    const std::string said = hl::shownBoxes()[0].text + hl::shownBoxes()[1].text;
    EXPECT_NE(said.find(".\r\n\r\nEve Smith\r\n"), std::string::npos);
    EXPECT_NE(said.find(".\r\n\r\nFay Smith\r\n"), std::string::npos);
    const std::string setAside = dataFile("merged conflict copies\\");
    EXPECT_TRUE(test_support::exists(setAside + dropbox));
    EXPECT_TRUE(test_support::exists(setAside + syncthing));
    EXPECT_FALSE(test_support::exists(dataFile(dropbox)));
    EXPECT_TRUE(test_support::exists(dataFile(unreadable))) << "left where it is";
    EXPECT_TRUE(test_support::exists(dataFile("dates.txt.bak")));

    test_support::writeBytes(dataFile(dropbox), records({ann, bob, eve}));
    tick();
    EXPECT_EQ(boxes(), 2u) << "the same copy again adds nobody and says nothing";
    EXPECT_EQ(stored().size(), 4u);
    EXPECT_TRUE(
        test_support::exists(setAside + "dates (Ann's conflicted copy 2026-12-11) (2).txt"));
}

TEST_F(OutsideChanges, AListUnreadableAtStartIsMergedWhenATickReadsItWhole) {
    for (const bool changedHere : {false, true}) {
        SCOPED_TRACE(changedHere ? "a change refused meanwhile" : "nothing changed here");
        std::filesystem::remove_all(onDisk(dataFolder()));
        prepareDataFolder();
        storeFromOutside({ann, bob});
        platform::fs::clearFaults();
        platform::fs::failAfter(Op::Read);
        form = createMainWindow();
        platform::application::run(*form);
        ASSERT_EQ(boxes(), 1u);
        if (changedHere) add("Cid", 2, "3");
        tick();
        add("Dee", 3, "4");
        EXPECT_EQ(boxes(), changedHere ? 2u : 1u) << "the next add is saved without another box";
        EXPECT_EQ(firstNames(stored()),
                  changedHere ? (Names{"Ann", "Bob", "Cid", "Dee"}) : (Names{"Ann", "Bob", "Dee"}));
        form.reset();
        hl::reset();
        hl::setAppDataFolder(appData.path());
    }
}

TEST_F(OutsideChanges, AMergeBeyondTheFullListKeepsTheFirstAndNamesTheRest) {
    Rows people;
    for (int i = 0; i < book::maxPeople - 1; ++i)
        people.push_back(person("0101", "P" + std::to_string(i), "January, 1"));
    start(people);
    people.push_back(person("0101", "There", "January, 1"));
    storeFromOutside(people);
    add("Here", 0, "1");
    EXPECT_EQ(form->peopleGrid.rowCount() - 1, book::maxPeople);
    EXPECT_EQ(stored().size(), static_cast<std::size_t>(book::maxPeople));
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(hl::shownBoxes()[0].icon, platform::MbIcon::Error);
    EXPECT_NE(hl::shownBoxes()[0].text.find("\r\nHere\r\n"), std::string::npos);
}

TEST_F(OutsideChanges, TheSettingsWrittenOnTheOtherPcAreTakenAtTheTick) {
    start({bob, ann});
    test_support::writeBytes(dataFile("ordre_tri.txt"), "1\r\n");
    test_support::writeBytes(dataFile("st.txt"), "*\r\n");
    test_support::writeBytes(dataFile("catch_up.txt"), "*\r\n");
    tick();
    EXPECT_EQ(form->sortOrder, 1);
    EXPECT_TRUE(form->byFirstNameItem.checked());
    EXPECT_FALSE(form->byDateItem.checked());
    EXPECT_EQ(grid(), (Rows{ann, bob}));
    EXPECT_TRUE(form->startInTrayItem.checked());
    EXPECT_TRUE(form->showMissedRemindersItem.checked());

    test_support::writeBytes(dataFile("ordre_tri.txt"), "x\r\n");
    std::filesystem::remove(onDisk(dataFile("st.txt")));
    tick();
    EXPECT_EQ(form->sortOrder, 1) << "a line that is no number leaves the order";
    EXPECT_FALSE(form->startInTrayItem.checked());
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(OutsideChanges, ADayCheckedOnTheOtherPcIsNeitherCheckedNorCaughtUpAgain) {
    const Row dueToday = person("1208", "Anis", "December, 8");
    const Row dueYesterday = person("1207", "Noor", "December, 7");
    prepareDataFolder();
    test_support::writeBytes(dataFile("date_verif.txt"), "05/12/2026\r\n");
    test_support::writeBytes(dataFile("catch_up.txt"), "*\r\n");
    hl::setNow({2026, 12, 8, 9, 0, 0});
    start({dueToday, dueYesterday});
    test_support::writeBytes(dataFile("date_verif.txt"), "08/12/2026\r\n");
    tick();
    EXPECT_TRUE(form->reminderWindows().empty());

    hl::setNow({2026, 12, 9, 9, 0, 0});
    test_support::writeBytes(dataFile("date_verif.txt"), "12/12/2026\r\n");
    tick();
    EXPECT_EQ(test_support::readBytes(dataFile("date_verif.txt")), "09/12/2026\r\n")
        << "a day after today is another clock's: today is checked";
}

}  // namespace
