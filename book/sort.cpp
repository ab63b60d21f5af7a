#include "sort.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>

namespace book {

namespace {

// Byte by byte as unsigned values (memcmp's rule); a prefix is the smaller.
bool ordinalLess(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    const int byBytes = std::memcmp(a.data(), b.data(), common);
    return byBytes != 0 ? byBytes < 0 : a.size() < b.size();
}

// Counts over positions 0 to size - 1 (a Fenwick tree).
class PositionCounts {
public:
    explicit PositionCounts(int size) : tree_(size + 1, 0) {}

    static PositionCounts allOnes(int size) {
        PositionCounts counts(size);
        for (int i = 1; i <= size; ++i) counts.tree_[i] = i & -i;
        return counts;
    }

    void add(int position, int delta) {
        for (int i = position + 1; i < static_cast<int>(tree_.size()); i += i & -i)
            tree_[i] += delta;
    }

    // The sum over positions first to last - 1.
    int sum(int first, int last) const { return prefix(last) - prefix(first); }

    // The position at which the running sum first exceeds n.
    int positionOfNth(int n) const {
        int position = 0;
        for (int step = highestPowerOfTwoIn(static_cast<int>(tree_.size()) - 1); step > 0;
             step >>= 1) {
            int next = position + step;
            if (next < static_cast<int>(tree_.size()) && tree_[next] <= n) {
                position = next;
                n -= tree_[next];
            }
        }
        return position;
    }

private:
    int prefix(int end) const {
        int total = 0;
        for (int i = end; i > 0; i -= i & -i) total += tree_[i];
        return total;
    }

    static int highestPowerOfTwoIn(int value) {
        int power = 1;
        while (power * 2 <= value) power *= 2;
        return value > 0 ? power : 0;
    }

    std::vector<int> tree_;
};

// The exchange sort moves rows of one key among themselves like a queue:
// going down the rows as they stood, a row of that key joins the back, and
// each row of a smaller key met while the queue is not empty sends the
// front row to the back; rows of greater keys change nothing. The queue is
// kept as a circle (a list and the index of its front) so that a run of
// smaller rows costs one step; each row's place in the list is found at the
// end, from its index at insertion, latest first.
std::vector<int> orderWithinKey(const std::vector<int>& rows, const PositionCounts& smallerRows,
                                int rowCount) {
    const int count = static_cast<int>(rows.size());
    std::vector<int> insertedAt(count);
    int front = 0;
    for (int t = 0; t < count; ++t) {
        insertedAt[t] = front;
        const int nextRow = t + 1 < count ? rows[t + 1] : rowCount;
        const int passed = smallerRows.sum(rows[t] + 1, nextRow);
        front = (front + 1 + passed) % (t + 1);
    }
    std::vector<int> circle(count);
    PositionCounts freeSlots = PositionCounts::allOnes(count);
    for (int t = count - 1; t >= 0; --t) {
        const int slot = freeSlots.positionOfNth(insertedAt[t]);
        circle[slot] = rows[t];
        freeSlots.add(slot, -1);
    }
    std::rotate(circle.begin(), circle.begin() + front, circle.end());
    return circle;
}

// The exchange sort's order of the keys: result[newIndex] == oldIndex. Keys
// end in ascending order, each key's rows in the order of its queue.
std::vector<int> exchangeSortOrder(const std::vector<const std::string*>& keys) {
    const int count = static_cast<int>(keys.size());
    std::vector<int> byKey(count);
    std::iota(byKey.begin(), byKey.end(), 0);
    std::stable_sort(byKey.begin(), byKey.end(),
                     [&](int a, int b) { return ordinalLess(*keys[a], *keys[b]); });

    std::vector<int> order;
    order.reserve(count);
    PositionCounts smallerRows(count);
    std::vector<int> rowsOfKey;
    for (int first = 0; first < count;) {
        int last = first;
        while (last < count && *keys[byKey[last]] == *keys[byKey[first]]) ++last;
        rowsOfKey.assign(byKey.begin() + first, byKey.begin() + last);
        for (int row : orderWithinKey(rowsOfKey, smallerRows, count)) order.push_back(row);
        for (int row : rowsOfKey) smallerRows.add(row, 1);
        first = last;
    }
    return order;
}

}  // namespace

std::vector<int> sortRows(platform::StringGrid& grid, int col) {
    const int rowCount = grid.rowCount();
    std::vector<int> order(rowCount);
    std::iota(order.begin(), order.end(), 0);
    if (rowCount <= 2) return order;

    std::vector<const std::string*> keys;
    keys.reserve(rowCount - 1);
    for (int row = 1; row < rowCount; ++row) keys.push_back(&grid.cell(col, row));
    const std::vector<int> people = exchangeSortOrder(keys);

    grid.beginUpdate();
    grid.permuteRows(people);
    grid.endUpdate();
    for (std::size_t i = 0; i < people.size(); ++i) order[i + 1] = people[i] + 1;
    return order;
}

int rowAfterSort(const std::vector<int>& order, int oldRow) {
    return static_cast<int>(std::find(order.begin(), order.end(), oldRow) - order.begin());
}

}  // namespace book
