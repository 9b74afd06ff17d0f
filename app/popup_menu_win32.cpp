#include "app/popup_menu_win32.h"

#include "app/app_ids.h"
#include "app/preferences.h"
#include "preview/preview_texts.h"
#include "strings/ui_strings.h"

namespace fw {
namespace {

// The resource's items whose texts a language file replaces, by their ids.
constexpr int kFirstLanguageItem = IDM_NEW;
constexpr int kLastLanguageItem = IDM_EXIT;

// Recent items go between the separator after Preferences and About.
int RecentPosition(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
        if (GetMenuItemID(menu, position) == IDM_ABOUT) return position;
    return count;
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
        for (int command = kFirstLanguageItem; command <= kLastLanguageItem; ++command)
            ModifyMenuA(menu_, static_cast<UINT>(command), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(command),
                        strings.LanguageSlot(command));
        // Language files older than the preview lack its text: the program's own then.
        const std::string preview = strings.Text(kTextPreviewMenuItem);
        ModifyMenuA(menu_, IDM_PREVIEW, MF_BYCOMMAND | MF_STRING, IDM_PREVIEW, preview.c_str());
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

void PopupMenu::Check(int command, bool on) {
    if (menu_) CheckMenuItem(menu_, static_cast<UINT>(command), MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void PopupMenu::RemoveRecent() {
    const int first = RecentPosition(menu_) - recentItems_;
    for (; recentItems_ > 0; --recentItems_) RemoveMenu(menu_, first, MF_BYPOSITION);
}

void PopupMenu::InsertRecent(const RecentFiles& recent) {
    const int first = RecentPosition(menu_);
    const int count = static_cast<int>(recent.entries.size());
    for (int i = 0; i < count; ++i) {
        const std::string label = RecentMenuLabel(i, recent.entries[static_cast<std::size_t>(i)]);
        InsertMenuA(menu_, static_cast<UINT>(first + i), MF_BYPOSITION | MF_STRING,
                    static_cast<UINT_PTR>(IDM_RECENT_FIRST + i), label.c_str());
    }
    if (count > 0) InsertMenuA(menu_, static_cast<UINT>(first + count), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    recentItems_ = count > 0 ? count + 1 : 0;
}

}  // namespace fw
