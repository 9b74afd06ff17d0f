#include "template/form_lines.h"

#include <algorithm>

#include "template/ansi_text.h"

namespace fw {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits, at most one decimal point where allowed, and a minus sign in front
// for the keypad's minus key.
bool IsNumber(std::string_view value, bool point) {
    if (!value.empty() && value[0] == '-') value.remove_prefix(1);
    const auto points = std::count(value.begin(), value.end(), '.');
    const auto digits = std::count_if(value.begin(), value.end(), IsDigit);
    return digits > 0 && points <= (point ? 1 : 0) && static_cast<std::size_t>(digits + points) == value.size();
}

}  // namespace

bool CountsAsInputLine(const FormRecord& form, int line) {
    switch (form.dataType[line]) {
    case kTypeText: case kTypeInteger: case kTypeReal: case kTypeLetter: case kTypeAuto:
    case kTypeBoolean: case kTypePause: case kTypeAlphameric: case kTypeZorq:
    case kTypeLargeData: case kTypeReadFrom2D:
        return true;
    case kTypeImage:
        return form.editFilePath[line] == 1;
    default:
        return false;
    }
}

int LastInputLine(const FormRecord& form) {
    int last = 0;
    for (int line = 0; line < kFormLineCount; ++line)
        if (CountsAsInputLine(form, line)) last = line + 1;
    return last;
}

bool MakesRecordField(const FormRecord& form, int line) {
    const unsigned type = form.dataType[line];
    if (type == kTypeNil || (type >= kTypePrompt && type <= kTypePause)) return false;
    if (type == kTypeLookup) return form.initialValueOn[line] != 0;
    if (type == kTypeImage) return form.saveFilePath[line] != 0;
    return true;
}

bool FitsLineType(unsigned type, std::string_view value) {
    switch (type) {
    case kTypeInteger: return IsNumber(value, false);
    case kTypeReal: return IsNumber(value, true);
    case kTypeLetter: return std::all_of(value.begin(), value.end(), IsAnsiLetter);
    case kTypeAlphameric:
        return std::all_of(value.begin(), value.end(), [](char c) { return IsAnsiLetter(c) || IsDigit(c); });
    case kTypeBoolean: return value.size() == 1 && std::string_view("10TFtfYNyn").find(value[0]) != std::string_view::npos;
    default: return true;
    }
}

}  // namespace fw
