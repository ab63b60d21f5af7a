// One Ok that adds a person to a table one short of its limit: the checks,
// the row, the sort and the save of the whole contact file.
#include <benchmark/benchmark.h>

#include <string>

#include "app/main_window.h"
#include "bench/bench_folder.h"
#include "bench/bench_people.h"
#include "book/contact_table.h"
#include "book/data_folder.h"
#include "platform/application.h"
#include "platform/atomic_file.h"
#include "platform/headless/headless.h"

namespace {

// People spread over the whole year, sorted as the table always is before Ok.
void fillPeople(MainWindow& form, int people) {
    bench::fillPeople(form.peopleGrid, people, [&form](int row) {
        const int month = 1 + row % 12;
        const std::string day = std::to_string(1 + row % 28);
        return bench::Birthday{book::birthdayKey(month, day),
                               book::shownDate(form.monthList.item(month - 1), day)};
    });
    form.sortPeople();
}

int rowOf(const platform::StringGrid& grid, const std::string& firstName) {
    for (int row = 1; row < grid.rowCount(); ++row)
        if (grid.cell(book::colFirstName, row) == firstName) return row;
    return 0;
}

// In a shared folder each save also keeps the list as the base of the next
// merge, beside the standard list.
void okAddsTheLastPerson(benchmark::State& state, bool sharedFolder) {
    platform::headless::reset();
    const std::string appData = bench::freshTempFolder("festorin-editor-bench");
    platform::headless::setAppDataFolder(appData);
    if (sharedFolder) {
        const std::string shared = bench::freshTempFolder("festorin-editor-bench-shared");
        platform::writeFileAtomically(book::resolveDataFolder() + book::folderChoiceFileName,
                                      shared + "\r\n");
    }
    auto form = createMainWindow();
    platform::application::run(*form);
    if (sharedFolder && form->dataFolder == book::resolveDataFolder())
        state.SkipWithError("the shared folder was not taken");
    fillPeople(*form, book::maxPeople - 1);
    for (auto _ : state) {
        state.PauseTiming();
        platform::headless::click(form->addButton);
        platform::headless::type(form->firstNameBox, "Noor");
        platform::headless::pick(form->monthList, 6);
        platform::headless::type(form->dayBox, "17");
        state.ResumeTiming();

        platform::headless::click(form->okButton);

        state.PauseTiming();
        if (form->peopleGrid.rowCount() != book::maxPeople + 1 ||
            !platform::headless::shownBoxes().empty())
            state.SkipWithError("Ok did not add the person");
        form->removeRow(form->peopleGrid, rowOf(form->peopleGrid, "Noor"));
        state.ResumeTiming();
    }
}

void BM_OkAddsTheLastPerson(benchmark::State& state) { okAddsTheLastPerson(state, false); }
void BM_OkAddsTheLastPersonInASharedFolder(benchmark::State& state) {
    okAddsTheLastPerson(state, true);
}

BENCHMARK(BM_OkAddsTheLastPerson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OkAddsTheLastPersonInASharedFolder)->Unit(benchmark::kMillisecond);

}  // namespace
