// Control rules that the reader's parameter dialogs share beyond the common
// ones: lists that stand for a byte through a code table, and the message
// that refuses a value.
#pragma once

#include <cstdint>
#include <optional>

#include "pages/reader/symbology_table.h"
#include "ui/control_rules.h"
#include "ui/dialog.h"

namespace fw {

class UiStrings;

// Fills the list with its texts and selects the entry that stands for the
// byte (none when no entry does).
void ShowListByte(Dialog& dialog, const UiStrings& strings, const ListByte& list, const std::uint8_t* block);
// What the selected entry stands for; nothing when no entry is selected.
std::optional<std::uint8_t> ListByteValue(const Dialog& dialog, const ListByte& list);

// "Invalid value!": the message, then the focus on the box at fault.
void RefuseValue(Dialog& dialog, const UiStrings& strings, int id);

}  // namespace fw
