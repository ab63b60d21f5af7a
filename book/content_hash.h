#pragma once
// A fast 64-bit hash of a file's bytes, to notice that a file changed even
// when a copy kept its size and last-write time. Not for security.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace book {

class ContentHash {
public:
    // The bytes may come in pieces of any size: the hash is that of them all.
    void add(const unsigned char* bytes, std::size_t count);
    void add(std::string_view bytes);
    std::uint64_t value() const;

private:
    static constexpr std::size_t blockSize = 32;
    void addBlock(const unsigned char* block);

    // Four independent lanes, so that the work per byte overlaps.
    std::array<std::uint64_t, 4> lanes_{0xcbf29ce484222325ull, 0x84222325cbf29ce4ull,
                                        0x9ce484222325cbf2ull, 0x2325cbf29ce48422ull};
    std::array<unsigned char, blockSize> pending_{};
    std::size_t pendingCount_ = 0;
    std::uint64_t length_ = 0;
};

std::uint64_t contentHash(std::string_view bytes);

}  // namespace book
