#include "address_book.h"

#include <gtest/gtest.h>

#include "app/system_converters.h"
#include "contact_printer_test.h"
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
    // The last is a UTF-16 file of no format.
    for (const std::string& neither :
         {""s, "\xEF\xBB\xBF"s, "Name,Notes\nAnn,x\n"s, "BEGIN:VCALENDAR\n"s,
          "\xFF\xFE"
          "B\0E\0G\0I\0N\0:\0"s})
        EXPECT_EQ(formatOf(neither), FileFormat::None) << neither;
}

// UTF-16 of the Basic Multilingual Plane, in either byte order, with or
// without its byte-order mark.
std::string utf16Of(const std::u16string& text, bool bigEndian, bool marked) {
    std::string bytes;
    for (char16_t unit : (marked ? u"\uFEFF" : u"") + text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// Gmail's "Google CSV" and Outlook's and Windows' "Unicode" exports: the same
// people as from UTF-8, told by the byte-order mark or, without one, by the
// zero bytes of the first characters.
TEST(AddressBook, Utf16FilesOfEitherByteOrder) {
    const std::u16string csv = u"First Name,Last Name,Birthday\r\nZo\u00eb,\u738b,1980-12-24\r\n";
    const std::u16string vcard =
        u"BEGIN:VCARD\r\nVERSION:3.0\r\nN:\u738b;Zo\u00eb;;;\r\nBDAY:1980-12-24\r\nEND:VCARD\r\n";
    const Contact zoe{"Zo\u00eb", "\u738b", "", "", "", MonthDay{12, 24}};
    for (bool bigEndian : {false, true}) {
        for (bool marked : {true, false}) {
            const AddressBook fromCsv = readAddressBook(
                utf16Of(csv, bigEndian, marked), DateOrder::DayMonthYear, systemConverters());
            EXPECT_EQ(fromCsv.format, FileFormat::Csv) << bigEndian << marked;
            EXPECT_EQ(fromCsv.encoding, TextEncoding::Utf8);
            EXPECT_EQ(fromCsv.contacts, ContactList{zoe}) << bigEndian << marked;
            const AddressBook fromVCard = readAddressBook(
                utf16Of(vcard, bigEndian, marked), DateOrder::DayMonthYear, systemConverters());
            EXPECT_EQ(fromVCard.format, FileFormat::VCard) << bigEndian << marked;
            EXPECT_EQ(fromVCard.contacts, ContactList{zoe}) << bigEndian << marked;
        }
    }
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
