// git-setup: makes the repository it runs in show and merge templates with
// this fwtool, the .gitattributes line (shared through the repository) and
// the driver entries of the clone's own git config.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "tools/fwtool/commands.h"
#include "tools/fwtool/tool_files.h"

namespace fw {
namespace {

constexpr const char* kAttributes = "*.QLT -text diff=fwtool merge=fwtool";

// For the commands git runs through its shell, on Windows too.
std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// For the commands fwtool runs through the system's own shell.
std::string ArgQuoted(const std::string& text) {
#ifdef _WIN32
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\\\"") : std::string(1, c);
    return quoted + "\"";
#else
    return ShellQuoted(text);
#endif
}

// The standard output of a command that succeeded, without its last newline.
std::optional<std::string> Output(const std::string& command) {
#ifdef _WIN32
    // cmd strips the outer quotes of a line that starts with one.
    FILE* pipe = _popen(("\"" + command + " 2>NUL\"").c_str(), "r");
#else
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
#endif
    if (pipe == nullptr) return std::nullopt;
    std::string text;
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) text.append(buffer.data(), n);
#ifdef _WIN32
    const int status = _pclose(pipe);
#else
    const int status = pclose(pipe);
#endif
    if (status != 0) return std::nullopt;
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (!text.empty() && text.back() == '\r') text.pop_back();
    return text;
}

// This program's own file, so the entries work without it on the PATH.
std::string ProgramPath() {
#ifdef _WIN32
    if (_pgmptr != nullptr && *_pgmptr != '\0') return std::filesystem::path(_pgmptr).generic_string();
#else
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return path.string();
#endif
    return "fwtool";
}

bool HasLine(const std::string& text, const std::string& line) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view candidate(text.data() + start, end - start);
        if (!candidate.empty() && candidate.back() == '\r') candidate.remove_suffix(1);
        if (candidate == line) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

int RunGitSetup(Streams io) {
    const std::optional<std::string> top = Output("git rev-parse --show-toplevel");
    if (!top || top->empty()) {
        io.err << "fwtool: git-setup runs inside a git repository (git rev-parse --show-toplevel found none)\n";
        return kExitFile;
    }
    bool changed = false;

    const std::filesystem::path attributesFile = std::filesystem::path(*top) / ".gitattributes";
    std::string attributes = ReadFileText(attributesFile.string()).value_or("");
    if (HasLine(attributes, kAttributes)) {
        io.out << ".gitattributes has \"" << kAttributes << "\"\n";
    } else {
        if (!attributes.empty() && attributes.back() != '\n') attributes += '\n';
        attributes += std::string(kAttributes) + "\n";
        if (!WriteFileBytes(attributesFile, attributes)) {
            io.err << "fwtool: cannot create " << attributesFile.string() << "\n";
            return kExitFile;
        }
        io.out << ".gitattributes: added \"" << kAttributes << "\" (commit it: it goes with the repository)\n";
        changed = true;
    }

    const std::string program = ShellQuoted(ProgramPath());
    const std::pair<const char*, std::string> entries[] = {
        {"diff.fwtool.textconv", program + " dump --flat"},
        {"diff.fwtool.command", program + " diff --git"},
        {"merge.fwtool.name", "Formwright templates, field by field"},
        {"merge.fwtool.driver", program + " merge %O %A %B"},
    };
    for (const auto& [key, value] : entries) {
        if (Output("git config --local --get " + std::string(key)) == value) {
            io.out << "git config " << key << " is " << value << "\n";
            continue;
        }
        if (!Output("git config --local " + std::string(key) + " " + ArgQuoted(value))) {
            io.err << "fwtool: git config " << key << " could not be set\n";
            return kExitFile;
        }
        io.out << "git config " << key << ": set to " << value << "\n";
        changed = true;
    }
    io.out << (changed ? "done: git diff and git merge now read *.QLT files field by field\n"
                       : "nothing to change: the repository was set up already\n");
    return kExitOk;
}

}  // namespace fw
