#include "template/template_merge.h"

#include <algorithm>
#include <string_view>

#include "template/field_elements.h"
#include "template/field_words.h"

namespace fw {
namespace {

struct FieldName {
    std::string_view part;
    std::string_view field;
};

// The fields a save or the sheet's OK works out from others. Some only under
// conditions (a line's max length only on a lookup line), so a field listed
// here counts as worked out only where the preparation really overwrites it.
constexpr FieldName kWorkedOut[] = {
    {"menus", "itemCount"},
    {"forms", "recordFieldCount"}, {"forms", "keyFieldPosition"}, {"forms", "recordLength"},
    {"forms", "menuCaptionField"}, {"forms", "noKeyLine"},        {"forms", "lastInputLine"},
    {"forms", "addedLength"},      {"forms", "maxLength"},        {"forms", "maxLengthBlocks"},
    {"forms", "lookupField"},
    {"lookups", "recordLength"},
    {"reader", "engineCode"},      {"reader", "engineOptions"},   {"reader", "warningBeepCopy"},
    {"reader", "vibratorOn"},      {"reader", "vibratorDurationCopy"},
};

bool MayBeWorkedOut(const FieldElement& e) {
    return std::any_of(std::begin(kWorkedOut), std::end(kWorkedOut),
                       [&](const FieldName& n) { return n.part == e.part->key && n.field == e.field->name; });
}

bool Same(std::span<const std::uint8_t> x, std::span<const std::uint8_t> y) {
    return std::equal(x.begin(), x.end(), y.begin(), y.end());
}

void Put(std::vector<std::uint8_t>& image, const FieldElement& e, std::span<const std::uint8_t> value) {
    std::copy(value.begin(), value.end(), image.begin() + static_cast<std::ptrdiff_t>(e.offset));
}

// A conflict in the diff's words: "label: base → ours / theirs".
std::string ConflictLine(const FieldElement& e, std::span<const std::uint8_t> base,
                         std::span<const std::uint8_t> ours, std::span<const std::uint8_t> theirs) {
    const auto words = [&](std::span<const std::uint8_t> bytes) {
        std::string text = ElementWords(e, bytes);
        if (e.field->kind == FieldKind::Text || e.field->kind == FieldKind::KeyCodes) {
            // The same text may differ in what lies behind its NUL.
            const SplitField split = SplitTerminated(bytes);
            if (!split.plain) text += " (then " + HexWords(split.rest, 16) + ")";
        }
        return text;
    };
    return e.label + ": " + words(base) + " \xE2\x86\x92 " + words(ours) + " / " + words(theirs);
}

}  // namespace

MergeResult MergeTemplates(std::span<const std::uint8_t> base, std::span<const std::uint8_t> ours,
                           std::span<const std::uint8_t> theirs, const Preparation& prepare) {
    std::vector<std::uint8_t> merged(ours.begin(), ours.end());
    std::vector<const FieldElement*> bothChanged;
    for (const FieldElement& e : TemplateElements()) {
        const auto b = e.In(base), o = e.In(ours), t = e.In(theirs);
        if (Same(o, t) || Same(b, t)) continue;
        if (Same(b, o))
            Put(merged, e, t);
        else
            bothChanged.push_back(&e);
    }

    MergeResult result{prepare(merged), {}};
    for (const FieldElement* e : bothChanged) {
        // Worked out: the preparation gives the same value whichever side's
        // is written.
        if (MayBeWorkedOut(*e)) {
            std::vector<std::uint8_t> withTheirs = merged;
            Put(withTheirs, *e, e->In(theirs));
            if (Same(e->In(prepare(withTheirs)), e->In(result.image))) continue;
        }
        result.conflicts.push_back(ConflictLine(*e, e->In(base), e->In(ours), e->In(theirs)));
    }
    return result;
}

}  // namespace fw
