#pragma once
// Identities seen, each kept once in one growing block of bytes and found by
// its hash: a file of millions of contacts costs a few bytes a contact, not a
// node and a string each.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace address_book {

class IdentitySet {
public:
    // Room for this many without growing.
    void reserve(std::size_t count);
    // Whether the identity was not there before.
    bool insert(std::string_view identity);

private:
    // Eight bytes, so that the table of a file of millions of contacts
    // touches as little memory as it can.
    struct Slot {
        std::uint32_t tag = 0;    // the hash's high bits; 0 for an empty slot
        std::uint32_t index = 0;  // of the identity, in the order they came
    };

    static std::uint64_t hashOf(std::string_view identity);
    static std::uint32_t tagOf(std::uint64_t hash);
    std::string_view textOf(const Slot& slot) const;
    void grow(std::size_t slots);
    Slot& slotFor(std::string_view identity, std::uint64_t hash);

    std::vector<Slot> slots_;
    std::string bytes_;
    std::vector<std::uint64_t> ends_;  // where each identity's bytes end
};

}  // namespace address_book
