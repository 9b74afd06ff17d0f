#include "template/flat_dump.h"

#include <algorithm>

#include "template/field_elements.h"
#include "template/field_words.h"

namespace fw {

std::string FlatDump(std::span<const std::uint8_t> image) {
    std::string text;
    for (const FieldElement& e : TemplateElements()) {
        const auto bytes = e.In(image);
        if (e.field->kind == FieldKind::Bytes) {
            if (e.reserved && std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; }))
                continue;
            // Several reserved runs share a record: the offsets tell them apart.
            std::string range = std::to_string(e.recordOffset);
            if (bytes.size() > 1) range += "-" + std::to_string(e.recordOffset + bytes.size() - 1);
            text += e.label + " " + range + " = " + HexWords(bytes) + "\n";
            continue;
        }
        text += e.label + " = " + ElementWords(e, bytes) + "\n";
        if (e.field->kind == FieldKind::Text || e.field->kind == FieldKind::KeyCodes) {
            const SplitField split = SplitTerminated(bytes);
            if (!split.plain) text += e.label + " bytes behind the text = " + HexWords(split.rest) + "\n";
        }
    }
    return text;
}

}  // namespace fw
