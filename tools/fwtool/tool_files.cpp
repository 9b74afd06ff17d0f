#include "tools/fwtool/tool_files.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "strings/language_files.h"
#include "template/template_file.h"

namespace fw {

void ToolDocument::Start() {
    doc.FillDeviceTexts();
    doc.Reset();
}

bool ToolDocument::StartWithLanguage(const std::filesystem::path& language) {
    if (!LoadLanguageFile(language, strings.table())) return false;
    strings.SetLanguageActive(true);
    Start();
    return true;
}

bool WriteFileBytes(const std::filesystem::path& path, std::span<const char> bytes) {
    std::filesystem::path temporary = path;
    temporary += ".fwtmp";
    std::error_code error;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out) std::filesystem::rename(temporary, path, error);
        if (out && !error) return true;
    }
    std::filesystem::remove(temporary, error);
    return false;
}

namespace {

// A file Open accepts but whose size is not a template's is named, not refused.
void NoteSize(const std::string& path, std::size_t size, std::ostream& err) {
    if (const std::string problem = FileSizeProblem(size); !problem.empty())
        err << "fwtool: " << path << ": " << problem << "\n";
}

int Refused(const std::string& path, int messageId, std::ostream& err) {
    err << "fwtool: " << path << ": " << CompiledStringTable().Get(messageId) << "\n";
    return kExitRefused;
}

}  // namespace

int OpenTemplate(ToolDocument& tool, const std::string& path, std::ostream& err) {
    const LoadResult result = ReadTemplateFile(tool.doc, path);
    if (result == LoadResult::CannotOpen) {
        err << "fwtool: cannot open " << path << "\n";
        return kExitFile;
    }
    if (result != LoadResult::Loaded) return Refused(path, RefusalMessageId(result), err);
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) NoteSize(path, static_cast<std::size_t>(size), err);
    return kExitOk;
}

int ReadTemplateFileBytes(const std::string& path, std::string& bytes, std::ostream& err) {
    std::optional<std::string> file = ReadFileText(path);
    if (!file) {
        err << "fwtool: cannot open " << path << "\n";
        return kExitFile;
    }
    const std::span<const std::uint8_t> header(reinterpret_cast<const std::uint8_t*>(file->data()),
                                               std::min(file->size(), kSignatureSize));
    const SignatureCheck check = CheckSignature(header);
    if (check != SignatureCheck::Accepted)
        return Refused(path, check == SignatureCheck::BadFormat ? kMsgBadFormat : kMsgNewerVersion, err);
    bytes = std::move(*file);
    return kExitOk;
}

int ReadTemplateBytes(const std::string& path, std::vector<std::uint8_t>& image, std::ostream& err) {
    std::string bytes;
    if (const int code = ReadTemplateFileBytes(path, bytes, err); code != kExitOk) return code;
    if (bytes.size() >= kTemplateFileSize) {
        image.assign(bytes.begin(), bytes.begin() + kTemplateFileSize);
    } else {
        // A short file reads as far as it goes, the rest as a new template.
        const ToolDocument fresh;
        image = TemplateImage(fresh.doc);
        std::copy(bytes.begin(), bytes.end(), image.begin());
    }
    NoteSize(path, bytes.size(), err);
    return kExitOk;
}

}  // namespace fw
