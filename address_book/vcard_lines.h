#pragma once
// The lines of a vCard file, read one at a time: no index of them is kept.
#include <optional>
#include <string>
#include <string_view>

#include "text_cursor.h"
#include "vcard_property.h"

namespace address_book {

// Each line without its line end (CR LF, a lone CR or a lone LF). A line that
// stands whole in a piece of the text is seen whole; one that runs over into
// the next piece keeps only its first `longestKept` bytes, the rest passed
// over as it comes.
class PhysicalLines {
public:
    // A few bytes past the 256 KiB that a logical line keeps, so that its cut
    // can find where its last character starts.
    static constexpr std::size_t longestKept = 256 * 1024 + 4;

    explicit PhysicalLines(TextCursor& text) : text_(text) { advance(); }

    bool atEnd() const { return atEnd_; }
    std::string_view current() const { return line_; }
    // Whether the whole line, kept or not, ends in "=".
    bool endsInEquals() const { return endsInEquals_; }
    void advance();

private:
    void keep(std::string_view part);

    TextCursor& text_;
    std::string_view line_;
    std::string kept_;
    bool atEnd_ = false;
    bool endsInEquals_ = false;
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
    explicit LogicalLines(TextCursor& text) : lines_(text) {}

    bool atEnd() const { return lines_.atEnd(); }
    // Valid until the next call.
    std::string_view next(bool keepsFoldBlank);

private:
    void start();
    void append(std::string_view piece, bool endsInEquals);
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
