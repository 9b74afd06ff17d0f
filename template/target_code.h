// Target codes: the one byte that names where a form, a menu item or a
// menu's Esc key leads. 0 is "main", 1 to 20 forms 1 to 20, 21 to 30 menus
// 1 to 10; the code is the entry index of every target list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

class UiStrings;

constexpr std::uint8_t kTargetMain = 0;
constexpr std::uint8_t kFirstFormTarget = 1;
constexpr std::uint8_t kFirstMenuTarget = 21;
constexpr std::uint8_t kLastTarget = 30;

// "main", "form  1".."form  20", "menu  1".."menu  10", in code order.
std::vector<std::string> TargetEntries(const UiStrings& strings);
// "menu  1".."menu  10": the menu selector of the Menu page.
std::vector<std::string> MenuEntries(const UiStrings& strings);

}  // namespace fw
