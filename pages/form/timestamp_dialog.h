// The date and time stamp of a form's saved records (TIMESTAMPDLG): whether
// and where the terminal stamps each record, and the layout of the date and
// the time, shown live as format pictures.
#pragma once

#include <string>

#include "pages/form/form_editor.h"
#include "ui/dialog.h"

namespace fw {

class UiStrings;

// The date parts the stamp holds, in the form's date style, with the
// separator between them: "YYYY/MM/DD", "DD-MM-YY", ...
std::string DateFormatPicture(const FormRecord& form);
// "HH:MM:SS" and its variants.
std::string TimeFormatPicture(const FormRecord& form);

class TimestampDialog final : public DialogHandler {
public:
    TimestampDialog(FormEditorState& state, const UiStrings& strings) : state_(state), strings_(strings) {}

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    FormRecord& form() { return state_.form(); }
    void DrawPictures(Dialog& dialog);
    void OnSeparatorChanged(Dialog& dialog, int id);

    FormEditorState& state_;
    const UiStrings& strings_;
};

}  // namespace fw
