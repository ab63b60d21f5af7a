#include <gtest/gtest.h>

#include <algorithm>

#include "book/contact_file.h"
#include "book/contact_table.h"
#include "platform/file_faults.h"
#include "test_support/headless_fixture.h"

namespace {

using platform::headless::shownBoxes;

class OrderMenu : public test_support::HeadlessTest {
protected:
    // Four people whose four orders all differ, stored in none of them.
    void storePeople() {
        prepareDataFolder();
        platform::StringGrid grid(nullptr, book::columnCount);
        grid.setRowCount(4);
        person(grid, 1, "1224", "Noe", "Abel", "b@x");
        person(grid, 2, "0305", "anis", "Bach", "");
        person(grid, 3, "0101", "Dara", "Zola", "a@x");
        book::writeContactFile(dataFile("dates.txt"), grid);
        contactFile = test_support::readBytes(dataFile("dates.txt"));
    }

    static void person(platform::StringGrid& grid, int row, const char* key, const char* first,
                       const char* surname, const char* email) {
        grid.setCell(book::colKey, row, key);
        grid.setCell(book::colFirstName, row, first);
        grid.setCell(book::colSurname, row, surname);
        grid.setCell(book::colEmail, row, email);
        grid.setCell(book::colShownDate, row, "March, 5");
    }

    static std::vector<std::string> firstNames(const MainWindow& form) {
        std::vector<std::string> names;
        for (int row = 1; row < form.peopleGrid.rowCount(); ++row)
            names.push_back(form.peopleGrid.cell(book::colFirstName, row));
        return names;
    }

    static std::vector<bool> checkMarks(const MainWindow& form) {
        return {form.byDateItem.checked(), form.byFirstNameItem.checked(),
                form.bySurnameItem.checked(), form.byEmailItem.checked()};
    }

    void storeSortOrder(const std::string& bytes) {
        test_support::writeBytes(dataFile("ordre_tri.txt"), bytes);
    }

    // By date, the order every start falls back on.
    void expectByDate(const MainWindow& form) {
        EXPECT_EQ(form.sortOrder, 0);
        EXPECT_EQ(checkMarks(form), (std::vector<bool>{true, false, false, false}));
        EXPECT_EQ(firstNames(form), (std::vector<std::string>{"Dara", "anis", "Noe"}));
    }

    std::string contactFile;
};

const std::vector<std::string> byFirstName{"Dara", "Noe", "anis"};
const std::vector<std::string> bySurname{"Noe", "anis", "Dara"};
const std::vector<std::string> byEmail{"anis", "Dara", "Noe"};

TEST_F(OrderMenu, EachItemSortsChecksItselfAndStoresItsDigit) {
    storePeople();
    auto form = createMainWindow();
    expectByDate(*form);

    struct Choice {
        platform::MenuItem& item;
        std::vector<std::string> names;
        std::vector<bool> marks;
    };
    const std::vector<Choice> choices{
        {form->byEmailItem, byEmail, {false, false, false, true}},
        {form->byFirstNameItem, byFirstName, {false, true, false, false}},
        {form->bySurnameItem, bySurname, {false, false, true, false}},
        {form->bySurnameItem, bySurname, {false, false, true, false}},
        {form->byDateItem, {"Dara", "anis", "Noe"}, {true, false, false, false}},
    };
    for (const Choice& choice : choices) {
        platform::headless::click(choice.item);
        const int order = static_cast<int>(
            std::find(choice.marks.begin(), choice.marks.end(), true) - choice.marks.begin());
        SCOPED_TRACE(choice.item.caption());
        EXPECT_EQ(form->sortOrder, order);
        EXPECT_EQ(checkMarks(*form), choice.marks);
        EXPECT_EQ(firstNames(*form), choice.names);
        EXPECT_EQ(test_support::readBytes(dataFile("ordre_tri.txt")),
                  std::to_string(order) + "\r\n");
    }
    EXPECT_EQ(test_support::readBytes(dataFile("dates.txt")), contactFile)
        << "the contact file keeps the order of the last edit";
    EXPECT_FALSE(test_support::exists(dataFile("ordre_tri.txt.tmp")));
    EXPECT_TRUE(shownBoxes().empty());
}

TEST_F(OrderMenu, ARestartSortsByTheStoredOrder) {
    storePeople();
    {
        auto form = createMainWindow();
        platform::headless::click(form->bySurnameItem);
    }
    ASSERT_EQ(test_support::readBytes(dataFile("ordre_tri.txt")), "2\r\n");
    auto form = createMainWindow();
    EXPECT_EQ(form->sortOrder, 2);
    EXPECT_EQ(checkMarks(*form), (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(firstNames(*form), bySurname);
}

TEST_F(OrderMenu, FirstLineOnlyCountsWhateverLineEndFollows) {
    storePeople();
    const std::vector<std::pair<std::string, std::vector<std::string>>> files{
        {"3", byEmail}, {"1\n9\r\n", byFirstName}, {" 2\r\r\n", bySurname}};
    for (const auto& [bytes, names] : files) {
        storeSortOrder(bytes);
        auto form = createMainWindow();
        EXPECT_EQ(firstNames(*form), names) << bytes;
    }
    EXPECT_TRUE(shownBoxes().empty());
}

TEST_F(OrderMenu, AFirstLineThatIsNoNumberIsReportedAndThePeopleAreStillRead) {
    storePeople();
    for (const std::string bytes : {"two\r\n1\r\n", "", "\r\n3", "2 \r\n", "2147483648"}) {
        SCOPED_TRACE(bytes);
        storeSortOrder(bytes);
        const std::size_t boxesBefore = shownBoxes().size();
        auto form = createMainWindow();
        ASSERT_EQ(shownBoxes().size(), boxesBefore + 1);
        const std::string line = bytes.substr(0, bytes.find_first_of("\r\n"));
        EXPECT_NE(shownBoxes().back().text.find("'" + line + "'"), std::string::npos)
            << shownBoxes().back().text;
        EXPECT_EQ(shownBoxes().back().caption, "Festorin");
        EXPECT_EQ(shownBoxes().back().icon, platform::MbIcon::Error);
        expectByDate(*form);
        EXPECT_TRUE(form->modifyButton.visible());
    }
}

// So does a file that cannot be opened.
TEST_F(OrderMenu, ANumberOutsideTheFourOrdersMeansByDateSilently) {
    storePeople();
    for (const std::string bytes : {"4\r\n", "-1\r\n", "12", "0\r\n"}) {
        SCOPED_TRACE(bytes);
        storeSortOrder(bytes);
        auto form = createMainWindow();
        expectByDate(*form);
    }
    storeSortOrder("2\r\n");
    platform::fs::failAfter(platform::fs::Op::OpenRead);
    auto form = createMainWindow();
    expectByDate(*form);
    EXPECT_TRUE(shownBoxes().empty());
}

TEST_F(OrderMenu, AFailedWriteIsReportedWithTheNewOrderAlreadyShown) {
    storePeople();
    auto form = createMainWindow();
    platform::headless::click(form->byFirstNameItem);
    for (platform::fs::Op failing : {platform::fs::Op::Create, platform::fs::Op::Write,
                                     platform::fs::Op::Flush, platform::fs::Op::Replace}) {
        platform::headless::click(form->byFirstNameItem);
        const std::size_t boxesBefore = shownBoxes().size();
        platform::fs::failAfter(failing);
        platform::headless::click(form->bySurnameItem);

        ASSERT_EQ(shownBoxes().size(), boxesBefore + 1);
        EXPECT_NE(shownBoxes().back().text.find("ordre_tri.txt"), std::string::npos);
        EXPECT_EQ(form->sortOrder, 2);
        EXPECT_EQ(checkMarks(*form), (std::vector<bool>{false, false, true, false}));
        EXPECT_EQ(firstNames(*form), bySurname);
        EXPECT_EQ(test_support::readBytes(dataFile("ordre_tri.txt")), "1\r\n");
        EXPECT_FALSE(test_support::exists(dataFile("ordre_tri.txt.tmp")));
    }
}

}  // namespace
