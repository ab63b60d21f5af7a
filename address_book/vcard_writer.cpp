#include "vcard_writer.h"

#include <string_view>

#include "book/text.h"
#include "contact.h"
#include "content_lines.h"
#include "own_properties.h"
#include "text_encoding.h"

namespace address_book {

namespace {

bool isThere(const std::string& text) { return !book::trimmed(text).empty(); }

// A text the standard properties write otherwise than the list holds it.
bool holdsCarriageReturn(const std::string& text) { return text.find('\r') != std::string::npos; }

struct ExactText {
    const char* property;
    book::Column column;
};

constexpr ExactText exactTexts[] = {{exactFirstNameProperty, book::colFirstName},
                                    {exactSurnameProperty, book::colSurname},
                                    {exactEmailProperty, book::colEmail},
                                    {exactPhone1Property, book::colPhone1},
                                    {exactPhone2Property, book::colPhone2}};

// "--MM-DD" when the key is the month and day of a date; Festorin keeps no year.
std::string birthdayOf(const std::string& key) {
    if (key.size() != 4 || !book::isDigit(key[0]) || !book::isDigit(key[1]) ||
        !book::isDigit(key[2]) || !book::isDigit(key[3]))
        return "";
    const MonthDay date{(key[0] - '0') * 10 + (key[1] - '0'), (key[2] - '0') * 10 + (key[3] - '0')};
    return formsDate(date) ? "--" + key.substr(0, 2) + "-" + key.substr(2) : "";
}

class CardWriter {
public:
    CardWriter(std::string& out, const TextConverters& converters)
        : out_(out), converters_(converters) {}

    void write(const Cells& person) {
        line("BEGIN:VCARD");
        line("VERSION:3.0");
        start("N:");
        text(person[book::colSurname]);
        add(";");
        text(person[book::colFirstName]);
        add(";;;");
        end();
        textLine("FN:", fullName(person));
        if (isThere(person[book::colEmail]))
            textLine("EMAIL;TYPE=INTERNET:", person[book::colEmail]);
        writePhones(person[book::colPhone1], person[book::colPhone2]);
        const std::string birthday = birthdayOf(person[book::colKey]);
        if (!birthday.empty()) line("BDAY:" + birthday);
        ownColumn(dayOfBirthProperty, person[book::colShownDate]);
        ownColumn(actionProperty, person[book::colAction]);
        ownColumn(leadProperty, person[book::colWhen]);
        ownColumn(reasonProperty, person[book::colReason]);
        for (const ExactText& exact : exactTexts)
            if (holdsCarriageReturn(person[exact.column]))
                exactLine(exact.property, person[exact.column]);
        line("END:VCARD");
    }

private:
    static std::string fullName(const Cells& person) {
        const std::string& first = person[book::colFirstName];
        const std::string& surname = person[book::colSurname];
        return first.empty() || surname.empty() ? first + surname : first + " " + surname;
    }

    // Phone 1 first and preferred; a second phone without a first is marked
    // so that it comes back as the second.
    void writePhones(const std::string& phone1, const std::string& phone2) {
        if (isThere(phone1)) textLine("TEL;TYPE=PREF:", phone1);
        if (!isThere(phone2)) return;
        if (isThere(phone1))
            textLine("TEL:", phone2);
        else
            textLine(std::string("TEL;") + phoneColumnParameter + "=2:", phone2);
    }

    // A line is made in one buffer, then folded into the file.
    void start(std::string_view head) { line_.assign(head); }
    void add(std::string_view raw) { line_.append(raw); }
    // An empty text is not handed over: Windows' converters take no empty text.
    void text(const std::string& ansi) {
        if (!ansi.empty()) appendEscaped(line_, converters_.ansiToUtf8(ansi));
    }
    void end() { appendFolded(out_, line_); }

    void line(std::string_view whole) { appendFolded(out_, whole); }
    void textLine(std::string_view head, const std::string& ansi) {
        start(head);
        text(ansi);
        end();
    }
    // Festorin's own columns come back exact: a text with a carriage return
    // goes in base64.
    void ownColumn(const char* property, const std::string& cell) {
        if (holdsCarriageReturn(cell))
            exactLine(property, cell);
        else
            textLine(std::string(property) + ":", cell);
    }
    void exactLine(const char* property, const std::string& ansi) {
        start(std::string(property) + ";ENCODING=b:");
        add(base64Of(converters_.ansiToUtf8(ansi)));
        end();
    }

    std::string& out_;
    const TextConverters& converters_;
    std::string line_;
};

}  // namespace

std::string vCardsOf(const std::vector<Cells>& people, const TextConverters& converters) {
    std::string out;
    CardWriter writer(out, converters);
    for (const Cells& person : people) writer.write(person);
    return out;
}

}  // namespace address_book
