#include "import_plan.h"

#include <gtest/gtest.h>

#include "app/system_converters.h"
#include "people_list.h"

namespace address_book {
namespace {

AddressBook utf8Book(ContactList contacts) {
    return {FileFormat::VCard, TextEncoding::Utf8, std::move(contacts)};
}

ImportPlan plan(const AddressBook& book, const platform::StringGrid& list, int room = 100) {
    return planImport(book, list, room, systemConverters());
}

class ImportPlanTest : public ::testing::Test {
protected:
    void addToList(const Cells& person) {
        const int row = book::lastRowTaken(list) ? book::appendRow(list) : 1;
        for (int col = 0; col < book::columnCount; ++col) list.setCell(col, row, person[col]);
    }

    platform::StringGrid list{nullptr, book::columnCount};
};

// The cells are those the editor's Ok writes: ANSI texts, trimmed and cut to
// the boxes (a cut that ends on a blank trimmed again), the hidden key, the
// shown date and the default choices.
TEST_F(ImportPlanTest, PersonAsTheEditorMakesIt) {
    const std::string longName = std::string(59, 'a') + " bcd";
    const ImportPlan made =
        plan(utf8Book({{" J\u00fcrgen\t", "M\u00fcller \u738b", "  j@example.de ",
                        std::string(35, '1'), std::string(35, '2'), MonthDay{3, 5}},
                       {longName, std::string(61, 'b'), "", "06", "07", MonthDay{12, 24}},
                       {"Ann", "", "", "", "", MonthDay{2, 29}}}),
             list);
    ASSERT_EQ(made.people.size(), 3u);
    EXPECT_EQ(made.people[0], (Cells{"0305", "J\xfcrgen", "M\xfcller ?", "j@example.de",
                                     std::string(30, '1'), std::string(30, '2'), "March, 5",
                                     "Send an E-mail", "The exact day", "Birtday"}));
    EXPECT_EQ(made.people[1],
              (Cells{"1224", std::string(59, 'a'), std::string(60, 'b'), "", "06", "07",
                     "December,24", "Call phone 1", "The exact day", "Birtday"}));
    EXPECT_EQ(made.people[2], (Cells{"0229", "Ann", "", "", "", "", "February,29", "Other",
                                     "The exact day", "Birtday"}));
}

// Festorin's own columns from its export: the texts as written, cut to their
// fields but not trimmed; the day of birth only when it is BDAY's, typed with
// its zero; the marked second phone as the second. Edited elsewhere, a day of
// birth that is not BDAY's gives way to it. A row whose own key still agrees
// with BDAY comes back whatever its key and names hold; BDAY changed
// elsewhere, its key gives way.
TEST_F(ImportPlanTest, PersonWithFestorinsOwnColumns) {
    Contact exported{"Ann", "", "", "", "", MonthDay{3, 5}};
    exported.own = {"March,05", "Call phone 2", " 2 days before", "  Lunch " + std::string(40, 'x'),
                    "07 89"};
    Contact edited = exported;
    edited.firstName = "Bob";
    edited.birthday = MonthDay{3, 6};
    Contact older{"Cy", "", "", "", "", std::nullopt, {"February,30", "", "", ""}}, nameless;
    older.own.key = "0230";
    older.own.exactFirstName = " Cy ";
    nameless.own.key = "";
    Contact moved = older;
    moved.birthday = MonthDay{1, 2};
    const ImportPlan made = plan(utf8Book({exported, edited, older, nameless, moved}), list);
    ASSERT_EQ(made.people.size(), 5u);
    EXPECT_EQ(made.people[0], (Cells{"0305", "Ann", "", "", "", "07 89", "March,05", "Call phone 2",
                                     " 2 days before", "  Lunch " + std::string(32, 'x')}));
    EXPECT_EQ(made.people[1][book::colShownDate], "March, 6");
    EXPECT_EQ(made.people[2], (Cells{"0230", " Cy ", "", "", "", "", "February,30", "", "", ""}));
    EXPECT_EQ(made.people[3],
              (Cells{"", "", "", "", "", "", "", "Other", "The exact day", "Birtday"}));
    EXPECT_EQ(made.people[4][book::colKey] + made.people[4][book::colShownDate], "0102January, 2");
}

// The texts of an ANSI file are never converted again; an empty text, or
// one of ASCII alone, is never handed to the converter.
TEST_F(ImportPlanTest, TextsTheConverterIsGiven) {
    std::vector<std::string> given;
    TextConverters converters = systemConverters();
    converters.utf8ToAnsi = [&](const std::string& text) {
        given.push_back(text);
        return text;
    };
    const Contact jose{"Jos\xe9", "", "", "06", "", MonthDay{1, 2}};
    EXPECT_EQ(planImport({FileFormat::Csv, TextEncoding::Ansi, {jose}}, list, 1, converters)
                  .people[0][book::colFirstName],
              "Jos\xe9");
    EXPECT_TRUE(given.empty());
    planImport(utf8Book({jose}), list, 1, converters);
    EXPECT_EQ(given, (std::vector<std::string>{"Jos\xe9"}));
}

TEST_F(ImportPlanTest, LeftOutWithoutABirthdayOrAName) {
    ContactList contacts;
    for (MonthDay noDate : {MonthDay{2, 30}, MonthDay{4, 31}, MonthDay{13, 1}, MonthDay{1, 0},
                            MonthDay{0, 0}, MonthDay{11, 31}})
        contacts.push_back({"Ann", "", "", "", "", noDate});
    contacts.push_back({"Ann"});
    contacts.push_back({" ", "\t", "nameless@example.org", "", "", MonthDay{1, 1}});
    contacts.push_back({"", "", "", "", "", std::nullopt, {"", "", "", "", "", ""}});
    contacts.push_back({"Ann", "", "", "", "", MonthDay{1, 31}});
    const ImportPlan made = plan(utf8Book(contacts), list);
    EXPECT_EQ(made.withoutBirthday, 7);
    EXPECT_EQ(made.withoutName, 2) << "a row of no text is no one's";
    EXPECT_EQ(made.newPeople, 1);
    EXPECT_EQ(made.people.size(), 1u);
}

// Same key, first name and surname, trimmed and cut, byte for byte: in the
// list, earlier in the file, or on a card of Festorin's own export anywhere in
// it.
TEST_F(ImportPlanTest, AlreadyInTheList) {
    addToList({"0305", "Dara", "Ruze"});
    addToList({"0101", std::string(60, 'x'), "L\xe9", "", "", "", "January, 1"});
    const ImportPlan made =
        plan(utf8Book({{" Dara ", "Ruze", "other@example.org", "", "", MonthDay{3, 5}},
                       {std::string(65, 'x'), "L\u00e9", "", "", "", MonthDay{1, 1}},
                       {"dara", "Ruze", "", "", "", MonthDay{3, 5}},
                       {"Dara", "Ruze", "", "", "", MonthDay{3, 6}},
                       {"Dara", "Ruze", "", "", "", MonthDay{3, 6}},
                       {"Dara", "Ruze ", "", "", "", MonthDay{3, 6}},
                       {"Ann", "Lee", "", "", "", MonthDay{3, 6}},
                       {"AnnL", "Ee", "", "", "", MonthDay{3, 6}},
                       {"AnnL", "ee", "", "", "", MonthDay{3, 6}},
                       {"Ann", "Lee", "", "", "", MonthDay{3, 6}, {"March, 6", "Other"}}}),
             list);
    EXPECT_EQ(made.alreadyInList, 5);
    ASSERT_EQ(made.people.size(), 5u);
    EXPECT_EQ(made.people[0][book::colFirstName], "dara");
    EXPECT_EQ(made.people[1][book::colKey], "0306");
    EXPECT_EQ(made.people[3][book::colSurname], "ee");
    EXPECT_EQ(made.people[4][book::colAction], "Other");
}

// Names the code page cannot hold are told apart as the file spells them,
// though both are stored as "????"; importing the file again adds nobody, as
// each "????" of the list counts for one of them, and a third such name adds
// one person. A row of Festorin's own export that the list holds is its own
// "????", which no other name counts against.
TEST_F(ImportPlanTest, NamesTheCodePageCannotHold) {
    const ImportPlan first = plan(utf8Book({{"Иван", "", "", "", "", MonthDay{1, 1}},
                                            {"Петр", "", "", "", "", MonthDay{1, 1}},
                                            {"Петр", "", "", "", "", MonthDay{1, 1}}}),
                                  list);
    EXPECT_EQ(first.newPeople, 2);
    EXPECT_EQ(first.alreadyInList, 1);
    appendPeople(list, first.people);
    EXPECT_EQ(list.cell(book::colFirstName, 2), "????");
    const ImportPlan again = plan(utf8Book({{"Петр", "", "", "", "", MonthDay{1, 1}},
                                            {"Иван", "", "", "", "", MonthDay{1, 1}},
                                            {"Иван", "", "", "", "", MonthDay{1, 1}},
                                            {"Олег", "", "", "", "", MonthDay{1, 1}}}),
                                  list);
    EXPECT_EQ(again.alreadyInList, 3);
    EXPECT_EQ(again.newPeople, 1);
    const ImportPlan withOwnRow =
        plan(utf8Book({{"Олег", "", "", "", "", MonthDay{1, 1}},
                       {"Иван",
                        "",
                        "",
                        "",
                        "",
                        MonthDay{1, 1},
                        {"January, 1", "Other", "The exact day", "Birtday"}},
                       {"Петр", "", "", "", "", MonthDay{1, 1}}}),
             list);
    EXPECT_EQ(withOwnRow.alreadyInList, 2);
    EXPECT_EQ(withOwnRow.newPeople, 1);
}

// Only what fits is added, in file order; the rest is counted.
TEST_F(ImportPlanTest, FitsTheRoomLeft) {
    const AddressBook three = utf8Book({{"A", "", "", "", "", MonthDay{1, 1}},
                                        {"B", "", "", "", "", MonthDay{1, 1}},
                                        {"C", "", "", "", "", MonthDay{1, 1}}});
    const ImportPlan made = plan(three, list, 2);
    EXPECT_EQ(made.newPeople, 3);
    EXPECT_FALSE(made.allFit());
    ASSERT_EQ(made.people.size(), 2u);
    EXPECT_EQ(made.people[1][book::colFirstName], "B");
    EXPECT_TRUE(plan(three, list, 3).allFit());
    EXPECT_TRUE(plan(three, list, 0).people.empty());
}

TEST_F(ImportPlanTest, RoomAndAppendingAsAddDoes) {
    EXPECT_EQ(roomLeft(list), book::maxPeople);
    const Cells ann{"0101", "Ann"}, bob{"0202", "Bob"};
    EXPECT_EQ(appendPeople(list, {ann, bob}), 2);
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.cell(book::colFirstName, 1), "Ann");
    EXPECT_EQ(roomLeft(list), book::maxPeople - 2);

    list.setRowCount(book::maxPeople);
    EXPECT_EQ(roomLeft(list), 2);
    EXPECT_EQ(appendPeople(list, {ann, bob, ann}), 2);
    EXPECT_EQ(list.rowCount(), book::maxPeople + 1);
    EXPECT_EQ(list.cell(book::colFirstName, book::maxPeople), "Bob");
    EXPECT_EQ(roomLeft(list), 0);
    EXPECT_EQ(appendPeople(list, {ann}), 0);
}

}  // namespace
}  // namespace address_book
