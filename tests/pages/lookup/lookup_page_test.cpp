#include <gtest/gtest.h>

#include "pages/form/form_page_fixture.h"
#include "pages/lookup/lookup_ids.h"
#include "template/fixed_text.h"

namespace fw::test {
namespace {

constexpr int kLookupPageIndex = 2;

class LookupPageTest : public FormPageTest {
protected:
    LookupRecord& lookupBlock(int k) { return t.doc.blocks.lookups[k]; }
    void ChooseFieldCount(int n) { page().Choose(IDC_LOOKUP_FIELDCOUNT_LIST, n); }
    static int NameBox(int slot) { return IDC_LOOKUP_NAME_FIRST + slot; }
    static int LengthBox(int slot) { return IDC_LOOKUP_LENGTH_FIRST + slot; }
    static int KeyRadio(int slot) { return IDC_LOOKUP_KEY_FIRST + slot; }
};

TEST_F(LookupPageTest, FieldCountEnablesSlotsAndKeepsTheKeyAmongThem) {
    Open(kLookupPageIndex);
    ChooseFieldCount(5);
    EXPECT_EQ(Enabled(page(), {KeyRadio(4), NameBox(5)}), Values(1, 0));
    page().Click(KeyRadio(3));
    ChooseFieldCount(4);
    EXPECT_TRUE(page().IsChecked(KeyRadio(3))) << "four fields still hold the key";
    ChooseFieldCount(3);
    EXPECT_EQ(Checked(page(), {KeyRadio(0), KeyRadio(3)}), Values(1, 0));
    page().Click(KeyRadio(2));
    ChooseFieldCount(8);
    sheet().Ok();
    EXPECT_EQ(lookupBlock(0).keyField, 2);
}

TEST_F(LookupPageTest, DelimiterBoxFollowsTheRadios) {
    Open(kLookupPageIndex);
    EXPECT_FALSE(page().IsEnabled(IDC_LOOKUP_DELIMITER_EDIT));
    page().Click(IDC_LOOKUP_DELIMITED_RADIO);
    EXPECT_EQ(page().GetText(IDC_LOOKUP_COL_LENGTH), "Max length");
    EXPECT_EQ(Typed(IDC_LOOKUP_DELIMITER_EDIT, "999"), "255");
    page().Click(IDC_LOOKUP_FIXED_RADIO);
    EXPECT_EQ(Texts(page(), {IDC_LOOKUP_DELIMITER_EDIT, IDC_LOOKUP_COL_LENGTH}), "0|Length");
    sheet().Ok();
    EXPECT_EQ(lookupBlock(0).delimiter, 0);
}

// "Append" stands for any save mode but 0. The length head takes the
// language file's entries as they stand, an empty one too.
TEST_F(LookupPageTest, AppendForAnySaveModeAndTheLengthHeadFromTheLanguageFile) {
    lookupBlock(0).saveMode = 2;
    lookupBlock(0).delimiter = ';';
    t.strings.table().SetSlot(293, "Laenge");
    t.strings.SetLanguageActive(true);
    Open(kLookupPageIndex);
    EXPECT_EQ(Checked(page(), {IDC_LOOKUP_APPEND, IDC_LOOKUP_OVERWRITE}), Values(1, 0));
    EXPECT_EQ(page().GetText(IDC_LOOKUP_COL_LENGTH), "") << "entry 294 is empty";
    page().Click(IDC_LOOKUP_FIXED_RADIO);
    EXPECT_EQ(page().GetText(IDC_LOOKUP_COL_LENGTH), "Laenge");
}

// Turning to the Form page hands it the field count and key field as they
// stand here, before any apply; the form's ZORQ line 1 is keyed by them.
TEST_F(LookupPageTest, FormPageSeesTheLookupAsEditedWhileTheSheetIsOpen) {
    t.doc.blocks.forms[0].zorqMode = 1;
    t.doc.blocks.forms[0].lookupFile = 1;
    Open(kLookupPageIndex);
    ChooseFieldCount(4);
    page().Click(KeyRadio(2));
    sheet().Show(0);
    EXPECT_EQ(state().forms[0].lookupField[0], 3);
    sheet().Show(kLookupPageIndex);
    page().Click(KeyRadio(1));
    sheet().Show(0);
    EXPECT_EQ(Values(state().forms[0].lookupField[0], lookupBlock(0).fieldCount), Values(2, 0)) << "nothing applied yet";
    sheet().Cancel();
    EXPECT_EQ(lookupBlock(0).fieldCount, 0);
}

// What OK leaves: the lookup tidied and its lengths passed to the forms. The
// length boxes keep every length within one block of 160. (A save only reads
// the lookup files.)
TEST_F(LookupPageTest, ApplyTidiesTheLookupAndPassesItsLengthsToTheForms) {
    FormRecord& form = t.doc.blocks.forms[0];
    form.lookupFile = 1;
    form.dataType[0] = kTypeLookup;
    form.lookupField[0] = 2;
    lookupBlock(0).fieldLength[0] = 10;
    lookupBlock(0).fieldLengthHigh[0] = 1;
    SetFieldText(lookupBlock(0).fieldName[6], "Stale");
    Open(kLookupPageIndex);
    EXPECT_EQ(page().GetText(LengthBox(0)), "160") << "170 from a file";
    ChooseFieldCount(2);
    page().Type(NameBox(0), "Article");
    EXPECT_EQ(Typed(LengthBox(0), "07"), "7");
    EXPECT_EQ(Typed(LengthBox(1), "200"), "160");
    page().Type(IDC_LOOKUP_EXPORTNAME, "Stock   ");
    sheet().Ok();
    EXPECT_EQ(form.maxLength[0], 160) << "the form line takes field 2's length at apply";
    const LookupRecord& l = lookupBlock(0);
    // A name slot past the count is cleared.
    EXPECT_EQ(Values(l.fieldCount, GetLe16(l.recordLength), l.fieldLength[1], l.fieldLengthHigh[0], l.fieldName[6][0]),
              Values(2, 167, 160, 0, 0));
    EXPECT_EQ(std::string(FieldText(l.exportName)) + "|" + std::string(FieldText(l.fieldName[0])), "Stock|Article");
}

}  // namespace
}  // namespace fw::test
