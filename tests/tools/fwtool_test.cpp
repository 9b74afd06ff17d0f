#include "tools/fwtool/fwtool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>

#include "preview/counting_template.h"
#include "strings/language_files.h"
#include "support/test_document.h"
#include "template/fixed_text.h"
#include "template/template_file.h"

namespace fw {
namespace {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
    // The exit code and what went to standard output, to compare at once.
    std::string Said() const { return std::to_string(code) + ": " + out; }
};

ToolRun Tool(const std::vector<std::string>& args, const std::string& input = "") {
    std::ostringstream out, err;
    std::istringstream in(input);
    const int code = RunFwtool(args, out, err, in);
    return {code, out.str(), err.str()};
}

// Each test starts in a scratch folder with a template the check finds clean,
// a new one, a foreign file and a file of a newer version.
class Fwtool : public ::testing::Test {
protected:
    void SetUp() override {
        test::TestDocument t;
        test::MakeCleanTemplate(t.doc.blocks);
        ASSERT_TRUE(WriteTemplateFile(t.doc, dir / "stock.QLT"));
        ASSERT_EQ(Tool({"new", fresh}).code, 0);
        test::WriteText(dir / "foreign.QLT", "ZIP");
        std::vector<std::uint8_t> bytes(kTemplateFileSize, 0);
        std::memcpy(bytes.data(), "QELTAR-02000000", 15);
        test::WriteAll(dir / "newer.QLT", bytes);
    }
    std::string P(const char* name) const { return (dir / name).string(); }
    // Form k + 1 as the file `name` holds it.
    FormRecord FormIn(const char* name, int k) const {
        FormRecord form;
        const std::size_t at = kBlocksOffset + offsetof(TemplateBlocks, forms) + k * sizeof form;
        std::memcpy(&form, &test::ReadAll(dir / name).at(at), sizeof form);
        return form;
    }

    test::TempDir dir;
    const std::string stock = P("stock.QLT"), fresh = P("fresh.QLT"), foreign = P("foreign.QLT"),
                      newer = P("newer.QLT"), gone = P("gone.QLT");
};

TEST_F(Fwtool, PrepareReadsAsOpenDoesAndWritesAsSaveDoes) {
    test::TestDocument t;
    t.doc.blocks.forms[2].dataType[0] = kTypeText;
    t.doc.blocks.forms[2].maxLength[0] = 12;
    t.doc.blocks.forms[2].lastInputLine = 1;
    ASSERT_TRUE(WriteTemplateFile(t.doc, dir / "in.QLT"));
    ASSERT_EQ(Tool({"prepare", P("in.QLT"), P("out.QLT")}).code, 0);
    EXPECT_EQ(GetLe16(FormIn("out.QLT", 2).recordLength), 20u) << "8-byte key field and the 12-character line";
}

TEST_F(Fwtool, LanguageFileTranslatesTheScreenTexts) {
    test::WriteText(dir / "de.lng", "De\r\n3001=Max\r\n");
    ASSERT_EQ(Tool({"new", P("a.QLT"), "--lang", P("de.lng")}).code, 0);
    EXPECT_EQ(test::TextAt(test::ReadAll(dir / "a.QLT"), kDeviceTextsOffset), "Max");
}

// 1 a file that cannot be read or written, 2 a refused file or argument, 3
// findings; the message names the file or the argument. The many-files test
// below gives check and diff their other codes.
TEST_F(Fwtool, ExitCodesTellFilesRefusalsAndFindingsApart) {
    test::WriteText(dir / "bad.json", R"({"x":1})");
    const std::string data = P("data.txt"), help = " --help lists its arguments)\n";
    const struct {
        std::vector<std::string> args;
        int code;
        std::string err;  // "" where not checked
    } cases[] = {
        {{"new", P("no/dir.QLT")}, 1, ""},
        {{"new", P("x.QLT"), "--lang", P("none.lng")}, 1, ""},
        {{"check", stock}, 0, ""},
        {{"diff", stock, stock}, 0, ""},
        {{"diff", stock, gone}, 2, ""},
        {{"diff", newer, stock}, 2, ""},
        {{"lookup-check", stock, "6", data}, 2, ""},
        {{"lookup-check", stock, "2", data}, 2, ""},  // no fields
        {{"dump", newer}, 2, "fwtool: " + newer + ": The FW file version is newer than current program!\n"},
        {{"prepare", foreign, P("o.QLT")}, 2, "fwtool: " + foreign + ": Format of this FW file is incorrect!\n"},
        {{"build", P("bad.json"), P("o.QLT")}, 2, "fwtool: " + P("bad.json") + ": x: unknown key\n"},
        {{"layout", "a.QLT", "--format", "pdf"}, 2,
         "fwtool: layout: --format: pdf: give text, markdown or html (fwtool layout" + help},
        {{"lookup-check", "a.QLT", "x", "d.txt"}, 2,
         "fwtool: lookup-check: N: x is no lookup file number; give 1 to 5 (fwtool lookup-check" + help},
        {{"new"}, 2, "fwtool: new: OUT.QLT is missing (fwtool new" + help},
        {{"new", "a.QLT", "b.QLT"}, 2, "fwtool: new: b.QLT: not an argument it takes (fwtool new" + help},
        {{"new", "a.QLT", "--lang"}, 2, "fwtool: new: --lang needs a value (fwtool new" + help},
        {{"bogus"}, 2,
         "fwtool: bogus is no command; the commands are new, prepare, dump, build, check, diff, layout, "
         "lookup-check, lang-template, preview, merge, git-setup, lang-check\n"},
        {{"build", "--help"}, 0, ""},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tool(c.args);
        EXPECT_EQ(run.code, c.code) << c.args[0] << " " << (c.args.size() > 1 ? c.args[1] : "");
        EXPECT_EQ(c.err.empty() ? "" : run.err, c.err);
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "o.QLT"));
    EXPECT_NE(Tool({"build", "--help"}).out.find("--prepare"), std::string::npos);
}

// A short file is read as Open reads it, the rest from a new template; the
// check calls any other size an error, and layout and preview name it.
TEST_F(Fwtool, FilesOfAnotherSizeAreReadAsOpenReadsThemAndNamed) {
    const auto bytes = test::ReadAll(stock);
    auto longer = bytes;
    longer.resize(kTemplateFileSize + 10);
    test::WriteAll(dir / "long.QLT", longer);
    test::WriteAll(dir / "short.QLT", {bytes.begin(), bytes.end() - 9});
    test::WriteAll(dir / "head.QLT", {bytes.begin(), bytes.begin() + 1000});
    test::TestDocument reset;  // as New leaves it in memory, before any save
    auto headAndNew = TemplateImage(reset.doc);
    std::copy(bytes.begin(), bytes.begin() + 1000, headAndNew.begin());
    test::WriteAll(dir / "headAndNew.QLT", headAndNew);

    const ToolRun dump = Tool({"dump", P("head.QLT")});
    EXPECT_EQ(dump.code, 0);
    EXPECT_NE(dump.err.find("holds 1000 of 154309 bytes"), std::string::npos);
    EXPECT_EQ(dump.out, Tool({"dump", P("headAndNew.QLT")}).out);

    EXPECT_EQ(Tool({"check", P("long.QLT")}).Said(),
              "3: error: file: holds 154319 bytes, 10 more than a template's 154309; Open ignores them\n");
    const std::string shortFile = "holds 154300 of 154309 bytes; Open takes the rest from a new template\n";
    EXPECT_EQ(Tool({"check", P("short.QLT")}).out, "error: file: " + shortFile);
    for (const char* command : {"layout", "preview"})
        EXPECT_EQ(Tool({command, P("short.QLT")}).err, "fwtool: " + P("short.QLT") + ": " + shortFile);
}

TEST_F(Fwtool, BuildWithPrepareDerivesWhatTheDesignerDerives) {
    test::WriteText(dir / "a.json", R"({"forms": [{"keyLine": 2, "lines": [
        {"dataType": 1, "maxLength": 10}, {"dataType": 2, "maxLength": 5}]}]})");
    ASSERT_EQ(Tool({"build", P("a.json"), P("plain.QLT")}).code, 0);
    ASSERT_EQ(Tool({"build", "-", P("ready.QLT"), "--prepare"}, test::ReadText(dir / "a.json")).code, 0);
    const FormRecord plain = FormIn("plain.QLT", 0), ready = FormIn("ready.QLT", 0);
    EXPECT_EQ(test::Values(plain.lastInputLine, ready.lastInputLine, ready.noKeyLine, ready.recordFieldCount,
                           ready.keyFieldPosition, GetLe16(ready.recordLength)),
              test::Values(0, 2, 0, 2, 2, 15));
}

TEST_F(Fwtool, LayoutShowsEachSavingFormInEveryFormat) {
    EXPECT_EQ(Tool({"layout", stock}).Said(),
              "0: form 1: 2 fields, 17 characters without the delimiters, key field 1\n"
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
    EXPECT_NE(Tool({"layout", stock, "--format", "markdown"}).out.find(
                  "| 1 | \"Item\" (line 1) | text | 12 | key |"),
              std::string::npos);
    EXPECT_NE(Tool({"layout", stock, "--format", "html"}).out.find(
                  "<td>&quot;Item&quot; (line 1)</td><td>text</td>"),
              std::string::npos);
}

TEST_F(Fwtool, LookupCheckNamesWhatTheTerminalDoesWithEachBadRecord) {
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
    EXPECT_EQ(Tool({"lookup-check", P("a.QLT"), "2", P("d.txt")}).Said(),
              "3: line 2: field 2 \"x\" is not an integer \xE2\x80\x94 the terminal stops the import here: lines 2 to 4 "
              "are not imported\n"
              "line 3: the key \"A1\" repeats line 1 \xE2\x80\x94 not reached: the import stops at line 2\n"
              "line 4: field 1 \"C,3\" holds the first delimiter 44 (\",\"), and form 4 line 1 saves it: the export "
              "splits the field there\n"
              "lookup file 2 (\"2nd lookup file\"): 4 records, 2 bad, 1 with a delimiter in a saved field\n");
}

TEST_F(Fwtool, LanguageTemplateGivesEveryTextTheProgramReadsBackUnchangedAndTheCheckFindsWhatItMisreads) {
    ASSERT_EQ(Tool({"lang-template", P("new.lng")}).code, 0);
    std::string file = test::ReadText(dir / "new.lng");
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
    EXPECT_EQ(Tool({"lang-check", P("new.lng")}).Said(), "0: ");

    // Started from a translation, it keeps its name and texts and drops ids
    // the program does not have.
    test::WriteText(dir / "de.lng", "Deutsch\r\n31=&Neu\r\n99999=weg\r\n");
    ASSERT_EQ(Tool({"lang-template", P("full.lng"), "--from", P("de.lng")}).code, 0);
    const std::string full = test::ReadText(dir / "full.lng");
    EXPECT_EQ(full.substr(0, 9), "Deutsch\r\n");
    EXPECT_NE(full.find("\r\n31=&Neu\r\n32=&Open..."), std::string::npos);
    EXPECT_EQ(full.find("99999"), std::string::npos);

    // The check finds gaps and lines the program misreads.
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
    const ToolRun run = Tool({"lang-check", P("x.lng")});
    EXPECT_EQ(run.code, 3);
    test::WriteText(dir / "empty.lng", "");
    EXPECT_EQ(Tool({"lang-check", P("empty.lng")}).out,
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

TEST_F(Fwtool, ManyFilesGiveEachOneFileReportUnderItsNameAndTheWorstExitCode) {
    const auto under = [](const std::string& name, const ToolRun& run) { return "==> " + name + " <==\n" + run.out; };

    EXPECT_EQ(Tool({"check", stock, fresh, gone}).Said(), "3: " + under(stock, Tool({"check", stock})) + "\n" + under(fresh, Tool({"check", fresh})) + "\n" +
                             under(gone, Tool({"check", gone})));
    EXPECT_EQ(Tool({"check", stock, gone}).code, 1);

    EXPECT_EQ(Tool({"diff", stock, stock, fresh}).Said(), "1: " + under(stock, Tool({"diff", stock, stock})) + "\n" + under(fresh, Tool({"diff", stock, fresh})));
    EXPECT_EQ(Tool({"dump", "--flat", stock, fresh}).out,
              under(stock, Tool({"dump", "--flat", stock})) + "\n" + under(fresh, Tool({"dump", "--flat", fresh})));
    EXPECT_EQ(Tool({"layout", stock, stock}).out,
              under(stock, Tool({"layout", stock})) + "\n" + under(stock, Tool({"layout", stock})));

    for (const std::vector<std::string>& shapeless : {std::vector<std::string>{"dump", stock, stock, stock},
                                                      {"diff", stock}, {"layout", "--format", "html", stock, stock}})
        EXPECT_EQ(Tool(shapeless).code, 2) << shapeless[0];
}

// The reader's codes read as the Barcode page and the symbology dialogs list
// them: a byte on both sides, and the line that shows the change.
TEST_F(Fwtool, DiffReadsReaderCodesAsThePagesListThem) {
    const struct {
        std::uint8_t ReaderBlock::*field;
        std::uint8_t from, to;
        const char* line;
    } cases[] = {
        // Symbology dialogs' lists, their entries' codes their indexes.
        {&ReaderBlock::laserCode39LenMode, 3, 1, "reader laser code39 len mode: Range → One Length"},
        // The Barcode page's lists: numbers only; a code no entry has; codes of their own.
        {&ReaderBlock::laserSameCodeTimeout, 10, 25, "reader laser same code timeout: 10 → 25"},
        {&ReaderBlock::laserRedundancy, 1, 9, "reader laser redundancy: Level 1 → 9"},
        {&ReaderBlock::laserScanMode, 8, 4, "reader laser scan mode: Laser → Continuous"},
        // A symbology dialog's list with codes of its own.
        {&ReaderBlock::twoDMacroPdfMode, 4, 1,
         "reader 2D macro pdf mode: Pass throught All Symbols → Transmit Any Symbol in Set/No Particular Order"},
        // The good-read sound's entries are made by the page, not a run of texts.
        {&ReaderBlock::goodReadSound, 2, 0, "reader good read sound: Sound 2 → Mute"},
        // The reader list reads the type's bits as the page does (the laser
        // bit before the 2D one); a byte the list does not write keeps its
        // number. Both give the save the same engine code and options.
        {&ReaderBlock::readerType, kReaderType2D, 0xC0, "reader reader type: 2D Reader → 1D Laser Reader (0xC0)"},
    };
    test::TestDocument a, b;
    std::string expected;
    for (const auto& c : cases) {
        a.doc.blocks.reader.*c.field = c.from;
        b.doc.blocks.reader.*c.field = c.to;
        expected += std::string(c.line) + "\n";
    }
    ASSERT_TRUE(WriteTemplateFile(a.doc, dir / "a.QLT") && WriteTemplateFile(b.doc, dir / "b.QLT"));
    EXPECT_EQ(Tool({"diff", P("a.QLT"), P("b.QLT")}).out, expected);
}

TEST_F(Fwtool, DiffAsGitsExternalDiffNamesThePathAndLetsGitGoOn) {
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
        EXPECT_EQ(Tool(c.args).Said(), "0: " + c.out) << c.args[4];
    }
    const ToolRun refused = Tool(git(foreign, stock));
    EXPECT_EQ(refused.code, 0) << "git stops at an external diff that fails";
    EXPECT_NE(refused.out.find("incorrect"), std::string::npos);
    EXPECT_EQ(Tool({"diff", "--git", "t.QLT", stock, fresh}).code, 2);
}

TEST_F(Fwtool, MergeWritesOverOursReportsConflictsAndWritesNothingForARefusedSide) {
    const auto save = [this](const char* name, const char* prompt) {
        test::TestDocument t;
        test::MakeCleanTemplate(t.doc.blocks);
        std::strcpy(t.doc.blocks.forms[0].prompt[0], prompt);
        ASSERT_TRUE(WriteTemplateFile(t.doc, dir / name));
    };
    save("base.QLT", "Item");
    save("ours.QLT", "Code");
    save("theirs.QLT", "Article");
    test::WriteText(dir / "empty.QLT", "");
    const auto ours = test::ReadAll(dir / "ours.QLT");

    const ToolRun conflict = Tool({"merge", P("base.QLT"), P("ours.QLT"), P("theirs.QLT"), "-o",
                                   P("out.QLT")});
    EXPECT_EQ(conflict.code, 1);
    EXPECT_EQ(conflict.err, "conflict: form 1 line 1 prompt: \"Item\" \xE2\x86\x92 \"Code\" / \"Article\"\n");
    EXPECT_EQ(test::ReadAll(dir / "out.QLT"), ours) << "ours kept";

    for (const char* side : {"base.QLT", "ours.QLT", "theirs.QLT"}) {
        std::vector<std::string> args = {"merge", P("base.QLT"), P("ours.QLT"), P("theirs.QLT"),
                                         "-o", P("none.QLT")};
        std::replace(args.begin(), args.end(), P(side), foreign);
        EXPECT_EQ(Tool(args).code, 2) << side;
        EXPECT_FALSE(std::filesystem::exists(dir / "none.QLT")) << side;
    }

    // Without -o the result replaces ours; an empty base (both sides added
    // the file) is a new template.
    EXPECT_EQ(Tool({"merge", P("empty.QLT"), P("ours.QLT"), P("ours.QLT")}).code, 0);
    EXPECT_EQ(Tool({"merge", P("base.QLT"), P("base.QLT"), P("theirs.QLT")}).code, 0);
    EXPECT_EQ(Tool({"diff", P("base.QLT"), P("theirs.QLT")}).code, 0);
}

// The walk the face plays, headless, as a CI job runs it.
TEST_F(Fwtool, PreviewPrintsEachScreenAndTheStoredRecords) {
    test::TestDocument t;
    test::CountingTemplate(t.doc.blocks);
    ASSERT_TRUE(WriteTemplateFile(t.doc, dir / "counting.QLT"));
    test::WriteText(dir / "prices.txt", test::kPriceList);
    const std::string counting = P("counting.QLT"), prices = P("prices.txt");
    const ToolRun run = Tool({"preview", counting, "--keys", "1,SCAN,9999,ENT,SCAN,ENT,ESC", "--scan", "B200", "--scan",
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
        std::vector<std::string> args{"preview", counting};
        args.insert(args.end(), refused.begin(), refused.end());
        EXPECT_EQ(Tool(args).code, 2) << refused[1];
    }
    EXPECT_EQ(Tool({"preview", counting, "--lookup", "1=" + P("gone.txt")}).code, 1);
    const ToolRun ended = Tool({"preview", counting, "--keys", "ESC,ESC,1"});
    EXPECT_EQ(ended.code, 0);
    EXPECT_NE(ended.out.find("the preview has ended; 1 key is left unplayed"), std::string::npos);
}

}  // namespace
}  // namespace fw
