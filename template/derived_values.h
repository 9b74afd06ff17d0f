// The fields a template works out from its other fields - the record shapes,
// the lengths lookup lines take over, the counts the pages keep - set against
// what a file holds. The terminal reads them from the file and never works
// them out itself, so a stale one misleads it.
#pragma once

#include <string>
#include <vector>

#include "template/template_document.h"

namespace fw {

struct StaleValue {
    std::string place;  // "form 1", "form 2 line 1", "menu 1", "lookup file 1", "reader"
    std::string field;  // "record length"
    unsigned inFile;
    unsigned derived;
    std::string by;  // "a save", "OK on the Form page"
};

// In file order; empty when every derived field holds what its own
// derivation gives. The record shapes are those of the next save, as
// `SavedRecordLayouts` measures them.
std::vector<StaleValue> StaleDerivedValues(const TemplateBlocks& blocks);

}  // namespace fw
