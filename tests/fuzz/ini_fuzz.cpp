// Any bytes as the preferences file, written back and read again: what the
// writer produces from any parse must parse to the same preferences.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    const auto everyFileExists = [](const std::string&) { return true; };
    const fw::IniContents first = fw::ParseIni(contents, everyFileExists);

    fw::Preferences preferences = first.preferences;
    fw::RecentFiles recent = first.recent;
    fw::UpdateRecentFiles(preferences, recent, std::string(contents.substr(0, 300)));
    for (int i = 0; i < static_cast<int>(recent.entries.size()); ++i) fw::RecentMenuLabel(i, recent.entries[i]);

    const std::string written = fw::FormatIni(first.preferences, first.recent);
    if (written.size() > fw::kIniReadBytes) __builtin_trap();
    const fw::IniContents second = fw::ParseIni(written, everyFileExists);
    if (second.recent.entries.size() > first.recent.entries.size()) __builtin_trap();
    return 0;
}
