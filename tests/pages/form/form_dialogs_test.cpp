#include <gtest/gtest.h>

#include <cstring>

#include "grid/grid_ids.h"
#include "pages/form/form_page_fixture.h"
#include "pages/form/timestamp_dialog.h"
#include "template/fixed_text.h"

namespace fw::test {
namespace {

// The properties dialog of line 1, after choosing its type on the page.
class LineDialogTest : public FormPageTest {
protected:
    void OpenLine(const std::string& type, ModalScript script, int line = 0) {
        ChooseType(line, type);
        OpenDialog(std::move(script), line);
    }
    void OpenDialog(ModalScript script, int line = 0) {
        const int typeCode = form().dataType[line];
        const char* name = typeCode == kTypeLookup  ? LOOKUPPROPERTIESDLG_NAME
                           : typeCode == kTypeImage ? IMAGEPROPERTIESDLG_NAME
                                                    : FORMPROPERTIESDLG_NAME;
        OnModal(name, std::move(script));
        page().Click(MoreButton(line));
    }
    void SetUp() override { Open(); }
};

// One line's type changed in turn: a typed key the type refuses goes and the
// next lands behind the rest; a pasted text is kept as far as the type takes
// it. A real number stores no point when the box holds two.
TEST_F(LineDialogTest, InitialValueIsFilteredByTheLineType) {
    const struct {
        const char* type;
        bool startsOn;
        bool keys;  // typed key by key into the emptied box, else pasted
        const char* text;
        const char* shown;
        const char* stored;
    } cases[] = {
        {"integer", false, true, "12a3", "123", "123"},
        {"real", true, false, "1.5.2", "1.5.2", "152"},
        {"boolean", true, true, "xY", "Y", "Y"},
        {"alphameric", false, false, "AB1-9", "AB1", "AB1"},  // boolean to alphameric starts afresh
    };
    for (const auto& c : cases) {
        OpenLine(c.type, [&](FakeDialog& d) {
            EXPECT_EQ(d.IsChecked(IDC_FPROP_INITIAL), c.startsOn) << c.type;
            if (!c.startsOn) d.Click(IDC_FPROP_INITIAL);
            d.Type(IDC_FPROP_INITIAL_EDIT, c.keys ? "" : c.text);
            if (c.keys) d.TypeKeys(IDC_FPROP_INITIAL_EDIT, c.text);
            EXPECT_EQ(d.GetText(IDC_FPROP_INITIAL_EDIT), c.shown) << c.type;
            d.Ok();
        });
        EXPECT_EQ(FieldText(form().initialValue[0]), c.stored) << c.type;
        EXPECT_EQ(form().initialValueOn[0], 1);
    }
}

TEST_F(LineDialogTest, CheckDigitSwitchChoosesTheFirstMethod) {
    OpenLine("text", [](FakeDialog& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_FPROP_CHECKDIGIT_LIST));
        d.Click(IDC_FPROP_CHECKDIGIT);
        d.Ok();
    });
    EXPECT_EQ(form().checkDigit[0], 1);
    OpenDialog([](FakeDialog& d) {
        d.Choose(IDC_FPROP_CHECKDIGIT_LIST, 3);
        d.Ok();
    });
    EXPECT_EQ(form().checkDigit[0], 4);
    OpenDialog([](FakeDialog& d) {
        d.Click(IDC_FPROP_CHECKDIGIT);
        d.Ok();
    });
    EXPECT_EQ(form().checkDigit[0], 0);
}

TEST_F(LineDialogTest, PartialReadIsKeptInsideItsLimits) {
    OpenLine("text", [](FakeDialog& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_FPROP_START_EDIT));
        d.Click(IDC_FPROP_PARTIAL);
        d.Type(IDC_FPROP_START_EDIT, "0");
        d.Type(IDC_FPROP_MAXLEN_EDIT, "0");
        d.Ok();
    });
    EXPECT_EQ(Values(form().partialRead[0], form().partialStart[0], form().partialLength[0]), Values(1, 1, 160))
        << "a start before the data moves to its beginning";

    OpenDialog([](FakeDialog& d) {
        EXPECT_EQ(d.Typed(IDC_FPROP_START_EDIT, "200"), "160");
        EXPECT_EQ(d.Typed(IDC_FPROP_MAXLEN_EDIT, "012"), "12");
        d.Ok();
    });
    EXPECT_EQ(form().partialLength[0], 12);
}

// Longer than 160 and no longer read in part, the line leaves the lookup
// column until it is short again.
TEST_F(LineDialogTest, LargeDataStartStaysInsideTheLine) {
    UseTwoDReader();
    ChooseType(0, "text");
    ChooseType(0, "large data");
    page().Choose(LookupList(0), 5);
    page().Type(MaxBox(0), "500");
    std::string shown;
    OpenDialog([&](FakeDialog& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_FPROP_AUTOENTER_LIST));
        d.Type(IDC_FPROP_START_EDIT, "900");
        shown = d.GetText(IDC_FPROP_START_EDIT);
        d.Click(IDC_FPROP_PARTIAL);
        d.Ok();
    });
    EXPECT_EQ(shown, "500");
    EXPECT_EQ(Values(form().partialStartBlocks[0], form().partialStart[0], form().partialRead[0],
                     page().IsEnabled(LookupList(0)), form().lookupField[0]),
              Values(3, 20, 0, false, 0))
        << "500 characters read whole fit no field";
    EXPECT_EQ(Shown(LookupList(0)), "nil");
    page().Type(MaxBox(0), "100");
    EXPECT_TRUE(page().IsEnabled(LookupList(0)));
}

TEST_F(LineDialogTest, InputMarkNeedsTheShowSwitch) {
    OpenLine("text", [](FakeDialog& d) {
        d.Click(IDC_FPROP_SHOWMARK);
        d.Type(IDC_FPROP_MARK_EDIT, "*");
        d.Ok();
    });
    EXPECT_EQ(form().inputMark[0], '*');
    OpenDialog([](FakeDialog& d) {
        EXPECT_TRUE(d.IsChecked(IDC_FPROP_SHOWMARK)) << "recomputed from the stored mark";
        EXPECT_EQ(d.GetText(IDC_FPROP_MARK_EDIT), "*");
        d.Click(IDC_FPROP_SHOWMARK);
        d.Ok();
    });
    EXPECT_EQ(form().inputMark[0], 0);
}

TEST_F(LineDialogTest, CancelRestoresTheWholeRecordCodesIncluded) {
    OpenLine("text", [this](FakeDialog& d) {
        d.Click(IDC_FPROP_PREFIX);
        state().gridBuffers.prefixCodes[0] = 'X';  // as the Character grid leaves it
        d.Ok();
    });
    ASSERT_EQ(form().prefixCode[0][0], 'X');
    const FormRecord before = form();
    OpenDialog([this](FakeDialog& d) {
        EXPECT_EQ(d.GetText(IDC_FPROP_PREFIX_EDIT), "X ");
        d.Click(IDC_FPROP_PREFIX);
        d.Click(IDC_FPROP_FIXEDLEN);
        EXPECT_EQ(d.Typed(IDC_FPROP_FIXEDLEN_EDIT, "300"), "160");
        d.Choose(IDC_FPROP_AUTOENTER_LIST, 2);
        state().gridBuffers.prefixCodes[0] = 'Y';
        state().gridBuffers.suffixCodes[0] = 'Z';
        d.Cancel();
    });
    EXPECT_EQ(std::memcmp(&before, &form(), sizeof before), 0);
}

TEST_F(LineDialogTest, SpaceAndF4OpenTheGridOnTheCodeBoxes) {
    std::vector<int> openedOn;
    OpenLine("text", [&](FakeDialog& d) {
        d.ui().OnModal(GRIDDLG_NAME, [&](FakeDialog& grid) {
            openedOn.push_back(d.focus());
            grid.Cancel();
        });
        d.Click(IDC_FPROP_PREFIX);
        d.PressKey(IDC_FPROP_PREFIX_EDIT, CanvasKey::Space);
        d.Click(IDC_FPROP_SUFFIX);
        d.PressKey(IDC_FPROP_SUFFIX_EDIT, CanvasKey::F4);
        d.Ok();
    });
    EXPECT_EQ(openedOn, (std::vector<int>{IDC_FPROP_PREFIX_EDIT, IDC_FPROP_SUFFIX_EDIT}));
}

TEST_F(LineDialogTest, ZorqLineWaitsForEnterAndHasNoCodes) {
    ToggleZorqMode();
    OpenDialog(
        [](FakeDialog& d) {
            EXPECT_EQ(Values(d.IsEnabled(IDC_FPROP_PREFIX), d.IsEnabled(IDC_FPROP_PARTIAL),
                             d.IsChecked(IDC_FPROP_INITIAL)),
                      Values(false, false, true));
            EXPECT_EQ(d.GetText(IDC_FPROP_AUTOENTER_LIST) + " " + d.GetText(IDC_FPROP_INITIAL_EDIT), "ENTER+Scan 0");
            d.Ok();
        },
        1);
    EXPECT_EQ(form().autoEnter[1], 2);
}

// An image line takes lengths only while its path is edited.
TEST_F(LineDialogTest, EditingTheImagePathImpliesSavingIt) {
    ChooseType(0, "image");
    EXPECT_FALSE(page().IsEnabled(MinBox(0)));
    OpenDialog([](FakeDialog& d) {
        EXPECT_EQ(Enabled(d, {IDC_IPROP_CHECKPATH, IDC_IPROP_FIXEDLEN}), Values(0, 0));
        d.Click(IDC_IPROP_EDITPATH);
        EXPECT_EQ(Values(d.IsChecked(IDC_IPROP_SAVEPATH), d.IsEnabled(IDC_IPROP_SAVEPATH),
                         d.IsEnabled(IDC_IPROP_CHECKPATH)),
                  Values(1, 0, 1));
        d.Click(IDC_IPROP_FIXEDLEN);
        EXPECT_EQ(d.Typed(IDC_IPROP_FIXEDLEN_EDIT, "300"), "255");
        d.Click(IDC_IPROP_INITIAL);
        d.Type(IDC_IPROP_INITIAL_EDIT, "\\Photos\\a.jpg");
        d.Ok();
    });
    EXPECT_EQ(Values(form().editFilePath[0], form().saveFilePath[0], form().fixedLength[0]), Values(1, 1, 255));
    EXPECT_EQ(FieldText(form().initialValue[0]), "\\Photos\\a.jpg");
    EXPECT_EQ(Values(page().IsEnabled(MinBox(0)), page().IsEnabled(MaxBox(0))), Values(true, true));

    OpenDialog([](FakeDialog& d) {
        d.Click(IDC_IPROP_EDITPATH);
        EXPECT_EQ(Values(d.IsChecked(IDC_IPROP_SAVEPATH), d.IsEnabled(IDC_IPROP_SAVEPATH),
                         d.IsEnabled(IDC_IPROP_FIXEDLEN_EDIT)),
                  Values(0, 1, 0));
        d.Click(IDC_IPROP_SAVEPATH);
        EXPECT_EQ(Enabled(d, {IDC_IPROP_FIXEDLEN_EDIT, IDC_IPROP_INITIAL_EDIT}), Values(1, 0))
            << "a saved path may have a fixed length";
        d.Ok();
    });
    EXPECT_EQ(Values(form().editFilePath[0], form().saveFilePath[0]), Values(0, 1));
    EXPECT_FALSE(page().IsEnabled(MinBox(0)));
}

TEST_F(LineDialogTest, LookupLineOptionsHangOnSavingItsData) {
    form().inputMark[0] = '#';
    OpenLine("lookup", [](FakeDialog& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_LPROP_FIXEDLEN));
        d.Click(IDC_LPROP_SAVEDATA);
        EXPECT_EQ(Enabled(d, {IDC_LPROP_FIXEDLEN, IDC_LPROP_FIXEDLEN_EDIT}), Values(1, 0));
        d.Click(IDC_LPROP_FIXEDLEN);
        EXPECT_EQ(d.Typed(IDC_LPROP_FIXEDLEN_EDIT, "200"), "160");
        d.Click(IDC_LPROP_SUFFIX);
        EXPECT_TRUE(d.IsEnabled(IDC_LPROP_SUFFIX_EDIT));
        d.Ok();
    });
    EXPECT_EQ(Values(form().initialValueOn[0], form().fixedLength[0], form().suffixOn[0], form().inputMark[0]),
              Values(1, 160, 1, 0));
}

// ---- Date and time stamp ---------------------------------------------------

// The full pictures in both year styles show in the stamp dialog's test.
TEST(StampPictureTest, FollowsPartsStyleAndSeparators) {
    FormRecord form{};
    form.dateYear = form.dateMonth = form.dateDay = form.dateSeparatorOn = 1;
    form.timeHour = form.timeSecond = form.timeSeparatorOn = 1;
    form.yearDigits = 1;
    SetFieldText(form.dateSeparator, "-");
    form.dateStyle = 1;
    EXPECT_EQ(DateFormatPicture(form), "MM-DD-YY");

    form.dateStyle = 0;
    form.dateYear = 0;
    EXPECT_EQ(DateFormatPicture(form), "MM-DD") << "no separator before the first shown part";
    form.dateSeparatorOn = 0;
    EXPECT_EQ(DateFormatPicture(form), "MMDD");

    EXPECT_EQ(TimeFormatPicture(form), "HHSS") << "an empty separator runs the parts together";
}

TEST_F(LineDialogTest, StampDialogShowsLivePicturesAndCancelRestores) {
    const FormRecord before = form();
    OnModal(TIMESTAMPDLG_NAME, [this](FakeDialog& d) {
        EXPECT_EQ(d.GetText(IDC_STAMP_DATE_GROUP) + d.GetText(IDC_STAMP_TIME_GROUP),
                  "Date Format : YYYY/MM/DDTime Format : HH:MM:SS");
        d.Choose(IDC_STAMP_DATESTYLE_LIST, "Day.Month.Year");
        d.Choose(IDC_STAMP_YEARDIGITS_LIST, "2 Digits (YY)");
        d.Type(IDC_STAMP_DATESEP_EDIT, "-");
        EXPECT_EQ(d.GetText(IDC_STAMP_DATE_GROUP), "Date Format : DD-MM-YY");
        d.Click(IDC_STAMP_SECOND);
        EXPECT_EQ(d.GetText(IDC_STAMP_TIME_GROUP), "Time Format : HH:MM");
        d.Choose(IDC_STAMP_MODE_LIST, "appended to the bottom of a record");
        d.Cancel();
    });
    page().Click(IDC_FORM_TIMESTAMP);
    EXPECT_EQ(std::memcmp(&before, &form(), sizeof before), 0);

    OnModal(TIMESTAMPDLG_NAME, [](FakeDialog& d) {
        d.Click(IDC_STAMP_SPLIT);
        d.Type(IDC_STAMP_TIMESEP_EDIT, "");
        d.Ok();
    });
    page().Click(IDC_FORM_TIMESTAMP);
    EXPECT_EQ(Values(form().stampSplit, form().timeSeparator[0]), Values(0, 0));
}

// ---- Form options -----------------------------------------------------------

TEST_F(LineDialogTest, OptionsOfAFreshFormAndTheExportName) {
    OnModal(ADVANCEDLG_NAME, [](FakeDialog& d) {
        EXPECT_EQ(d.title() + ", " + d.GetText(IDC_ADV_EXPORTNAME), "Form #1, Form 01");
        EXPECT_EQ(Checked(d, {IDC_ADV_CHANGEEXPORT, IDC_ADV_AUTODELETE, IDC_ADV_OVERWRITE}), Values(1, 1, 1));
        EXPECT_FALSE(d.IsEnabled(IDC_ADV_APPEND));
        d.Type(IDC_ADV_EXPORTNAME, "Stock");
        d.Click(IDC_ADV_AUTOEXPORT);
        d.Click(IDC_ADV_APPEND);
        EXPECT_FALSE(d.IsChecked(IDC_ADV_OVERWRITE));
        d.Click(IDC_ADV_CHANGEEXPORT);
        EXPECT_FALSE(d.IsEnabled(IDC_ADV_EXPORTNAME));
        d.Ok();
    });
    page().Click(IDC_FORM_ADVANCED);
    EXPECT_EQ(FieldText(form().exportName), "Stock");
    EXPECT_EQ(Values(form().autoExport, form().exportAppend, form().changeExportName), Values(1, 1, 0));
}

}  // namespace
}  // namespace fw::test
