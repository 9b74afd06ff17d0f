// The questions the sheet asks before it drops work: Cancel (and Esc, and
// the close box) when anything changed, and every page's Reset.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "editor/editor_sheet.h"
#include "pages/form/form_ids.h"
#include "pages/lookup/lookup_ids.h"
#include "pages/menu/menu_ids.h"
#include "pages/reader/barcode_ids.h"
#include "pages/settings/settings_ids.h"
#include "support/sheet_test.h"
#include "template/fixed_text.h"

namespace fw::test {
namespace {

constexpr const char* kDiscard = "Discard the changes made in this sheet?";

class SheetQuestions : public SheetTest {
protected:
    std::vector<std::uint8_t> WorkingBytes(int index) {
        const std::span<const std::uint8_t> bytes = session().spec().pages[index].handler->WorkingBytes();
        return {bytes.begin(), bytes.end()};
    }
};

// Browsing and a dialog left with Cancel change nothing; typing, picking,
// marking, a confirmed dialog and a Reset do, values the page keeps in its
// controls until OK included.
TEST_F(SheetQuestions, CancelAsksOnlyWhenSomethingChanged) {
    const struct {
        const char* what;
        int page;
        std::function<void(FakeDialog&)> act;
        bool asks;
    } cases[] = {
        {"browsing forms, a dialog cancelled", 0,
         [this](FakeDialog& p) {
             p.Choose(IDC_FORM_ID_LIST, "form  3");
             OnModal(TIMESTAMPDLG_NAME, [](FakeDialog& d) { d.Cancel(); });
             p.Click(IDC_FORM_TIMESTAMP);
         },
         false},
        {"a data type picked", 0, [](FakeDialog& p) { p.Choose(IDC_FORM_DATATYPE_FIRST, "text"); }, true},
        {"a form reset", 0, [](FakeDialog& p) { p.Click(IDC_FORM_RESET); }, true},
        {"a good-read sound, stored at OK", 3, [](FakeDialog& p) { p.Choose(IDC_BARCODE_GOODREAD_LIST, 0); }, true},
        {"a symbology row switched", 3, [](FakeDialog& p) { p.Click(IDC_BARCODE_SYMBOLOGY_FIRST); }, true},
        {"a box marked", 4, [](FakeDialog& p) { p.Click(IDC_SETTINGS_AUTOFILENAME); }, true},
        {"browsing menus", 1, [](FakeDialog& p) { p.Choose(IDC_MENU_ID_LIST, "menu  4"); }, false},
        {"a menu item named", 1, [](FakeDialog& p) { p.Type(IDC_MENU_ITEM_NAME_FIRST, "Count"); }, true},
        {"a lookup file renamed", 2,
         [](FakeDialog& p) {
             p.Choose(IDC_LOOKUP_ID_LIST, 4);
             p.Type(IDC_LOOKUP_EXPORTNAME, "Other");
         },
         true},
    };
    t.doc.blocks.forms[0].escTarget = 7;
    const TemplateBlocks before = t.doc.blocks;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.page);
        c.act(page());
        const std::size_t shown = Messages().size();  // a Reset has asked already
        if (c.asks) {
            sheet().ui().QueueAnswer(Answer::No);
            sheet().Cancel();
            ASSERT_FALSE(sheet().closed()) << "No keeps the sheet open";
            ASSERT_EQ(Messages().size(), shown + 1);
            EXPECT_EQ(Messages().back(), std::string("Warning: ") + kDiscard);
            EXPECT_EQ(sheet().ui().messages().back().buttons, Buttons::YesNo);
        }
        sheet().Cancel();
        EXPECT_TRUE(sheet().closed());
        EXPECT_EQ(Messages().size(), shown + (c.asks ? 2 : 0));
        EXPECT_EQ(std::memcmp(&before, &t.doc.blocks, sizeof before), 0);
        EXPECT_FALSE(t.doc.modified);
    }
}

// Each page's Reset names what it clears; No leaves the page as it was.
TEST_F(SheetQuestions, ResetAsksFirst) {
    SetFieldText(t.doc.blocks.menus[1].itemName[0], "Count");
    t.doc.blocks.forms[1].escTarget = 7;
    SetFieldText(t.doc.blocks.lookups[2].fieldName[0], "Code");
    t.doc.blocks.reader.goodReadSound = 7;
    t.doc.blocks.settings.vibratorDuration = 4;
    const struct {
        int page;
        int browse;  // the list that chooses the second or third record
        int entry;
        int reset;
        const char* question;
    } cases[] = {
        {0, IDC_FORM_ID_LIST, 1, IDC_FORM_RESET, "Reset form 2?"},
        {1, IDC_MENU_ID_LIST, 1, IDC_MENU_RESET, "Reset menu 2?"},
        {2, IDC_LOOKUP_ID_LIST, 2, IDC_LOOKUP_RESET, "Reset lookup file 3?"},
        {3, 0, 0, IDC_BARCODE_RESET, "Reset the barcode and RFID reader settings?"},
        {4, 0, 0, IDC_SETTINGS_RESET, "Reset the system settings and the terminal's screen texts?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question);
        Open(c.page);
        if (c.browse) page().Choose(c.browse, c.entry);
        const std::vector<std::uint8_t> shown = WorkingBytes(c.page);
        sheet().ui().QueueAnswer(Answer::No);
        page().Click(c.reset);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0], std::string("Warning: ") + c.question);
        EXPECT_EQ(WorkingBytes(c.page), shown);
        page().Click(c.reset);
        EXPECT_NE(WorkingBytes(c.page), shown);
    }
}

}  // namespace
}  // namespace fw::test
