#include "pages/form/form_lists.h"

#include "ui/form_labels.h"
#include "template/blocks/form_block.h"
#include "strings/ui_strings.h"

namespace fw {
namespace {

constexpr int kNilText = 1304;
constexpr int kVariableText = 1305;
constexpr int kFirstSourceText = 1311;
constexpr int kFirstLookupFileText = 1321;
constexpr int kNoneText = 1331;
constexpr int kLinePrefixText = 1332;
constexpr int kFirstRecordActionText = 1341;
constexpr int kFirstTypeText = 1361;  // label of code 1
constexpr int kFieldText = 1381;      // "field ", "-field ", "+field "
constexpr int kGetVariableText = 1384;  // "get v", "set v", "get & set v"
constexpr int kFirstStampModeText = 1520;
constexpr int kFirstYearDigitsText = 1526;
constexpr int kFirstDateStyleText = 1531;
constexpr int kFirstAlignmentText = 1561;
constexpr int kFirstCheckDigitText = 1581;
constexpr int kFirstAutoEnterText = 1601;

constexpr int kBaseTypeEntries = 16;  // "nil" to "image"
constexpr int kLookupGroupSize = 12;

// Each label followed by the numbers 1 to count.
void AddNumbered(ListEntries& entries, const std::string& label, int count) {
    const FormLabelTable numbers = FormLabels();
    for (int n = 0; n < count; ++n) entries.push_back(label + numbers[n]);
}

}  // namespace

ListEntries LookupFileEntries(const UiStrings& strings) {
    ListEntries entries{strings.Text(kNilText)};
    for (const std::string& text : TextRun(strings, kFirstLookupFileText, 5)) entries.push_back(text);
    return entries;
}

ListEntries RecordActionEntries(const UiStrings& strings) { return TextRun(strings, kFirstRecordActionText, 4); }

ListEntries KeyLineEntries(const UiStrings& strings) {
    ListEntries entries{strings.Text(kNoneText)};
    AddNumbered(entries, strings.Text(kLinePrefixText), kFormVisibleLines);
    return entries;
}

ListEntries BaseDataTypeEntries(const UiStrings& strings) {
    ListEntries entries{strings.Text(kNilText)};
    for (const std::string& text : TextRun(strings, kFirstTypeText, kBaseTypeEntries - 1)) entries.push_back(text);
    return entries;
}

std::string DataTypeLabel(const UiStrings& strings, std::uint8_t code) {
    return code == kTypeNil ? strings.Text(kNilText) : strings.Text(kFirstTypeText + code - 1);
}

ListEntries InputSourceEntries(const UiStrings& strings, bool rfidListed) {
    ListEntries entries = TextRun(strings, kFirstSourceText, 4);
    if (!rfidListed) entries.erase(entries.begin() + kSourceRfid);
    return entries;
}

int InputSourceEntry(std::uint8_t code, bool rfidListed) {
    if (code > kSourceAll) return -1;
    if (rfidListed) return code;
    return code >= kSourceRfid ? 2 : code;
}

std::uint8_t InputSourceCode(int entry, bool rfidListed) {
    if (rfidListed || entry < 2) return static_cast<std::uint8_t>(entry);
    return kSourceAll;
}

TypeListShape ShapeOf(bool zorqForm, int line) {
    if (!zorqForm) return TypeListShape::Normal;
    return line < 2 ? TypeListShape::ZorqHead : TypeListShape::ZorqTail;
}

ListEntries ZorqTailEntries(const UiStrings& strings) {
    return {strings.Text(kNilText), DataTypeLabel(strings, kTypeLookup)};
}

int DataTypeEntry(TypeListShape shape, std::uint8_t code) {
    switch (shape) {
    case TypeListShape::Normal:
        if (code < kBaseTypeEntries) return code;
        return code == kTypeLargeData || code == kTypeReadFrom2D ? kBaseTypeEntries : -1;
    case TypeListShape::ZorqHead:
        if (code <= kTypeZorq) return code;
        return code <= kTypeReadFrom2D ? kTypeZorq + 1 : -1;
    case TypeListShape::ZorqTail:
        return code == kTypeNil ? 0 : code == kTypeLookup ? 1 : -1;
    }
    return -1;
}

std::uint8_t DataTypeCode(TypeListShape shape, int entry, bool twoDEntryIsReadFrom2D) {
    const std::uint8_t twoD = twoDEntryIsReadFrom2D ? kTypeReadFrom2D : kTypeLargeData;
    switch (shape) {
    case TypeListShape::Normal:
        return entry < kBaseTypeEntries ? static_cast<std::uint8_t>(entry) : twoD;
    case TypeListShape::ZorqHead:
        return entry <= kTypeZorq ? static_cast<std::uint8_t>(entry) : twoD;
    case TypeListShape::ZorqTail:
        return entry == 0 ? kTypeNil : kTypeLookup;
    }
    return kTypeNil;
}

ListEntries LookupColumnEntries(const UiStrings& strings, bool hasLookupFile, bool numericLine) {
    ListEntries entries{strings.Text(kNilText)};
    if (hasLookupFile) {
        const int groups = numericLine ? 3 : 1;
        for (int group = 0; group < groups; ++group)
            AddNumbered(entries, strings.Text(kFieldText + group), kLookupGroupSize);
    } else {
        for (int group = 0; group < 3; ++group)
            AddNumbered(entries, strings.Text(kGetVariableText + group), kLookupGroupSize);
    }
    return entries;
}

std::uint8_t FoldLookupCode(std::uint8_t code) {
    if (code <= kLookupGroupSize) return code;
    const int field = code % kLookupGroupSize;
    return static_cast<std::uint8_t>(field == 0 ? kLookupGroupSize : field);
}

ListEntries AlignmentEntries(const UiStrings& strings) { return TextRun(strings, kFirstAlignmentText, 4); }

ListEntries DecimalPlacesEntries(const UiStrings& strings) {
    ListEntries entries{strings.Text(kVariableText)};
    const FormLabelTable numbers = FormLabels();
    for (int n = 0; n < 6; ++n) entries.push_back(numbers[n]);
    return entries;
}

ListEntries CheckDigitEntries(const UiStrings& strings) { return TextRun(strings, kFirstCheckDigitText, 8); }
ListEntries AutoEnterEntries(const UiStrings& strings) { return TextRun(strings, kFirstAutoEnterText, 3); }
ListEntries StampModeEntries(const UiStrings& strings) { return TextRun(strings, kFirstStampModeText, 3); }
ListEntries YearDigitsEntries(const UiStrings& strings) { return TextRun(strings, kFirstYearDigitsText, 2); }
ListEntries DateStyleEntries(const UiStrings& strings) { return TextRun(strings, kFirstDateStyleText, 3); }

}  // namespace fw
