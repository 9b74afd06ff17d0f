// The fwtool commands, one function each; the command line is parsed in
// fwtool.cpp. Each returns its exit code (see ExitCode in tool_files.h).
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "template/field_words.h"

namespace fw {

struct Streams {
    std::ostream& out;
    std::ostream& err;
    std::istream* in = nullptr;  // standard input, for a file named "-"
};

enum class LayoutFormat { Text, Markdown, Html };

struct PreviewOptions {
    std::string keys;                  // a key script; empty: the first screen only
    std::vector<std::string> scans;    // read by the script's SCAN keys, in order
    std::vector<std::string> lookups;  // "N=DATA.TXT"
    std::string time;                  // "YYYY-MM-DD HH:MM:SS" for the stamps; empty: now
};

int RunNew(const std::string& target, const std::string& language, Streams io);
int RunPrepare(const std::string& source, const std::string& target, const std::string& language, Streams io);
int RunDump(const std::string& source, const std::string& target, Streams io);  // target "" -> out
int RunBuild(const std::string& source, const std::string& target, bool prepare, Streams io);
int RunCheck(const std::string& source, Streams io);
// `words`: the reader's codes in words, for diff, dump --flat and merge.
int RunDiff(const std::string& first, const std::string& second, const ByteCodeLists& words, Streams io);
int RunLayout(const std::string& source, LayoutFormat format, Streams io);
int RunLookupCheck(const std::string& source, int lookupNumber, const std::string& data, Streams io);
int RunLangTemplate(const std::string& target, const std::string& from, Streams io);
int RunLangCheck(const std::string& source, Streams io);
int RunPreview(const std::string& source, const PreviewOptions& options, Streams io);

// For git: the textconv, the external diff (git's own arguments), the merge
// driver (target "" -> over ours) and the set-up of a repository.
int RunDumpFlat(const std::string& source, const ByteCodeLists& words, Streams io);
int RunGitDiff(const std::vector<std::string>& args, const ByteCodeLists& words, Streams io);
int RunMerge(const std::string& base, const std::string& ours, const std::string& theirs, const std::string& target,
             const ByteCodeLists& words, Streams io);
int RunGitSetup(Streams io);

}  // namespace fw
