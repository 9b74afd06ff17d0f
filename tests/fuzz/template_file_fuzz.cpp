// Any bytes as a template file: the signature check, the overlay of a short
// or long file onto the blocks, the fix-ups, then a full save preparation on
// whatever landed, since a loaded file is saved again as it stands.
#include <cstddef>
#include <cstdint>
#include <span>

#include "strings/string_source.h"
#include "strings/ui_strings.h"
#include "template/save_preparation.h"
#include "template/template_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fw::CompiledStringTable builtin;
    static fw::UiStrings strings(builtin);
    static fw::TemplateDocument doc(strings);
    doc.FillDeviceTexts();
    doc.Reset();
    if (fw::LoadTemplateImage(doc, std::span<const std::uint8_t>(data, size)) == fw::LoadResult::Loaded) {
        fw::PrepareForSaving(doc);
        const auto image = fw::TemplateImage(doc);
        if (image.size() != fw::kTemplateFileSize) __builtin_trap();
    }
    return 0;
}
