#include "app/preferences.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace fw {
namespace {

// A language name of 261 or more characters is cut to 259, while one of
// exactly 260 stays whole. The odd boundary is kept on purpose so that every
// existing ini file reads as it always has.
constexpr std::size_t kLanguageNameCut = 259;

std::string CutPath(std::string_view text) {
    return std::string(text.substr(0, std::min(text.size(), kMaxPathChars)));
}

bool FlagFromPiece(std::string_view piece) { return piece.empty() || piece[0] != '0'; }

bool CanOpenForReading(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return in.is_open();
}

}  // namespace

IniContents ParseIni(std::string_view contents,
                     const std::function<bool(const std::string&)>& fileExists) {
    IniContents result;
    // The text is handled as the C string the file was read into.
    contents = contents.substr(0, std::min(contents.size(), kIniReadBytes));
    if (const std::size_t nul = contents.find('\0'); nul != std::string_view::npos) {
        contents = contents.substr(0, nul);
    }

    // Runs of CR are one separator, so empty lines are skipped.
    std::vector<std::string_view> pieces;
    std::size_t pos = 0;
    constexpr std::size_t kMaxPieces = 4 + kMaxRecentFiles;
    while (pieces.size() < kMaxPieces) {
        pos = contents.find_first_not_of('\r', pos);
        if (pos == std::string_view::npos) break;
        const std::size_t end = contents.find('\r', pos);
        pieces.push_back(contents.substr(pos, end == std::string_view::npos ? std::string_view::npos
                                                                            : end - pos));
        if (end == std::string_view::npos) break;
        pos = end;
    }

    Preferences& prefs = result.preferences;
    if (pieces.size() > 0) prefs.lastFile = CutPath(pieces[0]);
    if (pieces.size() > 1) prefs.autoPreload = FlagFromPiece(pieces[1]);
    if (pieces.size() > 2) prefs.alwaysOnTop = FlagFromPiece(pieces[2]);
    if (pieces.size() > 3) {
        const std::string_view name = pieces[3];
        prefs.languageName = std::string(name.size() > kMaxPathChars ? name.substr(0, kLanguageNameCut) : name);
    }
    // Up to four lines are candidates; one whose file is gone is dropped
    // without making room for a later line.
    for (std::size_t i = 4; i < pieces.size(); ++i) {
        std::string path = CutPath(pieces[i]);
        if (fileExists && fileExists(path)) result.recent.entries.push_back(std::move(path));
    }
    return result;
}

std::string FormatIni(const Preferences& preferences, const RecentFiles& recent) {
    // Every text is cut to its record field, which keeps the whole file far
    // below kIniReadBytes (six lines of 260 characters plus the flags).
    std::string out;
    out += CutPath(preferences.lastFile);
    out += '\r';
    out += preferences.autoPreload ? "1\r" : "0\r";
    out += preferences.alwaysOnTop ? "1\r" : "0\r";
    out += CutPath(preferences.languageName);
    out += '\r';
    const std::size_t count = std::min(recent.entries.size(), static_cast<std::size_t>(kMaxRecentFiles));
    for (std::size_t i = 0; i < count; ++i) {
        if (recent.entries[i].empty()) continue;
        out += CutPath(recent.entries[i]);
        out += '\r';
    }
    return out;
}

// A 1300-byte read would drop the tail of a file with four long recent
// paths. Up to 4096 bytes holds anything the writer can produce, so nothing
// the program wrote is lost; a longer, hand-made file is cut at 4096 bytes.
bool ReadPreferences(const std::filesystem::path& iniPath, IniContents& out) {
    out = IniContents{};
    std::error_code ec;
    if (std::filesystem::is_directory(iniPath, ec)) return false;
    std::ifstream in(iniPath, std::ios::binary);
    if (!in.is_open()) return false;
    std::string bytes(kIniReadBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.empty()) return false;
    out = ParseIni(bytes, CanOpenForReading);
    return true;
}

bool WritePreferences(const std::filesystem::path& iniPath, const Preferences& preferences,
                      const RecentFiles& recent) {
    std::ofstream file(iniPath, std::ios::binary | std::ios::trunc);
    if (!file.is_open()) return false;
    const std::string text = FormatIni(preferences, recent);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return !file.fail();
}

void UpdateRecentFiles(Preferences& preferences, RecentFiles& recent, const std::string& currentFile) {
    preferences.lastFile = currentFile;
    std::vector<std::string>& entries = recent.entries;
    if (entries.size() > static_cast<std::size_t>(kMaxRecentFiles)) entries.resize(kMaxRecentFiles);

    std::size_t count = entries.size();
    const bool known = std::find(entries.begin(), entries.end(), currentFile) != entries.end();
    if (!known && count < static_cast<std::size_t>(kMaxRecentFiles)) ++count;

    std::vector<std::string> updated{currentFile};
    for (const std::string& entry : entries) {
        if (entry != currentFile) updated.push_back(entry);
    }
    if (updated.size() > count) updated.resize(count);
    entries = std::move(updated);
}

std::string RecentMenuLabel(int index, const std::string& path) {
    std::string label = "&";
    label += std::to_string(index + 1);
    label += ": ";
    if (path.size() > 40) {
        label += path.substr(0, 15);
        label += "...";
        label += path.substr(path.size() - 22);
    } else {
        label += path;
    }
    return label;
}

}  // namespace fw
