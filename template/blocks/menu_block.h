// The menu block: ten menu records of 1337 bytes, written raw into the
// template file, so the layout below is the file format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace fw {

constexpr int kMenuCount = 10;
constexpr int kMenuItemCount = 15;  // the page shows only the first 10

struct MenuRecord {
    std::uint8_t captionEnabled;
    char caption[51];
    char itemName[kMenuItemCount][51];
    std::uint8_t escTarget;  // target code: 0 main, 1-20 forms, 21-30 menus
    std::uint8_t nextTarget[kMenuItemCount];
    std::uint8_t saveCaption;
    std::uint8_t saveSelectedItem;
    std::uint8_t itemCount;
    std::uint8_t reserved836;
    std::uint8_t reserved837[500];  // carried through load and save untouched
};

static_assert(sizeof(MenuRecord) == 1337);
static_assert(std::is_trivially_copyable_v<MenuRecord>);
static_assert(std::is_standard_layout_v<MenuRecord>);
static_assert(offsetof(MenuRecord, captionEnabled) == 0);
static_assert(offsetof(MenuRecord, caption) == 1);
static_assert(offsetof(MenuRecord, itemName) == 52);
static_assert(offsetof(MenuRecord, escTarget) == 817);
static_assert(offsetof(MenuRecord, nextTarget) == 818);
static_assert(offsetof(MenuRecord, saveCaption) == 833);
static_assert(offsetof(MenuRecord, saveSelectedItem) == 834);
static_assert(offsetof(MenuRecord, itemCount) == 835);
static_assert(offsetof(MenuRecord, reserved836) == 836);
static_assert(offsetof(MenuRecord, reserved837) == 837);

// Defaults of one menu: everything up to byte 836 zero. The index is taken
// for symmetry with the other record resets; menus have no per-index default.
void ResetMenuRecord(MenuRecord& menu, int index);

// True when the text has a character other than a space (a tab counts).
bool IsNonBlank(std::string_view text);

// itemCount = slots with a name, over all fifteen slots and without regard to
// gaps or to names of blanks only.
void CountMenuItems(MenuRecord& menu);

}  // namespace fw
