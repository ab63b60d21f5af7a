// Undo on the rows as they are now: what goes, what comes back, and what the
// other PC changed since.
#include "book/change_history.h"

#include <gtest/gtest.h>

#include "book/contact_table.h"

namespace {

book::PersonRow person(const std::string& firstName, const std::string& surname = "Lopez") {
    return {"0101", firstName, surname, "", "", "", "January, 1", "Other", "The exact day", ""};
}

struct Grid : platform::StringGrid {
    explicit Grid(const std::vector<book::PersonRow>& rows)
        : platform::StringGrid(nullptr, book::columnCount) {
        book::setPeopleRows(*this, rows, book::maxPeople);
    }
};

using Rows = std::vector<book::PersonRow>;
const book::PersonRow ann = person("Ann"), bob = person("Bob"), cid = person("Cid");
const book::PersonRow bob2 = person("Bob", "Smith");

TEST(ChangeHistory, AnUndoTakesBackItsRowsThatAreStillThereAndLeavesTheOthers) {
    struct Case {
        const char* what;
        Rows now;
        book::Change change;
        Rows after, putBack, left;
    } cases[] = {
        {"add", {ann, bob, cid}, book::addOf(bob), {ann, cid}, {}, {}},
        {"add of the only one", {bob}, book::addOf(bob), {}, {}, {}},
        {"add of one of two equal rows", {bob, ann, bob}, book::addOf(bob), {ann, bob}, {}, {}},
        {"modify", {ann, bob2, cid}, book::modifyOf(bob, bob2), {ann, bob, cid}, {bob}, {}},
        {"delete", {ann, cid}, book::deleteOf(bob), {ann, cid, bob}, {bob}, {}},
        {"delete of the last", {}, book::deleteOf(bob), {bob}, {bob}, {}},
        {"import", {ann, bob, cid}, book::importOf({cid, ann}), {bob}, {}, {}},
        {"add changed on the other PC", {ann, bob2}, book::addOf(bob), {ann, bob2}, {}, {bob}},
        {"modify changed again there",
         {ann, cid},
         book::modifyOf(bob, bob2),
         {ann, cid},
         {},
         {bob2}},
        {"import partly deleted there", {ann, bob}, book::importOf({bob, cid}), {ann}, {}, {cid}},
    };
    for (const Case& c : cases) {
        Grid grid(c.now);
        const book::UndoOutcome outcome = book::undoChange(grid, c.change);
        EXPECT_EQ(book::peopleRows(grid), c.after) << c.what;
        EXPECT_EQ(grid.rowCount(), std::max<int>(2, static_cast<int>(c.after.size()) + 1))
            << c.what;
        EXPECT_EQ(outcome.putBack, c.putBack) << c.what;
        EXPECT_EQ(outcome.leftAsTheyAre, c.left) << c.what;
    }

    // Into a full list, a deleted row does not come back.
    Grid grid(Rows(book::maxPeople, ann));
    const book::UndoOutcome outcome = book::undoChange(grid, book::deleteOf(bob));
    EXPECT_EQ(grid.rowCount(), book::maxPeople + 1);
    EXPECT_EQ(outcome.noRoom, Rows{bob});
}

TEST(ChangeHistory, TheUndoItemNamesTheLastChange) {
    const Rows twelve(12, ann);
    struct Case {
        std::optional<book::Change> last;
        std::string caption;
    } cases[] = {
        {std::nullopt, "Undo"},
        {book::addOf(ann), "Undo add of Ann Lopez"},
        {book::modifyOf(ann, bob), "Undo change of Bob Lopez"},
        {book::deleteOf(person("Maria")), "Undo delete of Maria Lopez"},
        {book::deleteOf(person("", "Lopez")), "Undo delete of Lopez"},
        {book::importOf({ann}), "Undo import of 1 person"},
        {book::importOf(twelve), "Undo import of 12 people"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(book::undoCaption(c.last ? &*c.last : nullptr), c.caption);
}

}  // namespace
