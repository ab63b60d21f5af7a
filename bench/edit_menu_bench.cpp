// Looking for a person and taking a change back in a list of 32,767 people:
// the list view's search and Find Next when nobody matches, so that every
// row is looked at, and an undo up to the moment the window shows it, before
// its save.
#include <benchmark/benchmark.h>

#include <string>

#include "app/main_window.h"
#include "bench/bench_folder.h"
#include "bench/bench_people.h"
#include "book/change_history.h"
#include "book/contact_table.h"
#include "platform/application.h"
#include "platform/headless/headless.h"

namespace {

std::unique_ptr<MainWindow> fullList(const char* folder) {
    platform::headless::reset();
    platform::headless::setAppDataFolder(bench::freshTempFolder(folder));
    auto form = createMainWindow();
    platform::application::run(*form);
    bench::fillPeople(form->peopleGrid, book::maxPeople, [](int row) {
        const std::string day = std::to_string(1 + row % 28);
        return bench::Birthday{book::birthdayKey(1 + row % 12, day), "May, " + day};
    });
    form->sortPeople();
    return form;
}

void BM_TypedLettersFindNobody(benchmark::State& state) {
    auto form = fullList("festorin-find-bench");
    for (auto _ : state) platform::headless::typeInGrid(form->peopleGrid, "Nobody");
}

void BM_FindNextFindsNobody(benchmark::State& state) {
    auto form = fullList("festorin-find-next-bench");
    platform::headless::click(form->findItem);
    platform::headless::type(form->findBox()->findWhatBox, "nobody");
    for (auto _ : state) platform::headless::click(form->findNextItem);
}

// The baseline: one byte-by-byte comparison of every first name.
void BM_CompareEveryFirstName(benchmark::State& state) {
    auto form = fullList("festorin-compare-bench");
    const std::string text = "Nobody";
    for (auto _ : state) {
        int found = 0;
        for (int row = 1; row < form->peopleGrid.rowCount(); ++row)
            found += form->peopleGrid.cell(book::colFirstName, row).compare(0, 6, text) == 0;
        benchmark::DoNotOptimize(found);
    }
}

// The person comes back where the order puts it, selected, as the undo
// shows it before its save.
void BM_UndoPutsBackADeletedPerson(benchmark::State& state) {
    auto form = fullList("festorin-undo-bench");
    platform::StringGrid& grid = form->peopleGrid;
    for (auto _ : state) {
        state.PauseTiming();
        const book::PersonRow deleted = book::rowAt(grid, 12345);
        book::removeRow(grid, 12345);
        state.ResumeTiming();

        const book::UndoOutcome outcome = book::undoChange(grid, book::deleteOf(deleted));
        form->sortPeople();
        grid.setRow(book::findRow(grid, outcome.putBack.front()));
    }
}

void BM_UndoTakesBackAnImportOf1000(benchmark::State& state) {
    auto form = fullList("festorin-undo-import-bench");
    platform::StringGrid& grid = form->peopleGrid;
    std::vector<book::PersonRow> imported;
    for (int row = 1; row <= 1000; ++row) imported.push_back(book::rowAt(grid, row * 30));
    for (auto _ : state) {
        state.PauseTiming();
        const book::Change import = book::importOf(imported);
        state.ResumeTiming();

        benchmark::DoNotOptimize(book::undoChange(grid, import));

        state.PauseTiming();
        std::vector<book::PersonRow> rows = book::peopleRows(grid);
        rows.insert(rows.end(), imported.begin(), imported.end());
        book::setPeopleRows(grid, std::move(rows), book::maxPeople);
        form->sortPeople();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_TypedLettersFindNobody)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextFindsNobody)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareEveryFirstName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoPutsBackADeletedPerson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoTakesBackAnImportOf1000)->Unit(benchmark::kMillisecond);

}  // namespace
