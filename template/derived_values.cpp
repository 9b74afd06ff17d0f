#include "template/derived_values.h"

#include <algorithm>

#include "template/form_lines.h"
#include "template/save_preparation.h"
#include "template/template_document.h"
#include "template/template_file.h"

namespace fw {

std::vector<std::uint8_t> WithDerivedValues(TemplateDocument& doc, std::span<const std::uint8_t> image) {
    TemplateBlocks& blocks = doc.blocks;
    const auto at = image.begin() + kBlocksOffset;
    std::copy(at, at + sizeof blocks, reinterpret_cast<std::uint8_t*>(&blocks));
    for (MenuRecord& menu : blocks.menus) CountMenuItems(menu);
    for (FormRecord& form : blocks.forms) {
        form.lastInputLine = 0;
        for (int line = 0; line < kFormLineCount; ++line)
            if (CountsAsInputLine(form, line)) form.lastInputLine = static_cast<std::uint8_t>(line + 1);
    }
    PrepareForSaving(doc);
    std::vector<std::uint8_t> result(image.begin(), image.end());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&blocks);
    std::copy(bytes, bytes + sizeof blocks, result.begin() + kBlocksOffset);
    return result;
}

}  // namespace fw
