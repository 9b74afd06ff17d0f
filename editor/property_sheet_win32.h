// Runs the editor's sheet description as a real modal property sheet.
#pragma once

#include <windows.h>

namespace fw {

struct SheetSpec;

// Returns when the user closes the sheet with OK, Cancel or its close box.
void RunPropertySheet(HWND owner, const SheetSpec& spec);

}  // namespace fw
