// The commands that take many files run their one-file report for each.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/fwtool/commands.h"

namespace fw {

// "==> stock.QLT <==", the line a report stands under.
std::string ReportHeader(const std::string& name);

// One file: its report as it is. Several: each report under its header, a
// blank line between. The exit code is the highest of the reports'.
int ForEachFile(const std::vector<std::string>& files, Streams io,
                const std::function<int(const std::string& file, Streams io)>& report);

// The commands whose file lists take a shape: dump (IN [OUT], or with --flat
// many), diff (a base and one or more, or git's arguments), layout (one
// HTML page is one template).
int RunDumpCommand(const std::vector<std::string>& files, bool flat, const ByteCodeLists& words, Streams io);
int RunDiffCommand(const std::vector<std::string>& files, bool git, const ByteCodeLists& words, Streams io);
int RunLayoutCommand(const std::vector<std::string>& files, LayoutFormat format, Streams io);

}  // namespace fw
