#include "pages/lookup/lookup_page.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>

#include "pages/lookup/lookup_ids.h"
#include "strings/ui_strings.h"
#include "template/blocks/form_block.h"
#include "template/fixed_text.h"
#include "template/lookup_lengths.h"
#include "template/template_document.h"
#include "ui/byte_bindings.h"
#include "ui/control_rules.h"
#include "ui/list_byte.h"
#include "ui/message.h"

namespace fw {
namespace {

constexpr int kLookupNamesText = 1321;    // "1st lookup file" to "5th lookup file"
constexpr int kNoMatchActionsText = 1701;
constexpr int kNoMatchActionCount = 6;
constexpr int kWrongFormatActionsText = 1721;
constexpr int kWrongFormatActionCount = 3;
constexpr int kDataTypesText = 1731;
constexpr int kDataTypeCount = 6;
constexpr int kLengthHeadText = 293;      // "Length"
constexpr int kMaxLengthHeadText = 294;   // "Max length"
constexpr int kInvalidValueText = 2854;
constexpr int kAskResetLookup = 4343;     // "Reset lookup file %1?"

constexpr std::size_t kNameLimit = 50;
constexpr int kDelimiterBoxLimit = 3;
constexpr int kLengthBoxLimit = 4;
constexpr unsigned kMaxDelimiter = 255;
constexpr unsigned kMaxFieldLength = 160;
// A carriage return ends a record, so it can never separate its fields.
constexpr unsigned kRecordEnd = 13;

constexpr LanguageLabel kPageLabels[] = {
    {IDC_LOOKUP_ID_LABEL, 281},         {IDC_LOOKUP_FIELDCOUNT_LABEL, 282}, {IDC_LOOKUP_FIELDPROP_GROUP, 283},
    {IDC_LOOKUP_FIXED_RADIO, 284},      {IDC_LOOKUP_DELIMITED_RADIO, 285},  {IDC_LOOKUP_CHANGEEXPORT, 286},
    {IDC_LOOKUP_WRONGFORMAT_LABEL, 287}, {IDC_LOOKUP_NOMATCH_LABEL, 288},   {IDC_LOOKUP_COL_FIELD, 289},
    {IDC_LOOKUP_COL_NAME, 290},         {IDC_LOOKUP_COL_KEY, 291},          {IDC_LOOKUP_RESET, 292},
    {IDC_LOOKUP_COL_DATATYPE, 295},     {IDC_LOOKUP_AUTOEXPORT, 313},       {IDC_LOOKUP_SAVEMODE_LABEL, 314},
    {IDC_LOOKUP_OVERWRITE, 315},        {IDC_LOOKUP_APPEND, 316},           {IDC_LOOKUP_AUTODELETE, 320},
};

constexpr CheckByte kChecks[] = {
    {IDC_LOOKUP_CHANGEEXPORT, offsetof(LookupRecord, changeExportName)},
    {IDC_LOOKUP_AUTOEXPORT, offsetof(LookupRecord, autoExport)},
    {IDC_LOOKUP_AUTODELETE, offsetof(LookupRecord, autoDelete)},
};
constexpr RadioByte kRadios[] = {
    {IDC_LOOKUP_KEY_FIRST, LOOKUP_PAGE_FIELDS, offsetof(LookupRecord, keyField)},
    {IDC_LOOKUP_OVERWRITE, 2, offsetof(LookupRecord, saveMode), true},  // any mode but 0 appends
};
constexpr ByteBindings kBindings{kChecks, kRadios};

static_assert(LOOKUP_PAGE_FIELDS == kLookupVisibleFields);
static_assert(IDC_LOOKUP_APPEND == IDC_LOOKUP_OVERWRITE + 1);

constexpr int TypeList(int slot) { return IDC_LOOKUP_DATATYPE_FIRST + slot; }
constexpr int NameBox(int slot) { return IDC_LOOKUP_NAME_FIRST + slot; }
constexpr int LengthBox(int slot) { return IDC_LOOKUP_LENGTH_FIRST + slot; }
constexpr int KeyRadio(int slot) { return IDC_LOOKUP_KEY_FIRST + slot; }

// " 0" to " 12": the entry index is the field count.
ListEntries FieldCountEntries(const UiStrings&) {
    ListEntries entries;
    for (int n = 0; n <= kLookupVisibleFields; ++n) entries.push_back(" " + std::to_string(n));
    return entries;
}

// The lists of a lookup record, each standing for one of its bytes.
constexpr auto kListTable = [] {
    std::array<ListByte, 3 + LOOKUP_PAGE_FIELDS> lists{};
    lists[0] = {IDC_LOOKUP_FIELDCOUNT_LIST, offsetof(LookupRecord, fieldCount), 0, 0, {}, FieldCountEntries};
    lists[1] = {IDC_LOOKUP_WRONGFORMAT_LIST, offsetof(LookupRecord, wrongFormatAction), kWrongFormatActionsText,
                kWrongFormatActionCount};
    lists[2] = {IDC_LOOKUP_NOMATCH_LIST, offsetof(LookupRecord, noMatchAction), kNoMatchActionsText,
                kNoMatchActionCount};
    for (int slot = 0; slot < LOOKUP_PAGE_FIELDS; ++slot)
        lists[3 + slot] = {TypeList(slot), offsetof(LookupRecord, dataType) + slot, kDataTypesText, kDataTypeCount};
    return lists;
}();
constexpr ListBytes kLists{kListTable};

}  // namespace

const LookupPage::SlotSeries LookupPage::kSlotSeries[] = {
    {IDC_LOOKUP_NAME_FIRST, &LookupPage::OnNameChanged},
    {IDC_LOOKUP_LENGTH_FIRST, &LookupPage::OnLengthChanged},
};

LookupPage::LookupPage(TemplateDocument& doc, const UiStrings& strings) : doc_(doc), strings_(strings) {}

// ---- Sheet notifications ----------------------------------------------------

void LookupPage::OnInit(Dialog& dialog) {
    page_ = &dialog;
    ApplyLanguageLabels(dialog, strings_, 0, kPageLabels);
    current_ = 0;
    std::memcpy(lookups_, doc_.blocks.lookups, sizeof lookups_);
    std::memcpy(doc_.formSideLookups, doc_.blocks.lookups, sizeof doc_.formSideLookups);
    FillLists();
    ShowLookup();
}

// The Form page reads field counts and key fields from the form-side copy,
// so it sees this page's edits before they are applied.
void LookupPage::OnKillActive(Dialog&) {
    std::memcpy(doc_.formSideLookups, lookups_, sizeof doc_.formSideLookups);
}

void LookupPage::OnApply(Dialog&) {
    std::memcpy(doc_.blocks.lookups, lookups_, sizeof lookups_);
    std::memcpy(doc_.formSideLookups, lookups_, sizeof doc_.formSideLookups);
    NormalizeLookups(doc_.blocks.lookups);
    PropagateLookupLengths(doc_.blocks.forms, doc_.blocks.lookups);
    doc_.modified = true;
}

// ---- Commands ---------------------------------------------------------------

void LookupPage::OnCommand(Dialog& dialog, int id, Notify code) {
    page_ = &dialog;
    for (const SlotSeries& series : kSlotSeries) {
        if (id >= series.firstId && id < series.firstId + LOOKUP_PAGE_FIELDS) {
            (this->*series.handler)(id - series.firstId, code);
            return;
        }
    }
    if (code == Notify::Clicked) {
        if (kBindings.OnClick(dialog, BlockBytes(lookup()), id)) {
            if (id == IDC_LOOKUP_CHANGEEXPORT) dialog.Enable(IDC_LOOKUP_EXPORTNAME, lookup().changeExportName != 0);
            if (id == IDC_LOOKUP_AUTOEXPORT) EnableSaveMode();
            return;
        }
        switch (id) {
        case IDC_LOOKUP_FIXED_RADIO: OnFixedLengthClicked(); break;
        case IDC_LOOKUP_DELIMITED_RADIO: OnDelimitedClicked(); break;
        case IDC_LOOKUP_RESET: OnResetClicked(); break;
        default: break;
        }
        return;
    }
    if (code == Notify::Changed) {
        if (id == IDC_LOOKUP_DELIMITER_EDIT) OnDelimiterChanged();
        if (id == IDC_LOOKUP_EXPORTNAME && !putting_)
            SetFieldText(lookup().exportName, BoxText(dialog, id, kExportNameSize - 1));
        return;
    }
    if (code != Notify::SelChange) return;
    if (id == IDC_LOOKUP_ID_LIST) OnLookupChosen();
    else if (id == IDC_LOOKUP_FIELDCOUNT_LIST) OnFieldCountChosen();
    else kLists.OnChosen(dialog, BlockBytes(lookup()), id);
}

void LookupPage::OnLookupChosen() {
    const int chosen = page_->ListSelection(IDC_LOOKUP_ID_LIST);
    if (chosen < 0) return;
    current_ = chosen;
    ShowLookup();
}

void LookupPage::OnFieldCountChosen() {
    const int old = lookup().fieldCount;
    kLists.OnChosen(*page_, BlockBytes(lookup()), IDC_LOOKUP_FIELDCOUNT_LIST);
    const int count = lookup().fieldCount;
    EnableSlots();
    // Fewer fields that no longer hold the key: the key moves to the first.
    if (count < old && lookup().keyField > count - 1) {
        lookup().keyField = 0;
        kBindings.Show(*page_, BlockBytes(lookup()));
    }
}

// Only typing is checked: a 13 from a file is shown without a word, and the
// code put back after the warning is not checked again.
void LookupPage::OnDelimiterChanged() {
    if (putting_) return;
    if (ParseNumber(page_->GetText(IDC_LOOKUP_DELIMITER_EDIT)) == kRecordEnd) {
        ShowMessageById(*page_, strings_, kTitleWarning, kInvalidValueText);
        Put(IDC_LOOKUP_DELIMITER_EDIT, NumberText(lookup().delimiter));
        return;
    }
    lookup().delimiter = static_cast<std::uint8_t>(CorrectNumberBox(*page_, IDC_LOOKUP_DELIMITER_EDIT, kMaxDelimiter));
}

void LookupPage::Put(int id, std::string_view text) {
    putting_ = true;
    page_->SetText(id, text);
    putting_ = false;
}

void LookupPage::OnFixedLengthClicked() {
    page_->Check(IDC_LOOKUP_FIXED_RADIO, true);
    page_->Check(IDC_LOOKUP_DELIMITED_RADIO, false);
    lookup().delimiter = 0;
    Put(IDC_LOOKUP_DELIMITER_EDIT, "0");
    ShowLengthHead();
    page_->Enable(IDC_LOOKUP_DELIMITER_EDIT, false);
}

// The box may still show 0: the records then stay fixed-length until a code
// is typed.
void LookupPage::OnDelimitedClicked() {
    page_->Check(IDC_LOOKUP_FIXED_RADIO, false);
    page_->Check(IDC_LOOKUP_DELIMITED_RADIO, true);
    const unsigned shown = ParseNumber(page_->GetText(IDC_LOOKUP_DELIMITER_EDIT)).value_or(0);
    lookup().delimiter = static_cast<std::uint8_t>(std::min(shown, kMaxDelimiter));
    SetLabel(*page_, strings_, IDC_LOOKUP_COL_LENGTH, kMaxLengthHeadText);
    page_->Enable(IDC_LOOKUP_DELIMITER_EDIT, true);
}

void LookupPage::OnResetClicked() {
    if (!ConfirmById(*page_, strings_, kAskResetLookup, std::to_string(current_ + 1))) return;
    ResetLookupRecord(lookup(), current_, strings_);
    ShowLookup();
}

void LookupPage::OnNameChanged(int slot, Notify code) {
    if (code == Notify::Changed && !putting_)
        SetFieldText(lookup().fieldName[slot], BoxText(*page_, NameBox(slot), kNameLimit));
}

// The page keeps every length within one 160-character block.
void LookupPage::OnLengthChanged(int slot, Notify code) {
    if (code != Notify::Changed) return;
    lookup().fieldLength[slot] = static_cast<std::uint8_t>(CorrectNumberBox(*page_, LengthBox(slot), kMaxFieldLength));
    lookup().fieldLengthHigh[slot] = 0;
}

// ---- Showing ----------------------------------------------------------------

void LookupPage::FillLists() {
    FillList(*page_, IDC_LOOKUP_ID_LIST, TextRun(strings_, kLookupNamesText, kLookupCount));
    for (const ListByte& list : kListTable) FillListByte(*page_, strings_, list);
}

// Putting the lengths into their boxes runs the boxes' rule on them, as
// typing does; the texts are stored only once typed, so that a longer one
// from a file stays whole until then.
void LookupPage::ShowLookup() {
    const LookupRecord& l = lookup();
    SelectEntry(*page_, IDC_LOOKUP_ID_LIST, current_);
    ShowLengthHead();
    kLists.Show(*page_, BlockBytes(l));
    page_->Check(IDC_LOOKUP_FIXED_RADIO, !delimited());
    page_->Check(IDC_LOOKUP_DELIMITED_RADIO, delimited());
    page_->LimitText(IDC_LOOKUP_DELIMITER_EDIT, kDelimiterBoxLimit);
    Put(IDC_LOOKUP_DELIMITER_EDIT, NumberText(l.delimiter));
    page_->Enable(IDC_LOOKUP_DELIMITER_EDIT, delimited());
    kBindings.Show(*page_, BlockBytes(l));
    Put(IDC_LOOKUP_EXPORTNAME, FieldText(l.exportName));
    page_->LimitText(IDC_LOOKUP_EXPORTNAME, static_cast<int>(kExportNameSize - 1));
    page_->Enable(IDC_LOOKUP_EXPORTNAME, l.changeExportName != 0);
    for (int slot = 0; slot < LOOKUP_PAGE_FIELDS; ++slot) ShowSlot(slot);
    EnableSlots();
    EnableSaveMode();
}

void LookupPage::ShowSlot(int slot) {
    const LookupRecord& l = lookup();
    page_->LimitText(NameBox(slot), static_cast<int>(kNameLimit));
    Put(NameBox(slot), FieldText(l.fieldName[slot]));
    page_->LimitText(LengthBox(slot), kLengthBoxLimit);
    page_->SetText(LengthBox(slot), NumberText(SplitTotal(l.fieldLengthHigh[slot], l.fieldLength[slot])));
}

void LookupPage::ShowLengthHead() {
    SetLabel(*page_, strings_, IDC_LOOKUP_COL_LENGTH, delimited() ? kMaxLengthHeadText : kLengthHeadText);
}

// Slots past the field count keep what they hold until apply clears them.
void LookupPage::EnableSlots() {
    for (int slot = 0; slot < LOOKUP_PAGE_FIELDS; ++slot)
        EnableAll(*page_, {TypeList(slot), NameBox(slot), LengthBox(slot), KeyRadio(slot)},
                  slot < lookup().fieldCount);
}

void LookupPage::EnableSaveMode() {
    EnableAll(*page_, {IDC_LOOKUP_SAVEMODE_LABEL, IDC_LOOKUP_OVERWRITE, IDC_LOOKUP_APPEND},
              lookup().autoExport != 0);
}

}  // namespace fw
