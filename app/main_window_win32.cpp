#include "app/main_window_win32.h"

#include <array>
#include <filesystem>

#include "app/app_ids.h"
#include "app/file_dialogs_win32.h"
#include "editor/property_sheet_win32.h"
#include "preview/idle_screen.h"
#include "preview/preview_texts.h"
#include "ui/win32_dialog.h"

namespace fw {
namespace {

// Posted to open the file named on the command line once the loop runs.
constexpr UINT kMsgOpenCommandLine = WM_APP + 1;
// Posted when the preview ends itself, so it is not destroyed from within.
constexpr UINT kMsgStopPreview = WM_APP + 2;

// The terminal's outline in client pixels; (249, 542) is listed twice and
// the last point closes the polygon.
constexpr std::array<POINT, 28> kOutline = {{
    {2, 40},    {9, 24},    {14, 18},   {22, 16},   {28, 12},   {39, 10},   {125, 1},
    {212, 10},  {223, 12},  {229, 16},  {237, 18},  {242, 24},  {249, 40},  {249, 542},
    {249, 542}, {242, 558}, {237, 564}, {229, 566}, {223, 570}, {212, 572}, {125, 581},
    {39, 572},  {28, 570},  {22, 566},  {14, 564},  {9, 558},   {2, 542},   {2, 40},
}};

constexpr int kFilterNameId = 21;     // "Formwright Files for Varnok (*.QLT)"
constexpr int kAllFilesNameId = 22;   // "All files (*.*)"
constexpr int kFilterPatternId = 26;  // "*.QLT"
constexpr int kAllFilesPatternId = 27;  // "*.*"

// The folder of the program, with its trailing backslash.
std::filesystem::path ProgramDirectory() {
    char path[MAX_PATH + 1] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory = path;
    directory.erase(directory.find_last_of('\\') + 1);
    return directory;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance), builtinStrings_(instance), menu_(instance) {}

MainWindow::~MainWindow() = default;

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<MainWindow*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
    return window->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_COMMAND:
        RunCommand(LOWORD(wParam));
        return 0;
    case kMsgOpenCommandLine:
        if (!commandLinePath_.empty()) shell_->OpenFromCommandLine(commandLinePath_);
        commandLinePath_.clear();
        ShowTemplateOnFace();
        if (preview_) preview_->TemplateMayHaveChanged(shell_->document());
        return 0;
    case kMsgStopPreview:
        EndPreview();
        return 0;
    case WM_MOVE:
        if (preview_) preview_->PlacePanel();
        return 0;
    case WM_SETFOCUS:
        // The face takes the keys while it plays the template.
        if (preview_) SetFocus(GetDlgItem(hwnd_, IDC_DEVICE_FACE));
        return 0;
    case WM_CONTEXTMENU:
        // Shift+F10 or the menu key: the keyboard's way to the pop-up menu,
        // which the face opens at its menu key.
        if (lParam == -1) SendMessageA(GetDlgItem(hwnd_, IDC_DEVICE_FACE), WM_CONTEXTMENU, wParam, lParam);
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void MainWindow::OnCreate() {
    // The window takes the region over and deletes it itself.
    HRGN outline = CreatePolygonRgn(kOutline.data(), static_cast<int>(kOutline.size()), WINDING);
    SetWindowRgn(hwnd_, outline, TRUE);

    shell_ = std::make_unique<Shell>(*this, builtinStrings_, ProgramDirectory());
    shell_->Start();

    face_ = std::make_unique<DeviceFace>(hwnd_, menu_, [this] {
        menu_.Rebuild(shell_->strings(), shell_->recentFiles());
    });
    ShowTemplateOnFace();
    CreateWindowExA(0, kFaceClassName, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, kMainWindowWidth, kMainWindowHeight,
                    hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_DEVICE_FACE)), instance_, face_.get());
}

void MainWindow::OnClose() {
    if (preview_ && !preview_->MayEnd(*this)) return;
    if (shell_->OnCloseRequest()) DestroyWindow();
}

void MainWindow::OnDestroy() {
    StopPreview();
    menu_.Destroy();
    PostQuitMessage(0);
}

void MainWindow::RunCommand(int id) {
    if (id == IDM_PREVIEW) {
        TogglePreview();
        return;
    }
    if (id == IDM_EXIT && preview_ && !preview_->MayEnd(*this)) return;
    if (preview_) preview_->EnablePanel(false);
    shell_->OnCommand(id);
    if (!IsWindow(hwnd_)) return;  // Exit
    ShowTemplateOnFace();
    // The command may have edited, opened or replaced the template; a save
    // only prepares it as the preview has.
    if (!preview_) return;
    preview_->EnablePanel(true);
    if (id == IDM_SAVE || id == IDM_SAVE_AS) preview_->TemplateSaved(shell_->document());
    else preview_->TemplateMayHaveChanged(shell_->document());
}

void MainWindow::TogglePreview() {
    if (preview_) {
        EndPreview();
        return;
    }
    preview_ = std::make_unique<PreviewWindow>(hwnd_, GetDlgItem(hwnd_, IDC_DEVICE_FACE), shell_->document(),
                                               [this] { PostMessageA(hwnd_, kMsgStopPreview, 0, 0); });
    face_->SetScreen(preview_.get());
    menu_.Check(IDM_PREVIEW, true);
}

// The user's way out of the preview: records not yet exported are asked
// for, and the keys go back to the main window, so its shortcuts work again.
void MainWindow::EndPreview() {
    if (!preview_ || !preview_->MayEnd(*this)) return;
    StopPreview();
    SetActiveWindow(hwnd_);
    SetFocus(hwnd_);
}

void MainWindow::StopPreview() {
    if (!preview_) return;
    face_->SetScreen(nullptr);
    preview_.reset();
    menu_.Check(IDM_PREVIEW, false);
}

void MainWindow::ShowTemplateOnFace() {
    face_->SetIdleScreen(IdleScreen(shell_->document()), shell_->strings().Text(kTextIdleHint));
}

void MainWindow::OpenLater(HWND hwnd, const std::string& path) {
    commandLinePath_ = path;
    PostMessageA(hwnd, kMsgOpenCommandLine, 0, 0);
}

Answer MainWindow::Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
    // The window the user looks at: the sheet or a dialog when one is open.
    HWND owner = GetActiveWindow();
    return ShowMessageBox(owner ? owner : hwnd_, text, title, buttons, icon);
}

std::optional<std::string> MainWindow::ChooseFileToSave() {
    const std::string filter = FileFilter(shell_->strings(), {{kFilterNameId, kFilterPatternId}});
    return RunFileDialog(hwnd_, {"GetSaveFileNameA", filter, {}, CurrentDirectory(), "QLT",
                                 OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST});
}

std::optional<std::string> MainWindow::ChooseFileToOpen(const std::string& start) {
    const std::string filter =
        FileFilter(shell_->strings(), {{kFilterNameId, kFilterPatternId}, {kAllFilesNameId, kAllFilesPatternId}});
    // From the current file's folder when there is one.
    const std::size_t slash = start.find_last_of('\\');
    const std::string folder = start.empty()                   ? CurrentDirectory()
                               : slash == std::string::npos ? std::string()
                                                            : start.substr(0, slash + 1);
    return RunFileDialog(hwnd_, {"GetOpenFileNameA", filter, start, folder, "FWX",
                                 OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST});
}

int MainWindow::RunModal(const char* templateName, DialogHandler& handler) {
    return RunModalDialog(hwnd_, templateName, handler);
}

void MainWindow::RunPropertySheet(const SheetSpec& sheet) { fw::RunPropertySheet(hwnd_, sheet); }

void MainWindow::PlaceWindow(bool topmost) {
    // While the window is being made, WinMain shows it once it has its face.
    const bool show = face_ != nullptr;
    RECT frame;
    GetWindowRect(hwnd_, &frame);
    const bool placed = frame.left == kMainWindowX && frame.top == kMainWindowY &&
                        frame.right - frame.left == kMainWindowWidth && frame.bottom - frame.top == kMainWindowHeight &&
                        ((GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == topmost &&
                        (!show || IsWindowVisible(hwnd_));
    // Moving a window costs a round trip to the window system even when it
    // stays where it is, as it does at every start without always on top.
    if (placed) return;
    SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, kMainWindowX, kMainWindowY, kMainWindowWidth,
                 kMainWindowHeight, show ? SWP_SHOWWINDOW : 0);
}

void MainWindow::RecentFilesChanged() {
    if (shell_) menu_.ReplaceRecent(shell_->recentFiles());
}

void MainWindow::MenuTextsChanged() {
    if (!shell_) return;
    menu_.Rebuild(shell_->strings(), shell_->recentFiles());
    menu_.Check(IDM_PREVIEW, preview_ != nullptr);
}

void MainWindow::DestroyWindow() {
    menu_.Destroy();
    ::DestroyWindow(hwnd_);
}

}  // namespace fw
