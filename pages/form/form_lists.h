// What the Form page and its dialogs list, and how list entries map to the
// stored codes. Where a list hides entries its entry index is not the code,
// so the mapping lives here, beside the list contents it depends on.
#pragma once

#include <cstdint>
#include <string>

#include "ui/control_rules.h"

namespace fw {

class UiStrings;

// "nil", then the five lookup files.
ListEntries LookupFileEntries(const UiStrings& strings);
// "save", "update lookup", "save & update", "pass down".
ListEntries RecordActionEntries(const UiStrings& strings);
// "none", then "line 1".."line 12".
ListEntries KeyLineEntries(const UiStrings& strings);
// "nil" and the labels of codes 1 to 15, the entries every data type list has.
ListEntries BaseDataTypeEntries(const UiStrings& strings);
// The label of a data type code ("nil" for 0).
std::string DataTypeLabel(const UiStrings& strings, std::uint8_t code);

// Input source: with the RFID reader listed, entry = code; without it,
// "reader", "keypad", "all", and a stored "RFID" shows as "all".
ListEntries InputSourceEntries(const UiStrings& strings, bool rfidListed);
int InputSourceEntry(std::uint8_t code, bool rfidListed);  // -1: not listable
std::uint8_t InputSourceCode(int entry, bool rfidListed);

// The shape a line's data type list has.
enum class TypeListShape {
    Normal,     // the 16 base entries, entry 16 "large data" or "read from 2D"
    ZorqHead,   // lines 1 and 2 of a ZORQ form: entry 16 is "ZORQ", 17 the 2D entry
    ZorqTail,   // lines 3 to 12 of a ZORQ form: "nil", "lookup"
};

TypeListShape ShapeOf(bool zorqForm, int line);
ListEntries ZorqTailEntries(const UiStrings& strings);

// `twoDEntryIsReadFrom2D`: which of the two 2D labels the list holds.
int DataTypeEntry(TypeListShape shape, std::uint8_t code);  // -1: not listed
std::uint8_t DataTypeCode(TypeListShape shape, int entry, bool twoDEntryIsReadFrom2D);

// The Lookup column of one line: field numbers of the form's lookup file
// (with "-field" and "+field" for numeric lines) or the 12 variables.
ListEntries LookupColumnEntries(const UiStrings& strings, bool hasLookupFile, bool numericLine);
// A "-field n" or "+field n" code turned back into "field n".
std::uint8_t FoldLookupCode(std::uint8_t code);

// Lists of the properties and stamp dialogs.
ListEntries AlignmentEntries(const UiStrings& strings);
ListEntries DecimalPlacesEntries(const UiStrings& strings);  // "variable", "1".."6"
ListEntries CheckDigitEntries(const UiStrings& strings);     // entry = method - 1
ListEntries AutoEnterEntries(const UiStrings& strings);
ListEntries StampModeEntries(const UiStrings& strings);
ListEntries YearDigitsEntries(const UiStrings& strings);
ListEntries DateStyleEntries(const UiStrings& strings);

}  // namespace fw
