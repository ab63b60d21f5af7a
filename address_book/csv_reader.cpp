#include "csv_reader.h"

#include <initializer_list>
#include <string>

#include "ascii_case.h"
#include "book/text.h"
#include "text_encoding.h"

namespace address_book {

namespace {

using Record = std::vector<std::string>;

// RFC 4180 records: a quoted field may hold separators, line ends and doubled
// quotes. Text after a closing quote still belongs to its field.
class RecordReader {
public:
    RecordReader(std::string_view bytes, char separator) : bytes_(bytes), separator_(separator) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }

    Record next() {
        Record record(1);
        while (!atEnd()) {
            const char c = bytes_[pos_++];
            if (c == '"' && record.back().empty() && !fieldWasQuoted_) {
                readQuoted(record.back());
            } else if (c == separator_) {
                record.emplace_back();
                fieldWasQuoted_ = false;
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && !atEnd() && bytes_[pos_] == '\n') ++pos_;
                break;
            } else {
                record.back() += c;
            }
        }
        fieldWasQuoted_ = false;
        return record;
    }

private:
    void readQuoted(std::string& field) {
        fieldWasQuoted_ = true;
        while (!atEnd()) {
            const char c = bytes_[pos_++];
            if (c != '"') {
                field += c;
            } else if (!atEnd() && bytes_[pos_] == '"') {
                field += '"';
                ++pos_;
            } else {
                return;
            }
        }
    }

    std::string_view bytes_;
    char separator_;
    std::size_t pos_ = 0;
    bool fieldWasQuoted_ = false;
};

constexpr int absent = -1;

// The column of the first of the names that the header holds.
int columnOf(const Record& header, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names)
        for (std::size_t col = 0; col < header.size(); ++col)
            if (sameIgnoringCase(book::trimmed(header[col]), name)) return static_cast<int>(col);
    return absent;
}

// Google's columns and Outlook's. The phones are the first two numbers in
// Google's two phone columns, then in Outlook's mobile, home and business ones.
struct Columns {
    explicit Columns(const Record& header)
        : firstName(columnOf(header, {"First Name", "Given Name"})),
          surname(columnOf(header, {"Last Name", "Family Name"})),
          birthday(columnOf(header, {"Birthday"})),
          email(columnOf(header, {"E-mail 1 - Value", "E-mail Address"})) {
        for (std::string_view name :
             {"Phone 1 - Value", "Phone 2 - Value", "Mobile Phone", "Home Phone", "Business Phone"})
            if (int col = columnOf(header, {name}); col != absent) phones.push_back(col);
    }

    bool enoughForContacts() const {
        return (firstName != absent || surname != absent) && birthday != absent;
    }

    int firstName, surname, birthday, email;
    std::vector<int> phones;  // in the order they are taken
};

std::string fieldOf(const Record& record, int col) {
    if (col == absent || static_cast<std::size_t>(col) >= record.size()) return "";
    return book::trimmed(record[col]);
}

// Google puts several values of one kind in one field, apart by " ::: ".
std::vector<std::string> valuesOf(const std::string& field) {
    constexpr std::string_view apart = " ::: ";
    std::vector<std::string> values;
    std::size_t start = 0;
    for (std::size_t found; (found = field.find(apart, start)) != std::string::npos;
         start = found + apart.size())
        values.push_back(book::trimmed(field.substr(start, found - start)));
    values.push_back(book::trimmed(field.substr(start)));
    return values;
}

std::optional<MonthDay> birthdayOf(const std::string& field, DateOrder order) {
    if (auto iso = isoBirthday(field)) return iso;
    return regionalBirthday(field, order);
}

bool holdsText(const Record& record) {
    for (const std::string& field : record)
        if (!book::trimmed(field).empty()) return true;
    return false;
}

Contact contactOf(const Record& record, const Columns& columns, DateOrder order) {
    Contact contact;
    contact.firstName = fieldOf(record, columns.firstName);
    contact.surname = fieldOf(record, columns.surname);
    contact.email = valuesOf(fieldOf(record, columns.email)).front();
    std::vector<std::string> phones;
    for (int col : columns.phones)
        for (std::string& phone : valuesOf(fieldOf(record, col)))
            if (!phone.empty()) phones.push_back(std::move(phone));
    if (!phones.empty()) contact.phone1 = phones[0];
    if (phones.size() > 1) contact.phone2 = phones[1];
    contact.birthday = birthdayOf(fieldOf(record, columns.birthday), order);
    return contact;
}

}  // namespace

std::optional<CsvContacts> readCsv(std::string_view bytes, DateOrder order) {
    const std::string_view text = withoutByteOrderMark(bytes);
    for (char separator : {',', ';'}) {
        RecordReader records(text, separator);
        const Columns columns(records.next());
        if (!columns.enoughForContacts()) continue;
        CsvContacts read{isUtf8(text) ? TextEncoding::Utf8 : TextEncoding::Ansi, {}};
        while (!records.atEnd()) {
            const Record record = records.next();
            if (holdsText(record)) read.contacts.push_back(contactOf(record, columns, order));
        }
        return read;
    }
    return std::nullopt;
}

}  // namespace address_book
