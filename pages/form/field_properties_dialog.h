// Properties of one input line of most data types (FORMPROPERTIESDLG):
// fixed length, initial value, prefix and suffix codes, input mark, decimal
// places, the barcode checks and Auto ENTER. Edits go into the working copy
// at once; Cancel puts the whole form back as the dialog found it.
#pragma once

#include <cstdint>

#include "pages/form/form_edits.h"
#include "pages/form/form_editor.h"
#include "ui/dialog.h"

namespace fw {

class UiStrings;

class FieldPropertiesDialog final : public DialogHandler {
public:
    FieldPropertiesDialog(FormEditorState& state, const UiStrings& strings);

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    FormRecord& form() { return state_.form(); }
    int line() const { return state_.currentLine; }
    std::uint8_t type() { return form().dataType[line()]; }
    bool barcodeCapable() { return type() != kTypeFixedData && type() != kTypeImage; }
    unsigned StartLimit();

    void FillLists(Dialog& dialog);
    void ShowFixedLength(Dialog& dialog);
    void ShowInitialValue(Dialog& dialog);
    void ShowCodesAndMark(Dialog& dialog);
    void ShowBarcodeGroup(Dialog& dialog);
    void ShowAutoEnter(Dialog& dialog);

    void OnSwitch(Dialog& dialog, int id);
    void OnListChosen(Dialog& dialog, int id);
    void OnBoxChanged(Dialog& dialog, int id);
    void OnInitialValueChanged(Dialog& dialog);
    void Close(Dialog& dialog, int result);

    FormEditorState& state_;
    const UiStrings& strings_;
    KeyCodeBoxes codeBoxes_;
};

}  // namespace fw
