#pragma once
// The lines of a vCard file, read one at a time: no index of them is kept.
#include <optional>
#include <string>
#include <string_view>

#include "vcard_property.h"

namespace address_book {

// Each line without its line end (CR LF, a lone CR or a lone LF).
class PhysicalLines {
public:
    explicit PhysicalLines(std::string_view bytes) : bytes_(bytes) { findEnd(); }

    bool atEnd() const { return start_ >= bytes_.size(); }
    std::string_view current() const { return bytes_.substr(start_, end_ - start_); }
    void advance() {
        start_ = next_;
        findEnd();
    }

private:
    void findEnd();

    std::string_view bytes_;
    std::size_t start_ = 0, end_ = 0, next_ = 0;
};

// Whether the line is BEGIN:VCARD (or END:VCARD), in any case, between blanks.
bool isCardLine(std::string_view line, std::string_view card);

// One property's line at a time: the physical lines that folding continues (a
// line end followed by a blank or a tab), and those after a quoted-printable
// soft line break ("=" at the end) unless they begin or end a card. vCard 2.1
// unfolds the RFC 822 way, keeping the blank; after a soft line break the
// blank only marks the fold. Whether the property is quoted-printable is
// decided once, when its head is whole. A line keeps its first 256 KiB, far
// more than any value the program reads: a longer one (a photo) is passed over
// unkept.
class LogicalLines {
public:
    explicit LogicalLines(std::string_view bytes) : lines_(bytes) {}

    bool atEnd() const { return lines_.atEnd(); }
    // Valid until the next call.
    std::string_view next(bool keepsFoldBlank);

private:
    void start();
    void append(std::string_view piece);
    void dropSoftBreak();
    bool isQuotedPrintable();

    PhysicalLines lines_;
    std::string text_;
    bool cut_ = false;
    bool endsInEquals_ = false;
    QuoteScan head_;  // how far the colon that ends the head was looked for
    std::optional<bool> quotedPrintable_;
};

}  // namespace address_book
