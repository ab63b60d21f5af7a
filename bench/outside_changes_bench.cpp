// The contact file shared with another PC at the table's limit: the tick's
// look at a file that did not change, which hashes every byte because a
// sync engine keeps the last-write time, and a three-way merge of two full
// lists with a thousand changes on each side. The tick also looks for the
// sync engine's conflict copies in the data folder; merging one is timed too.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/main_window.h"
#include "bench/bench_folder.h"
#include "bench/bench_people.h"
#include "book/conflict_copy.h"
#include "book/contact_file.h"
#include "book/contact_table.h"
#include "book/row_merge.h"
#include "platform/application.h"
#include "platform/atomic_file.h"
#include "platform/headless/headless.h"

namespace {

bench::Birthday spreadOverTheYear(int row) {
    const int month = 1 + row % 12;
    const std::string day = std::to_string(1 + row % 28);
    return {book::birthdayKey(month, day), book::shownDate("March", day)};
}

std::vector<book::PersonRow> fullList() {
    platform::StringGrid grid(nullptr, book::columnCount);
    bench::fillPeople(grid, book::maxPeople, spreadOverTheYear);
    return book::peopleRows(grid);
}

void BM_TickWithTheContactFileUnchanged(benchmark::State& state) {
    platform::headless::reset();
    const std::string appData = bench::freshTempFolder("festorin-tick-bench");
    platform::headless::setAppDataFolder(appData);
    {
        platform::StringGrid grid(nullptr, book::columnCount);
        bench::fillPeople(grid, book::maxPeople, spreadOverTheYear);
        std::filesystem::create_directories(appData + "/FN");
        book::writeContactFile(appData + "/FN/dates.txt", grid);
    }
    auto form = createMainWindow();
    platform::application::run(*form);
    platform::headless::tick(form->checkTimer);  // the day's check, once
    for (auto _ : state) platform::headless::tick(form->checkTimer);
    if (form->peopleGrid.rowCount() != book::maxPeople + 1 ||
        !platform::headless::shownBoxes().empty())
        state.SkipWithError("the tick did not see the list as it was");
}

// In a shared folder the tick after a save keeps the list just written as
// the base of the next merge: the file's bytes written beside the standard list.
void BM_TickAfterASaveKeepsTheBase(benchmark::State& state) {
    platform::headless::reset();
    const std::string appData = bench::freshTempFolder("festorin-tick-bench");
    const std::string shared = bench::freshTempFolder("festorin-tick-bench-shared");
    platform::headless::setAppDataFolder(appData);
    std::filesystem::create_directories(appData + "/FN");
    platform::writeFileAtomically(appData + "/FN/folder.txt", shared + "\r\n");
    auto form = createMainWindow();
    platform::application::run(*form);
    bench::fillPeople(form->peopleGrid, book::maxPeople, spreadOverTheYear);
    form->saveContacts();
    platform::headless::tick(form->checkTimer);  // the day's check, once
    int saves = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form->peopleGrid.setCell(book::colPhone1, 1, std::to_string(++saves));
        form->saveContacts();
        state.ResumeTiming();
        platform::headless::tick(form->checkTimer);
    }
    if (form->dataFolder == appData + "/FN\\" || !platform::headless::shownBoxes().empty())
        state.SkipWithError("the shared folder was not used as it was");
}

void BM_MergeTwoFullListsWithAThousandChangesEach(benchmark::State& state) {
    const std::vector<book::PersonRow> base = fullList();
    std::vector<book::PersonRow> theirs = base;
    std::vector<book::PersonRow> ours = base;
    for (int i = 0; i < 1000; ++i) {
        theirs[static_cast<std::size_t>(i) * 31][book::colPhone1] = "there";
        ours[static_cast<std::size_t>(i) * 29 + 7][book::colPhone2] = "here";
    }
    for (auto _ : state) {
        book::MergedRows merged = book::mergeRows(base, theirs, ours);
        benchmark::DoNotOptimize(merged.rows.data());
    }
}

// A copy set aside by the sync engine, with a thousand changes, merged into
// a full list, and the people it brought back found.
void BM_MergeAConflictCopyOfAFullList(benchmark::State& state) {
    const std::vector<book::PersonRow> known = fullList();
    std::vector<book::PersonRow> copy = known;
    for (int i = 0; i < 1000; ++i)
        copy[static_cast<std::size_t>(i) * 31][book::colPhone1] = "there";
    for (auto _ : state) {
        book::MergedRows merged = book::mergeConflictCopy(known, copy, known);
        std::vector<book::PersonRow> brought = book::rowsBroughtBack(known, merged.rows);
        benchmark::DoNotOptimize(brought.data());
    }
}

// What any merge does at least: the result's rows made once.
void BM_CopyAFullList(benchmark::State& state) {
    const std::vector<book::PersonRow> list = fullList();
    for (auto _ : state) {
        std::vector<book::PersonRow> copy = list;
        benchmark::DoNotOptimize(copy.data());
    }
}

BENCHMARK(BM_TickWithTheContactFileUnchanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickAfterASaveKeepsTheBase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeTwoFullListsWithAThousandChangesEach)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeAConflictCopyOfAFullList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyAFullList)->Unit(benchmark::kMillisecond);

}  // namespace
