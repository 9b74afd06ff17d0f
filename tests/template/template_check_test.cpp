#include "template/template_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "support/test_document.h"

namespace fw {
namespace {

std::vector<std::string> Lines(const TemplateBlocks& blocks) {
    test::TestDocument t;
    std::vector<std::string> lines;
    for (const Finding& f : CheckTemplate(blocks, t.strings)) lines.push_back(FindingLine(f));
    return lines;
}

TEST(TemplateCheck, EachRuleReportsItsPlaceAndWhatIsWrongAndTheCleanTemplateNothing) {
    const struct {
        std::function<void(TemplateBlocks&)> craft;
        std::vector<std::string> expected;
    } cases[] = {
        {[](TemplateBlocks&) {}, {}},
        {[](TemplateBlocks& b) { b.menus[0].nextTarget[1] = 3; },
         {"error: menu 1 item 2: leads to form 3, which has no input line"}},
        {[](TemplateBlocks& b) { b.menus[0].escTarget = 22; },
         {"error: menu 1: Esc leads to menu 2, which has no item"}},
        {[](TemplateBlocks& b) { b.forms[0].nextTarget = 5; },
         {"error: form 1: Next leads to form 5, which has no input line"}},
        {[](TemplateBlocks& b) { b.menus[0].nextTarget[0] = 31; },
         {"error: menu 1 item 1: leads to target code 31, which names neither a form nor a menu"}},
        {[](TemplateBlocks& b) { b.lookups[0].fieldCount = 0; },
         {"error: form 2: uses lookup file 1, which has no fields"}},
        {[](TemplateBlocks& b) { b.forms[1].lookupFile = 0; },
         {"error: form 2 line 1: a \"lookup\" line, but the form uses no lookup file"}},
        {[](TemplateBlocks& b) { b.forms[1].lookupFile = 6; },
         {"error: form 2: uses lookup file 6, which does not exist"}},
        {[](TemplateBlocks& b) { b.forms[0].keyLine = 3; },
         {"error: form 1: the key field is line 3, which is \"nil\""}},
        {[](TemplateBlocks& b) {
             b.forms[0].dataType[2] = kTypePrompt;
             b.forms[0].keyLine = 3;
         },
         {"error: form 1: the key field is line 3, a \"prompt\" line that takes no input"}},
        {[](TemplateBlocks& b) { b.forms[1].lookupField[0] = 3; },
         {"error: form 2 line 1: names lookup field 3, but lookup file 1 has 2 fields"}},
        {[](TemplateBlocks& b) { b.forms[1].lookupField[1] = 12 + 12 + 3; },  // "+field 3"
         {"error: form 2 line 2: names lookup field 3, but lookup file 1 has 2 fields"}},
        {[](TemplateBlocks& b) { b.forms[0].minLength[1] = 9; },
         {"error: form 1 line 2: min length 9 is above max length 5"}},
        {[](TemplateBlocks& b) {
             b.forms[0].dataType[2] = b.forms[0].dataType[4] = kTypeLargeData;
             b.forms[0].lastInputLine = 5;
         },
         {"error: form 1: lines 3 and 5 are \"large data\" lines; a form holds at most one"}},
        {[](TemplateBlocks& b) { b.lookups[0].keyField = 2; },
         {"error: lookup file 1: the key field is field 3, but the file has 2 fields"}},
        {[](TemplateBlocks& b) { b.lookups[0].fieldLength[1] = 0; },
         {"error: lookup file 1 field 2: the length is 0, so the field holds nothing"}},
        {[](TemplateBlocks& b) { b.lookups[3].delimiter = 13; },
         {"error: lookup file 4: the delimiter is 13 (Enter), which ends a record"}},
        {[](TemplateBlocks& b) { b.settings.firstDelimiter = 13; },
         {"error: settings: the first delimiter is 13 (Enter), which ends a record"}},
        {[](TemplateBlocks& b) {
             b.forms[0].initialValueOn[1] = 1;
             std::strcpy(b.forms[0].initialValue[1], "1,5");
         },
         {"error: form 1 line 2: the initial value \"1,5\" holds the first delimiter 44 (\",\"), which splits the "
          "saved field"}},
        {[](TemplateBlocks& b) {
             b.settings.secondDelimiter = ';';
             b.forms[0].dataType[2] = kTypeFixedData;
             std::strcpy(b.forms[0].initialValue[2], "a;b");
         },
         {"error: form 1 line 3: the fixed data \"a;b\" holds the second delimiter 59 (\";\"), which splits the "
          "saved field"}},
        {[](TemplateBlocks& b) {
             std::strcpy(b.menus[0].itemName[2], "   ");
             b.menus[0].itemCount = 3;
         },
         {"warning: menu 1 item 3: the name is only spaces: it counts as an item but shows nothing"}},
        {[](TemplateBlocks& b) {
             ResetMenuRecord(b.menus[0], 0);
             b.forms[0].escTarget = b.forms[1].escTarget = 0;
         },
         {"error: settings: the program starts from menu 1, which has no item"}},
        {[](TemplateBlocks& b) { b.settings.startFrom = 0; }, {}},
        {[](TemplateBlocks& b) {
             b.settings.startFrom = 0;
             b.forms[0].dataType[0] = b.forms[0].dataType[1] = kTypeNil;
             b.forms[0].lastInputLine = 0;
             b.menus[0].nextTarget[0] = 0;
         },
         {"error: settings: the program starts from form 1, which has no input line"}},
        {[](TemplateBlocks& b) { b.forms[0].lastInputLine = 1; },
         {"warning: form 1: the last input line is 1 in the file, but line 2 is the last that takes input (the "
          "Form page works it out on OK)"}},
        {[](TemplateBlocks& b) { b.menus[0].itemCount = 0; },
         {"warning: menu 1: the item count is 0 in the file, but 2 items have a name (the Menu page counts them "
          "on OK)"}},
    };
    for (const auto& c : cases) {
        test::TestDocument t;
        test::MakeCleanTemplate(t.doc.blocks);
        c.craft(t.doc.blocks);
        EXPECT_EQ(Lines(t.doc.blocks), c.expected);
    }
}

}  // namespace
}  // namespace fw
