#include "template/blocks/form_block.h"

#include <gtest/gtest.h>

#include "support/test_document.h"

namespace fw {
namespace {

using test::Values;

TEST(SplitLengths, StoreTotalsAbove160AsBlocksAndRemainder) {
    std::uint8_t blocks = 9, remainder = 9;
    StoreSplit(blocks, remainder, 160);
    EXPECT_EQ(Values(blocks, remainder), Values(0, 160));
    StoreSplit(blocks, remainder, 2048);
    EXPECT_EQ(Values(blocks, remainder), Values(12, 128));
    StoreSplit(blocks, remainder, 500);
    EXPECT_EQ(Values(blocks, SplitTotal(blocks, remainder)), Values(3, 500));
}

}  // namespace
}  // namespace fw
