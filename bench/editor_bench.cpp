// One Ok that adds a person to a table one short of its limit: the checks,
// the row, the sort and the save of the whole contact file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/form1.h"
#include "book/contact_table.h"
#include "platform/headless/headless.h"

namespace {

std::string benchAppData() {
    auto folder = std::filesystem::temp_directory_path() / "festorin-editor-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

// People spread over the whole year, sorted as the table always is before Ok.
void fillPeople(TForm1& form, int people) {
    platform::StringGrid& grid = form.gr1;
    grid.setRowCount(people + 1);
    for (int row = 1; row <= people; ++row) {
        const int month = 1 + row % 12;
        const int day = 1 + row % 28;
        grid.setCell(book::colKey, row, book::birthdayKey(month, std::to_string(day)));
        grid.setCell(book::colFirstName, row, "Firstname" + std::to_string(row));
        grid.setCell(book::colSurname, row, "Surname" + std::to_string(row));
        grid.setCell(book::colEmail, row, "person" + std::to_string(row) + "@example.org");
        grid.setCell(book::colPhone1, row, "0123456789");
        grid.setCell(book::colShownDate, row,
                     book::shownDate(form.cb1.item(month - 1), std::to_string(day)));
        grid.setCell(book::colAction, row, "Send an E-mail");
        grid.setCell(book::colWhen, row, "The exact day");
        grid.setCell(book::colReason, row, "Birtday");
    }
    form.trier();
}

int rowOf(const platform::StringGrid& grid, const std::string& firstName) {
    for (int row = 1; row < grid.rowCount(); ++row)
        if (grid.cell(book::colFirstName, row) == firstName) return row;
    return 0;
}

void BM_OkAddsTheLastPerson(benchmark::State& state) {
    platform::headless::reset();
    platform::headless::setAppDataFolder(benchAppData());
    auto form = createMainForm();
    fillPeople(*form, book::maxPeople - 1);
    for (auto _ : state) {
        state.PauseTiming();
        platform::headless::click(form->b_ajouter);
        platform::headless::type(form->Edit1, "Noor");
        platform::headless::pick(form->cb1, 6);
        platform::headless::type(form->Edit6, "17");
        state.ResumeTiming();

        platform::headless::click(form->b_ok);

        state.PauseTiming();
        if (form->gr1.rowCount() != book::maxPeople + 1 ||
            !platform::headless::shownBoxes().empty())
            state.SkipWithError("Ok did not add the person");
        form->RemoveLine(form->gr1, rowOf(form->gr1, "Noor"));
        state.ResumeTiming();
    }
}

BENCHMARK(BM_OkAddsTheLastPerson)->Unit(benchmark::kMillisecond);

}  // namespace
