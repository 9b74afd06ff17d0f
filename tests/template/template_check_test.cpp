#include "template/template_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "support/test_document.h"
#include "template/fixed_text.h"
#include "template/save_preparation.h"

namespace fw {
namespace {

using Craft = std::function<void(TemplateBlocks&)>;

std::vector<std::string> Lines(const TemplateBlocks& blocks) {
    test::TestDocument t;
    std::vector<std::string> lines;
    for (const Finding& f : CheckTemplate(blocks, t.strings)) lines.push_back(FindingLine(f));
    return lines;
}

// Each case changes the clean template and is saved, so only the rule under
// test speaks.
TEST(TemplateCheck, EachContentRuleReportsItsPlaceAndWhatIsWrongAndTheCleanTemplateNothing) {
    const struct {
        Craft craft;
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
        {[](TemplateBlocks& b) {
             b.lookups[0].fieldCount = 0;
             SetLe16(b.lookups[0].recordLength, 0);
         },
         {"error: form 2: uses lookup file 1, which has no fields"}},
        {[](TemplateBlocks& b) { b.forms[1].lookupFile = 0; },
         {"error: form 2 line 2: a \"lookup\" line, but the form uses no lookup file"}},
        {[](TemplateBlocks& b) { b.forms[1].lookupFile = 6; },
         {"error: form 2: uses lookup file 6, which does not exist"}},
        {[](TemplateBlocks& b) { b.forms[0].keyLine = 3; },
         {"error: form 1: the key field is line 3, which is \"nil\""}},
        {[](TemplateBlocks& b) {
             b.forms[0].dataType[2] = kTypePrompt;
             b.forms[0].keyLine = 3;
         },
         {"error: form 1: the key field is line 3, a \"prompt\" line that takes no input"}},
        {[](TemplateBlocks& b) { b.forms[1].lookupField[1] = 3; },
         {"error: form 2 line 2: names lookup field 3, but lookup file 1 has 2 fields"}},
        {[](TemplateBlocks& b) { b.forms[0].lookupField[1] = 12 + 12 + 3; },  // "+field 3", no lookup file
         {}},
        {[](TemplateBlocks& b) { b.forms[1].lookupField[0] = 2; },
         {"error: form 2: line 2 can never be filled: no input line is linked to the key field, field 1 of lookup "
          "file 1"}},
        {[](TemplateBlocks& b) { b.forms[0].minLength[1] = 9; },
         {"error: form 1 line 2: min length 9 is above max length 5"}},
        {[](TemplateBlocks& b) { b.forms[0].maxLength[0] = 200; },
         {"error: form 1 line 1: max length 200 is above 160, the most a \"text\" line takes"}},
        {[](TemplateBlocks& b) {
             b.reader.readerType = kReaderType2D;
             b.forms[0].dataType[2] = b.forms[0].dataType[4] = kTypeLargeData;
             b.forms[0].maxLengthBlocks[2] = 3;
             b.forms[0].lastInputLine = 5;
         },
         {"error: form 1: lines 3 and 5 are \"large data\" lines; a form holds at most one"}},
        {[](TemplateBlocks& b) {
             b.forms[0].dataType[2] = kTypeReadFrom2D;
             b.forms[0].lastInputLine = 3;
         },
         {"error: form 1 line 3: a \"read from 2D\" line, which only the 2D reader offers; OK on the Form page "
          "makes it \"nil\""}},
        {[](TemplateBlocks& b) {
             b.forms[0].dataType[2] = 19;
             b.forms[0].inputSource[1] = 4;
         },
         {"error: form 1 line 2: input source code 4 is none the Form page lists",
          "error: form 1 line 3: data type code 19 is none the Form page lists"}},
        {[](TemplateBlocks& b) {
             b.forms[0].initialValueOn[0] = b.forms[0].initialValueOn[1] = 1;
             std::strcpy(b.forms[0].initialValue[0], "1234567890123");
             std::strcpy(b.forms[0].initialValue[1], "12a");
         },
         {"error: form 1 line 1: the initial value \"1234567890123\" has 13 characters, more than the max length "
          "12, so Enter never takes it",
          "error: form 1 line 2: the initial value \"12a\" is no data for an \"integer\" line, so Enter never takes "
          "it"}},
        {[](TemplateBlocks& b) { std::strcpy(b.forms[0].prompt[0], "Item number on the shelf label"); },
         {"warning: form 1 line 1: the prompt \"Item number on the shelf label\" has 30 characters; the terminal's "
          "screen shows the first 22"}},
        {[](TemplateBlocks& b) { std::strcpy(b.forms[0].prompt[0], "Item number on the shelf labels"); },
         {"error: form 1 line 1: the prompt \"Item number on the shelf labels\" has 31 characters; Open keeps the "
          "first 30"}},
        {[](TemplateBlocks& b) { b.forms[0].maxLength[0] = b.forms[0].maxLength[1] = 0; },
         {"error: form 1: saves records of length 0: every line it saves has max length 0"}},
        {[](TemplateBlocks& b) { std::strcpy(b.settings.securityPassword, "12-34"); },
         {"error: settings: the security password \"12-34\" holds a character other than a letter or a digit, "
          "which the Settings page refuses"}},
        {[](TemplateBlocks& b) { std::strcpy(b.settings.securityPassword, "12345678901"); },
         {"error: settings: the security password has 11 characters; the Settings page takes at most 10"}},
        {[](TemplateBlocks& b) { b.lookups[0].keyField = 2; },
         {"error: form 2: line 2 can never be filled: no input line is linked to the key field, field 3 of lookup "
          "file 1",
          "error: lookup file 1: the key field is field 3, but the file has 2 fields"}},
        {[](TemplateBlocks& b) {
             b.lookups[0].fieldLength[1] = 0;
             SetLe16(b.lookups[0].recordLength, 6);
         },
         {"error: lookup file 1 field 2: the length is 0, so the field holds nothing"}},
        {[](TemplateBlocks& b) { b.lookups[3].delimiter = 13; },
         {"error: lookup file 4: the delimiter is 13 (Enter), which ends a record"}},
        {[](TemplateBlocks& b) { b.settings.firstDelimiter = 13; },
         {"error: settings: the first delimiter is 13 (Enter), which ends a record"}},
        {[](TemplateBlocks& b) {
             b.forms[0].initialValueOn[0] = 1;
             std::strcpy(b.forms[0].initialValue[0], "1,5");
         },
         {"error: form 1 line 1: the initial value \"1,5\" holds the first delimiter 44 (\",\"), which splits the "
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
    };
    for (const auto& c : cases) {
        test::TestDocument t;
        test::MakeCleanTemplate(t.doc.blocks);
        c.craft(t.doc.blocks);
        PrepareBlocksForSaving(t.doc.blocks);
        EXPECT_EQ(Lines(t.doc.blocks), c.expected);
    }
}

// Each case changes a saved template without saving it again.
TEST(TemplateCheck, EveryStaleDerivedValueIsAnErrorWithTheFilesValueAndTheOneItsDerivationGives) {
    const struct {
        Craft craft;
        std::vector<std::string> expected;
    } cases[] = {
        {[](TemplateBlocks& b) { b.forms[0].maxLength[1] = 8; },
         {"error: form 1: record length is 17 in the file, but a save gives 20"}},
        {[](TemplateBlocks& b) { b.forms[0].lastInputLine = 1; },
         {"error: form 1: last input line is 1 in the file, but OK on the Form page gives 2"}},
        {[](TemplateBlocks& b) { b.menus[0].itemCount = 0; },
         {"error: menu 1: item count is 0 in the file, but OK on the Menu page gives 2"}},
        {[](TemplateBlocks& b) { b.lookups[0].fieldLength[1] = 9; },
         {"error: form 2 line 2: max length is 8 in the file, but a save gives 9",
          "error: lookup file 1: record length is 14 in the file, but OK on the Lookup page gives 15"}},
        {[](TemplateBlocks& b) { b.menus[0].saveCaption = 1; },
         {"error: form 1: record field count is 2 in the file, but a save gives 3",
          "error: form 1: key field position is 1 in the file, but a save gives 2",
          "error: form 1: record length is 17 in the file, but a save gives 177",
          "error: form 1: menu caption field is 0 in the file, but a save gives 1",
          "error: form 2: record field count is 2 in the file, but a save gives 3",
          "error: form 2: record length is 14 in the file, but a save gives 174",
          "error: form 2: menu caption field is 0 in the file, but a save gives 1"}},
        {[](TemplateBlocks& b) { b.settings.vibratorDuration = 3; },
         {"error: reader: vibrator on is 0 in the file, but a save gives 1",
          "error: reader: vibrator duration copy is 0 in the file, but a save gives 3"}},
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
