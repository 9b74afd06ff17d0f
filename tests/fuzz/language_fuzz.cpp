// Any bytes as a language file: its display name and its id=text lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "strings/language_files.h"
#include "strings/ui_strings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fw::LanguageTable table;
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    const std::string_view name = fw::LanguageDisplayName(contents);
    if (name.size() > fw::kLanguageNameBytes) __builtin_trap();
    fw::ApplyLanguageText(contents, table);
    return 0;
}
