// The fields a template works out from its other fields - the record shapes,
// the lengths lookup lines take over, the counts the pages keep. The terminal
// reads them from the file and never works them out itself, so a stale one
// misleads it; `check` reports them, and a merge works them out afresh so
// they never conflict.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
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

// Whether a field (by its part and field name in the field map) is one that
// is worked out. Some only under conditions: a line's max length only on a
// lookup line.
bool IsDerivedField(std::string_view part, std::string_view field);

// In file order; empty when every derived field holds what its own
// derivation gives. The record shapes are those of the next save, as
// `SavedRecordLayouts` measures them.
std::vector<StaleValue> StaleDerivedValues(const TemplateBlocks& blocks);

// A whole template image with every derived field worked out as OK on the
// pages and then a save would; nothing a person sets is touched.
std::vector<std::uint8_t> WithDerivedValues(std::span<const std::uint8_t> image);

}  // namespace fw
