#include "pages/form/form_normalize.h"

#include <gtest/gtest.h>

#include <cstring>

#include "template/blocks/reader_block.h"
#include "support/test_document.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

using test::Values;

class NormalizeFormsTest : public ::testing::Test {
protected:
    void Normalize(std::uint8_t readerType = kReaderTypeLaser) {
        NormalizeForms(blocks().forms, blocks().lookups, readerType);
    }
    TemplateBlocks& blocks() { return t.doc.blocks; }
    FormRecord& form(int i = 0) { return blocks().forms[i]; }

    test::TestDocument t;
};

TEST_F(NormalizeFormsTest, DerivesKeyFlagsAndTidiesTheExportName) {
    form(0).recordAction = kRecordUpdateLookup;
    form(0).keyLine = 3;
    form(0).menuCaptionField = 1;
    SetFieldText(form(0).exportName, "abc   ");
    form(1).keyLine = 2;
    SetFieldText(form(1).exportName, "xyz  ");
    form(1).changeExportName = 0;
    Normalize();

    // Only saving forms keep a key line; "no key line" is derived before it goes.
    EXPECT_EQ(Values(form(0).keyLine, form(0).noKeyLine, form(0).menuCaptionField), Values(0, 0, 0));
    EXPECT_EQ(Values(form(1).keyLine, form(1).noKeyLine), Values(2, 0));
    EXPECT_EQ(std::string(FieldText(form(0).exportName)) + "|" + std::string(FieldText(form(1).exportName)), "abc|xyz  ")
        << "a name not in use is left alone";
}

TEST_F(NormalizeFormsTest, ClampsLengthsAndFindsTheLastInputLine) {
    FormRecord& f = form();
    f.dataType[0] = kTypeText;
    f.minLength[0] = 150;
    f.maxLength[0] = 100;
    f.dataType[3] = kTypeLargeData;
    f.maxLengthBlocks[3] = 12;
    f.maxLength[3] = 200;
    f.dataType[5] = kTypePrompt;  // not an input line
    f.lookupField[5] = 4;
    Normalize(kReaderType2D);

    EXPECT_EQ(Values(f.minLength[0], f.maxLengthBlocks[3], f.maxLength[3], f.inputSource[3], f.lookupField[5],
                     f.lastInputLine),
              Values(100, 12, 128, kSourceReader, 0, 4))
        << "2120 is cut to 2048";
}

// Line 15 is one the page never shows, but is cleared all the same.
TEST_F(NormalizeFormsTest, ClearsNilAndExtensionLinesThatAFileLeftFilled) {
    FormRecord& f = form();
    for (int line : {14, 1}) {
        SetFieldText(f.prompt[line], "Qty");
        f.prefixOn[line] = 1;
        f.prefixCode[line][0] = 0x41;
        f.maxLength[line] = 20;
        f.autoEnter[line] = 2;
        f.inputMark[line] = '*';
        f.checkDigit[line] = 3;
    }
    f.dataType[1] = kTypeExtension;
    f.dataType[13] = kTypeText;
    Normalize();

    // The check digit is not part of the clearing.
    for (int line : {14, 1})
        EXPECT_EQ(Values(f.prompt[line][0], f.prefixOn[line], f.prefixCode[line][0], f.inputSource[line],
                         f.addedLength[line], f.checkDigit[line]),
                  Values(0, 0, 0, kSourceAll, 0, 3))
            << "line " << line;
    EXPECT_EQ(Values(f.maxLength[14], f.autoEnter[14], f.inputMark[14], f.lastInputLine), Values(160, 1, 0, 14));
    EXPECT_EQ(Values(f.maxLength[1], f.autoEnter[1], f.dataType[1]), Values(20, 2, kTypeExtension))
        << "an extension line keeps its length";
}

TEST_F(NormalizeFormsTest, DropsTwoDimensionalTypesWithoutTheTwoDReader) {
    FormRecord& f = form();
    f.dataType[2] = kTypeLargeData;
    f.dataType[4] = kTypeReadFrom2D;
    SetFieldText(f.prompt[4], "Part");
    Normalize(kReaderTypeLaser);
    EXPECT_EQ(Values(f.dataType[2], f.dataType[4], f.prompt[4][0], f.lastInputLine), Values(kTypeNil, kTypeNil, 0, 5))
        << "the last input line is measured before the lines were dropped";
}

TEST_F(NormalizeFormsTest, KeepsReadFrom2DStartsInsideTheLargeDataLine) {
    FormRecord& f = form();
    f.dataType[1] = kTypeLargeData;
    StoreSplit(f.maxLengthBlocks[1], f.maxLength[1], 500);
    StoreSplit(f.partialStartBlocks[1], f.partialStart[1], 900);
    f.dataType[6] = kTypeReadFrom2D;
    StoreSplit(f.partialStartBlocks[6], f.partialStart[6], 700);
    f.autoEnter[6] = 1;
    Normalize(kReaderType2D);

    EXPECT_EQ(SplitTotal(f.partialStartBlocks[1], f.partialStart[1]), 500u);
    EXPECT_EQ(Values(f.partialStartBlocks[6], f.partialStart[6], f.partialRead[6], f.inputSource[6], f.autoEnter[6]),
              Values(3, 20, 1, kSourceKeypad, 0));
}

TEST_F(NormalizeFormsTest, ForcesImageLinesToTheKeypadAndClearsUnusedPathProperties) {
    FormRecord& f = form();
    f.dataType[0] = kTypeImage;
    f.fixedLengthOn[0] = 1;
    f.fixedLength[0] = 30;
    f.initialValueOn[0] = 1;
    SetFieldText(f.initialValue[0], "\\img");
    f.dataType[1] = kTypeImage;
    f.saveFilePath[1] = 1;
    f.fixedLengthOn[1] = 1;
    f.fixedLength[1] = 30;
    Normalize();

    EXPECT_EQ(Values(f.inputSource[0], f.fixedLengthOn[0], f.initialValue[0][0], f.addedLength[0]),
              Values(kSourceKeypad, 0, 0, 0));
    EXPECT_EQ(f.addedLength[1], 30) << "a saved path keeps its fixed length";
    EXPECT_EQ(f.lastInputLine, 0) << "image lines take input only with an editable path";
}

TEST_F(NormalizeFormsTest, AddsFixedLengthPrefixAndSuffixIntoAddedLength) {
    FormRecord& f = form();
    f.dataType[0] = kTypeText;
    f.fixedLengthOn[0] = 1;
    f.fixedLength[0] = 12;
    f.prefixOn[0] = 1;
    std::memcpy(f.prefixCode[0], "\x41\x42\x43", 3);
    f.suffixOn[0] = 0;
    std::memcpy(f.suffixCode[0], "\x0D", 1);
    Normalize();
    EXPECT_EQ(f.addedLength[0], 15);
}

TEST_F(NormalizeFormsTest, LookupLinesTakeTheirLengthFromTheirLookupField) {
    LookupRecord& lookup = blocks().lookups[1];
    lookup.fieldLength[2] = 33;
    lookup.fieldLengthHigh[2] = 1;
    FormRecord& f = form(3);
    f.lookupFile = 2;
    f.dataType[7] = kTypeLookup;
    f.lookupField[7] = 3;
    f.dataType[8] = kTypeText;
    f.lookupField[8] = 3;
    Normalize();
    EXPECT_EQ(Values(f.maxLength[7], f.maxLengthBlocks[7], f.maxLength[8]), Values(33, 1, 160))
        << "only lookup lines take the length";
}

}  // namespace
}  // namespace fw
