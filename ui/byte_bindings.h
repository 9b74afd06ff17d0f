// Check boxes and radio groups that stand for single bytes of a block. A page
// lists them once, as a table, and the same table shows the bytes, answers
// the clicks and so keeps the controls and the block in step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/dialog.h"

namespace fw {

// A plain check box: it carries the mark exactly when the byte is not 0; a
// click flips the mark and stores 1 or 0.
struct CheckByte {
    int control;
    std::size_t offset;  // of the byte in its block
};

// Radio buttons firstControl, firstControl + 1, ...: button v is checked
// when the byte holds v; a click on button v stores v.
struct RadioByte {
    int firstControl;
    int count;
    std::size_t offset;
    bool lastTakesAbove = false;  // the last button also shows any value above its own
};

class ByteBindings {
public:
    constexpr ByteBindings(std::span<const CheckByte> checks, std::span<const RadioByte> radios = {})
        : checks_(checks), radios_(radios) {}

    // Shows every bound byte of `block`.
    void Show(Dialog& dialog, const std::uint8_t* block) const;
    // A click on a bound control: updates the marks and stores the byte.
    // False when the control is not bound.
    bool OnClick(Dialog& dialog, std::uint8_t* block, int id) const;

    // For dialogs that store only when confirmed: a click that moves the
    // marks alone, and the store of every mark. Flip is false when the
    // control is not bound.
    bool Flip(Dialog& dialog, int id) const;
    void Store(const Dialog& dialog, std::uint8_t* block) const;

private:
    std::span<const CheckByte> checks_;
    std::span<const RadioByte> radios_;
};

// The bytes of a block, for the bindings.
template <class Block>
std::uint8_t* BlockBytes(Block& block) {
    return reinterpret_cast<std::uint8_t*>(&block);
}
template <class Block>
const std::uint8_t* BlockBytes(const Block& block) {
    return reinterpret_cast<const std::uint8_t*>(&block);
}

}  // namespace fw
