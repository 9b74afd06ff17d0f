// The pop-up menu of the device face: the first pop-up of "QELTARMENU", its
// texts from the language file when one is active, and the recent files.
#pragma once

#include <windows.h>

namespace fw {

class UiStrings;
struct RecentFiles;

class PopupMenu {
public:
    explicit PopupMenu(HINSTANCE instance) : instance_(instance) {}
    ~PopupMenu() { Destroy(); }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    // Loads the menu afresh: the resource's items, the language's texts for
    // them and the recent files.
    void Rebuild(const UiStrings& strings, const RecentFiles& recent);
    // Puts the current recent files in place of the ones shown now. Nothing
    // happens before the menu has been built.
    void ReplaceRecent(const RecentFiles& recent);
    void Destroy();
    // Puts a check mark on a command's item or takes it away.
    void Check(int command, bool on);

    HMENU handle() const { return menu_; }

private:
    void RemoveRecent();
    void InsertRecent(const RecentFiles& recent);

    HINSTANCE instance_;
    HMENU menu_ = nullptr;
    // Recent items and their separator as inserted, so exactly those go.
    int recentItems_ = 0;
};

}  // namespace fw
