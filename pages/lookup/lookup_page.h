// The Lookup page (LOOKUPDLG): one of the five lookup files at a time, its
// record layout (fields, key field, fixed length or delimiter) and its
// import, export and deletion options. Everything is edited in the page's
// working copy. Turning to another page hands the working copy to the Form
// page through the form-side lookup copy; OnApply writes the lookups back,
// tidies them and passes their field lengths on to the forms.
#pragma once

#include <string_view>

#include "template/blocks/lookup_block.h"
#include "ui/page.h"

namespace fw {

class TemplateDocument;
class UiStrings;

class LookupPage final : public PageHandler {
public:
    LookupPage(TemplateDocument& doc, const UiStrings& strings);

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;
    void OnKillActive(Dialog& dialog) override;
    void OnApply(Dialog& dialog) override;
    std::span<const std::uint8_t> WorkingBytes() const override {
        return {reinterpret_cast<const std::uint8_t*>(lookups_), sizeof lookups_};
    }

private:
    using SlotHandler = void (LookupPage::*)(int slot, Notify code);
    struct SlotSeries {
        int firstId;
        SlotHandler handler;
    };
    static const SlotSeries kSlotSeries[];

    LookupRecord& lookup() { return lookups_[current_]; }
    bool delimited() { return lookup().delimiter != 0; }

    void FillLists();
    void ShowLookup();
    void ShowSlot(int slot);
    void ShowLengthHead();
    void EnableSlots();
    void EnableSaveMode();

    void OnLookupChosen();
    void OnFieldCountChosen();
    void OnDelimiterChanged();
    void Put(int id, std::string_view text);
    void OnFixedLengthClicked();
    void OnDelimitedClicked();
    void OnResetClicked();
    void OnNameChanged(int slot, Notify code);
    void OnLengthChanged(int slot, Notify code);

    TemplateDocument& doc_;
    const UiStrings& strings_;
    Dialog* page_ = nullptr;
    LookupRecord lookups_[kLookupCount]{};  // the lookup working copy
    int current_ = 0;                       // the lookup the page shows
    bool putting_ = false;                  // the page, not the user, writes a box
};

}  // namespace fw
