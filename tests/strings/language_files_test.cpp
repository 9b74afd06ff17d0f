#include "strings/language_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "strings/ui_strings.h"
#include "support/test_document.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

using test::TempDir;
using test::WriteText;

TEST(LanguageDisplayName, SkipsLeadingCrsAndEndsAtCrWithinTheFirst260Bytes) {
    EXPECT_EQ(LanguageDisplayName("Deutsch\r\n1=x\r\n"), "Deutsch");
    EXPECT_EQ(LanguageDisplayName("\r\r\rFrancais\r\n"), "Francais");
    EXPECT_EQ(LanguageDisplayName("\r\r\r"), "");
    EXPECT_EQ(LanguageDisplayName(""), "");
    // Without a CR the name runs to the end of what was read.
    EXPECT_EQ(LanguageDisplayName(std::string(300, 'n')), std::string(260, 'n'));
    // A name that only starts after byte 260 is not seen.
    EXPECT_EQ(LanguageDisplayName(std::string(260, '\r') + "Late\r"), "");
    EXPECT_EQ(LanguageDisplayName(std::string("\0Hidden\r", 8)), "");
}

// Each file is read into a table whose slots 0, 7, 40 and 2651 held "old";
// what one slot holds afterwards.
TEST(ApplyLanguageText, PutsEachTextInTheSlotOfItsId) {
    const std::string deutsch = "Deutsch\r\n31=&Neu\r\n2651=\r\n32=  Offnen \r\n";
    const std::string lfOnly = "Name\n31=&New\n32=&Open";
    // A line without "=" joins the next one into a single id text, which
    // reads as 0 when it starts with no number, or as its leading number.
    const std::string joined = "Name\r\nremark\r\n31=&New\r\n12 stray\r\n33=Save\r\n";
    const std::string odd = "Name\r\n-1=neg\r\n5000=high\r\n99999999999999999999=huge\r\n4999=" +
                            std::string(300, 't') + "\r\n+12=plus\r\n";
    const std::string nul("Name\r\n5=A\r\n\0" "6=B\r\n", 17);
    const struct {
        std::string file;
        int id;
        std::string expected;
        const char* why;
    } cases[] = {
        {deutsch, 31, "&Neu", "the character before the LF is dropped"},
        {deutsch, 2651, "", "an empty line empties the slot"},
        {deutsch, 32, "  Offnen ", "blanks inside the text are kept"},
        {deutsch, 40, "old", "ids the file does not mention are untouched"},
        {lfOnly, 31, "&Ne", "whatever the character before the LF is"},
        {lfOnly, 32, "&Ope", "a last line without CR"},
        {joined, 0, "&New", ""},
        {joined, 31, "", ""},
        {joined, 12, "Save", ""},
        {joined, 33, "", ""},
        {"Name\r\n5=A\r\n7", 7, "", "an id without a value clears its slot"},
        {"Name\r\n8=B\r\n\r\n", 0, "", "a trailing blank line is an id text with no value: slot 0"},
        {odd, 0, "old", "out-of-range ids must not wrap onto real slots"},
        {odd, 4999, std::string(260, 't'), "cut to the slot"},
        {odd, 12, "plus", ""},
        {nul, 5, "A", ""},
        {nul, 6, "", "a NUL byte ends the text"},
    };
    for (const auto& c : cases) {
        LanguageTable table;
        for (int id : {0, 7, 40, 2651}) table.SetSlot(id, "old");
        ApplyLanguageText(c.file, table);
        EXPECT_EQ(table.Slot(c.id), c.expected) << c.why << " (id " << c.id << ")";
    }
}

TEST(ApplyLanguageText, LooksAtNoMoreThan55999Bytes) {
    const std::string head = "Name\r\n";
    const std::string tail = "2=B\r\n";
    // Pad so that the "2=B" line ends exactly at byte 55999.
    const std::size_t pad = 55999 - head.size() - tail.size() - std::string("100=\r\n").size();
    const std::string contents = head + "100=" + std::string(pad, 'x') + "\r\n" + tail + "3=C\r\n";
    ASSERT_EQ(contents.find("3=C"), 55999u);

    LanguageTable table;
    ApplyLanguageText(contents, table);
    EXPECT_STREQ(table.Slot(2), "B");
    EXPECT_STREQ(table.Slot(3), "") << "text past the read buffer is never seen";
}

std::string Names(const std::vector<LanguageEntry>& list) {
    std::string names;
    for (const LanguageEntry& entry : list) names += entry.name + ";";
    return names;
}

// In name order, nameless files skipped, at most twenty.
TEST(BuildLanguageList, ListsLanguageFilesInNameOrderSkippingNamelessOnes) {
    TempDir dir;
    WriteText(dir / "b.lng", "Beta\r\n");
    WriteText(dir / "A.LNG", "Alpha\r\n");
    WriteText(dir / "c.lng", "\r\r\r");
    WriteText(dir / "d.Lng", "\r\rDelta\r\n1=x\r\n");
    WriteText(dir / "e.txt", "Text\r\n");
    WriteText(dir / "f.lngx", "Extra\r\n");
    fs::create_directory(dir.path() / "folder.lng");
    const std::vector<LanguageEntry> list = BuildLanguageList(dir.path());
    EXPECT_EQ(Names(list), "Alpha;Beta;Delta;");
    EXPECT_EQ(fs::path(list.at(0).path), dir.path() / "A.LNG");

    for (int i = 10; i < 35; ++i) WriteText(dir / ("m" + std::to_string(i) + ".lng"), "M" + std::to_string(i));
    EXPECT_EQ(Names(BuildLanguageList(dir.path())), "Alpha;Beta;Delta;M10;M11;M12;M13;M14;M15;M16;M17;M18;M19;M20;M21;"
                                                     "M22;M23;M24;M25;M26;");
}

TEST(BuildLanguageList, AFileThatCannotBeOpenedEmptiesTheList) {
    TempDir dir;
    WriteText(dir / "a.lng", "Alpha\r\n");
    std::error_code ec;
    fs::create_symlink(dir.path() / "missing-target", dir.path() / "b.lng", ec);
    if (ec) GTEST_SKIP() << "symbolic links unavailable here";
    EXPECT_TRUE(BuildLanguageList(dir.path()).empty());
    EXPECT_TRUE(BuildLanguageList(dir.path() / "no-such-folder").empty());
}

TEST(LoadChosenLanguage, TakesTheFirstMatchingFileThatGivesAnyBytes) {
    TempDir dir;
    WriteText(dir / "a.lng", "Deutsch\r\n31=Erste\r\n");
    WriteText(dir / "b.lng", "Deutsch\r\n31=Zweite\r\n32=Nur zweite\r\n");
    const std::vector<LanguageEntry> list = BuildLanguageList(dir.path());
    ASSERT_EQ(list.size(), 2u);

    LanguageTable table;
    EXPECT_TRUE(LoadChosenLanguage(list, "Deutsch", table));
    EXPECT_EQ(std::string(table.Slot(31)) + "|" + table.Slot(32), "Erste|");

    // The first file has gone empty since the list was built: the next
    // entry of that name is used, on top of what the table already holds.
    WriteText(dir / "a.lng", "");
    table.SetSlot(40, "from before");
    EXPECT_TRUE(LoadChosenLanguage(list, "Deutsch", table));
    EXPECT_EQ(std::string(table.Slot(31)) + "|" + table.Slot(40), "Zweite|from before");

    fs::remove(dir.path() / "b.lng");
    EXPECT_FALSE(LoadChosenLanguage(list, "Deutsch", table));
    EXPECT_FALSE(LoadChosenLanguage(list, "deutsch", table)) << "names compare case-sensitively";
}

TEST(UiStrings, FallBackToTheBuiltinTextUnlessTheActiveLanguageHasOneAndLoadCutToTheBuffer) {
    CompiledStringTable builtin;
    UiStrings strings(builtin);
    strings.table().SetSlot(2, "Neue Datei");
    EXPECT_EQ(strings.Text(2), "New file") << "an inactive language is not consulted";
    strings.SetLanguageActive(true);
    EXPECT_EQ(strings.Text(2), "Neue Datei");
    strings.table().ClearSlot(2);
    EXPECT_EQ(strings.Text(2), "New file") << "an empty slot falls back";

    char buffer[9];
    EXPECT_EQ(strings.LoadUiString(2, buffer, sizeof buffer), 8u);
    EXPECT_STREQ(buffer, "New file");
    EXPECT_EQ(strings.LoadUiString(2, buffer, 4), 3u);
    EXPECT_STREQ(buffer, "New");
    EXPECT_EQ(strings.LoadUiString(4998, buffer, sizeof buffer), 0u);
    EXPECT_STREQ(buffer, "") << "an id without a text";
}

TEST(SearchAndLoadLanguage, SetsTheActiveFlagFromTheLoad) {
    CompiledStringTable builtin;
    UiStrings strings(builtin);
    TempDir dir;
    EXPECT_TRUE(SearchAndLoadLanguage(dir.path(), "Deutsch", strings).empty());
    EXPECT_FALSE(strings.languageActive());

    WriteText(dir / "de.lng", "Deutsch\r\n2=Neue Datei\r\n");
    EXPECT_EQ(SearchAndLoadLanguage(dir.path(), "Deutsch", strings).size(), 1u);
    EXPECT_EQ(strings.Text(2) + (strings.languageActive() ? " (active)" : ""), "Neue Datei (active)");

    EXPECT_EQ(SearchAndLoadLanguage(dir.path(), "0", strings).size(), 1u);
    EXPECT_EQ(strings.Text(2) + (strings.languageActive() ? " (active)" : ""), "New file");
}

}  // namespace
}  // namespace fw
