#include "grid/character_grid.h"

#include <algorithm>

#include "grid/grid_ids.h"
#include "strings/ui_strings.h"
#include "ui/message.h"

namespace fw {
namespace {

constexpr int kParts = kGridSide + 1;  // a header row and column, then the cells
constexpr int kTooManyCharactersId = 2853;

constexpr int kTitleLanguageId = 81;
constexpr int kControlLanguageIds[][2] = {
    {IDC_GRID_RESULT_LABEL, 82}, {IDC_GRID_CLEAR, 83}, {kIdOk, 84}, {kIdCancel, 85}};

// A one-pixel outline of (left, top)-(right, bottom), right and bottom
// excluded as for a filled rectangle.
void Outline(Painter& painter, int left, int top, int right, int bottom, Rgb colour) {
    painter.Line(left, top, right, top, colour);
    painter.Line(right - 1, top, right - 1, bottom, colour);
    painter.Line(left, bottom - 1, right, bottom - 1, colour);
    painter.Line(left, top, left, bottom, colour);
}

}  // namespace

void GridState::Open(GridSlot slot, const GridBuffers& buffers) {
    *this = GridState{};
    const std::uint8_t* source = nullptr;
    std::size_t n = 0;
    switch (slot) {
    case GridSlot::Prefix:
        source = buffers.prefixCodes.data();
        n = kMaxGridCodes;
        break;
    case GridSlot::Suffix:
        source = buffers.suffixCodes.data();
        n = kMaxGridCodes;
        break;
    case GridSlot::Delimiter:
        // The delimiter is kept as text; its first byte is the one code.
        source = reinterpret_cast<const std::uint8_t*>(buffers.delimiterText.data());
        n = 1;
        maxCodes = 1;
        break;
    case GridSlot::Other:
        break;
    }
    if (source == nullptr) return;
    count = KeyCodesToText(source, n, composed);
    // Only the codes before the first zero: anything after it would come
    // back into the buffer once a pick overwrites that zero.
    std::copy_n(source, count, codes.begin());
    openingText = composed;
}

PickResult GridState::Pick(int x, int y, int width, int height) {
    const int cellW = width / kParts;
    const int cellH = height / kParts;
    if (cellW <= 0 || cellH <= 0 || x < 0 || y < 0) return PickResult::Ignored;
    const int col = x / cellW;
    const int r = y / cellH;
    if (col < 1 || r < 1 || col > kGridSide || r > kGridSide) return PickResult::Ignored;
    const auto code = static_cast<std::uint8_t>((col - 1) * kGridSide + (r - 1));
    if (!IsPickable(code)) return PickResult::Ignored;

    column = col - 1;
    row = r - 1;
    return PickSelected();
}

PickResult GridState::PickSelected() {
    const std::uint8_t code = selectedCode();
    if (!IsPickable(code)) return PickResult::Ignored;
    // A box that holds one code takes the new one in its place.
    if (maxCodes == 1) Clear();
    if (count >= maxCodes) return PickResult::TooMany;
    codes[count++] = code;
    composed += KeyName(code);
    composed += ' ';
    return PickResult::Added;
}

void GridState::Move(int columns, int rows) {
    for (int c = column + columns, r = row + rows; c >= 0 && c < kGridSide && r >= 0 && r < kGridSide;
         c += columns, r += rows) {
        if (IsPickable(static_cast<std::uint8_t>(c * kGridSide + r))) {
            column = c;
            row = r;
            return;
        }
    }
}

bool GridState::Select(std::uint8_t code) {
    if (!IsPickable(code)) return false;
    column = code / kGridSide;
    row = code % kGridSide;
    return true;
}

void GridState::RemoveLast() {
    if (count == 0) return;
    codes[--count] = 0;
    composed.clear();
    KeyCodesToText(codes.data(), static_cast<std::size_t>(count), composed);
}

void GridState::Clear() {
    codes.fill(0);
    count = 0;
    composed.clear();
}

void PaintGridCells(Painter& painter, int width, int height, const GridState& state) {
    const int cellW = width / kParts;
    const int cellH = height / kParts;
    const int right = width;
    const int bottom = height;

    painter.FillRect(0, 0, right, bottom, kLightGrey);
    painter.FillRect(cellW, cellH, right, bottom, kWhite);

    // Raised look of the headers.
    Outline(painter, 1, 1, right + 1, bottom + 1, kWhite);
    for (int k = 1; k <= kGridSide; ++k) {
        painter.Line(1, 1 + k * cellH, cellW, 1 + k * cellH, kWhite);
        painter.Line(1 + k * cellW, 1, 1 + k * cellW, cellH, kWhite);
    }

    for (int k = 1; k < kGridSide; ++k) {
        painter.Line(cellW, (k + 1) * cellH, right, (k + 1) * cellH, kGridLineGrey);
        painter.Line((k + 1) * cellW, cellH, (k + 1) * cellW, bottom, kGridLineGrey);
    }

    Outline(painter, 0, 0, right, bottom, kBlack);
    painter.Line(0, cellH, right - 1, cellH, kBlack);
    painter.Line(cellW, 0, cellW, bottom - 1, kBlack);
    for (int k = 1; k < kGridSide; ++k) {
        painter.Line(0, (k + 1) * cellH, cellW, (k + 1) * cellH, kBlack);
        painter.Line((k + 1) * cellW, 0, (k + 1) * cellW, cellH, kBlack);
    }

    for (int i = 0; i < kGridSide; ++i) {
        painter.Text(cellW * (i + 1), 0, cellW * (i + 2), cellH, ColumnHeader(i), kBlack, TextPlacement::Centred);
        painter.Text(0, cellH * (i + 1), cellW, cellH * (i + 2), RowHeader(i), kBlack, TextPlacement::Centred);
    }
    for (int i = 0; i < kGridSide; ++i) {
        for (int j = 0; j < kGridSide; ++j) {
            const auto code = static_cast<std::uint8_t>(i * kGridSide + j);
            const std::string_view name = KeyName(code);
            if (name.empty()) continue;
            painter.Text(cellW * (i + 1), cellH * (j + 1), cellW * (i + 2), cellH * (j + 2), name,
                         IsPickable(code) ? kBlack : kGridLineGrey, TextPlacement::Centred);
        }
    }

    // The cell's lines lie on its left and top edges: the mark keeps one
    // white pixel from them and from the next cell's lines on every side,
    // and the name stays where the unmarked cell has it.
    const int left = (state.column + 1) * cellW;
    const int top = (state.row + 1) * cellH;
    painter.FillRect(left + 2, top + 2, left + cellW - 1, top + cellH - 1, kPureBlue);
    painter.Text(left, top, left + cellW, top + cellH, KeyName(state.selectedCode()), kWhite,
                 TextPlacement::Centred);
}

void PaintResultLine(Painter& painter, int width, int height, std::string_view composed) {
    const int right = width;
    const int bottom = height;
    painter.Rectangle(1, 1, right, bottom, kWhite, kBlack);
    // Sunken edges: light from below right, shadow above left.
    painter.Line(0, bottom, right, bottom, kWhite);
    painter.Line(right, bottom, right, 0, kWhite);
    painter.Line(0, bottom, 0, 0, kResultGrey);
    painter.Line(0, 0, right, 0, kResultGrey);
    // Black: grey text on white reads as a disabled box.
    painter.Text(5, 0, right, bottom, composed, kBlack, TextPlacement::LeftCentred);
}

CharacterGrid::CharacterGrid(Dialog& owner, GridOpener& opener) : owner_(owner), opener_(opener) {}

void CharacterGrid::OnInit(Dialog& dialog) {
    state_.Open(opener_.slot(), opener_.buffers());
    const UiStrings& strings = opener_.strings();
    if (strings.languageActive()) {
        dialog.SetTitle(strings.LanguageSlot(kTitleLanguageId));
        for (const auto& [control, languageId] : kControlLanguageIds)
            dialog.SetText(control, strings.LanguageSlot(languageId));
    }
    dialog.AttachCanvas(IDC_GRID_CELLS, &cells_);
    dialog.AttachCanvas(IDC_GRID_RESULT, &result_);
    dialog.Focus(IDC_GRID_CELLS);
}

void CharacterGrid::OnCommand(Dialog& dialog, int id, Notify code) {
    if (code != Notify::Clicked) return;
    switch (id) {
    case IDC_GRID_CLEAR:
        state_.Clear();
        dialog.Invalidate(IDC_GRID_RESULT);
        break;
    case kIdOk:
        Close(dialog, true);
        break;
    case kIdCancel:
        Close(dialog, false);
        break;
    default:
        break;
    }
}

void CharacterGrid::Close(Dialog& dialog, bool accept) {
    if (accept) {
        // The buffer first, so the owner sees the new codes when the box
        // text change reaches it.
        GridBuffers& buffers = opener_.buffers();
        if (opener_.slot() == GridSlot::Prefix) buffers.prefixCodes = state_.codes;
        if (opener_.slot() == GridSlot::Suffix) buffers.suffixCodes = state_.codes;
        owner_.SetText(opener_.editId(), ComposedToDisplayText(state_.composed));
    } else {
        owner_.SetText(opener_.editId(), ComposedToDisplayText(state_.openingText));
    }
    dialog.AttachCanvas(IDC_GRID_CELLS, nullptr);
    dialog.AttachCanvas(IDC_GRID_RESULT, nullptr);
    dialog.End(1);
}

bool CharacterGrid::Cells::Paint(Painter& painter, int width, int height) {
    PaintGridCells(painter, width, height, grid_.state_);
    return true;
}

void CharacterGrid::Picked(Dialog& dialog, PickResult result) {
    dialog.Invalidate(IDC_GRID_CELLS);
    if (result == PickResult::Added) dialog.Invalidate(IDC_GRID_RESULT);
    if (result == PickResult::TooMany) ShowMessageById(dialog, opener_.strings(), kTitleWarning, kTooManyCharactersId);
}

bool CharacterGrid::Cells::LeftButtonDown(Dialog& dialog, int x, int y, int width, int height) {
    dialog.Focus(IDC_GRID_CELLS);
    const PickResult result = grid_.state_.Pick(x, y, width, height);
    if (result != PickResult::Ignored) grid_.Picked(dialog, result);
    return true;
}

bool CharacterGrid::Cells::KeyDown(Dialog& dialog, CanvasKey key) {
    GridState& state = grid_.state_;
    switch (key) {
    case CanvasKey::Space:
    case CanvasKey::Enter: grid_.Picked(dialog, state.PickSelected()); return true;
    case CanvasKey::Backspace:
        state.RemoveLast();
        dialog.Invalidate(IDC_GRID_RESULT);
        return true;
    case CanvasKey::Left: state.Move(-1, 0); break;
    case CanvasKey::Right: state.Move(1, 0); break;
    case CanvasKey::Up: state.Move(0, -1); break;
    case CanvasKey::Down: state.Move(0, 1); break;
    case CanvasKey::F4: return false;
    }
    dialog.Invalidate(IDC_GRID_CELLS);
    return true;
}

// The space is picked with the Space key, and control characters come from
// keys the grid reads as keys.
bool CharacterGrid::Cells::Character(Dialog& dialog, char c) {
    const auto code = static_cast<std::uint8_t>(c);
    if (code <= 0x20 || !grid_.state_.Select(code)) return false;
    dialog.Invalidate(IDC_GRID_CELLS);
    return true;
}

bool CharacterGrid::Result::Paint(Painter& painter, int width, int height) {
    PaintResultLine(painter, width, height, grid_.state_.composed);
    return true;
}

}  // namespace fw
