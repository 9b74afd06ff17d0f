// The one mechanism behind every list that stands for a byte, on each way its
// entries are made: the entry a byte shows, a byte no entry has (no entry
// shown, the byte kept), and the code a chosen entry stores, live or when
// confirmed.
#include "ui/list_byte.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "pages/settings/settings_ids.h"
#include "support/fake_dialog.h"
#include "support/test_document.h"

namespace fw::test {
namespace {

ListEntries Seasons(const UiStrings&) { return {"Spring", "Summer", "Autumn", "Winter"}; }

constexpr std::uint8_t kScanModes[] = {4, 8};
constexpr std::uint8_t kTimeouts[] = {0, 5, 10, 99};

TEST(ListByte, ShowsTheEntryOfItsByteKeepsAByteNoEntryHasAndStoresTheChosenCode) {
    constexpr int kList = IDC_SETTINGS_ENTRY_LIST;  // any list of a real template
    const struct {
        ListByte list;
        std::uint8_t byte;
        const char* shows;   // "" for no entry
        const char* chosen;  // then picked by the user ...
        std::uint8_t code;   // ... which stores this
    } cases[] = {
        {{kList, 0, 2321, 3}, 2, "Show record", "No prompt", 0},
        {{kList, 0, 2321, 3}, 3, "", "Show count", 1},
        {{kList, 0, 3460, 2, kScanModes}, 8, "Laser", "Continuous", 4},
        {{kList, 0, 3460, 2, kScanModes}, 6, "", "Laser", 8},
        {{kList, 0, 0, 0, kTimeouts}, 99, "99", "5", 5},
        {{kList, 0, 0, 0, kTimeouts}, 98, "", "10", 10},
        {{kList, 0, 0, 0, {}, Seasons}, 3, "Winter", "Spring", 0},
        {{kList, 0, 0, 0, {}, Seasons}, 4, "", "Autumn", 2},
    };
    TestDocument t;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.byte) + " shown as \"" + c.shows + "\"");
        FakeDialog dialog(TestTemplate("SETTINGSDLG"), NoLogic());
        std::uint8_t block[1] = {c.byte};
        const ListBytes lists{std::span(&c.list, 1)};
        lists.Fill(dialog, t.strings, block);
        EXPECT_EQ(dialog.GetText(kList), c.shows);
        lists.Store(dialog, block);
        EXPECT_EQ(block[0], c.byte) << "confirmed untouched";

        dialog.Choose(kList, c.chosen);
        EXPECT_TRUE(lists.OnChosen(dialog, block, kList));
        EXPECT_EQ(block[0], c.code);
        block[0] = c.byte;
        lists.Store(dialog, block);
        EXPECT_EQ(block[0], c.code) << "stored when confirmed";
    }
}

}  // namespace
}  // namespace fw::test
