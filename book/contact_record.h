#pragma once
// TFiche: one person in the contact file, 364 bytes of ten length-prefixed
// texts packed without gaps.
#include <array>
#include <cstddef>
#include <string>

#include "platform/string_grid.h"

namespace book {

struct FicheField {
    std::size_t offset;
    std::size_t capacity;  // characters; the field takes one more byte for its length
};

// In grid column order: cle, prenom, nom, email, tel1, tel2, date_affichee,
// action, quand, raison.
constexpr std::array<FicheField, 10> ficheFields{{{0, 4},
                                                  {5, 60},
                                                  {66, 60},
                                                  {127, 60},
                                                  {188, 30},
                                                  {219, 30},
                                                  {250, 30},
                                                  {281, 20},
                                                  {302, 20},
                                                  {323, 40}}};

struct TFiche {
    static constexpr std::size_t size = 364;
    std::array<unsigned char, size> bytes{};

    // Each cell cut to its field's capacity.
    static TFiche fromRow(const platform::StringGrid& grid, int row);
    // A length byte above the field's capacity is taken as the capacity.
    std::string field(std::size_t index) const;
    void toRow(platform::StringGrid& grid, int row) const;
};

// The largest field text, so that the editor's boxes can stop there.
constexpr int fieldCapacity(std::size_t column) {
    return static_cast<int>(ficheFields[column].capacity);
}

}  // namespace book
