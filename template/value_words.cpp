#include "template/value_words.h"

#include <cstdint>

#include "template/key_names.h"
#include "template/ansi_text.h"
#include "template/target_code.h"

namespace fw {

std::string TargetWords(unsigned code) {
    if (code == kTargetMain) return "main";
    if (code < kFirstMenuTarget) return "form " + std::to_string(code);
    if (code <= kLastTarget) return "menu " + std::to_string(code - kFirstMenuTarget + 1);
    return "nothing";
}

std::string CharCodeWords(unsigned code) {
    const std::string number = std::to_string(code);
    if (code == 0) return number + " (none)";
    // Control codes have no glyph: the terminal's key name says what they are.
    if (code < 0x20 || code == 0x7F) {
        const std::string name = KeyName(static_cast<std::uint8_t>(code));
        return name.empty() ? number : number + " (" + name + ")";
    }
    return number + " (" + Quoted(std::string(1, static_cast<char>(code))) + ")";
}

std::string Counted(std::size_t n, std::string_view noun) {
    return std::to_string(n) + " " + std::string(noun) + (n == 1 ? "" : "s");
}

std::string Quoted(std::string_view ansi) { return "\"" + AnsiToUtf8(ansi) + "\""; }

}  // namespace fw
