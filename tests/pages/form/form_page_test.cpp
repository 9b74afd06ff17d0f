#include <gtest/gtest.h>

#include <cstring>

#include "pages/form/form_normalize.h"
#include "pages/form/form_page_fixture.h"
#include "template/fixed_text.h"
#include "template/template_file.h"

namespace fw::test {
namespace {

TEST_F(FormPageTest, ChoosingATypeEnablesWhatTheTypeUses) {
    Open();
    ChooseType(0, "integer");
    EXPECT_EQ(form().dataType[0], kTypeInteger);
    for (int id : {PromptBox(0), SourceList(0), MinBox(0), MaxBox(0), LookupList(0), MoreButton(0)})
        EXPECT_TRUE(page().IsEnabled(id)) << id;

    ChooseType(1, "prompt");
    EXPECT_TRUE(page().IsEnabled(PromptBox(1)));
    EXPECT_FALSE(page().IsEnabled(SourceList(1)));
    EXPECT_EQ(form().inputSource[1], kSourceAll) << "a line without a source list stores \"all\"";
    EXPECT_FALSE(page().IsEnabled(MinBox(1)));
    EXPECT_FALSE(page().IsEnabled(MoreButton(1)));

    page().Type(PromptBox(1), "Scan the pallet");
    ChooseType(1, "extension");
    EXPECT_FALSE(page().IsEnabled(PromptBox(1)));
    EXPECT_EQ(Shown(PromptBox(1)), "");
    EXPECT_EQ(FieldText(form().prompt[1]), "") << "an extension line has no prompt";
}

TEST_F(FormPageTest, LengthBoxesClampCorrectAndStore) {
    Open();
    ChooseType(0, "text");
    EXPECT_EQ(Typed(MaxBox(0), "200"), "160");
    EXPECT_EQ(form().maxLength[0], 160);
    EXPECT_EQ(Typed(MaxBox(0), "07"), "7");
    EXPECT_EQ(form().maxLength[0], 7);
    EXPECT_EQ(Typed(MinBox(0), ""), "0");
    EXPECT_EQ(Typed(MinBox(0), "161"), "160");
    EXPECT_EQ(form().minLength[0], 160);

    // Emptied, the box shows 0 with the caret behind it: the next keys make
    // a new number instead of landing in front of the 0.
    page().Type(MaxBox(0), "");
    EXPECT_EQ(page().caret(MaxBox(0)), 1);
    page().TypeKeys(MaxBox(0), "20");
    EXPECT_EQ(Shown(MaxBox(0)), "20");
    EXPECT_EQ(form().maxLength[0], 20);
}

TEST_F(FormPageTest, BooleanLinesStoreLengthOneWhateverTheBoxesShow) {
    Open();
    ChooseType(0, "text");
    page().Type(MinBox(0), "5");
    page().Type(MaxBox(0), "40");
    ChooseType(0, "boolean");
    EXPECT_FALSE(page().IsEnabled(MinBox(0)));
    EXPECT_EQ(Shown(MinBox(0)), "0");
    EXPECT_EQ(Shown(MaxBox(0)), "160");
    EXPECT_EQ(form().minLength[0], 1);
    EXPECT_EQ(form().maxLength[0], 1);
}

TEST_F(FormPageTest, PropertiesSurviveOnlyTheTypeChangesThatKeepThem) {
    const struct {
        const char* from;
        const char* to;
        bool kept;
    } changes[] = {
        {"text", "nil", false},  {"text", "integer", true}, {"integer", "fixed data", false},
        {"fixed data", "image", false}, {"image", "text", true},
    };
    Open();
    for (const auto& c : changes) {
        ChooseType(0, c.from);
        page().Leave(TypeList(0));
        form().prefixOn[0] = 1;
        ChooseType(0, c.to);
        page().Leave(TypeList(0));
        EXPECT_EQ(form().prefixOn[0], c.kept ? 1 : 0) << c.from << " to " << c.to;
    }
}

// The arrows or the wheel pass entries on the way: the line ends as a
// direct pick of the last entry from the type it had when its list took the
// focus would leave it (an empty path: the line as it was).
TEST_F(FormPageTest, PassingEntriesOfATypeListEndsWhereADirectPickEnds) {
    UseTwoDReader();
    FormRecord& f = t.doc.blocks.forms[0];
    f.dataType[0] = kTypeInteger;
    SetFieldText(f.prompt[0], "Qty");
    f.prefixOn[0] = 1;
    f.prefixCode[0][0] = 0x41;
    f.minLength[0] = 2;
    f.maxLength[0] = 6;
    f.dataType[3] = kTypeLargeData;
    f.dataType[4] = kTypeReadFrom2D;
    const struct {
        int line;
        std::vector<std::string> path;
        std::vector<std::string> direct;
    } cases[] = {
        {0, {"nil", "prompt", "counter", "integer"}, {}},
        {0, {"nil", "text"}, {"text"}},
        {0, {"prompt", "extension", "lookup"}, {"lookup"}},
        {3, {"nil", "large data"}, {}},
    };
    const auto after = [this](int line, const std::vector<std::string>& path) {
        Open();
        for (const std::string& entry : path) ChooseType(line, entry);
        page().Leave(TypeList(line));
        return form();
    };
    for (const auto& c : cases) {
        const FormRecord passed = after(c.line, c.path), picked = after(c.line, c.direct);
        EXPECT_EQ(std::memcmp(&passed, &picked, sizeof passed), 0) << c.path.front() << " ... " << c.path.back();
    }
    after(0, {"nil", "text"});
    EXPECT_EQ(Shown(PromptBox(0)), "Qty") << "the box shows the prompt given back";
}

TEST_F(FormPageTest, LargeDataWantsTheTwoDReaderAndOffersReadFrom2DBesideIt) {
    UseTwoDReader();
    Open();
    ChooseType(3, "text");
    ASSERT_EQ(page().ListText(TypeList(3), 16), "large data");
    ChooseType(3, "large data");
    EXPECT_EQ(form().dataType[3], kTypeLargeData);
    EXPECT_EQ(form().inputSource[3], kSourceReader);
    EXPECT_EQ(form().partialRead[3], 1);

    ChooseType(4, "text");
    EXPECT_EQ(page().ListText(TypeList(4), 16), "read from 2D");
    ChooseType(4, "read from 2D");
    EXPECT_EQ(form().dataType[4], kTypeReadFrom2D);
    EXPECT_EQ(form().inputSource[4], kSourceKeypad);
    EXPECT_EQ(Shown(SourceList(4)), "keypad");

    EXPECT_EQ(Typed(MaxBox(3), "3000"), "2048");
    EXPECT_EQ(form().maxLengthBlocks[3], 12);
    EXPECT_EQ(form().maxLength[3], 128);

    ChooseType(3, "nil");
    EXPECT_EQ(form().dataType[4], kTypeNil) << "read from 2D needs a large data line";
    EXPECT_EQ(Shown(TypeList(4)), "nil");
}

TEST_F(FormPageTest, ASecondLargeDataLineIsStoredAsChosenAndThenOffersReadFrom2D) {
    UseTwoDReader();
    Open();
    ChooseType(0, "text");
    ChooseType(1, "text");
    ChooseType(0, "large data");
    ASSERT_EQ(page().ListText(TypeList(1), 16), "large data") << "line 2 still offers what it offered";
    ChooseType(1, "large data");
    EXPECT_EQ(form().dataType[1], kTypeLargeData);
    EXPECT_EQ(page().ListText(TypeList(1), 16), "read from 2D");
}

TEST_F(FormPageTest, LeavingTheTwoDReaderTurnsItsLinesIntoNil) {
    UseTwoDReader();
    Open();
    ChooseType(2, "text");
    ChooseType(2, "large data");
    t.doc.readerWorking.readerType = kReaderTypeLaser;
    sheet().Show(3);
    sheet().Show(0);
    EXPECT_EQ(form().dataType[2], kTypeNil);
    EXPECT_EQ(Shown(TypeList(2)), "nil");
    for (int line = 0; line < 12; ++line) EXPECT_EQ(page().ListCount(TypeList(line)), 16);

    ChooseType(5, "text");
    EXPECT_EQ(page().ListCount(TypeList(5)), 16) << "no 2D types without the 2D reader";
}

TEST_F(FormPageTest, TheLookupFileTurnsVariablesIntoFieldsAndFoldsSignedCodes) {
    Open();
    ChooseType(0, "text");
    page().Choose(LookupList(0), "get & set v3");
    ChooseType(1, "integer");
    page().Choose(LookupList(1), "set v3");
    ASSERT_EQ(form().lookupField[0], 27);

    page().Choose(IDC_FORM_LOOKUP_LIST, "1st lookup file");
    EXPECT_EQ(Shown(IDC_FORM_COL_LOOKUP), "Lookup");
    EXPECT_EQ(form().lookupField[0], 3) << "a text line has no -field or +field";
    EXPECT_EQ(Shown(LookupList(0)), "field 3");
    EXPECT_EQ(page().ListCount(LookupList(0)), 13);
    EXPECT_EQ(form().lookupField[1], 15);
    EXPECT_EQ(Shown(LookupList(1)), "-field 3");

    page().Choose(IDC_FORM_LOOKUP_LIST, "nil");
    EXPECT_EQ(Shown(IDC_FORM_COL_LOOKUP), "Variables");
    EXPECT_EQ(Shown(LookupList(1)), "set v3");
}

TEST_F(FormPageTest, RecordActionGatesKeyFieldAndAdvanced) {
    Open();
    page().Choose(IDC_FORM_RECORD_LIST, "update lookup");
    EXPECT_FALSE(page().IsEnabled(IDC_FORM_KEYFIELD_LIST));
    EXPECT_FALSE(page().IsEnabled(IDC_FORM_ADVANCED));
    page().Choose(IDC_FORM_RECORD_LIST, "save & update");
    EXPECT_TRUE(page().IsEnabled(IDC_FORM_KEYFIELD_LIST));
    page().Choose(IDC_FORM_KEYFIELD_LIST, "line 4");
    EXPECT_EQ(form().keyLine, 4);
}

TEST_F(FormPageTest, FormsAreEditedApartAndResetAlone) {
    Open();
    ChooseType(0, "letter");
    page().Choose(IDC_FORM_ID_LIST, "form  2");
    EXPECT_EQ(state().currentForm, 1);
    EXPECT_EQ(Shown(TypeList(0)), "nil");
    ChooseType(0, "real");
    page().Choose(IDC_FORM_ESC_LIST, "menu  3");
    EXPECT_EQ(form().escTarget, 23);
    page().Click(IDC_FORM_RESET);
    EXPECT_EQ(form().dataType[0], kTypeNil);
    EXPECT_EQ(form().escTarget, 0);
    EXPECT_EQ(form().nextTarget, 2);
    page().Choose(IDC_FORM_ID_LIST, "form  1");
    EXPECT_EQ(Shown(TypeList(0)), "letter");
}

TEST_F(FormPageTest, StoredRfidShowsAsAllWithoutTheRfidReader) {
    t.doc.blocks.forms[0].dataType[0] = kTypeText;
    Open();
    EXPECT_EQ(page().ListCount(SourceList(0)), 3);
    EXPECT_EQ(Shown(SourceList(0)), "all");
    EXPECT_EQ(form().inputSource[0], kSourceRfid) << "only choosing changes the stored code";
}

TEST_F(FormPageTest, ZorqModeGivesTheFormItsFixedShapeAndBack) {
    t.doc.formSideLookups[0].fieldCount = 4;
    t.doc.formSideLookups[0].keyField = 2;
    Open();
    page().Choose(IDC_FORM_LOOKUP_LIST, "1st lookup file");
    ChooseType(2, "lookup");
    ChooseType(3, "integer");
    page().Choose(IDC_FORM_RECORD_LIST, "save & update");
    ToggleZorqMode();

    EXPECT_EQ(form().zorqMode, 1);
    EXPECT_EQ(form().dataType[0], kTypeText);
    EXPECT_EQ(form().lookupField[0], 3) << "the lookup's key field";
    EXPECT_EQ(form().dataType[1], kTypeZorq);
    EXPECT_EQ(FieldText(form().initialValue[1]), "0");
    EXPECT_EQ(Shown(TypeList(1)), "ZORQ");
    EXPECT_FALSE(page().IsEnabled(TypeList(0)));
    EXPECT_FALSE(page().IsEnabled(TypeList(1)));
    EXPECT_EQ(form().recordAction, kRecordSave);
    EXPECT_EQ(Shown(IDC_FORM_KEYFIELD_LIST), "none");
    EXPECT_EQ(Shown(IDC_FORM_NEXT_LIST), "form  1");
    for (int id : {IDC_FORM_RECORD_LIST, IDC_FORM_KEYFIELD_LIST, IDC_FORM_NEXT_LIST})
        EXPECT_FALSE(page().IsEnabled(id));
    EXPECT_EQ(page().items(TypeList(2)), (std::vector<std::string>{"nil", "lookup"}));
    EXPECT_EQ(Shown(TypeList(2)), "lookup");
    EXPECT_EQ(form().dataType[3], kTypeNil) << "only lookup lines follow the ZORQ line";

    ToggleZorqMode();
    EXPECT_EQ(form().dataType[1], kTypeNil) << "the ZORQ line goes with the mode";
    EXPECT_EQ(page().ListCount(TypeList(1)), 16);
    EXPECT_EQ(page().ListCount(TypeList(2)), 16);
    EXPECT_EQ(Shown(TypeList(2)), "lookup");
    for (int id : {TypeList(0), TypeList(1), IDC_FORM_RECORD_LIST, IDC_FORM_NEXT_LIST, IDC_FORM_KEYFIELD_LIST})
        EXPECT_TRUE(page().IsEnabled(id)) << id;
}

// Cancelled in the options dialog, the mode leaves page and form alone.
TEST_F(FormPageTest, ZorqWithoutLookupFileClearsEveryLaterLineOnceConfirmed) {
    Open();
    ChooseType(0, "real");
    ChooseType(4, "text");
    const FormRecord before = form();
    OnModal(ADVANCEDLG_NAME, [](FakeDialog& d) {
        d.Click(IDC_ADV_ZORQ);
        d.Click(IDC_ADV_READONCE);
        d.Cancel();
    });
    page().Click(IDC_FORM_ADVANCED);
    EXPECT_EQ(std::memcmp(&before, &form(), sizeof before), 0);
    EXPECT_EQ(Shown(TypeList(0)), "real");
    EXPECT_TRUE(page().IsEnabled(IDC_FORM_RECORD_LIST));

    ToggleZorqMode();
    EXPECT_EQ(form().dataType[4], kTypeNil);
    for (int line = 2; line < 12; ++line) EXPECT_FALSE(page().IsEnabled(TypeList(line))) << line;
}

TEST_F(FormPageTest, ApplyDropsPropertiesTheTypeDoesNotUse) {
    t.doc.blocks.forms[3].dataType[5] = kTypePrompt;
    t.doc.blocks.forms[3].prefixOn[5] = 1;
    t.doc.blocks.forms[3].prefixCode[5][0] = 'A';
    Open();
    ChooseType(0, "lookup");
    form().suffixOn[0] = 1;  // a lookup line whose data is not saved
    sheet().Ok();
    EXPECT_TRUE(t.doc.modified) << "even for an untouched form";
    EXPECT_EQ(t.doc.blocks.forms[3].prefixOn[5], 0);
    EXPECT_EQ(t.doc.blocks.forms[3].prefixCode[5][0], 0);
    EXPECT_EQ(t.doc.blocks.forms[0].suffixOn[0], 0);
}

TEST_F(FormPageTest, LanguageFileGivesTheLabelsAndTheColumnHeader) {
    t.strings.table().SetSlot(101, "Kennung :");
    t.strings.table().SetSlot(115, "mehr...");
    t.strings.table().SetSlot(119, "Variablen");
    t.strings.SetLanguageActive(true);
    Open();
    EXPECT_EQ(Shown(IDC_FORM_ID_LABEL), "Kennung :");
    EXPECT_EQ(Shown(MoreButton(11)), "mehr...");
    EXPECT_EQ(Shown(IDC_FORM_COL_LOOKUP), "Variablen");
}

// The whole road: edit on the page, apply, save, and find the record's
// shape in the file's bytes.
TEST_F(FormPageTest, AppliedFormsReachTheSavedFileWithTheirShape) {
    t.doc.blocks.reader.codeIdOn = 0;
    Open();
    const int lengths[] = {10, 20, 30};
    for (int line = 0; line < 3; ++line) {
        ChooseType(line, "text");
        page().Type(MaxBox(line), std::to_string(lengths[line]));
    }
    page().Choose(IDC_FORM_KEYFIELD_LIST, "line 3");
    form().prefixOn[1] = 1;
    form().prefixCode[1][0] = 'A';
    form().prefixCode[1][1] = 'B';
    sheet().Ok();

    const std::vector<std::uint8_t> bytes = SavedBytes(t.doc);
    const std::size_t record = kBlocksOffset + offsetof(TemplateBlocks, forms);
    auto at = [&](std::size_t offset) { return bytes[record + offset]; };
    EXPECT_EQ(at(offsetof(FormRecord, keyLine)), 3);
    EXPECT_EQ(at(offsetof(FormRecord, noKeyLine)), 0);
    EXPECT_EQ(at(offsetof(FormRecord, lastInputLine)), 3);
    EXPECT_EQ(at(offsetof(FormRecord, recordFieldCount)), 3);
    EXPECT_EQ(at(offsetof(FormRecord, keyFieldPosition)), 3);
    EXPECT_EQ(at(offsetof(FormRecord, addedLength) + 1), 2) << "the two prefix codes";
    const unsigned recordLength = at(23) | (at(24) << 8);
    EXPECT_EQ(recordLength, 60u) << "prefixes are not part of the stored length";
    EXPECT_EQ(at(offsetof(FormRecord, maxLength) + 2), 30);
    EXPECT_EQ(at(offsetof(FormRecord, inputSource) + 3), kSourceAll) << "an unused line";
}

}  // namespace
}  // namespace fw::test
