// merge: two people's changes to one template, field by field, as git's
// merge driver (%O %A %B; the result replaces %A).
#include <filesystem>
#include <system_error>

#include "template/template_file.h"
#include "template/template_merge.h"
#include "tools/fwtool/commands.h"
#include "tools/fwtool/tool_files.h"

namespace fw {
namespace {

constexpr int kExitConflicts = 1;  // git marks the file conflicted

// git gives an empty base when both sides added the file: they then share
// no more than a new template.
int ReadSide(const std::string& path, std::vector<std::uint8_t>& image, std::ostream& err) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) == 0 && !error) {
        image = TemplateImage(ToolDocument().doc);
        return kExitOk;
    }
    return ReadTemplateBytes(path, image, err);
}

}  // namespace

int RunMerge(const std::string& base, const std::string& ours, const std::string& theirs, const std::string& target,
             const ByteCodeLists& words, Streams io) {
    std::vector<std::uint8_t> b, o, t;
    // Any side unreadable or refused stops the merge before anything is written.
    if (ReadSide(base, b, io.err) != kExitOk || ReadSide(ours, o, io.err) != kExitOk ||
        ReadSide(theirs, t, io.err) != kExitOk)
        return kExitRefused;

    const MergeResult result = MergeTemplates(b, o, t, words);
    const std::string& out = target.empty() ? ours : target;
    const std::string bytes(result.image.begin(), result.image.end());
    if (!WriteFileBytes(out, bytes)) {
        io.err << "fwtool: cannot create " << out << "\n";
        return kExitRefused;
    }
    for (const std::string& conflict : result.conflicts) io.err << "conflict: " << conflict << "\n";
    return result.conflicts.empty() ? kExitOk : kExitConflicts;
}

}  // namespace fw
