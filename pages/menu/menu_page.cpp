#include "pages/menu/menu_page.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <string>

#include "pages/menu/menu_ids.h"
#include "strings/ui_strings.h"
#include "template/fixed_text.h"
#include "template/target_code.h"
#include "template/template_document.h"
#include "ui/byte_bindings.h"
#include "ui/control_rules.h"
#include "ui/list_byte.h"
#include "ui/message.h"

namespace fw {
namespace {

constexpr std::size_t kTextLimit = 50;  // caption and item names
constexpr int kAskResetMenu = 4342;     // "Reset menu %1?"

constexpr LanguageLabel kPageLabels[] = {
    {IDC_MENU_ID_LABEL, 241},       {IDC_MENU_ESC_LABEL, 242},     {IDC_MENU_DATA_GROUP, 243},
    {IDC_MENU_CAPTION_CHECK, 244},  {IDC_MENU_SAVE_CAPTION, 245},  {IDC_MENU_SAVE_SELECTED, 246},
    {IDC_MENU_COL_ITEMNO, 247},     {IDC_MENU_COL_NAME, 248},      {IDC_MENU_COL_NEXT, 249},
    {IDC_MENU_RESET, 250},
};

constexpr CheckByte kChecks[] = {
    {IDC_MENU_CAPTION_CHECK, offsetof(MenuRecord, captionEnabled)},
    {IDC_MENU_SAVE_CAPTION, offsetof(MenuRecord, saveCaption)},
    {IDC_MENU_SAVE_SELECTED, offsetof(MenuRecord, saveSelectedItem)},
};
constexpr ByteBindings kBindings{kChecks};

constexpr int NameBox(int slot) { return IDC_MENU_ITEM_NAME_FIRST + slot; }
constexpr int NextList(int slot) { return IDC_MENU_ITEM_NEXT_FIRST + slot; }

// The Esc list and the items' next lists, each standing for a target code.
constexpr auto kTargetListTable = [] {
    std::array<ListByte, 1 + MENU_PAGE_ITEMS> lists{};
    lists[0] = {IDC_MENU_ESC_LIST, offsetof(MenuRecord, escTarget), 0, 0, {}, TargetEntries};
    for (int slot = 0; slot < MENU_PAGE_ITEMS; ++slot)
        lists[slot + 1] = {NextList(slot), offsetof(MenuRecord, nextTarget) + slot, 0, 0, {}, TargetEntries};
    return lists;
}();
constexpr ListBytes kTargetLists{kTargetListTable};

static_assert(MENU_PAGE_ITEMS <= kMenuItemCount);

}  // namespace

MenuPage::MenuPage(TemplateDocument& doc, const UiStrings& strings) : doc_(doc), strings_(strings) {}

// ---- Sheet notifications ----------------------------------------------------

void MenuPage::OnInit(Dialog& dialog) {
    page_ = &dialog;
    ApplyLanguageLabels(dialog, strings_, 0, kPageLabels);
    current_ = 0;
    std::memcpy(menus_, doc_.blocks.menus, sizeof menus_);
    FillList(dialog, IDC_MENU_ID_LIST, MenuEntries(strings_));
    for (const ListByte& list : kTargetListTable) FillListByte(dialog, strings_, list);
    ShowMenu();
}

void MenuPage::OnApply(Dialog&) {
    for (MenuRecord& m : menus_) CountMenuItems(m);
    std::memcpy(doc_.blocks.menus, menus_, sizeof menus_);
    doc_.modified = true;
}

// ---- Commands ---------------------------------------------------------------

void MenuPage::OnCommand(Dialog& dialog, int id, Notify code) {
    page_ = &dialog;
    if (id >= NameBox(0) && id < NameBox(MENU_PAGE_ITEMS)) {
        if (code == Notify::Changed) OnItemNameChanged(id - NameBox(0));
        return;
    }
    if (code == Notify::SelChange && kTargetLists.OnChosen(dialog, BlockBytes(menu()), id)) return;
    if (code == Notify::Clicked) {
        if (kBindings.OnClick(dialog, BlockBytes(menu()), id)) {
            // The caption is kept while switched off, only not editable.
            if (id == IDC_MENU_CAPTION_CHECK) dialog.Enable(IDC_MENU_CAPTION_EDIT, menu().captionEnabled != 0);
        } else if (id == IDC_MENU_RESET) {
            OnResetClicked();
        }
        return;
    }
    if (code == Notify::Changed && id == IDC_MENU_CAPTION_EDIT) {
        OnCaptionChanged();
    } else if (code == Notify::SelChange && id == IDC_MENU_ID_LIST) {
        OnMenuChosen();
    }
}

void MenuPage::OnMenuChosen() {
    const int chosen = page_->ListSelection(IDC_MENU_ID_LIST);
    if (chosen < 0 || chosen == current_) return;
    current_ = chosen;
    ShowMenu();
}

void MenuPage::OnItemNameChanged(int slot) {
    if (!showing_) SetFieldText(menu().itemName[slot], BoxText(*page_, NameBox(slot), kTextLimit));
    EnableNextList(slot);
}

void MenuPage::OnCaptionChanged() {
    if (!showing_) SetFieldText(menu().caption, BoxText(*page_, IDC_MENU_CAPTION_EDIT, kTextLimit));
}

void MenuPage::OnResetClicked() {
    if (!ConfirmById(*page_, strings_, kAskResetMenu, std::to_string(current_ + 1))) return;
    ResetMenuRecord(menu(), current_);
    ShowMenu();
}

// ---- Showing ----------------------------------------------------------------

// A text the boxes show is stored only once typed: a longer one from a file
// stays whole until then.
void MenuPage::ShowMenu() {
    const MenuRecord& m = menu();
    showing_ = true;
    SelectEntry(*page_, IDC_MENU_ID_LIST, current_);
    kTargetLists.Show(*page_, BlockBytes(m));
    kBindings.Show(*page_, BlockBytes(m));
    page_->LimitText(IDC_MENU_CAPTION_EDIT, static_cast<int>(kTextLimit));
    page_->SetText(IDC_MENU_CAPTION_EDIT, FieldText(m.caption));
    page_->Enable(IDC_MENU_CAPTION_EDIT, m.captionEnabled != 0);
    for (int slot = 0; slot < MENU_PAGE_ITEMS; ++slot) ShowItem(slot);
    showing_ = false;
}

// The item boxes have no typing limit: a longer name stays in the box and
// only its first 50 characters are stored.
void MenuPage::ShowItem(int slot) {
    page_->SetText(NameBox(slot), FieldText(menu().itemName[slot]));
    EnableNextList(slot);
}

// An item without a name leads nowhere, but its target is kept.
void MenuPage::EnableNextList(int slot) {
    page_->Enable(NextList(slot), IsNonBlank(BoxText(*page_, NameBox(slot), kTextLimit)));
}

}  // namespace fw
