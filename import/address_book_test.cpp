#include "address_book.h"

#include <gtest/gtest.h>

namespace importing {
namespace {

FileFormat formatOf(const std::string& bytes) {
    return readAddressBook(bytes, DateOrder::DayMonthYear).format;
}

TEST(AddressBook, FormatDetection) {
    EXPECT_EQ(formatOf("First Name,Birthday\nBEGIN:VCARD\nN:Ruze;Dara\nEND:VCARD\n"),
              FileFormat::VCard);
    EXPECT_EQ(formatOf("\xEF\xBB\xBF"
                       "First Name;Birthday\r\n"),
              FileFormat::Csv);
    for (const char* neither : {"", "\xEF\xBB\xBF", "Name,Notes\nAnn,x\n", "BEGIN:VCALENDAR\n",
                                "\xFF\xFE"
                                "B\0E\0G\0I\0N\0"})
        EXPECT_EQ(formatOf(neither), FileFormat::None) << neither;
}

// Cards without a birthday are still contacts, which the plan then leaves out.
TEST(AddressBook, ReadsWhicheverFormat) {
    const AddressBook cards = readAddressBook("BEGIN:VCARD\nVERSION:3.0\nFN:Ann Lee\nEND:VCARD\n",
                                              DateOrder::DayMonthYear);
    EXPECT_EQ(cards.encoding, TextEncoding::Utf8);
    ASSERT_EQ(cards.contacts.size(), 1u);
    EXPECT_EQ(cards.contacts[0].surname, "Lee");

    const AddressBook csv =
        readAddressBook("First Name,Birthday\nJos\xe9,05/03/1970\n", DateOrder::DayMonthYear);
    EXPECT_EQ(csv.encoding, TextEncoding::Ansi);
    ASSERT_EQ(csv.contacts.size(), 1u);
    EXPECT_EQ(csv.contacts[0].birthday, (MonthDay{3, 5}));
}

}  // namespace
}  // namespace importing
