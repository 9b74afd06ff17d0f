#include "template/record_layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <sstream>

#include "preview/terminal_preview.h"
#include "support/test_document.h"
#include "template/fixed_text.h"
#include "template/form_lines.h"
#include "template/save_preparation.h"
#include "template/template_file.h"
#include "tools/fwtool/fwtool.h"

namespace fw {
namespace {

using K = RecordFieldKind;

TEST(RecordLayout, KeyMenuDataAndStampTakeTheirPlaces) {
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
    EXPECT_EQ(test::Values(layout.keyPosition, layout.length), test::Values(4, 235));
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
    EXPECT_EQ(test::Values(layout.keyPosition, layout.length), test::Values(1, 74));

    form.recordAction = kRecordUpdateLookup;
    EXPECT_TRUE(DeriveRecordLayout(form).fields.empty());
    form.recordAction = kRecordSaveAndUpdate;
    form.lastInputLine = 0;
    EXPECT_TRUE(DeriveRecordLayout(form).fields.empty());
}

// Form 5 passes down to form 3, which menu 1 (saving its caption) and then
// menu 2 (saving nothing) reach: the save measures form 3 without the menu
// data, and only marks it after.
void PassDownAfterTwoMenus(TemplateBlocks& b) {
    b.forms[2].dataType[0] = kTypeText;
    b.forms[2].maxLength[0] = 10;
    b.forms[2].lastInputLine = 1;
    b.forms[2].keyLine = 1;
    b.forms[2].noKeyLine = 0;
    b.forms[4].recordAction = kRecordPassDown;
    b.forms[4].nextTarget = 3;
    for (int m : {0, 1}) {
        std::strcpy(b.menus[m].itemName[0], "Count");
        b.menus[m].nextTarget[0] = 3;
    }
    b.menus[0].saveCaption = 1;
}

// Pass-down chains, menus that reach the same form, with and without saving,
// and derived values left over from an earlier save.
void RandomTemplate(TemplateBlocks& b, std::mt19937& random) {
    const auto pick = [&random](unsigned n) { return static_cast<std::uint8_t>(random() % n); };
    const std::uint8_t types[] = {kTypeNil, kTypeText, kTypeInteger, kTypeLookup, kTypePrompt};
    for (FormRecord& form : b.forms) {
        form.recordAction = pick(4);
        form.nextTarget = static_cast<std::uint8_t>(1 + pick(kFormCount));
        form.keyLine = pick(4);
        form.noKeyLine = form.keyLine == 0 ? 1 : 0;
        form.stampMode = pick(3);
        form.menuCaptionField = pick(2);
        form.recordFieldCount = form.keyFieldPosition = pick(9);  // stale: the save writes them anew
        SetLe16(form.recordLength, pick(250));
        for (int line = 0; line < 4; ++line) {
            form.dataType[line] = types[pick(5)];
            form.maxLength[line] = pick(40);
            form.initialValueOn[line] = pick(2);
        }
        form.lastInputLine = static_cast<std::uint8_t>(LastInputLine(form));
    }
    for (int m = 0; m < 3; ++m) {
        b.menus[m].saveCaption = pick(2);
        b.menus[m].saveSelectedItem = pick(2);
        for (int item = 0; item < 4; ++item) {
            std::strcpy(b.menus[m].itemName[item], "Item");
            b.menus[m].nextTarget[item] = static_cast<std::uint8_t>(1 + pick(6));
        }
    }
}

TEST(RecordLayout, LayoutThePreviewAndTheSavedFileShowOneShape) {
    std::mt19937 random(5);
    for (int round = 0; round < 40; ++round) {
        test::TestDocument t;
        if (round == 0) PassDownAfterTwoMenus(t.doc.blocks);
        else RandomTemplate(t.doc.blocks, random);
        const RecordLayouts layouts = SavedRecordLayouts(t.doc.blocks);
        const TerminalPreview preview(t.doc, [] { return Moment{2024, 5, 1, 12, 0, 0}; });
        const auto saved = std::make_unique<TemplateBlocks>(t.doc.blocks);
        PrepareBlocksForSaving(*saved);
        for (int f = 0; f < kFormCount; ++f) {
            const FormRecord& file = saved->forms[f];
            EXPECT_EQ(test::Values(layouts[f].fields.size(), layouts[f].keyPosition, layouts[f].length),
                      test::Values(file.recordFieldCount, file.keyFieldPosition, GetLe16(file.recordLength)))
                << "round " << round << " form " << f + 1;
            EXPECT_EQ(preview.layout(f).fields, layouts[f].fields) << "round " << round << " form " << f + 1;
        }
    }

    test::TestDocument t;
    PassDownAfterTwoMenus(t.doc.blocks);
    test::TempDir dir;
    ASSERT_TRUE(WriteTemplateFile(t.doc, dir / "a.QLT"));
    std::ostringstream out, err;
    RunFwtool({"layout", (dir / "a.QLT").string()}, out, err);
    EXPECT_EQ(out.str().substr(0, 52), "form 3: 1 field, 10 characters without the delimiter");
}

}  // namespace
}  // namespace fw
