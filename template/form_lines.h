// What a form line's type makes of it: whether the terminal stops on it for
// input, and whether it becomes a field of the saved record.
#pragma once

#include "template/blocks/form_block.h"

namespace fw {

// The lines that count for lastInputLine; an image line only when its file
// path can be edited.
bool CountsAsInputLine(const FormRecord& form, int line);

// The lines whose value is saved: not nil, prompt, counter, pass down,
// extension or pause; a lookup line only with "Save field data", an image
// line only with "Save file path".
bool MakesRecordField(const FormRecord& form, int line);

}  // namespace fw
