// preview: the terminal playing a template headless, as the designer's
// Preview does on the face: each screen after each key, then the records.
#include <algorithm>
#include <cstdio>

#include "preview/key_script.h"
#include "preview/preview_texts.h"
#include "preview/terminal_preview.h"
#include "template/ansi_text.h"
#include "template/fixed_text.h"
#include "template/value_words.h"
#include "tools/fwtool/commands.h"
#include "tools/fwtool/tool_files.h"

namespace fw {
namespace {

// Keys and scans come as UTF-8, as the tool writes; bytes that are no
// UTF-8 (a Windows console's code page) are taken as they stand.
std::string TemplateText(const std::string& argument) { return Utf8ToAnsi(argument).value_or(argument); }

int DaysIn(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

// "2024-05-01 12:30:00", a moment that exists.
bool ParseMoment(const std::string& text, Moment& moment) {
    char end = 0;
    return std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d%c", &moment.year, &moment.month, &moment.day, &moment.hour,
                       &moment.minute, &moment.second, &end) == 6 &&
           moment.year >= 1 && moment.month >= 1 && moment.month <= 12 && moment.day >= 1 &&
           moment.day <= DaysIn(moment.year, moment.month) && moment.hour >= 0 && moment.hour <= 23 &&
           moment.minute >= 0 && moment.minute <= 59 && moment.second >= 0 && moment.second <= 59;
}

// The lookup data named by "N=DATA.TXT" imported into lookup file N.
int LoadLookupData(TerminalPreview& preview, const std::string& option, Streams io) {
    const std::size_t equals = option.find('=');
    const int number = equals == 1 ? option[0] - '0' : 0;
    if (number < 1 || number > kLookupCount) {
        io.err << "fwtool: --lookup " << option << ": give it as N=DATA.TXT, N from 1 to " << kLookupCount << "\n";
        return kExitRefused;
    }
    const std::string path = option.substr(equals + 1);
    const std::optional<std::string> data = ReadFileText(path);
    if (!data) {
        io.err << "fwtool: cannot open " << path << "\n";
        return kExitFile;
    }
    const LookupImport& import =
        preview.lookups().Load(preview.played().blocks.lookups[number - 1], number - 1, path, *data);
    io.out << "lookup file " << number << ": ";
    if (!import.problem.empty()) io.out << path << " cannot be imported: " << import.problem << "\n";
    else io.out << Counted(static_cast<std::size_t>(import.imported), "record") << " from " << path << ", " << import.refused << " refused\n";
    return kExitOk;
}

void PrintScreen(const TerminalPreview& preview, const std::string& label, std::ostream& out) {
    out << "\n[" << label << "]\n" << ScreenText(preview.screen());
}

void PrintRecords(const TerminalPreview& preview, const UiStrings& strings, std::ostream& out) {
    const TemplateBlocks& blocks = preview.played().blocks;
    out << "\nstored records\n";
    if (preview.records().empty()) out << "  none\n";
    for (int f = 0; f < kFormCount; ++f) {
        std::vector<StoredRecord> records;
        for (const StoredRecord& record : preview.records())
            if (record.form == f) records.push_back(record);
        if (records.empty()) continue;
        const FormRecord& form = blocks.forms[f];
        const RecordLayout& layout = preview.layout(f);
        out << "form " << f + 1 << ": " << Counted(records.size(), "record")
            << ", export file \"" << AnsiToUtf8(ExportFileName(form, f, strings)) << "\"\n";
        const std::string table = RecordTable(form, layout, records, strings);
        for (std::size_t start = 0; start < table.size();) {
            const std::size_t end = table.find('\n', start);
            out << "  " << AnsiToUtf8(table.substr(start, end - start)) << "\n";
            start = end + 1;
        }
        out << "  export:\n";
        const std::string text = ExportText(form, layout, blocks.settings, records);
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find("\r\n", start);
            out << "  " << AnsiToUtf8(ReadableCodes(text.substr(start, end - start))) << "\n";
            start = end + 2;
        }
        for (const std::string& note : RecordNotes(layout, blocks.settings, strings))
            out << "  * " << AnsiToUtf8(note) << "\n";
    }
}

}  // namespace

int RunPreview(const std::string& source, const PreviewOptions& options, Streams io) {
    const KeyScript script = ParseKeyScript(options.keys.empty() ? "WAIT" : TemplateText(options.keys));
    if (!script.error.empty()) {
        io.err << "fwtool: --keys: " << script.error << "\n";
        return kExitRefused;
    }
    const auto scanKeys = std::count_if(script.steps.begin(), script.steps.end(),
                                        [](const ScriptStep& step) { return step.kind == ScriptStep::Kind::Scan; });
    if (scanKeys != static_cast<long>(options.scans.size())) {
        io.err << "fwtool: --keys has " << scanKeys << " SCAN, but " << Counted(options.scans.size(), "--scan text")
               << (options.scans.size() == 1 ? " is" : " are") << " given\n";
        return kExitRefused;
    }
    Moment fixed{};
    if (!options.time.empty() && !ParseMoment(options.time, fixed)) {
        io.err << "fwtool: --time " << options.time << ": give a moment that exists as YYYY-MM-DD HH:MM:SS\n";
        return kExitRefused;
    }

    ToolDocument tool;
    if (const int code = OpenTemplate(tool, source, io.err); code != kExitOk) return code;
    TerminalPreview preview(tool.doc, options.time.empty() ? PreviewClock(LocalMoment) : [fixed] { return fixed; });
    io.out << "preview of " << source << "\n* " << AnsiToUtf8(tool.strings.Text(kTextTerminalSettings)) << ": "
           << AnsiToUtf8(tool.strings.Text(kTextNotPreviewed)) << "\n";
    for (const std::string& lookup : options.lookups)
        if (const int code = LoadLookupData(preview, lookup, io); code != kExitOk) return code;

    preview.Start();
    PrintScreen(preview, "start", io.out);
    std::size_t scan = 0;
    for (std::size_t n = 0; n < script.steps.size() && !options.keys.empty(); ++n) {
        const ScriptStep& step = script.steps[n];
        if (preview.ended()) {
            const std::size_t left = script.steps.size() - n;
            io.out << "\nthe preview has ended; " << Counted(left, "key") << (left == 1 ? " is" : " are")
                   << " left unplayed\n";
            break;
        }
        const bool scanning = step.kind == ScriptStep::Kind::Scan;
        const std::string data = scanning ? TemplateText(options.scans[scan++]) : "";
        PlayStep(preview, step, data);
        PrintScreen(preview, AnsiToUtf8(scanning ? "SCAN " + data : step.token), io.out);
        // The terminal goes on by itself after a timed notice.
        if (const int hold = preview.holdTime()) {
            preview.TimeUp();
            PrintScreen(preview, std::to_string(hold) + " ms later", io.out);
        }
    }
    if (preview.ended()) io.out << "\nthe preview has ended\n";
    PrintRecords(preview, tool.strings, io.out);
    return kExitOk;
}

}  // namespace fw
