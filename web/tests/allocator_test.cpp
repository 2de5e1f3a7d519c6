// The page's malloc and free (web/allocator.cpp), under Node: blocks aligned on 16 bytes that
// never overlap while they live, a freed block handed out again for the next of its size, and
// blocks far past the memory the module starts with.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

TEST(Allocator, BlocksAreAlignedApartAndUsedAgain) {
    std::vector<unsigned char*> blocks;
    for (std::size_t n = 0; n < 3000; n += 7) {
        auto* p = static_cast<unsigned char*>(std::malloc(n));
        ASSERT_NE(p, nullptr) << n;
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 16, 0u) << n;
        std::memset(p, static_cast<int>(blocks.size() & 0xff), n);
        blocks.push_back(p);
    }
    for (std::size_t i = 0; i < blocks.size(); ++i) // each still holds what was written in it
        for (std::size_t k = 0; k < 7 * i; ++k) ASSERT_EQ(blocks[i][k], i & 0xff) << i;
    // 100 and 112 bytes share a block size (128, its 16 bytes of header among them).
    void* freed = std::malloc(100);
    std::free(freed);
    EXPECT_EQ(std::malloc(112), freed);
    for (unsigned char* p : blocks) std::free(p);
    // 64 MB in all, four times the memory the module starts with: it grows.
    std::vector<unsigned char*> large;
    for (int i = 0; i < 16; ++i) {
        large.push_back(static_cast<unsigned char*>(std::malloc(4 << 20)));
        ASSERT_NE(large.back(), nullptr) << i;
        large.back()[(4 << 20) - 1] = static_cast<unsigned char>(i);
    }
    for (int i = 0; i < 16; ++i) EXPECT_EQ(large[i][(4 << 20) - 1], i);
    EXPECT_EQ(std::malloc(std::size_t{1} << 31), nullptr); // past the largest block
}
