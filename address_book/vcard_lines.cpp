#include "vcard_lines.h"

#include <algorithm>

#include "ascii_case.h"
#include "book/text.h"
#include "text_encoding.h"

namespace address_book {

namespace {

constexpr std::size_t longestLine = PhysicalLines::longestKept - 4;

bool isFolded(std::string_view line) {
    return !line.empty() && (line.front() == ' ' || line.front() == '\t');
}

bool isCardBoundary(std::string_view line) {
    return isCardLine(line, "BEGIN:VCARD") || isCardLine(line, "END:VCARD");
}

}  // namespace

// A line seen whole in its piece is not copied; the line end CR LF may fall
// across two pieces.
void PhysicalLines::advance() {
    kept_.clear();
    endsInEquals_ = false;
    atEnd_ = text_.atEnd();
    if (atEnd_) {
        line_ = {};
        return;
    }
    for (bool copied = false;; copied = true) {
        const std::string_view rest = text_.rest();
        std::size_t end = 0;
        while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n') ++end;
        const bool found = end < rest.size();
        const bool carriageReturn = found && rest[end] == '\r';
        if (!copied && found && !(carriageReturn && end + 1 == rest.size())) {
            line_ = rest.substr(0, end);
            endsInEquals_ = !line_.empty() && line_.back() == '=';
            text_.skip(end + 1 + (carriageReturn && rest[end + 1] == '\n' ? 1 : 0));
            return;
        }
        keep(rest.substr(0, end));
        text_.skip(found ? end + 1 : end);
        if (found) {
            if (carriageReturn && !text_.atEnd() && text_.peek() == '\n') text_.skip(1);
            break;
        }
        if (text_.atEnd()) break;
    }
    line_ = kept_;
}

void PhysicalLines::keep(std::string_view part) {
    if (part.empty()) return;
    endsInEquals_ = part.back() == '=';
    kept_.append(
        part.substr(0, std::min(part.size(), longestKept - std::min(longestKept, kept_.size()))));
}

bool isCardLine(std::string_view line, std::string_view card) {
    return sameIgnoringCase(book::withoutBlanks(line), card);
}

std::string_view LogicalLines::next(bool keepsFoldBlank) {
    start();
    append(lines_.current(), lines_.endsInEquals());
    lines_.advance();
    while (!lines_.atEnd()) {
        const std::string_view line = lines_.current();
        const bool softBreak = endsInEquals_ && isQuotedPrintable();
        if (isFolded(line)) {
            if (softBreak) dropSoftBreak();
            append(line.substr(softBreak || !keepsFoldBlank ? 1 : 0), lines_.endsInEquals());
        } else if (softBreak && !isCardBoundary(line)) {
            dropSoftBreak();
            append(line, lines_.endsInEquals());
        } else {
            break;
        }
        lines_.advance();
    }
    return text_;
}

void LogicalLines::start() {
    text_.clear();
    cut_ = false;
    head_ = QuoteScan{};
    quotedPrintable_.reset();
}

// Once the line is cut, nothing more is kept.
void LogicalLines::append(std::string_view piece, bool endsInEquals) {
    endsInEquals_ = endsInEquals;
    if (cut_) return;
    const std::string_view kept = cutAtCharacter(piece, longestLine - text_.size());
    cut_ = kept.size() < piece.size();
    text_ += kept;
}

// The "=" goes, when the line kept it.
void LogicalLines::dropSoftBreak() {
    if (!cut_) text_.pop_back();
}

// Nothing is known before the colon that ends the head.
bool LogicalLines::isQuotedPrintable() {
    if (quotedPrintable_) return *quotedPrintable_;
    if (!findOutsideQuotes(text_, ':', head_)) return false;
    quotedPrintable_ =
        VCardProperty(std::string_view(text_).substr(0, head_.pos + 1)).quotedPrintable;
    return *quotedPrintable_;
}

}  // namespace address_book
