#include "vcard_lines.h"

#include "ascii_case.h"
#include "book/text.h"
#include "text_encoding.h"

namespace address_book {

namespace {

constexpr std::size_t longestLine = 256 * 1024;

bool isFolded(std::string_view line) {
    return !line.empty() && (line.front() == ' ' || line.front() == '\t');
}

bool isCardBoundary(std::string_view line) {
    return isCardLine(line, "BEGIN:VCARD") || isCardLine(line, "END:VCARD");
}

}  // namespace

void PhysicalLines::findEnd() {
    end_ = start_;
    while (end_ < bytes_.size() && bytes_[end_] != '\r' && bytes_[end_] != '\n') ++end_;
    next_ = end_;
    if (next_ < bytes_.size() && bytes_[next_++] == '\r' && next_ < bytes_.size() &&
        bytes_[next_] == '\n')
        ++next_;
}

bool isCardLine(std::string_view line, std::string_view card) {
    return sameIgnoringCase(book::withoutBlanks(line), card);
}

std::string_view LogicalLines::next(bool keepsFoldBlank) {
    start();
    append(lines_.current());
    lines_.advance();
    while (!lines_.atEnd()) {
        const std::string_view line = lines_.current();
        const bool softBreak = endsInEquals_ && isQuotedPrintable();
        if (isFolded(line)) {
            if (softBreak) dropSoftBreak();
            append(line.substr(softBreak || !keepsFoldBlank ? 1 : 0));
        } else if (softBreak && !isCardBoundary(line)) {
            dropSoftBreak();
            append(line);
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
void LogicalLines::append(std::string_view piece) {
    endsInEquals_ = !piece.empty() && piece.back() == '=';
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
