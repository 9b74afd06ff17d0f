// What the tests of the real program share: the executable's resources read
// as data, and one running program per suite with its editor sheet open.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
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
constexpr const char* kNewFileCaption = "Formwright - [ New file ]";

std::string SheetCaption(const std::string& path);

// Selects the entry with this text in a list of the dialog and tells the
// dialog, as the control does when the user picks it. The entry's index,
// or -1 when the list has no such entry.
int ChooseEntry(HWND dialog, int listId, const std::string& text);
std::string ControlText(HWND dialog, int id);
// Typed into a number box: the text, then what the box shows afterwards.
std::string Typed(HWND dialog, int id, const std::string& text);
// Keys typed one by one into a box that has the focus, as the keyboard
// would deliver them ('\b' is Backspace); what the box shows afterwards.
std::string TypedKeys(HWND dialog, int id, const std::string& keys);
void PostCommand(HWND hwnd, int id);
// A dialog's Cancel, and the wait until it has gone.
void CancelDialog(HWND dialog);

// Writes what the program finds at its start into its folder and gives the
// command line's arguments.
using Prepare = std::function<std::string(DesignerRun&)>;

// A new template, changed by `edit`, written into the folder as `name` and
// named on the command line, so that the program opens it.
Prepare TemplateFileArgument(const std::string& name, std::function<void(TemplateDocument&)> edit);

// One program shared by the tests of a suite, started again when a test has
// ended it or lost its sheet; each test leaves it with no dialog open but
// the sheet, when the suite works in one.
class SharedDesigner {
public:
    // Starts the program when none runs; false when it does not come up.
    bool Ensure(const Prepare& prepare = nullptr);
    // The program with its sheet open on the Form page: opened by Edit, or
    // by the program itself when it starts on a file.
    bool EnsureFormPage(const Prepare& prepare, bool openWithEdit, const std::string& captionFile);
    // Turns the open sheet to page `index` (0 Form ... 4 Settings) and gives
    // the page once it holds `controlId`; nullptr when it does not appear.
    HWND ShowPage(int index, int controlId);
    void Reset();
    void CancelDialogs();

    DesignerRun& run() { return *run_; }
    HWND main() const { return main_; }
    HWND sheet() const { return sheet_; }
    HWND page() const { return page_; }
    DWORD pid() const { return run_->processId(); }

private:
    std::unique_ptr<DesignerRun> run_;
    HWND main_ = nullptr;
    HWND sheet_ = nullptr;
    HWND page_ = nullptr;
};

}  // namespace fw::wine
