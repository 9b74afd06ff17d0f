#include "pages/form/form_options_dialog.h"

#include "ui/form_labels.h"
#include "pages/form/form_edits.h"
#include "pages/form/form_ids.h"
#include "pages/form/form_page.h"
#include "strings/ui_strings.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

constexpr int kTitleText = 171;  // "Form #"
constexpr LanguageLabel kLabels[] = {
    {IDC_ADV_READONCE, 172},       {IDC_ADV_CHANGEEXPORT, 173}, {kIdOk, 174},
    {kIdCancel, 175},              {IDC_ADV_SAVEMODE_LABEL, 314}, {IDC_ADV_OVERWRITE, 315},
    {IDC_ADV_APPEND, 316},         {IDC_ADV_AUTOEXPORT, 317},   {IDC_ADV_ZORQ, 318},
    {IDC_ADV_AUTODELETE, 320},
};
constexpr std::size_t kExportNameLimit = 20;

struct OptionSwitch {
    int id;
    std::uint8_t FormRecord::*field;
};
constexpr OptionSwitch kSwitches[] = {
    {IDC_ADV_READONCE, &FormRecord::readOnce},     {IDC_ADV_CHANGEEXPORT, &FormRecord::changeExportName},
    {IDC_ADV_AUTOEXPORT, &FormRecord::autoExport}, {IDC_ADV_ZORQ, &FormRecord::zorqMode},
    {IDC_ADV_AUTODELETE, &FormRecord::autoDelete},
};

}  // namespace

FormRecord& FormOptionsDialog::form() { return page_.state().form(); }

void FormOptionsDialog::OnInit(Dialog& dialog) {
    FormEditorState& state = page_.state();
    const UiStrings& strings = page_.strings();
    state.backup = form();
    ApplyLanguageLabels(dialog, strings, 0, kLabels);
    const std::string title = strings.languageActive() ? strings.LanguageSlot(kTitleText) : strings.Text(kTitleText);
    dialog.SetTitle(title + FormLabels()[state.currentForm]);

    for (const OptionSwitch& s : kSwitches) dialog.Check(s.id, form().*s.field != 0);
    dialog.LimitText(IDC_ADV_EXPORTNAME, static_cast<int>(kExportNameLimit));
    dialog.SetText(IDC_ADV_EXPORTNAME, FieldText(form().exportName));
    ShowSaveMode(dialog);
    UpdateEnabling(dialog);
}

void FormOptionsDialog::ShowSaveMode(Dialog& dialog) {
    dialog.Check(IDC_ADV_OVERWRITE, form().exportAppend == 0);
    dialog.Check(IDC_ADV_APPEND, form().exportAppend != 0);
}

void FormOptionsDialog::UpdateEnabling(Dialog& dialog) {
    dialog.Enable(IDC_ADV_EXPORTNAME, form().changeExportName != 0);
    EnableAll(dialog, {IDC_ADV_SAVEMODE_LABEL, IDC_ADV_OVERWRITE, IDC_ADV_APPEND}, form().autoExport != 0);
}

void FormOptionsDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    if (code == Notify::Changed && id == IDC_ADV_EXPORTNAME) {
        SetFieldText(form().exportName, BoxText(dialog, id, kExportNameLimit));
        return;
    }
    if (code != Notify::Clicked) return;
    switch (id) {
    case kIdOk:
        page_.ApplyZorqMode(form().zorqMode != 0);
        page_.DisableNilLines();
        dialog.End(1);
        return;
    case kIdCancel:
        form() = page_.state().backup;
        dialog.End(0);
        return;
    case IDC_ADV_OVERWRITE:
    case IDC_ADV_APPEND:
        form().exportAppend = id == IDC_ADV_APPEND ? 1 : 0;
        ShowSaveMode(dialog);
        return;
    default:
        for (const OptionSwitch& s : kSwitches)
            if (s.id == id) form().*s.field = ToggleCheck(dialog, id);
        UpdateEnabling(dialog);
        return;
    }
}

}  // namespace fw
