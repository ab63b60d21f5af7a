#include "vcard_reader.h"

#include <gtest/gtest.h>

#include "app/system_converters.h"
#include "contact_printer_test.h"
#include "text_encoding.h"

namespace address_book {
namespace {

using Contacts = ContactList;

// Through the door that every file takes.
ContactList read(const std::string& file) {
    std::string converted;
    return readVCards(inReadersForm(file, converted), DateOrder::DayMonthYear, systemConverters());
}

// A phone's export: quoted-printable names in UTF-8 and in ISO-8859-1, bare
// 2.1 parameters, soft line breaks inside the surname (one before a folded
// line, whose blank only marks the fold), the preferred e-mail and phone taken
// first, a fax passed over for the numbers that take calls, and a photo whose
// base64 ends in "=", which is no soft line break.
TEST(VCardReader, PhoneExportIn21) {
    const char* file =
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=C3=BCrgen;;;\r\n"
        "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=BCrgen M=C3=BCller\r\n"
        "TEL;WORK;FAX:+49 30 999\r\nTEL;HOME:+49 30 123456\r\nTEL;CELL;PREF:+49 170 1234567\r\n"
        "TEL;WORK:+49 89 1\r\nEMAIL;HOME:juergen@example.de\r\n"
        "PHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/4AAQSkZJRg==\r\nBDAY:1975-08-14\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:Le=F1a;Jos=E9;;;\r\nBDAY:19800229\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Fran=C3=A7ois-de-la-Tr=\r\n"
        "=C3=A9moille;Ren=C3=A9e;;;\r\n"
        "EMAIL;INTERNET:one@example.org\r\nEMAIL;INTERNET;PREF:two@example.org\r\n"
        "N:Second;Not Taken\r\nBDAY:--1224\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE:Sm=\r\nith;Jo=\r\n hn;;;\r\n"
        "BDAY:1980-01-02\r\nEND:VCARD\r\n";
    EXPECT_EQ(read(file), (Contacts{{"J\u00fcrgen", "M\u00fcller", "juergen@example.de",
                                     "+49 170 1234567", "+49 30 123456", MonthDay{8, 14}},
                                    {"Jos\u00e9", "Le\u00f1a", "", "", "", MonthDay{2, 29}},
                                    {"Ren\u00e9e", "Fran\u00e7ois-de-la-Tr\u00e9moille",
                                     "two@example.org", "", "", MonthDay{12, 24}},
                                    {"John", "Smith", "", "", "", MonthDay{1, 2}}}));
}

// An iPhone's 3.0 card: groups, lower-case type lists with "pref", VALUE=date,
// a pager passed over; a 4.0 card with only FN, PREF=1 and a tel: URI; and a
// card whose PREF is no number, with only a fax, which is then its phone.
TEST(VCardReader, Cards30And40) {
    const char* file =
        "BEGIN:VCARD\nVERSION:3.0\nPRODID:-//Apple Inc.//iPhone OS 17.0//EN\n"
        "N:Ruze;Dara;;;\nFN:Dara Ruze\n"
        "item1.EMAIL;type=INTERNET;type=HOME:home@example.org\n"
        "item2.EMAIL;type=INTERNET,pref:dara@example.org\n"
        "TEL;type=PAGER:+33 6 00 00 00 00\nTEL;type=CELL;type=VOICE:+33 6 12 34 56 78\n"
        "TEL;type=HOME;type=VOICE;type=pref:01 23 45 67 89\n"
        "BDAY;value=date:1990-03-05\nEND:VCARD\n"
        "begin:vcard\nversion:4.0\nfn:Anis van der Berg\n"
        "email;type=work;pref=2:work@example.org\nemail;pref=1:anis@example.org\n"
        "tel;value=uri;type=\"voice,cell\":tel:+33-6-98-76\nbday:--0704T1200\nend:vcard\n"
        "BEGIN:VCARD\nVERSION:3.0\nFN:Yann\nEMAIL:plain@example.org\n"
        "EMAIL;PREF=yes:yes@example.org\nTEL;TYPE=work,fax:09 09\nBDAY:2001-11-12\nEND:VCARD\n";
    EXPECT_EQ(
        read(file),
        (Contacts{{"Dara", "Ruze", "dara@example.org", "01 23 45 67 89", "+33 6 12 34 56 78",
                   MonthDay{3, 5}},
                  {"Anis van der", "Berg", "anis@example.org", "+33-6-98-76", "", MonthDay{7, 4}},
                  {"Yann", "", "yes@example.org", "09 09", "", MonthDay{11, 12}}}));
}

// Folding drops the line end and one blank in 3.0 and 4.0, even inside a
// name; 2.1 unfolds the RFC 822 way and keeps the blank.
TEST(VCardReader, FoldedLines) {
    const char* file =
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Dubois-Lef\r\n ebvre;Marie\r\n\t-Claire\r\n"
        "BD\r\n AY:1970-0\r\n 1-02\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Jean\r\n Dupont\r\nBDAY:1970-01-03\r\nEND:VCARD\r\n";
    EXPECT_EQ(read(file), (Contacts{{"Marie-Claire", "Dubois-Lefebvre", "", "", "", MonthDay{1, 2}},
                                    {"Jean", "Dupont", "", "", "", MonthDay{1, 3}}}));
}

// Festorin's export writes a carriage return as "\r"; its own columns keep
// their blanks, and a second phone marked as such stays apart from the others.
// An exact text stands only where it says what the standard property says.
TEST(VCardReader, EscapesAreUndoneAfterNIsSplit) {
    const char* file =
        "\xEF\xBB\xBF"
        "BEGIN:VCARD\nVERSION:3.0\nN:Doe\\, Jr.\\: Sr;Ann\\;Lee\\\\;;;\nEMAIL:a\\,b@example.org\n"
        "TEL;X-FESTORIN-PHONE=2: 07 89 \nTEL:01\\N02\\n03\\r\\n23\n"
        "X-FESTORIN-REASON: Lunch\\, at one \nx-festorin-action:\nX-FESTORIN-ACTION:Other\n"
        "X-FESTORIN-KEY:x101\nX-FESTORIN-FIRST-NAME: Ann\\;Lee\\\\ \nX-FESTORIN-SURNAME:Zed\n"
        "END:VCARD\n";
    Contact expected{"Ann;Lee\\", "Doe, Jr.: Sr", "a,b@example.org", "01\n02\n03\r\n23"};
    expected.own.reason = " Lunch, at one ";
    expected.own.action = "";
    expected.own.phone2 = "07 89";
    expected.own.key = "x101";
    expected.own.exactFirstName = " Ann;Lee\\ ";
    EXPECT_EQ(read(file), Contacts{expected});
}

// N without a given or family name gives way to FN, the first of them; a
// one-word FN is a first name; blanks and empty values count for nothing.
TEST(VCardReader, NamesFromFullNameWhenNHasNone) {
    const char* file =
        "BEGIN:VCARD\nVERSION:3.0\nN:;;;;\nFN:  Cher \nEMAIL: \nEMAIL:cher@example.org\n"
        "TEL:\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:3.0\nN:;;;;\nFN:\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:3.0\nFN:Ann Mary \x01Lee\nFN:Not Taken\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:3.0\nFN:Ada\tLovelace\nEND:VCARD\n";
    EXPECT_EQ(
        read(file),
        (Contacts{{"Cher", "", "cher@example.org"}, {}, {"Ann Mary", "Lee"}, {"Ada", "Lovelace"}}));
}

// A time, in any zone, leaves the written date as it is; dates as people
// write them are read too, a text value's included; year 4501 is none.
TEST(VCardReader, BirthdayForms) {
    const auto birthdayIn = [](const std::string& bday) {
        const Contacts cards = read("BEGIN:VCARD\nVERSION:4.0\n" + bday + "\nEND:VCARD\n");
        return cards.size() == 1 ? cards.front().birthday : std::nullopt;
    };
    for (const char* bday :
         {"BDAY:1990-03-05", "BDAY:19900305", "BDAY:--03-05", "BDAY:--0305",
          "BDAY:1990-03-05T00:00:00Z", "BDAY:1990-03-05T23:00:00Z", "BDAY:1990-03-05t10:00",
          "BDAY:19900305T120000", "BDAY;VALUE=date:--0305", "BDAY:  1990-03-05  ",
          "BDAY:broken\nBDAY:1990-03-05", "BDAY:1990-3-5", "BDAY:March 5", "BDAY:05.03.1990",
          "BDAY;VALUE=text:--0305", "BDAY;VALUE=text:5 March", "BDAY:1990-03-05 00:00:00"})
        EXPECT_EQ(birthdayIn(bday), (MonthDay{3, 5})) << bday;
    EXPECT_EQ(birthdayIn("BDAY:2001-02-30"), (MonthDay{2, 30}));
    for (const char* bday : {"BDAY:---05", "BDAY:1990-03", "BDAY:--03", "BDAY:", "NOTE:--0305",
                             "BDAY:4501-01-01", "BDAY:45010101", "BDAY;VALUE=text:circa 1800"})
        EXPECT_EQ(birthdayIn(bday), std::nullopt) << bday;
}

// An AGENT's card inside a card, on the lines after an empty AGENT or after
// AGENT:BEGIN:VCARD, is not a contact of the file; any other BEGIN:VCARD
// ends a card whose END:VCARD is missing; a soft line break never takes in
// END:VCARD, nor the BEGIN:VCARD of the next card; lines outside cards are passed over; a card the
// file's end cuts short keeps what it has.
TEST(VCardReader, CardsInsideCardsAndCutShort) {
    const char* file =
        "N:Outside;Nobody\nBEGIN:VCARD\nVERSION:2.1\nN:Boss;Big\nAGENT:\nBEGIN:VCARD\n"
        "VERSION:2.1\nN:Helper;Tiny\nBDAY:2000-01-01\nEND:VCARD\nBDAY:1960-06-06\nEND:VCARD\n"
        "END:VCARD\nBEGIN:VCARD\nVERSION:2.1\nN:NoEnd;Ann\nBDAY:1962-01-01\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;ENCODING=QUOTED-PRINTABLE:Soft;Break=\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;ENCODING=QUOTED-PRINTABLE:Soft;Begin=\nBEGIN:VCARD\n"
        "N:After;Ann\nEND:VCARD\n"
        "BDAY:1999-09-09\nBEGIN:VCARD\nVERSION:2.1\nN:Inline;Agent\nAGENT:BEGIN:VCARD\n"
        "N:Helper;Two\nBDAY:2000-02-02\nEND:VCARD\nBDAY:1963-03-03\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:3.0\nN:Cut;Short\nBDAY:1961-07-07";
    EXPECT_EQ(read(file), (Contacts{{"Big", "Boss", "", "", "", MonthDay{6, 6}},
                                    {"Ann", "NoEnd", "", "", "", MonthDay{1, 1}},
                                    {"Break=", "Soft"},
                                    {"Begin=", "Soft"},
                                    {"Ann", "After"},
                                    {"Agent", "Inline", "", "", "", MonthDay{3, 3}},
                                    {"Short", "Cut", "", "", "", MonthDay{7, 7}}}));
}

// A declared charset is decoded by the system's converter for its code page;
// a text without one, or with one the system does not know, is UTF-8 when its
// bytes are and else the ANSI code page's (Windows-1252 in the tests).
TEST(VCardReader, CharsetsOf21) {
    const char* file =
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=WINDOWS-1252:\x8a\x65\x9e;Zo\xeb\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=ISO-8859-1:\x8a;Zo\xeb\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:3.0\nN:\xc3\xa9;Zo\xc3\xab\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=WINDOWS-1251;ENCODING=QUOTED-PRINTABLE:"
        "=CF=E5=F2=F0=EE=E2;=C8=E2=E0=ED;;;\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=windows-1250:Nowak;\xa3ukasz\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=KOI8-R:;\xe9\xd7\xc1\xce\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=ISO-8859-5:\xb8\xd2\xd0\xdd\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=Shift_JIS:\x8e\x52\x93\x63;\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=GB2312:\xcd\xf5;\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=Big5:\xa4\xfd;\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=UTF-8:M\xfcller;Zo\xeb\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=X-UNHEARD-OF:Zo\xeb;\nEND:VCARD\n"
        // A second byte 0x5C is no backslash: the value is decoded before it is split.
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=BIG5:\xB3\x5C;\xA4\x6A\xA9\xFA;;;\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=95=5C;=83=5C=\n"
        "=8F=5C=94=5C\nEND:VCARD\n";
    EXPECT_EQ(read(file), (Contacts{{"Zo\u00eb", "\u0160e\u017e"},
                                    {"Zo\u00eb", "\u008a"},
                                    {"Zo\u00eb", "\u00e9"},
                                    {"Иван", "Петров"},
                                    {"Łukasz", "Nowak"},
                                    {"Иван", ""},
                                    {"Иван", ""},
                                    {"", "山田"},
                                    {"", "王"},
                                    {"", "王"},
                                    {"Zo\u00eb", "M\u00fcller"},
                                    {"", "Zo\u00eb"},
                                    {"大明", "許"},
                                    {"ソ十能", "表"}}));
}

TEST(VCardReader, HoldsVCardOnlyWithABeginLine) {
    std::string converted;
    EXPECT_TRUE(holdsVCard(inReadersForm("\xEF\xBB\xBF begin:VCard \r\n", converted)));
    EXPECT_TRUE(holdsVCard("First Name,Birthday\nBEGIN:VCARD"));
    EXPECT_FALSE(holdsVCard("BEGIN:VCARDS\nX BEGIN:VCARD\nEND:VCARD\n"));
}

}  // namespace
}  // namespace address_book
