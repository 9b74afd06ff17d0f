#include "app/preview_window_win32.h"

#include <commdlg.h>

#include "app/device_face.h"
#include "app/file_dialogs_win32.h"
#include "app/preview_ids.h"
#include "ui/win32_dialog.h"

namespace fw {
namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr int kPanelGap = 8;  // between the face and the panel

constexpr int kTextFilesName = 4332;  // "Text files (*.TXT)"
constexpr int kTextFilesPattern = 4333;
constexpr int kAllFilesName = 22;
constexpr int kAllFilesPattern = 27;

// The keys of the PC keyboard that stand for the terminal's.
bool TerminalKeyOf(WPARAM virtualKey, TerminalKey& key) {
    switch (virtualKey) {
    case VK_RETURN: key = TerminalKey::Enter; return true;
    case VK_ESCAPE: key = TerminalKey::Esc; return true;
    case VK_BACK: key = TerminalKey::Backspace; return true;
    case VK_UP: key = TerminalKey::Up; return true;
    case VK_DOWN: key = TerminalKey::Down; return true;
    case VK_LEFT: key = TerminalKey::Left; return true;
    case VK_RIGHT: key = TerminalKey::Right; return true;
    case VK_F1: key = TerminalKey::F1; return true;
    case VK_F2: key = TerminalKey::F2; return true;
    case VK_F3: key = TerminalKey::F3; return true;
    case VK_F4: key = TerminalKey::F4; return true;
    default: return false;
    }
}

// The screen as the face window's text, a row a line, for whoever reads it
// without looking: screen readers, and the tests of the real program.
std::string ScreenRowsText(const Screen& screen) {
    std::string text;
    for (const ScreenRow& row : screen.rows) {
        const std::size_t end = row.text.find_last_not_of(' ');
        text += (end == std::string::npos ? std::string() : row.text.substr(0, end + 1)) + "\n";
    }
    return text;
}

}  // namespace

PreviewWindow::PreviewWindow(HWND main, HWND face, const TemplateDocument& doc, std::function<void()> onEnded)
    : main_(main), face_(face), onEnded_(std::move(onEnded)),
      recordsFont_(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Lucida Console")),
      session_(doc, *this, LocalMoment) {
    CreateDialogParamA(GetModuleHandleA(nullptr), PREVIEWDLG_NAME, main_, PanelProc, reinterpret_cast<LPARAM>(this));
    PlacePanel();
    ScreenChanged();
}

PreviewWindow::~PreviewWindow() {
    if (panel_) {
        KillTimer(panel_, kTimerId);
        DestroyWindow(panel_);
    }
    DeleteObject(recordsFont_);
    SetWindowTextA(face_, "");
}

INT_PTR CALLBACK PreviewWindow::PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        auto* window = reinterpret_cast<PreviewWindow*>(lParam);
        window->panel_ = hwnd;
        // The record columns line up only in a fixed-pitch font.
        SendDlgItemMessageA(hwnd, IDC_PREVIEW_RECORDS, WM_SETFONT, reinterpret_cast<WPARAM>(window->recordsFont_), FALSE);
    }
    auto* window = reinterpret_cast<PreviewWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window) return FALSE;
    switch (message) {
    case WM_TIMER:
        KillTimer(hwnd, kTimerId);
        window->session_.TimeUp();
        return TRUE;
    case WM_CLOSE:
        window->onEnded_();
        return TRUE;
    case WM_DESTROY:
        window->session_.PanelClosed();
        window->panel_ = nullptr;
        break;
    default:
        break;
    }
    return HandleDialogMessage(hwnd, message, wParam, &window->session_, false).value_or(FALSE);
}

void PreviewWindow::PlacePanel() {
    if (!panel_) return;
    RECT face, panel, work;
    GetWindowRect(main_, &face);
    GetWindowRect(panel_, &panel);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int width = panel.right - panel.left;
    int x = face.right + kPanelGap;
    if (x + width > work.right) x = std::max<int>(work.left, face.left - kPanelGap - width);
    SetWindowPos(panel_, nullptr, x, face.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

bool PreviewWindow::KeyDown(WPARAM virtualKey) {
    TerminalKey key;
    if (!TerminalKeyOf(virtualKey, key)) return false;
    session_.Press(key);
    return true;
}

void PreviewWindow::Character(char c) {
    // Enter, Esc and Backspace arrive as keys as well.
    if (static_cast<unsigned char>(c) >= 0x20) session_.Type(c);
}

void PreviewWindow::ScreenChanged() {
    const RECT lcd{kLcdLeft, kLcdTop, kLcdLeft + kLcdWidth, kLcdTop + kLcdHeight};
    InvalidateRect(face_, &lcd, FALSE);
    SetWindowTextA(face_, ScreenRowsText(session_.preview().screen()).c_str());
}

void PreviewWindow::StartTimer(int ms) {
    if (panel_) SetTimer(panel_, kTimerId, static_cast<UINT>(ms), nullptr);
}

void PreviewWindow::StopTimer() {
    if (panel_) KillTimer(panel_, kTimerId);
}

std::optional<std::string> PreviewWindow::ChooseLookupData() {
    const UiStrings& strings = session_.preview().played().strings();
    const std::string filter =
        FileFilter(strings, {{kTextFilesName, kTextFilesPattern}, {kAllFilesName, kAllFilesPattern}});
    return RunFileDialog(panel_, {"GetOpenFileNameA", filter, {}, CurrentDirectory(), "TXT",
                                  OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST});
}

std::optional<std::string> PreviewWindow::ChooseExportFile(const std::string& name) {
    const UiStrings& strings = session_.preview().played().strings();
    const std::string filter = FileFilter(strings, {{kTextFilesName, kTextFilesPattern}});
    return RunFileDialog(panel_, {"GetSaveFileNameA", filter, name, CurrentDirectory(), "TXT",
                                  OFN_HIDEREADONLY | OFN_PATHMUSTEXIST});
}

}  // namespace fw
