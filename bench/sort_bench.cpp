// The table's sort at 2,000 and 32,767 people against the literal exchange
// sort it must match: random birthdays and names, sorted by each of the four
// orders of the Order menu.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "book/contact_table.h"
#include "book/sort.h"
#include "platform/string_grid.h"
#include "test_support/literal_sort.h"

namespace {

std::string randomName(std::mt19937& random) {
    static const std::string letters = "abcdefghijklmnopqrstuvwxyz";
    std::uniform_int_distribution<int> length(3, 9), letter(0, 25);
    std::string name(1, static_cast<char>(letters[letter(random)] - 'a' + 'A'));
    for (int i = length(random); i > 0; --i) name += letters[letter(random)];
    return name;
}

// Birthdays over the whole year, so that many people share one.
void fillPeople(platform::StringGrid& grid, int people) {
    std::mt19937 random(32767);
    std::uniform_int_distribution<int> month(1, 12), day(1, 28);
    grid.setRowCount(people + 1);
    for (int row = 1; row <= people; ++row) {
        grid.setCell(book::colKey, row,
                     book::birthdayKey(month(random), std::to_string(day(random))));
        grid.setCell(book::colFirstName, row, randomName(random));
        grid.setCell(book::colSurname, row, randomName(random));
        grid.setCell(book::colEmail, row, randomName(random) + "@example.org");
    }
}

template <typename Sort>
void sortTable(benchmark::State& state, Sort sort) {
    const int people = static_cast<int>(state.range(0));
    const int col = static_cast<int>(state.range(1));
    platform::StringGrid grid(nullptr, book::columnCount);
    for (auto _ : state) {
        state.PauseTiming();
        fillPeople(grid, people);
        state.ResumeTiming();
        sort(grid, col);
    }
}

void BM_SortPeople(benchmark::State& state) {
    sortTable(state, [](platform::StringGrid& grid, int col) {
        benchmark::DoNotOptimize(book::sortRows(grid, col));
    });
}

void BM_LiteralExchangeSort(benchmark::State& state) {
    sortTable(state, test_support::literalExchangeSort);
}

const std::vector<std::int64_t> everyOrder{book::colKey, book::colFirstName, book::colSurname,
                                           book::colEmail};

BENCHMARK(BM_SortPeople)->ArgsProduct({{2000, 32767}, everyOrder})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralExchangeSort)->ArgsProduct({{2000}, everyOrder})->Unit(benchmark::kMillisecond);
// Seconds each: one run is enough to see the cost.
BENCHMARK(BM_LiteralExchangeSort)
    ->ArgsProduct({{32767}, everyOrder})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
