#include "bench/bench_people.h"

#include "book/contact_table.h"

namespace bench {

void fillPeople(platform::StringGrid& grid, int people,
                const std::function<Birthday(int row)>& birthdayOf) {
    grid.setRowCount(people + 1);
    for (int row = 1; row <= people; ++row) {
        const Birthday birthday = birthdayOf(row);
        grid.setCell(book::colKey, row, birthday.key);
        grid.setCell(book::colFirstName, row, "Firstname" + std::to_string(row));
        grid.setCell(book::colSurname, row, "Surname" + std::to_string(row));
        grid.setCell(book::colEmail, row, "person" + std::to_string(row) + "@example.org");
        grid.setCell(book::colPhone1, row, "0123456789");
        grid.setCell(book::colShownDate, row, birthday.shownDate);
        grid.setCell(book::colAction, row, "Send an E-mail");
        grid.setCell(book::colWhen, row, "The exact day");
        grid.setCell(book::colReason, row, "Birtday");
    }
}

}  // namespace bench
