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
    struct Slot {
        std::uint64_t offset = 0;  // in bytes_
        std::uint32_t size = 0;
        std::uint32_t tag = 0;  // the hash's high bits; 0 for an empty slot
    };

    static std::uint64_t hashOf(std::string_view identity);
    static std::uint32_t tagOf(std::uint64_t hash);
    std::string_view textOf(const Slot& slot) const;
    void grow(std::size_t slots);
    Slot& slotFor(std::string_view identity, std::uint64_t hash);

    std::vector<Slot> slots_;
    std::string bytes_;
    std::size_t count_ = 0;
};

}  // namespace address_book
