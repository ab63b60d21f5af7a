#pragma once
// The fuzz input of the export's target as people: for each, a month, a day
// and a flag byte, then its ten texts, each a length byte and as many bytes
// as are left of it. make_seeds writes seeds in the same form.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "address_book/person.h"
#include "book/contact_table.h"

namespace fuzz {

struct RawPerson {
    address_book::Cells texts;
    unsigned month = 0, day = 0;
    bool typedWithZero = false;
};

inline std::vector<RawPerson> rawPeopleFrom(std::string_view bytes) {
    std::vector<RawPerson> people;
    const auto next = [&bytes]() -> unsigned {
        if (bytes.empty()) return 0;
        const auto byte = static_cast<unsigned char>(bytes.front());
        bytes.remove_prefix(1);
        return byte;
    };
    while (!bytes.empty() && people.size() < 200) {
        RawPerson& person = people.emplace_back();
        person.month = next();
        person.day = next();
        person.typedWithZero = (next() & 1) != 0;
        for (std::string& text : person.texts) {
            const std::size_t length = std::min<std::size_t>(next(), bytes.size());
            text = bytes.substr(0, length);
            bytes.remove_prefix(length);
        }
    }
    return people;
}

inline std::string inputOf(const std::vector<RawPerson>& people) {
    std::string bytes;
    for (const RawPerson& person : people) {
        bytes += static_cast<char>(person.month);
        bytes += static_cast<char>(person.day);
        bytes += static_cast<char>(person.typedWithZero ? 1 : 0);
        for (const std::string& text : person.texts) {
            bytes += static_cast<char>(text.size());
            bytes += text;
        }
    }
    return bytes;
}

}  // namespace fuzz
