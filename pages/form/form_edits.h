// What the line properties dialogs of the Form page share: how they open,
// and their prefix and suffix code boxes.
#pragma once

#include <span>

#include "grid/grid_opener.h"
#include "pages/form/form_editor.h"
#include "pages/form/form_lists.h"
#include "ui/control_rules.h"

namespace fw {

class UiStrings;

// What every line properties dialog does as it opens: keeps the current form
// for Cancel, takes its texts from the language, and shows the form and line
// numbers in the two boxes given.
void OpenLineDialog(Dialog& dialog, FormEditorState& state, const UiStrings& strings, int titleId,
                    std::span<const LanguageLabel> labels, int formNumberBox, int lineNumberBox);

// The prefix and suffix boxes of a line properties dialog. They show key
// names and open the Character grid on the shared code buffers, which go
// back into the line only when the dialog is confirmed.
class KeyCodeBoxes {
public:
    KeyCodeBoxes(FormEditorState& state, const UiStrings& strings, int prefixBox, int suffixBox);
    void Open(Dialog& dialog);
    void Commit();
    void Close(Dialog& dialog);

private:
    FormEditorState& state_;
    GridOpener prefix_;
    GridOpener suffix_;
};

}  // namespace fw
