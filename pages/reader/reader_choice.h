// The Barcode page's reader list: which entry a reader type byte shows and
// which byte each entry writes. The diff reads the byte through the same rule.
#pragma once

#include <cstdint>

#include "template/blocks/reader_block.h"

namespace fw {

inline constexpr int kFirstReaderText = 1801;  // "None", "1D Laser Reader", "2D Reader"
inline constexpr int kReaderChoices = 3;

// The family the page shows, so that a type with bits of both (0x42) reads
// as the 2D reader it is shown as. The ELR engine is not offered and shows
// as "None".
int ReaderChoiceOf(ReaderFamily family);
std::uint8_t ReaderTypeOf(int choice);

}  // namespace fw
