// Any list as File > Export... writes it: a vCard file of folded CR LF lines
// in UTF-8 with one card a person, whose import keeps every rule of the plan
// (see import_checks.h) and gives back every row that holds some text as
// the contact file holds it, cell for cell, whatever its key and texts; and a list as the editor
// and the import leave it, exported then imported, comes back the same, cell for cell, and adds
// nobody to itself. The same list as a calendar is folded CR LF lines in UTF-8 too, with an event
// for every person it does not leave out.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "address_book/icalendar_writer.h"
#include "address_book/vcard_reader.h"
#include "address_book/vcard_writer.h"
#include "app/system_converters.h"
#include "import_checks.h"
#include "listed_people_input.h"
#include "test_support/listed_people.h"

namespace {

void checkLines(const std::string& file) {
    fuzz::require(address_book::isUtf8(file));
    std::size_t start = 0;
    for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string_view line = std::string_view(file).substr(start, end - start);
        fuzz::require(line.size() <= 75 && line.find_first_of("\r\n") == std::string_view::npos);
    }
    fuzz::require(start == file.size());
}

address_book::AddressBook exportedAndRead(const std::vector<address_book::Cells>& people) {
    const std::string file = address_book::vCardsOf(people, systemConverters());
    checkLines(file);
    return {
        address_book::FileFormat::VCard, address_book::TextEncoding::Utf8,
        address_book::readVCards(file, address_book::DateOrder::DayMonthYear, systemConverters())};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<fuzz::RawPerson> raw =
        fuzz::rawPeopleFrom(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<address_book::Cells> anyList, held, listed;
    for (const fuzz::RawPerson& person : raw) {
        anyList.push_back(person.texts);
        if (std::any_of(person.texts.begin(), person.texts.end(),
                        [](const std::string& text) { return !text.empty(); }))
            held.push_back(test_support::cutToFields(person.texts));
        listed.push_back(test_support::listedPerson(person.texts, person.month, person.day,
                                                    person.typedWithZero));
    }

    const address_book::BirthdayCalendar calendar =
        address_book::birthdayCalendarOf(anyList, {2028, 2, 29, 9, 0, 0}, systemConverters());
    checkLines(calendar.bytes);
    fuzz::require(calendar.written + calendar.leftOut == static_cast<int>(anyList.size()));

    const address_book::AddressBook any = exportedAndRead(anyList);
    fuzz::require(any.contacts.size() == anyList.size());
    fuzz::checkContacts(any);
    fuzz::checkPlan(any, book::maxPeople);
    platform::StringGrid list(nullptr, book::columnCount);
    fuzz::require(address_book::planImport(any, list, book::maxPeople, systemConverters()).people ==
                  held);

    const address_book::AddressBook back = exportedAndRead(listed);
    const address_book::ImportPlan plan =
        address_book::planImport(back, list, book::maxPeople, systemConverters());
    fuzz::require(plan.people == listed);
    address_book::appendPeople(list, plan.people);
    fuzz::require(
        address_book::planImport(back, list, address_book::roomLeft(list), systemConverters())
            .newPeople == 0);
    return 0;
}
