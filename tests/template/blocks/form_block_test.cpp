#include "template/blocks/form_block.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(SplitLengths, StoreTotalsAbove160AsBlocksAndRemainder) {
    std::uint8_t blocks = 9, remainder = 9;
    StoreSplit(blocks, remainder, 160);
    EXPECT_EQ(blocks, 0);
    EXPECT_EQ(remainder, 160);
    StoreSplit(blocks, remainder, 2048);
    EXPECT_EQ(blocks, 12);
    EXPECT_EQ(remainder, 128);
    StoreSplit(blocks, remainder, 500);
    EXPECT_EQ(SplitTotal(blocks, remainder), 500u);
    EXPECT_EQ(blocks, 3);
}

}  // namespace
}  // namespace fw
