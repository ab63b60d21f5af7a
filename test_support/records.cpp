#include "records.h"

#include <algorithm>

#include "book/contact_record.h"
#include "book/contact_table.h"

namespace test_support {

std::string records(const std::vector<Person>& people) {
    platform::StringGrid grid(nullptr, book::columnCount);
    std::string bytes;
    for (const Person& person : people) {
        for (int col = 0; col < book::columnCount; ++col) grid.setCell(col, 1, person.at(col));
        const book::ContactRecord record = book::ContactRecord::fromRow(grid, 1);
        bytes.append(reinterpret_cast<const char*>(record.bytes.data()), record.bytes.size());
    }
    return bytes;
}

std::vector<Person> peopleOfRecords(const std::string& bytes) {
    std::vector<Person> people;
    for (std::size_t at = 0; at + book::ContactRecord::size <= bytes.size();
         at += book::ContactRecord::size) {
        book::ContactRecord record;
        std::copy_n(bytes.begin() + at, book::ContactRecord::size, record.bytes.begin());
        Person& person = people.emplace_back();
        for (std::size_t field = 0; field < book::recordFields.size(); ++field)
            person.push_back(record.field(field));
    }
    return people;
}

std::string record(const std::string& key, const std::string& firstName) {
    Person person(book::columnCount);
    person[book::colKey] = key;
    person[book::colFirstName] = firstName;
    return records({person});
}

}  // namespace test_support
