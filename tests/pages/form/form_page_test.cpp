#include <gtest/gtest.h>

#include <cstring>

#include "pages/form/form_lists.h"
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
    EXPECT_EQ(Enabled(page(), {PromptBox(1), SourceList(1), MinBox(1), MoreButton(1)}), Values(1, 0, 0, 0));
    EXPECT_EQ(form().inputSource[1], kSourceAll) << "a line without a source list stores \"all\"";

    page().Type(PromptBox(1), "Scan the pallet");
    ChooseType(1, "extension");
    EXPECT_FALSE(page().IsEnabled(PromptBox(1)));
    EXPECT_EQ(Shown(PromptBox(1)) + std::string(FieldText(form().prompt[1])), "") << "an extension line has no prompt";
}

TEST_F(FormPageTest, LengthBoxesClampCorrectAndStore) {
    Open();
    ChooseType(0, "text");
    EXPECT_EQ(Typed(MaxBox(0), "200"), "160");
    EXPECT_EQ(Typed(MaxBox(0), "07"), "7");
    EXPECT_EQ(Typed(MinBox(0), ""), "0");
    EXPECT_EQ(Typed(MinBox(0), "161"), "160");
    EXPECT_EQ(Values(form().maxLength[0], form().minLength[0]), Values(7, 160));

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
    EXPECT_EQ(Shown(MinBox(0)) + " " + Shown(MaxBox(0)), "0 160");
    EXPECT_EQ(Values(form().minLength[0], form().maxLength[0]), Values(1, 1));
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
    EXPECT_EQ(Values(form().dataType[3], form().inputSource[3], form().partialRead[3]),
              Values(kTypeLargeData, kSourceReader, 1));

    ChooseType(4, "text");
    EXPECT_EQ(page().ListText(TypeList(4), 16), "read from 2D");
    ChooseType(4, "read from 2D");
    EXPECT_EQ(Values(form().dataType[4], form().inputSource[4]), Values(kTypeReadFrom2D, kSourceKeypad));
    EXPECT_EQ(Shown(SourceList(4)), "keypad");

    EXPECT_EQ(Typed(MaxBox(3), "3000"), "2048");
    EXPECT_EQ(Values(form().maxLengthBlocks[3], form().maxLength[3]), Values(12, 128));

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

// The column head follows the lookup file, in the language file's words.
TEST_F(FormPageTest, TheLookupFileTurnsVariablesIntoFieldsAndFoldsSignedCodes) {
    t.strings.table().SetSlot(101, "Kennung :");
    t.strings.table().SetSlot(115, "mehr...");
    t.strings.table().SetSlot(119, "Variablen");
    t.strings.SetLanguageActive(true);
    Open();
    EXPECT_EQ(Shown(IDC_FORM_ID_LABEL) + "|" + Shown(MoreButton(11)) + "|" + Shown(IDC_FORM_COL_LOOKUP),
              "Kennung :|mehr...|Variablen");
    ChooseType(0, "text");
    page().Choose(LookupList(0), "get & set v3");
    ChooseType(1, "integer");
    page().Choose(LookupList(1), "set v3");
    ASSERT_EQ(form().lookupField[0], 27);

    page().Choose(IDC_FORM_LOOKUP_LIST, "1st lookup file");
    EXPECT_EQ(Shown(IDC_FORM_COL_LOOKUP), "Lookup");
    EXPECT_EQ(Values(form().lookupField[0], form().lookupField[1], page().ListCount(LookupList(0))),
              Values(3, 15, 13))
        << "a text line has no -field or +field";
    EXPECT_EQ(Shown(LookupList(0)) + ", " + Shown(LookupList(1)), "field 3, -field 3");

    page().Choose(IDC_FORM_LOOKUP_LIST, "nil");
    EXPECT_EQ(Shown(IDC_FORM_COL_LOOKUP), "Variablen");
    EXPECT_EQ(Shown(LookupList(1)), "set v3");
}

TEST_F(FormPageTest, RecordActionGatesKeyFieldAndAdvanced) {
    Open();
    page().Choose(IDC_FORM_RECORD_LIST, "update lookup");
    EXPECT_EQ(Enabled(page(), {IDC_FORM_KEYFIELD_LIST, IDC_FORM_ADVANCED}), Values(0, 0));
    page().Choose(IDC_FORM_RECORD_LIST, "save & update");
    EXPECT_TRUE(page().IsEnabled(IDC_FORM_KEYFIELD_LIST)) << "its choice is stored in the saved-file walk";
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
    EXPECT_EQ(Values(form().dataType[0], form().escTarget, form().nextTarget), Values(kTypeNil, 0, 2));
    page().Choose(IDC_FORM_ID_LIST, "form  1");
    EXPECT_EQ(Shown(TypeList(0)), "letter");
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

    // Line 1 keyed by the lookup's key field, line 2 ZORQ, then only lookup lines.
    EXPECT_EQ(Values(form().zorqMode, form().dataType[0], form().lookupField[0], form().dataType[1],
                     form().dataType[3], form().recordAction),
              Values(1, kTypeText, 3, kTypeZorq, kTypeNil, kRecordSave));
    EXPECT_EQ(FieldText(form().initialValue[1]), "0");
    const int fixed[] = {TypeList(0), TypeList(1), IDC_FORM_RECORD_LIST, IDC_FORM_KEYFIELD_LIST, IDC_FORM_NEXT_LIST};
    for (int id : fixed) EXPECT_FALSE(page().IsEnabled(id)) << id;
    EXPECT_EQ(Shown(TypeList(1)) + " " + Shown(IDC_FORM_KEYFIELD_LIST) + " " + Shown(IDC_FORM_NEXT_LIST),
              "ZORQ none form  1");
    EXPECT_EQ(page().items(TypeList(2)), (std::vector<std::string>{"nil", "lookup"}));
    EXPECT_EQ(Shown(TypeList(2)), "lookup");

    ToggleZorqMode();
    EXPECT_EQ(form().dataType[1], kTypeNil) << "the ZORQ line goes with the mode";
    EXPECT_EQ(Values(page().ListCount(TypeList(1)), page().ListCount(TypeList(2))), Values(16, 16));
    EXPECT_EQ(Shown(TypeList(2)), "lookup");
    for (int id : fixed) EXPECT_TRUE(page().IsEnabled(id)) << id;
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
    const auto& forms = t.doc.blocks.forms;
    EXPECT_EQ(Values(forms[3].prefixOn[5], forms[3].prefixCode[5][0], forms[0].suffixOn[0]), Values(0, 0, 0));
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
    FormRecord saved;  // the record's bytes in the file, read as the record
    std::memcpy(&saved, &bytes[record], sizeof saved);
    // The record's length leaves out the two prefix codes, which widen line 2.
    EXPECT_EQ(Values(saved.keyLine, saved.noKeyLine, saved.lastInputLine, saved.recordFieldCount,
                     saved.keyFieldPosition, GetLe16(saved.recordLength), saved.addedLength[1], saved.maxLength[2],
                     saved.inputSource[3]),
              Values(3, 0, 3, 3, 3, 60, 2, 30, kSourceAll));
}

// ---- The lists behind the page ----------------------------------------------

// Beside what the Form page's tests reach: codes no list of the shape offers
// (a damaged file's source too), the shared 2D entry, and the lines a ZORQ
// form fixes.
TEST(FormLists, DataTypeEntriesMapToCodesByListShape) {
    using enum TypeListShape;
    EXPECT_EQ(Values(DataTypeEntry(Normal, kTypeLargeData), DataTypeEntry(Normal, kTypeReadFrom2D),
                     DataTypeEntry(Normal, kTypeZorq), DataTypeEntry(ZorqHead, kTypeReadFrom2D),
                     DataTypeEntry(ZorqTail, kTypeText), InputSourceEntry(7, true)),
              Values(16, 16, -1, 17, -1, -1));
    EXPECT_EQ(Values(DataTypeCode(Normal, 16, false), DataTypeCode(Normal, 16, true), DataTypeCode(Normal, 8, true),
                     DataTypeCode(ZorqHead, 16, true), DataTypeCode(ZorqHead, 17, false),
                     DataTypeCode(ZorqTail, 1, false), DataTypeCode(ZorqTail, 0, false)),
              Values(kTypeLargeData, kTypeReadFrom2D, kTypeFixedData, kTypeZorq, kTypeLargeData, kTypeLookup, kTypeNil));
}

// "-field n" is 12 + n, "+field n" 24 + n; a remainder of 0 is field 12.
TEST(FormLists, FoldingTurnsSignedFieldsBackIntoTheirNumber) {
    EXPECT_EQ(Values(FoldLookupCode(0), FoldLookupCode(12), FoldLookupCode(13), FoldLookupCode(24), FoldLookupCode(27),
                     FoldLookupCode(36)),
              Values(0, 12, 1, 12, 3, 12));
}

}  // namespace
}  // namespace fw::test
