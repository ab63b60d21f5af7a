#include "vcard_writer.h"

#include <optional>
#include <string_view>

#include "contact.h"
#include "content_lines.h"
#include "own_properties.h"
#include "text_encoding.h"

namespace address_book {

namespace {

// A text the import reads back from its standard property otherwise than the
// list holds it goes exact into a property of Festorin's own.
struct ExactText {
    const char* property;
    book::Column column;
    bool isPhone;
};

constexpr ExactText exactTexts[] = {{exactFirstNameProperty, book::colFirstName, false},
                                    {exactSurnameProperty, book::colSurname, false},
                                    {exactEmailProperty, book::colEmail, false},
                                    {exactPhone1Property, book::colPhone1, true},
                                    {exactPhone2Property, book::colPhone2, true}};

// BDAY and the day of birth give the key back when it is a date that the day
// of birth shows as the import would; any other key needs its own property.
bool keyComesBackFromBirthday(const Cells& person) {
    const std::optional<MonthDay> date = dateOfKey(person[book::colKey]);
    const std::string& shown = person[book::colShownDate];
    return date && shownDateOf(*date, shown) == shown;
}

class CardWriter {
public:
    CardWriter(std::string& out, const TextConverters& converters)
        : out_(out), converters_(converters) {}

    // The standard properties hold the texts as the import reads them back.
    void write(const Cells& person) {
        Cells readBack;
        for (const ExactText& exact : exactTexts)
            readBack[exact.column] = asReadBack(person[exact.column]);
        line("BEGIN:VCARD");
        line("VERSION:3.0");
        const std::string& firstName = readBack[book::colFirstName];
        const std::string& surname = readBack[book::colSurname];
        start("N:");
        text(surname);
        add(";");
        text(firstName);
        add(";;;");
        end();
        textLine("FN:", fullName(firstName, surname));
        if (!readBack[book::colEmail].empty())
            textLine("EMAIL;TYPE=INTERNET:", readBack[book::colEmail]);
        writePhones(readBack[book::colPhone1], readBack[book::colPhone2]);
        const std::string& key = person[book::colKey];
        if (dateOfKey(key)) line("BDAY:--" + key.substr(0, 2) + "-" + key.substr(2));
        if (!keyComesBackFromBirthday(person)) ownColumn(keyProperty, key);
        ownColumn(dayOfBirthProperty, person[book::colShownDate]);
        ownColumn(actionProperty, person[book::colAction]);
        ownColumn(leadProperty, person[book::colWhen]);
        ownColumn(reasonProperty, person[book::colReason]);
        for (const ExactText& exact : exactTexts) {
            const std::string& read = readBack[exact.column];
            if ((exact.isPhone ? withoutTelLink(read) : read) != person[exact.column])
                ownColumn(exact.property, person[exact.column]);
        }
        line("END:VCARD");
    }

private:
    static std::string fullName(const std::string& first, const std::string& surname) {
        return first.empty() || surname.empty() ? first + surname : first + " " + surname;
    }

    // Phone 1 first and preferred; a second phone without a first is marked
    // so that it comes back as the second.
    void writePhones(const std::string& phone1, const std::string& phone2) {
        const bool firstThere = !withoutTelLink(phone1).empty();
        if (firstThere) textLine("TEL;TYPE=PREF:", phone1);
        if (withoutTelLink(phone2).empty()) return;
        if (firstThere)
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
    // Festorin's own columns come back exact: a text with a control
    // character, such as a carriage return, goes in base64.
    void ownColumn(const char* property, const std::string& cell) {
        if (holdsControlCharacter(cell))
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
