// The lookup files as the terminal holds them after importing the data files
// the user chose: the records each one took in under its definition's rule
// for badly formed records, and the records the preview inserted since.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "template/blocks/lookup_block.h"
#include "template/lookup_data.h"

namespace fw {

using LookupFields = std::vector<std::string>;  // trimmed, one per field

struct LookupImport {
    std::string source;      // the data file's name; empty when none was chosen
    std::string problem;     // why nothing could be imported; empty when it could
    int imported = 0;
    int refused = 0;         // bad records skipped, or never reached after a stop
    std::vector<LookupFinding> findings;  // the bad records, which and why
};

class LookupTables {
public:
    // Imports `data` into lookup file `index` (0-4) as its definition says,
    // replacing what the file held.
    const LookupImport& Load(const LookupRecord& definition, int index, std::string source, std::string data);
    // Imports every file's data again under new definitions.
    void Reload(const LookupRecord (&definitions)[kLookupCount]);
    void Clear(int index);

    const LookupImport& import(int index) const { return files_[index].import; }
    // The first record whose key field holds `key`, spaces around it aside.
    const LookupFields* Find(int index, std::string_view key) const;
    void Insert(int index, LookupFields record) { files_[index].records.push_back(std::move(record)); }

private:
    struct File {
        std::string data;
        LookupImport import;
        int keyField = 0;
        std::vector<LookupFields> records;
    };
    void Import(const LookupRecord& definition, File& file);

    std::array<File, kLookupCount> files_;
};

}  // namespace fw
