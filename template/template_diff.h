// The differences between two template files, one line per field that
// differs, in file order and in the words of the pages:
//   form 3 line 2 max length: 8 → 12
//   form 3 line 2 data type: integer → real
//   settings first delimiter: 44 (",") → 59 (";")
//   form 3 reserved bytes 4135-4136: 00 00 → 12 34
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "template/field_words.h"

namespace fw {

// Both images are whole template files (kTemplateFileSize bytes). Reserved
// runs report their offsets inside their record (in the file for the gap).
// `lists` words the codes of the bytes the core has no lists for.
std::vector<std::string> DiffTemplates(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                                       const ByteCodeLists& lists = {});

}  // namespace fw
