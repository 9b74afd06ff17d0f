#include "app/preferences.h"

#include "support/test_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace fw {
namespace {

namespace fs = std::filesystem;

using test::TempDir;

bool AllExist(const std::string&) { return true; }

TEST(Ini, FormatsCrOnlyLinesAndParsesThemBack) {
    Preferences prefs;
    prefs.lastFile = "C:\\forms\\stock.QLT";
    prefs.autoPreload = true;
    prefs.languageName = "Deutsch";
    RecentFiles recent{{"C:\\forms\\stock.QLT", "", "D:\\inv.QLT"}};

    const std::string text = FormatIni(prefs, recent);
    EXPECT_EQ(text, "C:\\forms\\stock.QLT\r1\r0\rDeutsch\rC:\\forms\\stock.QLT\rD:\\inv.QLT\r");

    const IniContents back = ParseIni(text, AllExist);
    EXPECT_EQ(back.preferences.lastFile, prefs.lastFile);
    EXPECT_TRUE(back.preferences.autoPreload);
    EXPECT_FALSE(back.preferences.alwaysOnTop);
    EXPECT_EQ(back.preferences.languageName, "Deutsch");
    EXPECT_EQ(back.recent.entries, (std::vector<std::string>{"C:\\forms\\stock.QLT", "D:\\inv.QLT"}));
}

TEST(Ini, SkipsEmptyLinesAndKeepsDefaultsForMissingOnes) {
    const IniContents some = ParseIni("\r\r\ra.QLT\r\r\rx\r", AllExist);
    EXPECT_EQ(some.preferences.lastFile, "a.QLT");
    EXPECT_TRUE(some.preferences.autoPreload) << "anything not starting with 0 is on";
    EXPECT_FALSE(some.preferences.alwaysOnTop);
    EXPECT_EQ(some.preferences.languageName, "0");
    EXPECT_TRUE(some.recent.entries.empty());

    const IniContents none = ParseIni("", AllExist);
    EXPECT_EQ(none.preferences.lastFile, "Unknow");
    EXPECT_FALSE(ParseIni("a\r0abc\r1", AllExist).preferences.autoPreload);
    EXPECT_TRUE(ParseIni("a\r0abc\r1", AllExist).preferences.alwaysOnTop);
}

TEST(Ini, CutsLongTextsToTheirFields) {
    const std::string path300(300, 'p');
    auto languageOf = [](std::size_t n) {
        return ParseIni("a\r0\r0\r" + std::string(n, 'l') + "\r", AllExist).preferences.languageName.size();
    };
    EXPECT_EQ(languageOf(259), 259u);
    EXPECT_EQ(languageOf(260), 260u);
    EXPECT_EQ(languageOf(261), 259u);
    EXPECT_EQ(languageOf(400), 259u);

    const IniContents ini = ParseIni(path300 + "\r0\r0\r0\r" + path300 + "\r", AllExist);
    EXPECT_EQ(ini.preferences.lastFile, std::string(260, 'p'));
    ASSERT_EQ(ini.recent.entries.size(), 1u);
    EXPECT_EQ(ini.recent.entries[0], std::string(260, 'p'));
}

TEST(Ini, KeepsOnlyRecentEntriesWhoseFilesExistAmongTheFirstFour) {
    const std::set<std::string> existing{"r1", "r3", "r5"};
    const IniContents ini = ParseIni("a\r0\r0\r0\rr1\rr2\rr3\rr4\rr5\r",
                                     [&](const std::string& p) { return existing.count(p) > 0; });
    // r5 is a fifth candidate and is not considered, even with r2 and r4 gone.
    EXPECT_EQ(ini.recent.entries, (std::vector<std::string>{"r1", "r3"}));
}

TEST(Ini, LooksAtNoMoreThan4096Bytes) {
    std::string text = "a\r0\r0\r0\rr1\rr2\rr3\r";
    text += std::string(5000, '\r');
    text += "r4\r";
    const IniContents ini = ParseIni(text, AllExist);
    EXPECT_EQ(ini.recent.entries, (std::vector<std::string>{"r1", "r2", "r3"}));

    const IniContents huge = ParseIni(std::string(10000, 'z'), AllExist);
    EXPECT_EQ(huge.preferences.lastFile.size(), 260u);
    EXPECT_EQ(huge.preferences.languageName, "0");

    // The longest file the writer makes is read back whole.
    Preferences longest;
    longest.lastFile = std::string(260, 'f');
    longest.languageName = std::string(260, 'l');
    RecentFiles four{{std::string(260, '1'), std::string(260, '2'), std::string(260, '3'),
                      std::string(260, '4')}};
    const IniContents back = ParseIni(FormatIni(longest, four), AllExist);
    EXPECT_EQ(back.recent.entries, four.entries);
}

TEST(IniFile, WritesAndReadsBackDroppingRecentFilesThatAreGone) {
    TempDir dir;
    const fs::path ini = dir.path() / kIniFileName;
    IniContents out;
    EXPECT_FALSE(ReadPreferences(ini, out));
    EXPECT_EQ(out.preferences.lastFile, "Unknow");

    std::ofstream(dir / "kept.QLT") << "x";
    const std::string kept = (dir / "kept.QLT").string();
    const std::string gone = (dir / "gone.QLT").string();
    Preferences prefs;
    prefs.lastFile = kept;
    prefs.alwaysOnTop = true;
    ASSERT_TRUE(WritePreferences(ini, prefs, RecentFiles{{gone, kept}}));
    ASSERT_TRUE(WritePreferences(ini, prefs, RecentFiles{{gone, kept}})) << "replaces the old file";

    ASSERT_TRUE(ReadPreferences(ini, out));
    EXPECT_EQ(out.preferences.lastFile, kept);
    EXPECT_TRUE(out.preferences.alwaysOnTop);
    EXPECT_EQ(out.recent.entries, (std::vector<std::string>{kept}));

    std::ofstream(ini, std::ios::binary | std::ios::trunc).close();
    out.preferences.autoPreload = true;
    EXPECT_FALSE(ReadPreferences(ini, out));
    EXPECT_FALSE(out.preferences.autoPreload) << "an empty file gives the defaults";

    EXPECT_FALSE(WritePreferences(dir.path() / "no-such-folder" / kIniFileName, prefs, {}));
}

TEST(RecentFiles, NewestFirstWithAtMostFour) {
    Preferences prefs;
    RecentFiles recent;
    for (const char* file : {"f1", "f2", "f3", "f4", "f5"}) UpdateRecentFiles(prefs, recent, file);
    EXPECT_EQ(recent.entries, (std::vector<std::string>{"f5", "f4", "f3", "f2"}));
    EXPECT_EQ(prefs.lastFile, "f5");

    UpdateRecentFiles(prefs, recent, "f3");
    EXPECT_EQ(recent.entries, (std::vector<std::string>{"f3", "f5", "f4", "f2"}));

    UpdateRecentFiles(prefs, recent, "F3");
    EXPECT_EQ(recent.entries, (std::vector<std::string>{"F3", "f3", "f5", "f4"}))
        << "names compare case-sensitively";

    RecentFiles two{{"a", "b"}};
    UpdateRecentFiles(prefs, two, "b");
    EXPECT_EQ(two.entries, (std::vector<std::string>{"b", "a"}));
}

TEST(RecentFiles, MenuLabelsAbbreviatePathsOver40Characters) {
    const std::string forty = "C:\\" + std::string(33, 'd') + ".QLT";
    ASSERT_EQ(forty.size(), 40u);
    EXPECT_EQ(RecentMenuLabel(0, forty), "&1: " + forty);

    const std::string fortyOne = "C:\\Templates\\Warehouse\\Inbound\\Pallet.QLT";
    ASSERT_EQ(fortyOne.size(), 41u);
    EXPECT_EQ(RecentMenuLabel(3, fortyOne), "&4: C:\\Templates\\Wa...use\\Inbound\\Pallet.QLT");
}

}  // namespace
}  // namespace fw
