#include <gtest/gtest.h>

#include "pages/menu/menu_ids.h"
#include "support/sheet_test.h"
#include "template/fixed_text.h"
#include "template/template_file.h"

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
    sheet().Ok();

    const MenuRecord& m = menuBlock(0);
    // Slots 1 to 3 (a tab, spaces) and 13 count; a cleared name keeps its target.
    EXPECT_EQ(Values(m.itemCount, m.nextTarget[0], m.nextTarget[3], m.nextTarget[12]), Values(4, 22, 4, 7));
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

// The whole road: the page, OK, the save, and the menu and the form it
// leads to in the file's bytes.
TEST_F(MenuPageTest, AppliedMenuReachesTheSavedFile) {
    Open(kMenuPage);
    page().Type(NameBox(1), "Receive goods");
    page().Choose(NextList(1), "form  2");
    page().Click(IDC_MENU_SAVE_CAPTION);
    page().Choose(IDC_MENU_ESC_LIST, "menu  3");
    sheet().Ok();

    const std::vector<std::uint8_t> bytes = SavedBytes(t.doc);
    const std::size_t menu = kBlocksOffset + offsetof(TemplateBlocks, menus);
    EXPECT_EQ(TextAt(bytes, menu + 52 + 51), "Receive goods");
    const std::size_t form2 = kBlocksOffset + offsetof(TemplateBlocks, forms) + sizeof(FormRecord);
    // Esc, item 2's target, save caption, item count, and the menu caption
    // field of the form the item leads to.
    EXPECT_EQ(Values(bytes[menu + 817], bytes[menu + 819], bytes[menu + 833], bytes[menu + 835], bytes[form2 + 25]),
              Values(23, 2, 1, 1, 1));
}

}  // namespace
}  // namespace fw::test
