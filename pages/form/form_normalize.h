// The pass that tidies every form when the editor sheet is applied.
#pragma once

#include <cstdint>

#include "template/blocks/form_block.h"
#include "template/blocks/lookup_block.h"

namespace fw {

// `readerType` is the reader working copy's: "large data" and "read from 2D"
// lines survive only with the 2D reader.
void NormalizeForms(FormRecord (&forms)[kFormCount], const LookupRecord (&lookups)[kLookupCount],
                    std::uint8_t readerType);

// Empties a line that takes no input ("nil" also gets its length defaults back).
void ClearUnusedLine(FormRecord& form, int line, bool asNil);

}  // namespace fw
