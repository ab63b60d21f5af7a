#pragma once
// An address book's text in the readers' form (see readersFormOf), made a
// piece at a time as the file's bytes come, in one pass over them.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "text_encoding.h"

namespace address_book {

// A file's bytes, a piece at a time; each piece stays valid until the next is
// asked for, and an empty one ends the file.
using BytePieces = std::function<std::string_view()>;

class ReadersText {
public:
    // The encoding and the format are told from this much of a file's start.
    static constexpr std::size_t largestStart = 8 * 1024 * 1024;

    explicit ReadersText(std::string_view whole);
    explicit ReadersText(BytePieces pieces, std::size_t startSize = largestStart);

    // The start of the text: all of it, or at least its first `startSize`
    // bytes.
    std::string_view start() const { return start_; }
    bool startIsWhole() const { return startIsWhole_; }
    // The start, then the rest a piece at a time; empty at the end.
    std::string_view next();

private:
    void decodeStart(std::string_view bytes, bool whole);

    BytePieces pieces_;
    ReadersForm form_{};
    std::string startBytes_, startText_;
    std::string_view start_;
    bool startIsWhole_ = true;
    bool startGiven_ = false;
    std::string held_;  // the end of the last piece, which the next completes
    std::string piece_;
};

}  // namespace address_book
