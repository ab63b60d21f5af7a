// The Order menu: the order of the grid, its check marks and the sort-order file.
#include <array>

#include "app/main_window.h"
#include "book/sort.h"
#include "book/sort_order_file.h"

void MainWindow::wireOrderMenu() {
    byDateItem.onClick = [this] { tri_dateClick(); };
    byFirstNameItem.onClick = [this] { tri_prenomClick(); };
    bySurnameItem.onClick = [this] { tri_nomClick(); };
    byEmailItem.onClick = [this] { tri_emailClick(); };
}

std::vector<int> MainWindow::trier() { return book::sortRows(peopleGrid, ordre_tri); }

void MainWindow::tri_dateClick() { chooseOrder(0); }
void MainWindow::tri_prenomClick() { chooseOrder(1); }
void MainWindow::tri_nomClick() { chooseOrder(2); }
void MainWindow::tri_emailClick() { chooseOrder(3); }

// The order, its check mark and the grid change before the file is written,
// so a failed write leaves them as chosen.
void MainWindow::chooseOrder(int order) {
    ordre_tri = order;
    checkOrderItem();
    followSort(trier());
    book::writeSortOrder(dossier + book::sortOrderFileName, order);
}

void MainWindow::checkOrderItem() {
    const std::array<platform::MenuItem*, book::orderCount> items{&byDateItem, &byFirstNameItem, &bySurnameItem,
                                                                  &byEmailItem};
    for (int order = 0; order < book::orderCount; ++order)
        items[order]->setChecked(order == ordre_tri);
}

// A first line that is no number is reported by the step that calls this;
// the order then stays by date.
void MainWindow::readSortOrder() {
    ordre_tri = book::orderByDate;
    ordre_tri = book::readSortOrder(dossier + book::sortOrderFileName);
    checkOrderItem();
}
