#include "template/blocks/reader_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace fw {
namespace {

constexpr std::uint8_t kFill = 0xAA;

std::uint8_t At(const ReaderBlock& block, std::size_t offset) {
    return reinterpret_cast<const std::uint8_t*>(&block)[offset];
}

// Byte runs the defaults must not touch: reserved areas and byte 220.
bool IsUntouched(std::size_t offset) {
    constexpr std::pair<std::size_t, std::size_t> kRuns[] = {
        {84, 111}, {180, 201}, {220, 220}, {343, 361}, {371, 380},
        {382, 391}, {399, 414}, {748, 776}};
    for (auto [first, last] : kRuns) {
        if (offset >= first && offset <= last) return true;
    }
    return false;
}

// Over a block whose every byte is kFill, the defaults must write every
// field and leave the reserved bytes alone.
TEST(ReaderBlockDefaults, WriteEveryFieldAndLeaveReservedBytesAlone) {
    ReaderBlock block;
    std::memset(&block, kFill, sizeof block);
    ResetReaderBlock(block);
    for (std::size_t offset = 0; offset < sizeof block; ++offset) {
        if (IsUntouched(offset)) {
            EXPECT_EQ(At(block, offset), kFill) << "reserved byte " << offset << " was written";
        } else {
            EXPECT_NE(At(block, offset), kFill) << "byte " << offset << " kept its old value";
        }
    }
}

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
