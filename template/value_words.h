// Codes as the user reads them in reports: target codes as "form 3", character
// codes as the character itself or the key's name.
#pragma once

#include <string>
#include <string_view>

namespace fw {

// "main", "form 3", "menu 2"; "nothing" for codes above 30.
std::string TargetWords(unsigned code);

// 44 -> "44 (\",\")", 13 -> "13 (Enter)", 0 -> "0 (none)"; UTF-8.
std::string CharCodeWords(unsigned code);

// "1 field", "2 fields": a count with its noun.
std::string Counted(std::size_t n, std::string_view noun);

// A text in double quotes, converted to UTF-8.
std::string Quoted(std::string_view ansi);

}  // namespace fw
