#include "template/blocks/reader_block.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

struct StateCase {
    std::uint8_t readerType;
    std::uint8_t oneDClass;
    std::uint8_t twoDClass;
    ReaderFamily family;
};

TEST(ReaderTypeState, FollowsTheBitPrecedence) {
    const StateCase cases[] = {
        {kReaderTypeNone, 0, 0, ReaderFamily::None},
        {kReaderTypeLaser, 3, 0, ReaderFamily::Laser},
        {kReaderType2D, 0, 2, ReaderFamily::TwoD},
        {0x01, 2, 0, ReaderFamily::Laser},
        {0x03, 2, 0, ReaderFamily::Laser},  // bit 0 wins over bit 1
        {0x82, 1, 0, ReaderFamily::Elr},    // bit 1 wins over bit 7
        {0x44, 0, 1, ReaderFamily::TwoD},   // bit 2 wins over bit 6
        {0xC0, 3, 2, ReaderFamily::Laser},  // a 1D laser beats a 2D class
        {0x42, 1, 2, ReaderFamily::TwoD},   // a 2D class beats ELR
        {0x20, 0, 0, ReaderFamily::None},   // other bits mean nothing
    };
    for (const StateCase& c : cases) {
        ReaderBlock block{};
        block.readerType = c.readerType;
        const ReaderTypeState state = DeriveReaderTypeState(block);
        EXPECT_EQ(state.oneDClass, c.oneDClass) << "readerType " << int{c.readerType};
        EXPECT_EQ(state.twoDClass, c.twoDClass) << "readerType " << int{c.readerType};
        EXPECT_EQ(FamilyOf(state), c.family) << "readerType " << int{c.readerType};
    }
}

}  // namespace
}  // namespace fw
