// The form options that do not fit the Form page (ADVANCEDLG): reading data
// once, the export file name, automatic export and deletion, and the ZORQ
// mode, which the page applies to the form's shape when confirmed.
#pragma once

#include "ui/dialog.h"

namespace fw {

class FormPage;
struct FormEditorState;
struct FormRecord;

class FormOptionsDialog final : public DialogHandler {
public:
    explicit FormOptionsDialog(FormPage& page) : page_(page) {}

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    FormRecord& form();
    void UpdateEnabling(Dialog& dialog);
    void ShowSaveMode(Dialog& dialog);

    FormPage& page_;
};

}  // namespace fw
