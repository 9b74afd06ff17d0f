// Key-code boxes (prefix and suffix codes, the RFID delimiter) are shown as
// key names and edited in the Character grid, which opens when the box is
// clicked. The owner dialog fills the box's buffer before and reads it after.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/canvas.h"

namespace fw {

class Dialog;
class UiStrings;

constexpr int kMaxGridCodes = 10;
constexpr std::size_t kCodeBufferSize = 20;  // zero-filled code list

enum class GridSlot {
    Prefix,     // up to 10 codes, returned as codes and display text
    Suffix,     // the same
    Delimiter,  // one character, returned as display text only
    Other,      // up to 10 codes, starts empty, returns display text only
};

// The buffers the grid starts from and returns into, one set per program.
struct GridBuffers {
    std::array<std::uint8_t, kCodeBufferSize> prefixCodes{};
    std::array<std::uint8_t, kCodeBufferSize> suffixCodes{};
    std::array<char, 4> delimiterText{};
};

// Put on a key-code edit box with Dialog::AttachCanvas: a click, Space or F4
// opens the grid modally on the box's buffer, and while the grid is open the box is
// painted as a filled blue rectangle.
class GridOpener final : public CanvasHandler {
public:
    GridOpener(int editId, GridSlot slot, GridBuffers& buffers, const UiStrings& strings)
        : editId_(editId), slot_(slot), buffers_(buffers), strings_(strings) {}

    bool Paint(Painter& painter, int width, int height) override;
    bool LeftButtonDown(Dialog& dialog, int x, int y, int width, int height) override;
    // Space and F4 open the grid too, for those who set codes from the keyboard.
    bool KeyDown(Dialog& dialog, CanvasKey key) override;

    int editId() const { return editId_; }
    GridSlot slot() const { return slot_; }
    GridBuffers& buffers() { return buffers_; }
    const UiStrings& strings() const { return strings_; }

private:
    void OpenGrid(Dialog& dialog);

    int editId_;
    GridSlot slot_;
    GridBuffers& buffers_;
    const UiStrings& strings_;
    bool open_ = false;
};

// The box text for a code list: key names, each followed by a space, with
// the ampersand shown as one "&".
std::string CodesDisplayText(const std::uint8_t* codes, std::size_t count);

}  // namespace fw
