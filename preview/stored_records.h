// The records a preview stores, in the shape the save preparation gives each
// form, and the two ways out of it: the export file the terminal writes, and
// a table to read them in.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "template/blocks/settings_block.h"
#include "template/record_layout.h"

namespace fw {

class UiStrings;

struct StoredRecord {
    int form = 0;  // 0-19
    // One per field of the form's record layout. A stamp kept as two fields
    // holds the date and the time; every other field holds one text.
    std::vector<std::vector<std::string>> fields;
};

// "Form 01.TXT": the export name when the form uses its own, else the name a
// new form starts with.
std::string ExportFileName(const FormRecord& form, int index, const UiStrings& strings);

// The export file's text: a line per record ended by CR LF, the fields
// between the settings' first delimiter, or at fixed positions without one.
std::string ExportText(const FormRecord& form, const RecordLayout& layout, const SystemSettings& settings,
                       std::span<const StoredRecord> records);

// The records under a head naming each field, its length and the key, in
// columns, one line per record ended by LF; key codes below 32 by their
// names. 8-bit ANSI.
std::string RecordTable(const FormRecord& form, const RecordLayout& layout, std::span<const StoredRecord> records,
                        const UiStrings& strings);

// Key codes below 32 by the names the Character grid gives them, so a
// value can be read.
std::string ReadableCodes(std::string_view value);

// What the records and their export hold that the preview does not play:
// the terminal's own record key, a second delimiter.
std::vector<std::string> RecordNotes(const RecordLayout& layout, const SystemSettings& settings,
                                     const UiStrings& strings);

}  // namespace fw
