#include "template/template_diff.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "support/test_document.h"
#include "template/fixed_text.h"
#include "template/template_file.h"

namespace fw {
namespace {

TEST(TemplateDiff, OneChangedFieldGivesOneLineInThePagesWords) {
    const struct {
        std::function<void(TemplateDocument&)> change;
        const char* line;
    } cases[] = {
        {[](TemplateDocument& d) { d.blocks.forms[2].maxLength[1] = 12; },
         "form 3 line 2 max length: 8 \xE2\x86\x92 12"},
        {[](TemplateDocument& d) { d.blocks.settings.firstDelimiter = ';'; },
         "settings first delimiter: 44 (\",\") \xE2\x86\x92 59 (\";\")"},
        {[](TemplateDocument& d) { d.blocks.forms[2].dataType[1] = kTypeReal; },
         "form 3 line 2 data type: integer \xE2\x86\x92 real"},
        {[](TemplateDocument& d) { d.blocks.forms[0].stampMode = 2; },
         "form 1 stamp mode: nil \xE2\x86\x92 appended to the bottom of a record"},
        {[](TemplateDocument& d) { d.blocks.forms[0].escTarget = 22; },
         "form 1 esc target: 0 (main) \xE2\x86\x92 22 (menu 2)"},
        {[](TemplateDocument& d) { std::strcpy(d.blocks.menus[0].itemName[3], "Count"); },
         "menu 1 item 4 item name: \"\" \xE2\x86\x92 \"Count\""},
        {[](TemplateDocument& d) { d.blocks.lookups[1].fieldLength[2] = 10; },
         "lookup file 2 field 3 field length: 0 \xE2\x86\x92 10"},
        {[](TemplateDocument& d) { d.blocks.settings.protectedFunctions[4] = 1; },
         "settings protected functions 5: 0 \xE2\x86\x92 1"},
        {[](TemplateDocument& d) { d.blocks.reader.twoDScanMode = 7; }, "reader 2D scan mode: 8 \xE2\x86\x92 7"},
        {[](TemplateDocument& d) { SetLe16(d.blocks.forms[0].recordLength, 300); },
         "form 1 record length: 0 \xE2\x86\x92 300"},
        {[](TemplateDocument& d) { d.blocks.forms[0].suffixCode[0][0] = 13; },
         "form 1 line 1 suffix code: [] \xE2\x86\x92 [Enter]"},
        {[](TemplateDocument& d) {
             d.blocks.forms[2].reserved4130[12] = 0x12;
             d.blocks.forms[2].reserved4130[13] = 0x34;
         },
         "form 3 reserved bytes 4142-4143: 00 00 \xE2\x86\x92 12 34"},
        {[](TemplateDocument& d) { d.blocks.reader.codeIdTable[3] = 1; },
         "reader code id table bytes 420: 00 \xE2\x86\x92 01"},
        {[](TemplateDocument& d) { d.blocks.forms[0].prompt[0][5] = 'A'; },
         "form 1 line 1 prompt bytes behind the text 70: 00 \xE2\x86\x92 41"},
        {[](TemplateDocument& d) { std::strcpy(d.deviceTexts.SlotOf(1, 1), "Min"); },
         "device text 3002: \"Exit                                              \" \xE2\x86\x92 \"Min\""},
    };
    for (const auto& c : cases) {
        test::TestDocument t;
        t.doc.blocks.forms[2].maxLength[1] = 8;
        t.doc.blocks.forms[2].dataType[1] = kTypeInteger;
        const auto before = TemplateImage(t.doc);
        c.change(t.doc);
        EXPECT_EQ(DiffTemplates(before, TemplateImage(t.doc)), std::vector<std::string>{c.line});
    }
}

TEST(TemplateDiff, TheGapReportsFileOffsetsAndEqualFilesNothing) {
    test::TestDocument t;
    const auto before = TemplateImage(t.doc);
    auto after = before;
    EXPECT_TRUE(DiffTemplates(before, after).empty());
    after[kGapOffset + 11] = 0xFF;
    EXPECT_EQ(DiffTemplates(before, after), std::vector<std::string>{"reserved gap bytes 122200: 00 \xE2\x86\x92 ff"});
}

}  // namespace
}  // namespace fw
