#include "preview/lookup_tables.h"

#include "template/fixed_text.h"

namespace fw {

const LookupImport& LookupTables::Load(const LookupRecord& definition, int index, std::string source,
                                       std::string data) {
    File& file = files_[index];
    file.data = std::move(data);
    file.import.source = std::move(source);
    Import(definition, file);
    return file.import;
}

void LookupTables::Reload(const LookupRecord (&definitions)[kLookupCount]) {
    for (int index = 0; index < kLookupCount; ++index)
        if (!files_[index].import.source.empty()) Import(definitions[index], files_[index]);
}

void LookupTables::Clear(int index) { files_[index] = File(); }

void LookupTables::Import(const LookupRecord& definition, File& file) {
    file.records.clear();
    file.import = {file.import.source, LookupDefinitionProblem(definition), 0, 0, {}};
    file.keyField = definition.keyField;
    if (!file.import.problem.empty()) return;
    const std::vector<LookupDataRecord> records = ReadLookupData(definition, file.data);
    file.import.findings = LookupFindings(definition, records);
    bool stopped = false;
    for (const LookupDataRecord& record : records) {
        // "Stop the import process" ends it at the first bad record; the
        // terminal keeps what it read before.
        stopped = stopped || (!record.problems.empty() && definition.wrongFormatAction == kStopImport);
        if (stopped || (!record.problems.empty() && definition.wrongFormatAction != kTruncateRecord)) {
            ++file.import.refused;
            continue;
        }
        LookupFields fields;
        for (int f = 0; f < definition.fieldCount; ++f) {
            const std::string_view value =
                f < static_cast<int>(record.fields.size()) ? std::string_view(record.fields[f]) : std::string_view();
            fields.emplace_back(TrimSpaces(value.substr(0, LookupFieldLength(definition, f))));
        }
        file.records.push_back(std::move(fields));
        ++file.import.imported;
    }
}

const LookupFields* LookupTables::Find(int index, std::string_view key) const {
    const File& file = files_[index];
    const std::string_view wanted = TrimSpaces(key);
    for (const LookupFields& record : file.records)
        if (file.keyField < static_cast<int>(record.size()) && record[file.keyField] == wanted) return &record;
    return nullptr;
}

}  // namespace fw
