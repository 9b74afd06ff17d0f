#include "pages/form/field_properties_dialog.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "pages/form/form_ids.h"
#include "strings/ui_strings.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

constexpr unsigned kShortLength = 160;
constexpr std::size_t kLeadingCodeLimit = 10;

constexpr LanguageLabel kLabels[] = {
    {IDC_FPROP_FORM_LABEL, 192},     {IDC_FPROP_LINE_LABEL, 193},      {IDC_FPROP_ALIGN_LABEL, 194},
    {IDC_FPROP_FIXEDLEN, 195},       {IDC_FPROP_INITIAL, 196},         {IDC_FPROP_PREFIX, 197},
    {IDC_FPROP_SUFFIX, 198},         {IDC_FPROP_SHOWMARK, 199},        {IDC_FPROP_DECIMAL_LABEL, 200},
    {IDC_FPROP_PARTIAL, 201},        {IDC_FPROP_START_LABEL, 202},     {IDC_FPROP_MAXLEN_LABEL, 203},
    {IDC_FPROP_LEADING, 204},        {IDC_FPROP_CHECKDIGIT, 205},      {IDC_FPROP_BARCODE_GROUP, 206},
    {IDC_FPROP_AUTOENTER_LABEL, 207}, {kIdOk, 208},                    {kIdCancel, 209},
};
constexpr int kTitleText = 191;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::size_t InitialValueLimit(std::uint8_t type) {
    if (type == kTypeBoolean) return 1;
    return type == kTypeImage ? 160 : 10;
}

struct FilteredValue {
    std::string stored;
    bool rewrite;  // the box shows the stored text instead of what was typed
};

// What an initial value may hold depends on the line's type; the number
// types drop what does not fit silently, the others show the cut text.
FilteredValue FilterInitialValue(std::uint8_t type, const std::string& text) {
    std::string kept;
    switch (type) {
    case kTypeInteger:
        for (char c : text)
            if (IsDigit(c)) kept += c;
        return {kept, kept != text};
    case kTypeReal:
    case kTypeAuto: {
        const bool onePoint = std::count(text.begin(), text.end(), '.') == 1;
        for (char c : text)
            if (IsDigit(c) || (c == '.' && onePoint)) kept += c;
        return {kept, false};
    }
    case kTypeBoolean:
        if (text.empty() || std::strchr("10TFtfYNyn", text[0]) != nullptr) return {text, false};
        return {"", true};
    case kTypeAlphameric:
    case kTypeLetter: {
        auto fits = [type](char c) { return IsLetter(c) || (type == kTypeAlphameric && IsDigit(c)); };
        std::size_t n = 0;
        while (n < text.size() && fits(text[n])) ++n;
        return {text.substr(0, n), n != text.size()};
    }
    default:
        return {text, false};
    }
}

}  // namespace

FieldPropertiesDialog::FieldPropertiesDialog(FormEditorState& state, const UiStrings& strings)
    : state_(state), strings_(strings), codeBoxes_(state, strings, IDC_FPROP_PREFIX_EDIT, IDC_FPROP_SUFFIX_EDIT) {}

void FieldPropertiesDialog::OnInit(Dialog& dialog) {
    OpenLineDialog(dialog, state_, strings_, kTitleText, kLabels, IDC_FPROP_FORM_NUMBER, IDC_FPROP_LINE_NUMBER);
    state_.showMark[state_.currentForm][line()] = form().inputMark[line()] != 0;

    FillLists(dialog);
    ShowFixedLength(dialog);
    ShowInitialValue(dialog);
    ShowCodesAndMark(dialog);
    SelectEntry(dialog, IDC_FPROP_DECIMAL_LIST, form().decimalPlaces[line()]);
    EnableAll(dialog, {IDC_FPROP_DECIMAL_LIST, IDC_FPROP_DECIMAL_LABEL}, type() == kTypeReal);
    ShowBarcodeGroup(dialog);
    ShowAutoEnter(dialog);
}

void FieldPropertiesDialog::FillLists(Dialog& dialog) {
    FillList(dialog, IDC_FPROP_ALIGN_LIST, AlignmentEntries(strings_));
    FillList(dialog, IDC_FPROP_CHECKDIGIT_LIST, CheckDigitEntries(strings_));
    FillList(dialog, IDC_FPROP_AUTOENTER_LIST, AutoEnterEntries(strings_));
    FillList(dialog, IDC_FPROP_DECIMAL_LIST, DecimalPlacesEntries(strings_));
}

void FieldPropertiesDialog::ShowFixedLength(Dialog& dialog) {
    const FormRecord& f = form();
    const int l = line();
    const bool largeData = type() == kTypeLargeData;
    dialog.Check(IDC_FPROP_FIXEDLEN, f.fixedLengthOn[l] != 0);
    dialog.LimitText(IDC_FPROP_FIXEDLEN_EDIT, largeData ? 4 : 3);
    dialog.SetText(IDC_FPROP_FIXEDLEN_EDIT,
                   NumberText(largeData ? SplitTotal(f.fixedLengthBlocks[l], f.fixedLength[l]) : f.fixedLength[l]));
    SelectEntry(dialog, IDC_FPROP_ALIGN_LIST, f.alignment[l]);
    EnableAll(dialog, {IDC_FPROP_FIXEDLEN_EDIT, IDC_FPROP_ALIGN_LIST}, f.fixedLengthOn[l] != 0);
}

void FieldPropertiesDialog::ShowInitialValue(Dialog& dialog) {
    const FormRecord& f = form();
    const int l = line();
    dialog.LimitText(IDC_FPROP_INITIAL_EDIT, static_cast<int>(InitialValueLimit(type())));
    // A ZORQ line that takes its value from a lookup field has no initial value.
    if (type() == kTypeFixedData || (type() == kTypeZorq && f.lookupField[l] != 0)) {
        EnableAll(dialog, {IDC_FPROP_INITIAL, IDC_FPROP_INITIAL_EDIT}, false);
        return;
    }
    const bool on = f.initialValueOn[l] != 0;
    dialog.Enable(IDC_FPROP_INITIAL, true);
    dialog.Check(IDC_FPROP_INITIAL, on);
    if (type() != kTypeZorq || on) dialog.SetText(IDC_FPROP_INITIAL_EDIT, FieldText(f.initialValue[l]));
    dialog.Enable(IDC_FPROP_INITIAL_EDIT, on);
}

void FieldPropertiesDialog::ShowCodesAndMark(Dialog& dialog) {
    const FormRecord& f = form();
    const int l = line();
    codeBoxes_.Open(dialog);
    if (type() == kTypeZorq) {
        EnableAll(dialog, {IDC_FPROP_PREFIX, IDC_FPROP_SUFFIX, IDC_FPROP_PREFIX_EDIT, IDC_FPROP_SUFFIX_EDIT}, false);
    } else {
        dialog.Check(IDC_FPROP_PREFIX, f.prefixOn[l] != 0);
        dialog.Check(IDC_FPROP_SUFFIX, f.suffixOn[l] != 0);
        dialog.Enable(IDC_FPROP_PREFIX_EDIT, f.prefixOn[l] != 0);
        dialog.Enable(IDC_FPROP_SUFFIX_EDIT, f.suffixOn[l] != 0);
    }

    if (type() == kTypeFixedData) {
        EnableAll(dialog, {IDC_FPROP_SHOWMARK, IDC_FPROP_MARK_EDIT}, false);
        return;
    }
    const bool show = state_.showMark[state_.currentForm][l] != 0;
    dialog.Check(IDC_FPROP_SHOWMARK, show);
    dialog.LimitText(IDC_FPROP_MARK_EDIT, 1);
    dialog.SetText(IDC_FPROP_MARK_EDIT, f.inputMark[l] != 0 ? std::string(1, static_cast<char>(f.inputMark[l])) : "");
    dialog.Enable(IDC_FPROP_MARK_EDIT, show);
}

void FieldPropertiesDialog::ShowBarcodeGroup(Dialog& dialog) {
    FormRecord& f = form();
    const int l = line();
    if (type() != kTypeZorq) {
        if (SplitTotal(f.partialStartBlocks[l], f.partialStart[l]) < 1) StoreSplit(f.partialStartBlocks[l], f.partialStart[l], 1);
        if (f.partialLength[l] == 0 || f.partialLength[l] > kShortLength) f.partialLength[l] = kShortLength;
        dialog.Check(IDC_FPROP_PARTIAL, f.partialRead[l] != 0);
        dialog.LimitText(IDC_FPROP_START_EDIT, 4);
        dialog.SetText(IDC_FPROP_START_EDIT, NumberText(SplitTotal(f.partialStartBlocks[l], f.partialStart[l])));
        dialog.LimitText(IDC_FPROP_MAXLEN_EDIT, 3);
        dialog.SetText(IDC_FPROP_MAXLEN_EDIT, NumberText(f.partialLength[l]));
        dialog.Check(IDC_FPROP_LEADING, f.leadingCheckOn[l] != 0);
        dialog.LimitText(IDC_FPROP_LEADING_EDIT, static_cast<int>(kLeadingCodeLimit));
        dialog.SetText(IDC_FPROP_LEADING_EDIT, FieldText(f.leadingCode[l]));
        dialog.Check(IDC_FPROP_CHECKDIGIT, f.checkDigit[l] != 0);
        SelectEntry(dialog, IDC_FPROP_CHECKDIGIT_LIST, f.checkDigit[l] != 0 ? f.checkDigit[l] - 1 : 0);
    }
    const bool usable = barcodeCapable() && type() != kTypeZorq;
    const bool partial = usable && f.partialRead[l] != 0;
    dialog.Enable(IDC_FPROP_BARCODE_GROUP, usable);
    dialog.Enable(IDC_FPROP_PARTIAL, usable && type() != kTypeReadFrom2D);
    EnableAll(dialog, {IDC_FPROP_LEADING, IDC_FPROP_CHECKDIGIT}, usable);
    EnableAll(dialog, {IDC_FPROP_START_EDIT, IDC_FPROP_MAXLEN_EDIT, IDC_FPROP_START_LABEL, IDC_FPROP_MAXLEN_LABEL},
              partial);
    dialog.Enable(IDC_FPROP_LEADING_EDIT, usable && f.leadingCheckOn[l] != 0);
    dialog.Enable(IDC_FPROP_CHECKDIGIT_LIST, usable && f.checkDigit[l] != 0);
}

void FieldPropertiesDialog::ShowAutoEnter(Dialog& dialog) {
    std::uint8_t& autoEnter = form().autoEnter[line()];
    bool fixed = true;
    if (type() == kTypeZorq)
        autoEnter = 2;  // ENTER+Scan
    else if (type() == kTypeText && form().zorqMode != 0)
        autoEnter = 1;
    else if (type() == kTypeLargeData)
        autoEnter = 1;
    else if (type() == kTypeReadFrom2D)
        autoEnter = 0;
    else
        fixed = false;
    SelectEntry(dialog, IDC_FPROP_AUTOENTER_LIST, autoEnter);
    dialog.Enable(IDC_FPROP_AUTOENTER_LIST, !fixed && barcodeCapable());
}

// The start of a partial read lies inside the data: a "large data" line's
// own length, or for "read from 2D" the length of the line it reads from.
unsigned FieldPropertiesDialog::StartLimit() {
    const FormRecord& f = form();
    if (type() == kTypeLargeData) return SplitTotal(f.maxLengthBlocks[line()], f.maxLength[line()]);
    if (type() != kTypeReadFrom2D) return kShortLength;
    for (int l = 0; l < kFormVisibleLines; ++l)
        if (f.dataType[l] == kTypeLargeData) return SplitTotal(f.maxLengthBlocks[l], f.maxLength[l]);
    return kShortLength;
}

void FieldPropertiesDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    switch (code) {
    case Notify::Clicked:
        if (id == kIdOk || id == kIdCancel)
            Close(dialog, id == kIdOk ? 1 : 0);
        else
            OnSwitch(dialog, id);
        break;
    case Notify::SelChange: OnListChosen(dialog, id); break;
    case Notify::Changed: OnBoxChanged(dialog, id); break;
    default: break;
    }
}

void FieldPropertiesDialog::OnSwitch(Dialog& dialog, int id) {
    FormRecord& f = form();
    const int l = line();
    switch (id) {
    case IDC_FPROP_FIXEDLEN:
        f.fixedLengthOn[l] = ToggleCheck(dialog, id);
        EnableAll(dialog, {IDC_FPROP_FIXEDLEN_EDIT, IDC_FPROP_ALIGN_LIST}, f.fixedLengthOn[l] != 0);
        break;
    case IDC_FPROP_INITIAL:
        f.initialValueOn[l] = ToggleCheck(dialog, id);
        dialog.Enable(IDC_FPROP_INITIAL_EDIT, f.initialValueOn[l] != 0);
        break;
    case IDC_FPROP_PREFIX:
        f.prefixOn[l] = ToggleCheck(dialog, id);
        dialog.Enable(IDC_FPROP_PREFIX_EDIT, f.prefixOn[l] != 0);
        break;
    case IDC_FPROP_SUFFIX:
        f.suffixOn[l] = ToggleCheck(dialog, id);
        dialog.Enable(IDC_FPROP_SUFFIX_EDIT, f.suffixOn[l] != 0);
        break;
    case IDC_FPROP_SHOWMARK:
        state_.showMark[state_.currentForm][l] = ToggleCheck(dialog, id);
        dialog.Enable(IDC_FPROP_MARK_EDIT, state_.showMark[state_.currentForm][l] != 0);
        break;
    case IDC_FPROP_PARTIAL:
        f.partialRead[l] = ToggleCheck(dialog, id);
        EnableAll(dialog, {IDC_FPROP_START_EDIT, IDC_FPROP_MAXLEN_EDIT, IDC_FPROP_START_LABEL, IDC_FPROP_MAXLEN_LABEL},
                  f.partialRead[l] != 0);
        break;
    case IDC_FPROP_LEADING:
        f.leadingCheckOn[l] = ToggleCheck(dialog, id);
        dialog.Enable(IDC_FPROP_LEADING_EDIT, f.leadingCheckOn[l] != 0);
        break;
    case IDC_FPROP_CHECKDIGIT:
        // Switching on chooses the first method until the list says otherwise.
        f.checkDigit[l] = ToggleCheck(dialog, id) ? 1 : 0;
        if (f.checkDigit[l] != 0) SelectEntry(dialog, IDC_FPROP_CHECKDIGIT_LIST, 0);
        dialog.Enable(IDC_FPROP_CHECKDIGIT_LIST, f.checkDigit[l] != 0);
        break;
    default: break;
    }
}

void FieldPropertiesDialog::OnListChosen(Dialog& dialog, int id) {
    const int entry = dialog.ListSelection(id);
    if (entry < 0) return;
    const auto value = static_cast<std::uint8_t>(entry);
    FormRecord& f = form();
    switch (id) {
    case IDC_FPROP_ALIGN_LIST: f.alignment[line()] = value; break;
    case IDC_FPROP_CHECKDIGIT_LIST: f.checkDigit[line()] = static_cast<std::uint8_t>(value + 1); break;
    case IDC_FPROP_AUTOENTER_LIST: f.autoEnter[line()] = value; break;
    case IDC_FPROP_DECIMAL_LIST: f.decimalPlaces[line()] = value; break;
    default: break;
    }
}

void FieldPropertiesDialog::OnBoxChanged(Dialog& dialog, int id) {
    FormRecord& f = form();
    const int l = line();
    switch (id) {
    case IDC_FPROP_FIXEDLEN_EDIT: {
        const unsigned limit = type() == kTypeLargeData ? kMaxSplitTotal : kShortLength;
        StoreSplit(f.fixedLengthBlocks[l], f.fixedLength[l], CorrectNumberBox(dialog, id, limit));
        break;
    }
    case IDC_FPROP_INITIAL_EDIT: OnInitialValueChanged(dialog); break;
    case IDC_FPROP_MARK_EDIT: f.inputMark[l] = static_cast<std::uint8_t>(CorrectCharBox(dialog, id)); break;
    case IDC_FPROP_START_EDIT:
        StoreSplit(f.partialStartBlocks[l], f.partialStart[l], CorrectNumberBox(dialog, id, StartLimit()));
        break;
    case IDC_FPROP_MAXLEN_EDIT:
        f.partialLength[l] = static_cast<std::uint8_t>(CorrectNumberBox(dialog, id, kShortLength));
        break;
    case IDC_FPROP_LEADING_EDIT: SetFieldText(f.leadingCode[l], BoxText(dialog, id, kLeadingCodeLimit)); break;
    default: break;
    }
}

void FieldPropertiesDialog::OnInitialValueChanged(Dialog& dialog) {
    const std::size_t limit = InitialValueLimit(type());
    std::string text = dialog.GetText(IDC_FPROP_INITIAL_EDIT);
    if (text.size() > limit) {
        text.resize(limit);
        dialog.SetText(IDC_FPROP_INITIAL_EDIT, text);
    }
    const FilteredValue value = FilterInitialValue(type(), text);
    if (value.rewrite) dialog.SetText(IDC_FPROP_INITIAL_EDIT, value.stored);
    SetFieldText(form().initialValue[line()], value.stored);
}

void FieldPropertiesDialog::Close(Dialog& dialog, int result) {
    FormRecord& f = form();
    const int l = line();
    if (result == 1) {
        if (state_.showMark[state_.currentForm][l] == 0) f.inputMark[l] = 0;
        if (SplitTotal(f.partialStartBlocks[l], f.partialStart[l]) < 1) StoreSplit(f.partialStartBlocks[l], f.partialStart[l], 1);
        if (f.partialLength[l] == 0 || f.partialLength[l] > kShortLength) f.partialLength[l] = kShortLength;
        codeBoxes_.Commit();
    } else {
        f = state_.backup;
    }
    codeBoxes_.Close(dialog);
    dialog.End(result);
}

}  // namespace fw
