// Preferences and the recent-file list, kept in a small ini file beside the
// program: CR-terminated lines without keys, in a fixed order.
//
// Parsing and formatting work on bytes in memory; ReadPreferences and
// WritePreferences only move those bytes to and from the file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

constexpr const char* kIniFileName = "QELTAR.ini";
constexpr const char* kUnknownLastFile = "Unknow";
constexpr int kMaxRecentFiles = 4;
constexpr std::size_t kMaxPathChars = 260;
// The reader looks at no more than this many bytes of the ini file; the
// longest file the writer produces is well below it.
constexpr std::size_t kIniReadBytes = 4096;

struct Preferences {
    std::string lastFile = kUnknownLastFile;
    bool autoPreload = false;
    bool alwaysOnTop = false;
    std::string languageName = "0";  // "0": the program's own texts
};

// At most kMaxRecentFiles paths, most recent first.
struct RecentFiles {
    std::vector<std::string> entries;
};

struct IniContents {
    Preferences preferences;
    RecentFiles recent;
};

// Parses ini bytes. Fields the contents do not give keep their defaults.
// Recent entries are kept only when fileExists(path) says so. Safe on any
// bytes: at most kIniReadBytes are looked at and a NUL ends the text.
IniContents ParseIni(std::string_view contents,
                     const std::function<bool(const std::string&)>& fileExists);

// The ini text: last file, the two flags, the language name and the non-empty
// recent entries, each line ended by a single CR.
std::string FormatIni(const Preferences& preferences, const RecentFiles& recent);

// Reads the ini file into out (defaults when it is missing or empty).
// Returns whether the file gave any bytes.
bool ReadPreferences(const std::filesystem::path& iniPath, IniContents& out);

// Replaces the ini file. Returns false when it cannot be created.
bool WritePreferences(const std::filesystem::path& iniPath, const Preferences& preferences,
                      const RecentFiles& recent);

// After a save or an accepted load: currentFile becomes the last file and
// moves to the front of the recent list (exact, case-sensitive match); a new
// name pushes the oldest entry out of a full list.
void UpdateRecentFiles(Preferences& preferences, RecentFiles& recent, const std::string& currentFile);

// "&1: path" for index 0; paths over 40 characters are shown as their first
// 15 characters, "..." and their last 22.
std::string RecentMenuLabel(int index, const std::string& path);

// Whether start-up should load the last file.
inline bool ShouldPreloadLastFile(const Preferences& preferences) {
    return preferences.autoPreload && preferences.lastFile != kUnknownLastFile;
}

}  // namespace fw
