// dump --flat and diff --git: the two ways git shows a template's changes,
// as text lines for its own diff (textconv) and as the field-level diff in
// its place (external diff).
#include "template/flat_dump.h"
#include "template/template_diff.h"
#include "tools/fwtool/commands.h"
#include "tools/fwtool/many_files.h"
#include "tools/fwtool/tool_files.h"

namespace fw {
namespace {

constexpr const char* kNoFile = "/dev/null";  // git's name for the side a file lacks

}  // namespace

int RunDumpFlat(const std::string& source, const ByteCodeLists& words, Streams io) {
    std::vector<std::uint8_t> image;
    if (const int code = ReadTemplateBytes(source, image, io.err); code != kExitOk) return code;
    io.out << FlatDump(image, words);
    return kExitOk;
}

int RunGitDiff(const std::vector<std::string>& args, const ByteCodeLists& words, Streams io) {
    // git passes: path, and for a path it can compare old-file old-hex
    // old-mode new-file new-hex new-mode, and for a rename the new path and
    // its header lines.
    if (args.size() != 1 && args.size() != 7 && args.size() != 9) {
        io.err << "fwtool: diff --git takes the 7 arguments git gives an external diff (1 when unmerged, 9 for a "
                  "rename), not "
               << args.size() << "\n";
        return kExitRefused;
    }
    io.out << ReportHeader(args.size() == 9 ? args[0] + kArrow + args[7] : args[0]) << "\n";
    if (args.size() == 1) {
        io.out << "unmerged: the merge left conflicts to resolve\n";
        return kExitOk;
    }
    const std::string &oldFile = args[1], &oldMode = args[3], &newFile = args[4], &newMode = args[6];
    if (oldFile == kNoFile || newFile == kNoFile) {
        io.out << (oldFile == kNoFile ? "new template" : "deleted template") << "\n";
        return kExitOk;
    }
    if (oldMode != newMode) io.out << "mode " << oldMode << kArrow << newMode << "\n";
    // git stops at an external diff's failure, so whatever keeps the
    // comparison from being made is told in the output instead.
    std::vector<std::uint8_t> a, b;
    if (ReadTemplateBytes(oldFile, a, io.out) != kExitOk || ReadTemplateBytes(newFile, b, io.out) != kExitOk)
        return kExitOk;
    for (const std::string& line : DiffTemplates(a, b, words)) io.out << line << "\n";
    return kExitOk;
}

}  // namespace fw
