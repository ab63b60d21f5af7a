#include "contact_record.h"

#include <algorithm>
#include <cstring>

namespace book {

namespace {

template <class CellOf>
ContactRecord recordOf(CellOf cellOf) {
    ContactRecord record;
    for (std::size_t i = 0; i < recordFields.size(); ++i) {
        const RecordField& f = recordFields[i];
        const std::string& text = cellOf(i);
        std::size_t length = std::min(text.size(), f.capacity);
        record.bytes[f.offset] = static_cast<unsigned char>(length);
        std::memcpy(&record.bytes[f.offset + 1], text.data(), length);
    }
    return record;
}

}  // namespace

ContactRecord ContactRecord::fromRow(const platform::StringGrid& grid, int row) {
    return recordOf(
        [&](std::size_t i) -> const std::string& { return grid.cell(static_cast<int>(i), row); });
}

ContactRecord ContactRecord::fromCells(const std::array<std::string, 10>& cells) {
    return recordOf([&](std::size_t i) -> const std::string& { return cells[i]; });
}

std::string ContactRecord::field(std::size_t index) const {
    const RecordField& f = recordFields[index];
    std::size_t length = std::min<std::size_t>(bytes[f.offset], f.capacity);
    return std::string(reinterpret_cast<const char*>(&bytes[f.offset + 1]), length);
}

void ContactRecord::toRow(platform::StringGrid& grid, int row) const {
    for (std::size_t i = 0; i < recordFields.size(); ++i)
        grid.setCell(static_cast<int>(i), row, field(i));
}

}  // namespace book
