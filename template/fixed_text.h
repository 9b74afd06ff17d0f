// Helpers for the fixed-width byte fields the template blocks are made of.
// Texts are NUL-terminated inside their field; numbers wider than a byte are
// little-endian, since the blocks are the file format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace fw {

// The text of a fixed field: up to the first NUL, never past the field.
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    const void* end = std::memchr(field, '\0', N);
    return {field, end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : N};
}

// Stores text into a field of N bytes: at most N - 1 characters, then NUL.
// The rest of the field is left as it was, like a C string copy.
template <std::size_t N>
void SetFieldText(char (&field)[N], std::string_view text) {
    const std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

// Zero-fills the whole field.
template <std::size_t N>
void ClearField(char (&field)[N]) {
    std::memset(field, 0, N);
}

// The text without the spaces around it, as fields padded to their width hold it.
inline std::string_view TrimSpaces(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

inline unsigned GetLe16(const std::uint8_t (&bytes)[2]) {
    return bytes[0] | (bytes[1] << 8);
}

inline void SetLe16(std::uint8_t (&bytes)[2], unsigned value) {
    bytes[0] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

}  // namespace fw
