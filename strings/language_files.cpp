#include "strings/language_files.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace fw {
namespace {

// The loader works on the text as a C string in a fixed buffer: the buffer's
// size bounds it, and a NUL byte in the file ends it.
std::string_view AsBufferText(std::string_view bytes, std::size_t bufferText) {
    bytes = bytes.substr(0, std::min(bytes.size(), bufferText));
    const std::size_t nul = bytes.find('\0');
    return nul == std::string_view::npos ? bytes : bytes.substr(0, nul);
}

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads a decimal number as the C library does: leading white space, an
// optional sign, then digits up to the first non-digit; no digits gives 0.
// Large values saturate, which keeps them outside the table's id range.
long ParseDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr long kCap = 1000000000L;
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(kCap, value * 10 + (text[i] - '0'));
    }
    return negative ? -value : value;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool HasLanguageExtension(const std::string& fileName) {
    static constexpr std::string_view kExt = ".lng";
    if (fileName.size() < kExt.size()) return false;
    const std::string_view tail = std::string_view(fileName).substr(fileName.size() - kExt.size());
    return std::equal(tail.begin(), tail.end(), kExt.begin(),
                      [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
}

// NTFS lists a folder in upper-cased name order; doing the same everywhere
// gives one order on every platform. Raw bytes break ties between names that
// differ only in case (possible off Windows).
bool FileNameLess(const std::string& a, const std::string& b) {
    const auto upperLess = [](char x, char y) {
        return static_cast<unsigned char>(AsciiUpper(x)) < static_cast<unsigned char>(AsciiUpper(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), upperLess)) return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), upperLess)) return false;
    return a < b;
}

// Reads at most maxBytes from the start of the file. False when it cannot be
// opened; a folder is never a readable file.
bool ReadFilePrefix(const std::filesystem::path& path, std::size_t maxBytes, std::string& out) {
    out.clear();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return false;
    out.resize(maxBytes);
    in.read(out.data(), static_cast<std::streamsize>(maxBytes));
    out.resize(static_cast<std::size_t>(in.gcount()));
    return true;
}

}  // namespace

std::string_view LanguageDisplayName(std::string_view firstBytes) {
    const std::string_view text = AsBufferText(firstBytes, kLanguageNameBytes);
    const std::size_t start = text.find_first_not_of('\r');
    if (start == std::string_view::npos) return {};
    const std::size_t end = text.find('\r', start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

void ApplyLanguageText(std::string_view contents, LanguageTable& table) {
    const std::string_view text = AsBufferText(contents, kLanguageFileBytes);
    // Line 1 is the display name.
    const std::size_t firstLf = text.find('\n');
    if (firstLf == std::string_view::npos) return;
    std::size_t pos = firstLf + 1;

    // Every pass moves pos forward past an LF or returns, so this ends.
    while (pos < text.size()) {
        const std::size_t eq = text.find('=', pos);
        const long id = ParseDecimal(text.substr(pos, eq == std::string_view::npos
                                                          ? std::string_view::npos
                                                          : eq - pos));
        // An id with nothing after it clears its slot and ends the file; a
        // trailing blank line therefore clears slot 0.
        if (eq == std::string_view::npos || eq + 1 >= text.size()) {
            if (id >= 0 && id < kStringIdCount) table.ClearSlot(static_cast<int>(id));
            return;
        }
        const std::size_t valueStart = eq + 1;
        const std::size_t lf = text.find('\n', valueStart);
        std::string_view value = text.substr(
            valueStart, lf == std::string_view::npos ? std::string_view::npos : lf - valueStart);
        // The last character is taken to be the line's CR, whether it is one
        // or not: LF-only files and a last line without CR lose a character.
        if (!value.empty()) value.remove_suffix(1);
        if (id >= 0 && id < kStringIdCount) table.SetSlot(static_cast<int>(id), value);
        if (lf == std::string_view::npos) return;
        pos = lf + 1;
    }
}

std::vector<LanguageEntry> BuildLanguageList(const std::filesystem::path& programDir) {
    std::vector<std::string> fileNames;
    try {
        std::error_code ec;
        std::filesystem::directory_iterator it(programDir, ec);
        if (ec) return {};
        for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
            if (ec) break;
            // Folders are not language files, whatever their name.
            std::error_code typeEc;
            if (it->is_directory(typeEc)) continue;
            std::string name = it->path().filename().string();
            if (HasLanguageExtension(name)) fileNames.push_back(std::move(name));
        }
    } catch (const std::exception&) {
        // A name the narrow character set cannot express: treat the folder
        // as unreadable, like a file that cannot be opened.
        return {};
    }
    std::sort(fileNames.begin(), fileNames.end(), FileNameLess);

    std::vector<LanguageEntry> list;
    std::string head;
    for (const std::string& fileName : fileNames) {
        if (list.size() >= static_cast<std::size_t>(kMaxLanguages)) break;
        const std::filesystem::path path = programDir / fileName;
        if (!ReadFilePrefix(path, kLanguageNameBytes, head)) return {};
        const std::string_view name = LanguageDisplayName(head);
        if (name.empty()) continue;
        list.push_back({path.string(), std::string(name)});
    }
    return list;
}

bool LoadLanguageFile(const std::filesystem::path& path, LanguageTable& table) {
    std::string contents;
    if (!ReadFilePrefix(path, kLanguageFileBytes, contents) || contents.empty()) return false;
    ApplyLanguageText(contents, table);
    return true;
}

bool LoadChosenLanguage(const std::vector<LanguageEntry>& list, std::string_view languageName,
                        LanguageTable& table) {
    for (const LanguageEntry& entry : list)
        if (entry.name == languageName && LoadLanguageFile(std::filesystem::path(entry.path), table))
            return true;
    return false;
}

std::vector<LanguageEntry> SearchAndLoadLanguage(const std::filesystem::path& programDir,
                                                 std::string_view languageName, UiStrings& strings) {
    std::vector<LanguageEntry> list = BuildLanguageList(programDir);
    strings.SetLanguageActive(!list.empty() && LoadChosenLanguage(list, languageName, strings.table()));
    return list;
}

}  // namespace fw
