// The Order menu: the order of the grid, its check marks and the sort-order file.
#include <array>

#include "app/main_window.h"
#include "book/sort.h"
#include "book/sort_order_file.h"

void TForm1::wireOrderMenu() {
    tri_date.onClick = [this] { tri_dateClick(); };
    tri_prenom.onClick = [this] { tri_prenomClick(); };
    tri_nom.onClick = [this] { tri_nomClick(); };
    tri_email.onClick = [this] { tri_emailClick(); };
}

std::vector<int> TForm1::trier() { return book::sortRows(gr1, ordre_tri); }

void TForm1::tri_dateClick() { chooseOrder(0); }
void TForm1::tri_prenomClick() { chooseOrder(1); }
void TForm1::tri_nomClick() { chooseOrder(2); }
void TForm1::tri_emailClick() { chooseOrder(3); }

// The order, its check mark and the grid change before the file is written,
// so a failed write leaves them as chosen.
void TForm1::chooseOrder(int order) {
    ordre_tri = order;
    checkOrderItem();
    followSort(trier());
    book::writeSortOrder(dossier + book::sortOrderFileName, order);
}

void TForm1::checkOrderItem() {
    const std::array<platform::MenuItem*, book::orderCount> items{&tri_date, &tri_prenom, &tri_nom,
                                                                  &tri_email};
    for (int order = 0; order < book::orderCount; ++order)
        items[order]->setChecked(order == ordre_tri);
}

// A first line that is no number is reported by the step that calls this;
// the order then stays by date.
void TForm1::readSortOrder() {
    ordre_tri = book::orderByDate;
    ordre_tri = book::readSortOrder(dossier + book::sortOrderFileName);
    checkOrderItem();
}
