// Form lines of type "lookup" take their length from the lookup field they
// name; run at apply of the Form and Lookup pages and before every save.
#pragma once

#include "pages/form/form_block.h"
#include "pages/lookup/lookup_block.h"

namespace fw {

void PropagateLookupLengths(FormRecord (&forms)[kFormCount],
                            const LookupRecord (&lookups)[kLookupCount]);

}  // namespace fw
