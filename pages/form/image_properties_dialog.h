// Properties of an "image" line (IMAGEPROPERTIESDLG): whether the terminal
// edits, saves or checks the image's file path, its fixed length, initial
// path and input mark. Edits go into the working copy at once; Cancel puts
// the whole form back as the dialog found it.
#pragma once

#include "pages/form/form_editor.h"
#include "ui/dialog.h"

namespace fw {

class UiStrings;

class ImagePropertiesDialog final : public DialogHandler {
public:
    ImagePropertiesDialog(FormEditorState& state, const UiStrings& strings) : state_(state), strings_(strings) {}

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    FormRecord& form() { return state_.form(); }
    int line() const { return state_.currentLine; }
    std::uint8_t& showMark() { return state_.showMark[state_.currentForm][state_.currentLine]; }
    void UpdateEnabling(Dialog& dialog);
    void OnSwitch(Dialog& dialog, int id);
    void OnBoxChanged(Dialog& dialog, int id);

    FormEditorState& state_;
    const UiStrings& strings_;
};

}  // namespace fw
