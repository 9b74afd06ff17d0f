// Every single value of a template file in file order, each named in the
// pages' words: one element per field, per array entry and per line of a
// group. The diff, the flat dump and the merge all walk this one list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "template/field_map.h"

namespace fw {

struct FieldElement {
    const TemplatePart* part;
    const FieldSpec* field;
    std::size_t offset;        // in the file
    std::size_t recordOffset;  // inside its record; in the file for a loose field
    std::string place;         // the record: "form 3"
    std::string label;         // the element: "form 3 line 2 max length"; raw bytes end in "bytes"
    bool reserved;             // a reserved run (the gap too): bytes nothing here gives a meaning

    std::span<const std::uint8_t> In(std::span<const std::uint8_t> image) const {
        return image.subspan(offset, field->width);
    }
};

// Made once; a record's group comes where it begins in the record, line by
// line, as the JSON dump has it.
std::span<const FieldElement> TemplateElements();

}  // namespace fw
