#include "template/blocks/menu_block.h"

#include <gtest/gtest.h>

#include <cstring>

#include "template/fixed_text.h"

namespace fw {
namespace {

TEST(MenuRecord, ItemCountCountsEveryNamedSlotWhereverItIs) {
    MenuRecord menu;
    std::memset(&menu, 0, sizeof menu);
    menu.itemCount = 99;
    CountMenuItems(menu);
    EXPECT_EQ(menu.itemCount, 0);

    SetFieldText(menu.itemName[0], "Receive");
    SetFieldText(menu.itemName[2], "Ship");     // slot 1 left empty
    SetFieldText(menu.itemName[4], "   ");      // blank, but stored
    SetFieldText(menu.itemName[10], "Count");   // beyond the ten the page shows
    SetFieldText(menu.itemName[14], "Audit");
    // Bytes behind a leading NUL do not make a name.
    menu.itemName[7][1] = 'x';
    CountMenuItems(menu);
    EXPECT_EQ(menu.itemCount, 5);
}

}  // namespace
}  // namespace fw
