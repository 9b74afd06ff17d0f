// The values a template derives from its other fields: what a save works out
// (record shapes, the lengths lookup lines take over, the reader's copies of
// settings) and what the sheet's OK counts (menu items, last input lines).
// Nothing a person sets is touched, so a template put together from other
// templates' fields (a merge) can be made consistent again.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace fw {

class TemplateDocument;

// `image` is a whole template file; `doc` is only worked in.
std::vector<std::uint8_t> WithDerivedValues(TemplateDocument& doc, std::span<const std::uint8_t> image);

}  // namespace fw
