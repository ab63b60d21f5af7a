// Address books taken in by the real Festorin.exe: a vCard file named on its
// command line, and a CSV file handed over by a second start.
#include <gtest/gtest.h>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;
using e2e::Person;

// A phone's vCard 2.1 file, with a quoted-printable name, and a 3.0 card
// without a birthday.
const char* const phoneCards =
    "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE:Lovelace;=41da;;;\r\n"
    "TEL;CELL:+44 20 1234\r\nEMAIL;PREF;INTERNET:ada@example.org\r\nBDAY:18151210\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Carl Gauss\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Pascal;Blaise;;;\r\nBDAY:--06-19\r\nTEL:0102\r\n"
    "END:VCARD\r\n";
const char* const googleCsv =
    "Name,Given Name,Family Name,Birthday,E-mail 1 - Value,Phone 1 - Value\r\n"
    "Dora Maar,Dora,Maar,1907-11-22,,+33 1 23\r\n";

const Person ada{"1210", "Ada",         "Lovelace",       "ada@example.org", "+44 20 1234",
                 "",     "December,10", "Send an E-mail", "The exact day",   "Birtday"};
const Person blaise{"0619",    "Blaise",       "Pascal",        "",       "0102", "",
                    "June,19", "Call phone 1", "The exact day", "Birtday"};
const Person dora{"1122",        "Dora",         "Maar",          "",       "+33 1 23", "",
                  "November,22", "Call phone 1", "The exact day", "Birtday"};

// Beside the data folder, in the application-data folder.
std::string addressBook(const std::string& name, const std::string& content) {
    e2e::writeDataFile("..\\" + name, content);
    return e2e::dataFolder() + "..\\" + name;
}

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

TEST(ImportTest, AFileOnTheCommandLineAndOneHandedOverByASecondStartAreOffered) {
    e2e::clearDataFolder();
    const std::string cards = addressBook("friends.vcf", phoneCards);
    const std::string csv = addressBook("google.csv", googleCsv);
    Festorin festorin(Festorin::Start::Shown, quoted(cards));
    ASSERT_TRUE(festorin.started());
    e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.caption, "Festorin");
    EXPECT_EQ(box.text,
              "Add 2 people from friends.vcf?\r\nLeft out: 1 without a birthday, 0 already in "
              "the list.");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({blaise, ada}));
    EXPECT_EQ(festorin.gridPeople(), (std::vector<Person>{blaise, ada}));

    ASSERT_TRUE(e2e::runUntilItEnds(quoted(csv)));
    box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, "Add 1 people from google.csv?");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({blaise, dora, ada}));
    EXPECT_EQ(e2e::festorinProcesses(), 1);
    DeleteFileA(cards.c_str());
    DeleteFileA(csv.c_str());
}

}  // namespace
