// Before every save the derived fields of the blocks are worked out, since
// the terminal reads the record shapes from the template instead of
// computing them.
#pragma once

#include <array>

#include "template/record_layout.h"
#include "template/template_document.h"

namespace fw {

using RecordLayouts = std::array<RecordLayout, kFormCount>;

// Runs on the blocks in place (not on any page's working copy) and returns
// each form's layout as it was measured: what the file tells the terminal,
// even where a later "pass down" form changes the menu caption field after.
RecordLayouts PrepareBlocksForSaving(TemplateBlocks& blocks);
void PrepareForSaving(TemplateDocument& doc);

// The layouts the next save gives, worked out on a copy: what `layout`, the
// Preview and the check show.
RecordLayouts SavedRecordLayouts(const TemplateBlocks& blocks);

}  // namespace fw
