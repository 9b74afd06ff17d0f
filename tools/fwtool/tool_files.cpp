#include "tools/fwtool/tool_files.h"

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

int OpenTemplate(ToolDocument& tool, const std::string& path, std::ostream& err) {
    const LoadResult result = ReadTemplateFile(tool.doc, path);
    if (result == LoadResult::CannotOpen) {
        err << "fwtool: cannot open " << path << "\n";
        return kExitFile;
    }
    if (result != LoadResult::Loaded) {
        err << tool.strings.Text(RefusalMessageId(result)) << "\n";
        return kExitRefused;
    }
    return kExitOk;
}

int ReadTemplateBytes(const std::string& path, std::vector<std::uint8_t>& image, std::ostream& err) {
    const std::optional<std::string> bytes = ReadFileText(path, kTemplateFileSize);
    if (!bytes) {
        err << "fwtool: cannot open " << path << "\n";
        return kExitFile;
    }
    const std::span<const std::uint8_t> file(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
    const SignatureCheck check = CheckSignature(file.first(std::min(file.size(), kSignatureSize)));
    if (check != SignatureCheck::Accepted) {
        err << CompiledStringTable().Get(check == SignatureCheck::BadFormat ? kMsgBadFormat : kMsgNewerVersion)
            << "\n";
        return kExitRefused;
    }
    const ToolDocument fresh;
    image = TemplateImage(fresh.doc);
    std::copy(file.begin(), file.end(), image.begin());
    if (file.size() < kTemplateFileSize)
        err << "fwtool: " << path << " holds " << file.size() << " of " << kTemplateFileSize
            << " bytes; the rest is taken from a new template, as Open does\n";
    return kExitOk;
}

}  // namespace fw
