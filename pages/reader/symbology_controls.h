// The message with which the reader's parameter dialogs refuse a value.
#pragma once

#include "ui/dialog.h"

namespace fw {

class UiStrings;

// "Invalid value!": the message, then the focus on the box at fault.
void RefuseValue(Dialog& dialog, const UiStrings& strings, int id);

}  // namespace fw
