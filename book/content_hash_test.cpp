#include "content_hash.h"

#include <gtest/gtest.h>

namespace {

TEST(ContentHash, IsTheSameInAnyPiecesAndTellsOneByteApart) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i * 7);
    book::ContentHash pieces;
    for (std::size_t at = 0, size = 1; at < bytes.size(); at += size, size = size * 2 + 1)
        pieces.add(std::string_view(bytes).substr(at, size));
    EXPECT_EQ(pieces.value(), book::contentHash(bytes));

    for (std::size_t at : {0u, 31u, 32u, 500u, 999u}) {
        std::string other = bytes;
        other[at] ^= static_cast<char>(0x80);
        EXPECT_NE(book::contentHash(other), book::contentHash(bytes)) << "byte " << at;
    }
    EXPECT_NE(book::contentHash(std::string(364, '\0')), book::contentHash(std::string(728, '\0')));
}

}  // namespace
