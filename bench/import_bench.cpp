// Importing a vCard file of 10,000 contacts into an empty list, the whole of
// what the program does with it: read, plan, add to the grid, sort by date
// and save the contact file.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "address_book/address_book.h"
#include "address_book/import_plan.h"
#include "address_book/offer.h"
#include "address_book/people_list.h"
#include "address_book/text_encoding.h"
#include "bench/bench_folder.h"
#include "book/contact_file.h"
#include "book/contact_table.h"
#include "book/sort.h"

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
        const address_book::AddressBook read =
            address_book::readAddressBook(file, address_book::DateOrder::DayMonthYear);
        const address_book::ImportPlan plan = address_book::planImport(
            read, list, address_book::roomLeft(list), address_book::utf8ToWindows1252);
        benchmark::DoNotOptimize(address_book::offerOf(read, plan, "contacts.vcf").text);
        address_book::appendPeople(list, plan.people);
        book::sortRows(list, book::colKey);
        book::writeContactFile(contactFile, list);
        if (list.rowCount() != contactsInFile + 1) state.SkipWithError("people missing");
    }
}

BENCHMARK(BM_ImportVCardFile)->Unit(benchmark::kMillisecond);

}  // namespace
