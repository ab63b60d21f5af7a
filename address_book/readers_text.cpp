#include "readers_text.h"

namespace address_book {

ReadersText::ReadersText(std::string_view whole) { decodeStart(whole, true); }

ReadersText::ReadersText(BytePieces pieces, std::size_t startSize) : pieces_(std::move(pieces)) {
    bool whole = false;
    while (startBytes_.size() < startSize && !whole) {
        const std::string_view piece = pieces_();
        startBytes_.append(piece);
        whole = piece.empty();
    }
    if (whole) pieces_ = nullptr;
    startIsWhole_ = whole;
    decodeStart(startBytes_, whole);
}

// A UTF-8 mark after a UTF-16 one is passed over too.
void ReadersText::decodeStart(std::string_view bytes, bool whole) {
    if (whole) {
        start_ = inReadersForm(bytes, startText_);
        return;
    }
    form_ = readersFormOf(bytes, false);
    bytes.remove_prefix(form_.markSize);
    if (form_.kind == ReadersForm::Kind::AsIs) {
        start_ = bytes;
        return;
    }
    const std::size_t held = appendReadersForm(bytes, form_, false, startText_);
    held_ = bytes.substr(bytes.size() - held);
    start_ = form_.kind == ReadersForm::Kind::Utf8 ? std::string_view(startText_)
                                                   : withoutByteOrderMark(startText_);
}

std::string_view ReadersText::next() {
    if (!startGiven_) {
        startGiven_ = true;
        if (!start_.empty()) return start_;
    }
    while (pieces_) {
        const std::string_view bytes = pieces_();
        const bool last = bytes.empty();
        if (last) pieces_ = nullptr;
        if (form_.kind == ReadersForm::Kind::AsIs) {
            if (!last) return bytes;
            continue;
        }
        piece_.clear();
        std::size_t held;
        if (held_.empty()) {
            held = appendReadersForm(bytes, form_, last, piece_);
            held_ = bytes.substr(bytes.size() - held);
        } else {
            held_.append(bytes);
            held = appendReadersForm(held_, form_, last, piece_);
            held_.erase(0, held_.size() - held);
        }
        if (!piece_.empty()) return piece_;
    }
    return {};
}

}  // namespace address_book
