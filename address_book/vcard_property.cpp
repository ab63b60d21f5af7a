#include "vcard_property.h"

#include <algorithm>

#include "ascii_case.h"
#include "book/text.h"
#include "own_properties.h"

namespace address_book {

namespace {

std::string_view unquoted(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

bool isSmallNumber(std::string_view text) {
    return !text.empty() && text.size() <= 3 &&
           std::all_of(text.begin(), text.end(), book::isDigit);
}

}  // namespace

bool findOutsideQuotes(std::string_view text, char target, QuoteScan& scan) {
    for (; scan.pos < text.size(); ++scan.pos) {
        if (text[scan.pos] == '"') scan.quoted = !scan.quoted;
        if (text[scan.pos] == target && !scan.quoted) return true;
    }
    return false;
}

VCardProperty::VCardProperty(std::string_view line) {
    QuoteScan head;
    if (!findOutsideQuotes(line, ':', head)) return;
    const std::size_t colon = head.pos;
    value = line.substr(colon + 1);
    bool first = true;
    forEachOutsideQuotes(line.substr(0, colon), ';', [&](std::string_view part) {
        if (first) {
            name = upperAscii(book::trimmed(part.substr(part.find_last_of('.') + 1)));
            first = false;
        } else {
            takeParameter(part);
        }
    });
}

int VCardProperty::rank() const {
    if (typePref_) return 1;
    if (!pref_) return notPreferred;
    const std::string digits = book::trimmed(*pref_);
    if (!isSmallNumber(digits)) return 1;
    return std::clamp(std::stoi(digits), 1, notPreferred - 1);
}

// vCard 2.1 writes bare parameters: an encoding ("QUOTED-PRINTABLE") or a
// type ("CELL", "PREF").
void VCardProperty::takeParameter(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        const std::string bare = upperAscii(book::trimmed(text));
        if (bare == "QUOTED-PRINTABLE" || bare == "BASE64" || bare == "8BIT")
            takeEncoding(bare);
        else
            takeType(bare);
        return;
    }
    const std::string parameter = upperAscii(book::trimmed(text.substr(0, equals)));
    const std::string_view parameterValue = unquoted(book::withoutBlanks(text.substr(equals + 1)));
    if (parameter == "ENCODING") {
        takeEncoding(parameterValue);
    } else if (parameter == "CHARSET") {
        if (!charsetSeen_) charset = std::string(parameterValue);
        charsetSeen_ = true;
    } else if (parameter == "PREF") {
        if (!pref_) pref_ = std::string(parameterValue);
    } else if (parameter == phoneColumnParameter) {
        festorinPhoneColumn = std::string(parameterValue);
    } else if (parameter == "TYPE") {
        // TYPE=work,pref and TYPE=work;TYPE=pref alike.
        forEachOutsideQuotes(parameterValue, ',', [this](std::string_view listed) {
            takeType(book::withoutBlanks(unquoted(book::withoutBlanks(listed))));
        });
    }
}

void VCardProperty::takeEncoding(std::string_view encoding) {
    if (!encodingSeen_) {
        quotedPrintable = sameIgnoringCase(encoding, "QUOTED-PRINTABLE");
        base64 = sameIgnoringCase(encoding, "B") || sameIgnoringCase(encoding, "BASE64");
    }
    encodingSeen_ = true;
}

void VCardProperty::takeType(std::string_view type) {
    typePref_ = typePref_ || sameIgnoringCase(type, "PREF");
    fax_ = fax_ || sameIgnoringCase(type, "FAX");
    pager_ = pager_ || sameIgnoringCase(type, "PAGER");
    voice_ = voice_ || sameIgnoringCase(type, "VOICE");
    cell_ = cell_ || sameIgnoringCase(type, "CELL");
}

}  // namespace address_book
