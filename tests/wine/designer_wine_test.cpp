// The real formwright.exe under Wine (or Windows): its resources as the
// system loads them, and the program itself driven from outside through its
// windows. Run with --designer=PATH or FW_DESIGNER_EXE naming the program.
//
// The native tests build fake dialogs from the same dialog templates and fail
// whenever the page and dialog logic touches a control id the template lacks
// (tests/support/fake_dialog.h). The template checks here close the other
// half: every template loads into a real dialog in which each of its
// controls exists with its class, so the ids that logic was tested against
// are there in the program too.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/app_ids.h"
#include "app/device_face.h"
#include "grid/grid_ids.h"
#include "pages/form/form_ids.h"
#include "strings/string_source.h"
#include "ui/dialog_template.h"
#include "wine/designer_driver.h"
#include "wine/designer_session.h"

namespace fw::wine {
namespace {

bool SameClass(const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) == 0; }

INT_PTR CALLBACK InertDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

class ExeResources : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(module(), nullptr) << "cannot load " << DesignerExe(); }
    static HMODULE module() { return ExeResourceModule(); }
};

TEST_F(ExeResources, StringTableHoldsTheCompiledTexts) {
    const CompiledStringTable compiled;
    int mismatches = 0;
    int texts = 0;
    for (int id = 0; id < 5000; ++id) {
        char loaded[4096] = "";
        LoadStringA(module(), static_cast<UINT>(id), loaded, sizeof loaded);
        const std::string expected = compiled.Get(id);
        if (!expected.empty()) ++texts;
        if (expected != loaded && ++mismatches <= 10)
            ADD_FAILURE() << "string " << id << ": resource \"" << loaded << "\", compiled \"" << expected << "\"";
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(texts, 1000);  // the table is there at all
}

TEST_F(ExeResources, IconAndFaceBitmapsLoad) {
    EXPECT_NE(FindResourceA(module(), QELTAR_ICON_NAME, RT_GROUP_ICON), nullptr);
    for (int id = IDB_FACE; id <= IDB_KEY_PRESSED_LAST; ++id) {
        HBITMAP bitmap = LoadBitmapA(module(), MAKEINTRESOURCEA(id));
        EXPECT_NE(bitmap, nullptr) << "bitmap " << id;
        if (bitmap) DeleteObject(bitmap);
    }
}

TEST_F(ExeResources, EveryDialogTemplateOpensWithItsControls) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Property-sheet pages are child templates and need a parent.
    HWND host = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(host, nullptr);

    const std::vector<std::string> names = DialogNames(module());
    EXPECT_GE(names.size(), 13u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const auto bytes = ResourceBytes(module(), name.c_str(), RT_DIALOG);
        ASSERT_FALSE(bytes.empty());
        const DialogTemplate parsed = ParseDialogTemplate(bytes);
        EXPECT_TRUE(parsed.complete);
        const bool child = (parsed.style & WS_CHILD) != 0;
        HWND dialog = CreateDialogIndirectParamA(module(), reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
                                                 child ? host : nullptr, InertDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << "error " << GetLastError();
        EXPECT_EQ(TitleOf(dialog), parsed.title);
        int children = 0;
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++children;
        EXPECT_EQ(children, static_cast<int>(parsed.controls.size()));
        for (const DialogControl& control : parsed.controls) {
            if (control.id == -1) continue;
            HWND hwnd = GetDlgItem(dialog, control.id);
            if (!hwnd) {
                ADD_FAILURE() << "control " << control.id << " (" << control.className << ") not created";
                continue;
            }
            EXPECT_TRUE(SameClass(ClassOf(hwnd), control.className))
                << "control " << control.id << " is a " << ClassOf(hwnd) << ", template says "
                << control.className;
        }
        DestroyWindow(dialog);
    }
    DestroyWindow(host);
}

// ---- The program: start-up, keys, menus, the sheet, Save As and the save prompt ----

// One program for the suite, started again when a test has ended it. Its ini
// asks for the window on top.
class DesignerShell : public testing::Test {
protected:
    static constexpr const char* kIni = "Unknow\r0\r1\r0\r";
    static void TearDownTestSuite() { run_.reset(); }
    void SetUp() override {
        if (!run_ || !run_->running() || !IsWindow(main_)) {
            run_ = std::make_unique<DesignerRun>();
            run_->WriteFile("QELTAR.ini", kIni);
            main_ = run_->Start() ? run_->WaitForMainWindow() : nullptr;
        }
        ASSERT_NE(main_, nullptr) << "no visible window of class QELTAR titled Formwright";
    }
    // A failed test may leave a question no Cancel answers: then the next
    // test starts a new program.
    void TearDown() override {
        if (!run_->running()) return;
        run_->CancelDialogsExcept({main_});
        if (VisibleTopLevelWindows(pid()).size() > 1) run_.reset();
    }

    DesignerRun& run() { return *run_; }
    HWND main() { return main_; }
    DWORD pid() { return run_->processId(); }

    // The editor sheet, whatever file its caption names.
    HWND WaitForSheet(Milliseconds timeout = kPatience) {
        return WaitFor(
            [this]() -> HWND {
                for (HWND hwnd : VisibleTopLevelWindows(pid()))
                    if (ClassOf(hwnd) == kDialogClass && TitleOf(hwnd).starts_with("Formwright - [ ")) return hwnd;
                return nullptr;
            },
            timeout);
    }

    HWND OpenSheetWithCtrlE() {
        // A second try only when the keys reached nothing at all.
        for (int attempt = 0; attempt < 2; ++attempt) {
            SetForegroundWindow(main());
            WaitFor([this] { return GetForegroundWindow() == main(); }, Milliseconds(3000));
            PressKey('E', VK_CONTROL);
            if (HWND sheet = WaitForSheet(Milliseconds(10000))) return sheet;
            if (VisibleTopLevelWindows(pid()).size() > 1) break;
        }
        ADD_FAILURE() << "Ctrl+E opened no sheet";
        return nullptr;
    }

    // The sheet opened by Edit, and its Form page once it has filled its lists.
    HWND OpenFormPage(HWND& sheet) {
        PostCommand(main(), IDM_EDIT);
        sheet = WaitForSheet();
        HWND page = sheet ? WaitFor([&] { return FindChildDialogWith(sheet, IDC_FORM_ID_LIST); }) : nullptr;
        if (page) Send(page, WM_NULL);
        return page;
    }

    HWND WaitForQuestion() {
        return WaitFor([this] { return FindTopLevel(pid(), kDialogClass, "Warning"); }, Milliseconds(10000));
    }

    // Cancel on a changed sheet, and Yes to the question it asks.
    bool DiscardSheet(HWND sheet) {
        PostCommand(sheet, IDCANCEL);
        HWND asked = WaitForQuestion();
        if (asked) PostCommand(asked, IDYES);
        return asked && WaitUntilGone(sheet);
    }

    static std::unique_ptr<DesignerRun> run_;
    static HWND main_;
};
std::unique_ptr<DesignerRun> DesignerShell::run_;
HWND DesignerShell::main_ = nullptr;

TEST_F(DesignerShell, StartsAsTerminalShapedPopupAtItsPlaceOnTopAsTheIniAsks) {
    RECT frame;
    GetWindowRect(main(), &frame);
    EXPECT_EQ((std::array{frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top}),
              (std::array<LONG, 4>{100, 50, 251, 592}));
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(main(), GWL_STYLE));
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION) << "no caption, no border";
    EXPECT_TRUE(WaitFor([this] { return (GetWindowLongPtrA(main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; },
                        Milliseconds(5000)));

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(main(), region), COMPLEXREGION);
    for (POINT corner : {POINT{0, 0}, POINT{250, 0}, POINT{0, 591}, POINT{250, 591}})
        EXPECT_FALSE(PtInRegion(region, corner.x, corner.y)) << corner.x << "," << corner.y;
    EXPECT_TRUE(PtInRegion(region, 125, 296));
    DeleteObject(region);

    HWND face = GetDlgItem(main(), IDC_DEVICE_FACE);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(ClassOf(face), "Client");
    RECT faceFrame;
    GetWindowRect(face, &faceFrame);
    EXPECT_TRUE(EqualRect(&faceFrame, &frame));
}

// A changed sheet asks before Esc drops the changes; Enter answers No, the
// question's default, and the sheet stays. A number box corrects what is
// typed through the real change notifications: emptied, it shows 0 with the
// caret behind it, so the next keys make a new number.
TEST_F(DesignerShell, CtrlEOpensTheSheetModallyEscAsksBeforeDroppingChangesAndANumberBoxKeepsTheCaret) {
    HWND sheet = OpenSheetWithCtrlE();
    ASSERT_NE(sheet, nullptr);
    // Modal: the main window takes no commands while the sheet is open.
    EXPECT_FALSE(IsWindowEnabled(main()));
    HWND page = WaitFor([&] { return FindChildDialogWith(sheet, IDC_FORM_ID_LIST); });
    ASSERT_GE(ChooseEntry(page, IDC_FORM_DATATYPE_FIRST, "text"), 0);
    PressKey(VK_ESCAPE);
    HWND asked = WaitForQuestion();
    ASSERT_NE(asked, nullptr) << "Esc asked nothing";
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntilGone(asked));
    EXPECT_TRUE(IsWindowVisible(sheet)) << "No keeps the sheet";

    EXPECT_EQ(TypedKeys(page, IDC_FORM_MAX_FIRST, "\b20"), "20");
    EXPECT_TRUE(DiscardSheet(sheet));
    EXPECT_TRUE(WaitFor([this] { return IsWindowEnabled(main()) != FALSE; }));
}

// The prefix box takes its codes only from the grid: a click or F4 opens
// it, typing changes nothing. The grid takes the keys: the dialog's own
// Enter and Tab go to the cells and the buttons as the grid means them to.
TEST_F(DesignerShell, PrefixBoxOpensTheGridOnAClickOrF4AndTheGridWorksFromTheKeyboard) {
    HWND sheet = nullptr;
    HWND page = OpenFormPage(sheet);
    ASSERT_NE(page, nullptr) << "Edit opened no Form page";
    ASSERT_GE(ChooseEntry(page, IDC_FORM_DATATYPE_FIRST, "text"), 0);
    PostMessageA(GetDlgItem(page, IDC_FORM_MORE_FIRST), BM_CLICK, 0, 0);
    HWND dialog = WaitForTopLevel(pid(), kDialogClass, TemplateTitle(FORMPROPERTIESDLG_NAME));
    ASSERT_NE(dialog, nullptr) << "no field properties dialog";

    HWND prefixBox = GetDlgItem(dialog, IDC_FPROP_PREFIX_EDIT);
    Send(GetDlgItem(dialog, IDC_FPROP_PREFIX), BM_CLICK);
    PostMessageA(prefixBox, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageA(prefixBox, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    HWND grid = WaitForTopLevel(pid(), kDialogClass, "The Grid Control");
    ASSERT_NE(grid, nullptr) << "a click in the prefix box opened no grid";
    CancelDialog(grid);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the grid closed its owner";

    EXPECT_EQ(TypedKeys(dialog, IDC_FPROP_PREFIX_EDIT, "ab"), "");
    PostMessageA(prefixBox, WM_KEYDOWN, VK_F4, 1);
    grid = WaitForTopLevel(pid(), kDialogClass, "The Grid Control");
    ASSERT_NE(grid, nullptr) << "F4 in the prefix box opened no grid";
    HWND cells = GetDlgItem(grid, IDC_GRID_CELLS);
    EXPECT_TRUE(WaitFor([&] { return FocusOf(grid) == cells; }, Milliseconds(5000))) << "the cells have no focus";
    const auto key = [](HWND to, WPARAM k) { PostMessageA(to, WM_KEYDOWN, k, 1); };
    key(cells, VK_DOWN);  // SP to "!"
    key(cells, VK_SPACE);
    PostMessageA(cells, WM_CHAR, 'z', 1);
    key(cells, VK_RETURN);
    key(cells, VK_TAB);
    EXPECT_TRUE(WaitFor([&] { return FocusOf(grid) == GetDlgItem(grid, IDC_GRID_CLEAR); }, Milliseconds(5000)));
    key(GetDlgItem(grid, IDC_GRID_CLEAR), VK_TAB);
    EXPECT_TRUE(WaitFor([&] { return FocusOf(grid) == GetDlgItem(grid, IDOK); }, Milliseconds(5000)));
    key(GetDlgItem(grid, IDOK), VK_RETURN);
    EXPECT_TRUE(WaitUntilGone(grid));
    EXPECT_EQ(ControlText(dialog, IDC_FPROP_PREFIX_EDIT), "! z ");
    CancelDialog(dialog);
    EXPECT_TRUE(DiscardSheet(sheet));
}

TEST_F(DesignerShell, ShiftF10OpensThePopUpMenuAtTheMenuKey) {
    SetForegroundWindow(main());
    WaitFor([this] { return GetForegroundWindow() == main(); }, Milliseconds(3000));
    PressKey(VK_F10, VK_SHIFT);
    HWND menu = WaitForTopLevel(pid(), "#32768", "");
    ASSERT_NE(menu, nullptr) << "Shift+F10 opened no menu";
    RECT frame, menuFrame;
    GetWindowRect(main(), &frame);
    GetWindowRect(menu, &menuFrame);
    EXPECT_EQ(menuFrame.left, frame.left + kMenuKeyLeft);
    EXPECT_EQ(menuFrame.top, frame.top + kMenuKeyTop);
    PostMessageA(main(), WM_CANCELMODE, 0, 0);
    EXPECT_TRUE(WaitUntilGone(menu));
}

TEST_F(DesignerShell, SaveAsWritesTheTemplateAndTheIni) {
    PostCommand(main(), IDM_SAVE_AS);
    // The file name box: an edit of its own (edt1, 1152), or the edit inside
    // the file name combo box (cmb13, 1148), which may carry the combo's id.
    auto isNameBox = [](HWND c) {
        if (!SameClass(ClassOf(c), "Edit") || !IsWindowVisible(c)) return false;
        const int id = GetDlgCtrlID(c);
        HWND parent = GetParent(c);
        return id == 1148 || id == 1152 || GetDlgCtrlID(parent) == 1148 || GetDlgCtrlID(GetParent(parent)) == 1148;
    };
    HWND nameBox = nullptr;
    HWND saveDialog = WaitFor([&] {
        for (HWND hwnd : VisibleTopLevelWindows(pid()))
            if (hwnd != main() && (nameBox = FindDescendant(hwnd, isNameBox))) return hwnd;
        return HWND{};
    });
    ASSERT_NE(saveDialog, nullptr) << "no Save dialog";
    const std::string path = run().PathOf("saved.QLT");
    SetText(nameBox, path);
    PostMessageA(saveDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(saveDialog, IDOK)));
    ASSERT_TRUE(WaitUntilGone(saveDialog));
    // Answered once the command that saved has returned.
    Send(main(), WM_NULL);

    // The ini names the file, keeps the window on top and lists the file.
    const std::string expectedIni = path + "\r0\r1\r0\r" + path + "\r";
    EXPECT_TRUE(WaitFor([&] { return run().ReadFile("QELTAR.ini") == expectedIni; }, Milliseconds(10000)));
    EXPECT_EQ(run().ReadFile("QELTAR.ini"), expectedIni);
    const std::string saved = run().ReadFile("saved.QLT");
    EXPECT_EQ(saved.size(), 154309u);
    EXPECT_EQ(saved.substr(0, 20), std::string("QELTAR-01000100\0\0\0\0\0", 20));
}

// Edit and OK: the pages apply, which marks the template modified.
TEST_F(DesignerShell, ExitWithUnsavedChangesAndNoEndsTheProgram) {
    HWND sheet = nullptr;
    ASSERT_NE(OpenFormPage(sheet), nullptr) << "Edit opened no sheet";
    PostCommand(sheet, IDOK);
    ASSERT_TRUE(WaitUntilGone(sheet));
    PostCommand(main(), IDM_EXIT);
    HWND prompt = WaitForTopLevel(pid(), kDialogClass, "Varnok Formwright");
    ASSERT_NE(prompt, nullptr) << "no save prompt";
    PostCommand(prompt, IDNO);
    DWORD exitCode = 99;
    ASSERT_TRUE(run().WaitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace fw::wine

// Takes the program's path from --designer=PATH or FW_DESIGNER_EXE.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::string path;
    if (const char* fromEnvironment = std::getenv("FW_DESIGNER_EXE")) path = fromEnvironment;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--designer=", 11) == 0) path = argv[i] + 11;
    char full[MAX_PATH + 1] = "";
    if (path.empty() || !GetFullPathNameA(path.c_str(), sizeof full, full, nullptr) ||
        GetFileAttributesA(full) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "designer_wine_tests: name formwright.exe with --designer=PATH or FW_DESIGNER_EXE\n");
        return 2;
    }
    fw::wine::DesignerExe() = full;
    return RUN_ALL_TESTS();
}
