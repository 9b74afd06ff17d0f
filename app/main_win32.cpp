// Program entry: the two window classes, the main window and the message loop.
#include <windows.h>

#include <string>

#include "app/app_ids.h"
#include "app/device_face_win32.h"
#include "app/main_window_win32.h"

namespace {

// The path named on the command line, without its quotes.
std::string CommandLinePath(const char* commandLine) {
    std::string path;
    for (const char* c = commandLine ? commandLine : ""; *c; ++c)
        if (*c != '"') path += *c;
    const std::size_t first = path.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return path.substr(first, path.find_last_not_of(" \t") - first + 1);
}

bool RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXA main{};
    main.cbSize = sizeof main;
    main.style = CS_HREDRAW | CS_VREDRAW;
    main.lpfnWndProc = fw::MainWindow::WindowProc;
    main.hInstance = instance;
    main.hIcon = LoadIconA(instance, QELTAR_ICON_NAME);
    // The icon's own small image: left to the system, it is scaled down from
    // the large one while the class is registered, which start-up waits for.
    main.hIconSm = static_cast<HICON>(LoadImageA(instance, QELTAR_ICON_NAME, IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    main.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    main.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1));
    main.lpszClassName = fw::kMainClassName;

    WNDCLASSEXA face = main;
    face.lpfnWndProc = fw::DeviceFace::WindowProc;
    face.hIcon = nullptr;
    face.hIconSm = nullptr;
    face.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    face.lpszClassName = fw::kFaceClassName;

    return RegisterClassExA(&main) && RegisterClassExA(&face);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showState) {
    if (!RegisterClasses(instance)) return 0;

    fw::MainWindow mainWindow(instance);
    HWND hwnd = CreateWindowExA(0, fw::kMainClassName, fw::kMainWindowTitle, WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                                fw::kMainWindowX, fw::kMainWindowY, fw::kMainWindowWidth, fw::kMainWindowHeight,
                                nullptr, nullptr, instance, &mainWindow);
    if (!hwnd) return 0;
    ShowWindow(hwnd, showState);
    UpdateWindow(hwnd);

    const std::string path = CommandLinePath(commandLine);
    if (!path.empty()) mainWindow.OpenLater(hwnd, path);

    // Without the table the program runs on, without its shortcuts.
    HACCEL accelerators = LoadAcceleratorsA(instance, QELTAR_ACCELERATORS_NAME);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (accelerators && TranslateAcceleratorA(hwnd, accelerators, &message)) continue;
        if (mainWindow.TranslatePreviewMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
