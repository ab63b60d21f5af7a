// Every operation of every data file's writes and reads made to fail in turn.
// A failed write leaves the previous file whole and no temporary file, tells
// the user once, and the program goes on; a failed read gives that file's
// default, and a contact file that was not read whole is never replaced.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "book/contact_record.h"
#include "book/contact_table.h"
#include "platform/application.h"
#include "test_support/headless_fixture.h"
#include "test_support/records.h"

namespace {

namespace hl = platform::headless;
using platform::fs::Op;
using test_support::Person;

const std::vector<Op> writeSteps{Op::Create, Op::Write, Op::Flush, Op::Close, Op::Replace};
const std::vector<Op> readSteps{Op::Exists, Op::OpenRead, Op::Size, Op::Read, Op::CloseRead};

std::string stepName(Op op) {
    static const std::map<Op, std::string> names{
        {Op::Exists, "exists"},  {Op::OpenRead, "open"}, {Op::Size, "size"},
        {Op::Read, "read"},      {Op::Create, "create"}, {Op::Write, "write"},
        {Op::Flush, "flush"},    {Op::Close, "close"},   {Op::Replace, "replace"},
        {Op::CloseRead, "close"}};
    return names.at(op);
}

const platform::DateTime today{2026, 12, 8, 9, 0, 0};
const platform::DateTime tomorrow{2026, 12, 9, 9, 0, 0};

// Anis is due today; Zoe and Malo are not. By surname: Malo, Anis, Zoe.
const Person zoe{"0101",       "Zoe",   "Vidal",         "",       "", "",
                 "January, 1", "Other", "The exact day", "Birtday"};
const Person anis{"1208",        "Anis",  "Perrin",        "",       "", "",
                  "December, 8", "Other", "The exact day", "Birtday"};
const Person malo{"0615",    "Malo",  "Dupuis",        "",       "", "",
                  "June,15", "Other", "The exact day", "Birtday"};

// Public, for the write cases' steps below.
class DataFileFaults : public test_support::HeadlessTest {
public:
    DataFileFaults() { freshWorld(); }

    // A new world over an empty data folder, as if the machine had just started.
    void freshWorld() {
        form.reset();
        hl::reset();
        platform::fs::clearFaults();
        hl::setAppDataFolder(appData.path());
        hl::setNow(today);
        platform::application::setTitle("Festorin");
        std::filesystem::remove_all(std::filesystem::path(appData.path()) / "FN");
        prepareDataFolder();
    }

    // Creation, then the message loop's first show and paint.
    void start() {
        form = createMainWindow();
        platform::application::run(*form);
    }

    std::optional<std::string> fileBytes(const std::string& name) const {
        if (!test_support::exists(dataFile(name))) return std::nullopt;
        return test_support::readBytes(dataFile(name));
    }
    void store(const std::string& name, const std::string& bytes) const {
        test_support::writeBytes(dataFile(name), bytes);
    }

    // Through the window, brought back from the icon first when it started hidden.
    void add(const std::string& firstName, int monthIndex, const std::string& day) {
        hl::click(form->trayRestoreItem);
        hl::click(form->addButton);
        hl::type(form->firstNameBox, firstName);
        hl::pick(form->monthList, monthIndex);
        hl::type(form->dayBox, day);
        hl::click(form->okButton);
    }
    std::vector<std::string> gridFirstNames() const {
        std::vector<std::string> names;
        for (int row = 1; row < form->peopleGrid.rowCount(); ++row)
            names.push_back(form->peopleGrid.cell(book::colFirstName, row));
        return names;
    }
    std::size_t boxes() const { return hl::shownBoxes().size(); }

    std::unique_ptr<MainWindow> form;
};

// ---- Writes ----

struct WriteCase {
    std::string file;
    // Stores the files the program starts with, starts it and readies the action.
    std::function<void(DataFileFaults&)> prepare;
    // The user's action that writes the file.
    std::function<void(DataFileFaults&)> write;
    // With the fault past: what the failed action left in memory holds, and
    // the program's next write of the file succeeds.
    std::function<void(DataFileFaults&)> goesOn;
};

class DataFileWrite : public DataFileFaults, public ::testing::WithParamInterface<WriteCase> {
protected:
    // How often the action calls each step of a write, when nothing fails.
    std::map<Op, int> callsOfEachStep() {
        freshWorld();
        GetParam().prepare(*this);
        const std::size_t boxesBefore = boxes();
        platform::fs::clearFaults();
        GetParam().write(*this);
        EXPECT_EQ(boxes(), boxesBefore) << "the action writes without a fault";
        std::map<Op, int> calls;
        for (Op op : writeSteps) calls[op] = platform::fs::callsOf(op);
        return calls;
    }

    void expectFailureHandled(Op op, int call) {
        const WriteCase& c = GetParam();
        freshWorld();
        c.prepare(*this);
        const std::optional<std::string> before = fileBytes(c.file);
        const std::size_t boxesBefore = boxes();
        platform::fs::failAfter(op, call);
        c.write(*this);
        platform::fs::clearFaults();

        EXPECT_EQ(fileBytes(c.file), before) << "the previous file stays whole";
        EXPECT_FALSE(test_support::exists(dataFile(c.file + ".tmp")));
        ASSERT_EQ(boxes(), boxesBefore + 1) << "the user is told once";
        const hl::ShownBox& box = hl::shownBoxes().back();
        EXPECT_EQ(box.caption, "Festorin");
        EXPECT_EQ(box.icon, platform::MbIcon::Error);
        EXPECT_NE(box.text.find(c.file), std::string::npos) << box.text;
        c.goesOn(*this);
    }
};

TEST_P(DataFileWrite, EveryStepOfTheWriteFailingInTurnKeepsThePreviousFile) {
    const std::map<Op, int> calls = callsOfEachStep();
    for (Op op : writeSteps) {
        ASSERT_GT(calls.at(op), 0) << stepName(op) << " is never called";
        for (int call = 0; call < calls.at(op); ++call) {
            SCOPED_TRACE(stepName(op) + " #" + std::to_string(call + 1) + " fails");
            expectFailureHandled(op, call);
        }
    }
}

const WriteCase contactFileOnOk{
    "dates.txt",
    [](DataFileFaults& t) {
        t.store("dates.txt", test_support::records({zoe, anis}));
        t.start();
    },
    [](DataFileFaults& t) { t.add("Dara", 2, "5"); },
    [](DataFileFaults& t) {
        EXPECT_EQ(t.gridFirstNames(), (std::vector<std::string>{"Zoe", "Dara", "Anis"}));
        EXPECT_FALSE(t.form->entryPanel.visible());
        const std::size_t before = t.boxes();
        t.add("Noor", 10, "1");
        EXPECT_EQ(t.boxes(), before);
        EXPECT_EQ(t.fileBytes("dates.txt")->size(), 4 * book::ContactRecord::size)
            << "the next save writes every person";
    }};

const WriteCase contactFileOnDelete{
    "dates.txt",
    [](DataFileFaults& t) {
        t.store("dates.txt", test_support::records({zoe, anis}));
        t.start();
        hl::selectRow(t.form->peopleGrid, 1);
    },
    [](DataFileFaults& t) { hl::click(t.form->deleteButton); },
    [](DataFileFaults& t) {
        EXPECT_EQ(t.gridFirstNames(), std::vector<std::string>{"Anis"});
        t.form->saveUnsavedChanges();
        EXPECT_EQ(t.fileBytes("dates.txt"), test_support::records({anis}));
    }};

const WriteCase sortOrderFile{
    "ordre_tri.txt",
    [](DataFileFaults& t) {
        t.store("dates.txt", test_support::records({zoe, anis, malo}));
        t.store("ordre_tri.txt", "1\r\n");
        t.start();
    },
    [](DataFileFaults& t) { hl::click(t.form->bySurnameItem); },
    [](DataFileFaults& t) {
        EXPECT_EQ(t.form->sortOrder, 2);
        EXPECT_EQ(t.gridFirstNames(), (std::vector<std::string>{"Malo", "Anis", "Zoe"}));
        hl::click(t.form->byEmailItem);
        EXPECT_EQ(t.fileBytes("ordre_tri.txt"), "3\r\n");
    }};

const WriteCase checkDateFile{"date_verif.txt",
                              [](DataFileFaults& t) {
                                  t.store("dates.txt", test_support::records({zoe, anis}));
                                  t.store("date_verif.txt", "07/12/2026\r\n");
                                  t.start();
                              },
                              [](DataFileFaults& t) { hl::tick(t.form->checkTimer); },
                              [](DataFileFaults& t) {
                                  EXPECT_EQ(t.form->reminderWindows().size(), 1u)
                                      << "Anis is reminded all the same";
                                  const std::size_t before = t.boxes();
                                  hl::tick(t.form->checkTimer);
                                  EXPECT_EQ(t.boxes(), before) << "the day counts as checked";
                                  hl::setNow(tomorrow);
                                  hl::tick(t.form->checkTimer);
                                  EXPECT_EQ(t.boxes(), before);
                                  EXPECT_EQ(t.fileBytes("date_verif.txt"), "09/12/2026\r\n");
                              }};

const WriteCase startHiddenMarker{"st.txt", [](DataFileFaults& t) { t.start(); },
                                  [](DataFileFaults& t) { hl::click(t.form->startInTrayItem); },
                                  [](DataFileFaults& t) {
                                      EXPECT_TRUE(t.form->startInTrayItem.checked())
                                          << "the mark shows what the user chose";
                                      hl::click(t.form->startInTrayItem);
                                      EXPECT_FALSE(t.form->startInTrayItem.checked());
                                      hl::click(t.form->startInTrayItem);
                                      EXPECT_EQ(t.fileBytes("st.txt"), "*\r\n");
                                  }};

const WriteCase missedRemindersMarker{
    "catch_up.txt", [](DataFileFaults& t) { t.start(); },
    [](DataFileFaults& t) { hl::click(t.form->showMissedRemindersItem); },
    [](DataFileFaults& t) {
        EXPECT_TRUE(t.form->showMissedRemindersItem.checked())
            << "the mark shows what the user chose";
        hl::click(t.form->showMissedRemindersItem);
        EXPECT_FALSE(t.form->showMissedRemindersItem.checked());
        hl::click(t.form->showMissedRemindersItem);
        EXPECT_EQ(t.fileBytes("catch_up.txt"), "*\r\n");
    }};

void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.file; }

std::string writeCaseName(const ::testing::TestParamInfo<WriteCase>& info) {
    static const char* const names[] = {"ContactFileOnOk",   "ContactFileOnDelete",
                                        "SortOrderFile",     "CheckDateFile",
                                        "StartHiddenMarker", "MissedRemindersMarker"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(OfEveryDataFile, DataFileWrite,
                         ::testing::Values(contactFileOnOk, contactFileOnDelete, sortOrderFile,
                                           checkDateFile, startHiddenMarker, missedRemindersMarker),
                         writeCaseName);

// ---- Reads at start ----

// Each data file holds something other than its default, so that a reader
// that falls back shows.
class DataFileRead : public DataFileFaults {
protected:
    void storeEveryFile() const {
        store("dates.txt", contacts);
        store("ordre_tri.txt", "2\r\n");
        store("date_verif.txt", "07/12/2026\r\n");
        store("st.txt", "*\r\n");
        store("catch_up.txt", "*\r\n");
    }

    // Which readers gave their default instead of what their file holds.
    std::set<std::string> readersAtTheirDefault() const {
        std::set<std::string> fellBack;
        if (form->peopleGrid.rowCount() != 4) fellBack.insert("dates.txt");
        if (form->sortOrder != 2) {
            EXPECT_EQ(form->sortOrder, 0);
            EXPECT_TRUE(form->byDateItem.checked());
            fellBack.insert("ordre_tri.txt");
        }
        if (form->lastCheckDay.day != 7) {
            EXPECT_EQ(form->lastCheckDay.year, platform::DateTime{}.year);
            fellBack.insert("date_verif.txt");
        }
        if (form->visible()) {
            EXPECT_FALSE(form->startInTrayItem.checked());
            fellBack.insert("st.txt");
        }
        if (!form->showMissedRemindersItem.checked()) fellBack.insert("catch_up.txt");
        return fellBack;
    }

    // A contact file read whole takes the next save; one that was not is
    // reported at start and then never replaced.
    void expectContactFileKept(bool readWhole, std::size_t boxesAtStart) {
        EXPECT_EQ(boxesAtStart, readWhole ? 0u : 1u);
        add("Dara", 2, "5");
        if (readWhole) {
            EXPECT_EQ(fileBytes("dates.txt")->size(), 4 * book::ContactRecord::size);
        } else {
            EXPECT_EQ(fileBytes("dates.txt"), contacts);
            EXPECT_EQ(boxes(), boxesAtStart + 1) << "the refused save is reported";
        }
    }

    const std::string contacts = test_support::records({zoe, anis, malo});
};

TEST_F(DataFileRead, EveryStepOfEveryReaderFailingInTurnGivesThatFilesDefault) {
    storeEveryFile();
    start();
    ASSERT_TRUE(readersAtTheirDefault().empty());
    ASSERT_EQ(boxes(), 0u);
    std::map<Op, int> calls;
    for (Op op : readSteps) calls[op] = platform::fs::callsOf(op);

    std::set<std::pair<std::string, Op>> defaultsSeen;
    for (Op op : readSteps) {
        for (int call = 0; call < calls.at(op); ++call) {
            SCOPED_TRACE(stepName(op) + " #" + std::to_string(call + 1) + " fails");
            freshWorld();
            storeEveryFile();
            platform::fs::failAfter(op, call);
            start();
            platform::fs::clearFaults();

            const std::set<std::string> fellBack = readersAtTheirDefault();
            EXPECT_LE(fellBack.size(), 1u) << "one failed step touches one reader";
            for (const std::string& file : fellBack) defaultsSeen.insert({file, op});
            expectContactFileKept(!fellBack.count("dates.txt"), boxes());
        }
    }

    // Every step a reader takes was seen to fail; a failed close after a
    // whole read changes nothing.
    const std::set<std::pair<std::string, Op>> expected{
        {"dates.txt", Op::OpenRead},      {"dates.txt", Op::Size},
        {"dates.txt", Op::Read},          {"ordre_tri.txt", Op::Exists},
        {"ordre_tri.txt", Op::OpenRead},  {"ordre_tri.txt", Op::Size},
        {"ordre_tri.txt", Op::Read},      {"date_verif.txt", Op::Exists},
        {"date_verif.txt", Op::OpenRead}, {"date_verif.txt", Op::Size},
        {"date_verif.txt", Op::Read},     {"st.txt", Op::Exists},
        {"catch_up.txt", Op::Exists}};
    EXPECT_EQ(defaultsSeen, expected);
}

}  // namespace
