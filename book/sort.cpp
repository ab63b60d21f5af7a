#include "sort.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string>
#include <string_view>
#include <utility>

namespace book {

namespace {

// Byte by byte as unsigned values (memcmp's rule); a prefix is the smaller.
int ordinalCompare(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    const int byBytes = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
    if (byBytes != 0) return byBytes;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// A row's text with its first eight bytes as one number, first byte highest,
// padded with zeros. Numbers that differ order the texts the same way, so
// most comparisons of a large table never reach the texts themselves.
struct RowKey {
    static constexpr std::size_t headBytes = 8;

    RowKey(std::string_view text, int row) : text(text), row(row) {
        for (std::size_t i = 0; i < headBytes; ++i)
            head = head << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    }

    std::uint64_t head = 0;
    std::string_view text;
    int row;
};

int compareTexts(const RowKey& a, const RowKey& b) {
    if (a.head != b.head) return a.head < b.head ? -1 : 1;
    // Equal heads of texts that fit in them: the shorter is the other's beginning.
    if (a.text.size() <= RowKey::headBytes && b.text.size() <= RowKey::headBytes)
        return a.text.size() < b.text.size() ? -1 : a.text.size() > b.text.size() ? 1 : 0;
    return ordinalCompare(a.text, b.text);
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

// The exchange sort's order of the rows: result[newIndex] == oldIndex. Texts
// end in ascending order, the rows of each text in the order of its queue.
std::vector<int> exchangeSortOrder(std::vector<RowKey> keys) {
    const int count = static_cast<int>(keys.size());
    std::sort(keys.begin(), keys.end(), [](const RowKey& a, const RowKey& b) {
        const int byText = compareTexts(a, b);
        return byText != 0 ? byText < 0 : a.row < b.row;
    });

    std::vector<int> order;
    order.reserve(count);
    PositionCounts smallerRows(count);
    std::vector<int> rowsOfText;
    for (int first = 0; first < count;) {
        rowsOfText.clear();
        int last = first;
        for (; last < count && compareTexts(keys[last], keys[first]) == 0; ++last)
            rowsOfText.push_back(keys[last].row);
        if (rowsOfText.size() == 1)
            order.push_back(rowsOfText[0]);
        else
            for (int row : orderWithinKey(rowsOfText, smallerRows, count)) order.push_back(row);
        for (int row : rowsOfText) smallerRows.add(row, 1);
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

    std::vector<RowKey> keys;
    keys.reserve(rowCount - 1);
    for (int row = 1; row < rowCount; ++row) keys.emplace_back(grid.cell(col, row), row - 1);
    const std::vector<int> people = exchangeSortOrder(std::move(keys));

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
