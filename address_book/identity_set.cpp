#include "identity_set.h"

#include <algorithm>
#include <functional>

namespace address_book {

namespace {

constexpr std::size_t fewestSlots = 64;

// Blocks grow from the first to the largest; an identity larger than that
// has one of its own.
constexpr std::size_t firstBlock = 256;
constexpr std::size_t largestBlock = 1024 * 1024;

// At most three slots in four are taken, so that a look finds an empty one
// soon.
bool roomFor(std::size_t count, std::size_t slots) { return 4 * count <= 3 * slots; }

std::size_t slotsFor(std::size_t count) {
    std::size_t slots = fewestSlots;
    while (!roomFor(count, slots)) slots *= 2;
    return slots;
}

}  // namespace

std::uint64_t IdentitySet::hashOf(std::string_view identity) {
    return std::hash<std::string_view>{}(identity);
}

std::uint32_t IdentitySet::tagOf(std::uint64_t hash) {
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    return tag == 0 ? 1 : tag;
}

std::string_view IdentitySet::textOf(const Slot& slot) const {
    const Place& place = places_[slot.index];
    const bool startsBlock = slot.index == 0 || places_[slot.index - 1].block != place.block;
    const std::uint32_t start = startsBlock ? 0 : places_[slot.index - 1].end;
    return std::string_view(blocks_[place.block]).substr(start, place.end - start);
}

// Added to the last block while it has room, so that no block ever moves its
// bytes.
void IdentitySet::keep(std::string_view identity) {
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < identity.size()) {
        const std::size_t next =
            blocks_.empty() ? firstBlock : std::min(2 * blocks_.back().capacity(), largestBlock);
        blocks_.emplace_back().reserve(std::max(next, identity.size()));
    }
    std::string& block = blocks_.back();
    block.append(identity);
    places_.push_back(
        {static_cast<std::uint32_t>(blocks_.size() - 1), static_cast<std::uint32_t>(block.size())});
}

void IdentitySet::reserve(std::size_t count) {
    if (slotsFor(count) > slots_.size()) grow(slotsFor(count));
    places_.reserve(count);
}

// Each identity moves to its place in the larger table; the bytes stay.
void IdentitySet::grow(std::size_t slots) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(slots, Slot{});
    for (const Slot& slot : old)
        if (slot.tag != 0) slotFor(textOf(slot), hashOf(textOf(slot))) = slot;
}

// The identity's slot, or the empty one where it would go.
IdentitySet::Slot& IdentitySet::slotFor(std::string_view identity, std::uint64_t hash) {
    const std::uint32_t tag = tagOf(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = static_cast<std::size_t>(hash) & mask;; at = (at + 1) & mask) {
        Slot& slot = slots_[at];
        if (slot.tag == 0 || (slot.tag == tag && textOf(slot) == identity)) return slot;
    }
}

void IdentitySet::prefetch(std::string_view identity) const {
    if (slots_.empty()) return;
    __builtin_prefetch(&slots_[static_cast<std::size_t>(hashOf(identity)) & (slots_.size() - 1)]);
}

bool IdentitySet::insert(std::string_view identity) {
    if (!roomFor(places_.size() + 1, slots_.size())) grow(slotsFor(places_.size() + 1));
    const std::uint64_t hash = hashOf(identity);
    Slot& slot = slotFor(identity, hash);
    if (slot.tag != 0) return false;
    slot = {tagOf(hash), static_cast<std::uint32_t>(places_.size())};
    keep(identity);
    return true;
}

}  // namespace address_book
