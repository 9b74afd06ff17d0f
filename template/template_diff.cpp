#include "template/template_diff.h"

#include <algorithm>

#include "template/field_elements.h"
#include "template/field_words.h"

namespace fw {
namespace {

void Line(std::vector<std::string>& lines, const std::string& label, const std::string& from,
          const std::string& to) {
    lines.push_back(label + ": " + from + kArrow + to);
}

// One line per run of differing bytes, by their offsets in the record.
void ByteRuns(std::vector<std::string>& lines, const std::string& label, std::size_t shownOffset,
              std::span<const std::uint8_t> x, std::span<const std::uint8_t> y) {
    for (std::size_t i = 0; i < x.size();) {
        if (x[i] == y[i]) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < x.size() && x[end] != y[end]) ++end;
        Line(lines, label + " " + OffsetRange(shownOffset + i, end - i), HexWords(x.subspan(i, end - i), kShownBytes),
             HexWords(y.subspan(i, end - i), kShownBytes));
        i = end;
    }
}

}  // namespace

std::vector<std::string> DiffTemplates(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                                       const ByteCodeLists& lists) {
    std::vector<std::string> lines;
    for (const FieldElement& e : TemplateElements()) {
        const auto x = e.In(a), y = e.In(b);
        if (std::equal(x.begin(), x.end(), y.begin())) continue;
        if (e.field->kind == FieldKind::Bytes) {
            ByteRuns(lines, e.label, e.recordOffset, x, y);
            continue;
        }
        const std::string from = ElementWords(e, x, lists), to = ElementWords(e, y, lists);
        if (from != to)
            Line(lines, e.label, from, to);
        else  // the same text with other bytes behind its NUL
            ByteRuns(lines, e.label + " bytes behind the text", e.recordOffset, x, y);
    }
    return lines;
}

}  // namespace fw
