#include "tools/fwtool/fwtool.h"

#include <filesystem>

#include "strings/language_files.h"
#include "strings/string_source.h"
#include "strings/ui_strings.h"
#include "template/template_file.h"

namespace fw {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFile = 1;
constexpr int kExitRefused = 2;

constexpr const char* kUsage =
    "usage: fwtool new OUT.QLT [--lang FILE.lng]\n"
    "       fwtool prepare IN.QLT OUT.QLT [--lang FILE.lng]\n";

struct Options {
    std::vector<std::string> paths;
    std::string language;
};

bool ParseOptions(const std::vector<std::string>& args, Options& options) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--lang") {
            if (++i == args.size()) return false;
            options.language = args[i];
        } else {
            options.paths.push_back(args[i]);
        }
    }
    return true;
}

}  // namespace

int RunFwtool(const std::vector<std::string>& args, std::ostream& err) {
    Options options;
    const bool known = !args.empty() && (args[0] == "new" || args[0] == "prepare");
    const std::size_t pathCount = known && args[0] == "new" ? 1 : 2;
    if (!known || !ParseOptions(args, options) || options.paths.size() != pathCount) {
        err << kUsage;
        return kExitFile;
    }

    // The start-up sequence of the program: language, screen texts, New.
    CompiledStringTable builtin;
    UiStrings strings(builtin);
    if (!options.language.empty()) {
        if (!LoadLanguageFile(options.language, strings.table())) {
            err << "fwtool: cannot read language file " << options.language << "\n";
            return kExitFile;
        }
        strings.SetLanguageActive(true);
    }
    TemplateDocument doc(strings);
    doc.FillDeviceTexts();
    doc.Reset();

    if (args[0] == "prepare") {
        const LoadResult result = ReadTemplateFile(doc, options.paths[0]);
        if (result == LoadResult::CannotOpen) {
            err << "fwtool: cannot open " << options.paths[0] << "\n";
            return kExitFile;
        }
        if (result != LoadResult::Loaded) {
            err << strings.Text(RefusalMessageId(result)) << "\n";
            return kExitRefused;
        }
    }
    const std::string& target = options.paths.back();
    if (!WriteTemplateFile(doc, target)) {
        err << "fwtool: cannot create " << target << "\n";
        return kExitFile;
    }
    return kExitOk;
}

}  // namespace fw
