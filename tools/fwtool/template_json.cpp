#include "tools/fwtool/template_json.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

#include "template/ansi_text.h"
#include "template/field_limits.h"
#include "template/field_map.h"
#include "template/template_file.h"

namespace fw {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const std::uint8_t b : bytes) {
        text += kHexDigits[b >> 4];
        text += kHexDigits[b & 15];
    }
    return text;
}

// ---- Dump ---------------------------------------------------------------------

// A number beyond what the pages allow, or a text longer than Open keeps,
// comes out in the object form that `build` takes as the bytes stand.
constexpr const char* kRawKey = "raw";

Json TerminatedValue(const FieldSpec& field, std::span<const std::uint8_t> element) {
    const SplitField split = SplitTerminated(element);
    Json content;
    if (field.kind == FieldKind::Text) {
        content = AnsiToUtf8(split.text);
    } else {
        content = Json::array();
        for (const char c : split.text) content.push_back(static_cast<std::uint8_t>(c));
    }
    if (split.plain && (field.kind != FieldKind::Text || split.text.size() <= KeptTextLength(field))) return content;
    return Json{{field.kind == FieldKind::Text ? "text" : "codes", content}, {"rest", Hex(split.rest)}};
}

Json ElementValue(const FieldSpec& field, std::span<const std::uint8_t> element) {
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::KeyCodes: return TerminatedValue(field, element);
    case FieldKind::Bytes: return Hex(element);
    default: {
        const unsigned value = ReadNumber(field, element.data());
        const NumberRange range = FieldRange(field);
        if (value < range.low || value > range.high) return Json{{kRawKey, value}};
        return value;
    }
    }
}

Json FieldValue(const FieldSpec& field, std::span<const std::uint8_t> record) {
    const auto element = [&](std::size_t e) { return record.subspan(field.offset + e * field.width, field.width); };
    if (field.count == 1) return ElementValue(field, element(0));
    Json values = Json::array();
    for (std::size_t e = 0; e < field.count; ++e) values.push_back(ElementValue(field, element(e)));
    return values;
}

Json RecordValue(const RecordSpec& spec, std::span<const std::uint8_t> record) {
    Json object = Json::object();
    // The group goes where it begins in the record, so keys keep file order.
    const std::size_t groupAt = spec.groupFields.empty() ? SIZE_MAX : spec.groupFields.front().offset;
    const auto addGroup = [&] {
        Json entries = Json::array();
        for (std::size_t g = 0; g < spec.groupCount; ++g) {
            Json entry = Json::object();
            for (const FieldSpec& field : spec.groupFields)
                entry[field.name] = ElementValue(field, record.subspan(field.offset + g * field.width, field.width));
            entries.push_back(std::move(entry));
        }
        object[spec.groupKey] = std::move(entries);
    };
    bool groupDone = spec.groupFields.empty();
    for (const FieldSpec& field : spec.fields) {
        if (!groupDone && field.offset > groupAt) {
            addGroup();
            groupDone = true;
        }
        object[field.name] = FieldValue(field, record);
    }
    if (!groupDone) addGroup();
    return object;
}

// ---- Build --------------------------------------------------------------------

std::string Indexed(const std::string& path, std::size_t index) { return path + "[" + std::to_string(index) + "]"; }
std::string Member(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

[[noreturn]] void Fail(const std::string& path, const std::string& what) { throw BuildError(path + ": " + what); }

const Json& Expect(const std::string& path, const Json& value, Json::value_t type, const char* what) {
    if (value.type() != type) Fail(path, std::string("expected ") + what);
    return value;
}

// An array of at most `limit` entries; entries left out keep their bytes.
const Json& ExpectArray(const std::string& path, const Json& value, std::size_t limit) {
    if (!value.is_array() || value.size() > limit)
        Fail(path, "expected an array of at most " + std::to_string(limit) + " entries");
    return value;
}

unsigned NumberIn(const std::string& path, const Json& value, unsigned low, unsigned high) {
    const std::string range = " (allowed: " + std::to_string(low) + " to " + std::to_string(high) + ")";
    if (!value.is_number_integer()) Fail(path, "expected a whole number" + range);
    if (value.is_number_unsigned()) {
        const auto n = value.get<std::uint64_t>();
        if (n >= low && n <= high) return static_cast<unsigned>(n);
    }
    Fail(path, value.dump() + " is out of range" + range);
}

std::vector<std::uint8_t> FromHex(const std::string& path, const Json& value, std::size_t maxBytes, bool exact) {
    const std::string need = exact ? "exactly " + std::to_string(maxBytes) + " bytes"
                                   : "at most " + std::to_string(maxBytes) + " bytes";
    if (!value.is_string()) Fail(path, "expected hex digits, " + need);
    const std::string& text = value.get_ref<const std::string&>();
    const auto digit = [](char c) -> int {
        const char* p = std::strchr(kHexDigits, c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c);
        return c != '\0' && p != nullptr ? static_cast<int>(p - kHexDigits) : -1;
    };
    std::vector<std::uint8_t> bytes;
    bool good = text.size() % 2 == 0;
    for (std::size_t i = 0; good && i < text.size(); i += 2) {
        const int high = digit(text[i]), low = digit(text[i + 1]);
        good = high >= 0 && low >= 0;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    if (!good || bytes.size() > maxBytes || (exact && bytes.size() != maxBytes))
        Fail(path, "expected hex digits, " + need);
    return bytes;
}

// The content before the NUL: a text's characters or a list of key codes.
// A plain text may be as long as Open keeps; the object form as the field.
std::string TerminatedContent(const std::string& path, const FieldSpec& field, const Json& value, bool plain) {
    const std::size_t limit = plain && field.kind == FieldKind::Text ? KeptTextLength(field) : field.width - 1;
    std::string content;
    if (field.kind == FieldKind::Text) {
        Expect(path, value, Json::value_t::string, "a text");
        const std::optional<std::string> ansi = Utf8ToAnsi(value.get_ref<const std::string&>());
        if (!ansi) Fail(path, "holds a character the 8-bit code page (Windows-1252) lacks");
        if (ansi->find('\0') != std::string::npos) Fail(path, "a text cannot hold a NUL character");
        content = *ansi;
        if (content.size() > limit)
            Fail(path, "text of " + std::to_string(content.size()) + " characters is longer than " +
                           (limit < field.width - 1 ? "the " + std::to_string(limit) + " Open keeps"
                                                    : "the field's " + std::to_string(limit)));
    } else {
        ExpectArray(path, value, limit);
        for (std::size_t i = 0; i < value.size(); ++i)
            content += static_cast<char>(NumberIn(Indexed(path, i), value[i], 1, 255));
    }
    return content;
}

void SetTerminated(const std::string& path, const FieldSpec& field, const Json& value, std::span<std::uint8_t> element) {
    const char* contentKey = field.kind == FieldKind::Text ? "text" : "codes";
    std::string content;
    std::vector<std::uint8_t> rest;
    if (value.is_object()) {
        for (const auto& [key, member] : value.items())
            if (key != contentKey && key != "rest") Fail(Member(path, key), "unknown key");
        if (!value.contains(contentKey)) Fail(Member(path, contentKey), "missing");
        content = TerminatedContent(Member(path, contentKey), field, value[contentKey], false);
        if (value.contains("rest")) rest = FromHex(Member(path, "rest"), value["rest"], field.width - content.size(), false);
        // What follows a shorter text has to begin with its NUL, or the text
        // would read longer than written.
        if (!rest.empty() && rest[0] != 0 && content.size() + 1 < field.width)
            Fail(Member(path, "rest"), "has to begin with 00, the NUL that ends the text");
    } else {
        content = TerminatedContent(path, field, value, true);
    }
    std::fill(element.begin(), element.end(), 0);
    std::copy(content.begin(), content.end(), element.begin());
    std::copy(rest.begin(), rest.end(), element.begin() + static_cast<std::ptrdiff_t>(content.size()));
}

void SetElement(const std::string& path, const FieldSpec& field, const Json& value, std::span<std::uint8_t> element) {
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::KeyCodes: SetTerminated(path, field, value, element); return;
    case FieldKind::Bytes: {
        const std::vector<std::uint8_t> bytes = FromHex(path, value, field.width, true);
        std::copy(bytes.begin(), bytes.end(), element.begin());
        return;
    }
    default: {
        const NumberRange range = FieldRange(field);
        if (!value.is_object()) {
            WriteNumber(field, element.data(), NumberIn(path, value, range.low, range.high));
            return;
        }
        for (const auto& [key, member] : value.items())
            if (key != kRawKey) Fail(Member(path, key), "unknown key");
        if (!value.contains(kRawKey)) Fail(Member(path, kRawKey), "missing");
        WriteNumber(field, element.data(), NumberIn(Member(path, kRawKey), value[kRawKey], 0, NumberLimit(field)));
    }
    }
}

void SetField(const std::string& path, const FieldSpec& field, const Json& value, std::span<std::uint8_t> record) {
    const auto element = [&](std::size_t e) { return record.subspan(field.offset + e * field.width, field.width); };
    if (field.count == 1) {
        SetElement(path, field, value, element(0));
        return;
    }
    ExpectArray(path, value, field.count);
    for (std::size_t e = 0; e < value.size(); ++e) SetElement(Indexed(path, e), field, value[e], element(e));
}

const FieldSpec* FindField(std::span<const FieldSpec> fields, std::string_view name) {
    const auto it = std::find_if(fields.begin(), fields.end(), [&](const FieldSpec& f) { return name == f.name; });
    return it == fields.end() ? nullptr : &*it;
}

void SetRecord(const std::string& path, const RecordSpec& spec, const Json& value, std::span<std::uint8_t> record) {
    Expect(path, value, Json::value_t::object, "an object");
    for (const auto& [key, member] : value.items()) {
        const std::string memberPath = Member(path, key);
        if (spec.groupKey != nullptr && key == spec.groupKey) {
            ExpectArray(memberPath, member, spec.groupCount);
            for (std::size_t g = 0; g < member.size(); ++g) {
                const std::string entryPath = Indexed(memberPath, g);
                Expect(entryPath, member[g], Json::value_t::object, "an object");
                for (const auto& [fieldKey, fieldValue] : member[g].items()) {
                    const FieldSpec* field = FindField(spec.groupFields, fieldKey);
                    if (field == nullptr) Fail(Member(entryPath, fieldKey), "unknown key");
                    SetElement(Member(entryPath, fieldKey), *field, fieldValue,
                               record.subspan(field->offset + g * field->width, field->width));
                }
            }
            continue;
        }
        const FieldSpec* field = FindField(spec.fields, key);
        if (field == nullptr) Fail(memberPath, "unknown key");
        SetField(memberPath, *field, member, record);
    }
}

void SetPart(const TemplatePart& part, const Json& value, std::span<std::uint8_t> image) {
    const std::string path = part.key;
    if (part.field != nullptr) {
        SetField(path, *part.field, value, image.subspan(part.offset));
    } else if (part.recordCount == 0) {
        SetRecord(path, *part.record, value, image.subspan(part.offset, part.recordSize));
    } else {
        ExpectArray(path, value, part.recordCount);
        for (std::size_t r = 0; r < value.size(); ++r)
            SetRecord(Indexed(path, r), *part.record, value[r],
                      image.subspan(part.offset + r * part.recordSize, part.recordSize));
    }
}

// Where the parser stands, so that a key given twice in one object is named
// by its path: each open object or array with the member it is in.
class DuplicateKeys {
public:
    bool operator()(int /*depth*/, Json::parse_event_t event, Json& parsed) {
        switch (event) {
        case Json::parse_event_t::object_start: frames_.push_back({true}); break;
        case Json::parse_event_t::array_start: frames_.push_back({false}); break;
        case Json::parse_event_t::object_end:
        case Json::parse_event_t::array_end:
            frames_.pop_back();
            Next();
            break;
        case Json::parse_event_t::key: {
            Frame& frame = frames_.back();
            frame.key = parsed.get<std::string>();
            if (!frame.keys.insert(frame.key).second) Fail(Path(), "given twice; give each key once");
            break;
        }
        case Json::parse_event_t::value: Next(); break;
        }
        return true;
    }

private:
    struct Frame {
        bool object;
        std::set<std::string> keys{};
        std::string key{};
        std::size_t index = 0;
    };

    void Next() {
        if (!frames_.empty() && !frames_.back().object) ++frames_.back().index;
    }

    std::string Path() const {
        std::string path;
        for (const Frame& frame : frames_) path = frame.object ? Member(path, frame.key) : Indexed(path, frame.index);
        return path;
    }

    std::vector<Frame> frames_;
};

Json Parse(std::string_view text) {
    try {
        return Json::parse(text, DuplicateKeys());
    } catch (const Json::exception& e) {
        // "[json.exception.parse_error.101] parse error at line 3, column 7: ...";
        // a number too large for any field comes as out_of_range.406.
        std::string message = e.what();
        const std::size_t bracket = message.find("] ");
        throw BuildError(bracket == std::string::npos ? message : message.substr(bracket + 2));
    }
}

}  // namespace

Json DumpTemplate(std::span<const std::uint8_t> image) {
    Json root = Json::object();
    for (const TemplatePart& part : TemplateParts()) {
        if (part.field != nullptr) {
            root[part.key] = FieldValue(*part.field, image.subspan(part.offset));
        } else if (part.recordCount == 0) {
            root[part.key] = RecordValue(*part.record, image.subspan(part.offset, part.recordSize));
        } else {
            Json records = Json::array();
            for (std::size_t r = 0; r < part.recordCount; ++r)
                records.push_back(RecordValue(*part.record, image.subspan(part.offset + r * part.recordSize,
                                                                          part.recordSize)));
            root[part.key] = std::move(records);
        }
    }
    return root;
}

std::string JsonText(const Json& json) {
    std::string text;
    const auto write = [&text](const auto& self, const Json& value, const std::string& indent) -> void {
        const bool nested = value.is_object() ||
                            std::any_of(value.begin(), value.end(), [](const Json& e) { return e.is_structured(); });
        if (!value.is_structured() || value.empty() || !nested) {
            if (!value.is_array() || value.empty()) {
                text += value.dump();
                return;
            }
            text += "[";
            for (auto e = value.begin(); e != value.end(); ++e) text += (e == value.begin() ? "" : ", ") + e->dump();
            text += "]";
            return;
        }
        const std::string inner = indent + "  ";
        text += value.is_object() ? "{\n" : "[\n";
        for (auto e = value.begin(); e != value.end(); ++e) {
            text += (e == value.begin() ? "" : ",\n") + inner;
            if (value.is_object()) text += Json(e.key()).dump() + ": ";
            self(self, *e, inner);
        }
        text += "\n" + indent + (value.is_object() ? "}" : "]");
    };
    write(write, json, "");
    return text + "\n";
}

void BuildTemplate(std::string_view jsonText, std::span<std::uint8_t> image) {
    const Json root = Parse(jsonText);
    Expect("(top level)", root, Json::value_t::object, "an object");
    const auto parts = TemplateParts();
    for (auto member = root.begin(); member != root.end(); ++member) {
        const std::string& key = member.key();
        const auto part = std::find_if(parts.begin(), parts.end(), [&](const TemplatePart& p) { return key == p.key; });
        if (part == parts.end()) Fail(key, "unknown key");
        SetPart(*part, member.value(), image);
    }
    // The program must be able to open what is built.
    if (CheckSignature(image.first(kSignatureSize)) != SignatureCheck::Accepted)
        Fail("signature", "the program refuses it: it has to be \"QELTAR\" and a version no newer than \"" +
                              std::string(kTemplateSignature + 7) + "\"");
}

}  // namespace fw
