// Names of the terminal's one-byte key codes, as the Character grid shows
// them and as key-code boxes list them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

constexpr int kGridSide = 16;  // 16 x 16 codes

// Row-major in the order the grid is drawn: row = low nibble, column = high
// nibble, so code k is entry (k & 15) * 16 + (k >> 4).
extern const std::array<const char*, 256> kKeyNameTable;

// The name of a code: a key ("F2"), a character ("A", "SP"), its decimal
// number from 128 up, or "" for the codes without a name. The ampersand is
// "&&" so that drawn text shows one.
inline const char* KeyName(std::uint8_t code) { return kKeyNameTable[(code & 15) * 16 + (code >> 4)]; }

// False for NUL, LF, Enter and the three unnamed codes after Exec: the
// terminal reserves them, so the grid greys them out.
bool IsPickable(std::uint8_t code);

// Appends the name and a space of each code in codes[0, n) to text, stopping
// at the first zero code; returns the number of codes used.
int KeyCodesToText(const std::uint8_t* codes, std::size_t n, std::string& text);

// A composed text as an edit box shows it: every "&& " becomes "& ".
std::string ComposedToDisplayText(std::string_view composed);

// Header texts: column i is high nibble i ("00" to "F0"), row j low nibble j
// ("00" to "0F"); "" outside 0-15.
const char* ColumnHeader(int column);
const char* RowHeader(int row);

}  // namespace fw
