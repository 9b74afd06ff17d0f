// The grid dialog on the real templates: opened from a key-code box of the
// field properties dialog, picking through the grid window's canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

#include "grid/character_grid.h"
#include "grid/grid_ids.h"
#include "grid/grid_opener.h"
#include "pages/form/form_ids.h"
#include "strings/string_source.h"
#include "strings/ui_strings.h"
#include "support/fake_dialog.h"
#include "support/recording_painter.h"

namespace fw {
namespace {

using test::FakeDialog;
using test::PaintCall;
using test::RecordingPainter;

std::string ResultLineText(FakeDialog& dialog) {
    RecordingPainter painter;
    EXPECT_TRUE(dialog.Paint(IDC_GRID_RESULT, painter));
    for (const PaintCall& call : painter.calls)
        if (call.kind == PaintCall::Kind::Text) return call.text;
    return "<none>";
}

class GridDialogTest : public ::testing::Test {
protected:
    GridDialogTest() { owner.Init(); }

    std::array<std::uint8_t, kCodeBufferSize> Codes(std::initializer_list<std::uint8_t> codes) {
        std::array<std::uint8_t, kCodeBufferSize> list{};
        std::copy(codes.begin(), codes.end(), list.begin());
        return list;
    }

    CompiledStringTable builtin;
    UiStrings strings{builtin};
    GridBuffers buffers;
    FakeDialog owner{test::TestTemplate("FORMPROPERTIESDLG"), test::NoLogic()};
};

// Cancel puts back the box's opening text and leaves the buffer; the
// delimiter takes a pick in place of its code.
TEST_F(GridDialogTest, AFullListWarnsCancelPutsItBackAndTheDelimiterTakesOnePick) {
    buffers.suffixCodes = Codes({0x26, 0x80, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41});
    const auto opening = buffers.suffixCodes;
    GridOpener suffix(IDC_FPROP_SUFFIX_EDIT, GridSlot::Suffix, buffers, strings);
    CharacterGrid full(owner, suffix);
    owner.SetText(IDC_FPROP_SUFFIX_EDIT, "whatever the box showed");
    owner.OnModal(GRIDDLG_NAME, [&](FakeDialog& dialog) {
        test::ClickGridCode(dialog, 0x2E);
        ASSERT_EQ(dialog.messages().size(), 1u);
        EXPECT_EQ(dialog.messages()[0].title + ": " + dialog.messages()[0].text, "Warning: Too many characters !!!");
        EXPECT_EQ(dialog.messages()[0].icon, Icon::Exclamation);
        EXPECT_EQ(full.state().selectedCode(), 0x2E);
        dialog.Click(IDC_GRID_CLEAR);
        test::ClickGridCode(dialog, 0x2E);
        EXPECT_EQ(ResultLineText(dialog), ". ") << "Clear makes room again";
        dialog.Cancel();
    });
    EXPECT_EQ(owner.RunModal(GRIDDLG_NAME, full), 1);
    EXPECT_EQ(owner.GetText(IDC_FPROP_SUFFIX_EDIT), "& 128 A A A A A A A A ");
    EXPECT_EQ(buffers.suffixCodes, opening);

    buffers.delimiterText = {',', 'x'};  // only the first character is the code
    GridOpener delimiter(IDC_FPROP_SUFFIX_EDIT, GridSlot::Delimiter, buffers, strings);
    CharacterGrid grid(owner, delimiter);
    owner.OnModal(GRIDDLG_NAME, [&](FakeDialog& dialog) {
        test::ClickGridCode(dialog, 0x3B);
        test::ClickGridCode(dialog, 0x2E);
        dialog.Ok();
    });
    owner.RunModal(GRIDDLG_NAME, grid);
    EXPECT_EQ(owner.messages().size(), 1u) << "no second warning";
    EXPECT_EQ(owner.GetText(IDC_FPROP_SUFFIX_EDIT), ". ");
    EXPECT_EQ(buffers.delimiterText[0], ',');  // the owner stores the delimiter itself
}

// The cells take the focus as the grid opens; arrows, characters, Space,
// Enter and Backspace compose.
TEST_F(GridDialogTest, WorksFromTheKeyboard) {
    GridOpener opener(IDC_FPROP_PREFIX_EDIT, GridSlot::Prefix, buffers, strings);
    CharacterGrid grid(owner, opener);
    owner.OnModal(GRIDDLG_NAME, [&](FakeDialog& dialog) {
        EXPECT_EQ(dialog.focus(), IDC_GRID_CELLS);
        dialog.PressKey(IDC_GRID_CELLS, CanvasKey::Down);
        dialog.PressKey(IDC_GRID_CELLS, CanvasKey::Space);
        dialog.PressCharacter(IDC_GRID_CELLS, 'z');
        dialog.PressKey(IDC_GRID_CELLS, CanvasKey::Enter);
        dialog.PressCharacter(IDC_GRID_CELLS, '5');
        dialog.PressKey(IDC_GRID_CELLS, CanvasKey::Enter);
        dialog.PressKey(IDC_GRID_CELLS, CanvasKey::Backspace);
        dialog.PressKey(IDC_GRID_CELLS, CanvasKey::Backspace);
        dialog.PressKey(IDC_GRID_CELLS, CanvasKey::Space);
        EXPECT_EQ(ResultLineText(dialog), "! 5 ");
        dialog.Ok();
    });
    owner.RunModal(GRIDDLG_NAME, grid);
    EXPECT_EQ(buffers.prefixCodes, Codes({'!', '5'}));
}

// The box shows blue while the grid runs; the picks but Enter go into the
// box as display text and into the buffer as codes.
TEST_F(GridDialogTest, AClickOnTheBoxRunsTheGridAndOkPutsDisplayTextInTheBoxAndCodesInTheBuffer) {
    buffers.prefixCodes = Codes({0x10});
    GridOpener opener(IDC_FPROP_PREFIX_EDIT, GridSlot::Prefix, buffers, strings);
    owner.AttachCanvas(IDC_FPROP_PREFIX_EDIT, &opener);
    const int width = owner.pixelWidth(IDC_FPROP_PREFIX_EDIT);
    const int height = owner.pixelHeight(IDC_FPROP_PREFIX_EDIT);
    RecordingPainter closed;
    EXPECT_FALSE(owner.Paint(IDC_FPROP_PREFIX_EDIT, closed)) << "the box paints itself while the grid is closed";
    EXPECT_TRUE(closed.calls.empty());

    owner.OnModal(GRIDDLG_NAME, [&](FakeDialog& dialog) {
        EXPECT_EQ(owner.focus(), IDC_FPROP_PREFIX_EDIT);
        RecordingPainter open;
        EXPECT_TRUE(owner.Paint(IDC_FPROP_PREFIX_EDIT, open));
        ASSERT_EQ(open.calls.size(), 1u);
        EXPECT_EQ(open.Find(PaintCall::Kind::Rectangle, 0, 0, width, height, kPureBlue), 0);
        EXPECT_EQ(open.calls[0].outline, kBlack);
        EXPECT_EQ(ResultLineText(dialog), "F2 ");
        test::ClickGridCode(dialog, 0x26);
        test::ClickGridCode(dialog, 0x0D);  // Enter: refused
        test::ClickGridCode(dialog, 0x41);
        EXPECT_EQ(ResultLineText(dialog), "F2 && A ");
        EXPECT_GE(dialog.invalidations(IDC_GRID_RESULT), 2);
        dialog.Ok();
    });
    owner.ClickAt(IDC_FPROP_PREFIX_EDIT, 3, 3);
    EXPECT_EQ(owner.ui().modalsRun(), std::vector<std::string>{GRIDDLG_NAME});
    EXPECT_EQ(owner.GetText(IDC_FPROP_PREFIX_EDIT), "F2 & A ");
    EXPECT_EQ(buffers.prefixCodes, Codes({0x10, 0x26, 0x41}));
    EXPECT_EQ(buffers.suffixCodes, Codes({}));
    EXPECT_TRUE(owner.messages().empty());
    EXPECT_FALSE(owner.Paint(IDC_FPROP_PREFIX_EDIT, closed));
    EXPECT_GE(owner.invalidations(IDC_FPROP_PREFIX_EDIT), 2) << "painted blue, then back";
}

}  // namespace
}  // namespace fw
