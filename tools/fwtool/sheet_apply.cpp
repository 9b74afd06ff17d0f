#include "tools/fwtool/sheet_apply.h"

#include "pages/form/form_normalize.h"
#include "template/save_preparation.h"
#include "template/template_file.h"

namespace fw {

void ApplyAsTheSheetDoes(TemplateDocument& doc) {
    NormalizeLookups(doc.blocks.lookups);
    for (MenuRecord& menu : doc.blocks.menus) CountMenuItems(menu);
    NormalizeForms(doc.blocks.forms, doc.blocks.lookups, doc.readerWorking.readerType);
}

std::vector<std::uint8_t> PreparedImage(ToolDocument& tool, std::span<const std::uint8_t> image) {
    LoadTemplateImage(tool.doc, image);
    ApplyAsTheSheetDoes(tool.doc);
    PrepareForSaving(tool.doc);
    return TemplateImage(tool.doc);
}

}  // namespace fw
