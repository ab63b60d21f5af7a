#include "contact_record.h"

#include <algorithm>
#include <cstring>

namespace book {

TFiche TFiche::fromRow(const platform::StringGrid& grid, int row) {
    TFiche fiche;
    for (std::size_t i = 0; i < ficheFields.size(); ++i) {
        const FicheField& f = ficheFields[i];
        const std::string& text = grid.cell(static_cast<int>(i), row);
        std::size_t length = std::min(text.size(), f.capacity);
        fiche.bytes[f.offset] = static_cast<unsigned char>(length);
        std::memcpy(&fiche.bytes[f.offset + 1], text.data(), length);
    }
    return fiche;
}

std::string TFiche::field(std::size_t index) const {
    const FicheField& f = ficheFields[index];
    std::size_t length = std::min<std::size_t>(bytes[f.offset], f.capacity);
    return std::string(reinterpret_cast<const char*>(&bytes[f.offset + 1]), length);
}

void TFiche::toRow(platform::StringGrid& grid, int row) const {
    for (std::size_t i = 0; i < ficheFields.size(); ++i)
        grid.setCell(static_cast<int>(i), row, field(i));
}

}  // namespace book
