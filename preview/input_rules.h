// What a form line makes of the data typed or scanned into it: the checks
// the terminal answers with its own messages, the reader's leading code and
// partial read, and the field the accepted value becomes in the record.
#pragma once

#include <string>
#include <string_view>

#include "template/blocks/form_block.h"

namespace fw {

// Device text ids of the terminal's input messages.
constexpr int kMsgTooShort = 3841;        // "Data is too short !!"
constexpr int kMsgTooLong = 3842;         // "Data is too long !!"
constexpr int kMsgBadType = 3843;         // "Incorrect data type !!"
constexpr int kMsgBadLeadingCode = 3844;  // "Incorrect leading code !!"
constexpr int kMsgBadDecimals = 3846;     // "Incorrect decimal input !!"
constexpr int kMsgNotFound = 3848;        // "Data is not found !!"

unsigned MaxInputLength(const FormRecord& form, int line);

// The message a value fails with when the line takes it, or 0.
int CheckInput(const FormRecord& form, int line, std::string_view value);

struct ScanResult {
    std::string value;
    int message = 0;  // the leading code did not match
};

// What the reader hands the line: the leading code checked against the whole
// barcode, then the part a partial read keeps.
ScanResult ReadScan(const FormRecord& form, int line, std::string_view data);

// The accepted value as the record stores it: fitted to the fixed length
// with its alignment and padding, between the prefix and suffix codes.
std::string RecordFieldValue(const FormRecord& form, int line, std::string_view value);

// The width of a line's field when the record's fields stand at fixed
// positions: its length and the prefix and suffix codes.
unsigned FixedFieldWidth(const FormRecord& form, int line);

}  // namespace fw
