// File > Export... at the table's limit: the people of the grid as a vCard
// file and as a calendar, converted, escaped, folded and written whole,
// beside the vCard's bytes through the same atomic replace.
#include <benchmark/benchmark.h>

#include <array>

#include "address_book/icalendar_writer.h"
#include "address_book/people_list.h"
#include "address_book/vcard_writer.h"
#include "app/system_converters.h"
#include "bench/bench_folder.h"
#include "bench/bench_people.h"
#include "book/choices.h"
#include "book/contact_table.h"
#include "platform/atomic_file.h"

namespace {

// Birthdays over the whole year, surnames above ASCII.
void fillPeople(platform::StringGrid& grid) {
    bench::fillPeople(grid, book::maxPeople, [](int row) {
        const int month = row % 12 + 1;
        const std::string day = std::to_string(row % 28 + 1);
        return bench::Birthday{book::birthdayKey(month, day),
                               book::shownDate(book::monthNames[month - 1], day)};
    });
    for (int row = 1; row <= book::maxPeople; ++row)
        grid.setCell(book::colSurname, row, "M\xfcller" + std::to_string(row));
}

std::string exportedFile() {
    return bench::freshTempFolder("festorin-bench-export") + "/Festorin birthdays.vcf";
}

void BM_ExportVCardFile(benchmark::State& state) {
    platform::StringGrid grid(nullptr, book::columnCount);
    fillPeople(grid);
    const std::string file = exportedFile();
    for (auto _ : state) {
        const std::vector<address_book::Cells> people = address_book::rowsOfPeople(grid);
        platform::writeFileAtomically(file, address_book::vCardsOf(people, systemConverters()));
    }
}

// The same people as a calendar of yearly birthdays with their alarms.
void BM_ExportCalendarFile(benchmark::State& state) {
    platform::StringGrid grid(nullptr, book::columnCount);
    fillPeople(grid);
    const std::string file = exportedFile();
    for (auto _ : state) {
        const std::vector<address_book::Cells> people = address_book::rowsOfPeople(grid);
        platform::writeFileAtomically(file, address_book::birthdayCalendarOf(
                                                people, {2026, 12, 11, 9, 0, 0}, systemConverters())
                                                .bytes);
    }
}

void BM_ExportBaseline(benchmark::State& state) {
    platform::StringGrid grid(nullptr, book::columnCount);
    fillPeople(grid);
    const std::string file = exportedFile();
    const std::string bytes =
        address_book::vCardsOf(address_book::rowsOfPeople(grid), systemConverters());
    for (auto _ : state) platform::writeFileAtomically(file, bytes);
}

BENCHMARK(BM_ExportVCardFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCalendarFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
