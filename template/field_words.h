// One element's value as the pages show it: codes by their list entry
// ("integer", "appended to the bottom of a record"), targets and character
// codes named, texts quoted, key codes by their key names, raw bytes in hex.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "template/field_elements.h"

namespace fw {

// `bytes` is the element's own (element.In(image)). A text gives its quoted
// characters up to the NUL; what lies behind them is SplitTerminated's rest.
std::string ElementWords(const FieldElement& element, std::span<const std::uint8_t> bytes);

// "00 1f 20"; past `shown` bytes the rest is "…".
std::string HexWords(std::span<const std::uint8_t> bytes, std::size_t shown = SIZE_MAX);

// How many bytes of a run a report shows.
constexpr std::size_t kShownBytes = 16;

}  // namespace fw
