#include "template/field_elements.h"

#include <algorithm>
#include <vector>

namespace fw {
namespace {

bool IsReservedName(const char* name) { return std::string_view(name).rfind("reserved", 0) == 0; }

class Walk {
public:
    std::vector<FieldElement> Run() {
        for (const TemplatePart& part : TemplateParts()) {
            if (part.field != nullptr) {
                Add(part, *part.field, part.offset, part.offset, part.place, part.place);
                continue;
            }
            const std::size_t records = std::max<std::size_t>(part.recordCount, 1);
            for (std::size_t r = 0; r < records; ++r) {
                std::string place = part.place;
                if (part.recordCount > 0) place += " " + std::to_string(r + 1);
                Record(part, place, part.offset + r * part.recordSize);
            }
        }
        return std::move(elements_);
    }

private:
    void Record(const TemplatePart& part, const std::string& place, std::size_t base) {
        const RecordSpec& record = *part.record;
        const std::size_t groupAt = record.groupFields.empty() ? SIZE_MAX : record.groupFields.front().offset;
        bool groupDone = record.groupFields.empty();
        for (const FieldSpec& field : record.fields) {
            if (!groupDone && field.offset > groupAt) {
                Group(part, record, place, base);
                groupDone = true;
            }
            Field(part, field, place, base, record.elementPlace);
        }
        if (!groupDone) Group(part, record, place, base);
    }

    void Group(const TemplatePart& part, const RecordSpec& record, const std::string& place, std::size_t base) {
        for (std::size_t g = 0; g < record.groupCount; ++g) {
            const std::string entry = place + " " + record.groupPlace + " " + std::to_string(g + 1) + " ";
            for (const FieldSpec& field : record.groupFields) {
                const std::size_t offset = field.offset + g * field.width;
                Add(part, field, base + offset, offset, place, entry + FieldWords(field.name));
            }
        }
    }

    void Field(const TemplatePart& part, const FieldSpec& field, const std::string& place, std::size_t base,
               const char* elementPlace) {
        // Device text slots read as the string id each holds.
        const bool deviceTexts = part.key == kDeviceTextsKey;
        const int firstId = deviceTexts ? std::stoi(field.name) : 0;
        const std::string words = FieldWords(field.name);
        for (std::size_t e = 0; e < field.count; ++e) {
            const std::string number = std::to_string(e + 1);
            std::string label = place + " ";
            if (deviceTexts)
                label += std::to_string(firstId + static_cast<int>(e));
            else if (field.count == 1)
                label += words;
            else if (elementPlace != nullptr)
                label += std::string(elementPlace) + " " + number + " " + words;
            else
                label += words + " " + number;
            const std::size_t offset = field.offset + e * field.width;
            Add(part, field, base + offset, offset, place, label);
        }
    }

    void Add(const TemplatePart& part, const FieldSpec& field, std::size_t offset, std::size_t recordOffset,
             const std::string& place, std::string label) {
        // Raw bytes read as "reader code id table bytes"; a reserved run of a
        // record as "form 3 reserved bytes", the gap (a part of its own) by
        // its name. Reports add the offsets.
        const bool reserved = IsReservedName(field.name);
        if (reserved && part.field == nullptr) label = place + " reserved";
        if (field.kind == FieldKind::Bytes) label += " bytes";
        elements_.push_back({&part, &field, offset, recordOffset, place, std::move(label), reserved});
    }

    std::vector<FieldElement> elements_;
};

}  // namespace

std::span<const FieldElement> TemplateElements() {
    static const std::vector<FieldElement> elements = Walk().Run();
    return elements;
}

}  // namespace fw
