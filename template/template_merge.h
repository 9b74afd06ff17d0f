// Two people's changes to one template merged field by field, as a person
// would do it by hand: a field only one side changed takes that side's
// value, a field both changed alike takes it, a field both changed
// differently is a conflict that keeps ours. A text is one field. What a
// save works out (record shapes, lengths lookup lines take over, item
// counts, last input lines) never conflicts: the result is prepared as a
// save prepares it, which works those out again from the merged fields.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace fw {

// A whole template image as the designer saves it after opening `image`.
using Preparation = std::function<std::vector<std::uint8_t>(std::span<const std::uint8_t> image)>;

struct MergeResult {
    std::vector<std::uint8_t> image;     // prepared
    std::vector<std::string> conflicts;  // "form 1 line 2 prompt: "Qty" → "Amount" / "Count""
};

// All four are whole template images.
MergeResult MergeTemplates(std::span<const std::uint8_t> base, std::span<const std::uint8_t> ours,
                           std::span<const std::uint8_t> theirs, const Preparation& prepare);

}  // namespace fw
