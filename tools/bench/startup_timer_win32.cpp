// Times a program from its start to the moment its window is painted on the
// screen: starts it, watches one screen pixel inside its window until the
// pixel changes from what the screen showed before, then ends the program.
//   startup_timer PROGRAM X Y [RUNS]
// Prints one line per run with the milliseconds, then the median.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

// Milliseconds until the pixel changes, or -1 after 60 s.
double TimeOneStart(const std::string& program, int x, int y) {
    const COLORREF before = ScreenPixel(x, y);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\"";
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    double elapsed = -1;
    for (;;) {
        QueryPerformanceCounter(&now);
        const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
        if (ScreenPixel(x, y) != before) {
            elapsed = ms;
            break;
        }
        if (ms > 60000) break;
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    Sleep(300);  // let the screen settle back before the next run
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_timer PROGRAM X Y [RUNS]\n");
        return 1;
    }
    const int runs = argc > 4 ? std::atoi(argv[4]) : 5;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = TimeOneStart(argv[1], std::atoi(argv[2]), std::atoi(argv[3]));
        std::printf("run %d: %.0f ms\n", i + 1, ms);
        if (ms >= 0) times.push_back(ms);
    }
    if (times.empty()) return 2;
    std::sort(times.begin(), times.end());
    std::printf("median: %.0f ms\n", times[times.size() / 2]);
    return 0;
}
