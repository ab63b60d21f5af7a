#include "vcard_writer.h"

#include <gtest/gtest.h>

#include <random>

#include "address_book.h"
#include "app/system_converters.h"
#include "import_plan.h"
#include "people_list.h"
#include "platform/code_pages.h"
#include "test_support/listed_people.h"
#include "text_encoding.h"

namespace address_book {
namespace {

// Texts that are UTF-8 already.
const TextConverters sameBytes{nullptr, [](const std::string& text) { return text; }, nullptr};

// The physical lines of a file, each without its CR LF; the file must end
// with one, and hold no other line end.
std::vector<std::string> physicalLines(const std::string& file) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(file.substr(start, end - start));
    EXPECT_EQ(start, file.size()) << "the last line ends in CR LF";
    for (const std::string& line : lines)
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    return lines;
}

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// At most 75 octets a line, and no character cut at a fold.
void expectFoldedLines(const std::string& file) {
    for (const std::string& line : physicalLines(file)) {
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_FALSE(line.starts_with(" ") && line.size() > 1 && isContinuationByte(line[1]))
            << line;
    }
}

// A person from a contact file may have a key that is no date and only
// blanks for an address: no BDAY, no EMAIL, but both in Festorin's own
// properties. A second phone without a first
// is marked as the second. An empty list is a file without cards.
TEST(VCardWriter, EveryColumnOfEveryPerson) {
    const std::vector<Cells> people{
        {"0305", "Ada", "Lovelace", "ada@example.org", "01 23 45", "06 78", "March, 5",
         "Send an E-mail", "The exact day", "Birtday"},
        {"1224", "Blaise", "", "", "", "07 89", "December,24", "Call phone 2", "2 days before",
         " Lunch "},
        {"0230", "", "Gauss", " ", "", "", "February,30", "", "1 day before", ""}};
    EXPECT_EQ(vCardsOf(people, sameBytes),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lovelace;Ada;;;\r\nFN:Ada Lovelace\r\n"
              "EMAIL;TYPE=INTERNET:ada@example.org\r\nTEL;TYPE=PREF:01 23 45\r\nTEL:06 78\r\n"
              "BDAY:--03-05\r\nX-FESTORIN-DAY-OF-BIRTH:March\\, 5\r\n"
              "X-FESTORIN-ACTION:Send an E-mail\r\nX-FESTORIN-LEAD:The exact day\r\n"
              "X-FESTORIN-REASON:Birtday\r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;Blaise;;;\r\nFN:Blaise\r\n"
              "TEL;X-FESTORIN-PHONE=2:07 89\r\nBDAY:--12-24\r\n"
              "X-FESTORIN-DAY-OF-BIRTH:December\\,24\r\nX-FESTORIN-ACTION:Call phone 2\r\n"
              "X-FESTORIN-LEAD:2 days before\r\nX-FESTORIN-REASON: Lunch \r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Gauss;;;;\r\nFN:Gauss\r\n"
              "X-FESTORIN-KEY:0230\r\nX-FESTORIN-DAY-OF-BIRTH:February\\,30\r\n"
              "X-FESTORIN-ACTION:\r\nX-FESTORIN-LEAD:1 day before\r\nX-FESTORIN-REASON:\r\n"
              "X-FESTORIN-EMAIL: \r\nEND:VCARD\r\n");
    EXPECT_EQ(vCardsOf({}, sameBytes), "");
}

// Backslash, semicolon and comma are escaped in every text, after the ANSI
// texts became UTF-8; a line break (CR LF, a lone CR, a lone LF) is "\n",
// the only one the format has, so that a strict reader finds no other escape.
// A cell with a carriage return is written exact in a property of Festorin's
// own, on its card alone, and comes back as it was.
TEST(VCardWriter, TextsAreEscapedInUtf8) {
    const Cells person{
        "0101", "Ann;Lee\\",  "Doe, Jr.\rSr", "a,b@example.org", "1\r\n2",
        "",     "January, 1", "Other",        "The exact day",   "Line 1\r\nLine 2\n\xE9\x80\t."};
    const Cells lineFeeds{"0202",        "Bob\nBy", "Lee",           "",       "", "",
                          "February, 2", "Other",   "The exact day", "Birtday"};
    const std::string file = vCardsOf({person, lineFeeds}, systemConverters());
    for (const std::string& line :
         {std::string("\r\nN:Doe\\, Jr.\\nSr;Ann\\;Lee\\\\;;;\r\n"),
          std::string("\r\nFN:Ann\\;Lee\\\\ Doe\\, Jr.\\nSr\r\n"),
          std::string("\r\nEMAIL;TYPE=INTERNET:a\\,b@example.org\r\n"),
          std::string("\r\nTEL;TYPE=PREF:1\\n2\r\n"), std::string("\r\nN:Lee;Bob\\nBy;;;\r\n"),
          "\r\nX-FESTORIN-SURNAME;ENCODING=b:" + base64Of("Doe, Jr.\rSr") + "\r\n",
          "\r\nX-FESTORIN-PHONE-1;ENCODING=b:" + base64Of("1\r\n2") + "\r\n",
          "\r\nX-FESTORIN-REASON;ENCODING=b:" +
              base64Of("Line 1\r\nLine 2\n\xC3\xA9\xE2\x82\xAC\t.") + "\r\n"})
        EXPECT_NE(file.find(line), std::string::npos) << line;
    EXPECT_EQ(file.find("X-FESTORIN-FIRST-NAME"), std::string::npos);
    EXPECT_EQ(file.find("X-FESTORIN-SURNAME"), file.rfind("X-FESTORIN-SURNAME"));
    for (std::size_t at = file.find('\\'); at != std::string::npos; at = file.find('\\', at + 2))
        EXPECT_NE(std::string_view("\\;,nN").find(file[at + 1]), std::string_view::npos)
            << file.substr(at, 2) << " is no escape of the format";

    const AddressBook read = readAddressBook(file, DateOrder::DayMonthYear, systemConverters());
    platform::StringGrid grid(nullptr, book::columnCount);
    EXPECT_EQ(planImport(read, grid, roomLeft(grid), systemConverters()).people,
              (std::vector<Cells>{person, lineFeeds}));
}

// A character of several octets is never cut: the fold comes before it.
TEST(VCardWriter, LongLinesFoldAt75OctetsBetweenCharacters) {
    const std::string e60(60, '\xE9');
    const Cells person{"0101", e60, "x", "", "", "", "January, 1", "Other", "The exact day", ""};
    const std::string file = vCardsOf({person}, systemConverters());
    expectFoldedLines(file);
    std::string utf8E60;
    for (int i = 0; i < 60; ++i) utf8E60 += "\xC3\xA9";
    const std::string n = "N:x;" + utf8E60 + ";;;";
    EXPECT_NE(file.find("\r\n" + n.substr(0, 74) + "\r\n " + n.substr(74) + "\r\n"),
              std::string::npos)
        << "74 octets, as the 75th is the second of a character";
    const std::string fn = "FN:" + utf8E60 + " x";
    EXPECT_NE(file.find("\r\n" + fn.substr(0, 75) + "\r\n " + fn.substr(75) + "\r\n"),
              std::string::npos);
}

// Texts made of the pieces that need care: what the format escapes, line
// ends, blanks, bytes above 127 and every single byte.
std::string randomText(std::mt19937& random) {
    static const std::vector<std::string> pieces{
        ";",   ",",    "\\",   "\r\n",   "\n",   "\r",       " ",    "\t",   ":",
        "\"",  "=",    "\\n",  "\xE9",   "\x80", "\x81",     "\xFF", "\xA0", std::string(1, '\0'),
        "Ann", "tel:", "Lee ", "+33 6 ", "@",    "END:VCARD"};
    std::uniform_int_distribution<int> count(0, 16), piece(0, static_cast<int>(pieces.size())),
        byte(0, 255);
    std::string text;
    for (int i = count(random); i > 0; --i) {
        const int chosen = piece(random);
        text += chosen < static_cast<int>(pieces.size())
                    ? pieces[chosen]
                    : std::string(1, static_cast<char>(byte(random)));
    }
    return text;
}

std::vector<Cells> randomList(std::mt19937& random) {
    std::uniform_int_distribution<int> people(0, 12);
    std::uniform_int_distribution<unsigned> number(0, 400);
    std::vector<Cells> list;
    for (int i = people(random); i > 0; --i) {
        Cells texts;
        for (std::string& text : texts) text = randomText(random);
        list.push_back(number(random) % 3 == 0
                           ? test_support::olderRow(texts, number(random))
                           : test_support::listedPerson(texts, number(random), number(random),
                                                        number(random) % 2));
    }
    // Two rows of one person, as two reminders of one birthday.
    if (!list.empty() && number(random) % 4 == 0) list.push_back(list.front());
    return list;
}

// Every list that the editor and the import make, or an older contact file
// holds, two rows of one person included, comes back with the same ten cells from Festorin's own
// import, in its order; into the list it came from, the file adds nobody, though the list's names
// have blanks at their ends.
TEST(VCardRoundTrip, RandomListsComeBackByteForByte) {
    std::mt19937 random(19);
    for (int round = 0; round < 150; ++round) {
        const std::vector<Cells> list = randomList(random);
        const std::string file = vCardsOf(list, systemConverters());
        expectFoldedLines(file);
        const AddressBook read = readAddressBook(file, DateOrder::DayMonthYear, systemConverters());
        platform::StringGrid grid(nullptr, book::columnCount);
        const ImportPlan plan = planImport(read, grid, roomLeft(grid), systemConverters());
        ASSERT_EQ(plan.people, list) << "round " << round;

        appendPeople(grid, list);
        EXPECT_EQ(rowsOfPeople(grid), list);
        // Names with blanks at their ends, as older contact files hold them.
        if (round % 3 == 0 && !list.empty())
            grid.setCell(book::colSurname, 1, " " + list.front()[book::colSurname] + " ");
        const ImportPlan again = planImport(read, grid, roomLeft(grid), systemConverters());
        EXPECT_EQ(again.newPeople, 0);
        EXPECT_EQ(again.alreadyInList, static_cast<int>(list.size()));
    }
}

}  // namespace
}  // namespace address_book
