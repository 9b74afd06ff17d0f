#include "template/lookup_data.h"

#include <map>

#include "template/ansi_text.h"
#include "template/blocks/form_block.h"
#include "template/fixed_text.h"
#include "template/value_words.h"

namespace fw {
namespace {

constexpr char kRecordEnd = '\r';

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNumber(std::string_view value, bool decimals) {
    if (!value.empty() && (value[0] == '+' || value[0] == '-')) value.remove_prefix(1);
    int digits = 0, points = 0;
    for (const char c : value) {
        if (IsDigit(c)) ++digits;
        else if (c == '.' && decimals) ++points;
        else return false;
    }
    return digits > 0 && points <= 1;
}

// Empty when the value suits the type; else what is wrong with it.
std::string TypeProblem(unsigned type, std::string_view value) {
    switch (type) {
    case kLookupInteger: return IsNumber(value, false) ? "" : "is not an integer";
    case kLookupReal: return IsNumber(value, true) ? "" : "is not a real number";
    case kLookupLetter:
        for (const char c : value)
            if (!IsAnsiLetter(c)) return "holds more than letters";
        return "";
    case kLookupBoolean:
        return value.size() == 1 && std::string_view("10TFtfYNyn").find(value[0]) != std::string_view::npos
                   ? ""
                   : "is not a boolean (1 0 T F Y N)";
    default: return "";
    }
}

std::string FieldLabel(const LookupRecord& lookup, int field) {
    const std::string_view name = FieldText(lookup.fieldName[field]);
    return "field " + std::to_string(field + 1) + (name.empty() ? "" : " " + Quoted(name));
}

std::vector<std::string> SplitFields(std::string_view line, char delimiter) {
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(delimiter, start);
        fields.emplace_back(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

class RecordReader {
public:
    explicit RecordReader(const LookupRecord& lookup) : lookup_(lookup), count_(lookup.fieldCount) {
        for (int f = 0; f < count_; ++f) recordLength_ += LookupFieldLength(lookup, f);
    }

    LookupDataRecord Read(int lineNumber, std::string_view line) {
        LookupDataRecord record{lineNumber, {}, {}};
        if (lookup_.delimiter == 0) SplitFixed(line, record);
        else SplitDelimited(line, record);
        for (int f = 0; f < count_ && f < static_cast<int>(record.fields.size()); ++f) CheckValue(f, record);
        CheckKey(record);
        return record;
    }

private:
    void SplitFixed(std::string_view line, LookupDataRecord& record) {
        if (line.size() != recordLength_)
            record.problems.push_back("the record is " + std::to_string(line.size()) +
                                      " characters long; the definition gives " + std::to_string(recordLength_));
        std::size_t at = 0;
        for (int f = 0; f < count_; ++f) {
            const unsigned length = LookupFieldLength(lookup_, f);
            record.fields.emplace_back(at < line.size() ? line.substr(at, length) : std::string_view());
            at += length;
        }
    }

    void SplitDelimited(std::string_view line, LookupDataRecord& record) {
        record.fields = SplitFields(line, static_cast<char>(lookup_.delimiter));
        if (static_cast<int>(record.fields.size()) != count_)
            record.problems.push_back("the record has " + std::to_string(record.fields.size()) +
                                      " fields; the definition gives " + std::to_string(count_));
        for (int f = 0; f < count_ && f < static_cast<int>(record.fields.size()); ++f) {
            const unsigned max = LookupFieldLength(lookup_, f);
            if (record.fields[f].size() > max)
                record.problems.push_back(FieldLabel(lookup_, f) + " is " + std::to_string(record.fields[f].size()) +
                                          " characters long; at most " + std::to_string(max));
        }
    }

    void CheckValue(int f, LookupDataRecord& record) {
        const std::string_view value = TrimSpaces(record.fields[f]);
        if (value.empty()) return;
        const std::string problem = TypeProblem(lookup_.dataType[f], value);
        if (!problem.empty()) record.problems.push_back(FieldLabel(lookup_, f) + " " + Quoted(value) + " " + problem);
    }

    void CheckKey(LookupDataRecord& record) {
        const int key = lookup_.keyField;
        const std::string value(key < static_cast<int>(record.fields.size()) ? TrimSpaces(record.fields[key]) : "");
        if (value.empty()) {
            record.problems.push_back("the key, " + FieldLabel(lookup_, key) + ", is empty");
            return;
        }
        const auto [seen, first] = keys_.emplace(value, record.line);
        if (!first)
            record.problems.push_back("the key " + Quoted(value) + " repeats line " + std::to_string(seen->second));
    }

    const LookupRecord& lookup_;
    int count_;
    std::size_t recordLength_ = 0;
    std::map<std::string, int> keys_;  // key -> line of its first record
};

}  // namespace

unsigned LookupFieldLength(const LookupRecord& lookup, int field) {
    return lookup.fieldLength[field] + kSplitBlock * lookup.fieldLengthHigh[field];
}

std::string LookupDefinitionProblem(const LookupRecord& lookup) {
    if (lookup.fieldCount == 0) return "it has no fields";
    if (lookup.fieldCount > kLookupVisibleFields)
        return "it claims " + std::to_string(lookup.fieldCount) + " fields; at most " +
               std::to_string(kLookupVisibleFields) + " are possible";
    if (lookup.keyField >= lookup.fieldCount)
        return "its key field " + std::to_string(lookup.keyField + 1) + " is beyond its " +
               std::to_string(lookup.fieldCount) + " fields";
    if (lookup.delimiter == static_cast<unsigned char>(kRecordEnd)) return "its delimiter is 13 (Enter), which ends a record";
    return {};
}

std::vector<LookupFinding> LookupFindings(const LookupRecord& lookup, const std::vector<LookupDataRecord>& records) {
    // Under "Stop the import process" the first bad record ends the import,
    // so the records behind it never arrive.
    std::vector<LookupFinding> findings;
    int stoppedAt = 0;
    for (const LookupDataRecord& record : records) {
        if (record.problems.empty()) continue;
        std::string outcome;
        switch (lookup.wrongFormatAction) {
        case kStopImport:
            if (stoppedAt == 0) {
                stoppedAt = record.line;
                outcome = "the terminal stops the import here: " +
                          (record.line == records.back().line
                               ? "line " + std::to_string(record.line) + " is"
                               : "lines " + std::to_string(record.line) + " to " +
                                     std::to_string(records.back().line) + " are") +
                          " not imported";
            } else {
                outcome = "not reached: the import stops at line " + std::to_string(stoppedAt);
            }
            break;
        case kTruncateRecord: outcome = "the terminal truncates or reformats the record"; break;
        case kSkipRecord: outcome = "the terminal skips the record"; break;
        default: outcome = "the terminal's action, code " + std::to_string(lookup.wrongFormatAction) + ", is unknown";
        }
        std::string problems;
        for (const std::string& p : record.problems) problems += (problems.empty() ? "" : "; ") + p;
        findings.push_back({record.line, problems, outcome});
    }
    return findings;
}

std::vector<LookupDataRecord> ReadLookupData(const LookupRecord& lookup, std::string_view data) {
    RecordReader reader(lookup);
    std::vector<LookupDataRecord> records;
    // Blank lines at the end hold no record.
    while (!data.empty() && (data.back() == '\n' || data.back() == kRecordEnd)) data.remove_suffix(1);
    int lineNumber = 0;
    for (std::size_t start = 0; start < data.size();) {
        const std::size_t lf = data.find('\n', start);
        std::string_view line = data.substr(start, lf == std::string_view::npos ? std::string_view::npos : lf - start);
        if (!line.empty() && line.back() == kRecordEnd) line.remove_suffix(1);
        records.push_back(reader.Read(++lineNumber, line));
        if (lf == std::string_view::npos) break;
        start = lf + 1;
    }
    return records;
}

}  // namespace fw
