// Writes the seed corpora of the fuzz targets with the program's own writers:
// sound files, and the damaged ones the readers must survive (a tail shorter
// than a record, length bytes of 0 and 255, empty files, no line end).
// Usage: make_seeds <corpus folder>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "address_book/vcard_writer.h"
#include "app/option_marker.h"
#include "app/system_converters.h"
#include "book/contact_file.h"
#include "book/contact_record.h"
#include "book/contact_table.h"
#include "book/sort_order_file.h"
#include "listed_people_input.h"
#include "platform/atomic_file.h"
#include "reminders/check_date_file.h"

namespace {

using Person = std::vector<std::string>;

const Person dara{"0305", "Dara",     "Ruze",           "dara@example.org", "01 23 45 67 89",
                  "",     "March, 5", "Send an E-mail", "2 days before",    "Birtday"};
const Person veve{
    "1224",        "V\xe9v\xe9",   "Zaro",          "",     "+33 6 12 34 56 78", "06 98 76 54 32",
    "December,24", "Call phone 2", "The exact day", "Other"};
const Person longest{"02299",
                     std::string(70, 'A'),
                     std::string(60, 'b'),
                     std::string(61, 'c'),
                     std::string(30, '1'),
                     std::string(31, '2'),
                     "February,29",
                     "Other",
                     "4 days before",
                     std::string(45, 'r')};

void fillTable(platform::StringGrid& grid, const std::vector<Person>& people) {
    for (std::size_t i = 0; i < people.size(); ++i) {
        const int row = i == 0 ? 1 : book::appendRow(grid);
        for (int col = 0; col < book::columnCount; ++col)
            grid.setCell(col, row, people[i][static_cast<std::size_t>(col)]);
    }
}

void writeTable(const std::string& path, const std::vector<Person>& people) {
    platform::StringGrid grid(nullptr, book::columnCount);
    fillTable(grid, people);
    book::writeContactFile(path, grid);
}

std::string recordOf(const Person& person) {
    platform::StringGrid grid(nullptr, book::columnCount);
    fillTable(grid, {person});
    const book::ContactRecord record = book::ContactRecord::fromRow(grid, 1);
    return std::string(reinterpret_cast<const char*>(record.bytes.data()), record.bytes.size());
}

// A record whose every length byte says `length`, whatever its field holds.
std::string recordWithLengths(const Person& person, unsigned char length) {
    std::string record = recordOf(person);
    for (const book::RecordField& field : book::recordFields) record[field.offset] = length;
    return record;
}

std::string recordWithLengthsPastCapacity(const Person& person) {
    std::string record = recordOf(person);
    for (const book::RecordField& field : book::recordFields)
        record[field.offset] = static_cast<char>(field.capacity + 1);
    return record;
}

void contactFileSeeds(const std::string& folder) {
    writeTable(folder + "empty", {});
    writeTable(folder + "one_person", {dara});
    writeTable(folder + "three_people", {dara, veve, longest});

    const std::string three = recordOf(dara) + recordOf(veve) + recordOf(longest);
    platform::writeFileAtomically(folder + "three_people_and_tail",
                                  three + recordOf(dara).substr(0, 100));
    platform::writeFileAtomically(folder + "tail_only", recordOf(veve).substr(0, 100));
    platform::writeFileAtomically(folder + "one_byte_short",
                                  recordOf(dara).substr(0, book::ContactRecord::size - 1));
    platform::writeFileAtomically(folder + "lengths_0", recordWithLengths(longest, 0));
    platform::writeFileAtomically(folder + "lengths_255",
                                  recordWithLengths(longest, 255) + recordWithLengths(dara, 255));
    platform::writeFileAtomically(folder + "lengths_past_capacity",
                                  recordWithLengthsPastCapacity(veve));
    platform::writeFileAtomically(folder + "zeros", std::string(book::ContactRecord::size, '\0'));
}

void checkDateSeeds(const std::string& folder) {
    using reminders::writeCheckDateFile;
    writeCheckDateFile(folder + "slash", {2026, 12, 8}, '/');
    writeCheckDateFile(folder + "dot", {2026, 12, 8}, '.');
    writeCheckDateFile(folder + "dash", {2026, 1, 31}, '-');
    writeCheckDateFile(folder + "leap_day", {2028, 2, 29}, '/');
    writeCheckDateFile(folder + "no_such_day", {2026, 2, 29}, '/');
    writeCheckDateFile(folder + "zeros", {0, 0, 0}, '/');
    writeCheckDateFile(folder + "long_ago", {1899, 12, 30}, '/');

    const std::string line = reminders::checkDateLine({2026, 12, 8}, '/');
    const std::string date = line.substr(0, 10);
    platform::writeFileAtomically(folder + "empty", "");
    platform::writeFileAtomically(folder + "without_line_end", date);
    platform::writeFileAtomically(folder + "line_feed_only", date + "\n");
    platform::writeFileAtomically(folder + "two_lines",
                                  line + reminders::checkDateLine({2025, 6, 1}, '/'));
    platform::writeFileAtomically(folder + "cut_short", date.substr(0, 8) + "\r\n");
    platform::writeFileAtomically(folder + "letters", "ab/cd/efgh\r\n");
    platform::writeFileAtomically(folder + "signs", "+1/-2/ 2026\r\n");
}

void sortOrderSeeds(const std::string& folder) {
    for (int order = 0; order < book::orderCount; ++order)
        book::writeSortOrder(folder + "order_" + std::to_string(order), order);
    book::writeSortOrder(folder + "order_7", 7);
    book::writeSortOrder(folder + "order_minus_1", -1);

    platform::writeFileAtomically(folder + "empty", "");
    platform::writeFileAtomically(folder + "letters", "abc\r\n");
    platform::writeFileAtomically(folder + "without_line_end", "2");
    platform::writeFileAtomically(folder + "line_feed_only", "1\n");
    platform::writeFileAtomically(folder + "blanks_and_sign", "  +3\r\n");
    platform::writeFileAtomically(folder + "too_large", "99999999999\r\n");
    platform::writeFileAtomically(folder + "smallest_int", "-2147483648\r\n");
    platform::writeFileAtomically(folder + "second_line", "\r\n3\r\n");
}

void startHiddenSeeds(const std::string& folder) {
    app::startHiddenMarker.write(folder);
    platform::writeFileAtomically(folder + "empty", "");
    platform::writeFileAtomically(folder + "odd_first_byte", "+\r\n");
    platform::writeFileAtomically(folder + "binary", std::string("\x01\xff\0\r", 4));
}

address_book::Cells cellsOf(const Person& person) {
    address_book::Cells cells;
    std::copy(person.begin(), person.end(), cells.begin());
    return cells;
}

// Texts with what the format escapes, line ends, blanks and bytes above 127.
const Person marks{"0105",
                   "A;n,n\\e",
                   " Lee\r\nRuze ",
                   "a,b@example.org",
                   "tel:01",
                   "\n02",
                   "January,05",
                   "Call phone 2",
                   "",
                   " Lunch;\r\n\xe9 "};

// Rows of an older contact file: a key that is no date and an empty one,
// blanks at the ends of names, an address of blanks, a control character.
const Person older{"0230", " Ann ", "", " ", "tel:", "06\x01", "Mars 30", "", "", ""};
const Person keyless{"", "", "", "", "", "", "", "Other", "", ""};

// The same lists as File > Export... writes them, for the vCard reader too.
void exportSeeds(const std::string& folder, const std::string& vcardFolder) {
    const auto raw = [](const Person& person, unsigned month, unsigned day, bool zero) {
        return fuzz::RawPerson{cellsOf(person), month, day, zero};
    };
    platform::writeFileAtomically(folder + "empty", "");
    platform::writeFileAtomically(folder + "one_person", fuzz::inputOf({raw(dara, 2, 4, false)}));
    platform::writeFileAtomically(
        folder + "four_people",
        fuzz::inputOf({raw(dara, 2, 4, false), raw(veve, 11, 23, false), raw(longest, 1, 28, false),
                       raw(marks, 0, 4, true)}));
    platform::writeFileAtomically(
        folder + "older_rows",
        fuzz::inputOf({raw(older, 1, 29, false), raw(keyless, 0, 0, false)}));
    platform::writeFileAtomically(
        vcardFolder + "festorin_export",
        address_book::vCardsOf({cellsOf(dara), cellsOf(veve), cellsOf(longest), cellsOf(marks),
                                cellsOf(older), cellsOf(keyless)},
                               systemConverters()));
}

std::string subfolder(const std::filesystem::path& root, const char* name) {
    std::filesystem::create_directories(root / name);
    return (root / name).string() + "/";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    contactFileSeeds(subfolder(root, "contact_file"));
    checkDateSeeds(subfolder(root, "check_date"));
    sortOrderSeeds(subfolder(root, "sort_order"));
    startHiddenSeeds(subfolder(root, "start_hidden"));
    exportSeeds(subfolder(root, "vcard_export"), subfolder(root, "vcard"));
    return 0;
}
