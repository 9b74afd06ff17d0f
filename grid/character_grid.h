// The Character grid dialog (GRIDDLG): a 16 x 16 table of key names from
// which the user composes the code list of one key-code box.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "grid/grid_opener.h"
#include "template/key_names.h"
#include "ui/canvas.h"
#include "ui/dialog.h"

namespace fw {

class UiStrings;

constexpr Rgb kGridLineGrey{196, 196, 196};  // cell lines and the names that cannot be picked
constexpr Rgb kResultGrey{128, 128, 128};    // the result line's text and shadow

enum class PickResult {
    Ignored,  // a header, the strip beyond the cells or a code that cannot be picked
    Added,    // the selection moved and the code was appended (or, one code at most, put in place)
    TooMany,  // the selection moved, but the list is full
};

// What one opening of the grid works on, apart from any window.
struct GridState {
    int column = 2;  // selected cell; starts on "SP"
    int row = 0;
    std::array<std::uint8_t, kCodeBufferSize> codes{};  // zero after the last code
    int count = 0;
    int maxCodes = kMaxGridCodes;
    std::string composed;     // names of the codes, each with a space
    std::string openingText;  // composed text at opening, for Cancel

    // Resets everything and preloads the slot's buffer.
    void Open(GridSlot slot, const GridBuffers& buffers);
    // A click at (x, y) of a grid window of width x height pixels.
    PickResult Pick(int x, int y, int width, int height);
    // The keyboard: the arrows move the selection over the codes that can be
    // picked, a character selects its own cell, Space or Enter picks the
    // selected code, Backspace takes the last code back.
    void Move(int columns, int rows);
    bool Select(std::uint8_t code);
    PickResult PickSelected();
    void RemoveLast();
    void Clear();
    std::uint8_t selectedCode() const { return static_cast<std::uint8_t>(column * kGridSide + row); }
};

// The grid window and the result line, drawn in their client pixels.
void PaintGridCells(Painter& painter, int width, int height, const GridState& state);
void PaintResultLine(Painter& painter, int width, int height, std::string_view composed);

class CharacterGrid final : public DialogHandler {
public:
    // `owner` is the dialog holding the opener's box; it receives the text.
    CharacterGrid(Dialog& owner, GridOpener& opener);
    CharacterGrid(const CharacterGrid&) = delete;
    CharacterGrid& operator=(const CharacterGrid&) = delete;

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

    const GridState& state() const { return state_; }

private:
    class Cells final : public CanvasHandler {
    public:
        explicit Cells(CharacterGrid& grid) : grid_(grid) {}
        bool Paint(Painter& painter, int width, int height) override;
        bool LeftButtonDown(Dialog& dialog, int x, int y, int width, int height) override;
        bool KeyDown(Dialog& dialog, CanvasKey key) override;
        bool Character(Dialog& dialog, char c) override;
        bool KeyboardControl() const override { return true; }

    private:
        CharacterGrid& grid_;
    };

    class Result final : public CanvasHandler {
    public:
        explicit Result(CharacterGrid& grid) : grid_(grid) {}
        bool Paint(Painter& painter, int width, int height) override;
        bool LeftButtonDown(Dialog&, int, int, int, int) override { return false; }

    private:
        CharacterGrid& grid_;
    };

    void Close(Dialog& dialog, bool accept);
    // The selection moved, and a pick may have followed.
    void Picked(Dialog& dialog, PickResult result);

    Dialog& owner_;
    GridOpener& opener_;
    GridState state_;
    Cells cells_{*this};
    Result result_{*this};
};

}  // namespace fw
