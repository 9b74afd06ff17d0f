#include "pages/form/form_edits.h"

#include <algorithm>

#include "ui/form_labels.h"
#include "strings/ui_strings.h"

namespace fw {
void OpenLineDialog(Dialog& dialog, FormEditorState& state, const UiStrings& strings, int titleId,
                    std::span<const LanguageLabel> labels, int formNumberBox, int lineNumberBox) {
    state.backup = state.form();
    ApplyLanguageLabels(dialog, strings, titleId, labels);
    const FormLabelTable numbers = FormLabels();
    dialog.SetText(formNumberBox, numbers[state.currentForm]);
    dialog.SetText(lineNumberBox, numbers[state.currentLine]);
}

KeyCodeBoxes::KeyCodeBoxes(FormEditorState& state, const UiStrings& strings, int prefixBox, int suffixBox)
    : state_(state),
      prefix_(prefixBox, GridSlot::Prefix, state.gridBuffers, strings),
      suffix_(suffixBox, GridSlot::Suffix, state.gridBuffers, strings) {}

void KeyCodeBoxes::Open(Dialog& dialog) {
    const FormRecord& form = state_.form();
    const int line = state_.currentLine;
    GridBuffers& buffers = state_.gridBuffers;
    buffers.prefixCodes.fill(0);
    buffers.suffixCodes.fill(0);
    std::copy_n(form.prefixCode[line], kMaxGridCodes, buffers.prefixCodes.begin());
    std::copy_n(form.suffixCode[line], kMaxGridCodes, buffers.suffixCodes.begin());
    for (GridOpener* opener : {&prefix_, &suffix_}) {
        const auto& codes = opener == &prefix_ ? buffers.prefixCodes : buffers.suffixCodes;
        dialog.SetText(opener->editId(), CodesDisplayText(codes.data(), kMaxGridCodes));
        dialog.AttachCanvas(opener->editId(), opener);
    }
}

void KeyCodeBoxes::Commit() {
    FormRecord& form = state_.form();
    const int line = state_.currentLine;
    std::fill(std::begin(form.prefixCode[line]), std::end(form.prefixCode[line]), 0);
    std::fill(std::begin(form.suffixCode[line]), std::end(form.suffixCode[line]), 0);
    std::copy_n(state_.gridBuffers.prefixCodes.begin(), kMaxGridCodes, form.prefixCode[line]);
    std::copy_n(state_.gridBuffers.suffixCodes.begin(), kMaxGridCodes, form.suffixCode[line]);
}

void KeyCodeBoxes::Close(Dialog& dialog) {
    dialog.AttachCanvas(prefix_.editId(), nullptr);
    dialog.AttachCanvas(suffix_.editId(), nullptr);
}

}  // namespace fw
