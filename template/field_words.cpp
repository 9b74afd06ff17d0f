#include "template/field_words.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "template/key_names.h"
#include "strings/string_source.h"
#include "template/value_words.h"

namespace fw {
namespace {

// A run of a list's entries: codes first..first + count - 1 read as the
// string ids textId.. in order; `numbered` reads all of them as textId's
// text with the entry's number behind it ("line 3").
struct CodeRun {
    unsigned firstCode;
    int textId;
    unsigned count;
    bool numbered = false;
};

struct CodeList {
    std::string_view part;
    std::string_view field;
    CodeRun runs[2];
};

constexpr unsigned kLines = 12;

// The lists of the pages and their dialogs, by the field they store into.
constexpr CodeList kCodeLists[] = {
    {"forms", "recordAction", {{0, 1341, 4}}},
    {"forms", "lookupFile", {{0, 1304, 1}, {1, 1321, 5}}},
    {"forms", "keyLine", {{0, 1331, 1}, {1, 1332, kLines, true}}},
    {"forms", "stampMode", {{0, 1520, 3}}},
    {"forms", "yearDigits", {{0, 1526, 2}}},
    {"forms", "dateStyle", {{0, 1531, 3}}},
    {"forms", "dataType", {{0, 1304, 1}, {1, 1361, 18}}},
    {"forms", "inputSource", {{0, 1311, 4}}},
    {"forms", "alignment", {{0, 1561, 4}}},
    {"forms", "decimalPlaces", {{0, 1305, 1}}},
    {"forms", "checkDigit", {{0, 1331, 1}, {1, 1581, 8}}},
    {"forms", "autoEnter", {{0, 1601, 3}}},
    {"lookups", "dataType", {{0, 1731, 6}}},
    {"lookups", "noMatchAction", {{0, 1701, 6}}},
    {"lookups", "wrongFormatAction", {{0, 1721, 3}}},
    {"settings", "startFrom", {{0, 2241, 2}}},
    {"settings", "preloadLastFile", {{0, 2281, 2}}},
    {"settings", "dataDeletion", {{0, 2301, 3}}},
    {"settings", "entryOption", {{0, 2321, 3}}},
    {"settings", "vibratorDuration", {{0, 2341, 1}}},
};

// The entry's text, or "" when the field has no list or the code no entry.
std::string CodeWords(const FieldElement& element, unsigned code) {
    const auto list = std::find_if(std::begin(kCodeLists), std::end(kCodeLists), [&](const CodeList& l) {
        return l.part == element.part->key && l.field == element.field->name;
    });
    if (list == std::end(kCodeLists)) return {};
    for (const CodeRun& run : list->runs) {
        if (run.count == 0 || code < run.firstCode || code >= run.firstCode + run.count) continue;
        const CompiledStringTable texts;
        if (run.numbered) return texts.Get(run.textId) + std::to_string(code - run.firstCode + 1);
        return texts.Get(run.textId + static_cast<int>(code - run.firstCode));
    }
    return {};
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

}  // namespace

void ByteCodeLists::Add(const ByteCodeList& list) { lists_.try_emplace({list.part, list.offset}, list); }

std::string ByteCodeLists::Words(std::string_view part, std::size_t offset, unsigned code) const {
    const auto it = lists_.find({std::string(part), offset});
    if (it == lists_.end()) return {};
    const auto& entries = it->second.entries;
    const auto entry = std::find_if(entries.begin(), entries.end(), [code](const auto& e) { return e.first == code; });
    return entry == entries.end() ? std::string() : entry->second;
}

std::string OffsetRange(std::size_t first, std::size_t count) {
    std::string range = std::to_string(first);
    if (count > 1) range += "-" + std::to_string(first + count - 1);
    return range;
}

std::string HexWords(std::span<const std::uint8_t> bytes, std::size_t shown) {
    std::string text;
    char pair[4];
    for (std::size_t i = 0; i < bytes.size() && i < shown; ++i) {
        std::snprintf(pair, sizeof pair, i == 0 ? "%02x" : " %02x", bytes[i]);
        text += pair;
    }
    if (bytes.size() > shown) text += " \xE2\x80\xA6";
    return text;
}

std::string ElementWords(const FieldElement& element, std::span<const std::uint8_t> bytes,
                         const ByteCodeLists& lists) {
    switch (element.field->kind) {
    case FieldKind::Number:
    case FieldKind::Number16: {
        const unsigned code = ReadNumber(*element.field, bytes.data());
        std::string words = CodeWords(element, code);
        if (words.empty()) words = lists.Words(element.part->key, element.recordOffset, code);
        return words.empty() ? std::to_string(code) : words;
    }
    case FieldKind::CharCode: return CharCodeWords(bytes[0]);
    case FieldKind::Target: return std::to_string(bytes[0]) + " (" + TargetWords(bytes[0]) + ")";
    case FieldKind::Text: return Quoted(SplitTerminated(bytes).text);
    case FieldKind::KeyCodes: return KeyCodesWords(SplitTerminated(bytes).text);
    case FieldKind::Bytes: break;
    }
    return HexWords(bytes);
}

}  // namespace fw
