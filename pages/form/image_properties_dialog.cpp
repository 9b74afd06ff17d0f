#include "pages/form/image_properties_dialog.h"

#include <string>

#include "pages/form/form_edits.h"
#include "pages/form/form_ids.h"
#include "strings/ui_strings.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

constexpr int kTitleText = 301;
constexpr LanguageLabel kLabels[] = {
    {IDC_IPROP_FORM_LABEL, 302}, {IDC_IPROP_LINE_LABEL, 303}, {IDC_IPROP_ALIGN_LABEL, 304},
    {IDC_IPROP_EDITPATH, 305},   {IDC_IPROP_SAVEPATH, 306},   {IDC_IPROP_CHECKPATH, 307},
    {IDC_IPROP_FIXEDLEN, 308},   {IDC_IPROP_INITIAL, 309},    {IDC_IPROP_SHOWMARK, 310},
    {kIdOk, 311},                {kIdCancel, 312},
};
constexpr unsigned kFixedLengthMax = 255;  // an image path's length is one byte
constexpr std::size_t kPathLimit = 160;

}  // namespace

void ImagePropertiesDialog::OnInit(Dialog& dialog) {
    OpenLineDialog(dialog, state_, strings_, kTitleText, kLabels, IDC_IPROP_FORM_NUMBER, IDC_IPROP_LINE_NUMBER);
    showMark() = form().inputMark[line()] != 0;

    const FormRecord& f = form();
    const int l = line();
    dialog.Check(IDC_IPROP_EDITPATH, f.editFilePath[l] != 0);
    dialog.Check(IDC_IPROP_SAVEPATH, f.saveFilePath[l] != 0);
    dialog.Check(IDC_IPROP_CHECKPATH, f.checkFilePath[l] != 0);
    dialog.Check(IDC_IPROP_FIXEDLEN, f.fixedLengthOn[l] != 0);
    dialog.Check(IDC_IPROP_INITIAL, f.initialValueOn[l] != 0);
    dialog.Check(IDC_IPROP_SHOWMARK, showMark() != 0);
    FillList(dialog, IDC_IPROP_ALIGN_LIST, AlignmentEntries(strings_));
    SelectEntry(dialog, IDC_IPROP_ALIGN_LIST, f.alignment[l]);
    dialog.LimitText(IDC_IPROP_FIXEDLEN_EDIT, 3);
    dialog.SetText(IDC_IPROP_FIXEDLEN_EDIT, NumberText(f.fixedLength[l]));
    dialog.LimitText(IDC_IPROP_INITIAL_EDIT, static_cast<int>(kPathLimit));
    dialog.SetText(IDC_IPROP_INITIAL_EDIT, FieldText(f.initialValue[l]));
    dialog.LimitText(IDC_IPROP_MARK_EDIT, 1);
    dialog.SetText(IDC_IPROP_MARK_EDIT, f.inputMark[l] != 0 ? std::string(1, static_cast<char>(f.inputMark[l])) : "");
    UpdateEnabling(dialog);
}

// Which controls are usable follows from the switches alone: saving the path
// is implied while it is edited, and the length, initial path and mark only
// matter when the terminal handles a path at all.
void ImagePropertiesDialog::UpdateEnabling(Dialog& dialog) {
    const FormRecord& f = form();
    const int l = line();
    const bool edit = f.editFilePath[l] != 0;
    const bool path = edit || f.saveFilePath[l] != 0;
    dialog.Enable(IDC_IPROP_SAVEPATH, !edit);
    EnableAll(dialog, {IDC_IPROP_CHECKPATH, IDC_IPROP_INITIAL, IDC_IPROP_SHOWMARK}, edit);
    dialog.Enable(IDC_IPROP_FIXEDLEN, path);
    EnableAll(dialog, {IDC_IPROP_FIXEDLEN_EDIT, IDC_IPROP_ALIGN_LIST}, path && f.fixedLengthOn[l] != 0);
    dialog.Enable(IDC_IPROP_INITIAL_EDIT, edit && f.initialValueOn[l] != 0);
    dialog.Enable(IDC_IPROP_MARK_EDIT, edit && showMark() != 0);
}

void ImagePropertiesDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    if (code == Notify::Clicked && (id == kIdOk || id == kIdCancel)) {
        if (id == kIdOk && showMark() == 0) form().inputMark[line()] = 0;
        if (id == kIdCancel) form() = state_.backup;
        dialog.End(id == kIdOk ? 1 : 0);
    } else if (code == Notify::Clicked) {
        OnSwitch(dialog, id);
    } else if (code == Notify::Changed) {
        OnBoxChanged(dialog, id);
    } else if (code == Notify::SelChange && id == IDC_IPROP_ALIGN_LIST) {
        const int entry = dialog.ListSelection(id);
        if (entry >= 0) form().alignment[line()] = static_cast<std::uint8_t>(entry);
    }
}

void ImagePropertiesDialog::OnSwitch(Dialog& dialog, int id) {
    FormRecord& f = form();
    const int l = line();
    switch (id) {
    case IDC_IPROP_EDITPATH:
        f.editFilePath[l] = f.saveFilePath[l] = ToggleCheck(dialog, id);
        dialog.Check(IDC_IPROP_SAVEPATH, f.saveFilePath[l] != 0);
        break;
    case IDC_IPROP_SAVEPATH: f.saveFilePath[l] = ToggleCheck(dialog, id); break;
    case IDC_IPROP_CHECKPATH: f.checkFilePath[l] = ToggleCheck(dialog, id); break;
    case IDC_IPROP_FIXEDLEN: f.fixedLengthOn[l] = ToggleCheck(dialog, id); break;
    case IDC_IPROP_INITIAL: f.initialValueOn[l] = ToggleCheck(dialog, id); break;
    case IDC_IPROP_SHOWMARK: showMark() = ToggleCheck(dialog, id); break;
    default: return;
    }
    UpdateEnabling(dialog);
}

void ImagePropertiesDialog::OnBoxChanged(Dialog& dialog, int id) {
    FormRecord& f = form();
    const int l = line();
    switch (id) {
    case IDC_IPROP_FIXEDLEN_EDIT:
        f.fixedLength[l] = static_cast<std::uint8_t>(CorrectNumberBox(dialog, id, kFixedLengthMax));
        break;
    case IDC_IPROP_INITIAL_EDIT: SetFieldText(f.initialValue[l], BoxText(dialog, id, kPathLimit)); break;
    case IDC_IPROP_MARK_EDIT: f.inputMark[l] = static_cast<std::uint8_t>(CorrectCharBox(dialog, id)); break;
    default: break;
    }
}

}  // namespace fw
