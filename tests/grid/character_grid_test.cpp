#include "grid/character_grid.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "support/recording_painter.h"

namespace fw {
namespace {

using test::PaintCall;
using test::RecordingPainter;

// A grid window of 17 x 17 parts of 20 x 10 pixels.
constexpr int kWidth = 340;
constexpr int kHeight = 170;
constexpr int kCellW = 20;
constexpr int kCellH = 10;
constexpr Rgb kBlue{0, 0, 255};

PickResult ClickCode(GridState& state, std::uint8_t code) {
    const int col = code >> 4;
    const int row = code & 15;
    return state.Pick((col + 1) * kCellW + kCellW / 2, (row + 1) * kCellH + kCellH / 2, kWidth, kHeight);
}

// Arrows step over the codes that cannot be picked and stop at the edges;
// a character cannot select one of those either.
TEST(GridState, KeyboardMovesOnlyToCodesThatCanBePicked) {
    GridState state;
    state.Open(GridSlot::Prefix, GridBuffers{});
    const struct {
        std::uint8_t from;
        int columns, rows;
        std::uint8_t to;
    } moves[] = {
        {0x20, 0, 1, 0x21}, {0x0C, 0, 1, 0x0E}, {0x1C, 0, 1, 0x1C}, {0x01, 0, -1, 0x01},
        {0x2D, -1, 0, 0x2D}, {0xF0, 1, 0, 0xF0}, {0x09, 0, 1, 0x0B},
    };
    for (const auto& m : moves) {
        ASSERT_TRUE(state.Select(m.from));
        state.Move(m.columns, m.rows);
        EXPECT_EQ(state.selectedCode(), m.to) << int(m.from) << " by " << m.columns << "," << m.rows;
    }
    EXPECT_FALSE(state.Select(0x0D));
}

TEST(GridState, PreloadTakesTenCodesBeforeTheFirstZero) {
    GridBuffers buffers;
    for (std::size_t i = 0; i < buffers.prefixCodes.size(); ++i) buffers.prefixCodes[i] = 0x41;
    GridState state;
    state.Open(GridSlot::Prefix, buffers);
    EXPECT_EQ(state.count, 10);
    EXPECT_EQ(state.codes[10], 0);

    // Whatever follows a zero must not come back once a pick fills the gap.
    buffers.prefixCodes = {0x41, 0x00, 0x42};
    state.Open(GridSlot::Prefix, buffers);
    EXPECT_EQ(state.count, 1);
    ASSERT_EQ(ClickCode(state, 0x43), PickResult::Added);
    EXPECT_EQ(state.codes[1], 0x43);
    EXPECT_EQ(state.codes[2], 0x00);
}

TEST(GridState, IgnoresHeadersBorderAndReservedCodes) {
    GridState state;
    state.Open(GridSlot::Prefix, GridBuffers{});
    const auto unchanged = [&] {
        EXPECT_EQ(state.count, 0);
        EXPECT_EQ(state.selectedCode(), 0x20);
    };
    EXPECT_EQ(state.Pick(5, 50, kWidth, kHeight), PickResult::Ignored);   // row header
    EXPECT_EQ(state.Pick(100, 5, kWidth, kHeight), PickResult::Ignored);  // column header
    EXPECT_EQ(state.Pick(kCellW - 1, kCellH - 1, kWidth, kHeight), PickResult::Ignored);
    // A client area not divisible by 17 leaves a strip right of and below the cells.
    EXPECT_EQ(state.Pick(345, 50, 350, 175), PickResult::Ignored);
    EXPECT_EQ(state.Pick(100, 172, 350, 175), PickResult::Ignored);
    EXPECT_EQ(state.Pick(-25, 50, kWidth, kHeight), PickResult::Ignored);
    EXPECT_EQ(state.Pick(5, 5, 16, 16), PickResult::Ignored);  // too small for any cell
    unchanged();
    for (std::uint8_t code : {0x00, 0x0A, 0x0D, 0x1D, 0x1E, 0x1F}) EXPECT_EQ(ClickCode(state, code), PickResult::Ignored);
    unchanged();
    // The last cell's far corner still belongs to it.
    EXPECT_EQ(state.Pick(17 * kCellW - 1, 17 * kCellH - 1, kWidth, kHeight), PickResult::Added);
    EXPECT_EQ(state.codes[0], 0xFF);
}

// Painting ------------------------------------------------------------------

// Headers and names stand in their cells, the codes that cannot be picked
// in grey; the selected cell is blue with its name in white.
TEST(GridPainting, DrawsHeadersNamesAndTheSelectedCell) {
    GridState state;
    state.Open(GridSlot::Prefix, GridBuffers{});
    RecordingPainter painter;
    PaintGridCells(painter, kWidth, kHeight, state);
    EXPECT_EQ(painter.calls[painter.LastText("40")].left, 100);
    EXPECT_EQ(painter.calls[painter.LastText("0F")].top, 160);
    EXPECT_GE(painter.Find(PaintCall::Kind::Text, 100, 20, 120, 30, kBlack), 0);  // "A"
    EXPECT_EQ(painter.calls[painter.LastText("255")].right, kWidth);
    // LF is code 0x0A: column 0, row 10.
    EXPECT_GE(painter.Find(PaintCall::Kind::Text, 20, 110, 40, 120, Rgb{196, 196, 196}), 0);
    EXPECT_EQ(painter.calls[painter.LastText("Ins")].colour, kBlack);

    // Column 2, row 0: the cell's lines are at x 60 and 80, y 10 and 20; one
    // white pixel stays inside them on every side.
    const int fill = painter.Find(PaintCall::Kind::FillRect, 62, 12, 79, 19, kBlue);
    ASSERT_GE(fill, 0);
    const int name = painter.LastText("SP");
    ASSERT_GT(name, fill);  // on top of the blue
    const PaintCall& text = painter.calls[name];
    EXPECT_EQ(text.colour, kWhite);
    EXPECT_EQ((std::array{text.left, text.top, text.right, text.bottom}), (std::array{60, 10, 80, 20}));

    ASSERT_EQ(ClickCode(state, 0x41), PickResult::Added);
    RecordingPainter moved;
    PaintGridCells(moved, kWidth, kHeight, state);
    EXPECT_GE(moved.Find(PaintCall::Kind::FillRect, 102, 22, 119, 29, kBlue), 0);
    EXPECT_EQ(moved.Find(PaintCall::Kind::FillRect, 62, 12, 79, 19, kBlue), -1);
    EXPECT_EQ(moved.calls[moved.LastText("A")].colour, kWhite);
    EXPECT_EQ(moved.calls[moved.LastText("SP")].colour, kBlack);
}

}  // namespace
}  // namespace fw
