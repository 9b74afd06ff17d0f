// What a field holds when the designer writes it: the range of a code or a
// length as its list or box allows, and the characters of a text that Open
// keeps. A file may hold more; `build` and the checks speak of these limits.
#pragma once

#include <cstddef>

#include "template/field_map.h"

namespace fw {

struct NumberRange {
    unsigned low;
    unsigned high;
};

// For the number kinds: the field's own range where the pages limit it
// (0 to 160 for a maximum length, 0 to 30 for a target), else what its bytes hold.
NumberRange FieldRange(const FieldSpec& field);

// For texts: the characters before the NUL that Open keeps (a prompt's 30).
std::size_t KeptTextLength(const FieldSpec& field);

}  // namespace fw
