#include "vcard_reader.h"

#include <algorithm>
#include <optional>
#include <string>

#include "ascii_case.h"
#include "birthday_text.h"
#include "book/text.h"
#include "own_properties.h"
#include "text_encoding.h"

namespace address_book {

namespace {

// A property without any mark of preference ranks below PREF=100.
constexpr int notPreferred = 101;

std::string trimmed(std::string_view text) { return book::trimmed(std::string(text)); }

std::vector<std::string_view> physicalLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
        if (bytes[pos] != '\r' && bytes[pos] != '\n') continue;
        lines.push_back(bytes.substr(start, pos - start));
        if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ++pos;
        start = pos + 1;
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

bool isCardBoundary(std::string_view line) {
    const std::string text = upperAscii(trimmed(line));
    return text == "BEGIN:VCARD" || text == "END:VCARD";
}

// The text split at every separator that stands outside double quotes.
std::vector<std::string_view> splitOutsideQuotes(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] == '"') quoted = !quoted;
        if (text[pos] == separator && !quoted) {
            parts.push_back(text.substr(start, pos - start));
            start = pos + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::size_t valueColon(std::string_view line) {
    bool quoted = false;
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        if (line[pos] == '"') quoted = !quoted;
        if (line[pos] == ':' && !quoted) return pos;
    }
    return std::string_view::npos;
}

struct Parameter {
    std::string name;  // upper case
    std::string value;
};

struct Property {
    std::string name;  // upper case, without its group
    std::vector<Parameter> parameters;
    std::string_view value;
};

std::string_view unquoted(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

// vCard 2.1 writes bare parameters: an encoding ("QUOTED-PRINTABLE") or a
// type ("CELL", "PREF").
Parameter parameterOf(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        std::string bare = upperAscii(trimmed(text));
        const bool encoding = bare == "QUOTED-PRINTABLE" || bare == "BASE64" || bare == "8BIT";
        return {encoding ? "ENCODING" : "TYPE", std::move(bare)};
    }
    return {upperAscii(trimmed(text.substr(0, equals))),
            std::string(unquoted(trimmed(text.substr(equals + 1))))};
}

Property propertyOf(std::string_view line) {
    const std::size_t colon = valueColon(line);
    if (colon == std::string_view::npos) return {};
    const std::vector<std::string_view> head = splitOutsideQuotes(line.substr(0, colon), ';');
    const std::string_view name = head.front();
    Property property{
        upperAscii(trimmed(name.substr(name.find_last_of('.') + 1))), {}, line.substr(colon + 1)};
    for (std::size_t i = 1; i < head.size(); ++i)
        property.parameters.push_back(parameterOf(head[i]));
    return property;
}

std::string parameter(const Property& property, std::string_view name) {
    for (const Parameter& parameter : property.parameters)
        if (parameter.name == name) return parameter.value;
    return "";
}

// TYPE=work,pref and TYPE=work;TYPE=pref alike.
bool hasType(const Property& property, std::string_view type) {
    for (const Parameter& parameter : property.parameters) {
        if (parameter.name != "TYPE") continue;
        for (std::string_view listed : splitOutsideQuotes(parameter.value, ','))
            if (sameIgnoringCase(trimmed(unquoted(trimmed(listed))), type)) return true;
    }
    return false;
}

bool isQuotedPrintable(const Property& property) {
    return sameIgnoringCase(parameter(property, "ENCODING"), "QUOTED-PRINTABLE");
}

bool isSmallNumber(const std::string& text) {
    return !text.empty() && text.size() <= 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// 1 is the most preferred; a PREF parameter that is no number counts as 1.
int preferenceRank(const Property& property) {
    if (hasType(property, "PREF")) return 1;
    for (const Parameter& parameter : property.parameters) {
        if (parameter.name != "PREF") continue;
        const std::string digits = trimmed(parameter.value);
        if (!isSmallNumber(digits)) return 1;
        return std::clamp(std::stoi(digits), 1, notPreferred - 1);
    }
    return notPreferred;
}

bool endsInSoftLineBreak(const std::string& line) {
    return !line.empty() && line.back() == '=' && isQuotedPrintable(propertyOf(line));
}

// One property's line: the physical lines that folding continues (a line end
// followed by a blank or a tab), and the quoted-printable soft line breaks.
// vCard 2.1 unfolds the RFC 822 way, keeping the blank.
std::string logicalLine(const std::vector<std::string_view>& lines, std::size_t& next,
                        bool keepsFoldBlank) {
    std::string line(lines[next++]);
    for (;;) {
        while (next < lines.size() && !lines[next].empty() &&
               (lines[next].front() == ' ' || lines[next].front() == '\t'))
            line += lines[next++].substr(keepsFoldBlank ? 0 : 1);
        if (next == lines.size() || isCardBoundary(lines[next]) || !endsInSoftLineBreak(line))
            return line;
        line.pop_back();
        line += lines[next++];
    }
}

std::string utf8Of(const std::string& bytes, const std::string& charset) {
    const std::string name = upperAscii(charset);
    if (name == "ISO-8859-1" || name == "ISO8859-1" || name == "LATIN1") return latin1ToUtf8(bytes);
    if (name == "WINDOWS-1252" || name == "CP1252") return windows1252ToUtf8(bytes);
    // A text that is not the UTF-8 it should be is most likely the ANSI code page's.
    return isUtf8(bytes) ? bytes : windows1252ToUtf8(bytes);
}

std::string unescaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char next = pos + 1 < text.size() ? text[pos + 1] : '\0';
        if (text[pos] != '\\' || next == '\0') {
            out += text[pos];
        } else if (next == 'n' || next == 'N') {
            out += '\n';
            ++pos;
        } else if (next == 'r') {
            out += '\r';
            ++pos;
        } else if (next == ',' || next == ';' || next == ':' || next == '\\') {
            out += next;
            ++pos;
        } else {
            out += '\\';
        }
    }
    return out;
}

// The components of N, split at the semicolons that no backslash escapes.
std::vector<std::string_view> components(std::string_view value) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < value.size(); ++pos) {
        if (value[pos] == '\\') {
            ++pos;
        } else if (value[pos] == ';') {
            parts.push_back(value.substr(start, pos - start));
            start = pos + 1;
        }
    }
    parts.push_back(value.substr(start));
    return parts;
}

std::string textOf(const Property& property, std::string_view raw) {
    const std::string bytes =
        isQuotedPrintable(property) ? decodeQuotedPrintable(raw) : std::string(raw);
    return trimmed(unescaped(utf8Of(bytes, parameter(property, "CHARSET"))));
}

// Festorin's own columns keep their blanks.
std::string untrimmedTextOf(const Property& property) {
    return unescaped(utf8Of(std::string(property.value), parameter(property, "CHARSET")));
}

void takeOnce(std::optional<std::string>& column, const Property& property) {
    if (!column) column = untrimmedTextOf(property);
}

struct Ranked {
    int rank;
    std::string text;
};

struct Card {
    std::string given, family;  // from N
    std::string fullName;
    std::vector<Ranked> emails, phones;
    std::optional<MonthDay> birthday;
    OwnColumns own;
};

// FN split at its last blank: the last word is the surname, unless it is the
// only word, which is then the first name as the editor asks for one.
void takeFullName(const std::string& fullName, Contact& contact) {
    const std::size_t blank = fullName.find_last_of(" \t");
    if (blank == std::string::npos) {
        contact.firstName = fullName;
        return;
    }
    contact.firstName = trimmed(std::string_view(fullName).substr(0, blank));
    contact.surname = trimmed(std::string_view(fullName).substr(blank + 1));
}

Contact contactOf(Card& card) {
    Contact contact;
    if (!card.given.empty() || !card.family.empty()) {
        contact.firstName = card.given;
        contact.surname = card.family;
    } else {
        takeFullName(card.fullName, contact);
    }
    const auto byRank = [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; };
    std::stable_sort(card.emails.begin(), card.emails.end(), byRank);
    std::stable_sort(card.phones.begin(), card.phones.end(), byRank);
    if (!card.emails.empty()) contact.email = card.emails[0].text;
    if (!card.phones.empty()) contact.phone1 = card.phones[0].text;
    if (card.phones.size() > 1) contact.phone2 = card.phones[1].text;
    contact.birthday = card.birthday;
    contact.own = card.own;
    return contact;
}

class CardReader {
public:
    bool keepsFoldBlank() const { return version_ == "2.1"; }

    void take(const Property& property) {
        const bool vcard = sameIgnoringCase(trimmed(property.value), "VCARD");
        if (property.name == "BEGIN" && vcard) {
            if (depth_++ == 0) startCard();
        } else if (property.name == "END" && vcard) {
            if (depth_ == 1) contacts_.push_back(contactOf(card_));
            if (depth_ > 0) --depth_;
        } else if (depth_ == 1) {
            takeInCard(property);
        }
    }

    std::vector<Contact> finish() {
        if (depth_ > 0) contacts_.push_back(contactOf(card_));
        return std::move(contacts_);
    }

private:
    void startCard() {
        card_ = Card{};
        version_.clear();
    }

    void takeInCard(const Property& property) {
        if (property.name == "VERSION") {
            version_ = trimmed(property.value);
        } else if (property.name == "N") {
            takeN(property);
        } else if (property.name == "FN") {
            if (card_.fullName.empty()) card_.fullName = textOf(property, property.value);
        } else if (property.name == "TEL" && parameter(property, phoneColumnParameter) == "2") {
            if (card_.own.phone2.empty()) card_.own.phone2 = textOf(property, property.value);
        } else if (property.name == "EMAIL" || property.name == "TEL") {
            takeRanked(property, property.name == "EMAIL" ? card_.emails : card_.phones);
        } else if (property.name == "BDAY") {
            takeBirthday(property);
        } else if (property.name == dayOfBirthProperty) {
            takeOnce(card_.own.dayOfBirth, property);
        } else if (property.name == actionProperty) {
            takeOnce(card_.own.action, property);
        } else if (property.name == leadProperty) {
            takeOnce(card_.own.lead, property);
        } else if (property.name == reasonProperty) {
            takeOnce(card_.own.reason, property);
        }
    }

    void takeN(const Property& property) {
        if (!card_.given.empty() || !card_.family.empty()) return;
        const std::vector<std::string_view> parts = components(property.value);
        card_.family = textOf(property, parts[0]);
        if (parts.size() > 1) card_.given = textOf(property, parts[1]);
    }

    static void takeRanked(const Property& property, std::vector<Ranked>& values) {
        std::string text = textOf(property, property.value);
        // vCard 4.0 may write a phone number as a "tel:" URI.
        if (property.name == "TEL" && sameIgnoringCase(std::string_view(text).substr(0, 4), "tel:"))
            text = trimmed(std::string_view(text).substr(4));
        if (!text.empty()) values.push_back({preferenceRank(property), std::move(text)});
    }

    void takeBirthday(const Property& property) {
        if (card_.birthday || sameIgnoringCase(parameter(property, "VALUE"), "TEXT")) return;
        card_.birthday = isoBirthday(textOf(property, property.value));
    }

    int depth_ = 0;
    std::string version_;
    Card card_;
    std::vector<Contact> contacts_;
};

}  // namespace

bool holdsVCard(std::string_view bytes) {
    const std::vector<std::string_view> lines = physicalLines(withoutByteOrderMark(bytes));
    return std::any_of(lines.begin(), lines.end(), [](std::string_view line) {
        return sameIgnoringCase(trimmed(line), "BEGIN:VCARD");
    });
}

std::vector<Contact> readVCards(std::string_view bytes) {
    const std::vector<std::string_view> lines = physicalLines(withoutByteOrderMark(bytes));
    CardReader reader;
    for (std::size_t next = 0; next < lines.size();) {
        const std::string line = logicalLine(lines, next, reader.keepsFoldBlank());
        reader.take(propertyOf(line));
    }
    return reader.finish();
}

}  // namespace address_book
