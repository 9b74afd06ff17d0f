// Drives a real formwright.exe from another process: a fresh program folder
// with a copy of the executable, the process itself, and the window lookups,
// messages and input that play the user.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace fw::wine {

// The executable under test, set by main from --designer= or FW_DESIGNER_EXE.
std::string& DesignerExe();

using Milliseconds = std::chrono::milliseconds;
// Program starts and first dialogs under Wine can take several seconds.
constexpr Milliseconds kPatience{30000};

// Calls probe every 50 ms until it gives a true value or the time is up;
// returns the last value.
template <class Probe>
auto WaitFor(Probe probe, Milliseconds timeout = kPatience) -> decltype(probe()) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto result = probe();
        if (result || std::chrono::steady_clock::now() >= end) return result;
        Sleep(50);
    }
}

// ---- Windows of another process -------------------------------------------

std::string ClassOf(HWND hwnd);
// A control's text, through WM_GETTEXT, which the system carries across
// processes.
std::string TextOf(HWND hwnd);
// A window's caption as the system keeps it, without asking its process.
std::string TitleOf(HWND hwnd);
// Of one process, or of every process for 0.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);
// A visible top-level window of the process with this class and exact
// title; nullptr when there is none.
HWND FindTopLevel(DWORD processId, const char* className, const std::string& title);
HWND WaitForTopLevel(DWORD processId, const char* className, const std::string& title);
// The first descendant for which accept is true, depth first.
HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& accept);
// A descendant dialog that holds a control with this id (a page of a sheet).
HWND FindChildDialogWith(HWND parent, int controlId);
bool WaitUntilGone(HWND hwnd, Milliseconds timeout = kPatience);

// SendMessage that gives up instead of hanging the run on a stuck program.
LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
void SetText(HWND hwnd, const std::string& text);
// A key pressed and released as the keyboard would, with a modifier
// (VK_CONTROL, VK_SHIFT) held when one is given.
void PressKey(WORD key, WORD modifier = 0);
// The window with the keyboard focus in the thread that owns `window`.
HWND FocusOf(HWND window);

// ---- The program ----------------------------------------------------------

// A program folder of its own with formwright.exe in it, so the ini and
// language files sit beside the copy; the running process and the folder
// go when the object goes.
class DesignerRun {
public:
    DesignerRun();
    ~DesignerRun();
    DesignerRun(const DesignerRun&) = delete;
    DesignerRun& operator=(const DesignerRun&) = delete;

    std::string PathOf(const std::string& name) const { return folder_ + name; }
    void WriteFile(const std::string& name, const std::string& bytes) const;
    std::string ReadFile(const std::string& name) const;

    // Starts the program with the folder as its current directory; the
    // arguments follow the quoted program path. False when it cannot start.
    bool Start(const std::string& arguments = "");
    bool running() const;
    DWORD processId() const { return info_.dwProcessId; }
    // The main window once it is visible; nullptr after the timeout.
    HWND WaitForMainWindow();
    // True with the exit code when the program ended within the time.
    bool WaitForExit(DWORD& exitCode, Milliseconds timeout = kPatience);
    // Closes every visible top-level window of the program except those
    // named, innermost first, so a failed test leaves no dialog behind.
    void CancelDialogsExcept(const std::vector<HWND>& keep);

private:
    void Stop();

    std::string folder_;
    PROCESS_INFORMATION info_{};
};

}  // namespace fw::wine
