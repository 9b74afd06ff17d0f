#include "template/form_lines.h"

namespace fw {

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

bool MakesRecordField(const FormRecord& form, int line) {
    const unsigned type = form.dataType[line];
    if (type == kTypeNil || (type >= kTypePrompt && type <= kTypePause)) return false;
    if (type == kTypeLookup) return form.initialValueOn[line] != 0;
    if (type == kTypeImage) return form.saveFilePath[line] != 0;
    return true;
}

}  // namespace fw
