// Two people's changes to one template merged field by field, as a person
// would do it by hand: a field only one side changed takes that side's
// value, a field both changed alike takes it, a field both changed
// differently is a conflict that keeps ours. A text is one field. What a
// save works out (record shapes, lengths lookup lines take over, item
// counts, last input lines) never conflicts: those are worked out again from
// the merged fields, as a save does.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "template/field_words.h"

namespace fw {

struct MergeResult {
    std::vector<std::uint8_t> image;     // with its derived values worked out
    std::vector<std::string> conflicts;  // "form 1 line 2 prompt: "Qty" → "Amount" / "Count""
};

// All three are whole template images; `lists` words the conflicts' codes
// as for DiffTemplates.
MergeResult MergeTemplates(std::span<const std::uint8_t> base, std::span<const std::uint8_t> ours,
                           std::span<const std::uint8_t> theirs, const ByteCodeLists& lists = {});

}  // namespace fw
