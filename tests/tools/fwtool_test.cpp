#include "tools/fwtool/fwtool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>

#include "preview/counting_template.h"
#include "strings/language_files.h"
#include "support/test_document.h"
#include "template/template_file.h"

namespace fw {
namespace {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

ToolRun Tool(const std::vector<std::string>& args, const std::string& input = "") {
    std::ostringstream out, err;
    std::istringstream in(input);
    const int code = RunFwtool(args, out, err, in);
    return {code, out.str(), err.str()};
}

std::string P(const test::TempDir& dir, const char* name) { return (dir / name).string(); }

void WriteCleanTemplate(const std::filesystem::path& path) {
    test::TestDocument t;
    test::MakeCleanTemplate(t.doc.blocks);
    ASSERT_TRUE(WriteTemplateFile(t.doc, path));
}

TEST(Fwtool, PrepareReadsAsOpenDoesAndWritesAsSaveDoes) {
    test::TempDir dir;
    test::TestDocument t;
    t.doc.blocks.forms[2].dataType[0] = kTypeText;
    t.doc.blocks.forms[2].maxLength[0] = 12;
    t.doc.blocks.forms[2].lastInputLine = 1;
    ASSERT_TRUE(WriteTemplateFile(t.doc, dir / "in.QLT"));
    ASSERT_EQ(Tool({"prepare", P(dir, "in.QLT"), P(dir, "out.QLT")}).code, 0);
    const auto out = test::ReadAll(dir / "out.QLT");
    ASSERT_EQ(out.size(), kTemplateFileSize);
    const std::size_t form2 = 13390 + 2 * 5027;
    EXPECT_EQ(out[form2 + 23], 20) << "8-byte key field and the 12-character line";
}

TEST(Fwtool, LanguageFileTranslatesTheScreenTexts) {
    test::TempDir dir;
    test::WriteText(dir / "de.lng", "De\r\n3001=Max\r\n");
    ASSERT_EQ(Tool({"new", P(dir, "a.QLT"), "--lang", P(dir, "de.lng")}).code, 0);
    const auto bytes = test::ReadAll(dir / "a.QLT");
    EXPECT_EQ(test::TextAt(bytes, kDeviceTextsOffset), "Max");
}

TEST(Fwtool, ExitCodesTellFilesRefusalsAndFindingsApart) {
    test::TempDir dir;
    std::vector<std::uint8_t> newer(kTemplateFileSize, 0);
    std::memcpy(newer.data(), "QELTAR-02000000", 15);
    test::WriteAll(dir / "newer.QLT", newer);
    test::WriteText(dir / "foreign.QLT", "ZIP");
    WriteCleanTemplate(dir / "stock.QLT");
    ASSERT_EQ(Tool({"new", P(dir, "fresh.QLT")}).code, 0);

    const ToolRun refused = Tool({"dump", P(dir, "newer.QLT")});
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(refused.err, "fwtool: " + P(dir, "newer.QLT") + ": The FW file version is newer than current program!\n");
    EXPECT_EQ(Tool({"prepare", P(dir, "foreign.QLT"), P(dir, "o.QLT")}).err,
              "fwtool: " + P(dir, "foreign.QLT") + ": Format of this FW file is incorrect!\n");
    test::WriteText(dir / "bad.json", R"({"x":1})");
    const ToolRun badJson = Tool({"build", P(dir, "bad.json"), P(dir, "o.QLT")});
    EXPECT_EQ(badJson.code, 2);
    EXPECT_EQ(badJson.err, "fwtool: " + P(dir, "bad.json") + ": x: unknown key\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "o.QLT"));
    EXPECT_EQ(Tool({"check", P(dir, "gone.QLT")}).code, 1);
    EXPECT_EQ(Tool({"new", P(dir, "no/dir.QLT")}).code, 1);
    EXPECT_EQ(Tool({"new", P(dir, "x.QLT"), "--lang", P(dir, "none.lng")}).code, 1);

    EXPECT_EQ(Tool({"check", P(dir, "stock.QLT")}).code, 0);
    EXPECT_EQ(Tool({"check", P(dir, "fresh.QLT")}).code, 3) << "a new template starts on an empty form 1";

    EXPECT_EQ(Tool({"diff", P(dir, "stock.QLT"), P(dir, "stock.QLT")}).code, 0);
    EXPECT_EQ(Tool({"diff", P(dir, "stock.QLT"), P(dir, "fresh.QLT")}).code, 1);
    EXPECT_EQ(Tool({"diff", P(dir, "stock.QLT"), P(dir, "gone.QLT")}).code, 2);
    EXPECT_EQ(Tool({"diff", P(dir, "newer.QLT"), P(dir, "stock.QLT")}).code, 2);

    EXPECT_EQ(Tool({"lookup-check", P(dir, "stock.QLT"), "6", P(dir, "data.txt")}).code, 2);
    EXPECT_EQ(Tool({"lookup-check", P(dir, "stock.QLT"), "2", P(dir, "data.txt")}).code, 2) << "no fields";
    const struct {
        std::vector<std::string> args;
        std::string err;
    } refusedArguments[] = {
        {{"layout", "a.QLT", "--format", "pdf"},
         "fwtool: layout: --format: pdf: give text, markdown or html (fwtool layout --help lists its arguments)\n"},
        {{"lookup-check", "a.QLT", "x", "d.txt"},
         "fwtool: lookup-check: N: x is no lookup file number; give 1 to 5 (fwtool lookup-check --help lists its "
         "arguments)\n"},
        {{"new"}, "fwtool: new: OUT.QLT is missing (fwtool new --help lists its arguments)\n"},
        {{"new", "a.QLT", "b.QLT"},
         "fwtool: new: b.QLT: not an argument it takes (fwtool new --help lists its arguments)\n"},
        {{"new", "a.QLT", "--lang"}, "fwtool: new: --lang needs a value (fwtool new --help lists its arguments)\n"},
        {{"bogus"},
         "fwtool: bogus is no command; the commands are new, prepare, dump, build, check, diff, layout, "
         "lookup-check, lang-template, preview, merge, git-setup, lang-check\n"},
    };
    for (const auto& r : refusedArguments) {
        const ToolRun run = Tool(r.args);
        EXPECT_EQ(run.code, 2);
        EXPECT_EQ(run.err, r.err);
    }
    const ToolRun help = Tool({"build", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("--prepare"), std::string::npos);
}

TEST(Fwtool, DumpOfAShortFileTakesTheRestFromANewTemplate) {
    test::TempDir dir;
    test::TestDocument t;
    t.doc.blocks.menus[0].captionEnabled = 1;
    auto bytes = TemplateImage(t.doc);
    test::WriteAll(dir / "full.QLT", bytes);
    bytes.resize(1000);
    test::WriteAll(dir / "short.QLT", bytes);
    const ToolRun run = Tool({"dump", P(dir, "short.QLT")});
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.err.find("holds 1000 of 154309 bytes"), std::string::npos);
    ASSERT_EQ(Tool({"dump", P(dir, "full.QLT"), P(dir, "full.json")}).code, 0);
    EXPECT_EQ(run.out, test::ReadText(dir / "full.json"));
}

TEST(Fwtool, AFileOfAnotherSizeIsAnErrorForCheckAndNamedByLayoutAndPreview) {
    test::TempDir dir;
    WriteCleanTemplate(dir / "a.QLT");
    auto bytes = test::ReadAll(dir / "a.QLT");
    bytes.resize(kTemplateFileSize + 10);
    test::WriteAll(dir / "long.QLT", bytes);
    bytes.resize(kTemplateFileSize - 9);
    test::WriteAll(dir / "short.QLT", bytes);
    const ToolRun check = Tool({"check", P(dir, "long.QLT")});
    EXPECT_EQ(check.code, 3);
    EXPECT_EQ(check.out, "error: file: holds 154319 bytes, 10 more than a template's 154309; Open ignores them\n");
    EXPECT_EQ(Tool({"check", P(dir, "short.QLT")}).out,
              "error: file: holds 154300 of 154309 bytes; Open takes the rest from a new template\n");
    for (const char* command : {"layout", "preview"})
        EXPECT_EQ(Tool({command, P(dir, "short.QLT")}).err,
                  "fwtool: " + P(dir, "short.QLT") + ": holds 154300 of 154309 bytes; Open takes the rest from a new "
                  "template\n");
}

TEST(Fwtool, BuildWithPrepareDerivesWhatTheDesignerDerives) {
    test::TempDir dir;
    test::WriteText(dir / "a.json", R"({"forms": [{"keyLine": 2, "lines": [
        {"dataType": 1, "maxLength": 10}, {"dataType": 2, "maxLength": 5}]}]})");
    ASSERT_EQ(Tool({"build", P(dir, "a.json"), P(dir, "plain.QLT")}).code, 0);
    ASSERT_EQ(Tool({"build", "-", P(dir, "ready.QLT"), "--prepare"}, test::ReadText(dir / "a.json")).code, 0);
    const auto plain = test::ReadAll(dir / "plain.QLT");
    const auto ready = test::ReadAll(dir / "ready.QLT");
    const std::size_t form = kBlocksOffset + offsetof(TemplateBlocks, forms);
    EXPECT_EQ(plain[form + offsetof(FormRecord, lastInputLine)], 0);
    EXPECT_EQ(ready[form + offsetof(FormRecord, lastInputLine)], 2);
    EXPECT_EQ(ready[form + offsetof(FormRecord, noKeyLine)], 0);
    EXPECT_EQ(ready[form + offsetof(FormRecord, recordFieldCount)], 2);
    EXPECT_EQ(ready[form + offsetof(FormRecord, keyFieldPosition)], 2);
    EXPECT_EQ(ready[form + offsetof(FormRecord, recordLength)], 15);
}

TEST(Fwtool, LayoutShowsEachSavingFormInEveryFormat) {
    test::TempDir dir;
    WriteCleanTemplate(dir / "a.QLT");
    const ToolRun text = Tool({"layout", P(dir, "a.QLT")});
    EXPECT_EQ(text.code, 0);
    EXPECT_EQ(text.out,
              "form 1: 2 fields, 17 characters without the delimiters, key field 1\n"
              "  export file \"Form 01.TXT\"\n"
              "  fields separated by 44 (\",\")\n"
              "  #  field            data type  max length  key\n"
              "  1  \"Item\" (line 1)  text       12          key\n"
              "  2  (line 2)         integer    5\n"
              "\n"
              "form 2: 2 fields, 14 characters without the delimiters, key field 1\n"
              "  export file \"Form 02.TXT\"\n"
              "  fields separated by 44 (\",\")\n"
              "  #  field                            data type  max length  key\n"
              "  1  record key (the terminal's own)             8           key\n"
              "  2  (line 1)                         text       6\n");
    EXPECT_NE(Tool({"layout", P(dir, "a.QLT"), "--format", "markdown"}).out.find(
                  "| 1 | \"Item\" (line 1) | text | 12 | key |"),
              std::string::npos);
    EXPECT_NE(Tool({"layout", P(dir, "a.QLT"), "--format", "html"}).out.find(
                  "<td>&quot;Item&quot; (line 1)</td><td>text</td>"),
              std::string::npos);
}

TEST(Fwtool, LookupCheckNamesWhatTheTerminalDoesWithEachBadRecord) {
    test::TempDir dir;
    test::TestDocument t;
    LookupRecord& lookup = t.doc.blocks.lookups[1];
    lookup.fieldCount = 2;
    lookup.fieldLength[0] = 4;
    lookup.fieldLength[1] = 3;
    lookup.dataType[1] = 1;
    lookup.delimiter = ';';
    lookup.wrongFormatAction = 0;  // stop the import
    FormRecord& form = t.doc.blocks.forms[3];
    form.lookupFile = 2;
    form.dataType[0] = kTypeLookup;
    form.lookupField[0] = 1;
    form.initialValueOn[0] = 1;  // "Save field data"
    ASSERT_TRUE(WriteTemplateFile(t.doc, dir / "a.QLT"));
    test::WriteText(dir / "d.txt", "A1;12\r\nB2;x\r\nA1;3\r\nC,3;4\r\n\r\n");
    const ToolRun run = Tool({"lookup-check", P(dir, "a.QLT"), "2", P(dir, "d.txt")});
    EXPECT_EQ(run.code, 3);
    EXPECT_EQ(run.out,
              "line 2: field 2 \"x\" is not an integer \xE2\x80\x94 the terminal stops the import here: lines 2 to 4 "
              "are not imported\n"
              "line 3: the key \"A1\" repeats line 1 \xE2\x80\x94 not reached: the import stops at line 2\n"
              "line 4: field 1 \"C,3\" holds the first delimiter 44 (\",\"), and form 4 line 1 saves it: the export "
              "splits the field there\n"
              "lookup file 2 (\"2nd lookup file\"): 4 records, 2 bad, 1 with a delimiter in a saved field\n");
}

TEST(Fwtool, LanguageTemplateGivesEveryTextTheProgramReadsBackUnchanged) {
    test::TempDir dir;
    ASSERT_EQ(Tool({"lang-template", P(dir, "new.lng")}).code, 0);
    const std::string file = test::ReadText(dir / "new.lng");
    EXPECT_EQ(LanguageDisplayName(file), "new");
    CompiledStringTable builtin;
    LanguageTable table;
    ApplyLanguageText(file, table);
    int ids = 0;
    for (int id = 0; id < kStringIdCount; ++id) {
        EXPECT_EQ(table.Slot(id), builtin.Get(id)) << "id " << id;
        ids += builtin.Get(id).empty() ? 0 : 1;
    }
    EXPECT_GT(ids, 1000);
    const ToolRun check = Tool({"lang-check", P(dir, "new.lng")});
    EXPECT_EQ(check.code, 0);
    EXPECT_EQ(check.out, "");

    // Started from a translation, it keeps its name and texts and drops ids
    // the program does not have.
    test::WriteText(dir / "de.lng", "Deutsch\r\n31=&Neu\r\n99999=weg\r\n");
    ASSERT_EQ(Tool({"lang-template", P(dir, "full.lng"), "--from", P(dir, "de.lng")}).code, 0);
    const std::string full = test::ReadText(dir / "full.lng");
    EXPECT_EQ(full.substr(0, 9), "Deutsch\r\n");
    EXPECT_NE(full.find("\r\n31=&Neu\r\n32=&Open..."), std::string::npos);
    EXPECT_EQ(full.find("99999"), std::string::npos);
}

TEST(Fwtool, LanguageCheckFindsGapsAndLinesTheProgramMisreads) {
    test::TempDir dir;
    ASSERT_EQ(Tool({"lang-template", P(dir, "x.lng")}).code, 0);
    std::string file = test::ReadText(dir / "x.lng");
    // Replaces the line of an id and tells its line number.
    const auto replaceLine = [&file](int id, const std::string& lines) {
        const std::size_t start = file.find("\r\n" + std::to_string(id) + "=") + 2;
        file.replace(start, file.find("\r\n", start) + 2 - start, lines);
        return std::to_string(1 + std::count(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(start), '\n'));
    };
    const std::string at32 = replaceLine(32, "32=\r\n");
    replaceLine(33, "");
    const std::string at34 = replaceLine(34, "34=Save &As...\n9=Tab\r\n5000=x\r\n");
    const std::string at3002 = replaceLine(3002, "3002=" + std::string(51, 'x') + "\r\n");
    test::WriteText(dir / "x.lng", file);
    const ToolRun run = Tool({"lang-check", P(dir, "x.lng")});
    EXPECT_EQ(run.code, 3);
    test::WriteText(dir / "empty.lng", "");
    EXPECT_EQ(Tool({"lang-check", P(dir, "empty.lng")}).out,
              "error: the file is empty: the program lists no language for it\n");
    const auto next = [](const std::string& line) { return std::to_string(std::stoi(line) + 1); };
    EXPECT_EQ(run.out,
              "error: line " + at34 + ": no CR before the line's end: the program drops the text's last character\n" +
                  "warning: line " + next(at34) + ": id 9 is not one the program uses\n" +
                  "warning: line " + next(next(at34)) + ": id 5000 is outside 0 to 4999; the program ignores it\n" +
                  "warning: line " + at3002 + ": id 3002 has 51 characters; the terminal's screen shows the first 50\n" +
                  "error: line " + at32 + ": id 32 is empty (the program's text: \"&Open...       Ctrl+O\")\n" +
                  "error: id 33 is missing (the program's text: \"&Save          Ctrl+S\")\n");
}

TEST(Fwtool, ManyFilesGiveEachOneFileReportUnderItsNameAndTheWorstExitCode) {
    test::TempDir dir;
    WriteCleanTemplate(dir / "stock.QLT");
    ASSERT_EQ(Tool({"new", P(dir, "fresh.QLT")}).code, 0);
    const std::string stock = P(dir, "stock.QLT"), fresh = P(dir, "fresh.QLT"), gone = P(dir, "gone.QLT");
    const auto under = [](const std::string& name, const ToolRun& run) { return "==> " + name + " <==\n" + run.out; };

    const ToolRun check = Tool({"check", stock, fresh, gone});
    EXPECT_EQ(check.code, 3);
    EXPECT_EQ(check.out, under(stock, Tool({"check", stock})) + "\n" + under(fresh, Tool({"check", fresh})) + "\n" +
                             under(gone, Tool({"check", gone})));
    EXPECT_EQ(Tool({"check", stock, gone}).code, 1);

    const ToolRun diff = Tool({"diff", stock, stock, fresh});
    EXPECT_EQ(diff.code, 1);
    EXPECT_EQ(diff.out, under(stock, Tool({"diff", stock, stock})) + "\n" + under(fresh, Tool({"diff", stock, fresh})));
    EXPECT_EQ(Tool({"dump", "--flat", stock, fresh}).out,
              under(stock, Tool({"dump", "--flat", stock})) + "\n" + under(fresh, Tool({"dump", "--flat", fresh})));
    EXPECT_EQ(Tool({"layout", stock, stock}).out,
              under(stock, Tool({"layout", stock})) + "\n" + under(stock, Tool({"layout", stock})));

    for (const std::vector<std::string>& shapeless : {std::vector<std::string>{"dump", stock, stock, stock},
                                                      {"diff", stock}, {"layout", "--format", "html", stock, stock}})
        EXPECT_EQ(Tool(shapeless).code, 2) << shapeless[0];
}

TEST(Fwtool, DiffAsGitsExternalDiffNamesThePathAndLetsGitGoOn) {
    test::TempDir dir;
    WriteCleanTemplate(dir / "stock.QLT");
    ASSERT_EQ(Tool({"new", P(dir, "fresh.QLT")}).code, 0);
    test::WriteText(dir / "foreign.QLT", "ZIP");
    const std::string stock = P(dir, "stock.QLT"), fresh = P(dir, "fresh.QLT");
    const auto git = [](const std::string& a, const std::string& b) {
        return std::vector<std::string>{"diff", "--git", "t.QLT", a, "1a2b", "100644", b, "3c4d", "100644"};
    };
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {git(stock, fresh), "==> t.QLT <==\n" + Tool({"diff", stock, fresh}).out},
        {git("/dev/null", fresh), "==> t.QLT <==\nnew template\n"},
        {git(stock, "/dev/null"), "==> t.QLT <==\ndeleted template\n"},
        {{"diff", "--git", "t.QLT"}, "==> t.QLT <==\nunmerged: the merge left conflicts to resolve\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tool(c.args);
        EXPECT_EQ(run.code, 0) << c.args[4];
        EXPECT_EQ(run.out, c.out);
    }
    const ToolRun refused = Tool(git(P(dir, "foreign.QLT"), stock));
    EXPECT_EQ(refused.code, 0) << "git stops at an external diff that fails";
    EXPECT_NE(refused.out.find("incorrect"), std::string::npos);
    EXPECT_EQ(Tool({"diff", "--git", "t.QLT", stock, fresh}).code, 2);
}

TEST(Fwtool, MergeWritesOverOursReportsConflictsAndWritesNothingForARefusedSide) {
    test::TempDir dir;
    const auto save = [&dir](const char* name, const char* prompt) {
        test::TestDocument t;
        test::MakeCleanTemplate(t.doc.blocks);
        std::strcpy(t.doc.blocks.forms[0].prompt[0], prompt);
        ASSERT_TRUE(WriteTemplateFile(t.doc, dir / name));
    };
    save("base.QLT", "Item");
    save("ours.QLT", "Code");
    save("theirs.QLT", "Article");
    test::WriteText(dir / "foreign.QLT", "ZIP");
    test::WriteText(dir / "empty.QLT", "");
    const auto ours = test::ReadAll(dir / "ours.QLT");

    const ToolRun conflict = Tool({"merge", P(dir, "base.QLT"), P(dir, "ours.QLT"), P(dir, "theirs.QLT"), "-o",
                                   P(dir, "out.QLT")});
    EXPECT_EQ(conflict.code, 1);
    EXPECT_EQ(conflict.err, "conflict: form 1 line 1 prompt: \"Item\" \xE2\x86\x92 \"Code\" / \"Article\"\n");
    EXPECT_EQ(test::ReadAll(dir / "out.QLT"), ours) << "ours kept";

    for (const char* side : {"base.QLT", "ours.QLT", "theirs.QLT"}) {
        std::vector<std::string> args = {"merge", P(dir, "base.QLT"), P(dir, "ours.QLT"), P(dir, "theirs.QLT"),
                                         "-o", P(dir, "none.QLT")};
        std::replace(args.begin(), args.end(), P(dir, side), P(dir, "foreign.QLT"));
        EXPECT_EQ(Tool(args).code, 2) << side;
        EXPECT_FALSE(std::filesystem::exists(dir / "none.QLT")) << side;
    }

    // Without -o the result replaces ours; an empty base (both sides added
    // the file) is a new template.
    EXPECT_EQ(Tool({"merge", P(dir, "empty.QLT"), P(dir, "ours.QLT"), P(dir, "ours.QLT")}).code, 0);
    EXPECT_EQ(Tool({"merge", P(dir, "base.QLT"), P(dir, "base.QLT"), P(dir, "theirs.QLT")}).code, 0);
    EXPECT_EQ(Tool({"diff", P(dir, "base.QLT"), P(dir, "theirs.QLT")}).code, 0);
}

// The walk the face plays, headless, as a CI job runs it.
TEST(Fwtool, PreviewPrintsEachScreenAndTheStoredRecords) {
    test::TempDir dir;
    test::TestDocument t;
    test::CountingTemplate(t.doc.blocks);
    ASSERT_TRUE(WriteTemplateFile(t.doc, dir / "stock.QLT"));
    test::WriteText(dir / "prices.txt", test::kPriceList);
    const std::string stock = P(dir, "stock.QLT"), prices = P(dir, "prices.txt");
    const ToolRun run = Tool({"preview", stock, "--keys", "1,SCAN,9999,ENT,SCAN,ENT,ESC", "--scan", "B200", "--scan",
                              "C3000", "--lookup", "1=" + prices, "--time", "2024-05-01 12:30:00"});
    ASSERT_EQ(run.code, 0) << run.err;
    for (const char* shown : {"lookup file 1: 2 records from", "[SCAN B200]\n  +", "[9999]\n", "[SCAN C3000]\n",
                              "  |3.00                  |", "! | Data is too long !!  |"})
        EXPECT_NE(run.out.find(shown), std::string::npos) << shown;
    const std::size_t records = run.out.find("\nstored records\n");
    ASSERT_NE(records, std::string::npos);
    EXPECT_EQ(run.out.substr(records),
              "\nstored records\n"
              "form 1: 1 record, export file \"Form 01.TXT\"\n"
              "  #  record key (8) key  Code (4)  line 2 (5)  Qty (3)\n"
              "  1                      B200      3.00        999\n"
              "  export:\n"
              "  ,B200,3.00,999\n"
              "  * the terminal's own record key\n");

    for (const std::vector<std::string>& refused :
         {std::vector<std::string>{"--keys", "SCAN,SCAN", "--scan", "A"}, {"--keys", "1,,ENT"},
          {"--lookup", "6=" + prices}, {"--time", "noon"}, {"--time", "2024-02-30 12:00:00"}}) {
        std::vector<std::string> args{"preview", stock};
        args.insert(args.end(), refused.begin(), refused.end());
        EXPECT_EQ(Tool(args).code, 2) << refused[1];
    }
    EXPECT_EQ(Tool({"preview", stock, "--lookup", "1=" + P(dir, "gone.txt")}).code, 1);
    const ToolRun ended = Tool({"preview", stock, "--keys", "ESC,ESC,1"});
    EXPECT_EQ(ended.code, 0);
    EXPECT_NE(ended.out.find("the preview has ended; 1 key is left unplayed"), std::string::npos);
}

}  // namespace
}  // namespace fw
