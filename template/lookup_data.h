// Lookup data files: the records a terminal imports into a lookup file, one
// per line (CR LF or LF), with the fields at fixed positions or between
// delimiters as the lookup file's definition gives them. Read and checked
// the way the definition demands: record shape, field lengths, data types,
// and a key that is present and unique.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "template/blocks/lookup_block.h"

namespace fw {

// Lookup data types.
enum LookupDataType : std::uint8_t {
    kLookupText = 0,
    kLookupInteger = 1,
    kLookupReal = 2,
    kLookupLetter = 3,
    kLookupBoolean = 4,
    kLookupImage = 5,
};

// What the terminal does with a badly formed record (wrongFormatAction).
enum WrongFormatAction : std::uint8_t { kStopImport = 0, kTruncateRecord = 1, kSkipRecord = 2 };

struct LookupDataRecord {
    int line = 0;                      // 1-based line of the file
    std::vector<std::string> fields;   // as they stand in the line, padding included
    std::vector<std::string> problems; // empty for a good record
};

// A field's length: fieldLength plus the blocks of 160 in fieldLengthHigh.
unsigned LookupFieldLength(const LookupRecord& lookup, int field);

// Why records cannot be read against this definition at all; empty when they can.
std::string LookupDefinitionProblem(const LookupRecord& lookup);

// Every record of the file, in order. The definition must be usable.
std::vector<LookupDataRecord> ReadLookupData(const LookupRecord& lookup, std::string_view data);

// A bad record as fwtool lookup-check and the Preview name it: what is
// wrong with it, and what the terminal does with it under the lookup file's
// "Action when the format of record is wrong".
struct LookupFinding {
    int line;
    std::string problems;
    std::string outcome;
};
std::vector<LookupFinding> LookupFindings(const LookupRecord& lookup, const std::vector<LookupDataRecord>& records);

}  // namespace fw
