// What the tests of the real program share: the executable's resources read
// as data, and the steps that play the user in its dialogs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "wine/designer_driver.h"

namespace fw {
class TemplateDocument;
}

namespace fw::wine {

// ---- The executable's resources, loaded as data ----------------------------

HMODULE ExeResourceModule();
std::span<const std::uint8_t> ResourceBytes(HMODULE module, const char* name, const char* type);
std::vector<std::string> DialogNames(HMODULE module);
// The title a dialog template gives, so the tests find the real dialog by it.
std::string TemplateTitle(const char* name);

// ---- The running program ---------------------------------------------------

constexpr const char* kDialogClass = "#32770";

std::string SheetCaption(const std::string& path);

// Selects the entry with this text in a list of the dialog and tells the
// dialog, as the control does when the user picks it. The entry's index,
// or -1 when the list has no such entry.
int ChooseEntry(HWND dialog, int listId, const std::string& text);
std::string ControlText(HWND dialog, int id);
// Keys typed one by one into a box that has the focus, as the keyboard
// would deliver them ('\b' is Backspace); what the box shows afterwards.
std::string TypedKeys(HWND dialog, int id, const std::string& keys);
void PostCommand(HWND hwnd, int id);
// A dialog's Cancel, and the wait until it has gone.
void CancelDialog(HWND dialog);

// A new template, changed by `edit`, written into the run's folder as `name`:
// the command line's argument that makes the program open it.
std::string TemplateFileArgument(DesignerRun& run, const std::string& name,
                                 const std::function<void(TemplateDocument&)>& edit);

}  // namespace fw::wine
