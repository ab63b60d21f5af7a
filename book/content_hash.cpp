#include "content_hash.h"

#include <algorithm>
#include <cstring>

namespace book {

namespace {

constexpr std::uint64_t prime = 0x100000001b3ull;

std::uint64_t rotated(std::uint64_t value, int bits) {
    return (value << bits) | (value >> (64 - bits));
}

std::uint64_t word(const unsigned char* bytes) {
    std::uint64_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// FNV-1a, a byte at a time, for what is left over and for the lanes' sum.
std::uint64_t fnv(std::uint64_t hash, const unsigned char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) hash = (hash ^ bytes[i]) * prime;
    return hash;
}

}  // namespace

void ContentHash::addBlock(const unsigned char* block) {
    for (std::size_t lane = 0; lane < lanes_.size(); ++lane)
        lanes_[lane] = rotated((lanes_[lane] ^ word(block + 8 * lane)) * prime, 31);
}

void ContentHash::add(const unsigned char* bytes, std::size_t count) {
    if (count == 0) return;
    length_ += count;
    if (pendingCount_ > 0) {
        const std::size_t taken = std::min(count, blockSize - pendingCount_);
        std::memcpy(pending_.data() + pendingCount_, bytes, taken);
        pendingCount_ += taken;
        bytes += taken;
        count -= taken;
        if (pendingCount_ < blockSize) return;
        addBlock(pending_.data());
        pendingCount_ = 0;
    }
    for (; count >= blockSize; bytes += blockSize, count -= blockSize) addBlock(bytes);
    std::memcpy(pending_.data(), bytes, count);
    pendingCount_ = count;
}

void ContentHash::add(std::string_view bytes) {
    add(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

std::uint64_t ContentHash::value() const {
    std::uint64_t hash = fnv(0xcbf29ce484222325ull, pending_.data(), pendingCount_);
    for (std::uint64_t lane : lanes_)
        hash = fnv(hash, reinterpret_cast<const unsigned char*>(&lane), sizeof lane);
    return fnv(hash, reinterpret_cast<const unsigned char*>(&length_), sizeof length_);
}

std::uint64_t contentHash(std::string_view bytes) {
    ContentHash hash;
    hash.add(bytes);
    return hash.value();
}

}  // namespace book
