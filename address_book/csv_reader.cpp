#include "csv_reader.h"

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "ascii_case.h"
#include "book/text.h"
#include "csv_column_names.h"
#include "full_name.h"
#include "text_encoding.h"

namespace address_book {

namespace {

// The most of one field that is kept: far more than any text the program
// reads.
constexpr std::size_t longestField = 256 * 1024;

// RFC 4180 records, read a field at a time: a quoted field may hold
// separators, line ends and doubled quotes, and text after a closing quote
// still belongs to its field. Only the fields asked for are kept.
class RecordReader {
public:
    RecordReader(TextCursor& text, char separator) : text_(text), separator_(separator) {}

    bool atEnd() { return text_.atEnd(); }

    // Reads one record and hands `take(column, field)` the fields of the
    // columns that `wanted(column)` asks for; says whether any field, kept or
    // not, holds text.
    template <class Wanted, class Take>
    bool next(Wanted wanted, Take take) {
        bool holdsText = false;
        for (std::size_t column = 0;; ++column) {
            const bool keep = wanted(column);
            std::string field;
            const bool more = readField(keep ? &field : nullptr, holdsText);
            if (keep) {
                field.resize(cutAtCharacter(field, longestField).size());
                take(column, std::move(field));
            }
            if (!more) return holdsText;
        }
    }

private:
    // To the separator after the field (true) or to the end of its record.
    bool readField(std::string* field, bool& holdsText) {
        if (!atEnd() && text_.peek() == '"') {
            text_.skip(1);
            readQuoted(field, holdsText);
        }
        while (!atEnd()) {
            const char c = text_.take();
            if (c == separator_) return true;
            if (c == '\r' || c == '\n') {
                if (c == '\r' && !atEnd() && text_.peek() == '\n') text_.skip(1);
                return false;
            }
            add(field, c, holdsText);
        }
        return false;
    }

    void readQuoted(std::string* field, bool& holdsText) {
        while (!atEnd()) {
            const char c = text_.take();
            if (c != '"') {
                add(field, c, holdsText);
            } else if (!atEnd() && text_.peek() == '"') {
                add(field, '"', holdsText);
                text_.skip(1);
            } else {
                return;
            }
        }
    }

    // A few bytes past the longest field, so that its cut can find where the
    // last character starts.
    static void add(std::string* field, char c, bool& holdsText) {
        holdsText = holdsText || static_cast<unsigned char>(c) > 32;
        if (field && field->size() < longestField + 3) *field += c;
    }

    TextCursor& text_;
    char separator_;
};

struct PhoneColumn {
    Role value;
    Role label;  // roleCount for none
};

// In the order the numbers are taken: Google's two, then Outlook's mobile,
// home and business ones, or Thunderbird's mobile, home and work ones.
constexpr std::array<PhoneColumn, 7> phoneColumns{{{GooglePhone1, GooglePhone1Label},
                                                   {GooglePhone2, GooglePhone2Label},
                                                   {MobilePhone, roleCount},
                                                   {MobileNumber, roleCount},
                                                   {HomePhone, roleCount},
                                                   {BusinessPhone, roleCount},
                                                   {WorkPhone, roleCount}}};

constexpr std::size_t absent = std::numeric_limits<std::size_t>::max();

// A header name turned into UTF-8, or nothing when it cannot be a column's
// name: a long field, or one past the columns any export writes, is not
// decoded.
using HeaderDecoder = std::function<std::optional<std::string>(std::string_view name)>;

constexpr std::size_t longestColumnName = 256;
constexpr std::size_t mostNamedColumns = 1000;

class Columns {
public:
    Columns() {
        columns_.fill(absent);
        ranks_.fill(absent);
    }

    void see(std::size_t column, std::string_view header) {
        const std::string_view name = book::withoutBlanks(header);
        if (name.empty()) return;
        const std::span<const ColumnName> names = columnNames();
        for (std::size_t rank = 0; rank < names.size(); ++rank) {
            const Role role = names[rank].role;
            if (rank < ranks_[role] && sameIgnoringCase(name, names[rank].name)) {
                columns_[role] = column;
                ranks_[role] = rank;
            }
        }
    }

    // A name that stands for Outlook's whole birthday and for Thunderbird's
    // day of birth is the day where a month column stands beside it.
    void settleSharedNames() {
        if (!has(Birthday) || !has(BirthDay) || of(Birthday) != of(BirthDay)) return;
        if (has(BirthMonth))
            columns_[Birthday] = absent;
        else
            columns_[BirthDay] = absent;
    }

    bool hasNames() const { return has(FirstName) || has(Surname) || has(DisplayName); }
    bool hasBirthdays() const { return has(Birthday) || (has(BirthMonth) && has(BirthDay)); }
    bool enoughForContacts() const { return hasNames() && hasBirthdays(); }
    // Names beside an address, a phone or birthdays: an address book, with
    // birthdays or without.
    bool isAddressBook() const {
        return hasNames() && (hasBirthdays() || has(Email) || hasPhones());
    }

    bool has(Role role) const { return role != roleCount && columns_[role] != absent; }
    bool hasPhones() const {
        return std::any_of(phoneColumns.begin(), phoneColumns.end(),
                           [this](const PhoneColumn& phone) { return has(phone.value); });
    }
    std::size_t of(Role role) const { return role == roleCount ? absent : columns_[role]; }

    // The columns that any role reads, in ascending order.
    std::vector<std::size_t> read() const {
        std::vector<std::size_t> read;
        for (std::size_t column : columns_)
            if (column != absent) read.push_back(column);
        std::sort(read.begin(), read.end());
        read.erase(std::unique(read.begin(), read.end()), read.end());
        return read;
    }

private:
    std::array<std::size_t, roleCount> columns_;
    std::array<std::size_t, roleCount> ranks_;  // of the name found
};

// The kept fields of one record.
class Row {
public:
    explicit Row(std::vector<std::size_t> columns)
        : columns_(std::move(columns)), fields_(columns_.size()) {}

    // Says whether the record holds any text.
    bool read(RecordReader& records) {
        std::fill(fields_.begin(), fields_.end(), std::string());
        std::size_t next = 0;
        return records.next(
            [&](std::size_t column) {
                while (next < columns_.size() && columns_[next] < column) ++next;
                return next < columns_.size() && columns_[next] == column;
            },
            [&](std::size_t, std::string field) { fields_[next] = std::move(field); });
    }

    // Trimmed; empty for an absent column or one the record is too short for.
    std::string_view field(std::size_t column) const {
        const auto found = std::lower_bound(columns_.begin(), columns_.end(), column);
        if (found == columns_.end() || *found != column) return {};
        return book::withoutBlanks(fields_[static_cast<std::size_t>(found - columns_.begin())]);
    }

private:
    std::vector<std::size_t> columns_;
    std::vector<std::string> fields_;
};

// Google puts several values of one kind in one field, apart by " ::: ";
// `take` gets each, trimmed.
template <class Take>
void forEachValue(std::string_view field, Take take) {
    constexpr std::string_view apart = " ::: ";
    std::size_t start = 0;
    for (std::size_t found; (found = field.find(apart, start)) != std::string_view::npos;
         start = found + apart.size())
        take(book::withoutBlanks(field.substr(start, found - start)));
    take(book::withoutBlanks(field.substr(start)));
}

std::string firstValue(std::string_view field) {
    return std::string(book::withoutBlanks(field.substr(0, field.find(" ::: "))));
}

// Google labels a fax "Work Fax", "Home Fax" or "Other Fax", and a pager
// "Pager".
bool labelsFaxOrPager(std::string_view label) {
    const std::string text = upperAscii(label);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end =
            std::min(text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ", start), text.size());
        const std::string_view word = std::string_view(text).substr(start, end - start);
        if (word == "FAX" || word == "PAGER") return true;
        start = end + 1;
    }
    return false;
}

// The first two numbers that take calls; faxes and pagers only when there is
// no other.
void takePhones(const Row& row, const Columns& columns, Contact& contact) {
    if (!columns.hasPhones()) return;
    std::vector<std::string> forCalls, forNoCalls;
    std::vector<std::size_t> taken;
    for (const PhoneColumn& phone : phoneColumns) {
        // One column can be Outlook's and Thunderbird's ("Mobiltelefon").
        if (!columns.has(phone.value) ||
            std::find(taken.begin(), taken.end(), columns.of(phone.value)) != taken.end())
            continue;
        taken.push_back(columns.of(phone.value));
        const bool noCalls =
            columns.has(phone.label) && labelsFaxOrPager(row.field(columns.of(phone.label)));
        forEachValue(row.field(columns.of(phone.value)), [&](std::string_view number) {
            if (!number.empty()) (noCalls ? forNoCalls : forCalls).emplace_back(number);
        });
    }
    const std::vector<std::string>& phones = forCalls.empty() ? forNoCalls : forCalls;
    if (!phones.empty()) contact.phone1 = phones[0];
    if (phones.size() > 1) contact.phone2 = phones[1];
}

// The order a column's dates are read in: those apart by other separators,
// and those apart by dots.
struct DateOrders {
    DateOrder numbers;
    DateOrder dotted = DateOrder::DayMonthYear;
    bool operator==(const DateOrders&) const = default;
};

// A birthday column, or Thunderbird's month and day columns; a date that
// says something else than "none" in a form the program cannot read is
// kept as written.
void takeBirthday(const Row& row, const Columns& columns, DateOrders orders, Contact& contact) {
    const std::string_view date = row.field(columns.of(Birthday));
    if (!statesNoBirthday(date)) {
        contact.birthday = writtenBirthday(date, orders.numbers, orders.dotted);
        if (contact.birthday) return;
    }
    if (columns.has(BirthMonth) && columns.has(BirthDay)) {
        const auto month = dayOrMonth(row.field(columns.of(BirthMonth)));
        const auto day = dayOrMonth(row.field(columns.of(BirthDay)));
        if (month && day) contact.birthday = MonthDay{*month, *day};
    }
    if (!contact.birthday && !statesNoBirthday(date)) contact.unreadBirthday = date;
}

// Turns a field's text into the file's text encoding; the identity but for a
// file in a code page that is not the system's, and for a field of a long
// UTF-8 file that is no UTF-8.
using FieldDecoder = std::function<std::string(std::string_view field)>;

Contact contactOf(const Row& row, const Columns& columns, DateOrders orders,
                  const FieldDecoder& decoded) {
    Contact contact;
    contact.firstName = row.field(columns.of(FirstName));
    contact.surname = row.field(columns.of(Surname));
    if (contact.firstName.empty() && contact.surname.empty() && columns.has(DisplayName)) {
        auto [firstName, surname] = splitFullName(row.field(columns.of(DisplayName)));
        contact.firstName = std::move(firstName);
        contact.surname = std::move(surname);
    }
    if (columns.has(Email)) contact.email = firstValue(row.field(columns.of(Email)));
    takePhones(row, columns, contact);
    takeBirthday(row, columns, orders, contact);
    if (decoded) {
        for (std::string* text : {&contact.firstName, &contact.surname, &contact.email,
                                  &contact.phone1, &contact.phone2, &contact.unreadBirthday})
            *text = decoded(*text);
    }
    return contact;
}

// The rows after the header, their numeric birthdays read in `orders`; the
// judge sees every birthday.
ContactList contactsOf(TextCursor& text, char separator, const Columns& columns, DateOrders orders,
                       const FieldDecoder& decoded, DateOrderJudge& judge) {
    RecordReader records(text, separator);
    records.next([](std::size_t) { return false; }, [](std::size_t, std::string) {});
    Row row(columns.read());
    ContactList contacts;
    while (!records.atEnd()) {
        if (!row.read(records)) continue;
        judge.see(row.field(columns.of(Birthday)));
        contacts.push_back(contactOf(row, columns, orders, decoded));
    }
    return contacts;
}

// The columns that the header names, read with a separator and its names
// decoded by `decoded`.
Columns headerColumns(std::string_view text, char separator, const HeaderDecoder& decoded,
                      bool& nonAscii) {
    TextCursor header(text);
    RecordReader records(header, separator);
    Columns columns;
    records.next([](std::size_t) { return true; },
                 [&](std::size_t column, std::string name) {
                     if (isAscii(name)) return columns.see(column, name);
                     nonAscii = true;
                     if (column >= mostNamedColumns || name.size() > longestColumnName) return;
                     if (const auto utf8 = decoded(name)) columns.see(column, *utf8);
                 });
    columns.settleSharedNames();
    return columns;
}

// The code pages of the languages whose exports the program reads, for a
// file written in another language's code page than the system's.
constexpr std::array<unsigned, 6> languagesCodePages{1252, 1250, 1251, 932, 936, 950};

struct Header {
    Columns columns;
    char separator = ',';
    TextEncoding encoding = TextEncoding::Utf8;
    FieldDecoder decoded;  // for a file in another code page than the system's
};

// Excel's first line "sep=;" names the separator of the lines after it.
std::optional<char> excelSeparator(std::string_view& text) {
    if (text.size() < 5 || !sameIgnoringCase(text.substr(0, 4), "sep=")) return std::nullopt;
    std::string_view rest = text.substr(4);
    const char separator = rest.starts_with("\\t") ? '\t' : rest.front();
    rest.remove_prefix(rest.starts_with("\\t") ? 2 : 1);
    if (!rest.empty() && rest.front() != '\r' && rest.front() != '\n') return std::nullopt;
    if (rest.starts_with("\r")) rest.remove_prefix(1);
    if (rest.starts_with("\n")) rest.remove_prefix(1);
    text = rest;
    return separator;
}

// A field of a UTF-8 file after the start it was told by may still be in the
// system's code page.
FieldDecoder utf8OrAnsi(const TextConverters& converters) {
    return [&converters](std::string_view field) {
        return isUtf8(field) ? std::string(field) : converters.ansiToUtf8(std::string(field));
    };
}

// Tries each separator, first for a header with birthdays, then for one of an
// address book without them; a header that is not UTF-8 is read in the
// system's code page, then in each language's. The encoding is told from the
// text's start, which may be `whole`.
std::optional<Header> readHeader(std::string_view text, bool whole, std::optional<char> named,
                                 const TextConverters& converters) {
    const bool utf8 = isUtf8(text);
    std::vector<std::pair<HeaderDecoder, FieldDecoder>> readings;
    if (utf8) {
        readings.push_back({[](std::string_view name) { return std::string(name); },
                            whole ? nullptr : utf8OrAnsi(converters)});
    } else {
        readings.push_back(
            {[&](std::string_view name) { return converters.ansiToUtf8(std::string(name)); },
             nullptr});
        for (unsigned codePage : languagesCodePages)
            readings.push_back({[&converters, codePage](std::string_view name) {
                                    return converters.codePageToUtf8(name, codePage);
                                },
                                [&converters, codePage](std::string_view field) {
                                    if (field.empty()) return std::string();
                                    auto utf8 = converters.codePageToUtf8(field, codePage);
                                    return utf8 ? std::move(*utf8)
                                                : converters.ansiToUtf8(std::string(field));
                                }});
    }
    std::optional<Header> addressBook;
    const std::vector<char> separators =
        named ? std::vector<char>{*named} : std::vector<char>{',', ';', '\t'};
    for (char separator : separators) {
        for (std::size_t reading = 0; reading < readings.size(); ++reading) {
            bool nonAscii = false;
            const Columns columns =
                headerColumns(text, separator, readings[reading].first, nonAscii);
            const TextEncoding encoding =
                utf8 || reading > 0 ? TextEncoding::Utf8 : TextEncoding::Ansi;
            Header header{columns, separator, encoding, readings[reading].second};
            if (columns.enoughForContacts()) return header;
            if (columns.isAddressBook() && !addressBook) addressBook = header;
            // An ASCII header reads the same in every code page.
            if (!nonAscii) break;
        }
    }
    return addressBook;
}

// The whole column shows the order of its dates: the rows are read again in
// that order when it is not the regional one.
ContactList contactsOfWhole(std::string_view text, const Header& header, DateOrder order) {
    DateOrderJudge judge(order);
    const DateOrders regional{order};
    TextCursor rows(text);
    ContactList contacts =
        contactsOf(rows, header.separator, header.columns, regional, header.decoded, judge);
    if (const DateOrders shown{judge.order(), judge.dottedOrder()}; shown != regional) {
        contacts = ContactList();
        TextCursor again(text);
        contacts =
            contactsOf(again, header.separator, header.columns, shown, header.decoded, judge);
    }
    return contacts;
}

// Of a text read as it comes, the column's dates in its start show their
// order; the rows are then read once, in that order.
ContactList contactsAsTheyCome(std::string_view start, TextCursor& text, const Header& header,
                               DateOrder order) {
    DateOrderJudge judge(order);
    TextCursor startRows(start);
    RecordReader records(startRows, header.separator);
    records.next([](std::size_t) { return false; }, [](std::size_t, std::string) {});
    Row row({header.columns.of(Birthday)});
    while (header.columns.has(Birthday) && !records.atEnd())
        if (row.read(records)) judge.see(row.field(header.columns.of(Birthday)));
    return contactsOf(text, header.separator, header.columns,
                      DateOrders{judge.order(), judge.dottedOrder()}, header.decoded, judge);
}

}  // namespace

std::optional<CsvContacts> readCsv(std::string_view text, DateOrder order,
                                   const TextConverters& converters) {
    TextCursor cursor(text);
    return readCsv(text, true, cursor, order, converters);
}

std::optional<CsvContacts> readCsv(std::string_view start, bool whole, TextCursor& text,
                                   DateOrder order, const TextConverters& converters) {
    std::string_view rows = start;
    const std::optional<char> named = excelSeparator(rows);
    const std::optional<Header> header = readHeader(rows, whole, named, converters);
    if (!header) return std::nullopt;
    if (whole) return CsvContacts{header->encoding, contactsOfWhole(rows, *header, order)};
    for (std::size_t sepLine = start.size() - rows.size(); sepLine > 0 && !text.atEnd(); --sepLine)
        text.take();
    return CsvContacts{header->encoding, contactsAsTheyCome(rows, text, *header, order)};
}

}  // namespace address_book
