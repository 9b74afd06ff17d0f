#include "template/blocks/form_block.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/test_document.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

TEST(ResetFormRecord, GivesEachFormItsOwnNumberAndTheLineDefaults) {
    test::TestDocument t;
    FormRecord form;
    std::memset(&form, 0xAA, sizeof form);
    ResetFormRecord(form, 6, t.strings);

    EXPECT_EQ(form.nextTarget, 7);
    EXPECT_EQ(FieldText(form.exportName), "Form 07");
    EXPECT_EQ(form.changeExportName, 1);
    EXPECT_EQ(form.noKeyLine, 1);
    EXPECT_EQ(form.autoDelete, 1);
    EXPECT_EQ(form.escTarget, 0);
    EXPECT_EQ(FieldText(form.dateSeparator), "/");
    EXPECT_EQ(FieldText(form.timeSeparator), ":");
    EXPECT_EQ(form.stampSplit + form.dateYear + form.dateMonth + form.dateDay + form.timeHour +
                  form.timeMinute + form.timeSecond,
              7);
    for (int line = 0; line < kFormLineCount; ++line) {
        SCOPED_TRACE(line);
        EXPECT_EQ(form.inputSource[line], kSourceRfid);
        EXPECT_EQ(form.maxLength[line], 160);
        EXPECT_EQ(form.partialLength[line], 20);
        EXPECT_EQ(form.autoEnter[line], 1);
        EXPECT_EQ(form.dataType[line], kTypeNil);
        EXPECT_EQ(form.prompt[line][50], 0) << "texts are cleared over their whole width";
        EXPECT_EQ(form.initialValue[line][160], 0);
    }
    for (std::uint8_t b : form.reserved4119) EXPECT_EQ(b, 0);
    for (std::uint8_t b : form.reserved4130) EXPECT_EQ(b, 0xAA) << "the reserved tail is never written";
}

TEST(ResetFormRecord, FollowsTheLanguageForTheExportName) {
    test::TestDocument t;
    t.strings.table().SetSlot(11, "Formular ");
    t.strings.SetLanguageActive(true);
    FormRecord form{};
    ResetFormRecord(form, 19, t.strings);
    EXPECT_EQ(FieldText(form.exportName), "Formular 20");
}

TEST(SplitLengths, StoreTotalsAbove160AsBlocksAndRemainder) {
    std::uint8_t blocks = 9, remainder = 9;
    StoreSplit(blocks, remainder, 160);
    EXPECT_EQ(blocks, 0);
    EXPECT_EQ(remainder, 160);
    StoreSplit(blocks, remainder, 2048);
    EXPECT_EQ(blocks, 12);
    EXPECT_EQ(remainder, 128);
    StoreSplit(blocks, remainder, 500);
    EXPECT_EQ(SplitTotal(blocks, remainder), 500u);
    EXPECT_EQ(blocks, 3);
}

}  // namespace
}  // namespace fw
