// The lookup block: five lookup-file definitions of 1324 bytes, written raw
// into the template file, so the layout below is the file format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "template/export_name.h"

namespace fw {

class UiStrings;

constexpr int kLookupCount = 5;
constexpr int kLookupSlotCount = 15;
constexpr int kLookupVisibleFields = 12;  // slots the page shows and edits

struct LookupRecord {
    std::uint8_t fieldCount;
    std::uint8_t keyField;         // slot index of the key field
    std::uint8_t recordLength[2];  // little-endian; derived at apply
    std::uint8_t changeExportName;
    char exportName[kExportNameSize];
    std::uint8_t dataType[kLookupSlotCount];
    char fieldName[kLookupSlotCount][51];
    std::uint8_t fieldLength[kLookupSlotCount];
    // Kept through resets and normalisation: forms copy it as the length
    // extension of lookup lines, and old files may carry values here.
    std::uint8_t fieldLengthHigh[kLookupSlotCount];
    std::uint8_t delimiter;  // 0: fixed-length records, else the separator code
    std::uint8_t noMatchAction;
    std::uint8_t wrongFormatAction;
    std::uint8_t autoExport;
    std::uint8_t saveMode;  // 0 overwrite, 1 append
    std::uint8_t reserved841[9];
    std::uint8_t autoDelete;
    std::uint8_t reserved851[473];
};

static_assert(sizeof(LookupRecord) == 1324);
static_assert(std::is_trivially_copyable_v<LookupRecord>);
static_assert(std::is_standard_layout_v<LookupRecord>);
static_assert(offsetof(LookupRecord, fieldCount) == 0);
static_assert(offsetof(LookupRecord, keyField) == 1);
static_assert(offsetof(LookupRecord, recordLength) == 2);
static_assert(offsetof(LookupRecord, changeExportName) == 4);
static_assert(offsetof(LookupRecord, exportName) == 5);
static_assert(offsetof(LookupRecord, dataType) == 26);
static_assert(offsetof(LookupRecord, fieldName) == 41);
static_assert(offsetof(LookupRecord, fieldLength) == 806);
static_assert(offsetof(LookupRecord, fieldLengthHigh) == 821);
static_assert(offsetof(LookupRecord, delimiter) == 836);
static_assert(offsetof(LookupRecord, noMatchAction) == 837);
static_assert(offsetof(LookupRecord, wrongFormatAction) == 838);
static_assert(offsetof(LookupRecord, autoExport) == 839);
static_assert(offsetof(LookupRecord, saveMode) == 840);
static_assert(offsetof(LookupRecord, reserved841) == 841);
static_assert(offsetof(LookupRecord, autoDelete) == 850);
static_assert(offsetof(LookupRecord, reserved851) == 851);

// Defaults of lookup file index + 1. The export name is its label ("1st lookup
// file" ...) in the active language, first 20 characters as they stand.
// fieldLengthHigh and the reserved runs are left alone.
void ResetLookupRecord(LookupRecord& lookup, int index, const UiStrings& strings);

// What the page's apply stores as recordLength: the fields' lengths added up.
unsigned LookupRecordLength(const LookupRecord& lookup);

// Tidies the lookups after the page applied: unused slots cleared (but not
// their fieldLengthHigh), export names trimmed, recordLength recomputed.
void NormalizeLookups(LookupRecord (&lookups)[kLookupCount]);

}  // namespace fw
