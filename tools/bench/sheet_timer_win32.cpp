// Times the editor sheet inside one process: from Edit (the pages' objects
// built) to the sheet painted, then a walk through all five tabs, each page
// painted. The yardstick is the same property-sheet frame holding five empty
// pages, run the same way, in turns with the real one.
//   sheet_timer [RUNS]
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "editor/editor_sheet.h"
#include "editor/property_sheet_win32.h"
#include "strings/string_source.h"
#include "strings/ui_strings.h"
#include "template/template_document.h"
#include "ui/page.h"

namespace {

constexpr UINT kMsgMeasure = WM_APP + 7;

LARGE_INTEGER frequency;

double Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Timing {
    double opened;  // Edit to the first page painted
    double walked;  // the other four pages turned to and painted
};

// One sheet being timed; the hook finds its window when it is activated.
struct Measurement {
    double start = 0;
    Timing timing{};
    WNDPROC sheetProcedure = nullptr;
    HHOOK hook = nullptr;
};
Measurement* current = nullptr;

void PaintNow(HWND sheet) { RedrawWindow(sheet, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

LRESULT CALLBACK TimedSheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kMsgMeasure) {
        PaintNow(sheet);
        const double opened = Now();
        for (int page = 1; page < 5; ++page) {
            PropSheet_SetCurSel(sheet, nullptr, page);
            PaintNow(sheet);
        }
        current->timing = {opened - current->start, Now() - opened};
        PropSheet_PressButton(sheet, PSBTN_CANCEL);
        return 0;
    }
    return CallWindowProcA(current->sheetProcedure, sheet, message, wParam, lParam);
}

// The sheet's first activation: it is shown, its first page created. The
// measurement runs from the sheet's own message loop, after the paint
// messages the showing queued.
LRESULT CALLBACK ActivationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current && !current->sheetProcedure) {
        HWND sheet = reinterpret_cast<HWND>(wParam);
        current->sheetProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TimedSheetProc)));
        PostMessageA(sheet, kMsgMeasure, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

Timing TimeSheet(const std::function<void()>& runSheet) {
    Measurement measurement;
    current = &measurement;
    measurement.hook = SetWindowsHookExA(WH_CBT, ActivationHook, nullptr, GetCurrentThreadId());
    measurement.start = Now();
    runSheet();
    UnhookWindowsHookEx(measurement.hook);
    current = nullptr;
    return measurement.timing;
}

class EmptyPage final : public fw::PageHandler {
public:
    void OnInit(fw::Dialog&) override {}
    void OnCommand(fw::Dialog&, int, fw::Notify) override {}
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    QueryPerformanceFrequency(&frequency);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    fw::CompiledStringTable builtin;
    fw::UiStrings strings(builtin);
    fw::TemplateDocument doc(strings);
    doc.FillDeviceTexts();
    doc.Reset();

    const auto runEditor = [&] {
        fw::EditorSession session(doc, strings);
        fw::RunPropertySheet(nullptr, session.spec());
    };
    // The same frame with five pages that fill nothing: the editor's own
    // templates, or a page without controls.
    const auto runFrame = [&](bool withTemplates) {
        return [&, withTemplates] {
            const fw::EditorSession session(doc, strings);
            EmptyPage pages[5];
            fw::SheetSpec spec{session.spec().caption, {}};
            for (int i = 0; i < 5; ++i) {
                const fw::SheetPage& page = session.spec().pages[static_cast<std::size_t>(i)];
                spec.pages.push_back({withTemplates ? page.templateName : "EMPTYPAGEDLG", page.title, &pages[i]});
            }
            fw::RunPropertySheet(nullptr, spec);
        };
    };
    struct Variant {
        const char* name;
        std::function<void()> run;
        std::vector<double> opened, walked;
    };
    Variant variants[] = {
        {"editor sheet", runEditor, {}, {}},
        {"empty pages on the editor's templates", runFrame(true), {}, {}},
        {"empty pages without controls", runFrame(false), {}, {}},
    };

    for (Variant& variant : variants) TimeSheet(variant.run);  // common controls, fonts and templates loaded once
    for (int run = 0; run < runs; ++run) {
        for (Variant& variant : variants) {
            const Timing timing = TimeSheet(variant.run);
            variant.opened.push_back(timing.opened);
            variant.walked.push_back(timing.walked);
        }
    }
    std::printf("medians of %d runs: opened (Edit to the first page painted), walked (the other four tabs)\n", runs);
    double opened[3], total[3];
    for (int i = 0; i < 3; ++i) {
        opened[i] = Median(variants[i].opened);
        total[i] = opened[i] + Median(variants[i].walked);
        std::printf("%-40s opened %6.1f ms, total %6.1f ms\n", variants[i].name, opened[i], total[i]);
    }
    std::printf("ratio editor / empty pages on the editor's templates: opened %.2f, total %.2f\n", opened[0] / opened[1],
                total[0] / total[1]);
    return 0;
}
