#pragma once
// ContactRecord: one person in the contact file, 364 bytes of ten length-prefixed
// texts packed without gaps.
#include <array>
#include <cstddef>
#include <string>

#include "platform/string_grid.h"

namespace book {

struct RecordField {
    std::size_t offset;
    std::size_t capacity;  // characters; the field takes one more byte for its length
};

// In grid column order: key, first name, surname, e-mail, phone 1, phone 2,
// day of birth as shown, action, lead time, reason.
constexpr std::array<RecordField, 10> recordFields{{{0, 4},
                                                    {5, 60},
                                                    {66, 60},
                                                    {127, 60},
                                                    {188, 30},
                                                    {219, 30},
                                                    {250, 30},
                                                    {281, 20},
                                                    {302, 20},
                                                    {323, 40}}};

struct ContactRecord {
    static constexpr std::size_t size = 364;
    std::array<unsigned char, size> bytes{};

    // Each cell cut to its field's capacity.
    static ContactRecord fromRow(const platform::StringGrid& grid, int row);
    static ContactRecord fromCells(const std::array<std::string, 10>& cells);
    // A length byte above the field's capacity is taken as the capacity.
    std::string field(std::size_t index) const;
    void toRow(platform::StringGrid& grid, int row) const;
};

// The largest field text, so that the editor's boxes can stop there.
constexpr int fieldCapacity(std::size_t column) {
    return static_cast<int>(recordFields[column].capacity);
}

}  // namespace book
