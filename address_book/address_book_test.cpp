#include "address_book.h"

#include <gtest/gtest.h>

#include "app/system_converters.h"
#include "contact_printer_test.h"
#include "csv_reader.h"
#include "offer.h"
#include "readers_text.h"
#include "text_encoding.h"
#include "vcard_reader.h"

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

// Files as Excel and phones write them, on a day-first, a month-first and a
// year-first PC: Excel's "sep=" line; a card in a CSV note; UTF-16 without a
// mark whose first characters are not ASCII, or with a stray last byte; UTF-8
// with a cut sequence, which becomes "?"; a character beyond the Basic
// Multilingual Plane.
TEST(AddressBook, FilesAsExcelAndPhonesWriteThem) {
    const std::string utf8Ann = "First Name,Birthday\r\nAnn,24/12/1980\r\n";
    const struct {
        std::string file;
        Contact person;
    } files[] = {
        {"sep=;\r\nFirst Name;Birthday\r\nAnn;1980-12-24\r\n", {"Ann", "", "", "", "", {}}},
        {"\xEF\xBB\xBFsep=,\nFirst Name,Birthday\nAnn,1980-12-24\n", {"Ann"}},
        {"sep=\t\nFirst Name\tBirthday\nAnn\t1980-12-24\n", {"Ann"}},
        {utf16Of(u"sep=;\r\nFirst Name;Birthday\r\nAnn;24/12/1980\r\n", false, true), {"Ann"}},
        {"First Name,Notes,Birthday\r\nAnn,\"his card:\r\nBEGIN:VCARD\r\nFN:Bo Li\r\nEND:VCARD\","
         "1980-12-24\r\n",
         {"Ann"}},
        {utf16Of(u"\u0418\u043c\u044f\t\u0424\u0430\u043c\u0438\u043b\u0438\u044f\t\u0414"
                 u"\u0435\u043d\u044c \u0440\u043e\u0436\u0434\u0435\u043d\u0438\u044f\r\n"
                 u"\u0418\u0432\u0430\u043d\t\u041f\u0435\u0442\u0440\u043e\u0432\t24.12.1980\r\n",
                 false, false),
         {"\u0418\u0432\u0430\u043d", "\u041f\u0435\u0442\u0440\u043e\u0432"}},
        {utf16Of(u"Pr\u00e9nom,Nom,Anniversaire\r\nZo\u00e9,Roy,24/12/1980\r\n", true, false),
         {"Zo\u00e9", "Roy"}},
        {utf16Of(u"\u540d,\u59d3,\u8a95\u751f\u65e5\r\n\u592a\u90ce,\u5c71\u7530,1980/12/24\r\n",
                 false, false),
         {"\u592a\u90ce", "\u5c71\u7530"}},
        {utf16Of(u"First Name,Birthday\r\nAnn,24/12/1980\r\n", false, true) + "\n", {"Ann"}},
        {utf16Of(u"First Name,Birthday\r\n\U0001F600,24/12/1980", false, false) + "\xFF",
         {"\U0001F600"}},
        {"First Name,Last Name,Birthday,Notes\nJ\u00f6rg,Wei\u00df,1980-12-24,cut \xE2\x82 x\n",
         {"J\u00f6rg", "Wei\u00df"}},
    };
    for (const auto& [file, person] : files)
        for (DateOrder order :
             {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay}) {
            const AddressBook book = readAddressBook(file, order, systemConverters());
            EXPECT_EQ(book.format, FileFormat::Csv) << file;
            EXPECT_EQ(book.encoding, TextEncoding::Utf8) << file;
            Contact expected = person;
            expected.birthday = MonthDay{12, 24};
            EXPECT_EQ(book.contacts, ContactList{expected}) << file;
        }
    std::string converted;
    EXPECT_EQ(inReadersForm("a\u00e9\u00e9\u00e9\u00e9\xC3(\xE2\x82", converted),
              "a\u00e9\u00e9\u00e9\u00e9?(?");
    EXPECT_EQ(inReadersForm("J\xf6rg Wei\xdf \u00e9", converted), "J\xf6rg Wei\xdf \u00e9");
}

// The bytes in pieces of `size`, one after another.
TextCursor::Pieces piecesOf(const std::string& bytes, std::size_t size) {
    return [&bytes, size, pos = std::size_t{0}]() mutable {
        const std::string_view piece = std::string_view(bytes).substr(pos, size);
        pos += piece.size();
        return piece;
    };
}

// Read as the pieces come, whatever their size, a file gives what it gives
// whole: a character, a CR LF, a quoted field or a folded line cut across
// two pieces, a long line (a photo) passed over before a good card.
TEST(AddressBook, ReadInPiecesAsWhole) {
    const std::string photo = "PHOTO:" + std::string(300000, 'A');
    const std::vector<std::string> texts{
        utf16Of(u"N:\U0001F600;Ann\r\nBDAY:--1224\r\n", false, true),
        utf16Of(u"\r\nBEGIN:VCARD\r\n\u00e9\U0001F600", true, false) + "\x01",
        "Zo\u00eb,J\u00f6rg\xC3(\r\n\xE2\x82\xAC\xF0\x9F\x98\x80 \x80\x80\x80\n",
        "\xEF\xBB\xBFZo\u00eb\r\n"};
    for (const std::string& text : texts)
        for (std::size_t size : {1, 2, 3, 5}) {
            ReadersText pieces(piecesOf(text, size), 8);
            std::string read;
            for (std::string_view piece; !(piece = pieces.next()).empty();) read += piece;
            std::string converted;
            EXPECT_EQ(read, inReadersForm(text, converted)) << text << size;
        }
    const std::string cards =
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;=\r\nAnn\r\n"
        "NOTE:a\r\n  b\r\nBDAY:1980-12-24\r\nEND:VCARD\r\nBEGIN:VCARD\r\n" +
        photo + "=\r\nN:Lee;Bo\r\nBDAY:--0305\r\nEND:VCARD\r";
    const std::string csv = "sep=;\r\nFirst Name;Notes;Birthday\r\nAnn;\"a\r\nb\";5/3/1970\r\nBo;" +
                            photo + ";13/3/1970\r\n";
    for (std::size_t size : {1, 2, 3, 7, 100000}) {
        TextCursor vcard(piecesOf(cards, size));
        const ContactList read = readVCards(vcard, DateOrder::MonthDayYear, systemConverters());
        EXPECT_EQ(read, readVCards(cards, DateOrder::MonthDayYear, systemConverters())) << size;
        EXPECT_EQ(read.back(), (Contact{"Bo", "Lee", "", "", "", MonthDay{3, 5}})) << size;
        TextCursor rows(piecesOf(csv, size));
        EXPECT_EQ(readCsv(csv, false, rows, DateOrder::MonthDayYear, systemConverters())->contacts,
                  readCsv(csv, DateOrder::MonthDayYear, systemConverters())->contacts)
            << size;
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
