// For the install test: waits for a visible top-level window with exactly
// the given caption, then ends the process that owns it, so the test can
// start the designer through the shell and see what it opened.
//
//   await_window CAPTION [SECONDS]   exit 0: found and ended; 1: not found
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "wine/designer_driver.h"

namespace {

using fw::wine::TitleOf;
using fw::wine::VisibleTopLevelWindows;

HWND FindByTitle(const std::string& title) {
    for (HWND hwnd : VisibleTopLevelWindows(0))
        if (TitleOf(hwnd) == title) return hwnd;
    return nullptr;
}

bool EndOwner(HWND hwnd) {
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process) return false;
    const bool ended = TerminateProcess(process, 0) && WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: await_window CAPTION [SECONDS]\n", stderr);
        return 2;
    }
    const std::string title = argv[1];
    const fw::wine::Milliseconds limit(1000 * (argc > 2 ? std::atoi(argv[2]) : 30));
    if (HWND hwnd = fw::wine::WaitFor([&] { return FindByTitle(title); }, limit)) return EndOwner(hwnd) ? 0 : 1;
    std::fprintf(stderr, "no window \"%s\"; visible windows:\n", title.c_str());
    for (HWND hwnd : VisibleTopLevelWindows(0)) std::fprintf(stderr, "  \"%s\"\n", TitleOf(hwnd).c_str());
    return 1;
}
