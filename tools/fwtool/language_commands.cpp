// lang-template and lang-check: language files for translators. A file is
// line 1, the display name, then "id=text" lines ended by CR LF; the program
// reads at most 55999 bytes of it.
#include <algorithm>
#include <map>
#include <string_view>

#include "strings/language_files.h"
#include "template/device_texts.h"
#include "template/value_words.h"
#include "tools/fwtool/commands.h"
#include "tools/fwtool/tool_files.h"

namespace fw {
namespace {

// Every id the program has a text for: the ids a language file should give.
std::map<int, std::string> ProgramTexts(const StringSource& builtin) {
    std::map<int, std::string> texts;
    for (int id = 0; id < kStringIdCount; ++id)
        if (std::string text = builtin.Get(id); !text.empty()) texts.emplace(id, std::move(text));
    return texts;
}

bool IsDeviceText(int id) {
    for (const DeviceTable& table : kDeviceTables)
        if (id >= table.firstId && id < table.firstId + table.slotCount) return true;
    return false;
}

// The id in front of "=", read as the program reads it: leading white space,
// a sign, digits; no digits at all gives nothing (the program takes it as 0).
std::optional<long> LineId(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t\v\f\r");
    if (i == std::string_view::npos) return std::nullopt;
    const bool negative = text[i] == '-';
    if (text[i] == '+' || text[i] == '-') ++i;
    long id = 0;
    const std::size_t first = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && id < 1000000; ++i) id = id * 10 + (text[i] - '0');
    if (i == first) return std::nullopt;
    return negative ? -id : id;
}

class LanguageChecker {
public:
    LanguageChecker(const std::string& contents, std::ostream& out) : contents_(contents), out_(out) {}

    bool Run() {
        if (contents_.empty()) {
            Error("the file is empty: the program lists no language for it");
            return errors_;
        }
        const std::map<int, std::string> program = ProgramTexts(builtin_);
        const std::string_view read = std::string_view(contents_).substr(0, kLanguageFileBytes);
        std::size_t lf = read.find('\n');
        if (LanguageDisplayName(read).empty())
            Error("line 1: no display name; the program leaves the file out of its list");
        if (contents_.size() > kLanguageFileBytes)
            Error("the file holds " + std::to_string(contents_.size()) + " bytes; the program reads the first " +
                  std::to_string(kLanguageFileBytes) + ", so line " +
                  std::to_string(1 + std::count(read.begin(), read.end(), '\n')) + " on is lost");
        std::map<long, int> lineOfId;
        for (int number = 2; lf != std::string_view::npos && lf + 1 < read.size(); ++number) {
            const std::size_t start = lf + 1;
            lf = read.find('\n', start);
            std::string_view line = read.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start);
            CheckLine(number, line, program, lineOfId);
        }
        // What the program ends up with decides what is missing or empty.
        LanguageTable table;
        ApplyLanguageText(contents_, table);
        for (const auto& [id, text] : program) {
            if (table.Slot(id)[0] != '\0') continue;
            const auto given = lineOfId.find(id);
            Error(given == lineOfId.end()
                      ? "id " + std::to_string(id) + " is missing (the program's text: " + Quoted(text) + ")"
                      : "line " + std::to_string(given->second) + ": id " + std::to_string(id) +
                            " is empty (the program's text: " + Quoted(text) + ")");
        }
        return errors_;
    }

private:
    void Error(const std::string& message) {
        out_ << "error: " << message << "\n";
        errors_ = true;
    }
    void Warning(const std::string& message) { out_ << "warning: " << message << "\n"; }

    void CheckLine(int number, std::string_view line, const std::map<int, std::string>& program,
                   std::map<long, int>& lineOfId) {
        const std::string at = "line " + std::to_string(number) + ": ";
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            if (!line.empty() && line != "\r")
                Error(at + "no \"=\": the program reads on into the next line for the id");
            return;
        }
        const std::optional<long> id = LineId(line.substr(0, eq));
        if (!id) {
            Error(at + Quoted(line.substr(0, eq)) + " is no id: the program files the text under id 0");
            return;
        }
        const std::string idText = "id " + std::to_string(*id);
        if (line.back() != '\r') Error(at + "no CR before the line's end: the program drops the text's last character");
        const std::size_t length = line.size() - eq - 1 - (line.back() == '\r' ? 1 : 0);
        if (*id < 0 || *id >= kStringIdCount) {
            Warning(at + idText + " is outside 0 to " + std::to_string(kStringIdCount - 1) + "; the program ignores it");
            return;
        }
        if (program.count(static_cast<int>(*id)) == 0) Warning(at + idText + " is not one the program uses");
        if (const auto [earlier, first] = lineOfId.emplace(*id, number); !first) {
            Warning(at + idText + " is given on line " + std::to_string(earlier->second) + " too; this line wins");
            earlier->second = number;
        }
        if (length > kLanguageSlotSize - 1)
            Warning(at + idText + " has " + std::to_string(length) + " characters; the program keeps " +
                    std::to_string(kLanguageSlotSize - 1));
        else if (IsDeviceText(static_cast<int>(*id)) && length > kSlotSize - 1)
            Warning(at + idText + " has " + std::to_string(length) +
                    " characters; the terminal's screen shows the first " + std::to_string(kSlotSize - 1));
    }

    const std::string& contents_;
    std::ostream& out_;
    CompiledStringTable builtin_;
    bool errors_ = false;
};

}  // namespace

int RunLangTemplate(const std::string& target, const std::string& from, Streams io) {
    CompiledStringTable builtin;
    LanguageTable translation;
    // A new file is named after itself until the translator names it.
    std::string name = std::filesystem::path(target).stem().string();
    if (!from.empty()) {
        const std::optional<std::string> contents = ReadFileText(from, kLanguageFileBytes);
        if (!contents) {
            io.err << "fwtool: cannot open " << from << "\n";
            return kExitFile;
        }
        ApplyLanguageText(*contents, translation);
        if (const std::string_view given = LanguageDisplayName(*contents); !given.empty()) name = given;
    }
    std::string file = name + "\r\n";
    for (const auto& [id, text] : ProgramTexts(builtin)) {
        const char* translated = translation.Slot(id);
        file += std::to_string(id) + "=" + (translated[0] != '\0' ? std::string(translated) : text) + "\r\n";
    }
    if (file.size() > kLanguageFileBytes)
        io.err << "fwtool: warning: " << target << " holds " << file.size() << " bytes; the program reads only the first "
               << kLanguageFileBytes << "\n";
    if (WriteFileBytes(target, file)) return kExitOk;
    io.err << "fwtool: cannot create " << target << "\n";
    return kExitFile;
}

int RunLangCheck(const std::string& source, Streams io) {
    const std::optional<std::string> contents = ReadFileText(source);
    if (!contents) {
        io.err << "fwtool: cannot open " << source << "\n";
        return kExitFile;
    }
    return LanguageChecker(*contents, io.out).Run() ? kExitFindings : kExitOk;
}

}  // namespace fw
