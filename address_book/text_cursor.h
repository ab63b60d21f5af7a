#pragma once
// A text read a byte at a time, from one piece or from pieces that come one
// after another, so that a reader never needs the whole text at once.
#include <cstddef>
#include <functional>
#include <string_view>
#include <utility>

namespace address_book {

class TextCursor {
public:
    // Each piece stays valid until the next is asked for; an empty one ends
    // the text.
    using Pieces = std::function<std::string_view()>;

    explicit TextCursor(std::string_view whole) : piece_(whole) {}
    explicit TextCursor(Pieces pieces) : pieces_(std::move(pieces)) { nextPiece(); }

    bool atEnd() { return pos_ >= piece_.size() && !nextPiece(); }
    // These three need a byte there: !atEnd().
    char peek() const { return piece_[pos_]; }
    char take() { return piece_[pos_++]; }
    // What is left of the piece at hand, never empty then.
    std::string_view rest() const { return piece_.substr(pos_); }
    // At most the rest of the piece at hand.
    void skip(std::size_t count) { pos_ += count; }

private:
    bool nextPiece() {
        if (!pieces_) return false;
        piece_ = pieces_();
        pos_ = 0;
        if (piece_.empty()) pieces_ = nullptr;
        return !piece_.empty();
    }

    std::string_view piece_;
    std::size_t pos_ = 0;
    Pieces pieces_;
};

}  // namespace address_book
