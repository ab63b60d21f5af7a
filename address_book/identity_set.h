#pragma once
// Identities seen, each kept once in blocks of bytes and found by its hash:
// a file of millions of contacts costs a few bytes a contact, not a node and
// a string each, and the bytes grow by blocks rather than by copies of
// themselves.
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
    // Asks for the memory where the identity would stand, ahead of its insert.
    void prefetch(std::string_view identity) const;

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
    void keep(std::string_view identity);
    void grow(std::size_t slots);
    Slot& slotFor(std::string_view identity, std::uint64_t hash);

    // Where an identity's bytes end; it starts where the one before ends, or
    // at its block's start. An identity is far shorter than 4 GiB: names are
    // read from lines of at most 256 KiB.
    struct Place {
        std::uint32_t block = 0;
        std::uint32_t end = 0;
    };

    std::vector<Slot> slots_;
    std::vector<std::string> blocks_;
    std::vector<Place> places_;  // in the order the identities came
};

}  // namespace address_book
