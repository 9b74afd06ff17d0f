#include "pages/reader/barcode_page.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

#include "pages/reader/barcode_ids.h"
#include "pages/reader/reader_choice.h"
#include "strings/ui_strings.h"
#include "template/template_document.h"
#include "ui/control_rules.h"
#include "ui/list_byte.h"
#include "ui/message.h"

namespace fw {
namespace {

constexpr int kMoreText = 324;
constexpr int kAskResetReader = 4344;  // "Reset the barcode and RFID reader settings?"
constexpr std::uint8_t kCountryCodePreamble = 2;  // "System Character & Country Code"
constexpr std::uint8_t kSystemCharacterPreamble = 1;

constexpr LabelText kPageLabels[] = {
    {IDC_BARCODE_READERTYPE_GROUP, 321}, {IDC_BARCODE_READER_LABEL, 322},   {IDC_BARCODE_RFID, 323},
    {IDC_BARCODE_RFID_MORE, kMoreText},  {IDC_BARCODE_RESET, 325},          {IDC_BARCODE_SETTINGS_GROUP, 326},
    {IDC_BARCODE_GOODREAD_LABEL, 327},   {IDC_BARCODE_SYMBOLOGY_GROUP, 328}, {IDC_BARCODE_LED_LABEL, 330},
    {IDC_BARCODE_LED_UNIT, 331},         {IDC_BARCODE_BUZZFREQ_LABEL, 332}, {IDC_BARCODE_BUZZDUR_LABEL, 333},
    {IDC_BARCODE_BUZZDUR_UNIT, 334},
};

constexpr int Box(int row) { return IDC_BARCODE_SYMBOLOGY_FIRST + row; }
constexpr int More(int row) { return IDC_BARCODE_SYMBOLOGY_MORE_FIRST + row; }

// Greyed together when there is no reader: the symbology rows and the
// reader settings. The ids of each run are consecutive.
struct IdRun {
    int first;
    int last;
};
constexpr IdRun kRowsAndSettings[] = {
    {Box(0), Box(kSymbologyRowCount - 2)},
    {More(0), More(kSymbologyRowCount - 2)},
    {IDC_BARCODE_BIDIR, IDC_BARCODE_SPARE_CHECK},
    {IDC_BARCODE_TIMEOUT_EDIT, IDC_BARCODE_SAMECODE_EDIT},
    {IDC_BARCODE_LED_EDIT, IDC_BARCODE_BUZZDUR_EDIT},
    {IDC_BARCODE_GOODREAD_LIST, IDC_BARCODE_SAMECODE_LIST},
    {IDC_BARCODE_GOODREAD_LABEL, IDC_BARCODE_GOODREAD_LABEL},
    {IDC_BARCODE_ANGLE_LABEL, IDC_BARCODE_SAMECODE_UNIT},
    {IDC_BARCODE_LED_LABEL, IDC_BARCODE_CODEID_LABEL},
};

// The buzzer is set only for the ELR engine.
constexpr std::initializer_list<int> kBuzzerControls = {IDC_BARCODE_BUZZFREQ_LABEL, IDC_BARCODE_BUZZFREQ_LIST,
                                                        IDC_BARCODE_BUZZDUR_LABEL, IDC_BARCODE_BUZZDUR_EDIT,
                                                        IDC_BARCODE_BUZZDUR_UNIT};

bool Shows(const EngineLayout& layout, int id) {
    auto is = [id](const auto& setting) { return setting.control == id; };
    return std::any_of(layout.labels.begin(), layout.labels.end(), is) ||
           std::any_of(layout.lists.begin(), layout.lists.end(),
                       [id](const ListPolicy& policy) { return policy.list.control == id; }) ||
           std::any_of(layout.edits.begin(), layout.edits.end(),
                       [id](const EditSetting& edit) { return edit.control == id && edit.shown; });
}

}  // namespace

BarcodePage::BarcodePage(TemplateDocument& doc, const UiStrings& strings, RfidChanged rfidChanged,
                         ImageCaptureChanged imageCaptureChanged)
    : doc_(doc),
      strings_(strings),
      rfidChanged_(std::move(rfidChanged)),
      imageCaptureChanged_(std::move(imageCaptureChanged)) {}

ReaderBlock& BarcodePage::working() { return doc_.readerWorking; }
ReaderFamily BarcodePage::family() const { return FamilyOf(doc_.readerTypeState); }
std::uint8_t& BarcodePage::Byte(std::size_t offset) { return BlockBytes(working())[offset]; }
std::uint8_t& BarcodePage::RowByte(int row) { return Byte(RowFor(family(), row).offset); }

void BarcodePage::DeriveState() { doc_.readerTypeState = DeriveReaderTypeState(working()); }

// ---- Sheet notifications ----------------------------------------------------

void BarcodePage::OnInit(Dialog& dialog) {
    page_ = &dialog;
    working() = doc_.blocks.reader;
    Rebuild(true);
    const bool rfid = (working().rfidReaderOn & 1) != 0;
    page_->Check(IDC_BARCODE_RFID, rfid);
    page_->Enable(IDC_BARCODE_RFID_MORE, rfid);
}

std::span<const std::uint8_t> BarcodePage::WorkingBytes() const {
    return {reinterpret_cast<const std::uint8_t*>(&doc_.readerWorking), sizeof doc_.readerWorking};
}

void BarcodePage::OnApply(Dialog&) {
    ReaderBlock& wc = working();
    wc.readerType = ReaderTypeOf(page_->ListSelection(IDC_BARCODE_READER_LIST));
    wc.rfidReaderOn = page_->IsChecked(IDC_BARCODE_RFID) ? 1 : 0;
    DeriveState();

    ListBytes(kCommonLists).Store(*page_, BlockBytes(wc));
    for (const EditSetting& edit : kCommonEdits) StoreEdit(edit);

    // Without a reader the greyed rows go into the ELR group.
    const ReaderFamily target = family() == ReaderFamily::None ? ReaderFamily::Elr : family();
    const EngineLayout& layout = LayoutFor(target);
    for (const ListPolicy& list : layout.lists) StoreList(list);
    for (const EditSetting& edit : layout.edits) StoreEdit(edit);
    for (const CheckByte& check : layout.hiddenChecks)
        Byte(check.offset) = page_->IsChecked(check.control) ? 1 : 0;
    // Coupon Code lies beyond the applied rows: its byte is kept in step by
    // the clicks and the dialogs.
    for (int row = 0; row < RulesFor(target).appliedRows; ++row)
        Byte(RowFor(target, row).offset) = page_->IsChecked(Box(row)) ? 1 : 0;

    doc_.blocks.reader = wc;
    doc_.modified = true;
}

// ---- What the dialogs may change on the page ----------------------------------

void BarcodePage::ShowCouponCode(bool on) {
    const RowRules& rules = RulesFor(family());
    if (rules.coupon >= 0) ShowRowState(rules.coupon, on);
}

void BarcodePage::SyncGs1128Box() {
    const RowRules& rules = RulesFor(family());
    if (rules.gs1128 >= 0 && RowByte(rules.gs1128) != 0) ShowRowState(rules.gs1128, true);
}

// ---- The page's routines ----------------------------------------------------

void BarcodePage::EnableAllRows(bool on) {
    for (const IdRun& run : kRowsAndSettings)
        for (int id = run.first; id <= run.last; ++id) page_->Enable(id, on);
}

void BarcodePage::SetLabels() {
    for (const LabelText& label : kPageLabels) page_->SetText(label.control, strings_.Text(label.textId));
    const ReaderFamily shown = family();
    const EngineLayout& layout = LayoutFor(shown);
    for (int id : kEngineControls) page_->Show(id, Shows(layout, id));
    for (const LabelText& label : layout.labels)
        if (label.textId != 0) page_->SetText(label.control, strings_.Text(label.textId));
    for (int row = 0; row < kSymbologyRowCount; ++row) {
        const RowUse& use = RowFor(shown, row);
        page_->Show(Box(row), use.shown());
        if (use.shown()) page_->SetText(Box(row), strings_.Text(use.textId));
        page_->Show(More(row), use.dialog != nullptr);
        page_->SetText(More(row), strings_.Text(kMoreText));
    }
    for (const ExtraDialogButton& button : kTwoDExtraButtons) {
        page_->Show(button.control, layout.twoDButtons);
        page_->SetText(button.control, strings_.Text(button.textId));
    }
}

void BarcodePage::FillSettings() {
    filling_ = true;
    fw::FillList(*page_, IDC_BARCODE_READER_LIST, TextRun(strings_, kFirstReaderText, kReaderChoices));
    SelectEntry(*page_, IDC_BARCODE_READER_LIST, ReaderChoiceOf(family()));
    ListBytes(kCommonLists).Fill(*page_, strings_, BlockBytes(working()));
    for (const EditSetting& edit : kCommonEdits) ShowEdit(edit);
    filling_ = false;
    FillRows();
}

void BarcodePage::FillRows() {
    filling_ = true;
    const ReaderFamily shown = family();
    const EngineLayout& layout = LayoutFor(shown);
    for (const ListPolicy& list : layout.lists) ShowList(list);
    for (const EditSetting& edit : layout.edits) ShowEdit(edit);
    ByteBindings(layout.hiddenChecks).Show(*page_, BlockBytes(working()));
    EnableAll(*page_, kBuzzerControls, layout.buzzerEditable);
    if (layout.scanModeFollower != 0) ApplyScanMode();

    for (int row = 0; row < kSymbologyRowCount; ++row) {
        const RowUse& use = RowFor(shown, row);
        if (use.shown()) ShowRowState(row, Byte(use.offset) != 0);
    }
    const RowRules& rules = RulesFor(shown);
    if (rules.dataBar14 >= 0) ShowDataBarButton();
    // A Bookland EAN mark the file holds without EAN-13 stays as it is.
    if (rules.bookland >= 0) page_->Enable(Box(rules.bookland), page_->IsChecked(Box(rules.ean13)));
    // Image capture is not switched on from this page: its box stays clear
    // and greyed (so apply clears it), while the parameters of a file that
    // had it on stay reachable.
    if (rules.imageCapture >= 0) {
        page_->Check(Box(rules.imageCapture), false);
        page_->Enable(Box(rules.imageCapture), false);
        page_->Enable(More(rules.imageCapture), RowByte(rules.imageCapture) != 0);
    }
    filling_ = false;
}

// Derives the reader type state and rebuilds the controls for its family.
void BarcodePage::Rebuild(bool settingsToo) {
    DeriveState();
    const bool reader = family() != ReaderFamily::None;
    if (reader) EnableAllRows(true);
    SetLabels();
    if (settingsToo) FillSettings();
    else FillRows();
    // Without a reader the controls keep showing the laser values, greyed.
    if (!reader) EnableAllRows(false);
}

// ---- Commands ---------------------------------------------------------------

void BarcodePage::OnCommand(Dialog& dialog, int id, Notify code) {
    page_ = &dialog;
    if (EditRuleFor(id) != nullptr) {
        OnEditNotified(id, code);
        return;
    }
    if (code == Notify::SelChange) {
        if (id == IDC_BARCODE_READER_LIST) OnReaderChosen();
        if (id == IDC_BARCODE_SCANMODE_LIST) ApplyScanMode();
        return;
    }
    if (code != Notify::Clicked) return;
    if (id >= Box(0) && id < Box(kSymbologyRowCount)) OnRowClicked(id - Box(0));
    else if (id >= More(0) && id < More(kSymbologyRowCount)) OnMoreClicked(id - More(0));
    else if (id == IDC_BARCODE_RFID) OnRfidClicked();
    else if (id == IDC_BARCODE_RFID_MORE) RunDialog(kRfidDialog);
    else if (id == IDC_BARCODE_RESET) OnResetClicked();
    else OnExtraClicked(id);
}

void BarcodePage::OnReaderChosen() {
    const int choice = page_->ListSelection(IDC_BARCODE_READER_LIST);
    if (choice < 0) return;
    working().readerType = ReaderTypeOf(choice);
    if (page_->IsChecked(IDC_BARCODE_RFID)) working().rfidReaderOn |= 1;
    Rebuild(false);
    if (imageCaptureChanged_) imageCaptureChanged_();
}

void BarcodePage::OnResetClicked() {
    if (!ConfirmById(*page_, strings_, kAskResetReader)) return;
    ResetReaderBlock(working());
    Rebuild(true);
    if (imageCaptureChanged_) imageCaptureChanged_();
}

void BarcodePage::OnRfidClicked() {
    const bool on = ToggleCheck(*page_, IDC_BARCODE_RFID);
    doc_.rfidReaderFlag = on ? 1 : 0;
    page_->Enable(IDC_BARCODE_RFID_MORE, on);
    DeriveState();
    if (rfidChanged_) rfidChanged_(on ? 1 : 0);
}

// Only the first scan mode ("Continuous", "Presentation") reads on by
// itself, so only it needs the time before the same code counts again.
void BarcodePage::ApplyScanMode() {
    const int follower = LayoutFor(family()).scanModeFollower;
    if (follower == 0) return;
    const bool first = page_->ListSelection(IDC_BARCODE_SCANMODE_LIST) == 0;
    EnableAll(*page_, {IDC_BARCODE_SAMECODE_LABEL, IDC_BARCODE_SAMECODE_UNIT, follower}, first);
}

void BarcodePage::OnEditNotified(int id, Notify code) {
    if (filling_) return;
    const EditRule& rule = *EditRuleFor(id);
    if (code != (rule.onLeave ? Notify::KillFocus : Notify::Changed)) return;
    CorrectRangeBox(*page_, id, rule.floor, rule.max, RangeCheck::Final);
}

void BarcodePage::OnRowClicked(int row) {
    const bool on = ToggleCheck(*page_, Box(row));
    const ReaderFamily current = family();
    if (current != ReaderFamily::None) page_->Enable(More(row), on);
    const RowRules& rules = RulesFor(current);
    if (row == rules.dataBar14 || row == rules.dataBarLimited) {
        ShowDataBarButton();
    } else if (row == rules.gs1128) {
        RowByte(row) = on;
        if (!on && RowByte(rules.coupon) && (RowByte(rules.upca) || RowByte(rules.ean13))) SwitchCouponOff();
    } else if (row == rules.upca) {
        RowByte(row) = on;
        if (!RowByte(rules.upca) && !RowByte(rules.ean13) && page_->IsChecked(Box(rules.coupon))) SwitchCouponOff();
    } else if (row == rules.ean13) {
        RowByte(row) = on;
        FollowEan13();
        if (!CouponPrerequisite() && page_->IsChecked(Box(rules.coupon))) SwitchCouponOff();
    } else if (row == rules.coupon) {
        OnCouponClicked(on);
    }
}

void BarcodePage::OnCouponClicked(bool on) {
    const RowRules& rules = RulesFor(family());
    if (!on) {
        RowByte(rules.coupon) = 0;
        return;
    }
    const bool upca = page_->IsChecked(Box(rules.upca));
    const bool ean13 = page_->IsChecked(Box(rules.ean13));
    const bool countryCode = Byte(rules.upcaPreamble) == kCountryCodePreamble;
    if ((upca || ean13) && page_->IsChecked(Box(rules.gs1128)) && !(upca && countryCode && !ean13)) {
        RowByte(rules.coupon) = 1;
        return;
    }
    // The coupon dialog settles what the coupon code needs.
    const bool confirmed = RunDialog(RowFor(family(), rules.coupon).dialog) == 1;
    ShowCouponRows();
    if (!confirmed) ShowCouponCode(false);
    if (!CouponPrerequisite()) {
        SwitchCouponOff();
    } else if (confirmed) {
        RowByte(rules.coupon) = 1;
        ShowCouponCode(true);
        if (Byte(rules.upcaPreamble) == kCountryCodePreamble) Byte(rules.upcaPreamble) = kSystemCharacterPreamble;
    }
    if (confirmed && RowByte(rules.coupon) && !RowByte(rules.gs1128)) {
        RowByte(rules.gs1128) = 1;
        SyncGs1128Box();
    }
}

void BarcodePage::OnMoreClicked(int row) {
    const ReaderFamily current = family();
    const char* dialog = RowFor(current, row).dialog;
    if (current == ReaderFamily::None || dialog == nullptr) return;
    const int result = RunDialog(dialog);
    if (result < 0) return;
    const RowRules& rules = RulesFor(current);
    if (row == rules.coupon) ShowCouponRows();
    // A UPC-A or EAN-13 dialog may have settled the coupon code, which is
    // read only together with GS1-128.
    if ((row == rules.upca || row == rules.ean13) && RowByte(rules.coupon)) {
        RowByte(rules.gs1128) = 1;
        SyncGs1128Box();
    }
}

void BarcodePage::OnExtraClicked(int id) {
    if (family() != ReaderFamily::TwoD) return;
    for (const ExtraDialogButton& button : kTwoDExtraButtons)
        if (button.control == id) RunDialog(button.dialog);
}

int BarcodePage::RunDialog(const char* name) {
    ReaderDialogContext context{doc_, strings_, backups_, *this};
    return RunReaderDialog(*page_, name, context);
}

// ---- Helpers ----------------------------------------------------------------

void BarcodePage::ShowList(const ListPolicy& policy) {
    const ListByte& list = policy.list;
    FillListByte(*page_, strings_, list);
    if (policy.fixedEntry < 0) {
        ShowListByte(*page_, list, BlockBytes(working()));
        return;
    }
    if (policy.storesFixed) Byte(list.offset) = list.codes[static_cast<std::size_t>(policy.fixedEntry)];
    SelectEntry(*page_, list.control, policy.fixedEntry);
    page_->Enable(list.control, false);
    if (policy.fixedLabel != 0) page_->Enable(policy.fixedLabel, false);
}

void BarcodePage::StoreList(const ListPolicy& policy) {
    const ListByte& list = policy.list;
    if (policy.whenGreyed >= 0 && !page_->IsEnabled(list.control))
        Byte(list.offset) = static_cast<std::uint8_t>(policy.whenGreyed);
    else if (const auto code = ChosenCode(*page_, list))
        Byte(list.offset) = *code;
}

void BarcodePage::ShowEdit(const EditSetting& edit) {
    page_->LimitText(edit.control, EditRuleFor(edit.control)->maxChars);
    page_->SetText(edit.control, NumberText(Byte(edit.offset)));
}

void BarcodePage::StoreEdit(const EditSetting& edit) {
    std::uint8_t& byte = Byte(edit.offset);
    if (edit.whenGreyed >= 0 && !page_->IsEnabled(edit.control)) {
        byte = static_cast<std::uint8_t>(edit.whenGreyed);
        return;
    }
    const std::string text = page_->GetText(edit.control);
    if (text == NumberText(byte)) return;
    const EditRule& rule = *EditRuleFor(edit.control);
    const unsigned value = ParseNumber(text).value_or(0);
    byte = static_cast<std::uint8_t>(std::clamp(value, rule.floor, rule.max));
}

void BarcodePage::ShowRowState(int row, bool on) {
    page_->Check(Box(row), on);
    page_->Enable(More(row), on);
}

void BarcodePage::ShowDataBarButton() {
    const RowRules& rules = RulesFor(family());
    page_->Enable(More(rules.dataBar14),
                  page_->IsChecked(Box(rules.dataBar14)) || page_->IsChecked(Box(rules.dataBarLimited)));
}

// Bookland EAN is read only as a kind of EAN-13.
void BarcodePage::FollowEan13() {
    const RowRules& rules = RulesFor(family());
    const bool ean13 = page_->IsChecked(Box(rules.ean13));
    if (!ean13) ShowRowState(rules.bookland, false);
    page_->Enable(Box(rules.bookland), ean13);
}

// The coupon dialogs switch UPC-A, EAN-13, GS1-128 and Coupon Code in the
// working copy; the page shows what they left.
void BarcodePage::ShowCouponRows() {
    const RowRules& rules = RulesFor(family());
    for (int row : {rules.upca, rules.ean13, rules.gs1128, rules.coupon}) ShowRowState(row, RowByte(row) != 0);
    FollowEan13();
}

void BarcodePage::SwitchCouponOff() {
    RowByte(RulesFor(family()).coupon) = 0;
    ShowCouponCode(false);
}

// UPC-A carries a coupon code only without the country code in front.
bool BarcodePage::CouponPrerequisite() {
    const RowRules& rules = RulesFor(family());
    return RowByte(rules.ean13) || (RowByte(rules.upca) && Byte(rules.upcaPreamble) != kCountryCodePreamble);
}

}  // namespace fw
