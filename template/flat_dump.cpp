#include "template/flat_dump.h"

#include <algorithm>

#include "template/field_elements.h"
#include "template/field_words.h"

namespace fw {
namespace {

constexpr std::size_t kBytesPerLine = 16;

}  // namespace

std::string FlatDump(std::span<const std::uint8_t> image, const ByteCodeLists& lists) {
    std::string text;
    for (const FieldElement& e : TemplateElements()) {
        const auto bytes = e.In(image);
        if (e.field->kind == FieldKind::Bytes) {
            // Sixteen bytes a line, by their offsets in the record, so that
            // a changed byte changes one short line.
            for (std::size_t at = 0; at < bytes.size(); at += kBytesPerLine) {
                const auto chunk = bytes.subspan(at, std::min(kBytesPerLine, bytes.size() - at));
                if (e.reserved && std::all_of(chunk.begin(), chunk.end(), [](std::uint8_t b) { return b == 0; }))
                    continue;
                text += e.label + " " + OffsetRange(e.recordOffset + at, chunk.size()) + " = " + HexWords(chunk) + "\n";
            }
            continue;
        }
        text += e.label + " = " + ElementWords(e, bytes, lists) + "\n";
        if (e.field->kind == FieldKind::Text || e.field->kind == FieldKind::KeyCodes) {
            const SplitField split = SplitTerminated(bytes);
            if (!split.plain) text += e.label + " bytes behind the text = " + HexWords(split.rest) + "\n";
        }
    }
    return text;
}

}  // namespace fw
