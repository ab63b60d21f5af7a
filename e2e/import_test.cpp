// Address books taken in by the real Festorin.exe: a vCard file named on its
// command line, and a CSV file handed over by a second start, in English,
// German and UTF-16, with files named in Cyrillic each way; a file handed
// over while a question is open waits for its answer.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

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

// Files named outside the code page: a Windows-1252 system shows each
// Cyrillic letter of "Контакты.vcf" as "?".
const char* const cyrillicName = "Контакты.vcf";
const char* const cyrillicNameShown = "????????.vcf";
const char* const otherCyrillicName = "Друзья.vcf";
const char* const otherCyrillicNameShown = "??????.vcf";

const Person emmy{"0323",     "Emmy",  "Noether",       "",       "", "",
                  "March,23", "Other", "The exact day", "Birtday"};
const Person sofia{"0115",       "Sofia", "Kovalevskaya",  "",       "", "",
                   "January,15", "Other", "The exact day", "Birtday"};

std::string cardOf(const std::string& surname, const std::string& firstName,
                   const std::string& birthday) {
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + surname + ";" + firstName +
           ";;;\r\nBDAY:" + birthday + "\r\nEND:VCARD\r\n";
}

// Beside the data folder, by a name in any language: its path in UTF-8.
std::string addressBookUtf8(const std::string& utf8Name, const std::string& content) {
    const std::string path = e2e::dataFolder() + "..\\" + utf8Name;
    e2e::writeFileUtf8(path, content);
    return path;
}

TEST(ImportTest, AFileOnTheCommandLineAndOneHandedOverByASecondStartAreOffered) {
    ASSERT_EQ(GetACP(), 1252u) << "the names shown are those of a Windows-1252 system";
    e2e::clearDataFolder();
    const std::string cards = addressBook("friends.vcf", phoneCards);
    const std::string csv = addressBook("google.csv", googleCsv);
    const std::string cyrillic =
        addressBookUtf8(cyrillicName, cardOf("Noether", "Emmy", "--03-23"));
    const std::string otherCyrillic =
        addressBookUtf8(otherCyrillicName, cardOf("Kovalevskaya", "Sofia", "1850-01-15"));
    Festorin festorin(Festorin::Start::Shown, quoted(cards) + " " + quoted(cyrillic));
    ASSERT_TRUE(festorin.started());
    e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.caption, "Festorin");
    EXPECT_EQ(box.text,
              "Add 2 people from friends.vcf?\r\nLeft out: 1 without a birthday, 0 already in "
              "the list.");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, std::string("Add 1 person from ") + cyrillicNameShown + "?");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({emmy, blaise, ada}));
    EXPECT_EQ(festorin.gridPeople(), (std::vector<Person>{emmy, blaise, ada}));

    ASSERT_TRUE(e2e::runUntilItEnds(quoted(csv) + " " + quoted(otherCyrillic)));
    box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, "Add 1 person from google.csv?");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, std::string("Add 1 person from ") + otherCyrillicNameShown + "?");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    EXPECT_EQ(festorin.dataFile("dates.txt"),
              e2e::contactRecords({sofia, emmy, blaise, dora, ada}));
    EXPECT_EQ(e2e::festorinProcesses(), 1);
    DeleteFileA(cards.c_str());
    DeleteFileA(csv.c_str());
    e2e::removeFileUtf8(cyrillic);
    e2e::removeFileUtf8(otherCyrillic);
}

// A German Outlook's export as Excel saves it again (semicolons, Windows-1252,
// the German date), then Gmail's "Google CSV" in UTF-16 with its mark.
TEST(ImportTest, AGermanOutlookFileAndAUtf16GoogleFileBringTheirPeople) {
    e2e::clearDataFolder();
    const std::string outlook =
        addressBook("Kontakte.csv",
                    "Vorname;Weitere Vornamen;Nachname;E-Mail-Adresse;Mobiltelefon;Geburtstag\r\n"
                    "J\xf6rg;;Wei\xdf;joerg@example.de;;24.12.1980\r\n"
                    "Anna;;Kurz;;;0.0.00\r\n");
    std::string utf16 = "\xFF\xFE";
    for (unsigned char c : std::string("Name,Given Name,Family Name,Birthday,E-mail 1 - Value\r\n"
                                       "Zo\xeb Ng,Zo\xeb,Ng,1990-03-05,zoe@example.org\r\n")) {
        utf16 += static_cast<char>(c);
        utf16 += '\0';
    }
    const std::string google = addressBook("google.csv", utf16);
    const Person joerg{"1224", "J\xf6rg",     "Wei\xdf",        "joerg@example.de", "",
                       "",     "December,24", "Send an E-mail", "The exact day",    "Birtday"};
    const Person zoe{
        "0305",           "Zo\xeb",        "Ng",     "zoe@example.org", "", "", "March, 5",
        "Send an E-mail", "The exact day", "Birtday"};
    Festorin festorin(Festorin::Start::Shown, quoted(outlook));
    ASSERT_TRUE(festorin.started());
    e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text,
              "Add 1 person from Kontakte.csv?\r\nLeft out: 1 without a birthday, 0 already in "
              "the list.");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    ASSERT_TRUE(e2e::runUntilItEnds(quoted(google)));
    box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, "Add 1 person from google.csv?");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({zoe, joerg}));
    EXPECT_EQ(festorin.gridPeople(), (std::vector<Person>{zoe, joerg}));
    DeleteFileA(outlook.c_str());
    DeleteFileA(google.c_str());
}

// A second start whose hand-over the running Festorin does not take in its
// time says so in a box of its own, and ends.
TEST(ImportTest, ASecondStartThatGetsNoAnswerSaysSo) {
    e2e::clearDataFolder();
    const std::string cards = addressBook("friends.vcf", phoneCards);
    Festorin festorin;
    ASSERT_TRUE(festorin.started());
    festorin.suspend();
    const PROCESS_INFORMATION second =
        e2e::startProcess(quoted(e2e::festorinExe()) + " " + quoted(cards));
    // A box is looked at once it is built whole: visible, with its caption
    // and its text.
    HWND box = nullptr;
    e2e::waitUntil(
        [&] {
            for (HWND window : e2e::topLevelWindows(second.dwProcessId, "#32770"))
                if (IsWindowVisible(window) && !e2e::windowText(window).empty() &&
                    !e2e::labelTexts(window).empty())
                    box = window;
            return box != nullptr;
        },
        20000);
    festorin.resume();
    ASSERT_TRUE(box);
    EXPECT_EQ(e2e::windowText(box), "Festorin");
    EXPECT_EQ(e2e::labelTexts(box).back(),
              "Festorin is already running but does not answer, so the files were not given to "
              "it. Try again in a moment.");
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(WaitForSingleObject(second.hProcess, 10000), WAIT_OBJECT_0);
    CloseHandle(second.hThread);
    CloseHandle(second.hProcess);
    ASSERT_TRUE(festorin.settle());
    EXPECT_TRUE(festorin.openBoxes().empty()) << "the hand-over came to nothing";
    EXPECT_EQ(e2e::festorinProcesses(), 1);
    DeleteFileA(cards.c_str());
}

// The question's box keeps Festorin's message loop running; the same file
// handed over meanwhile is offered only once the question is answered, and
// against the list as it stands then.
TEST(ImportTest, AFileHandedOverDuringAQuestionWaitsForItsAnswer) {
    e2e::clearDataFolder();
    const std::string cards = addressBook("friends.vcf", phoneCards);
    Festorin festorin(Festorin::Start::Shown, quoted(cards));
    ASSERT_TRUE(festorin.started());
    const e2e::MessageBoxSeen question = festorin.waitForMessageBox();
    ASSERT_EQ(question.text,
              "Add 2 people from friends.vcf?\r\nLeft out: 1 without a birthday, 0 already in "
              "the list.");

    ASSERT_TRUE(e2e::runUntilItEnds(quoted(cards)));
    ASSERT_TRUE(festorin.settle());
    EXPECT_EQ(festorin.openBoxes().size(), 1u) << festorin.describe();

    ASSERT_TRUE(festorin.answer(question, IDYES));
    const e2e::MessageBoxSeen next = festorin.waitForMessageBox();
    EXPECT_EQ(next.text, "No new birthday in friends.vcf.");
    ASSERT_TRUE(festorin.answer(next, IDOK));
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({blaise, ada}));
    EXPECT_EQ(festorin.gridPeople(), (std::vector<Person>{blaise, ada}));
    DeleteFileA(cards.c_str());
}

// The user's short date, as Control Panel's Region keeps it, for the time of
// one test; Festorin reads it when it starts.
class ShortDateFormat {
public:
    ShortDateFormat(const char* order, const char* format) {
        RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\International", 0,
                      KEY_QUERY_VALUE | KEY_SET_VALUE, &key_);
        keep("iDate", order, oldOrder_);
        keep("sShortDate", format, oldFormat_);
    }
    ~ShortDateFormat() {
        restore("iDate", oldOrder_);
        restore("sShortDate", oldFormat_);
        RegCloseKey(key_);
    }
    ShortDateFormat(const ShortDateFormat&) = delete;
    ShortDateFormat& operator=(const ShortDateFormat&) = delete;

private:
    void keep(const char* name, const char* value, std::optional<std::string>& old) {
        char buffer[80];
        DWORD size = sizeof buffer;
        if (RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                             &size) == ERROR_SUCCESS)
            old = std::string(buffer, strnlen(buffer, size));
        set(name, value);
    }
    void restore(const char* name, const std::optional<std::string>& old) {
        if (old)
            set(name, old->c_str());
        else
            RegDeleteValueA(key_, name);
    }
    void set(const char* name, const char* value) {
        RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(strlen(value) + 1));
    }

    HKEY key_ = nullptr;
    std::optional<std::string> oldOrder_, oldFormat_;
};

// On a PC whose short date begins with the year, a German Outlook's dotted
// dates are day first, and Excel's "sep=;" line names the separator.
TEST(ImportTest, DottedDatesAndExcelsFilesOnAYearFirstPC) {
    const ShortDateFormat yearFirst("2", "yyyy-MM-dd");
    e2e::clearDataFolder();
    const std::string outlook =
        addressBook("outlook-de.csv",
                    "Vorname,Nachname,Geburtstag\r\nAnna,Berg,24.12.1980\r\nBo,Li,05.03.1970\r\n"
                    "Cleo,Dahl,10.11.12\r\n");
    const std::string excel = addressBook(
        "excel.csv", "sep=;\r\nVorname;Nachname;Geburtstag\r\nEmil;Nolde;07.08.1867\r\n");
    const auto person = [](const char* key, const char* firstName, const char* surname,
                           const char* shown) {
        return Person{key,   firstName, surname,         "",       "", "",
                      shown, "Other",   "The exact day", "Birtday"};
    };
    const Person anna = person("1224", "Anna", "Berg", "December,24");
    const Person bo = person("0305", "Bo", "Li", "March, 5");
    const Person cleo = person("1110", "Cleo", "Dahl", "November,10");
    const Person emil = person("0807", "Emil", "Nolde", "August, 7");
    Festorin festorin(Festorin::Start::Shown, quoted(outlook) + " " + quoted(excel));
    ASSERT_TRUE(festorin.started());
    e2e::MessageBoxSeen box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, "Add 3 people from outlook-de.csv?");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    box = festorin.waitForMessageBox();
    EXPECT_EQ(box.text, "Add 1 person from excel.csv?");
    ASSERT_TRUE(festorin.answer(box, IDYES));
    EXPECT_EQ(festorin.dataFile("dates.txt"), e2e::contactRecords({bo, emil, cleo, anna}));
    EXPECT_EQ(festorin.gridPeople(), (std::vector<Person>{bo, emil, cleo, anna}));
    DeleteFileA(outlook.c_str());
    DeleteFileA(excel.c_str());
}

}  // namespace
