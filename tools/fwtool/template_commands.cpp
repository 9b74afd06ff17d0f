// new, prepare, dump, build, check, diff and lookup-check: the commands that
// read or write template files.

#include <iterator>

#include "pages/form/form_normalize.h"
#include "template/fixed_text.h"
#include "template/lookup_data.h"
#include "template/saved_lookup_fields.h"
#include "template/template_check.h"
#include "template/template_diff.h"
#include "template/template_file.h"
#include "template/value_words.h"
#include "tools/fwtool/commands.h"
#include "tools/fwtool/template_json.h"
#include "tools/fwtool/tool_files.h"

namespace fw {
namespace {

constexpr int kExitDiffers = 1;  // diff only, as diff(1) has it

int Save(ToolDocument& tool, const std::string& target, Streams io) {
    if (WriteTemplateFile(tool.doc, target)) return kExitOk;
    io.err << "fwtool: cannot create " << target << "\n";
    return kExitFile;
}

bool WriteText(const std::string& target, const std::string& text, Streams io) {
    if (WriteFileBytes(target, text)) return true;
    io.err << "fwtool: cannot create " << target << "\n";
    return false;
}

// What the designer does between opening a file and saving it after OK:
// the pages' apply passes, then the save preparation when it is written.
void ApplyAsTheSheetDoes(TemplateDocument& doc) {
    NormalizeLookups(doc.blocks.lookups);
    for (MenuRecord& menu : doc.blocks.menus) CountMenuItems(menu);
    NormalizeForms(doc.blocks.forms, doc.blocks.lookups, doc.readerWorking.readerType);
}

}  // namespace

int RunNew(const std::string& target, const std::string& language, Streams io) {
    ToolDocument tool;
    if (!language.empty() && !tool.StartWithLanguage(language)) {
        io.err << "fwtool: cannot read language file " << language << "\n";
        return kExitFile;
    }
    return Save(tool, target, io);
}

int RunPrepare(const std::string& source, const std::string& target, const std::string& language, Streams io) {
    ToolDocument tool;
    if (!language.empty() && !tool.StartWithLanguage(language)) {
        io.err << "fwtool: cannot read language file " << language << "\n";
        return kExitFile;
    }
    if (const int code = OpenTemplate(tool, source, io.err); code != kExitOk) return code;
    return Save(tool, target, io);
}

int RunDump(const std::string& source, const std::string& target, Streams io) {
    std::vector<std::uint8_t> image;
    if (const int code = ReadTemplateBytes(source, image, io.err); code != kExitOk) return code;
    const std::string json = JsonText(DumpTemplate(image));
    if (target.empty()) {
        io.out << json;
        return kExitOk;
    }
    return WriteText(target, json, io) ? kExitOk : kExitFile;
}

int RunBuild(const std::string& source, const std::string& target, bool prepare, Streams io) {
    const bool standardInput = source == "-" && io.in != nullptr;
    const std::optional<std::string> json =
        standardInput ? std::optional(std::string(std::istreambuf_iterator<char>(*io.in), {})) : ReadFileText(source);
    if (!json) {
        io.err << "fwtool: cannot open " << source << "\n";
        return kExitFile;
    }
    ToolDocument tool;
    std::vector<std::uint8_t> image = TemplateImage(tool.doc);
    try {
        BuildTemplate(*json, image);
    } catch (const BuildError& e) {
        io.err << "fwtool: " << (standardInput ? "standard input" : source) << ": " << e.what() << "\n";
        return kExitRefused;
    }
    if (prepare) {
        LoadTemplateImage(tool.doc, image);
        ApplyAsTheSheetDoes(tool.doc);
        return Save(tool, target, io);
    }
    const std::string bytes(image.begin(), image.end());
    return WriteText(target, bytes, io) ? kExitOk : kExitFile;
}

int RunCheck(const std::string& source, Streams io) {
    std::string bytes;
    if (const int code = ReadTemplateFileBytes(source, bytes, io.err); code != kExitOk) return code;
    const CompiledStringTable builtin;
    const UiStrings strings(builtin);
    const std::span file(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    bool errors = false;
    for (const Finding& finding : CheckTemplateFile(file, strings)) {
        io.out << FindingLine(finding) << "\n";
        errors = errors || finding.severity == Severity::Error;
    }
    return errors ? kExitFindings : kExitOk;
}

int RunDiff(const std::string& first, const std::string& second, const ByteCodeLists& words, Streams io) {
    std::vector<std::uint8_t> a, b;
    // Any trouble with either file is 2, as diff has it.
    if (ReadTemplateBytes(first, a, io.err) != kExitOk || ReadTemplateBytes(second, b, io.err) != kExitOk)
        return kExitRefused;
    const std::vector<std::string> lines = DiffTemplates(a, b, words);
    for (const std::string& line : lines) io.out << line << "\n";
    return lines.empty() ? kExitOk : kExitDiffers;
}

int RunLookupCheck(const std::string& source, int lookupNumber, const std::string& data, Streams io) {
    ToolDocument tool;
    if (const int code = OpenTemplate(tool, source, io.err); code != kExitOk) return code;
    const LookupRecord& lookup = tool.doc.blocks.lookups[lookupNumber - 1];
    const std::string name = "lookup file " + std::to_string(lookupNumber);
    if (const std::string problem = LookupDefinitionProblem(lookup); !problem.empty()) {
        io.err << "fwtool: " << name << " cannot be checked against: " << problem << "\n";
        return kExitRefused;
    }
    const std::optional<std::string> text = ReadFileText(data);
    if (!text) {
        io.err << "fwtool: cannot open " << data << "\n";
        return kExitFile;
    }
    const std::vector<LookupDataRecord> records = ReadLookupData(lookup, *text);
    // In the data's order: a record's split fields, then what is wrong with it.
    const std::vector<LookupFinding> findings = LookupFindings(lookup, records);
    auto finding = findings.begin();
    int splitting = 0;
    for (const LookupDataRecord& record : records) {
        const std::vector<std::string> splits = SavedDelimiterProblems(tool.doc.blocks, lookupNumber - 1, record);
        for (const std::string& split : splits) io.out << "line " << record.line << ": " << split << "\n";
        splitting += splits.empty() ? 0 : 1;
        if (finding == findings.end() || finding->line != record.line) continue;
        io.out << "line " << finding->line << ": " << finding->problems << " \xE2\x80\x94 " << finding->outcome << "\n";
        ++finding;
    }
    io.out << name << " (" << Quoted(FieldText(lookup.exportName)) << "): " << Counted(records.size(), "record") << ", "
           << (findings.empty() ? "all good" : std::to_string(findings.size()) + " bad")
           << (splitting == 0 ? "" : ", " + std::to_string(splitting) + " with a delimiter in a saved field") << "\n";
    return findings.empty() && splitting == 0 ? kExitOk : kExitFindings;
}

}  // namespace fw
