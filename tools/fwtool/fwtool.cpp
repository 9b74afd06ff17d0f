#include "tools/fwtool/fwtool.h"

#include <map>

#include <CLI/CLI.hpp>

#include "pages/reader/reader_code_lists.h"
#include "strings/string_source.h"
#include "strings/ui_strings.h"
#include "template/blocks/lookup_block.h"
#include "tools/fwtool/argument_errors.h"
#include "tools/fwtool/commands.h"
#include "tools/fwtool/many_files.h"
#include "tools/fwtool/tool_files.h"

namespace fw {
namespace {

// The reader's codes as the pages list them, in the program's own texts.
ByteCodeLists ReaderWords() {
    const CompiledStringTable builtin;
    const UiStrings strings{builtin};
    return ReaderCodeLists(strings);
}

}  // namespace

int RunFwtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, std::istream& in) {
    CLI::App app{"fwtool: Formwright templates (*.QLT) on the command line", "fwtool"};
    app.require_subcommand(1);
    // git names a missing side "/dev/null" on Windows too: no "/option" there.
    app.allow_windows_style_options(false);
    app.footer("Exit codes: 0 done; 1 a file cannot be opened or created (diff: the files differ; merge: conflicts);\n"
               "2 refused input or arguments (diff, merge: a file refused or unreadable); 3 errors found.\n"
               "Of many files, the highest code counts.");

    std::string source, target, language, data, from;
    std::vector<std::string> files;
    bool prepare = false, flat = false, gitDiff = false;
    int lookupNumber = 0;
    LayoutFormat format = LayoutFormat::Text;
    const std::map<std::string, int> formats = {{"text", static_cast<int>(LayoutFormat::Text)},
                                                {"markdown", static_cast<int>(LayoutFormat::Markdown)},
                                                {"html", static_cast<int>(LayoutFormat::Html)}};

    CLI::App* newCmd = app.add_subcommand("new", "Write a new template, as New and Save do");
    newCmd->add_option("OUT.QLT", target, "Template to write")->required();
    newCmd->add_option("--lang", language, "Language file for the terminal's screen texts");

    CLI::App* prepareCmd = app.add_subcommand("prepare", "Read a template as Open does and write it as Save does");
    prepareCmd->add_option("IN.QLT", source, "Template to read")->required();
    prepareCmd->add_option("OUT.QLT", target, "Template to write")->required();
    prepareCmd->add_option("--lang", language, "Language file for the terminal's screen texts");

    CLI::App* dump = app.add_subcommand("dump", "Write the whole template as JSON, or with --flat one line per field");
    dump->add_option("FILES", files, "IN.QLT [OUT.json] (standard output when left out); with --flat: IN.QLT...")
        ->required();
    dump->add_flag("--flat", flat, "\"label = value\" lines in file order, for git's textconv");

    CLI::App* build = app.add_subcommand("build", "Build a template from JSON; keys left out keep a new template's values");
    build->add_option("IN.json", source, "JSON to read; - for standard input")->required();
    build->add_option("OUT.QLT", target, "Template to write")->required();
    build->add_flag("--prepare", prepare,
                    "Work out what the designer derives on OK and Save (input lines, item counts, record shapes)");

    CLI::App* check = app.add_subcommand("check", "Report what will go wrong on the terminal");
    check->add_option("IN.QLT", files, "Templates to check")->required();

    CLI::App* diff = app.add_subcommand("diff", "List the fields in which two templates differ");
    diff->add_option("FILES", files, "A.QLT B.QLT..., each B compared with A; with --git: git's arguments")
        ->required();
    diff->add_flag("--git", gitDiff, "Run as git's external diff: a header naming the path, exit code 0");

    CLI::App* layout = app.add_subcommand("layout", "Describe the records each form saves");
    layout->add_option("IN.QLT", files, "Templates to read")->required();
    layout->add_option("--format", format, "text, markdown or html")
        ->transform(ChoiceOf(formats, "text, markdown or html"));

    CLI::App* lookupCheck = app.add_subcommand("lookup-check", "Check a lookup data file against a lookup file's definition");
    lookupCheck->add_option("IN.QLT", source, "Template to read")->required();
    lookupCheck->add_option("N", lookupNumber, "Lookup file number")
        ->required()
        ->check(NumberFrom(1, kLookupCount, "lookup file number"));
    lookupCheck->add_option("DATA.TXT", data, "Lookup data to check")->required();

    CLI::App* langTemplate = app.add_subcommand("lang-template", "Write a complete language file to translate from");
    langTemplate->add_option("OUT.lng", target, "Language file to write")->required();
    langTemplate->add_option("--from", from, "Language file whose texts to keep where it has them");

    PreviewOptions previewOptions;
    CLI::App* preview = app.add_subcommand("preview", "Play a template as the terminal would and print each screen");
    preview->add_option("IN.QLT", source, "Template to play")->required();
    preview->add_option("--keys", previewOptions.keys,
                        "Keys as typed, e.g. \"1,ENT,12345,ENT,SCAN,ESC\": ENT ESC BS UP DOWN LEFT RIGHT F1-F4 FN, "
                        "SCAN reads the next --scan, WAIT lets time pass, anything else is typed");
    preview->add_option("--scan", previewOptions.scans, "Reader data for a SCAN key; repeat for each, in order");
    preview->add_option("--lookup", previewOptions.lookups, "N=DATA.TXT: lookup data for lookup file N; repeatable");
    preview->add_option("--time", previewOptions.time, "\"YYYY-MM-DD HH:MM:SS\" for the time stamps (default: now)");

    std::string base, ours, theirs, output;
    CLI::App* merge = app.add_subcommand("merge", "Merge two sides' changes to a template field by field (git's merge driver)");
    merge->add_option("BASE.QLT", base, "The common ancestor")->required();
    merge->add_option("OURS.QLT", ours, "Our side; the result replaces it unless -o is given")->required();
    merge->add_option("THEIRS.QLT", theirs, "Their side")->required();
    merge->add_option("-o,--output", output, "Template to write the result to");

    CLI::App* gitSetup =
        app.add_subcommand("git-setup", "Make the git repository here diff and merge *.QLT files with fwtool");

    CLI::App* langCheck = app.add_subcommand("lang-check", "Report gaps and faults of a language file");
    langCheck->add_option("FILE.lng", source, "Language file to check")->required();

    try {
        // CLI11 takes the arguments last first.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError& e) {
        err << ArgumentProblem(e, app, args) << "\n";
        return kExitRefused;
    }

    const Streams io{out, err, &in};
    if (newCmd->parsed()) return RunNew(target, language, io);
    if (prepareCmd->parsed()) return RunPrepare(source, target, language, io);
    if (dump->parsed()) return RunDumpCommand(files, flat, ReaderWords(), io);
    if (build->parsed()) return RunBuild(source, target, prepare, io);
    if (check->parsed()) return ForEachFile(files, io, RunCheck);
    if (diff->parsed()) return RunDiffCommand(files, gitDiff, ReaderWords(), io);
    if (layout->parsed()) return RunLayoutCommand(files, format, io);
    if (lookupCheck->parsed()) return RunLookupCheck(source, lookupNumber, data, io);
    if (langTemplate->parsed()) return RunLangTemplate(target, from, io);
    if (preview->parsed()) return RunPreview(source, previewOptions, io);
    if (merge->parsed()) return RunMerge(base, ours, theirs, output, ReaderWords(), io);
    if (gitSetup->parsed()) return RunGitSetup(io);
    return RunLangCheck(source, io);
}

}  // namespace fw
