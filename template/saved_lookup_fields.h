// The lookup fields that forms save into their records ("Save field data"):
// their values end up in the forms' exports, between the settings'
// delimiters, so a value that holds a delimiter splits its field there.
#pragma once

#include <string>
#include <vector>

#include "template/lookup_data.h"
#include "template/template_document.h"

namespace fw {

// One text for each saved field of the record that holds a delimiter:
// "field 2 "Name" "A,B" holds the first delimiter 44 (","), and form 2
// line 1 saves it: the export splits the field there".
std::vector<std::string> SavedDelimiterProblems(const TemplateBlocks& blocks, int lookup,
                                                const LookupDataRecord& record);

}  // namespace fw
