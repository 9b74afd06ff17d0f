#include "template/record_layout.h"

#include <gtest/gtest.h>

#include "support/test_document.h"
#include "template/fixed_text.h"
#include "template/save_preparation.h"

namespace fw {
namespace {

using K = RecordFieldKind;

TEST(RecordLayout, KeyMenuDataAndStampTakeTheirPlacesAsTheSavePreparationCountsThem) {
    test::TestDocument t;
    FormRecord& form = t.doc.blocks.forms[4];
    form.keyLine = 2;
    form.noKeyLine = 0;
    form.menuCaptionField = 1;
    form.stampMode = kStampTop;
    const std::uint8_t types[] = {kTypeText, kTypeInteger, kTypePrompt, kTypeLookup, kTypeLargeData};
    const std::uint8_t lengths[] = {10, 5, 30, 7, 40};
    for (int line = 0; line < 5; ++line) {
        form.dataType[line] = types[line];
        form.maxLength[line] = lengths[line];
    }
    form.maxLengthBlocks[4] = 2;  // counts with its remainder only
    form.lastInputLine = 5;

    const RecordLayout layout = DeriveRecordLayout(form);
    const std::vector<RecordField> expected = {
        {K::MenuData, -1, 160}, {K::Stamp, -1, 20}, {K::Line, 0, 10}, {K::Line, 1, 5}, {K::Line, 4, 40}};
    EXPECT_EQ(layout.fields, expected);
    EXPECT_EQ(layout.keyPosition, 4u);
    EXPECT_EQ(layout.length, 235u);

    PrepareForSaving(t.doc);
    EXPECT_EQ(form.recordFieldCount, 5);
    EXPECT_EQ(form.keyFieldPosition, 4);
    EXPECT_EQ(GetLe16(form.recordLength), 235u);
}

TEST(RecordLayout, WithoutAKeyLineTheTerminalsKeyLeadsAndTheStampCanClose) {
    test::TestDocument t;
    FormRecord& form = t.doc.blocks.forms[0];
    form.stampMode = kStampBottom;
    form.dataType[1] = kTypeText;
    form.maxLength[1] = 10;
    form.dataType[2] = kTypeLookup;
    form.initialValueOn[2] = 1;  // "Save field data"
    form.maxLength[2] = 6;
    form.dataType[3] = form.dataType[4] = kTypeImage;
    form.saveFilePath[4] = 1;  // only a saved path makes a field
    form.maxLength[3] = form.maxLength[4] = 30;
    form.lastInputLine = 5;
    const RecordLayout layout = DeriveRecordLayout(form);
    const std::vector<RecordField> expected = {
        {K::KeyField, -1, 8}, {K::Line, 1, 10}, {K::Line, 2, 6}, {K::Line, 4, 30}, {K::Stamp, -1, 20}};
    EXPECT_EQ(layout.fields, expected);
    EXPECT_EQ(layout.keyPosition, 1u);
    EXPECT_EQ(layout.length, 74u);

    form.recordAction = kRecordUpdateLookup;
    EXPECT_TRUE(DeriveRecordLayout(form).fields.empty());
    form.recordAction = kRecordSaveAndUpdate;
    form.lastInputLine = 0;
    EXPECT_TRUE(DeriveRecordLayout(form).fields.empty());
}

}  // namespace
}  // namespace fw
