#include "template/blocks/form_block.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "strings/ui_strings.h"
#include "template/fixed_text.h"

namespace fw {

constexpr int kExportNameStringId = 11;  // "Form "

unsigned CodeListLength(const std::uint8_t (&codes)[11]) {
    const void* end = std::memchr(codes, 0, sizeof codes);
    return end ? static_cast<unsigned>(static_cast<const std::uint8_t*>(end) - codes) : sizeof codes;
}

void ResetFormRecord(FormRecord& form, int index, const UiStrings& strings) {
    // Everything up to the reserved tail starts from zero; the non-zero
    // defaults follow.
    std::memset(&form, 0, offsetof(FormRecord, reserved4130));

    form.nextTarget = static_cast<std::uint8_t>(index + 1);
    form.stampSplit = 1;
    form.dateYear = 1;
    form.dateMonth = 1;
    form.dateDay = 1;
    form.dateSeparatorOn = 1;
    SetFieldText(form.dateSeparator, "/");
    form.timeHour = 1;
    form.timeMinute = 1;
    form.timeSecond = 1;
    form.timeSeparatorOn = 1;
    SetFieldText(form.timeSeparator, ":");
    form.noKeyLine = 1;
    form.changeExportName = 1;

    char number[4];
    std::snprintf(number, sizeof number, "%02d", (index + 1) % 100);
    SetFieldText(form.exportName, strings.Text(kExportNameStringId) + number);

    for (int line = 0; line < kFormLineCount; ++line) {
        form.inputSource[line] = kSourceRfid;
        form.maxLength[line] = 160;
        form.partialLength[line] = 20;
        form.autoEnter[line] = 1;
    }
    form.autoDelete = 1;
}

}  // namespace fw
