// The main window: the borderless terminal-shaped pop-up that owns the
// device face, runs the shell's commands and supplies its dialogs.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "app/device_face_win32.h"
#include "app/popup_menu_win32.h"
#include "app/preview_window_win32.h"
#include "app/shell.h"
#include "strings/resource_strings_win32.h"

namespace fw {

constexpr const char* kMainClassName = "QELTAR";
constexpr const char* kMainWindowTitle = "Formwright";
constexpr int kMainWindowX = 100;
constexpr int kMainWindowY = 50;
constexpr int kMainWindowWidth = 251;
constexpr int kMainWindowHeight = 592;

class MainWindow final : public ShellHost {
public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;

    // The window procedure of the "QELTAR" class. CreateWindow's parameter
    // is the MainWindow.
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // A file named on the command line; opened once the window is shown and
    // the message loop runs.
    void OpenLater(HWND hwnd, const std::string& path);

    // The preview panel's keyboard navigation; true when the message was its.
    bool TranslatePreviewMessage(MSG& message) { return preview_ && preview_->TranslatePanelMessage(message); }

    // ShellHost
    Answer Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override;
    std::optional<std::string> ChooseFileToSave() override;
    std::optional<std::string> ChooseFileToOpen(const std::string& start) override;
    int RunModal(const char* templateName, DialogHandler& handler) override;
    void RunPropertySheet(const SheetSpec& sheet) override;
    void PlaceWindow(bool topmost) override;
    void RecentFilesChanged() override;
    void MenuTextsChanged() override;
    void DestroyWindow() override;

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void OnClose();
    void OnDestroy();
    void RunCommand(int id);
    // The template's start screen on the face while nothing plays.
    void ShowTemplateOnFace();
    void TogglePreview();
    void EndPreview();
    void StopPreview();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    ResourceStringTable builtinStrings_;
    std::unique_ptr<Shell> shell_;
    PopupMenu menu_;
    std::unique_ptr<DeviceFace> face_;
    std::unique_ptr<PreviewWindow> preview_;  // while the face plays the template
    std::string commandLinePath_;
};

}  // namespace fw
