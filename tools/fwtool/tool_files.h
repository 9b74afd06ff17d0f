// What the fwtool commands share: exit codes, the program's texts, and
// template files read as Open reads them or as plain bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "strings/string_source.h"
#include "strings/ui_strings.h"
#include "template/file_text.h"
#include "template/template_document.h"

namespace fw {

enum ExitCode : int {
    kExitOk = 0,
    kExitFile = 1,      // a file could not be opened or created
    kExitRefused = 2,   // refused input: a signature, JSON, arguments
    kExitFindings = 3,  // check, lookup-check and lang-check found errors
};

// A template as the program holds it after start-up and New: its own texts
// (or a language file's), the screen texts filled, the blocks reset.
struct ToolDocument {
    CompiledStringTable builtin;
    UiStrings strings{builtin};
    TemplateDocument doc{strings};

    ToolDocument() { Start(); }
    // Loads the language file first; false when it cannot be read.
    bool StartWithLanguage(const std::filesystem::path& language);

private:
    void Start();
};

// Writes to a temporary file beside the target that replaces it only when
// complete, so a failure never leaves half a file.
bool WriteFileBytes(const std::filesystem::path& path, std::span<const char> bytes);

// Reads a template as Open does (fix-ups included). Reports a failure on
// `err` (the file and the refusal in the program's words), names a file of
// another size than a template's there too, and returns the exit code.
int OpenTemplate(ToolDocument& tool, const std::string& path, std::ostream& err);

// The whole file as it stands, once its signature is one Open accepts.
int ReadTemplateFileBytes(const std::string& path, std::string& bytes, std::ostream& err);

// The file's bytes before any fix-up, over a fresh template where the file
// is short, so the result is always a whole template image; a file of
// another size is named on `err`.
int ReadTemplateBytes(const std::string& path, std::vector<std::uint8_t>& image, std::ostream& err);

}  // namespace fw
