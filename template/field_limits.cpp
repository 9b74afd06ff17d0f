#include "template/field_limits.h"

#include <map>
#include <string_view>

#include "template/blocks/form_block.h"
#include "template/target_code.h"

namespace fw {
namespace {

struct Limit {
    std::string_view part;
    std::string_view field;
    NumberRange range;
};

// The codes and lengths whose lists and boxes the pages offer; switches and
// values the pages never limit keep their bytes' range.
constexpr Limit kLimits[] = {
    {"menus", "itemCount", {0, 15}},
    {"forms", "lookupFile", {0, 5}},
    {"forms", "recordAction", {0, 3}},
    {"forms", "keyLine", {0, 12}},
    {"forms", "stampMode", {0, 2}},
    {"forms", "yearDigits", {0, 1}},
    {"forms", "dateStyle", {0, 2}},
    {"forms", "lastInputLine", {0, 15}},
    {"forms", "dataType", {0, 18}},
    {"forms", "inputSource", {0, 3}},
    {"forms", "minLength", {0, 160}},
    {"forms", "maxLength", {0, 160}},
    {"forms", "maxLengthBlocks", {0, 12}},
    {"forms", "lookupField", {0, 36}},
    {"forms", "alignment", {0, 3}},
    {"forms", "decimalPlaces", {0, 6}},
    {"forms", "checkDigit", {0, 8}},
    {"forms", "autoEnter", {0, 2}},
    {"lookups", "fieldCount", {0, 12}},
    {"lookups", "keyField", {0, 11}},
    {"lookups", "dataType", {0, 5}},
    {"lookups", "fieldLength", {0, 160}},
    {"lookups", "noMatchAction", {0, 5}},
    {"lookups", "wrongFormatAction", {0, 2}},
    {"settings", "startFrom", {0, 1}},
    {"settings", "dataDeletion", {0, 2}},
    {"settings", "entryOption", {0, 2}},
    {"settings", "entryHoldTime", {0, 99}},
    {"settings", "warningBeep", {0, 9}},
    {"settings", "vibratorDuration", {0, 9}},
    {"settings", "cameraResolution", {0, 2}},
};

// The limits by field, found once through the parts that hold the fields.
const std::map<const FieldSpec*, NumberRange>& RangesByField() {
    static const std::map<const FieldSpec*, NumberRange> ranges = [] {
        std::map<const FieldSpec*, NumberRange> found;
        for (const TemplatePart& part : TemplateParts()) {
            if (part.record == nullptr) continue;
            for (const auto fields : {part.record->fields, part.record->groupFields})
                for (const FieldSpec& field : fields)
                    for (const Limit& limit : kLimits)
                        if (limit.part == part.key && limit.field == field.name) found[&field] = limit.range;
        }
        return found;
    }();
    return ranges;
}

}  // namespace

NumberRange FieldRange(const FieldSpec& field) {
    if (field.kind == FieldKind::Target) return {0, kLastTarget};
    const auto& ranges = RangesByField();
    if (const auto it = ranges.find(&field); it != ranges.end()) return it->second;
    return {0, NumberLimit(field)};
}

std::size_t KeptTextLength(const FieldSpec& field) {
    if (std::string_view(field.name) == "prompt") return kPromptShownLength;
    return field.width - 1;
}

}  // namespace fw
