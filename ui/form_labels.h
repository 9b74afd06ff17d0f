// The texts "1" to "20" that the sheet's pages show as form, line and field
// numbers, below the pages so that every page and dialog reads the same ones.
#pragma once

#include <array>
#include <string>

namespace fw {

using FormLabelTable = std::array<std::string, 20>;
FormLabelTable FormLabels();

}  // namespace fw
