#include "vcard_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "ascii_case.h"
#include "birthday_text.h"
#include "book/text.h"
#include "charset_names.h"
#include "full_name.h"
#include "own_properties.h"
#include "text_encoding.h"
#include "vcard_lines.h"
#include "vcard_property.h"

namespace address_book {

namespace {

// A text the property declares a charset for is decoded by the system's
// converter for that code page; one without (or with one the system does not
// know) is UTF-8 when its bytes are, else the ANSI code page's.
std::string utf8Of(std::string bytes, const std::string& charset,
                   const TextConverters& converters) {
    const auto codePage = charset.empty() ? std::nullopt : codePageNamed(charset);
    if (codePage && *codePage != utf8CodePage)
        if (auto text = converters.codePageToUtf8(bytes, *codePage)) return std::move(*text);
    return isUtf8(bytes) ? bytes : converters.ansiToUtf8(bytes);
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

// The family and given names, the first two components of N, apart by the
// semicolons that no backslash escapes.
std::array<std::string_view, 2> familyAndGiven(std::string_view value) {
    std::array<std::string_view, 2> parts{};
    std::size_t part = 0, start = 0;
    for (std::size_t pos = 0; pos < value.size() && part < parts.size(); ++pos) {
        if (value[pos] == '\\') {
            ++pos;
        } else if (value[pos] == ';') {
            parts[part++] = value.substr(start, pos - start);
            start = pos + 1;
        }
    }
    if (part < parts.size()) parts[part] = value.substr(start);
    return parts;
}

struct Ranked {
    int rank;
    std::string text;
};

// The `size` texts of the best ranks, the earlier first among equals.
template <std::size_t size>
class TopRanked {
public:
    void offer(int rank, std::string text) {
        std::size_t at = count_;
        while (at > 0 && ranked_[at - 1].rank > rank) --at;
        if (at >= size) return;
        for (std::size_t i = std::min(count_, size - 1); i > at; --i)
            ranked_[i] = std::move(ranked_[i - 1]);
        ranked_[at] = {rank, std::move(text)};
        count_ = std::min(count_ + 1, size);
    }
    std::size_t count() const { return count_; }
    const std::string& operator[](std::size_t i) const { return ranked_[i].text; }

private:
    std::array<Ranked, size> ranked_{};
    std::size_t count_ = 0;
};

struct Card {
    std::string given, family;  // from N
    std::string fullName;
    TopRanked<1> emails;
    TopRanked<2> phones;            // that take calls
    TopRanked<2> phonesForNoCalls;  // faxes and pagers, when there is no other
    std::optional<MonthDay> birthday;
    std::string unreadBirthday;
    OwnColumns own;
};

// Festorin's exact texts stand where they say what the standard properties
// say: one that another program changed since the export gives way to it.
void keepAgreeingExactTexts(Contact& contact) {
    OwnColumns& own = contact.own;
    const auto keep = [](std::optional<std::string>& exact, const std::string& standard,
                         bool isPhone) {
        if (exact && (isPhone ? phoneAsReadBack(*exact) : asReadBack(*exact)) != standard)
            exact.reset();
    };
    keep(own.exactFirstName, contact.firstName, false);
    keep(own.exactSurname, contact.surname, false);
    keep(own.exactEmail, contact.email, false);
    keep(own.exactPhone1, contact.phone1, true);
    keep(own.exactPhone2, own.phone2.empty() ? contact.phone2 : own.phone2, true);
}

Contact contactOf(const Card& card) {
    Contact contact;
    if (!card.given.empty() || !card.family.empty()) {
        contact.firstName = card.given;
        contact.surname = card.family;
    } else {
        auto [firstName, surname] = splitFullName(card.fullName);
        contact.firstName = std::move(firstName);
        contact.surname = std::move(surname);
    }
    if (card.emails.count() > 0) contact.email = card.emails[0];
    const TopRanked<2>& phones = card.phones.count() > 0 ? card.phones : card.phonesForNoCalls;
    if (phones.count() > 0) contact.phone1 = phones[0];
    if (phones.count() > 1) contact.phone2 = phones[1];
    contact.birthday = card.birthday;
    if (!card.birthday) contact.unreadBirthday = card.unreadBirthday;
    contact.own = card.own;
    keepAgreeingExactTexts(contact);
    return contact;
}

// A BEGIN:VCARD inside a card opens a card of its own only where a 2.1
// AGENT property opens one (an empty AGENT followed by BEGIN:VCARD, or
// AGENT:BEGIN:VCARD); that card is the agent's, not a contact. Any other
// BEGIN:VCARD ends the cards still open: their END:VCARD is missing.
class CardReader {
public:
    CardReader(DateOrder order, const TextConverters& converters)
        : order_(order), converters_(converters) {}

    bool keepsFoldBlank() const { return version_ == "2.1"; }

    // Lines that are no property (no colon) change nothing.
    void take(const VCardProperty& property) {
        if (property.name.empty()) return;
        const bool agentOpensCard = agentOpensCard_;
        agentOpensCard_ = false;
        const bool vcard = sameIgnoringCase(book::withoutBlanks(property.value), "VCARD");
        if (property.name == "BEGIN" && vcard) {
            if (agentOpensCard)
                ++depth_;
            else
                startCard();
        } else if (property.name == "END" && vcard) {
            if (depth_ == 1) contacts_.push_back(contactOf(card_));
            if (depth_ > 0) --depth_;
        } else if (depth_ > 0 && property.name == "AGENT") {
            const std::string_view agent = book::withoutBlanks(property.value);
            if (agent.empty())
                agentOpensCard_ = true;
            else if (sameIgnoringCase(agent, "BEGIN:VCARD"))
                ++depth_;
        } else if (depth_ == 1) {
            takeInCard(property);
        }
    }

    ContactList finish() {
        if (depth_ > 0) contacts_.push_back(contactOf(card_));
        return std::move(contacts_);
    }

private:
    void startCard() {
        if (depth_ > 0) contacts_.push_back(contactOf(card_));
        depth_ = 1;
        card_ = Card{};
        version_.clear();
    }

    void takeInCard(const VCardProperty& property) {
        if (property.name == "VERSION") {
            version_ = book::trimmed(property.value);
        } else if (property.name == "N") {
            takeN(property);
        } else if (property.name == "FN") {
            if (card_.fullName.empty()) card_.fullName = textOf(property);
        } else if (property.name == "EMAIL") {
            if (std::string email = textOf(property); !email.empty())
                card_.emails.offer(property.rank(), std::move(email));
        } else if (property.name == "TEL" && property.festorinPhoneColumn == "2") {
            if (card_.own.phone2.empty()) card_.own.phone2 = withoutTelLink(textOf(property));
        } else if (property.name == "TEL") {
            takePhone(property);
        } else if (property.name == "BDAY") {
            takeBirthday(property);
        } else if (property.name == keyProperty) {
            takeOnce(card_.own.key, property);
        } else if (property.name == dayOfBirthProperty) {
            takeOnce(card_.own.dayOfBirth, property);
        } else if (property.name == actionProperty) {
            takeOnce(card_.own.action, property);
        } else if (property.name == leadProperty) {
            takeOnce(card_.own.lead, property);
        } else if (property.name == reasonProperty) {
            takeOnce(card_.own.reason, property);
        } else if (property.name == exactFirstNameProperty) {
            takeOnce(card_.own.exactFirstName, property);
        } else if (property.name == exactSurnameProperty) {
            takeOnce(card_.own.exactSurname, property);
        } else if (property.name == exactEmailProperty) {
            takeOnce(card_.own.exactEmail, property);
        } else if (property.name == exactPhone1Property) {
            takeOnce(card_.own.exactPhone1, property);
        } else if (property.name == exactPhone2Property) {
            takeOnce(card_.own.exactPhone2, property);
        }
    }

    // Decoded before it is split or unescaped: a second byte of a Big5 or
    // Shift_JIS character can be a backslash's or a semicolon's.
    std::string decodedValue(const VCardProperty& property) const {
        std::string bytes = property.quotedPrintable ? decodeQuotedPrintable(property.value)
                                                     : std::string(property.value);
        return utf8Of(std::move(bytes), property.charset, converters_);
    }

    std::string textOf(const VCardProperty& property) const {
        return book::trimmed(unescaped(decodedValue(property)));
    }

    // Festorin's own columns keep their blanks; only its export writes them,
    // in base64 when they hold a control character.
    void takeOnce(std::optional<std::string>& column, const VCardProperty& property) const {
        if (column) return;
        if (property.base64)
            column = utf8Of(bytesOfBase64(property.value), property.charset, converters_);
        else
            column = unescaped(utf8Of(std::string(property.value), property.charset, converters_));
    }

    void takeN(const VCardProperty& property) {
        if (!card_.given.empty() || !card_.family.empty()) return;
        const std::string value = decodedValue(property);
        const auto [family, given] = familyAndGiven(value);
        card_.family = book::trimmed(unescaped(family));
        card_.given = book::trimmed(unescaped(given));
    }

    void takePhone(const VCardProperty& property) {
        std::string text = withoutTelLink(textOf(property));
        if (text.empty()) return;
        (property.takesNoCalls() ? card_.phonesForNoCalls : card_.phones)
            .offer(property.rank(), std::move(text));
    }

    // Any form of date a person or a program writes; a text value too, when
    // it names a day and a month ("24 December").
    void takeBirthday(const VCardProperty& property) {
        if (card_.birthday) return;
        const std::string text = textOf(property);
        if (statesNoBirthday(text)) return;
        card_.birthday = writtenBirthday(text, order_);
        if (!card_.birthday && card_.unreadBirthday.empty()) card_.unreadBirthday = text;
    }

    DateOrder order_;
    const TextConverters& converters_;
    int depth_ = 0;
    bool agentOpensCard_ = false;
    std::string version_;
    Card card_;
    ContactList contacts_;
};

}  // namespace

bool holdsVCard(std::string_view bytes) {
    bool inQuotes = false;
    TextCursor text(bytes);
    for (PhysicalLines lines(text); !lines.atEnd(); lines.advance()) {
        const std::string_view line = lines.current();
        if (!inQuotes && isCardLine(line, "BEGIN:VCARD")) return true;
        inQuotes = inQuotes != (std::count(line.begin(), line.end(), '"') % 2 == 1);
    }
    return false;
}

ContactList readVCards(std::string_view bytes, DateOrder order, const TextConverters& converters) {
    TextCursor text(bytes);
    return readVCards(text, order, converters);
}

ContactList readVCards(TextCursor& text, DateOrder order, const TextConverters& converters) {
    LogicalLines lines(text);
    CardReader reader(order, converters);
    while (!lines.atEnd()) reader.take(VCardProperty(lines.next(reader.keepsFoldBlank())));
    return reader.finish();
}

}  // namespace address_book
