#include "template/template_merge.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "template/derived_values.h"
#include "template/field_elements.h"
#include "template/field_words.h"

namespace fw {
namespace {

bool MayBeDerived(const FieldElement& e) { return IsDerivedField(e.part->key, e.field->name); }

bool Same(std::span<const std::uint8_t> x, std::span<const std::uint8_t> y) {
    return std::equal(x.begin(), x.end(), y.begin(), y.end());
}

void Put(std::vector<std::uint8_t>& image, const FieldElement& e, std::span<const std::uint8_t> value) {
    std::copy(value.begin(), value.end(), image.begin() + static_cast<std::ptrdiff_t>(e.offset));
}

// A conflict in the diff's words: "label: base → ours / theirs". Raw bytes
// show the stretch in which the sides differ, by its offsets in the record;
// texts whose words look alike show what lies behind their NUL.
std::string ConflictLine(const FieldElement& e, std::span<const std::uint8_t> base,
                         std::span<const std::uint8_t> ours, std::span<const std::uint8_t> theirs,
                         const ByteCodeLists& lists) {
    std::span<const std::uint8_t> sides[] = {base, ours, theirs};
    std::string label = e.label, words[3];
    if (e.field->kind == FieldKind::Bytes) {
        std::size_t first = SIZE_MAX, last = 0;
        for (std::size_t i = 0; i < base.size(); ++i) {
            if (base[i] == ours[i] && ours[i] == theirs[i]) continue;
            first = std::min(first, i);
            last = i;
        }
        label += " " + OffsetRange(e.recordOffset + first, last - first + 1);
        for (int i = 0; i < 3; ++i) words[i] = HexWords(sides[i].subspan(first, last - first + 1), kShownBytes);
    } else {
        for (int i = 0; i < 3; ++i) words[i] = ElementWords(e, sides[i], lists);
        const bool alike = words[0] == words[1] || words[1] == words[2] || words[0] == words[2];
        if (alike && (e.field->kind == FieldKind::Text || e.field->kind == FieldKind::KeyCodes))
            for (int i = 0; i < 3; ++i)
                words[i] += " (then " + HexWords(SplitTerminated(sides[i]).rest, kShownBytes) + ")";
    }
    return label + ": " + words[0] + kArrow + words[1] + " / " + words[2];
}

}  // namespace

MergeResult MergeTemplates(std::span<const std::uint8_t> base, std::span<const std::uint8_t> ours,
                           std::span<const std::uint8_t> theirs, const ByteCodeLists& lists) {
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

    MergeResult result{WithDerivedValues(merged), {}};
    for (const FieldElement* e : bothChanged) {
        // Derived here: working the values out gives the same whichever
        // side's value is written.
        if (MayBeDerived(*e)) {
            std::vector<std::uint8_t> withTheirs = merged;
            Put(withTheirs, *e, e->In(theirs));
            if (Same(e->In(WithDerivedValues(withTheirs)), e->In(result.image))) continue;
        }
        result.conflicts.push_back(ConflictLine(*e, e->In(base), e->In(ours), e->In(theirs), lists));
    }
    return result;
}

}  // namespace fw
