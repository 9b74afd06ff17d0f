#include "pages/reader/symbology_controls.h"

#include "ui/message.h"

namespace fw {
namespace {

constexpr int kInvalidValueText = 2854;

}  // namespace

void RefuseValue(Dialog& dialog, const UiStrings& strings, int id) {
    ShowMessageById(dialog, strings, kTitleWarning, kInvalidValueText);
    dialog.Focus(id);
}

}  // namespace fw
