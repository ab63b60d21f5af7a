// Importing a vCard file of 10,000 contacts into an empty list, the whole of
// what the program does with it: read, plan, add to the grid, sort by date
// and save the contact file. And the readers over the worst 64 MB files that
// could be built for them: each must be read in under 2 s and in under 200 MB
// (run each alone under /usr/bin/time -v for its peak). And a 1 GB vCard
// file with photos, read from its file in one pass: under 10 s and 200 MB.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include "address_book/address_book.h"
#include "address_book/csv_reader.h"
#include "address_book/import_plan.h"
#include "address_book/offer.h"
#include "address_book/people_list.h"
#include "address_book/vcard_reader.h"
#include "app/system_converters.h"
#include "bench/bench_folder.h"
#include "book/contact_file.h"
#include "book/contact_table.h"
#include "book/sort.h"
#include "platform/file_pieces.h"

namespace {

constexpr int contactsInFile = 10000;

std::string twoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

// Mostly 3.0 cards in UTF-8, every fourth a phone's 2.1 card in
// quoted-printable, on birthdays over the whole year.
std::string vcardFile(int contacts) {
    std::mt19937 random(contactsInFile);
    std::uniform_int_distribution<int> month(1, 12), day(1, 28), year(1940, 2020);
    std::string file;
    for (int i = 1; i <= contacts; ++i) {
        const std::string n = std::to_string(i);
        const std::string bday = std::to_string(year(random)) + "-" + twoDigits(month(random)) +
                                 "-" + twoDigits(day(random));
        if (i % 4 == 0) {
            file +=
                "BEGIN:VCARD\r\nVERSION:2.1\r\n"
                "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller" +
                n + ";J=C3=A9r=C3=B4me;;;\r\nTEL;CELL;PREF:+33 6 12 34 " + n +
                "\r\nTEL;HOME:01 23 45 67 89\r\nBDAY:" + bday + "\r\nEND:VCARD\r\n";
        } else {
            file += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Surname" + n + ";Firstn\u00e4me" + n +
                    ";;;\r\nFN:Firstn\u00e4me" + n + " Surname" + n +
                    "\r\nitem1.EMAIL;TYPE=INTERNET;TYPE=pref:person" + n +
                    "@example.org\r\nTEL;TYPE=CELL:06 98 76 54 32\r\nBDAY:" + bday +
                    "\r\nEND:VCARD\r\n";
        }
    }
    return file;
}

void BM_ImportVCardFile(benchmark::State& state) {
    const std::string file = vcardFile(contactsInFile);
    const std::string contactFile = bench::freshTempFolder("festorin-bench-import") + "/dates.txt";
    for (auto _ : state) {
        platform::StringGrid list(nullptr, book::columnCount);
        const address_book::AddressBook read = address_book::readAddressBook(
            file, address_book::DateOrder::DayMonthYear, systemConverters());
        const address_book::ImportPlan plan =
            address_book::planImport(read, list, address_book::roomLeft(list), systemConverters());
        benchmark::DoNotOptimize(address_book::offerOf(read, plan, "contacts.vcf").text);
        address_book::appendPeople(list, plan.people);
        book::sortRows(list, book::colKey);
        book::writeContactFile(contactFile, list);
        if (list.rowCount() != contactsInFile + 1) state.SkipWithError("people missing");
    }
}

BENCHMARK(BM_ImportVCardFile)->Unit(benchmark::kMillisecond);

// A phone's or iCloud's export with photos, 1 GB of it, written to a file
// and read from it in one pass, as the import reads it: every second photo
// of 150 KB in folded lines of 75 octets, the others of 400 KB on one line
// each, longer than any line the reader keeps.
constexpr std::int64_t gigabyte = 1024 * 1024 * 1024;

std::string cardWithPhoto(int i, const std::string& photo) {
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nN:M\u00fcller" + std::to_string(i) +
           ";J\u00f6rg;;;\r\nFN:J\u00f6rg M\u00fcller\r\nTEL;TYPE=CELL:+49 170 " +
           std::to_string(i) + "\r\nBDAY:1980-" + twoDigits(1 + i % 12) + "-" +
           twoDigits(1 + i % 28) + "\r\n" + photo + "\r\nEND:VCARD\r\n";
}

std::string photoProperty(bool folded) {
    std::string photo = "PHOTO;ENCODING=b;TYPE=JPEG:";
    const std::size_t photoSize = folded ? 150000 : 400000;
    const std::string line(folded ? 74 : photoSize, 'Q');
    for (std::size_t size = 0; size < photoSize; size += line.size())
        photo += (folded && size > 0 ? "\r\n " : "") + line;
    return photo;
}

std::int64_t writeGigabyteOfCards(const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    const std::string photos[] = {photoProperty(true), photoProperty(false)};
    std::int64_t size = 0;
    for (int i = 0; size < gigabyte; ++i) {
        const std::string card = cardWithPhoto(i, photos[i % 2]);
        file.write(card.data(), static_cast<std::streamsize>(card.size()));
        size += static_cast<std::int64_t>(card.size());
    }
    return size;
}

// The peak of the process's resident memory so far, in MB.
double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ReadGigabyteVCardWithPhotos(benchmark::State& state) {
    const std::string path = bench::freshTempFolder("festorin-bench-gigabyte") + "/photos.vcf";
    const std::int64_t size = writeGigabyteOfCards(path);
    const double peakBefore = peakResidentMegabytes();
    std::size_t contacts = 0;
    for (auto _ : state) {
        platform::FilePieces file(path);
        contacts =
            address_book::readAddressBook([&file] { return file.next(); },
                                          address_book::DateOrder::DayMonthYear, systemConverters())
                .contacts.size();
    }
    std::remove(path.c_str());
    state.counters["peak_MB"] = peakResidentMegabytes();
    state.counters["peak_rise_MB"] = peakResidentMegabytes() - peakBefore;
    state.SetLabel(std::to_string(size) + " bytes, " + std::to_string(contacts) + " contacts");
}

BENCHMARK(BM_ReadGigabyteVCardWithPhotos)->Unit(benchmark::kMillisecond)->Iterations(1);

// The size of the worst files.
constexpr std::size_t largestFile = 64 * 1024 * 1024;

// `head`, then the units that `unit(i)` gives for i = 0, 1, 2... as long as
// they fit, then `tail`: the file is as large as it can be.
std::string largest(const std::string& head, const std::function<std::string(int)>& unit,
                    const std::string& tail = "", std::size_t size = largestFile) {
    std::string file;
    file.reserve(size);
    file += head;
    for (int i = 0;; ++i) {
        const std::string next = unit(i);
        if (file.size() + next.size() + tail.size() > size) break;
        file += next;
    }
    file += tail;
    return file;
}

std::string largest(const std::string& head, const std::string& unit, const std::string& tail = "",
                    std::size_t size = largestFile) {
    return largest(
        head, [&unit](int) { return unit; }, tail, size);
}

// A short name of its own for each i: "a", "b", ... "ba", "bb", ...
std::string nameOf(int i) {
    std::string name;
    do {
        name.insert(name.begin(), static_cast<char>('a' + i % 26));
        i /= 26;
    } while (i > 0);
    return name;
}

std::string dayOf(int i) { return "--" + twoDigits(1 + i % 12) + twoDigits(1 + i / 12 % 28); }

std::string vcardOneEndlessLine() { return largest("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:", "a"); }

std::string vcardFoldedLines() {
    return largest("BEGIN:VCARD\r\nVERSION:2.1\r\nNOTE:Ann", "\r\n a", "\r\nEND:VCARD\r\n");
}

// Behind a head of ten thousand parameters.
std::string vcardSoftBreaks() {
    std::string head = "BEGIN:VCARD\r\nVERSION:2.1\r\nN";
    for (int i = 0; i < 10000; ++i) head += ";X-PARAMETER=value";
    return largest(head + ";CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:", "=C3=A9=\r\n",
                   "\r\nEND:VCARD\r\n");
}

std::string vcardEmptyCards() { return largest("", "BEGIN:VCARD\r\nEND:VCARD\r\n"); }

std::string vcardEmptyLines() { return largest("BEGIN:VCARD\r\n", "\n"); }

std::string vcardParameters() { return largest("BEGIN:VCARD\r\nN", ";a", ":Lee;Ann\r\n"); }

std::string vcardPhones() { return largest("BEGIN:VCARD\r\nN:Lee;Ann\r\n", "TEL:1\r\n"); }

// Cards without END:VCARD, each with a name of its own and a birthday.
std::string vcardTinyCards() {
    return largest(
        "", [](int i) { return "BEGIN:VCARD\nN:" + nameOf(i) + "\nBDAY:" + dayOf(i) + "\n"; });
}

void BM_ReadWorstVCard(benchmark::State& state, std::string (*make)()) {
    const std::string file = make();
    std::size_t contacts = 0;
    for (auto _ : state)
        contacts = address_book::readVCards(file, address_book::DateOrder::DayMonthYear,
                                            systemConverters())
                       .size();
    state.SetLabel(std::to_string(file.size()) + " bytes, " + std::to_string(contacts) +
                   " contacts");
}

BENCHMARK_CAPTURE(BM_ReadWorstVCard, one_endless_line, vcardOneEndlessLine)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstVCard, folded_lines, vcardFoldedLines)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstVCard, soft_breaks, vcardSoftBreaks)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstVCard, empty_cards, vcardEmptyCards)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstVCard, empty_lines, vcardEmptyLines)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstVCard, parameters, vcardParameters)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstVCard, phones, vcardPhones)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstVCard, tiny_cards, vcardTinyCards)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The plan of the file with the most people: every card a person of its own,
// as many as the list takes added, the rest counted.
void BM_PlanWorstVCard(benchmark::State& state) {
    const std::string file = vcardTinyCards();
    int newPeople = 0;
    for (auto _ : state) {
        platform::StringGrid list(nullptr, book::columnCount);
        const address_book::AddressBook read = address_book::readAddressBook(
            file, address_book::DateOrder::DayMonthYear, systemConverters());
        newPeople =
            address_book::planImport(read, list, address_book::roomLeft(list), systemConverters())
                .newPeople;
    }
    state.SetLabel(std::to_string(newPeople) + " new people");
}

BENCHMARK(BM_PlanWorstVCard)->Unit(benchmark::kMillisecond)->Iterations(1);

std::string csvOneEndlessLine() { return largest("First Name,Birthday\r\n", "a"); }

std::string csvRowOfCommas() { return largest("First Name,Birthday\r\nAnn,1/2/1980", ","); }

std::string csvHeaderOfCommas() {
    return largest("First Name,Birthday", ",", "\r\nAnn,1/2/1980\r\n");
}

std::string csvQuotedQuotes() { return largest("First Name,Birthday\r\n\"", "\"\""); }

std::string csvEmptyRows() { return largest("First Name,Birthday\r\n", "\n"); }

std::string csvTinyRows() { return largest("First Name,Birthday\n", "a\n"); }

std::string csvTinyRowsWithBirthdays() {
    return largest("First Name,Birthday\n",
                   [](int i) { return nameOf(i) + "," + std::to_string(1 + i % 12) + "/1/1\n"; });
}

void BM_ReadWorstCsv(benchmark::State& state, std::string (*make)()) {
    const std::string file = make();
    std::size_t contacts = 0;
    for (auto _ : state)
        contacts =
            address_book::readCsv(file, address_book::DateOrder::MonthDayYear, systemConverters())
                ->contacts.size();
    state.SetLabel(std::to_string(file.size()) + " bytes, " + std::to_string(contacts) +
                   " contacts");
}

BENCHMARK_CAPTURE(BM_ReadWorstCsv, one_endless_line, csvOneEndlessLine)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstCsv, row_of_commas, csvRowOfCommas)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstCsv, header_of_commas, csvHeaderOfCommas)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstCsv, quoted_quotes, csvQuotedQuotes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstCsv, empty_rows, csvEmptyRows)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstCsv, tiny_rows, csvTinyRows)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstCsv, tiny_rows_with_birthdays, csvTinyRowsWithBirthdays)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The UTF-16 LE file, with its byte-order mark, of a UTF-8 text of the Basic
// Multilingual Plane.
std::string utf16Of(const std::string& utf8) {
    std::string file = "\xFF\xFE";
    file.reserve(2 * utf8.size() + 2);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
        unsigned unit = length == 1 ? lead : length == 2 ? lead & 0x1F : lead & 0x0F;
        for (std::size_t i = 1; i < length; ++i)
            unit = unit << 6 | (static_cast<unsigned char>(utf8[pos + i]) & 0x3F);
        file += static_cast<char>(unit & 0xFF);
        file += static_cast<char>(unit >> 8);
        pos += length;
    }
    return file;
}

// UTF-16 files of 64 MB: the most contacts there can be, or one text of
// Chinese characters, each three bytes once it is UTF-8.
constexpr std::size_t halfFile = largestFile / 2 - 1;
std::string utf16TinyCards() {
    return utf16Of(largest(
        "", [](int i) { return "BEGIN:VCARD\nN:" + nameOf(i) + "\nBDAY:" + dayOf(i) + "\n"; }, "",
        halfFile));
}
// One name of Chinese characters as long as the file allows, made in UTF-16
// at once, so that the peak is the reader's.
std::string utf16Chinese(const std::string& head, const std::string& tail) {
    std::string file = utf16Of(head);
    const std::string end = utf16Of(tail).substr(2);
    file.reserve(largestFile);
    while (file.size() + 2 + end.size() <= largestFile) file += "\x8b\x73";
    file += end;
    return file;
}
std::string utf16ChineseCard() {
    return utf16Chinese("BEGIN:VCARD\r\nVERSION:3.0\r\nN:", "\r\nEND:VCARD\r\n");
}
std::string utf16TinyRows() {
    return utf16Of(largest(
        "First Name,Birthday\n",
        [](int i) { return nameOf(i) + "," + std::to_string(1 + i % 12) + "/1/1\n"; }, "",
        halfFile));
}
std::string utf16ChineseRow() { return utf16Chinese("First Name,Birthday\r\n", ",1/1/1\r\n"); }

// Through the door of every file: the UTF-16 is made UTF-8, then read.
void BM_ReadWorstUtf16(benchmark::State& state, std::string (*make)()) {
    const std::string file = make();
    std::size_t contacts = 0;
    for (auto _ : state)
        contacts = address_book::readAddressBook(file, address_book::DateOrder::MonthDayYear,
                                                 systemConverters())
                       .contacts.size();
    state.SetLabel(std::to_string(file.size()) + " bytes, " + std::to_string(contacts) +
                   " contacts");
}

BENCHMARK_CAPTURE(BM_ReadWorstUtf16, vcard_tiny_cards, utf16TinyCards)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstUtf16, vcard_chinese_name, utf16ChineseCard)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstUtf16, csv_tiny_rows, utf16TinyRows)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ReadWorstUtf16, csv_chinese_name, utf16ChineseRow)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
