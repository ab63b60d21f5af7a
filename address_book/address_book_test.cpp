#include "address_book.h"

#include <gtest/gtest.h>

#include "app/system_converters.h"
#include "offer.h"

namespace address_book {
namespace {

using namespace std::string_literals;

FileFormat formatOf(const std::string& bytes) {
    return readAddressBook(bytes, DateOrder::DayMonthYear, systemConverters()).format;
}

TEST(AddressBook, FormatDetection) {
    EXPECT_EQ(formatOf("First Name,Birthday\nBEGIN:VCARD\nN:Ruze;Dara\nEND:VCARD\n"),
              FileFormat::VCard);
    EXPECT_EQ(formatOf("\xEF\xBB\xBF"
                       "First Name;Birthday\r\n"),
              FileFormat::Csv);
    // The last is a UTF-16 file, which the program does not read.
    for (const std::string& neither :
         {""s, "\xEF\xBB\xBF"s, "Name,Notes\nAnn,x\n"s, "BEGIN:VCALENDAR\n"s,
          "\xFF\xFE"
          "B\0E\0G\0I\0N\0:\0"s})
        EXPECT_EQ(formatOf(neither), FileFormat::None) << neither;
}

// Cards without a birthday are contacts all the same: nothing new, rather
// than a file the program cannot read.
TEST(AddressBook, CardsWithoutBirthdaysAreNothingNew) {
    const AddressBook cards = readAddressBook("BEGIN:VCARD\nVERSION:3.0\nFN:Ann Lee\nEND:VCARD\n",
                                              DateOrder::DayMonthYear, systemConverters());
    platform::StringGrid list(nullptr, book::columnCount);
    const ImportPlan plan = planImport(cards, list, book::maxPeople, systemConverters());
    EXPECT_EQ(plan.withoutBirthday, 1);
    EXPECT_EQ(offerOf(cards, plan, "ann.vcf").kind, OfferKind::NothingNew);
}

}  // namespace
}  // namespace address_book
