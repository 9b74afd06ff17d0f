#include "template/derived_values.h"

#include <algorithm>
#include <memory>

#include "template/field_map.h"
#include "template/fixed_text.h"
#include "template/form_lines.h"
#include "template/save_preparation.h"
#include "template/template_file.h"

namespace fw {
namespace {

enum class Deriver { Save, FormPage, MenuPage, LookupPage };

constexpr const char* kDeriverWords[] = {"a save", "OK on the Form page", "OK on the Menu page",
                                         "OK on the Lookup page"};

struct DerivedField {
    std::string_view part;
    std::string_view field;
    Deriver by;
};

// addedLength is left out: each save with code ids on adds 2 to it again.
constexpr DerivedField kDerived[] = {
    {"menus", "itemCount", Deriver::MenuPage},
    {"forms", "recordFieldCount", Deriver::Save},
    {"forms", "keyFieldPosition", Deriver::Save},
    {"forms", "recordLength", Deriver::Save},
    {"forms", "menuCaptionField", Deriver::Save},
    {"forms", "noKeyLine", Deriver::FormPage},
    {"forms", "lastInputLine", Deriver::FormPage},
    {"forms", "maxLength", Deriver::Save},
    {"forms", "maxLengthBlocks", Deriver::Save},
    {"forms", "lookupField", Deriver::Save},
    {"lookups", "recordLength", Deriver::LookupPage},
    {"reader", "engineCode", Deriver::Save},
    {"reader", "engineOptions", Deriver::Save},
    {"reader", "warningBeepCopy", Deriver::Save},
    {"reader", "vibratorOn", Deriver::Save},
    {"reader", "vibratorDurationCopy", Deriver::Save},
    {"reader", "twoDImageCaptureOn", Deriver::Save},
    {"settings", "protectImageCapture", Deriver::Save},
};

const Deriver* DeriverOf(std::string_view part, std::string_view field) {
    for (const DerivedField& d : kDerived)
        if (d.part == part && d.field == field) return &d.by;
    return nullptr;
}

// Only the derived fields themselves: the shapes are measured on the file's
// own lastInputLine and noKeyLine, as the next save measures them.
void DeriveAsThePagesDo(TemplateBlocks& blocks) {
    for (MenuRecord& menu : blocks.menus) CountMenuItems(menu);
    for (FormRecord& form : blocks.forms) {
        form.noKeyLine = form.keyLine == 0 ? 1 : 0;
        form.lastInputLine = static_cast<std::uint8_t>(LastInputLine(form));
    }
    for (LookupRecord& lookup : blocks.lookups) SetLe16(lookup.recordLength, LookupRecordLength(lookup));
}

// A derived field of a record, with what derives it: looked up once a part,
// since a check walks every record of every file it is given.
struct DerivedSpec {
    const FieldSpec* field;
    Deriver by;
};

std::vector<DerivedSpec> DerivedFieldsOf(std::string_view part, std::span<const FieldSpec> fields) {
    std::vector<DerivedSpec> derived;
    for (const FieldSpec& field : fields)
        if (const Deriver* by = DeriverOf(part, field.name)) derived.push_back({&field, *by});
    return derived;
}

class Comparer {
public:
    Comparer(const TemplateBlocks& file, const TemplateBlocks& saved, const TemplateBlocks& applied)
        : file_(Bytes(file)), saved_(Bytes(saved)), applied_(Bytes(applied)) {}

    std::vector<StaleValue> Run() {
        for (const TemplatePart& part : TemplateParts()) {
            if (part.record == nullptr || part.key == kDeviceTextsKey) continue;
            const std::vector<DerivedSpec> fields = DerivedFieldsOf(part.key, part.record->fields);
            const std::vector<DerivedSpec> groupFields = DerivedFieldsOf(part.key, part.record->groupFields);
            const std::size_t records = part.recordCount == 0 ? 1 : part.recordCount;
            for (std::size_t r = 0; r < records; ++r) {
                const auto place = [&] {
                    return part.recordCount == 0 ? std::string(part.place) : part.place + (" " + std::to_string(r + 1));
                };
                const std::size_t base = part.offset - kBlocksOffset + r * part.recordSize;
                for (const DerivedSpec& d : fields)
                    for (std::size_t e = 0; e < d.field->count; ++e)
                        Compare(d, base + d.field->offset + e * d.field->width, place);
                for (std::size_t g = 0; g < part.record->groupCount; ++g)
                    for (const DerivedSpec& d : groupFields)
                        Compare(d, base + d.field->offset + g * d.field->width, [&] {
                            return place() + " " + part.record->groupPlace + " " + std::to_string(g + 1);
                        });
            }
        }
        return std::move(stale_);
    }

private:
    static const std::uint8_t* Bytes(const TemplateBlocks& blocks) {
        return reinterpret_cast<const std::uint8_t*>(&blocks);
    }

    template <class Place>
    void Compare(const DerivedSpec& d, std::size_t at, const Place& place) {
        const unsigned inFile = ReadNumber(*d.field, file_ + at);
        const unsigned derived = ReadNumber(*d.field, (d.by == Deriver::Save ? saved_ : applied_) + at);
        if (inFile != derived)
            stale_.push_back({place(), FieldWords(d.field->name), inFile, derived, kDeriverWords[static_cast<int>(d.by)]});
    }

    const std::uint8_t* file_;
    const std::uint8_t* saved_;
    const std::uint8_t* applied_;
    std::vector<StaleValue> stale_;
};

}  // namespace

bool IsDerivedField(std::string_view part, std::string_view field) { return DeriverOf(part, field) != nullptr; }

std::vector<StaleValue> StaleDerivedValues(const TemplateBlocks& blocks) {
    // On the heap: a block image is too large for a Windows stack to hold thrice.
    const auto saved = std::make_unique<TemplateBlocks>(blocks);
    PrepareBlocksForSaving(*saved);
    const auto applied = std::make_unique<TemplateBlocks>(blocks);
    DeriveAsThePagesDo(*applied);
    return Comparer(blocks, *saved, *applied).Run();
}

std::vector<std::uint8_t> WithDerivedValues(std::span<const std::uint8_t> image) {
    const auto blocks = std::make_unique<TemplateBlocks>();
    auto* bytes = reinterpret_cast<std::uint8_t*>(blocks.get());
    const auto at = image.begin() + kBlocksOffset;
    std::copy(at, at + sizeof(TemplateBlocks), bytes);
    DeriveAsThePagesDo(*blocks);
    PrepareBlocksForSaving(*blocks);
    std::vector<std::uint8_t> result(image.begin(), image.end());
    std::copy(bytes, bytes + sizeof(TemplateBlocks), result.begin() + kBlocksOffset);
    return result;
}

}  // namespace fw
