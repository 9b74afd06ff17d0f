#include "pages/form/form_page.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "pages/form/field_properties_dialog.h"
#include "pages/form/form_edits.h"
#include "pages/form/form_ids.h"
#include "pages/form/form_normalize.h"
#include "pages/form/form_options_dialog.h"
#include "pages/form/image_properties_dialog.h"
#include "pages/form/lookup_properties_dialog.h"
#include "pages/form/timestamp_dialog.h"
#include "strings/ui_strings.h"
#include "template/fixed_text.h"
#include "template/target_code.h"
#include "template/template_document.h"
#include "ui/message.h"

namespace fw {
namespace {

constexpr int kLookupHeaderText = 113;     // "Lookup"
constexpr int kVariablesHeaderText = 119;  // "Variables"
constexpr int kZorqText = 1376;
constexpr int kLargeDataText = 1377;
constexpr int kReadFrom2DText = 1378;
constexpr int kAskResetForm = 4341;  // "Reset form %1?"

constexpr int kBaseTypeEntries = 16;
constexpr unsigned kShortLength = 160;
constexpr unsigned kPromptBoxLimit = 30;
constexpr int kMinBoxLimit = 3;
constexpr int kMaxBoxLimit = 4;

constexpr LanguageLabel kPageLabels[] = {
    {IDC_FORM_ID_LABEL, 101},     {IDC_FORM_ESC_LABEL, 102},      {IDC_FORM_LOOKUP_LABEL, 103},
    {IDC_FORM_NEXT_LABEL, 104},   {IDC_FORM_RECORD_LABEL, 105},   {IDC_FORM_KEYFIELD_LABEL, 106},
    {IDC_FORM_COL_LINE, 107},     {IDC_FORM_COL_DATATYPE, 108},   {IDC_FORM_COL_PROMPT, 109},
    {IDC_FORM_COL_SOURCE, 110},   {IDC_FORM_COL_MIN, 111},        {IDC_FORM_COL_MAX, 112},
    {IDC_FORM_COL_LOOKUP, 113},   {IDC_FORM_COL_MORE, 114},       {IDC_FORM_TIMESTAMP, 116},
    {IDC_FORM_ADVANCED, 117},     {IDC_FORM_RESET, 118},
};
constexpr int kMoreButtonText = 115;

// The controls of one line of the grid.
constexpr int TypeList(int line) { return IDC_FORM_DATATYPE_FIRST + line; }
constexpr int PromptBox(int line) { return IDC_FORM_PROMPT_FIRST + line; }
constexpr int SourceList(int line) { return IDC_FORM_SOURCE_FIRST + line; }
constexpr int MinBox(int line) { return IDC_FORM_MIN_FIRST + line; }
constexpr int MaxBox(int line) { return IDC_FORM_MAX_FIRST + line; }
constexpr int LookupList(int line) { return IDC_FORM_LOOKUPFIELD_FIRST + line; }
constexpr int MoreButton(int line) { return IDC_FORM_MORE_FIRST + line; }

bool InRange(std::uint8_t value, std::uint8_t low, std::uint8_t high) { return value >= low && value <= high; }

// Types typed by the user or read by the reader: text to auto(+/-), boolean, alphameric.
bool TakesSource(std::uint8_t t) { return InRange(t, kTypeText, kTypeBoolean) || t == kTypeAlphameric; }

bool HasLengthBoxes(const FormRecord& form, int line) {
    const std::uint8_t t = form.dataType[line];
    return InRange(t, kTypeText, kTypeAuto) || t == kTypeAlphameric || InRange(t, kTypeZorq, kTypeReadFrom2D) ||
           (t == kTypeImage && form.editFilePath[line] == 1);
}

bool HasPropertiesDialog(std::uint8_t t) {
    return InRange(t, kTypeText, kTypeFixedData) || InRange(t, kTypeAlphameric, kTypeReadFrom2D);
}

// Types whose properties outlive a change of type (image, large data and
// friends carry theirs across).
bool KeepsProperties(std::uint8_t t) {
    return t == kTypeAlphameric || t == kTypeImage || t == kTypeLargeData || t == kTypeReadFrom2D;
}

bool TypeChangeResets(std::uint8_t oldType, std::uint8_t newType) {
    if (newType == kTypeNil) return true;
    if (newType > kTypeLookup) return oldType != kTypeLookup && !KeepsProperties(oldType);
    return oldType >= kTypeLookup && !KeepsProperties(oldType);
}

// Lines whose properties the sheet's apply keeps.
bool UsesProperties(const FormRecord& form, int line) {
    const std::uint8_t t = form.dataType[line];
    if (t == kTypeLookup) return form.initialValueOn[line] != 0;
    return InRange(t, kTypeText, kTypeFixedData) || t == kTypeAlphameric || t == kTypeImage ||
           t == kTypeLargeData || t == kTypeReadFrom2D;
}

void ClearProperties(FormRecord& f, int line) {
    f.addedLength[line] = 0;
    if (f.dataType[line] != kTypeZorq) {
        f.fixedLengthOn[line] = f.alignment[line] = f.fixedLength[line] = 0;
        f.initialValueOn[line] = 0;
        ClearField(f.initialValue[line]);
        f.inputMark[line] = 0;
    }
    f.prefixOn[line] = f.suffixOn[line] = 0;
    std::memset(f.prefixCode[line], 0, sizeof f.prefixCode[line]);
    std::memset(f.suffixCode[line], 0, sizeof f.suffixCode[line]);
    f.decimalPlaces[line] = 0;
    f.partialRead[line] = f.partialStart[line] = f.partialStartBlocks[line] = 0;
    f.leadingCheckOn[line] = 0;
    ClearField(f.leadingCode[line]);
    f.checkDigit[line] = 0;
    f.editFilePath[line] = f.saveFilePath[line] = f.checkFilePath[line] = 0;
    f.partialLength[line] = 20;
    f.autoEnter[line] = 1;
}

}  // namespace

const FormPage::LineSeries FormPage::kLineSeries[] = {
    {IDC_FORM_DATATYPE_FIRST, &FormPage::OnTypeChosen},
    {IDC_FORM_PROMPT_FIRST, &FormPage::OnPromptChanged},
    {IDC_FORM_SOURCE_FIRST, &FormPage::OnSourceChosen},
    {IDC_FORM_MIN_FIRST, &FormPage::OnMinChanged},
    {IDC_FORM_MAX_FIRST, &FormPage::OnMaxChanged},
    {IDC_FORM_LOOKUPFIELD_FIRST, &FormPage::OnLookupFieldChosen},
    {IDC_FORM_MORE_FIRST, &FormPage::OnMoreClicked},
};

FormPage::FormPage(FormEditorState& state, TemplateDocument& doc, const UiStrings& strings)
    : state_(state), doc_(doc), strings_(strings) {}

// ---- Sheet notifications ----------------------------------------------------

void FormPage::OnInit(Dialog& dialog) {
    page_ = &dialog;
    ApplyLanguage();
    state_.currentForm = 0;
    FillFormPage();
    ShowForm();
}

void FormPage::OnSetActive(Dialog& dialog) {
    page_ = &dialog;
    ApplyZorqMode(zorqForm());
    DisableNilLines();
    SyncReaderTypes();
}

void FormPage::OnApply(Dialog&) {
    ClearUnusedProperties();
    std::memcpy(doc_.blocks.forms, state_.forms, sizeof doc_.blocks.forms);
    NormalizeForms(doc_.blocks.forms, doc_.blocks.lookups, doc_.readerWorking.readerType);
    doc_.modified = true;
}

std::span<const std::uint8_t> FormPage::WorkingBytes() const {
    return {reinterpret_cast<const std::uint8_t*>(state_.forms), sizeof state_.forms};
}

void FormPage::RefreshInputSources(int rfidState) {
    if (rfidState == 0)
        for (FormRecord& f : state_.forms)
            for (int line = 0; line < kFormVisibleLines; ++line)
                if (f.inputSource[line] >= kSourceRfid) f.inputSource[line] = kSourceAll;
    rfidListed_ = rfidState != 0;
    if (page_ == nullptr) return;
    for (int line = 0; line < kFormVisibleLines; ++line) {
        FillSourceList(line);
        SelectSource(line);
    }
}

void FormPage::ApplyLanguage() {
    if (!strings_.languageActive()) return;
    ApplyLanguageLabels(*page_, strings_, 0, kPageLabels);
    for (int line = 0; line < kFormVisibleLines; ++line)
        page_->SetText(MoreButton(line), strings_.LanguageSlot(kMoreButtonText));
}

// ---- Commands ---------------------------------------------------------------

void FormPage::OnCommand(Dialog& dialog, int id, Notify code) {
    page_ = &dialog;
    for (const LineSeries& series : kLineSeries) {
        if (id >= series.firstId && id < series.firstId + kFormVisibleLines) {
            (this->*series.handler)(id - series.firstId, code);
            return;
        }
    }
    if (code == Notify::Clicked) {
        switch (id) {
        case IDC_FORM_TIMESTAMP: RunTimestampDialog(); break;
        case IDC_FORM_ADVANCED: RunOptionsDialog(); break;
        case IDC_FORM_RESET: OnResetClicked(); break;
        default: break;
        }
        return;
    }
    if (code != Notify::SelChange) return;
    const int entry = dialog.ListSelection(id);
    if (entry < 0) return;
    const auto chosen = static_cast<std::uint8_t>(entry);
    switch (id) {
    case IDC_FORM_ID_LIST: OnFormChosen(); break;
    case IDC_FORM_ESC_LIST: form().escTarget = chosen; break;
    case IDC_FORM_NEXT_LIST: form().nextTarget = chosen; break;
    case IDC_FORM_KEYFIELD_LIST: form().keyLine = chosen; break;
    case IDC_FORM_LOOKUP_LIST: OnLookupFileChosen(); break;
    case IDC_FORM_RECORD_LIST: OnRecordActionChosen(); break;
    default: break;
    }
}

void FormPage::OnFormChosen() {
    const int chosen = page_->ListSelection(IDC_FORM_ID_LIST);
    if (chosen == state_.currentForm) return;
    state_.currentForm = chosen;
    typePick_.reset();
    SyncReaderTypes();
    ShowForm();
}

void FormPage::OnLookupFileChosen() {
    const auto chosen = static_cast<std::uint8_t>(page_->ListSelection(IDC_FORM_LOOKUP_LIST));
    if (chosen == form().lookupFile) return;
    form().lookupFile = chosen;
    for (int line = 0; line < kFormVisibleLines; ++line) FillLookupColumn(line);
}

void FormPage::OnRecordActionChosen() {
    form().recordAction = static_cast<std::uint8_t>(page_->ListSelection(IDC_FORM_RECORD_LIST));
    EnableKeyAndAdvanced();
}

void FormPage::OnResetClicked() {
    if (!ConfirmById(*page_, strings_, kAskResetForm, std::to_string(state_.currentForm + 1))) return;
    typePick_.reset();
    ResetFormRecord(form(), state_.currentForm, strings_);
    ShowForm();
}

void FormPage::RunTimestampDialog() {
    TimestampDialog dialog(state_, strings_);
    page_->RunModal(TIMESTAMPDLG_NAME, dialog);
}

void FormPage::RunOptionsDialog() {
    FormOptionsDialog dialog(*this);
    page_->RunModal(ADVANCEDLG_NAME, dialog);
}

void FormPage::OnTypeChosen(int line, Notify code) {
    if (code == Notify::KillFocus) typePick_.reset();
    if (code != Notify::SelChange) return;
    const int entry = page_->ListSelection(TypeList(line));
    if (entry < 0) return;
    const TypeListShape shape = ShapeOf(zorqForm(), line);
    const int twoDEntry = shape == TypeListShape::Normal ? kBaseTypeEntries : kBaseTypeEntries + 1;
    const bool holdsReadFrom2D =
        page_->ListCount(TypeList(line)) > twoDEntry &&
        page_->ListText(TypeList(line), twoDEntry) == strings_.Text(kReadFrom2DText);
    const std::uint8_t chosen = DataTypeCode(shape, entry, holdsReadFrom2D);

    std::uint8_t(&marks)[kFormVisibleLines] = state_.showMark[state_.currentForm];
    if (!typePick_ || typePick_->form != state_.currentForm || typePick_->line != line) {
        typePick_ = TypePick{state_.currentForm, line, form(), {}};
        std::copy(std::begin(marks), std::end(marks), typePick_->showMarks.begin());
    } else if (std::memcmp(&form(), &typePick_->before, sizeof(FormRecord)) != 0 ||
               !std::equal(std::begin(marks), std::end(marks), typePick_->showMarks.begin())) {
        form() = typePick_->before;
        std::copy(typePick_->showMarks.begin(), typePick_->showMarks.end(), std::begin(marks));
        ShowForm();
    }

    const std::uint8_t oldType = typePick_->before.dataType[line];
    form().dataType[line] = chosen;
    SelectType(line);
    if (!zorqForm() && twoDReader()) UpdateLargeDataChoice(line);
    if (TypeChangeResets(oldType, type(line))) ResetLineProperties(line);
    FillLookupColumn(line);
    UpdateLineControls(line);
}

void FormPage::OnPromptChanged(int line, Notify code) {
    if (code != Notify::Changed) return;
    SetFieldText(form().prompt[line], BoxText(*page_, PromptBox(line), kPromptBoxLimit));
}

void FormPage::OnSourceChosen(int line, Notify code) {
    if (code != Notify::SelChange) return;
    const int entry = page_->ListSelection(SourceList(line));
    if (entry >= 0) form().inputSource[line] = InputSourceCode(entry, rfidListed_);
}

void FormPage::OnMinChanged(int line, Notify code) {
    if (code != Notify::Changed || showingLengths_) return;
    const unsigned value = CorrectNumberBox(*page_, MinBox(line), kShortLength);
    form().minLength[line] = static_cast<std::uint8_t>(type(line) == kTypeBoolean ? 1 : value);
}

void FormPage::OnMaxChanged(int line, Notify code) {
    if (code != Notify::Changed || showingLengths_) return;
    const bool largeData = type(line) == kTypeLargeData;
    const unsigned value = CorrectNumberBox(*page_, MaxBox(line), largeData ? kMaxSplitTotal : kShortLength);
    FormRecord& f = form();
    if (type(line) == kTypeBoolean) {
        f.maxLengthBlocks[line] = 0;
        f.maxLength[line] = 1;
        return;
    }
    StoreSplit(f.maxLengthBlocks[line], f.maxLength[line], value);
    // A "large data" line longer than 160 is no field of a lookup or a
    // variable unless only a part of it is read.
    if (value > kShortLength && f.partialRead[line] == 0) f.lookupField[line] = 0;
    SetLookupListEnabled(line, LookupListUsable(line));
}

void FormPage::OnLookupFieldChosen(int line, Notify code) {
    if (code != Notify::SelChange) return;
    const int entry = page_->ListSelection(LookupList(line));
    if (entry >= 0) form().lookupField[line] = static_cast<std::uint8_t>(entry);
}

void FormPage::OnMoreClicked(int line, Notify code) {
    if (code != Notify::Clicked) return;
    state_.currentLine = line;
    switch (type(line)) {
    case kTypeLookup: {
        LookupPropertiesDialog dialog(state_, strings_);
        page_->RunModal(LOOKUPPROPERTIESDLG_NAME, dialog);
        break;
    }
    case kTypeImage: {
        ImagePropertiesDialog dialog(state_, strings_);
        page_->RunModal(IMAGEPROPERTIESDLG_NAME, dialog);
        const bool lengths = form().editFilePath[line] == 1;
        page_->Enable(MinBox(line), lengths);
        page_->Enable(MaxBox(line), lengths);
        break;
    }
    default: {
        FieldPropertiesDialog dialog(state_, strings_);
        const int result = page_->RunModal(FORMPROPERTIESDLG_NAME, dialog);
        if (result == 1 && type(line) == kTypeLargeData) {
            const bool usable = LookupListUsable(line);
            if (!usable) form().lookupField[line] = 0;
            SetLookupListEnabled(line, usable);
        }
        break;
    }
    }
}

// ---- The page's routines ----------------------------------------------------

void FormPage::FillFormPage() {
    std::memcpy(state_.forms, doc_.blocks.forms, sizeof state_.forms);
    rfidListed_ = (doc_.blocks.reader.rfidReaderOn & 1) != 0;
    const ListEntries targets = TargetEntries(strings_);
    FillList(*page_, IDC_FORM_ID_LIST, ListEntries(targets.begin() + 1, targets.begin() + 1 + kFormCount));
    FillList(*page_, IDC_FORM_KEYFIELD_LIST, KeyLineEntries(strings_));
    FillList(*page_, IDC_FORM_ESC_LIST, targets);
    FillList(*page_, IDC_FORM_NEXT_LIST, targets);
    FillList(*page_, IDC_FORM_LOOKUP_LIST, LookupFileEntries(strings_));
    FillList(*page_, IDC_FORM_RECORD_LIST, RecordActionEntries(strings_));
    for (int line = 0; line < kFormVisibleLines; ++line) {
        FillTypeList(line, TypeListShape::Normal);
        FillSourceList(line);
    }
}

void FormPage::ShowForm() {
    const FormRecord& f = form();
    SelectEntry(*page_, IDC_FORM_ID_LIST, state_.currentForm);
    SelectEntry(*page_, IDC_FORM_KEYFIELD_LIST, f.keyLine);
    SelectEntry(*page_, IDC_FORM_ESC_LIST, f.escTarget);
    SelectEntry(*page_, IDC_FORM_NEXT_LIST, f.nextTarget);
    SelectEntry(*page_, IDC_FORM_LOOKUP_LIST, f.lookupFile);
    SelectEntry(*page_, IDC_FORM_RECORD_LIST, f.recordAction);
    for (int line = 0; line < kFormVisibleLines; ++line) ShowLine(line);
    EnableKeyAndAdvanced();
    ApplyZorqMode(zorqForm());
    DisableNilLines();
}

void FormPage::ShowLine(int line) {
    if (type(line) == kTypeLargeData) {
        RemoveTypeEntry(line, kReadFrom2DText);
        AddTypeEntry(line, kLargeDataText);
    } else if (type(line) == kTypeReadFrom2D) {
        RemoveTypeEntry(line, kLargeDataText);
        AddTypeEntry(line, kReadFrom2DText);
    }
    SelectType(line);
    SelectSource(line);
    page_->LimitText(PromptBox(line), kPromptBoxLimit);
    page_->SetText(PromptBox(line), FieldText(form().prompt[line]));
    page_->LimitText(MinBox(line), kMinBoxLimit);
    page_->LimitText(MaxBox(line), kMaxBoxLimit);
    // A length from a file beyond what the boxes take is kept until typed over.
    showingLengths_ = true;
    page_->SetText(MinBox(line), NumberText(form().minLength[line]));
    page_->SetText(MaxBox(line),
                   NumberText(type(line) == kTypeLargeData ? maxTotal(line) : form().maxLength[line]));
    showingLengths_ = false;
    FillLookupColumn(line);
    UpdateLineControls(line);
}

void FormPage::UpdateLineControls(int line) {
    const std::uint8_t t = type(line);
    FormRecord& f = form();

    const bool prompt = t != kTypeNil && t != kTypeExtension;
    page_->Enable(PromptBox(line), prompt);
    if (!prompt) page_->SetText(PromptBox(line), "");

    const bool source = TakesSource(t);
    page_->Enable(SourceList(line), source);
    if (!source) {
        f.inputSource[line] = t == kTypeLargeData ? kSourceReader : t == kTypeReadFrom2D ? kSourceKeypad : kSourceAll;
        SelectSource(line);
    }

    const bool lengths = HasLengthBoxes(f, line);
    page_->Enable(MinBox(line), lengths);
    page_->Enable(MaxBox(line), lengths);
    if (!lengths) {
        page_->SetText(MinBox(line), "0");
        page_->SetText(MaxBox(line), "160");
    }

    SetLookupListEnabled(line, LookupListUsable(line));
    page_->Enable(MoreButton(line), HasPropertiesDialog(t));
}

void FormPage::FillLookupColumn(int line) {
    FormRecord& f = form();
    std::uint8_t t = type(line);
    if (zorqForm() && t != kTypeNil && line >= 2) t = kTypeLookup;
    const bool numeric = t == kTypeInteger || t == kTypeReal || t == kTypeAuto;
    const bool lookupFile = hasLookupFile();
    // Refilled only when its entries change: each entry is a message to the
    // control, and the page shows every line more than once as it opens.
    const LookupColumnShape shape = !lookupFile ? LookupColumnShape::Variables
                                    : numeric   ? LookupColumnShape::SignedFields
                                                : LookupColumnShape::Fields;
    if (lookupShapes_[line] != shape) {
        FillList(*page_, LookupList(line), LookupColumnEntries(strings_, lookupFile, lookupFile && numeric));
        lookupShapes_[line] = shape;
    }

    if (lookupFile) {
        page_->SetText(IDC_FORM_COL_LOOKUP, strings_.Text(kLookupHeaderText));
        if (!numeric) f.lookupField[line] = FoldLookupCode(f.lookupField[line]);
        if (zorqForm() && line == 0) f.lookupField[line] = ZorqKeyCode();
        if (zorqForm() && line >= 2) page_->Enable(TypeList(line), true);
    } else {
        page_->SetText(IDC_FORM_COL_LOOKUP, strings_.Text(kVariablesHeaderText));
        if (zorqForm()) {
            f.lookupField[line] = 0;
            if (line >= 2) {
                ClearLine(line);
                EnableLineControls(line, false);
                page_->Enable(TypeList(line), false);
            }
        }
    }
    SetLookupListEnabled(line, LookupListUsable(line));
}

void FormPage::DisableNilLines() {
    for (int line = 0; line < kFormVisibleLines; ++line)
        if (type(line) == kTypeNil) EnableLineControls(line, false);
}

void FormPage::ClearLine(int line) {
    FormRecord& f = form();
    f.dataType[line] = kTypeNil;
    f.inputSource[line] = kSourceAll;
    SelectEntry(*page_, TypeList(line), 0);
    SelectEntry(*page_, LookupList(line), 0);
    SelectSource(line);
    page_->SetText(PromptBox(line), "");
    page_->SetText(MinBox(line), "0");
    page_->SetText(MaxBox(line), "160");
}

void FormPage::ResetLineProperties(int line) {
    FormRecord& f = form();
    const bool twoD = type(line) == kTypeLargeData || type(line) == kTypeReadFrom2D;
    f.fixedLengthOn[line] = f.alignment[line] = f.fixedLength[line] = 0;
    f.initialValueOn[line] = 0;
    ClearField(f.initialValue[line]);
    f.prefixOn[line] = f.suffixOn[line] = 0;
    std::memset(f.prefixCode[line], 0, sizeof f.prefixCode[line]);
    std::memset(f.suffixCode[line], 0, sizeof f.suffixCode[line]);
    f.inputMark[line] = 0;
    f.decimalPlaces[line] = 0;
    state_.showMark[state_.currentForm][line] = 0;
    f.partialRead[line] = f.partialStart[line] = twoD ? 1 : 0;
    f.partialStartBlocks[line] = 0;
    f.partialLength[line] = 20;
    f.leadingCheckOn[line] = 0;
    ClearField(f.leadingCode[line]);
    f.checkDigit[line] = 0;
    f.autoEnter[line] = 1;
    f.editFilePath[line] = f.saveFilePath[line] = f.checkFilePath[line] = 0;
}

void FormPage::UpdateLargeDataChoice(int line) {
    int first = -1;
    for (int l = 0; l < kFormVisibleLines && first < 0; ++l)
        if (type(l) == kTypeLargeData) first = l;
    // One "large data" line per form, which "read from 2D" lines read from:
    // only the lists say so. A second large-data line stays as it is stored;
    // it is the checker's to report, not the page's to rewrite.
    if (first == line) {
        RemoveTypeEntry(line, kReadFrom2DText);
        AddTypeEntry(line, kLargeDataText);
    } else if (first >= 0) {
        RemoveTypeEntry(line, kLargeDataText);
        AddTypeEntry(line, kReadFrom2DText);
    } else {
        for (int l = 0; l < kFormVisibleLines; ++l) {
            if (type(l) == kTypeReadFrom2D) {
                MakeLineNil(l);
            } else if (ParseNumber(page_->GetText(MaxBox(l))).value_or(0) > kShortLength) {
                page_->SetText(MaxBox(l), "160");
            }
        }
        RemoveTypeEntry(line, kReadFrom2DText);
        AddTypeEntry(line, kLargeDataText);
    }
    SelectType(line);
}

void FormPage::SyncReaderTypes() {
    if (twoDReader()) return;
    for (int line = 0; line < kFormVisibleLines; ++line) {
        RemoveTypeEntry(line, kLargeDataText);
        RemoveTypeEntry(line, kReadFrom2DText);
        if (type(line) == kTypeLargeData || type(line) == kTypeReadFrom2D)
            MakeLineNil(line);
        else
            SelectType(line);
    }
}

void FormPage::ApplyZorqMode(bool on) {
    if (on)
        ApplyZorqOn();
    else
        ApplyZorqOff();
}

// A ZORQ form: line 1 is "text" keyed by the lookup, line 2 the ZORQ line,
// then only lookup lines; it saves every record and comes back to itself.
void FormPage::ApplyZorqOn() {
    FormRecord& f = form();
    f.recordAction = kRecordSave;
    f.keyLine = 0;
    f.nextTarget = static_cast<std::uint8_t>(state_.currentForm + 1);
    SelectEntry(*page_, IDC_FORM_RECORD_LIST, f.recordAction);
    SelectEntry(*page_, IDC_FORM_KEYFIELD_LIST, f.keyLine);
    SelectEntry(*page_, IDC_FORM_NEXT_LIST, f.nextTarget);
    EnableAll(*page_, {IDC_FORM_RECORD_LIST, IDC_FORM_KEYFIELD_LIST, IDC_FORM_NEXT_LIST}, false);
    page_->Enable(IDC_FORM_ADVANCED, true);

    ShapeZorqHead(0, kTypeText);
    ShapeZorqHead(1, kTypeZorq);
    f.lookupField[0] = ZorqKeyCode();
    if (f.initialValueOn[1] == 0) {
        f.initialValueOn[1] = 1;
        SetFieldText(f.initialValue[1], "0");
    }
    const bool lookupFile = hasLookupFile();
    for (int line = 2; line < kFormVisibleLines; ++line) {
        FillTypeList(line, TypeListShape::ZorqTail);
        if (lookupFile && (type(line) == kTypeNil || type(line) == kTypeLookup))
            SelectType(line);
        else
            ClearLine(line);
        page_->Enable(TypeList(line), lookupFile);
    }
    for (int line = 0; line < kFormVisibleLines; ++line) FillLookupColumn(line);
}

void FormPage::ShapeZorqHead(int line, std::uint8_t code) {
    if (!TypeListHas(line, kZorqText)) {
        while (page_->ListCount(TypeList(line)) > kBaseTypeEntries) page_->ListDelete(TypeList(line), kBaseTypeEntries);
        page_->ListInsert(TypeList(line), kBaseTypeEntries, strings_.Text(kZorqText));
    }
    form().inputSource[line] = kSourceAll;
    SelectSource(line);
    if (ParseNumber(page_->GetText(MaxBox(line))).value_or(0) > kShortLength) page_->SetText(MaxBox(line), "160");
    SetLineType(line, code);
    EnableLineControls(line, true);
    EnableAll(*page_, {TypeList(line), SourceList(line)}, false);
    // The boxes may still show what a boolean line stored differently.
    OnMinChanged(line, Notify::Changed);
    OnMaxChanged(line, Notify::Changed);
}

void FormPage::ApplyZorqOff() {
    EnableAll(*page_, {IDC_FORM_LOOKUP_LIST, IDC_FORM_RECORD_LIST, IDC_FORM_NEXT_LIST}, true);
    EnableKeyAndAdvanced();
    for (int line = 0; line < 2; ++line) {
        if (TypeListHas(line, kZorqText)) {
            if (type(line) == kTypeZorq) ClearLine(line);
            RemoveTypeEntry(line, kZorqText);
        }
        page_->Enable(TypeList(line), true);
        SelectType(line);
        FillLookupColumn(line);
        UpdateLineControls(line);
    }
    for (int line = 2; line < kFormVisibleLines; ++line) {
        if (page_->ListCount(TypeList(line)) < kBaseTypeEntries) FillTypeList(line, TypeListShape::Normal);
        if (type(line) == kTypeLargeData || type(line) == kTypeReadFrom2D) UpdateLargeDataChoice(line);
        page_->Enable(TypeList(line), true);
        SelectType(line);
    }
}

void FormPage::ClearUnusedProperties() {
    for (int n = 0; n < kFormCount; ++n) {
        for (int line = 0; line < kFormVisibleLines; ++line) {
            if (UsesProperties(state_.forms[n], line)) continue;
            ClearProperties(state_.forms[n], line);
            state_.showMark[n][line] = 0;
        }
    }
}

// ---- Helpers ----------------------------------------------------------------

bool FormPage::twoDReader() const { return doc_.readerWorking.readerType == kReaderType2D; }

std::uint8_t FormPage::ZorqKeyCode() {
    if (!hasLookupFile()) return 0;
    const LookupRecord& lookup = doc_.formSideLookups[form().lookupFile - 1];
    return lookup.fieldCount != 0 ? static_cast<std::uint8_t>(lookup.keyField + 1) : 0;
}

bool FormPage::LookupListUsable(int line) {
    std::uint8_t t = type(line);
    if (zorqForm() && t != kTypeNil && line >= 2) t = kTypeLookup;
    if (hasLookupFile() && (t == kTypeLookup || t == kTypeImage || t == kTypeZorq)) return true;
    if (t == kTypeLargeData) return maxTotal(line) <= kShortLength || form().partialRead[line] == 1;
    if (TakesSource(t) || t == kTypeReadFrom2D) return !zorqForm();
    return false;
}

void FormPage::SetLookupListEnabled(int line, bool on) {
    page_->Enable(LookupList(line), on);
    SelectEntry(*page_, LookupList(line), on ? form().lookupField[line] : 0);
}

// The shape the list has now, which lags behind the form while the page
// switches between a normal and a ZORQ form.
void FormPage::SelectType(int line) {
    const int id = TypeList(line);
    const int count = page_->ListCount(id);
    TypeListShape shape = TypeListShape::Normal;
    if (count == 2)
        shape = TypeListShape::ZorqTail;
    else if (count > kBaseTypeEntries && page_->ListText(id, kBaseTypeEntries) == strings_.Text(kZorqText))
        shape = TypeListShape::ZorqHead;
    int entry = DataTypeEntry(shape, type(line));
    if (entry >= 0 && entry < count && page_->ListText(id, entry) != DataTypeLabel(strings_, type(line))) entry = -1;
    SelectEntry(*page_, id, entry);
}

void FormPage::SelectSource(int line) {
    SelectEntry(*page_, SourceList(line), InputSourceEntry(form().inputSource[line], rfidListed_));
}

void FormPage::FillTypeList(int line, TypeListShape shape) {
    ListEntries entries = shape == TypeListShape::ZorqTail ? ZorqTailEntries(strings_) : BaseDataTypeEntries(strings_);
    if (shape == TypeListShape::ZorqHead) entries.push_back(strings_.Text(kZorqText));
    FillList(*page_, TypeList(line), entries);
}

void FormPage::FillSourceList(int line) { FillList(*page_, SourceList(line), InputSourceEntries(strings_, rfidListed_)); }

// The ZORQ and 2D labels only ever follow the base entries, so only those
// places are read: each read is a message to the control.
int FormPage::ExtraTypeEntry(int line, int textId) {
    const std::string text = strings_.Text(textId);
    const int count = page_->ListCount(TypeList(line));
    for (int entry = kBaseTypeEntries; entry < count; ++entry)
        if (page_->ListText(TypeList(line), entry) == text) return entry;
    return -1;
}

bool FormPage::TypeListHas(int line, int textId) { return ExtraTypeEntry(line, textId) >= 0; }

void FormPage::RemoveTypeEntry(int line, int textId) {
    const int entry = ExtraTypeEntry(line, textId);
    if (entry >= 0) page_->ListDelete(TypeList(line), entry);
}

void FormPage::AddTypeEntry(int line, int textId) {
    if (!TypeListHas(line, textId)) page_->ListAdd(TypeList(line), strings_.Text(textId));
}

void FormPage::SetLineType(int line, std::uint8_t code) {
    form().dataType[line] = code;
    SelectType(line);
}

void FormPage::MakeLineNil(int line) {
    SetLineType(line, kTypeNil);
    ResetLineProperties(line);
    FillLookupColumn(line);
    UpdateLineControls(line);
}

// Every control of the line but its data type list.
void FormPage::EnableLineControls(int line, bool on) {
    EnableAll(*page_,
              {PromptBox(line), SourceList(line), MinBox(line), MaxBox(line), LookupList(line), MoreButton(line)},
              on);
}

void FormPage::EnableKeyAndAdvanced() {
    const bool keyed = form().recordAction == kRecordSave || form().recordAction == kRecordSaveAndUpdate;
    page_->Enable(IDC_FORM_KEYFIELD_LIST, keyed);
    page_->Enable(IDC_FORM_ADVANCED, keyed);
}

}  // namespace fw
