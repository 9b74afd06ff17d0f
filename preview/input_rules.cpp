#include "preview/input_rules.h"

#include <algorithm>

#include "template/fixed_text.h"
#include "template/form_lines.h"

namespace fw {
namespace {

enum Alignment : std::uint8_t { kLeftSpaces = 0, kRightSpaces = 1, kLeftZeros = 2, kRightZeros = 3 };

std::string_view Codes(const std::uint8_t (&codes)[11]) {
    return {reinterpret_cast<const char*>(codes), CodeListLength(codes)};
}

}  // namespace

unsigned MaxInputLength(const FormRecord& form, int line) {
    return SplitTotal(form.maxLengthBlocks[line], form.maxLength[line]);
}

int CheckInput(const FormRecord& form, int line, std::string_view value) {
    if (value.size() < form.minLength[line]) return kMsgTooShort;
    if (value.size() > MaxInputLength(form, line)) return kMsgTooLong;
    if (value.empty()) return 0;
    const std::uint8_t type = form.dataType[line];
    if (!FitsLineType(type, value)) return kMsgBadType;
    const unsigned places = form.decimalPlaces[line];
    if (type == kTypeReal && places > 0) {
        const std::size_t point = value.find('.');
        if (point != std::string_view::npos && value.size() - point - 1 > places) return kMsgBadDecimals;
    }
    return 0;
}

ScanResult ReadScan(const FormRecord& form, int line, std::string_view data) {
    if (form.leadingCheckOn[line] && !data.starts_with(FieldText(form.leadingCode[line])))
        return {"", kMsgBadLeadingCode};
    if (!form.partialRead[line]) return {std::string(data), 0};
    const unsigned start = std::max(1u, SplitTotal(form.partialStartBlocks[line], form.partialStart[line]));
    if (start > data.size()) return {"", 0};
    return {std::string(data.substr(start - 1, form.partialLength[line])), 0};
}

std::string RecordFieldValue(const FormRecord& form, int line, std::string_view value) {
    std::string field(value);
    if (form.fixedLengthOn[line]) {
        const std::size_t length = SplitTotal(form.fixedLengthBlocks[line], form.fixedLength[line]);
        const std::uint8_t alignment = form.alignment[line];
        field.resize(std::min(field.size(), length));
        const std::string padding(length - field.size(), alignment >= kLeftZeros ? '0' : ' ');
        field = alignment == kRightSpaces || alignment == kRightZeros ? padding + field : field + padding;
    }
    std::string result;
    if (form.prefixOn[line]) result += Codes(form.prefixCode[line]);
    result += field;
    if (form.suffixOn[line]) result += Codes(form.suffixCode[line]);
    return result;
}

unsigned FixedFieldWidth(const FormRecord& form, int line) {
    unsigned width = form.fixedLengthOn[line] ? SplitTotal(form.fixedLengthBlocks[line], form.fixedLength[line])
                                              : form.maxLength[line];
    if (form.prefixOn[line]) width += CodeListLength(form.prefixCode[line]);
    if (form.suffixOn[line]) width += CodeListLength(form.suffixCode[line]);
    return width;
}

}  // namespace fw
