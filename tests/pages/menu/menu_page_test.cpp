#include <gtest/gtest.h>

#include <cstring>

#include "pages/form/form_page_fixture.h"
#include "pages/menu/menu_ids.h"
#include "template/fixed_text.h"
#include "template/template_file.h"

namespace fw::test {
namespace {

// The sheet opened on a template and turned to its Menu page.
class MenuPageTest : public FormPageTest {
protected:
    void OpenMenuPage() {
        Open();
        sheet().Show(1);
    }
    FakeDialog& menuPage() { return *sheet().page(1); }
    MenuRecord& menuBlock(int k) { return t.doc.blocks.menus[k]; }
    static int NameBox(int slot) { return IDC_MENU_ITEM_NAME_FIRST + slot; }
    static int NextList(int slot) { return IDC_MENU_ITEM_NEXT_FIRST + slot; }
};

TEST_F(MenuPageTest, ItemNamesEnableTheirTargetsAndEveryNamedSlotCounts) {
    SetFieldText(menuBlock(0).itemName[12], "Stocktake");  // a slot the page never shows
    menuBlock(0).nextTarget[12] = 7;
    OpenMenuPage();
    EXPECT_FALSE(menuPage().IsEnabled(NextList(0)));

    menuPage().Type(NameBox(0), "Receive");
    Choose(menuPage(), NextList(0), "menu  2");
    menuPage().Type(NameBox(2), "   ");
    EXPECT_TRUE(menuPage().IsEnabled(NextList(0)));
    EXPECT_FALSE(menuPage().IsEnabled(NextList(1)));
    EXPECT_FALSE(menuPage().IsEnabled(NextList(2))) << "a name of spaces leads nowhere";

    menuPage().Type(NameBox(3), "Dispatch");
    Choose(menuPage(), NextList(3), "form  4");
    menuPage().Type(NameBox(3), "");
    EXPECT_FALSE(menuPage().IsEnabled(NextList(3)));
    sheet().Ok();

    const MenuRecord& m = menuBlock(0);
    EXPECT_EQ(m.itemCount, 3) << "slots 1, 3 (spaces) and 13";
    EXPECT_EQ(m.nextTarget[0], 22);
    EXPECT_EQ(FieldText(m.itemName[2]), "   ");
    EXPECT_EQ(m.nextTarget[3], 4) << "a cleared name keeps its target";
    EXPECT_EQ(FieldText(m.itemName[12]), "Stocktake");
    EXPECT_EQ(m.nextTarget[12], 7);
    EXPECT_TRUE(t.doc.modified);
}

TEST_F(MenuPageTest, ResetClearsOnlyTheMenuShownAndNotItsReservedBytes) {
    menuBlock(1).reserved837[0] = 0x5A;
    OpenMenuPage();
    menuPage().Type(NameBox(0), "Kept");
    Choose(menuPage(), IDC_MENU_ID_LIST, "menu  2");
    EXPECT_EQ(menuPage().GetText(NameBox(0)), "");
    menuPage().Click(IDC_MENU_CAPTION_CHECK);
    menuPage().Type(IDC_MENU_CAPTION_EDIT, "Shipping");
    menuPage().Type(NameBox(0), "Gone");
    menuPage().Click(IDC_MENU_RESET);
    EXPECT_EQ(menuPage().GetText(NameBox(0)), "");
    EXPECT_FALSE(menuPage().IsChecked(IDC_MENU_CAPTION_CHECK));
    EXPECT_FALSE(menuPage().IsEnabled(IDC_MENU_CAPTION_EDIT));
    Choose(menuPage(), IDC_MENU_ID_LIST, "menu  1");
    EXPECT_EQ(menuPage().GetText(NameBox(0)), "Kept");
    sheet().Ok();
    EXPECT_EQ(FieldText(menuBlock(0).itemName[0]), "Kept");
    EXPECT_EQ(FieldText(menuBlock(1).caption), "");
    EXPECT_EQ(menuBlock(1).reserved837[0], 0x5A);
}

// What a loaded file holds, including a target no list has, survives a
// visit of every menu, then Cancel after edits, then OK without edits.
TEST_F(MenuPageTest, CancelAndUntouchedOkLeaveEveryByte) {
    for (int k = 0; k < kMenuCount; ++k) {
        MenuRecord& m = menuBlock(k);
        m.captionEnabled = k % 2;
        SetFieldText(m.caption, "Caption");
        SetFieldText(m.itemName[k], "Item");
        m.nextTarget[k] = static_cast<std::uint8_t>(k == 4 ? 40 : k + 1);
        m.escTarget = 21;
        m.saveSelectedItem = 1;
        m.itemCount = 1;
        m.reserved837[k] = 0xEE;
    }
    const TemplateBlocks before = t.doc.blocks;
    auto visitAll = [this] {
        for (int k = 0; k < kMenuCount; ++k) menuPage().Choose(IDC_MENU_ID_LIST, k);
    };

    OpenMenuPage();
    visitAll();
    menuPage().Type(NameBox(0), "Changed");
    menuPage().Click(IDC_MENU_SAVE_CAPTION);
    sheet().Cancel();
    EXPECT_EQ(std::memcmp(&before.menus, &t.doc.blocks.menus, sizeof before.menus), 0);

    OpenMenuPage();
    visitAll();
    sheet().Ok();
    EXPECT_EQ(std::memcmp(&before.menus, &t.doc.blocks.menus, sizeof before.menus), 0);
}

// The whole road: the page, OK, the save, and the menu and the form it
// leads to in the file's bytes.
TEST_F(MenuPageTest, AppliedMenuReachesTheSavedFile) {
    OpenMenuPage();
    menuPage().Type(NameBox(1), "Receive goods");
    Choose(menuPage(), NextList(1), "form  2");
    menuPage().Click(IDC_MENU_SAVE_CAPTION);
    Choose(menuPage(), IDC_MENU_ESC_LIST, "menu  3");
    sheet().Ok();

    TempDir dir;
    ASSERT_TRUE(WriteTemplateFile(t.doc, dir / "menu.QLT"));
    const std::vector<std::uint8_t> bytes = ReadAll(dir / "menu.QLT");
    ASSERT_EQ(bytes.size(), kTemplateFileSize);
    const std::size_t menu = kBlocksOffset + offsetof(TemplateBlocks, menus);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[menu + 52 + 51])), "Receive goods");
    EXPECT_EQ(bytes[menu + 817], 23) << "Esc";
    EXPECT_EQ(bytes[menu + 818 + 1], 2);
    EXPECT_EQ(bytes[menu + 833], 1);
    EXPECT_EQ(bytes[menu + 835], 1) << "itemCount";
    const std::size_t form2 = kBlocksOffset + offsetof(TemplateBlocks, forms) + sizeof(FormRecord);
    EXPECT_EQ(bytes[form2 + 25], 1) << "the form the item leads to stores the menu caption";
}

}  // namespace
}  // namespace fw::test
