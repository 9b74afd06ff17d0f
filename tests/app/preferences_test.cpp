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

// What the program holds of an ini file: "last file|auto-preload|on top|
// language|recent,...".
std::string Describe(const IniContents& ini) {
    const Preferences& p = ini.preferences;
    std::string read = p.lastFile + "|" + (p.autoPreload ? "1" : "0") + "|" + (p.alwaysOnTop ? "1" : "0") + "|" +
                       p.languageName + "|";
    for (std::size_t i = 0; i < ini.recent.entries.size(); ++i) read += (i ? "," : "") + ini.recent.entries[i];
    return read;
}

// An ini file's text as the program reads it, the files in `gone` missing.
std::string Read(const std::string& text, const std::set<std::string>& gone = {}) {
    return Describe(ParseIni(text, [&](const std::string& path) { return gone.count(path) == 0; }));
}

TEST(Ini, FormatsCrOnlyLinesAndReadsBackTheLongestItWrites) {
    Preferences prefs;
    prefs.lastFile = "C:\\forms\\stock.QLT";
    prefs.autoPreload = true;
    prefs.languageName = "Deutsch";
    const std::string text = FormatIni(prefs, RecentFiles{{"C:\\forms\\stock.QLT", "", "D:\\inv.QLT"}});
    EXPECT_EQ(text, "C:\\forms\\stock.QLT\r1\r0\rDeutsch\rC:\\forms\\stock.QLT\rD:\\inv.QLT\r");
    EXPECT_EQ(Read(text), "C:\\forms\\stock.QLT|1|0|Deutsch|C:\\forms\\stock.QLT,D:\\inv.QLT");

    const std::string f(260, 'f'), l(260, 'l'), r1(260, '1'), r2(260, '2'), r3(260, '3'), r4(260, '4');
    prefs.lastFile = f;
    prefs.languageName = l;
    EXPECT_EQ(Read(FormatIni(prefs, RecentFiles{{r1, r2, r3, r4}})),
              f + "|1|0|" + l + "|" + r1 + "," + r2 + "," + r3 + "," + r4);
}

TEST(Ini, SkipsEmptyLinesCutsTextsAndReadsNoMoreThan4096Bytes) {
    const std::string p300(300, 'p'), p260(260, 'p');
    const struct {
        std::string text;
        std::set<std::string> gone;
        std::string read;
    } cases[] = {
        {"", {}, "Unknow|0|0|0|"},
        {"\r\r\ra.QLT\r\r\rx\r", {}, "a.QLT|1|0|0|"},  // anything not starting with 0 is on
        {"a\r0abc\r1", {}, "a|0|1|0|"},
        {"a\r0\r0\r" + std::string(260, 'l') + "\r", {}, "a|0|0|" + std::string(260, 'l') + "|"},
        {"a\r0\r0\r" + std::string(261, 'l') + "\r", {}, "a|0|0|" + std::string(259, 'l') + "|"},
        {p300 + "\r0\r0\r0\r" + p300 + "\r", {}, p260 + "|0|0|0|" + p260},
        // A fifth entry is not considered, even with two of the four gone.
        {"a\r0\r0\r0\rr1\rr2\rr3\rr4\rr5\r", {"r2", "r4"}, "a|0|0|0|r1,r3"},
        {"a\r0\r0\r0\rr1\rr2\rr3\r" + std::string(5000, '\r') + "r4\r", {}, "a|0|0|0|r1,r2,r3"},
        {std::string(10000, 'z'), {}, std::string(260, 'z') + "|0|0|0|"},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.text, c.gone), c.read) << c.text.substr(0, 40);
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
    EXPECT_EQ(Describe(out), kept + "|0|1|0|" + kept);

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
