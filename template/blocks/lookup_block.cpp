#include "template/blocks/lookup_block.h"

#include "strings/ui_strings.h"
#include "template/fixed_text.h"

namespace fw {

void ResetLookupRecord(LookupRecord& lookup, int index, const UiStrings& strings) {
    lookup.fieldCount = 0;
    lookup.keyField = 0;
    SetLe16(lookup.recordLength, 0);
    lookup.changeExportName = 1;
    // Cleared first so a longer name from a loaded file leaves no tail behind.
    ClearField(lookup.exportName);
    SetFieldText(lookup.exportName, strings.Text(1321 + index));
    for (int slot = 0; slot < kLookupSlotCount; ++slot) {
        lookup.dataType[slot] = 0;
        ClearField(lookup.fieldName[slot]);
        lookup.fieldLength[slot] = 0;
    }
    lookup.delimiter = 0;
    lookup.noMatchAction = 0;
    lookup.wrongFormatAction = 0;
    lookup.autoExport = 0;
    lookup.saveMode = 0;
    lookup.autoDelete = 1;
}

unsigned LookupRecordLength(const LookupRecord& lookup) {
    // A damaged file may claim more slots than exist; never sum past them.
    const int used = lookup.fieldCount < kLookupSlotCount ? lookup.fieldCount : kLookupSlotCount;
    unsigned length = 0;
    for (int slot = 0; slot < used; ++slot) length += lookup.fieldLength[slot];
    return length;
}

void NormalizeLookups(LookupRecord (&lookups)[kLookupCount]) {
    for (LookupRecord& lookup : lookups) {
        const int used = lookup.fieldCount < kLookupSlotCount ? lookup.fieldCount : kLookupSlotCount;
        for (int slot = used; slot < kLookupSlotCount; ++slot) {
            lookup.dataType[slot] = 0;
            ClearField(lookup.fieldName[slot]);
            lookup.fieldLength[slot] = 0;
        }
        if (lookup.changeExportName == 1) TidyExportName(lookup.exportName);
        SetLe16(lookup.recordLength, LookupRecordLength(lookup));
    }
}

}  // namespace fw
