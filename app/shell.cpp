#include "app/shell.h"

#include "app/about_dialog.h"
#include "app/app_ids.h"
#include "app/preferences_dialog.h"
#include "editor/editor_sheet.h"
#include "template/template_file.h"
#include "ui/message.h"

namespace fw {

Shell::Shell(ShellHost& host, const StringSource& builtin, std::filesystem::path programDir)
    : host_(host), programDir_(std::move(programDir)), strings_(builtin), doc_(strings_) {}

void Shell::Start() {
    ReloadPreferences();
    // Only start-up takes the last file as the current one: a later re-read
    // must never give the template in memory another file's name.
    if (ShouldPreloadLastFile(preferences_)) doc_.fileName = preferences_.lastFile;
    languages_ = SearchAndLoadLanguage(programDir_, preferences_.languageName, strings_);
    doc_.FillDeviceTexts();
    doc_.Reset();
    if (ShouldPreloadLastFile(preferences_)) Read(doc_.fileName);
    PlaceWindow();
}

void Shell::OpenFromCommandLine(const std::string& path) {
    doc_.fileName = path;
    Read(path);
    RunEditor();
}

void Shell::OnCommand(int id) {
    switch (id) {
    case IDM_NEW:
        if (!AskToSaveChanges()) return;
        doc_.fileName.clear();
        doc_.Reset();
        RunEditor();
        break;
    case IDM_OPEN:
        if (!AskToSaveChanges()) return;
        doc_.Reset();
        ReloadPreferences();
        PlaceWindow();
        if (Open()) RunEditor();
        break;
    case IDM_SAVE:
        if (Save()) doc_.modified = false;
        break;
    case IDM_SAVE_AS:
        if (SaveAs()) doc_.modified = false;
        break;
    case IDM_EDIT:
        RunEditor();
        break;
    case IDM_PREFERENCES: {
        PreferencesDialog dialog(*this);
        host_.RunModal(PREFERENCESDLG_NAME, dialog);
        PlaceWindow();
        break;
    }
    case IDM_ABOUT: {
        AboutDialog dialog(strings_);
        host_.RunModal(ABOUTBOX_NAME, dialog);
        break;
    }
    case IDM_EXIT:
        if (OnCloseRequest()) host_.DestroyWindow();
        break;
    default:
        if (id >= IDM_RECENT_FIRST && id <= IDM_RECENT_LAST) {
            const std::size_t index = static_cast<std::size_t>(id - IDM_RECENT_FIRST);
            if (index >= recent_.entries.size()) return;
            doc_.fileName = recent_.entries[index];
            Read(doc_.fileName);
            RunEditor();
        }
        break;
    }
}

bool Shell::OnCloseRequest() { return AskToSaveChanges(); }

void Shell::ReloadPreferences() {
    IniContents contents;
    ReadPreferences(iniPath(), contents);
    preferences_ = contents.preferences;
    recent_ = contents.recent;
    // Entries whose files have gone are dropped now, so the menu follows.
    host_.RecentFilesChanged();
}

void Shell::ApplyPreferences(const Preferences& chosen) {
    preferences_ = chosen;
    WritePreferences(iniPath(), preferences_, recent_);
    strings_.SetLanguageActive(LoadChosenLanguage(languages_, preferences_.languageName, strings_.table()));
    doc_.FillDeviceTexts();
    host_.MenuTextsChanged();
}

bool Shell::AskToSaveChanges() {
    if (!doc_.modified) return true;
    char text[160], title[160];
    strings_.LoadUiString(kMsgSavePrompt, text, sizeof text);
    strings_.LoadUiString(kProductNameId, title, sizeof title);
    const Answer answer = host_.Message(text, title, Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Yes && Save()) doc_.modified = false;
    return answer != Answer::Cancel;
}

bool Shell::Save() {
    if (doc_.fileName.empty()) return SaveAs();
    return WriteTo(doc_.fileName);
}

bool Shell::SaveAs() {
    const std::optional<std::string> path = host_.ChooseFileToSave();
    if (!path) return false;
    doc_.fileName = *path;
    return WriteTo(*path);
}

bool Shell::WriteTo(const std::string& path) {
    if (!WriteTemplateFile(doc_, path)) {
        ShowMessageById(host_, strings_, kTitleError, kMsgCannotSave);
        return false;
    }
    RememberCurrentFile();
    return true;
}

bool Shell::Open() {
    const std::string start = doc_.fileName;
    // The reset template belongs to no file until the user picks one.
    doc_.fileName.clear();
    const std::optional<std::string> path = host_.ChooseFileToOpen(start);
    if (!path) return false;
    doc_.fileName = *path;
    return Read(*path);
}

bool Shell::Read(const std::string& path) {
    const LoadResult result = ReadTemplateFile(doc_, path);
    if (result == LoadResult::Loaded) {
        RememberCurrentFile();
        return true;
    }
    // A file that did not load must not be overwritten by the next Save.
    doc_.fileName.clear();
    if (const int message = RefusalMessageId(result)) ShowMessageById(host_, strings_, kTitleError, message);
    return false;
}

void Shell::RememberCurrentFile() {
    UpdateRecentFiles(preferences_, recent_, doc_.fileName);
    WritePreferences(iniPath(), preferences_, recent_);
    host_.RecentFilesChanged();
}

void Shell::RunEditor() {
    EditorSession session(doc_, strings_);
    host_.RunPropertySheet(session.spec());
}

void Shell::PlaceWindow() { host_.PlaceWindow(preferences_.alwaysOnTop); }

}  // namespace fw
