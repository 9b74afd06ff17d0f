#include "pages/form/lookup_properties_dialog.h"

#include "pages/form/form_ids.h"
#include "strings/ui_strings.h"

namespace fw {
namespace {

constexpr int kTitleText = 221;
constexpr LanguageLabel kLabels[] = {
    {IDC_LPROP_FORM_LABEL, 222}, {IDC_LPROP_LINE_LABEL, 223}, {IDC_LPROP_ALIGN_LABEL, 224},
    {IDC_LPROP_SAVEDATA, 225},   {IDC_LPROP_FIXEDLEN, 226},   {IDC_LPROP_PREFIX, 227},
    {IDC_LPROP_SUFFIX, 228},     {kIdOk, 229},                {kIdCancel, 230},
};
constexpr unsigned kShortLength = 160;

}  // namespace

LookupPropertiesDialog::LookupPropertiesDialog(FormEditorState& state, const UiStrings& strings)
    : state_(state), strings_(strings), codeBoxes_(state, strings, IDC_LPROP_PREFIX_EDIT, IDC_LPROP_SUFFIX_EDIT) {}

void LookupPropertiesDialog::OnInit(Dialog& dialog) {
    OpenLineDialog(dialog, state_, strings_, kTitleText, kLabels, IDC_LPROP_FORM_NUMBER, IDC_LPROP_LINE_NUMBER);

    const FormRecord& f = form();
    const int l = line();
    dialog.Check(IDC_LPROP_SAVEDATA, f.initialValueOn[l] != 0);
    dialog.Check(IDC_LPROP_FIXEDLEN, f.fixedLengthOn[l] != 0);
    dialog.Check(IDC_LPROP_PREFIX, f.prefixOn[l] != 0);
    dialog.Check(IDC_LPROP_SUFFIX, f.suffixOn[l] != 0);
    FillList(dialog, IDC_LPROP_ALIGN_LIST, AlignmentEntries(strings_));
    SelectEntry(dialog, IDC_LPROP_ALIGN_LIST, f.alignment[l]);
    dialog.LimitText(IDC_LPROP_FIXEDLEN_EDIT, 4);
    dialog.SetText(IDC_LPROP_FIXEDLEN_EDIT, NumberText(SplitTotal(f.fixedLengthBlocks[l], f.fixedLength[l])));
    codeBoxes_.Open(dialog);
    UpdateEnabling(dialog);
}

// Length and codes only matter when the looked-up value is saved.
void LookupPropertiesDialog::UpdateEnabling(Dialog& dialog) {
    const FormRecord& f = form();
    const int l = line();
    const bool saved = f.initialValueOn[l] != 0;
    EnableAll(dialog, {IDC_LPROP_FIXEDLEN, IDC_LPROP_PREFIX, IDC_LPROP_SUFFIX}, saved);
    EnableAll(dialog, {IDC_LPROP_FIXEDLEN_EDIT, IDC_LPROP_ALIGN_LIST}, saved && f.fixedLengthOn[l] != 0);
    dialog.Enable(IDC_LPROP_PREFIX_EDIT, saved && f.prefixOn[l] != 0);
    dialog.Enable(IDC_LPROP_SUFFIX_EDIT, saved && f.suffixOn[l] != 0);
}

void LookupPropertiesDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    FormRecord& f = form();
    const int l = line();
    if (code == Notify::Clicked && (id == kIdOk || id == kIdCancel)) {
        Close(dialog, id == kIdOk ? 1 : 0);
    } else if (code == Notify::Clicked) {
        OnSwitch(dialog, id);
    } else if (code == Notify::Changed && id == IDC_LPROP_FIXEDLEN_EDIT) {
        StoreSplit(f.fixedLengthBlocks[l], f.fixedLength[l], CorrectNumberBox(dialog, id, kShortLength));
    } else if (code == Notify::SelChange && id == IDC_LPROP_ALIGN_LIST) {
        const int entry = dialog.ListSelection(id);
        if (entry >= 0) f.alignment[l] = static_cast<std::uint8_t>(entry);
    }
}

void LookupPropertiesDialog::OnSwitch(Dialog& dialog, int id) {
    FormRecord& f = form();
    const int l = line();
    switch (id) {
    case IDC_LPROP_SAVEDATA: f.initialValueOn[l] = ToggleCheck(dialog, id); break;
    case IDC_LPROP_FIXEDLEN: f.fixedLengthOn[l] = ToggleCheck(dialog, id); break;
    case IDC_LPROP_PREFIX: f.prefixOn[l] = ToggleCheck(dialog, id); break;
    case IDC_LPROP_SUFFIX: f.suffixOn[l] = ToggleCheck(dialog, id); break;
    default: return;
    }
    UpdateEnabling(dialog);
}

void LookupPropertiesDialog::Close(Dialog& dialog, int result) {
    if (result == 1) {
        // A lookup line shows the looked-up value, never a typing mark.
        form().inputMark[line()] = 0;
        codeBoxes_.Commit();
    } else {
        form() = state_.backup;
    }
    codeBoxes_.Close(dialog);
    dialog.End(result);
}

}  // namespace fw
