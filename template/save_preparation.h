// Before every save the derived fields of the blocks are worked out, since
// the terminal reads the record shapes from the template instead of
// computing them.
#pragma once

namespace fw {

class TemplateDocument;

// Runs on the blocks in place (not on any page's working copy).
void PrepareForSaving(TemplateDocument& doc);

}  // namespace fw
