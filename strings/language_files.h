// Language files ("*.lng" beside the program): finding and listing them, and
// loading the chosen one into the language table.
//
// File format: line 1 is the display name; every further line is a decimal
// string id, "=" and the text, ended by CR LF. The parsing functions take raw
// bytes and are safe on any input, so they can be fed directly by a fuzzer.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "strings/ui_strings.h"

namespace fw {

struct LanguageEntry {
    std::string path;
    std::string name;
};

constexpr int kMaxLanguages = 20;
// Only this much of a file is looked at for its display name.
constexpr std::size_t kLanguageNameBytes = 260;
// The load buffer holds 56000 bytes including the terminating NUL; anything
// past that in a file is never seen.
constexpr std::size_t kLanguageFileBytes = 55999;

// The display name within the first bytes of a file: leading CRs are skipped
// and the name runs to the next CR. Empty when the file gives no name.
// Only the first kLanguageNameBytes are looked at; a NUL ends the text.
std::string_view LanguageDisplayName(std::string_view firstBytes);

// Applies the id=text lines of a language file to the table. Slots the file
// does not mention keep their contents. Only the first kLanguageFileBytes are
// looked at, and a NUL byte ends the text. Ids outside 0-4999 are ignored and
// texts are cut to 260 characters (the table's limits).
void ApplyLanguageText(std::string_view contents, LanguageTable& table);

// Lists the language files of the directory in ascending file-name order, at
// most kMaxLanguages. A file without a display name is skipped; a file that
// cannot be opened empties the list.
std::vector<LanguageEntry> BuildLanguageList(const std::filesystem::path& programDir);

// Applies one language file; false when it cannot be read or is empty.
bool LoadLanguageFile(const std::filesystem::path& path, LanguageTable& table);

// Loads the first listed file named languageName that gives any bytes.
// The table is not cleared first. Returns whether a file was loaded.
bool LoadChosenLanguage(const std::vector<LanguageEntry>& list, std::string_view languageName,
                        LanguageTable& table);

// Start-up: lists the directory, loads the chosen language and sets the
// active flag from the result. Returns the list for the Preferences dialog
// and later reloads.
std::vector<LanguageEntry> SearchAndLoadLanguage(const std::filesystem::path& programDir,
                                                 std::string_view languageName, UiStrings& strings);

}  // namespace fw
