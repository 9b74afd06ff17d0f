// The Menu page (MENUDLG): one of the ten terminal menus at a time, its
// caption, its Esc target, its two save switches and the first ten of its
// fifteen items. Everything is edited in the page's working copy; OnApply
// counts the items of every menu and writes all ten back.
#pragma once

#include "template/blocks/menu_block.h"
#include "ui/page.h"

namespace fw {

class TemplateDocument;
class UiStrings;

class MenuPage final : public PageHandler {
public:
    MenuPage(TemplateDocument& doc, const UiStrings& strings);

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;
    void OnApply(Dialog& dialog) override;
    std::span<const std::uint8_t> WorkingBytes() const override {
        return {reinterpret_cast<const std::uint8_t*>(menus_), sizeof menus_};
    }

private:
    MenuRecord& menu() { return menus_[current_]; }
    void ShowMenu();
    void ShowItem(int slot);
    void EnableNextList(int slot);

    void OnMenuChosen();
    void OnItemNameChanged(int slot);
    void OnCaptionChanged();
    void OnResetClicked();

    TemplateDocument& doc_;
    const UiStrings& strings_;
    Dialog* page_ = nullptr;
    MenuRecord menus_[kMenuCount]{};  // the menu working copy
    int current_ = 0;                 // the menu the page shows
    bool showing_ = false;            // the page, not the user, fills the boxes
};

}  // namespace fw
