// The daily reminder check at the table's limit, beside a bare walk over the
// rows and the cost of a tick on a day already checked, which is what 1,439
// ticks of every day cost; and the check that shows the reminders of the 14
// days missed before it.
#include <benchmark/benchmark.h>

#include <string>

#include "app/main_window.h"
#include "bench/bench_folder.h"
#include "bench/bench_people.h"
#include "book/contact_table.h"
#include "platform/headless/headless.h"
#include "reminders/calendar.h"

namespace {

// Birthdays over every day of a leap year, with every lead time and action:
// about ninety people fall due on any day.
void fillPeople(MainWindow& form, int people) {
    platform::StringGrid& grid = form.peopleGrid;
    bench::fillPeople(grid, people, [&form](int row) {
        const reminders::Date birthday = reminders::addDays({2028, 1, 1}, row % 366);
        const std::string day = std::to_string(birthday.day);
        return bench::Birthday{book::birthdayKey(birthday.month, day),
                               book::shownDate(form.monthList.item(birthday.month - 1), day)};
    });
    for (int row = 1; row <= people; ++row) {
        grid.setCell(book::colAction, row, form.actionList.item(row % 4));
        grid.setCell(book::colWhen, row, form.leadTimeList.item(row % 5));
        grid.setCell(book::colReason, row, form.reasonBox.item(row % 2));
    }
}

std::unique_ptr<MainWindow> formWithEveryone() {
    platform::headless::reset();
    platform::headless::setAppDataFolder(bench::freshTempFolder("festorin-checkReminders-bench"));
    platform::headless::setNow({2026, 1, 1, 0, 0, 30});
    auto form = createMainWindow();
    fillPeople(*form, book::maxPeople);
    return form;
}

// One iteration per day of a year: each is the first tick of a new day, which
// stores the date, walks every row and opens that day's reminders.
void BM_CheckRemindersOnANewDay(benchmark::State& state) {
    auto form = formWithEveryone();
    reminders::Date day{2026, 1, 1};
    for (auto _ : state) {
        platform::headless::setNow(reminders::midnightOf(day));
        form->checkReminders();
        day = reminders::addDays(day, 1);
    }
    state.counters["reminders/day"] = benchmark::Counter(
        static_cast<double>(form->reminderWindows().size()), benchmark::Counter::kAvgIterations);
}

// One iteration per fifteen days: with missed reminders shown, each is the
// first tick after fourteen days without a check, which opens their
// reminders and then the day's.
void BM_CheckRemindersAfterFourteenMissedDays(benchmark::State& state) {
    auto form = formWithEveryone();
    form->showMissedRemindersItem.setChecked(true);
    reminders::Date day{2026, 1, 1};
    form->lastCheckDay = reminders::midnightOf(reminders::addDays(day, -15));
    for (auto _ : state) {
        platform::headless::setNow(reminders::midnightOf(day));
        form->checkReminders();
        day = reminders::addDays(day, 15);
    }
    state.counters["reminders/check"] = benchmark::Counter(
        static_cast<double>(form->reminderWindows().size()), benchmark::Counter::kAvgIterations);
}

// The least any daily check does: look at every row's birthday and lead time.
void BM_WalkEveryRow(benchmark::State& state) {
    auto form = formWithEveryone();
    const platform::StringGrid& grid = form->peopleGrid;
    for (auto _ : state) {
        int dueToday = 0;
        for (int row = 1; row < grid.rowCount(); ++row)
            dueToday += grid.cell(book::colKey, row) == "0101" &&
                        grid.cell(book::colWhen, row) == form->leadTimeList.item(0);
        benchmark::DoNotOptimize(dueToday);
    }
}

void BM_TickOnACheckedDay(benchmark::State& state) {
    auto form = formWithEveryone();
    form->checkReminders();
    const auto opened = form->reminderWindows().size();
    for (auto _ : state) platform::headless::tick(form->checkTimer);
    if (form->reminderWindows().size() != opened) state.SkipWithError("a checked day reopened");
}

BENCHMARK(BM_CheckRemindersOnANewDay)->Iterations(365)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckRemindersAfterFourteenMissedDays)->Iterations(24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkEveryRow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickOnACheckedDay)->Unit(benchmark::kNanosecond);

}  // namespace
