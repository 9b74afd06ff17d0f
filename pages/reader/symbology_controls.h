// Control rules that the reader's parameter dialogs share beyond the common
// ones: lists that stand for a byte through a code table, number boxes with
// a floor as well as a ceiling, and the message that refuses a value.
#pragma once

#include <cstdint>
#include <optional>

#include "pages/reader/symbology_table.h"
#include "ui/dialog.h"

namespace fw {

class UiStrings;

// Fills the list with its texts and selects the entry that stands for the
// byte (none when no entry does).
void ShowListByte(Dialog& dialog, const UiStrings& strings, const ListByte& list, const std::uint8_t* block);
// What the selected entry stands for; nothing when no entry is selected.
std::optional<std::uint8_t> ListByteValue(const Dialog& dialog, const ListByte& list);

// When a number box's floor is applied: while the user types, a value below
// it that more digits could still bring into range stays as typed (the 1 on
// the way to 100 in a box of 79 to 127); once the user leaves the box, or
// confirms, it becomes the floor.
enum class RangeCheck { Typing, Final };

// CorrectNumberBox with a floor. Returns the value to store, which is never
// below `min`.
unsigned CorrectRangeBox(Dialog& dialog, int id, unsigned min, unsigned max, RangeCheck check);

// "Invalid value!": the message, then the focus on the box at fault.
void RefuseValue(Dialog& dialog, const UiStrings& strings, int id);

}  // namespace fw
