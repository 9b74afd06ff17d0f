// A template as text for line-based tools (git's textconv): one
// "label = value" line per field in file order, in the diff's words, so that
// every changed line says where it is. Raw bytes take a line per 16, named by
// their offsets in the record, and the lines of reserved runs that are all
// zero are left out; a text with bytes behind its NUL gets a second line.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "template/field_words.h"

namespace fw {

// `image` is a whole template file; `lists` as for DiffTemplates.
std::string FlatDump(std::span<const std::uint8_t> image, const ByteCodeLists& lists = {});

}  // namespace fw
