// The designer's commands and their flows (New, Open, Save, Save As, Edit,
// Preferences, About, Exit and the recent files), independent of the window
// system: the main window hands commands in and supplies the dialogs.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/preferences.h"
#include "strings/language_files.h"
#include "strings/ui_strings.h"
#include "template/template_document.h"
#include "ui/dialog.h"

namespace fw {

struct SheetSpec;


// String ids of the shell's own messages.
constexpr int kMsgSavePrompt = 2651;   // "Save current program ?"
constexpr int kMsgCannotSave = 2803;   // "Cannot save this file!"
constexpr int kProductNameId = 0;

// What the window system provides to the shell.
class ShellHost : public MessageOwner {
public:
    // The Save dialog; nothing when cancelled.
    virtual std::optional<std::string> ChooseFileToSave() = 0;
    // The Open dialog, starting at `start` (empty: the current folder).
    virtual std::optional<std::string> ChooseFileToOpen(const std::string& start) = 0;
    // A modal dialog owned by the main window.
    virtual int RunModal(const char* templateName, DialogHandler& handler) = 0;
    // The editor property sheet; returns when the user closes it.
    virtual void RunPropertySheet(const SheetSpec& sheet) = 0;
    // Puts the main window back at its place, topmost or not.
    virtual void PlaceWindow(bool topmost) = 0;
    // The recent-file items or the menu texts must be rebuilt.
    virtual void RecentFilesChanged() = 0;
    virtual void MenuTextsChanged() = 0;
    virtual void DestroyWindow() = 0;
};

class Shell {
public:
    Shell(ShellHost& host, const StringSource& builtin, std::filesystem::path programDir);

    // The start-up sequence after the window exists: preferences, language,
    // device texts, a new template and, when asked for, the last file.
    void Start();
    // A file named on the command line is opened like a recent file.
    void OpenFromCommandLine(const std::string& path);
    void OnCommand(int id);
    // The close request; true when the window may go.
    bool OnCloseRequest();

    // Preferences: the ini file is read again when the dialog opens; OK
    // writes it and switches the language at once.
    void ReloadPreferences();
    void ApplyPreferences(const Preferences& chosen);

    UiStrings& strings() { return strings_; }
    TemplateDocument& document() { return doc_; }
    const Preferences& preferences() const { return preferences_; }
    const RecentFiles& recentFiles() const { return recent_; }
    const std::vector<LanguageEntry>& languages() const { return languages_; }
    std::filesystem::path iniPath() const { return programDir_ / kIniFileName; }

private:
    bool AskToSaveChanges();  // false when the user cancelled
    bool Save();
    bool SaveAs();
    bool WriteTo(const std::string& path);
    bool Open();
    bool Read(const std::string& path);
    void RunEditor();
    void RememberCurrentFile();
    void PlaceWindow();

    ShellHost& host_;
    std::filesystem::path programDir_;
    UiStrings strings_;
    TemplateDocument doc_;
    Preferences preferences_;
    RecentFiles recent_;
    std::vector<LanguageEntry> languages_;
};

}  // namespace fw
