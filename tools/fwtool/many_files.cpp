#include "tools/fwtool/many_files.h"

#include <algorithm>

#include "tools/fwtool/tool_files.h"

namespace fw {

std::string ReportHeader(const std::string& name) { return "==> " + name + " <=="; }

int ForEachFile(const std::vector<std::string>& files, Streams io,
                const std::function<int(const std::string& file, Streams io)>& report) {
    if (files.size() == 1) return report(files.front(), io);
    int worst = 0;
    for (const std::string& file : files) {
        if (&file != &files.front()) io.out << "\n";
        // Flushed, so that a message on the error stream follows its header.
        io.out << ReportHeader(file) << "\n" << std::flush;
        worst = std::max(worst, report(file, io));
    }
    return worst;
}

int RunDumpCommand(const std::vector<std::string>& files, bool flat, const ByteCodeLists& words, Streams io) {
    if (flat)
        return ForEachFile(files, io, [&words](const std::string& file, Streams s) { return RunDumpFlat(file, words, s); });
    if (files.size() > 2) {
        io.err << "fwtool: dump writes the JSON of one template (IN.QLT [OUT.json]); dump --flat takes many\n";
        return kExitRefused;
    }
    return RunDump(files[0], files.size() == 2 ? files[1] : "", io);
}

int RunDiffCommand(const std::vector<std::string>& files, bool git, const ByteCodeLists& words, Streams io) {
    if (git) return RunGitDiff(files, words, io);
    if (files.size() < 2) {
        io.err << "fwtool: diff compares A.QLT with B.QLT, or a base with several\n";
        return kExitRefused;
    }
    const std::string& base = files.front();
    return ForEachFile({files.begin() + 1, files.end()}, io,
                       [&](const std::string& file, Streams s) { return RunDiff(base, file, words, s); });
}

int RunLayoutCommand(const std::vector<std::string>& files, LayoutFormat format, Streams io) {
    if (format == LayoutFormat::Html && files.size() > 1) {
        io.err << "fwtool: layout --format html makes one page of one template; run it once a file\n";
        return kExitRefused;
    }
    return ForEachFile(files, io, [format](const std::string& file, Streams s) { return RunLayout(file, format, s); });
}

}  // namespace fw
