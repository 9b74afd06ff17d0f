#include "template/saved_lookup_fields.h"

#include "template/fixed_text.h"
#include "template/value_words.h"

namespace fw {

std::vector<std::string> SavedDelimiterProblems(const TemplateBlocks& blocks, int lookup,
                                                const LookupDataRecord& record) {
    const SystemSettings& settings = blocks.settings;
    const struct { const char* name; unsigned code; } delimiters[] = {
        {"first", settings.firstDelimiter}, {"second", settings.secondDelimiter}};
    std::vector<std::string> problems;
    for (int f = 0; f < kFormCount; ++f) {
        const FormRecord& form = blocks.forms[f];
        if (form.lookupFile != lookup + 1) continue;
        for (int line = 0; line < kFormLineCount; ++line) {
            const int field = form.lookupField[line] - 1;
            if (form.dataType[line] != kTypeLookup || form.initialValueOn[line] != 1 || field < 0 ||
                field >= static_cast<int>(record.fields.size()))
                continue;
            for (const auto& d : delimiters) {
                const std::string& value = record.fields[field];
                if (d.code == 0 || value.find(static_cast<char>(d.code)) == std::string::npos) continue;
                const std::string_view name = FieldText(blocks.lookups[lookup].fieldName[field]);
                problems.push_back("field " + std::to_string(field + 1) + (name.empty() ? "" : " " + Quoted(name)) +
                                   " " + Quoted(value) + " holds the " + d.name + " delimiter " +
                                   CharCodeWords(d.code) + ", and form " + std::to_string(f + 1) + " line " +
                                   std::to_string(line + 1) + " saves it: the export splits the field there");
            }
        }
    }
    return problems;
}

}  // namespace fw
