// The template file as named fields: one table per block that gives every
// field's name (the block's own field name), place and kind, covering every
// byte once, reserved runs included. The text form of a template, its
// comparison and its checks all walk these tables rather than the structs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace fw {

enum class FieldKind : std::uint8_t {
    Number,    // unsigned byte
    CharCode,  // unsigned byte holding a character code, 0 for none
    Target,    // target code: 0 main, 1-20 forms, 21-30 menus
    Number16,  // unsigned, little-endian, two bytes
    Text,      // 8-bit text, NUL-terminated inside the field
    KeyCodes,  // key codes 1-255, NUL-terminated inside the field
    Bytes,     // raw bytes: reserved runs and data nothing here edits
};

struct FieldSpec {
    const char* name;
    FieldKind kind;
    std::size_t offset;  // of the first element, from the start of its record
    std::size_t width;   // bytes of one element
    std::size_t count;   // 1: a single value; more: an array of that many
};

// Per-index fields that belong together (a form's lines, a lookup's field
// slots) form a group: element i of each group field makes up entry i.
struct RecordSpec {
    std::span<const FieldSpec> fields;
    std::span<const FieldSpec> groupFields;
    const char* groupKey = nullptr;    // "lines"
    const char* groupPlace = nullptr;  // "line", as the user says it
    std::size_t groupCount = 0;
    // What the elements of the record's own arrays are called ("item"), so
    // that they read "menu 2 item 4 ..."; nullptr when they are numbered
    // after the field name.
    const char* elementPlace = nullptr;
};

// One part of the file, in file order: a run of records or a loose field.
struct TemplatePart {
    const char* key;    // "menus", "forms", "signature" ...
    const char* place;  // "menu", "form", "lookup file" ...
    std::size_t offset;
    std::size_t recordCount;  // 0: a single record (reader, settings) or a loose field
    std::size_t recordSize;
    const RecordSpec* record;  // nullptr for a loose field
    const FieldSpec* field;    // the loose field, its offset counted from the part's
};

std::span<const TemplatePart> TemplateParts();

// The device text tables: the part whose fields are the 51 tables, each
// named by its first string id.
constexpr std::string_view kDeviceTextsKey = "deviceTexts";

// Bytes one element takes and where its kind keeps it.
unsigned ReadNumber(const FieldSpec& field, const std::uint8_t* element);
void WriteNumber(const FieldSpec& field, std::uint8_t* element, unsigned value);
unsigned NumberLimit(const FieldSpec& field);  // 255 or 65535

// A NUL-terminated field split into its text (at most width - 1 bytes) and
// the bytes behind the text up to the field's end, terminator included. A
// field holds plainly its text when `rest` is all zero.
struct SplitField {
    std::string_view text;
    std::span<const std::uint8_t> rest;
    bool plain;
};
SplitField SplitTerminated(std::span<const std::uint8_t> element);

// "maxLength" -> "max length", "twoDScanMode" -> "2D scan mode".
std::string FieldWords(std::string_view name);

}  // namespace fw
