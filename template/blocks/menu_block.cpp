#include "template/blocks/menu_block.h"

#include <cstring>

namespace fw {

void ResetMenuRecord(MenuRecord& menu, int /*index*/) {
    std::memset(&menu, 0, offsetof(MenuRecord, reserved837));
}

bool IsNonBlank(std::string_view text) {
    return text.find_first_not_of(' ') != std::string_view::npos;
}

void CountMenuItems(MenuRecord& menu) {
    int count = 0;
    for (const auto& name : menu.itemName) {
        if (name[0] != '\0') ++count;
    }
    menu.itemCount = static_cast<std::uint8_t>(count);
}

}  // namespace fw
