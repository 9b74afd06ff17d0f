// Form lines of type "lookup" take their length from the lookup field they
// name; run at apply of the Form and Lookup pages and before every save.
#pragma once

#include "template/blocks/form_block.h"
#include "template/blocks/lookup_block.h"

namespace fw {

void PropagateLookupLengths(FormRecord (&forms)[kFormCount],
                            const LookupRecord (&lookups)[kLookupCount]);

}  // namespace fw
