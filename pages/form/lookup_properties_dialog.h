// Properties of a "lookup" line (LOOKUPPROPERTIESDLG): whether the looked-up
// value is saved with the record, and then its fixed length and its prefix
// and suffix codes. Edits go into the working copy at once; Cancel puts the
// whole form back as the dialog found it.
#pragma once

#include "pages/form/form_edits.h"
#include "pages/form/form_editor.h"
#include "ui/dialog.h"

namespace fw {

class UiStrings;

class LookupPropertiesDialog final : public DialogHandler {
public:
    LookupPropertiesDialog(FormEditorState& state, const UiStrings& strings);

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    FormRecord& form() { return state_.form(); }
    int line() const { return state_.currentLine; }
    void UpdateEnabling(Dialog& dialog);
    void OnSwitch(Dialog& dialog, int id);
    void Close(Dialog& dialog, int result);

    FormEditorState& state_;
    const UiStrings& strings_;
    KeyCodeBoxes codeBoxes_;
};

}  // namespace fw
