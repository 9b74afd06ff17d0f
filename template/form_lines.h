// What a form line's type makes of it: whether the terminal stops on it for
// input, and whether it becomes a field of the saved record.
#pragma once

#include <string_view>

#include "template/blocks/form_block.h"

namespace fw {

// The lines that count for lastInputLine; an image line only when its file
// path can be edited.
bool CountsAsInputLine(const FormRecord& form, int line);

// What the Form page's OK stores as lastInputLine: the 1-based number of
// the last line that counts, 0 when none does.
int LastInputLine(const FormRecord& form);

// The lines whose value is saved: not nil, prompt, counter, pass down,
// extension or pause; a lookup line only with "Save field data", an image
// line only with "Save file path".
bool MakesRecordField(const FormRecord& form, int line);

// Whether a value is data of the line's type: the digits of an integer, one
// decimal point in a real, letters, a boolean letter. Types without a rule
// take anything.
bool FitsLineType(unsigned type, std::string_view value);

}  // namespace fw
