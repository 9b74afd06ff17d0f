// The record a form saves on the terminal, field by field, as the save
// preparation measures it: the terminal reads only the count, the key
// position and the length from the template, so the back office needs this
// to read the collected data.
#pragma once

#include <vector>

#include "template/blocks/form_block.h"

namespace fw {

constexpr unsigned kKeyFieldLength = 8;       // leads a record without a key line
constexpr unsigned kMenuDataLength = 160;     // the menu caption or the chosen item
constexpr unsigned kStampFieldLength = 20;    // date and time stamp

enum class RecordFieldKind { KeyField, MenuData, Stamp, Line };

struct RecordField {
    RecordFieldKind kind;
    int line;         // 0-based, for Line fields; -1 for the others
    unsigned length;  // as counted into the record length

    bool operator==(const RecordField&) const = default;
};

struct RecordLayout {
    std::vector<RecordField> fields;
    unsigned keyPosition = 0;  // 1-based among the fields
    unsigned length = 0;
};

// Forms that write records of their own: "save" or "save & update" with at
// least one input line.
bool SavesRecords(const FormRecord& form);

// Empty for a form that saves no records. Uses the form's menuCaptionField
// and noKeyLine as they stand; the save preparation sets them first.
RecordLayout DeriveRecordLayout(const FormRecord& form);

}  // namespace fw
