#include "records.h"

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

std::string record(const std::string& key, const std::string& firstName) {
    Person person(book::columnCount);
    person[book::colKey] = key;
    person[book::colFirstName] = firstName;
    return records({person});
}

}  // namespace test_support
