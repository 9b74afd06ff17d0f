// What the Form page and the dialogs it opens share while the editor sheet
// is open: the form working copy and where the user is in it.
#pragma once

#include <cstdint>

#include "grid/grid_opener.h"
#include "template/blocks/form_block.h"

namespace fw {

struct FormEditorState {
    FormRecord forms[kFormCount];  // the form working copy
    int currentForm = 0;           // the form the page shows
    int currentLine = 0;           // the line whose properties dialog is open
    // "Show input mark" of the properties dialogs, per form and visible line;
    // never saved.
    std::uint8_t showMark[kFormCount][kFormVisibleLines] = {};
    FormRecord backup;             // the current form as a dialog found it, for Cancel
    GridBuffers gridBuffers;       // prefix and suffix codes while a dialog is open

    FormRecord& form() { return forms[currentForm]; }
};

}  // namespace fw
