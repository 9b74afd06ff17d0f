#include <gtest/gtest.h>

#include "pages/menu/menu_ids.h"
#include "support/sheet_test.h"
#include "template/fixed_text.h"

namespace fw::test {
namespace {

constexpr int kMenuPage = 1;

class MenuPageTest : public SheetTest {
protected:
    MenuRecord& menuBlock(int k) { return t.doc.blocks.menus[k]; }
    static int NameBox(int slot) { return IDC_MENU_ITEM_NAME_FIRST + slot; }
    static int NextList(int slot) { return IDC_MENU_ITEM_NEXT_FIRST + slot; }
};

TEST_F(MenuPageTest, ItemNamesEnableTheirTargetsAndEveryNamedSlotCounts) {
    SetFieldText(menuBlock(0).itemName[12], "Stocktake");  // a slot the page never shows
    menuBlock(0).nextTarget[12] = 7;
    Open(kMenuPage);
    EXPECT_FALSE(page().IsEnabled(NextList(0)));

    page().Type(NameBox(0), "Receive");
    page().Choose(NextList(0), "menu  2");
    page().Type(NameBox(1), "\t");
    page().Type(NameBox(2), "   ");
    EXPECT_EQ(Enabled(page(), {NextList(0), NextList(1), NextList(2)}), Values(1, 1, 0))
        << "spaces lead nowhere; only the space is blank";

    page().Type(NameBox(3), "Dispatch");
    page().Choose(NextList(3), "form  4");
    page().Type(NameBox(3), "");
    EXPECT_FALSE(page().IsEnabled(NextList(3)));
    page().Click(IDC_MENU_SAVE_CAPTION);
    page().Choose(IDC_MENU_ESC_LIST, "menu  3");
    sheet().Ok();

    const MenuRecord& m = menuBlock(0);
    // Slots 1 to 3 (a tab, spaces) and 13 count; a cleared name keeps its target.
    EXPECT_EQ(Values(m.itemCount, m.nextTarget[0], m.nextTarget[3], m.nextTarget[12], m.saveCaption, m.escTarget),
              Values(4, 22, 4, 7, 1, 23));
    EXPECT_EQ(std::string(FieldText(m.itemName[2])) + "|" + std::string(FieldText(m.itemName[12])), "   |Stocktake");
    EXPECT_TRUE(t.doc.modified);
}

TEST_F(MenuPageTest, ResetClearsOnlyTheMenuShownAndNotItsReservedBytes) {
    menuBlock(1).reserved837[0] = 0x5A;
    Open(kMenuPage);
    page().Type(NameBox(0), "Kept");
    page().Choose(IDC_MENU_ID_LIST, "menu  2");
    EXPECT_EQ(page().GetText(NameBox(0)), "");
    page().Click(IDC_MENU_CAPTION_CHECK);
    page().Type(IDC_MENU_CAPTION_EDIT, "Shipping");
    page().Type(NameBox(0), "Gone");
    page().Click(IDC_MENU_RESET);
    EXPECT_EQ(page().GetText(NameBox(0)), "");
    EXPECT_EQ(Values(page().IsChecked(IDC_MENU_CAPTION_CHECK), page().IsEnabled(IDC_MENU_CAPTION_EDIT)), Values(0, 0));
    page().Choose(IDC_MENU_ID_LIST, "menu  1");
    EXPECT_EQ(page().GetText(NameBox(0)), "Kept");
    sheet().Ok();
    EXPECT_EQ(std::string(FieldText(menuBlock(0).itemName[0])) + "|" + std::string(FieldText(menuBlock(1).caption)),
              "Kept|");
    EXPECT_EQ(menuBlock(1).reserved837[0], 0x5A);
}

}  // namespace
}  // namespace fw::test
