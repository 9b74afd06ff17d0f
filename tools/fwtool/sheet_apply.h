// What the designer does to a template between opening it and saving it
// after the sheet's OK, for the commands that write prepared templates.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/fwtool/tool_files.h"

namespace fw {

// The pages' apply passes: lookups tidied, menu items counted, forms
// normalised (last input lines, lengths lookup lines take over).
void ApplyAsTheSheetDoes(TemplateDocument& doc);

// The file the designer writes after opening `image`, OK and Save. `tool`
// is reused: a whole image replaces all it holds.
std::vector<std::uint8_t> PreparedImage(ToolDocument& tool, std::span<const std::uint8_t> image);

}  // namespace fw
