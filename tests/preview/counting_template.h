// The template the preview's walks play: menu 1 leads to form 1, which looks
// a code up in lookup file 1 (code; price), saves the price shown on its
// lookup line, and takes a quantity.
#pragma once

#include <cstring>

#include "template/template_document.h"

namespace fw::test {

constexpr const char* kPriceList = "A100;2.50\r\nB200;3.00\r\n";

inline void CountingTemplate(TemplateBlocks& b) {
    b.settings.startFrom = 1;
    b.settings.entryOption = 0;
    std::strcpy(b.menus[0].itemName[0], "Count");
    b.menus[0].nextTarget[0] = 1;
    LookupRecord& lookup = b.lookups[0];
    lookup.fieldCount = 2;
    lookup.delimiter = ';';
    lookup.fieldLength[0] = 4;
    lookup.fieldLength[1] = 5;
    FormRecord& form = b.forms[0];
    form.escTarget = 21;
    form.lookupFile = 1;
    form.dataType[0] = kTypeText;
    std::strcpy(form.prompt[0], "Code");
    form.lookupField[0] = 1;
    form.maxLength[0] = 4;
    form.inputSource[0] = kSourceAll;
    form.dataType[1] = kTypeLookup;
    form.lookupField[1] = 2;
    form.initialValueOn[1] = 1;
    form.dataType[2] = kTypeInteger;
    std::strcpy(form.prompt[2], "Qty");
    form.maxLength[2] = 3;
    form.inputSource[2] = kSourceAll;
    form.lastInputLine = 3;
}

}  // namespace fw::test
