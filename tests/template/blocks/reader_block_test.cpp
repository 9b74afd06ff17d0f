#include "template/blocks/reader_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "template/fixed_text.h"

namespace fw {
namespace {

constexpr std::uint8_t kFill = 0xAA;

// Runs the defaults over a block whose every byte is kFill, so the test can
// tell the bytes the defaults wrote from those they left alone.
ReaderBlock DefaultsOverFill() {
    ReaderBlock block;
    std::memset(&block, kFill, sizeof block);
    ResetReaderBlock(block);
    return block;
}

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

TEST(ReaderBlockDefaults, WriteEveryFieldAndLeaveReservedBytesAlone) {
    const ReaderBlock block = DefaultsOverFill();
    for (std::size_t offset = 0; offset < sizeof block; ++offset) {
        if (IsUntouched(offset)) {
            EXPECT_EQ(At(block, offset), kFill) << "reserved byte " << offset << " was written";
        } else {
            EXPECT_NE(At(block, offset), kFill) << "byte " << offset << " kept its old value";
        }
    }
}

TEST(ReaderBlockDefaults, EnableEverySymbologyButAFew) {
    const ReaderBlock block = DefaultsOverFill();
    // The enable bytes behind the Barcode page's rows, per engine family.
    const std::initializer_list<std::size_t> laserOn = {
        1, 11, 15, 22, 23, 29, 36, 37, 51, 52, 53, 59, 60, 61, 63, 67, 68, 69, 70};
    const std::initializer_list<std::size_t> elrOn = {
        112, 113, 115, 116, 117, 131, 132, 133, 134, 144, 148, 155, 159, 165};
    const std::initializer_list<std::size_t> twoDOn = {
        202, 203, 205, 206, 207, 221, 222, 223, 224, 234, 238, 244, 251, 255, 261,
        268, 269, 270, 272, 273, 274, 276, 277, 278, 285, 288, 291, 292, 294, 295,
        324, 331};
    for (auto list : {laserOn, elrOn, twoDOn}) {
        for (std::size_t offset : list) EXPECT_EQ(At(block, offset), 1) << "offset " << offset;
    }
    // Trioptic 39, UPC-E1, the coupon code, MicroPDF417 and the ELR engine's
    // DataBar start off.
    for (std::size_t offset : {2, 38, 49, 114, 135, 172, 173, 174, 204, 219, 225, 286}) {
        EXPECT_EQ(At(block, offset), 0) << "offset " << offset;
    }
}

TEST(ReaderBlockDefaults, LengthModesAreRangeFourToFiftyFive) {
    const ReaderBlock block = DefaultsOverFill();
    for (std::size_t mode : {5, 12, 16, 24, 30, 64, 71,                // laser
                             138, 145, 149, 156, 160, 166,             // ELR
                             228, 235, 239, 245, 252, 256, 262, 325}) {  // 2D
        EXPECT_EQ(At(block, mode), 3) << "offset " << mode;
        EXPECT_EQ(At(block, mode + 1), 4) << "offset " << mode + 1;
        EXPECT_EQ(At(block, mode + 2), 55) << "offset " << mode + 2;
    }
}

TEST(ReaderBlockDefaults, ReaderBehaviourAndReaderType) {
    const ReaderBlock block = DefaultsOverFill();
    const std::pair<std::size_t, int> expected[] = {
        {0, 0x80},                      // engineCode
        {76, 30}, {77, 10}, {83, 8},    // laser time-outs, scan mode "Laser"
        {40, 7}, {55, 7}, {209, 10},    // addon redundancies
        {176, 30}, {177, 10},           // ELR time-out and its carried partner
        {300, 30}, {301, 6}, {307, 8},  // 2D time-outs, scan mode "Laser"
        {297, 4}, {304, 2}, {315, 100}, {320, 65}, {321, 40}, {322, 1}, {323, 2},
        {50, 2}, {58, 2}, {119, 14}, {341, 3}, {368, 1}, {369, 1},  // carried
        {362, 0x80}, {363, 2}, {364, 9}, {365, 0}, {366, 2},
        {381, 0}, {392, 0}, {393, 0},
        {396, 1}, {397, 0}, {398, 10},
        {415, 0x80}, {416, 0}, {747, 0}};
    for (auto [offset, value] : expected) {
        EXPECT_EQ(At(block, offset), value) << "offset " << offset;
    }
}

TEST(ReaderBlockDefaults, RfidAndTexts) {
    const ReaderBlock block = DefaultsOverFill();
    EXPECT_EQ(At(block, 332), 1) << "UID decoding on";
    EXPECT_EQ(At(block, 333), 0);
    EXPECT_EQ(At(block, 335), ',');
    EXPECT_EQ(At(block, 336), 0);
    EXPECT_EQ(At(block, 339), 255) << "start position -1";
    EXPECT_EQ(At(block, 340), 10);
    EXPECT_EQ(FieldText(block.rfidDelimiter), ",");

    const std::string_view path = "\\My Documents";
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&block) + 478, path.data(), path.size()), 0);
    EXPECT_EQ(At(block, 478 + path.size()), 0);
    EXPECT_EQ(FieldText(block.imageStorePath), path);
    EXPECT_EQ(FieldText(block.imageFileTitle), "");
    for (std::size_t offset = 417; offset <= 476; ++offset) {
        EXPECT_EQ(At(block, offset), 0) << "code ID byte " << offset;
    }
}

TEST(ReaderBlockDefaults, ResetOverEditsRestoresTextsWhole) {
    ReaderBlock block{};
    ResetReaderBlock(block);
    SetFieldText(block.imageStorePath, "\\Storage Card\\Images\\Warehouse");
    SetFieldText(block.imageFileTitle, "SHELF");
    SetFieldText(block.rfidDelimiter, ";");
    block.readerType = kReaderType2D;
    block.reserved84[3] = 7;

    ResetReaderBlock(block);
    ReaderBlock fresh{};
    ResetReaderBlock(fresh);
    fresh.reserved84[3] = 7;
    EXPECT_EQ(std::memcmp(&block, &fresh, sizeof block), 0)
        << "no tail of an old text may survive, and reserved bytes keep their value";
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
        {0x42, 1, 2, ReaderFamily::Elr},
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
