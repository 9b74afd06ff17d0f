// Template texts are 8-bit ANSI (Windows code page 1252); JSON and terminal
// output are UTF-8. The mapping is one to one over all 256 byte values, so a
// text converted there and back is byte for byte the same.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fw {

std::string AnsiToUtf8(std::string_view ansi);

// Empty when the text holds a character the code page has no byte for, or is
// not valid UTF-8.
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);

// Latin letters of the code page as well as ASCII, without the
// multiplication and division signs that sit among them.
bool IsAnsiLetter(char c);

}  // namespace fw
