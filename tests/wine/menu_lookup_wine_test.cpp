// The Menu and Lookup pages in the real program: each opens from the sheet
// with its lists filled, and the boxes answer the change notifications of
// real edit controls.
#include <windows.h>

#include <gtest/gtest.h>

#include "pages/lookup/lookup_ids.h"
#include "pages/menu/menu_ids.h"
#include "wine/designer_session.h"

namespace fw::wine {
namespace {

constexpr int kMenuPage = 1;
constexpr int kLookupPage = 2;

class MenuLookupPages : public testing::Test {
protected:
    static void TearDownTestSuite() { designer_.Reset(); }
    void SetUp() override { ASSERT_TRUE(designer_.EnsureFormPage(nullptr, true, "")) << "no sheet"; }
    void TearDown() override { designer_.CancelDialogs(); }

    static SharedDesigner designer_;
};
SharedDesigner MenuLookupPages::designer_;

bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }

TEST_F(MenuLookupPages, MenuPageOpensOnMenuOneAndANameEnablesItsTarget) {
    HWND page = designer_.ShowPage(kMenuPage, IDC_MENU_ID_LIST);
    ASSERT_NE(page, nullptr) << "no Menu page";
    EXPECT_EQ(ControlText(page, IDC_MENU_ID_LIST), "menu  1");
    EXPECT_EQ(Send(GetDlgItem(page, IDC_MENU_ITEM_NEXT_FIRST + 9), CB_GETCOUNT), 31);
    EXPECT_FALSE(Enabled(page, IDC_MENU_ITEM_NEXT_FIRST));
    Typed(page, IDC_MENU_ITEM_NAME_FIRST, "Receive goods");
    EXPECT_TRUE(Enabled(page, IDC_MENU_ITEM_NEXT_FIRST));
}

TEST_F(MenuLookupPages, LookupLengthBoxCorrectsWhatIsTyped) {
    HWND page = designer_.ShowPage(kLookupPage, IDC_LOOKUP_FIXED_RADIO);
    ASSERT_NE(page, nullptr) << "no Lookup page";
    EXPECT_EQ(ControlText(page, IDC_LOOKUP_ID_LIST), "1st lookup file");
    ASSERT_GE(ChooseEntry(page, IDC_LOOKUP_FIELDCOUNT_LIST, " 3"), 0);
    const int box = IDC_LOOKUP_LENGTH_FIRST + 2;
    ASSERT_TRUE(Enabled(page, box));
    EXPECT_EQ(TypedKeys(page, box, "200"), "160");
    EXPECT_EQ(Typed(page, box, "07"), "7");
    EXPECT_EQ(Typed(page, box, ""), "0");
    EXPECT_FALSE(Enabled(page, IDC_LOOKUP_LENGTH_FIRST + 3));
}

}  // namespace
}  // namespace fw::wine
