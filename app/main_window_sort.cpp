// The Order menu: the order of the grid, its check marks and the sort-order file.
#include <array>

#include "app/main_window.h"
#include "book/sort.h"
#include "book/sort_order_file.h"

void MainWindow::wireOrderMenu() {
    byDateItem.onClick = [this] { onOrderByDate(); };
    byFirstNameItem.onClick = [this] { onOrderByFirstName(); };
    bySurnameItem.onClick = [this] { onOrderBySurname(); };
    byEmailItem.onClick = [this] { onOrderByEmail(); };
}

std::vector<int> MainWindow::sortPeople() { return book::sortRows(peopleGrid, sortOrder); }

void MainWindow::onOrderByDate() { chooseOrder(0); }
void MainWindow::onOrderByFirstName() { chooseOrder(1); }
void MainWindow::onOrderBySurname() { chooseOrder(2); }
void MainWindow::onOrderByEmail() { chooseOrder(3); }

// The order, its check mark and the grid change before the file is written,
// so a failed write leaves them as chosen.
void MainWindow::chooseOrder(int order) {
    sortOrder = order;
    checkOrderItem();
    followSort(sortPeople());
    book::writeSortOrder(dataFolder + book::sortOrderFileName, order);
}

void MainWindow::checkOrderItem() {
    const std::array<platform::MenuItem*, book::orderCount> items{&byDateItem, &byFirstNameItem,
                                                                  &bySurnameItem, &byEmailItem};
    for (int order = 0; order < book::orderCount; ++order)
        items[order]->setChecked(order == sortOrder);
}

// A first line that is no number is reported by the step that calls this;
// the order then stays by date.
void MainWindow::readSortOrder() {
    sortOrder = book::orderByDate;
    sortOrder = book::readSortOrder(dataFolder + book::sortOrderFileName);
    checkOrderItem();
}
