#include "wine/designer_driver.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace fw::wine {

constexpr UINT kSendTimeoutMs = 5000;

std::string& DesignerExe() {
    static std::string path;
    return path;
}

std::string ClassOf(HWND hwnd) {
    char name[256] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string TextOf(HWND hwnd) {
    char text[1024] = "";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kSendTimeoutMs,
                        &ignored);
    return text;
}

std::string TitleOf(HWND hwnd) {
    char text[512] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId) {
    using Search = std::pair<DWORD, std::vector<HWND>>;  // the process, the windows found
    Search search{processId, {}};
    // One calling convention on x86-64: a plain lambda is a window callback.
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto& [wanted, windows] = *reinterpret_cast<Search*>(lParam);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if ((wanted == 0 || owner == wanted) && IsWindowVisible(hwnd)) windows.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

HWND FindTopLevel(DWORD processId, const char* className, const std::string& title) {
    for (HWND hwnd : VisibleTopLevelWindows(processId))
        if (ClassOf(hwnd) == className && TitleOf(hwnd) == title) return hwnd;
    return nullptr;
}

HWND WaitForTopLevel(DWORD processId, const char* className, const std::string& title) {
    return WaitFor([&] { return FindTopLevel(processId, className, title); });
}

HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& accept) {
    using Search = std::pair<const std::function<bool(HWND)>*, HWND>;  // the test, the window found
    Search search{&accept, nullptr};
    // EnumChildWindows walks every level below the parent.
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto& [test, found] = *reinterpret_cast<Search*>(lParam);
            if ((*test)(hwnd)) found = hwnd;
            return !found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

HWND FindChildDialogWith(HWND parent, int controlId) {
    return FindDescendant(parent, [controlId](HWND hwnd) {
        return ClassOf(hwnd) == "#32770" && GetDlgItem(hwnd, controlId) != nullptr;
    });
}

bool WaitUntilGone(HWND hwnd, Milliseconds timeout) {
    return WaitFor([hwnd] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); }, timeout);
}

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

void SetText(HWND hwnd, const std::string& text) { Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

void PressKey(WORD key, WORD modifier) {
    INPUT inputs[4]{};
    const WORD keys[4] = {modifier, key, key, modifier};
    UINT count = 0;
    for (int i = 0; i < 4; ++i) {
        if (keys[i] == 0) continue;
        INPUT& input = inputs[count++];
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = keys[i];
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(keys[i], MAPVK_VK_TO_VSC));
        input.ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(count, inputs, sizeof(INPUT));
}

// ---- DesignerRun --------------------------------------------------------------

DesignerRun::DesignerRun() {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH + 1] = "";
    GetTempPathA(sizeof temp, temp);
    folder_ = std::string(temp) + "fwdesigner-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(GetTickCount()) + "-" + std::to_string(counter++) + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    CopyFileA(DesignerExe().c_str(), PathOf("formwright.exe").c_str(), FALSE);
}

DesignerRun::~DesignerRun() {
    Stop();
    // The system may hold the executable's image a moment after the end.
    for (int attempt = 0; attempt < 50; ++attempt) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        if (GetFileAttributesA(folder_.c_str()) == INVALID_FILE_ATTRIBUTES) break;
        Sleep(100);
    }
}

void DesignerRun::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string DesignerRun::ReadFile(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool DesignerRun::Start(const std::string& arguments) {
    Stop();
    const std::string exe = PathOf("formwright.exe");
    std::string commandLine = "\"" + exe + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                          &startup, &info_) != FALSE;
}

bool DesignerRun::running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND DesignerRun::WaitForMainWindow() {
    // The window shows during its own creation, before its device face
    // exists: wait until the program has reached its message loop.
    WaitForInputIdle(info_.hProcess, static_cast<DWORD>(kPatience.count()));
    HWND main = WaitForTopLevel(processId(), "QELTAR", "Formwright");
    if (main) Send(main, WM_NULL);
    return main;
}

bool DesignerRun::WaitForExit(DWORD& exitCode, Milliseconds timeout) {
    if (!info_.hProcess ||
        WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(info_.hProcess, &exitCode) != FALSE;
}

void DesignerRun::CancelDialogsExcept(const std::vector<HWND>& keep) {
    // Only the innermost modal window is enabled; its owners wait for it.
    for (int round = 0; round < 10; ++round) {
        HWND innermost = nullptr;
        for (HWND hwnd : VisibleTopLevelWindows(processId()))
            if (IsWindowEnabled(hwnd) && std::find(keep.begin(), keep.end(), hwnd) == keep.end()) innermost = hwnd;
        if (!innermost) return;
        PostMessageA(innermost, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        WaitUntilGone(innermost, Milliseconds(5000));
    }
}

void DesignerRun::Stop() {
    if (!info_.hProcess) return;
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    info_ = {};
}

}  // namespace fw::wine
