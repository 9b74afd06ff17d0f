#include "app/popup_menu_win32.h"

#include "app/app_ids.h"
#include "app/preferences.h"
#include "strings/ui_strings.h"

namespace fw {
namespace {

// Fixed items of the pop-up: positions 0 to 9, separators at 4 and 7.
constexpr int kFixedItems = 10;
constexpr int kSeparators[] = {4, 7};
// Recent items go between the separator after Preferences and About.
constexpr int kRecentPosition = 8;

bool IsSeparatorPosition(int position) {
    for (int separator : kSeparators)
        if (position == separator) return true;
    return false;
}

}  // namespace

void PopupMenu::Rebuild(const UiStrings& strings, const RecentFiles& recent) {
    Destroy();
    HMENU bar = LoadMenuA(instance_, QELTARMENU_NAME);
    if (!bar) return;
    // Detach the pop-up so it outlives the menu bar it came in.
    menu_ = GetSubMenu(bar, 0);
    if (menu_) RemoveMenu(bar, 0, MF_BYPOSITION);
    DestroyMenu(bar);
    if (!menu_) return;

    if (strings.languageActive()) {
        // The language's texts as they stand: an empty entry gives an empty item.
        int command = IDM_NEW;
        for (int position = 0; position < kFixedItems; ++position) {
            if (IsSeparatorPosition(position)) continue;
            ModifyMenuA(menu_, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING, static_cast<UINT_PTR>(command),
                        strings.LanguageSlot(command));
            ++command;
        }
    }
    InsertRecent(recent);
}

void PopupMenu::ReplaceRecent(const RecentFiles& recent) {
    if (!menu_) return;
    RemoveRecent();
    InsertRecent(recent);
}

void PopupMenu::Destroy() {
    if (menu_) DestroyMenu(menu_);
    menu_ = nullptr;
    recentItems_ = 0;
}

void PopupMenu::RemoveRecent() {
    for (; recentItems_ > 0; --recentItems_) RemoveMenu(menu_, kRecentPosition, MF_BYPOSITION);
}

void PopupMenu::InsertRecent(const RecentFiles& recent) {
    const int count = static_cast<int>(recent.entries.size());
    for (int i = 0; i < count; ++i) {
        const std::string label = RecentMenuLabel(i, recent.entries[static_cast<std::size_t>(i)]);
        InsertMenuA(menu_, static_cast<UINT>(kRecentPosition + i), MF_BYPOSITION | MF_STRING,
                    static_cast<UINT_PTR>(IDM_RECENT_FIRST + i), label.c_str());
    }
    if (count > 0) InsertMenuA(menu_, static_cast<UINT>(kRecentPosition + count), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    recentItems_ = count > 0 ? count + 1 : 0;
}

}  // namespace fw
