#pragma once
// A property of a vCard file as the reader uses it: its name, its value, and
// what its parameters say, each the first of its kind. No list of the
// parameters is kept, however many a line holds.
#include <optional>
#include <string>
#include <string_view>

namespace address_book {

// A property without any mark of preference ranks below PREF=100.
constexpr int notPreferred = 101;

class VCardProperty {
public:
    // A line without a colon outside quotes is no property: its name is empty.
    explicit VCardProperty(std::string_view line);

    // 1 is the most preferred; a PREF parameter that is no number counts as 1.
    int rank() const;
    // A fax's or a pager's number, unless it says it takes calls too.
    bool takesNoCalls() const { return (fax_ || pager_) && !voice_ && !cell_; }

    std::string name;  // upper case, without its group ("item1.EMAIL")
    std::string_view value;
    bool quotedPrintable = false;
    bool base64 = false;  // ENCODING=b, in which Festorin writes a text with a carriage return
    std::string charset;
    // Which of the list's phones Festorin's export says the number is.
    std::string festorinPhoneColumn;

private:
    void takeParameter(std::string_view text);
    void takeEncoding(std::string_view encoding);
    void takeType(std::string_view type);

    bool encodingSeen_ = false, charsetSeen_ = false;
    std::optional<std::string> pref_;
    bool typePref_ = false, fax_ = false, pager_ = false, voice_ = false, cell_ = false;
};

// A look through a text for a character outside double quotes, which can go
// on where it stopped once the text has grown.
struct QuoteScan {
    std::size_t pos = 0;
    bool quoted = false;
};

// Moves the scan to the next `target` outside quotes and says true, or to the
// end of the text and says false.
bool findOutsideQuotes(std::string_view text, char target, QuoteScan& scan);

// Calls `take` with each part of the text between the separators that stand
// outside double quotes.
template <class Take>
void forEachOutsideQuotes(std::string_view text, char separator, Take take) {
    QuoteScan scan;
    std::size_t start = 0;
    while (findOutsideQuotes(text, separator, scan)) {
        take(text.substr(start, scan.pos - start));
        start = ++scan.pos;
    }
    take(text.substr(start));
}

}  // namespace address_book
