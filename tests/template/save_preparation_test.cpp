#include "template/save_preparation.h"

#include <gtest/gtest.h>

#include "support/test_document.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

using test::Values;

// Where the fields of a record stand is the record layout's test; here,
// what the preparation stores.
class SavePreparationTest : public ::testing::Test {
protected:
    TemplateBlocks& blocks() { return t.doc.blocks; }
    FormRecord& form(int i) { return blocks().forms[i]; }
    MenuRecord& menu(int i) { return blocks().menus[i]; }
    void Prepare() { PrepareForSaving(t.doc); }

    // A saving form with three text lines of 10, 20 and 30 characters.
    void MakeThreeLineForm(FormRecord& f, int keyLine) {
        for (int line = 0; line < 3; ++line) {
            f.dataType[line] = kTypeText;
            f.maxLength[line] = static_cast<std::uint8_t>(10 * (line + 1));
        }
        f.lastInputLine = 3;
        f.keyLine = static_cast<std::uint8_t>(keyLine);
        f.noKeyLine = keyLine == 0 ? 1 : 0;
    }

    test::TestDocument t;
};

// A file may hold other values than 0 and 1: such a form gets no key field
// and no key position. The record length goes over two bytes.
TEST_F(SavePreparationTest, AddsTheKeyFieldOnlyForNoKeyLineOneAndSplitsTheLength) {
    MakeThreeLineForm(form(0), 2);
    form(0).noKeyLine = 2;
    form(0).stampMode = kStampTop;
    form(0).maxLength[0] = 220;
    Prepare();
    EXPECT_EQ(Values(form(0).recordFieldCount, form(0).keyFieldPosition, form(0).recordLength[0],
                     form(0).recordLength[1]),
              Values(4, 0, 290 % 256, 290 / 256));
}

TEST_F(SavePreparationTest, MarksFormsReachedFromSavingMenusByTheLastItem) {
    MakeThreeLineForm(form(4), 1);
    menu(0).saveCaption = 1;
    menu(0).nextTarget[0] = 5;
    Prepare();
    EXPECT_EQ(Values(form(4).menuCaptionField, form(4).recordFieldCount, GetLe16(form(4).recordLength)),
              Values(1, 4, 220))
        << "the 160-byte menu field counts";

    menu(3).nextTarget[2] = 5;  // a later menu with both switches off
    Prepare();
    EXPECT_EQ(form(4).menuCaptionField, 0);
}

TEST_F(SavePreparationTest, LetsFormOneKeepTheMenuFieldOnlyWhenASavingMenuLeadsToIt) {
    form(0).menuCaptionField = 1;
    Prepare();
    EXPECT_EQ(form(0).menuCaptionField, 0);

    form(0).menuCaptionField = 1;
    blocks().settings.startFrom = 1;
    Prepare();
    EXPECT_EQ(form(0).menuCaptionField, 1) << "a program that starts from a menu is left alone";

    blocks().settings.startFrom = 0;
    menu(2).saveSelectedItem = 1;
    menu(2).nextTarget[14] = 1;
    Prepare();
    EXPECT_EQ(form(0).menuCaptionField, 1);
}

TEST_F(SavePreparationTest, PassDownMarksItsTargetAfterTheTargetWasMeasured) {
    MakeThreeLineForm(form(2), 1);
    form(4).recordAction = kRecordPassDown;
    form(4).nextTarget = 3;
    Prepare();
    EXPECT_EQ(Values(form(2).menuCaptionField, GetLe16(form(2).recordLength)), Values(1, 60)) << "measured before the mark";
    Prepare();
    EXPECT_EQ(GetLe16(form(2).recordLength), 220u) << "the next save includes it";
}

TEST_F(SavePreparationTest, WidensEveryLineOfSavingFormsByTwoPerSaveWhileCodeIdsAreOn) {
    MakeThreeLineForm(form(0), 1);
    form(0).addedLength[14] = 254;
    blocks().reader.codeIdOn = 1;
    Prepare();
    EXPECT_EQ(Values(form(0).addedLength[0], form(0).addedLength[14]), Values(2, 0)) << "one byte, wrapping";
    Prepare();
    EXPECT_EQ(Values(form(0).addedLength[0], form(1).addedLength[0]), Values(4, 0))
        << "forms without input are not measured";
}

TEST_F(SavePreparationTest, DerivesTheReaderBytesFromTheReaderTypeAndSettings) {
    ReaderBlock& reader = blocks().reader;
    SystemSettings& settings = blocks().settings;
    settings.warningBeep = 4;
    settings.vibratorDuration = 3;
    settings.protectImageCapture = 1;
    reader.twoDImageCaptureOn = 1;

    reader.readerType = kReaderType2D;
    Prepare();
    EXPECT_EQ(Values(reader.engineCode, reader.engineOptions, reader.twoDImageCaptureOn, reader.warningBeepCopy,
                     reader.vibratorOn, reader.vibratorDurationCopy),
              Values(0x40, 0x00, 1, 4, 1, 3));

    reader.readerType = kReaderTypeNone;
    Prepare();
    EXPECT_EQ(Values(reader.engineCode, reader.twoDImageCaptureOn, settings.protectImageCapture), Values(0x80, 0, 0));

    reader.readerType = 0x47;
    Prepare();
    EXPECT_EQ(Values(reader.engineCode, reader.engineOptions), Values(0x02, 0x07)) << "the ELR bit wins";
}

TEST_F(SavePreparationTest, LinksZorqFormsToTheKeyOfTheirLookup) {
    FormRecord& f = form(6);
    f.zorqMode = 1;
    f.lookupFile = 3;
    blocks().lookups[2].fieldCount = 4;
    blocks().lookups[2].keyField = 2;
    Prepare();
    EXPECT_EQ(f.lookupField[0], 3);
    blocks().lookups[2].fieldCount = 0;
    f.lookupField[0] = 9;
    Prepare();
    EXPECT_EQ(f.lookupField[0], 9) << "an empty lookup leaves the line alone";
}

}  // namespace
}  // namespace fw
