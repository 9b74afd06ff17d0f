#include "strings/ui_strings.h"

#include <algorithm>
#include <cstring>

namespace fw {

LanguageTable::LanguageTable() = default;

const char* LanguageTable::Slot(int id) const {
    if (id < 0 || id >= kStringIdCount || !slots_) return "";
    return (*slots_)[id].data();
}

void LanguageTable::SetSlot(int id, std::string_view text) {
    if (id < 0 || id >= kStringIdCount) return;
    // Made with the first text a language file gives: most starts have none.
    if (!slots_) slots_ = std::make_unique<std::array<std::array<char, kLanguageSlotSize>, kStringIdCount>>();
    auto& slot = (*slots_)[id];
    const std::size_t n = std::min(text.size(), kLanguageSlotSize - 1);
    std::memcpy(slot.data(), text.data(), n);
    slot[n] = '\0';
}

void LanguageTable::ClearSlot(int id) {
    if (id < 0 || id >= kStringIdCount || !slots_) return;
    (*slots_)[id].fill('\0');
}

std::string UiStrings::Text(int id) const {
    if (languageActive_) {
        const char* slot = table_.Slot(id);
        if (slot[0] != '\0') return slot;
    }
    return builtin_.Get(id);
}

std::size_t UiStrings::LoadUiString(int id, char* buffer, std::size_t size) const {
    if (size == 0) return 0;
    const std::string text = Text(id);
    const std::size_t n = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n;
}

}  // namespace fw
