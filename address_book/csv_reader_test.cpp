#include "csv_reader.h"

#include <gtest/gtest.h>

#include "contact_printer_test.h"

namespace address_book {
namespace {

using Contacts = std::vector<Contact>;

std::optional<CsvContacts> read(const std::string& bytes,
                                DateOrder order = DateOrder::MonthDayYear) {
    return readCsv(bytes, order);
}

// Google Contacts: several values of a kind in one field, a quoted note with
// commas, quotes and line ends, a birthday without a year, a row with no text.
TEST(CsvReader, GoogleContacts) {
    const std::string file =
        "\xEF\xBB\xBF"
        "First Name,Middle Name,Last Name,Birthday,Notes,E-mail 1 - Label,E-mail 1 - Value,"
        "Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value\r\n"
        "Ren\xc3\xa9"
        "e,,Fran\xc3\xa7ois,1990-03-05,\"Met in \"\"Lyon\"\",\r\nsee, notes\","
        "* Home ::: Work,home@example.org ::: work@example.org,Mobile,06 12 ::: 01 23,Home,09 "
        "87\r\n"
        ",,,,\r\n"
        "Ann,,,--12-24,,,,,,Home,09 99\r\n"
        "Bob,,Dee,,,,,,,,";
    const auto csv = read(file);
    ASSERT_TRUE(csv);
    EXPECT_EQ(csv->encoding, TextEncoding::Utf8);
    EXPECT_EQ(csv->contacts, (Contacts{{"Ren\u00e9e", "Fran\u00e7ois", "home@example.org", "06 12",
                                        "01 23", MonthDay{3, 5}},
                                       {"Ann", "", "", "09 99", "", MonthDay{12, 24}},
                                       {"Bob", "Dee"}}));
    const auto older = read("Name,Given Name,Family Name,Birthday\nAnn Lee,Ann,Lee,1980-01-02\n");
    ASSERT_TRUE(older);
    EXPECT_EQ(older->contacts, (Contacts{{"Ann", "Lee", "", "", "", MonthDay{1, 2}}}));
}

// Outlook: quoted header, "0/0/00" for no birthday, and the phones taken
// from the first two of mobile, home and business that hold a number.
TEST(CsvReader, Outlook) {
    const std::string file =
        "\"First Name\",\"Middle Name\",\"Last Name\",\"E-mail Address\",\"Home Phone\","
        "\"Business Phone\",\"Mobile Phone\",\"Birthday\",\"Notes\"\r\n"
        "\"Dara\",\"\",\"Ruze\",\"dara@example.org\",\"01 23\",\"04 56\",\"\",\"3/5/1990\",\"\"\r\n"
        "\"Eve\",\"\",\"Ng\",\"\",\"01 11\",\"04 44\",\"06 66\",\"0/0/00\",\"\"\r\n";
    const auto csv = read(file);
    ASSERT_TRUE(csv);
    EXPECT_EQ(csv->contacts,
              (Contacts{{"Dara", "Ruze", "dara@example.org", "01 23", "04 56", MonthDay{3, 5}},
                        {"Eve", "Ng", "", "06 66", "01 11", MonthDay{0, 0}}}));
}

// A European Outlook writes semicolons and the day first.
TEST(CsvReader, SemicolonsAndTheRegionalOrder) {
    const std::string file =
        "Vorname;Nachname;First Name;Last Name;Birthday\n;;Jan;de Wit;05.03.1970\n;;Piet;;5.3.70\n";
    const Contacts dayFirst{{"Jan", "de Wit", "", "", "", MonthDay{3, 5}},
                            {"Piet", "", "", "", "", MonthDay{3, 5}}};
    EXPECT_EQ(read(file, DateOrder::DayMonthYear)->contacts, dayFirst);
    EXPECT_EQ(read(file, DateOrder::MonthDayYear)->contacts[0].birthday, (MonthDay{5, 3}));
    EXPECT_EQ(read("First Name,Birthday\nA,1970/03/05\nB,2020. 3. 5.\nC,1970-03-05\n",
                   DateOrder::YearMonthDay)
                  ->contacts,
              (Contacts{{"A", "", "", "", "", MonthDay{3, 5}},
                        {"B", "", "", "", "", MonthDay{3, 5}},
                        {"C", "", "", "", "", MonthDay{3, 5}}}));
    for (const char* odd : {"3/5", "3/5/1990/1", "3x5x90", "03/005/1990", "1/2/19900", "//"})
        EXPECT_EQ(read(std::string("First Name,Birthday\nA,") + odd + "\n")->contacts[0].birthday,
                  std::nullopt)
            << odd;
}

// Bytes that are not UTF-8 are the ANSI code page's, left as they are.
TEST(CsvReader, AnsiFile) {
    const auto csv = read("First Name,Last Name,Birthday\r\nJos\xe9,M\xfcller,1/2/1980\r\n");
    ASSERT_TRUE(csv);
    EXPECT_EQ(csv->encoding, TextEncoding::Ansi);
    EXPECT_EQ(csv->contacts, (Contacts{{"Jos\xe9", "M\xfcller", "", "", "", MonthDay{1, 2}}}));
}

TEST(CsvReader, ReadableOnlyWithANameAndABirthdayColumn) {
    for (const char* header :
         {"Last Name,Birthday", "family name ; BIRTHDAY", "\"Given Name\",Birthday"})
        EXPECT_TRUE(read(std::string(header) + "\n")) << header;
    for (const char* header : {"First Name,Last Name,E-mail Address", "Name,Birthday", "",
                               "First Name;Last Name,Birthday", "\"First Name,Birthday\""})
        EXPECT_FALSE(read(std::string(header) + "\nAnn,1/2/1980\n")) << header;
}

// A quote left open takes the rest of the file; short rows lack their last
// fields; text after a closing quote stays in its field.
TEST(CsvReader, DamagedRows) {
    const auto csv =
        read("First Name,Birthday,Last Name\nAnn\nBob,1/2/3,\"Dee\"x\nCid,\"1/2/3\nDan,4/5/6\n");
    ASSERT_TRUE(csv);
    EXPECT_EQ(csv->contacts,
              (Contacts{{"Ann"}, {"Bob", "Deex", "", "", "", MonthDay{1, 2}}, {"Cid"}}));
}

}  // namespace
}  // namespace address_book
