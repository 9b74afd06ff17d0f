#include "tools/fwtool/fwtool.h"

#include <map>

#include <CLI/CLI.hpp>

#include "template/blocks/lookup_block.h"
#include "tools/fwtool/argument_errors.h"
#include "tools/fwtool/commands.h"
#include "tools/fwtool/tool_files.h"

namespace fw {

int RunFwtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, std::istream& in) {
    CLI::App app{"fwtool: Formwright templates (*.QLT) on the command line", "fwtool"};
    app.require_subcommand(1);
    app.footer("Exit codes: 0 done; 1 a file cannot be opened or created (diff: the files differ);\n"
               "2 refused input or arguments (diff: a file refused or unreadable); 3 errors found.");

    std::string source, target, second, language, data, from;
    bool prepare = false;
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

    CLI::App* dump = app.add_subcommand("dump", "Write the whole template as JSON");
    dump->add_option("IN.QLT", source, "Template to read")->required();
    dump->add_option("OUT.json", target, "JSON file to write (standard output when left out)");

    CLI::App* build = app.add_subcommand("build", "Build a template from JSON; keys left out keep a new template's values");
    build->add_option("IN.json", source, "JSON to read; - for standard input")->required();
    build->add_option("OUT.QLT", target, "Template to write")->required();
    build->add_flag("--prepare", prepare,
                    "Work out what the designer derives on OK and Save (input lines, item counts, record shapes)");

    CLI::App* check = app.add_subcommand("check", "Report what will go wrong on the terminal");
    check->add_option("IN.QLT", source, "Template to check")->required();

    CLI::App* diff = app.add_subcommand("diff", "List the fields in which two templates differ");
    diff->add_option("A.QLT", source, "First template")->required();
    diff->add_option("B.QLT", second, "Second template")->required();

    CLI::App* layout = app.add_subcommand("layout", "Describe the records each form saves");
    layout->add_option("IN.QLT", source, "Template to read")->required();
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
    if (dump->parsed()) return RunDump(source, target, io);
    if (build->parsed()) return RunBuild(source, target, prepare, io);
    if (check->parsed()) return RunCheck(source, io);
    if (diff->parsed()) return RunDiff(source, second, io);
    if (layout->parsed()) return RunLayout(source, format, io);
    if (lookupCheck->parsed()) return RunLookupCheck(source, lookupNumber, data, io);
    if (langTemplate->parsed()) return RunLangTemplate(target, from, io);
    if (preview->parsed()) return RunPreview(source, previewOptions, io);
    return RunLangCheck(source, io);
}

}  // namespace fw
