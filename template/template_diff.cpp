#include "template/template_diff.h"

#include <algorithm>
#include <cstdio>

#include "template/key_names.h"
#include "template/field_map.h"
#include "template/value_words.h"

namespace fw {
namespace {

constexpr const char* kArrow = " \xE2\x86\x92 ";  // " → "
constexpr std::size_t kShownBytes = 16;           // of one run; longer runs end in "…"

std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    char pair[4];
    for (std::size_t i = 0; i < bytes.size() && i < kShownBytes; ++i) {
        std::snprintf(pair, sizeof pair, i == 0 ? "%02x" : " %02x", bytes[i]);
        text += pair;
    }
    if (bytes.size() > kShownBytes) text += " \xE2\x80\xA6";
    return text;
}

std::string KeyCodesWords(std::string_view codes) {
    std::string text = "[";
    for (const char c : codes) {
        const auto code = static_cast<std::uint8_t>(c);
        std::string name = ComposedToDisplayText(KeyName(code));
        if (name.empty()) name = std::to_string(code);
        text += (text.size() > 1 ? " " : "") + name;
    }
    return text + "]";
}

struct Element {
    std::string place;  // the record: "form 3"
    std::string label;  // the element: "form 3 line 2 max length"
    const FieldSpec* field;
    std::size_t fileOffset;   // where the element starts in the file
    std::size_t shownOffset;  // the same, as reported: inside the record
};

class Differ {
public:
    Differ(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) : a_(a), b_(b) {}

    std::vector<std::string> Run() {
        for (const TemplatePart& part : TemplateParts()) {
            if (part.field != nullptr) {
                Compare({part.place, part.place, part.field, part.offset, part.offset});
                continue;
            }
            const std::size_t records = std::max<std::size_t>(part.recordCount, 1);
            for (std::size_t r = 0; r < records; ++r) {
                std::string place = part.place;
                if (part.recordCount > 0) place += " " + std::to_string(r + 1);
                Record(part, place, part.offset + r * part.recordSize);
            }
        }
        return std::move(lines_);
    }

private:
    void Record(const TemplatePart& part, const std::string& place, std::size_t base) {
        const RecordSpec& record = *part.record;
        const bool deviceTexts = part.key == kDeviceTextsKey;
        for (const FieldSpec& field : record.fields) {
            if (deviceTexts) {
                // Each slot reads as the string id it holds.
                const int firstId = std::stoi(field.name);
                for (std::size_t e = 0; e < field.count; ++e)
                    Compare({place, place + " " + std::to_string(firstId + static_cast<int>(e)), &field,
                             base + field.offset + e * field.width, field.offset + e * field.width});
            } else {
                ForEach(place, field, base, record.elementPlace);
            }
        }
        for (std::size_t g = 0; g < record.groupCount; ++g) {
            const std::string groupPlace = place + " " + record.groupPlace + " " + std::to_string(g + 1);
            for (const FieldSpec& field : record.groupFields) {
                const std::size_t offset = field.offset + g * field.width;
                Compare({place, groupPlace + " " + FieldWords(field.name), &field, base + offset, offset});
            }
        }
    }

    void ForEach(const std::string& place, const FieldSpec& field, std::size_t base, const char* elementPlace) {
        const std::string words = FieldWords(field.name);
        for (std::size_t e = 0; e < field.count; ++e) {
            std::string label = place;
            if (field.count == 1)
                label += " " + words;
            else if (elementPlace != nullptr)
                label += " " + std::string(elementPlace) + " " + std::to_string(e + 1) + " " + words;
            else
                label += " " + words + " " + std::to_string(e + 1);
            const std::size_t offset = field.offset + e * field.width;
            Compare({place, label, &field, base + offset, offset});
        }
    }

    void Compare(const Element& e) {
        const auto x = a_.subspan(e.fileOffset, e.field->width);
        const auto y = b_.subspan(e.fileOffset, e.field->width);
        if (std::equal(x.begin(), x.end(), y.begin())) return;
        switch (e.field->kind) {
        case FieldKind::Number:
        case FieldKind::Number16:
            Line(e.label, std::to_string(ReadNumber(*e.field, x.data())),
                 std::to_string(ReadNumber(*e.field, y.data())));
            return;
        case FieldKind::CharCode:
            Line(e.label, CharCodeWords(x[0]), CharCodeWords(y[0]));
            return;
        case FieldKind::Target:
            Line(e.label, std::to_string(x[0]) + " (" + TargetWords(x[0]) + ")",
                 std::to_string(y[0]) + " (" + TargetWords(y[0]) + ")");
            return;
        case FieldKind::Text:
        case FieldKind::KeyCodes: {
            const SplitField sx = SplitTerminated(x), sy = SplitTerminated(y);
            if (sx.text != sy.text) {
                const bool text = e.field->kind == FieldKind::Text;
                Line(e.label, text ? Quoted(sx.text) : KeyCodesWords(sx.text),
                     text ? Quoted(sy.text) : KeyCodesWords(sy.text));
                return;
            }
            ByteRuns(e.label + " bytes behind the text", e.shownOffset, x, y);
            return;
        }
        case FieldKind::Bytes: {
            // Reserved runs read as offsets in their record, not by name.
            const bool reserved = std::string_view(e.field->name).rfind("reserved", 0) == 0 && e.label != e.place;
            ByteRuns(reserved ? e.place + " reserved bytes" : e.label + " bytes", e.shownOffset, x, y);
            return;
        }
        }
    }

    // One line per run of differing bytes.
    void ByteRuns(const std::string& label, std::size_t shownOffset, std::span<const std::uint8_t> x,
                  std::span<const std::uint8_t> y) {
        for (std::size_t i = 0; i < x.size();) {
            if (x[i] == y[i]) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < x.size() && x[end] != y[end]) ++end;
            std::string range = std::to_string(shownOffset + i);
            if (end - i > 1) range += "-" + std::to_string(shownOffset + end - 1);
            Line(label + " " + range, Hex(x.subspan(i, end - i)), Hex(y.subspan(i, end - i)));
            i = end;
        }
    }

    void Line(const std::string& label, const std::string& from, const std::string& to) {
        lines_.push_back(label + ": " + from + kArrow + to);
    }

    std::span<const std::uint8_t> a_, b_;
    std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> DiffTemplates(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return Differ(a, b).Run();
}

}  // namespace fw
