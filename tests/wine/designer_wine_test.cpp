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

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/app_ids.h"
#include "app/device_face.h"
#include "pages/form/form_ids.h"
#include "strings/string_source.h"
#include "template/blocks/reader_block.h"
#include "template/template_document.h"
#include "ui/dialog_template.h"
#include "wine/designer_driver.h"
#include "wine/designer_session.h"

namespace fw::wine {
namespace {

bool SameClass(const std::string& a, const std::string& b) {
    return a.size() == b.size() && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
                                       CSTR_EQUAL;
}

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

    // The headers as stored: each key pair shares its size.
    auto header = [this](int id) {
        BITMAPINFOHEADER info{};
        const auto bytes = ResourceBytes(module(), MAKEINTRESOURCEA(id), RT_BITMAP);
        if (bytes.size() >= sizeof info) std::memcpy(&info, bytes.data(), sizeof info);
        return info;
    };
    for (int id = IDB_FACE; id <= IDB_KEY_PRESSED_LAST; ++id) {
        HBITMAP bitmap = LoadBitmapA(module(), MAKEINTRESOURCEA(id));
        EXPECT_NE(bitmap, nullptr) << "bitmap " << id;
        if (bitmap) DeleteObject(bitmap);
    }
    for (int key = 0; key < 27; ++key) {
        const BITMAPINFOHEADER up = header(IDB_KEY_FIRST + key);
        const BITMAPINFOHEADER down = header(IDB_KEY_PRESSED_FIRST + key);
        EXPECT_GT(up.biWidth, 0) << "key " << key + 1;
        EXPECT_EQ(up.biWidth, down.biWidth) << "key " << key + 1;
        EXPECT_EQ(up.biHeight, down.biHeight) << "key " << key + 1;
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

// ---- Main window, sheet, Save As and the save prompt -------------------------------

class DesignerShell : public testing::Test {
protected:
    static void TearDownTestSuite() { designer_.Reset(); }
    void SetUp() override {
        ASSERT_TRUE(designer_.Ensure(nullptr)) << "no visible window of class QELTAR titled Formwright";
    }
    void TearDown() override { designer_.CancelDialogs(); }

    DesignerRun& run() { return designer_.run(); }
    HWND main() { return designer_.main(); }
    DWORD pid() { return designer_.pid(); }

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

    // Edit and OK: the pages apply, which marks the template modified.
    // Through the command, so the prompt tests do not depend on the
    // accelerators, which have a test of their own.
    void EditAndApply() {
        PostCommand(main(), IDM_EDIT);
        HWND sheet = WaitForSheet();
        ASSERT_NE(sheet, nullptr) << "Edit opened no sheet";
        PostCommand(sheet, IDOK);
        ASSERT_TRUE(WaitUntilGone(sheet));
    }

    HWND WaitForSavePrompt() { return WaitForTopLevel(pid(), kDialogClass, "Varnok Formwright"); }

    static SharedDesigner designer_;
};
SharedDesigner DesignerShell::designer_;

TEST_F(DesignerShell, StartsAsTerminalShapedPopupAtItsPlace) {
    EXPECT_EQ(ClassOf(main()), "QELTAR");
    RECT frame;
    GetWindowRect(main(), &frame);
    EXPECT_EQ(frame.left, 100);
    EXPECT_EQ(frame.top, 50);
    EXPECT_EQ(frame.right - frame.left, 251);
    EXPECT_EQ(frame.bottom - frame.top, 592);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(main(), GWL_STYLE));
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION) << "no caption, no border";
    EXPECT_FALSE(GetWindowLongPtrA(main(), GWL_EXSTYLE) & WS_EX_TOPMOST);

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
// question's default, and the sheet stays.
TEST_F(DesignerShell, CtrlEOpensTheSheetModallyAndEscAsksBeforeDroppingChanges) {
    HWND sheet = OpenSheetWithCtrlE();
    ASSERT_NE(sheet, nullptr);
    // Modal: the main window takes no commands while the sheet is open.
    EXPECT_FALSE(IsWindowEnabled(main()));
    HWND page = WaitFor([&] { return FindChildDialogWith(sheet, IDC_FORM_ID_LIST); });
    ASSERT_GE(ChooseEntry(page, IDC_FORM_DATATYPE_FIRST, "text"), 0);
    const auto question = [this] { return FindTopLevel(pid(), kDialogClass, "Warning"); };
    PressKey(VK_ESCAPE);
    HWND asked = WaitFor(question, Milliseconds(10000));
    ASSERT_NE(asked, nullptr) << "Esc asked nothing";
    EXPECT_TRUE(FindDescendant(asked, [](HWND c) { return TextOf(c) == "Discard the changes made in this sheet?"; }));
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntilGone(asked));
    EXPECT_TRUE(IsWindowVisible(sheet)) << "No keeps the sheet";

    PostCommand(sheet, IDCANCEL);
    asked = WaitFor(question, Milliseconds(10000));
    ASSERT_NE(asked, nullptr);
    PostCommand(asked, IDYES);
    EXPECT_TRUE(WaitUntilGone(sheet));
    EXPECT_TRUE(WaitFor([this] { return IsWindowEnabled(main()) != FALSE; }));
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

TEST_F(DesignerShell, NewThenSaveAsWritesTheTemplateAndTheIni) {
    PostCommand(main(), IDM_NEW);
    HWND sheet = WaitForTopLevel(pid(), kDialogClass, kNewFileCaption);
    ASSERT_NE(sheet, nullptr) << "New opened no sheet";
    PostCommand(sheet, IDCANCEL);
    ASSERT_TRUE(WaitUntilGone(sheet));

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

    const std::string expectedIni = path + "\r0\r0\r0\r" + path + "\r";
    EXPECT_TRUE(WaitFor([&] { return run().ReadFile("QELTAR.ini") == expectedIni; }, Milliseconds(10000)));
    EXPECT_EQ(run().ReadFile("QELTAR.ini"), expectedIni);
    const std::string saved = run().ReadFile("saved.QLT");
    EXPECT_EQ(saved.size(), 154309u);
    EXPECT_EQ(saved.substr(0, 20), std::string("QELTAR-01000100\0\0\0\0\0", 20));

    // The sheet names the file from now on.
    PostCommand(main(), IDM_EDIT);
    sheet = WaitForTopLevel(pid(), kDialogClass, SheetCaption(path));
    ASSERT_NE(sheet, nullptr) << "no sheet titled with the saved path";
    PostCommand(sheet, IDCANCEL);
    EXPECT_TRUE(WaitUntilGone(sheet));
}

TEST_F(DesignerShell, ExitWithUnsavedChangesAndNoEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(EditAndApply());
    PostCommand(main(), IDM_EXIT);
    HWND prompt = WaitForSavePrompt();
    ASSERT_NE(prompt, nullptr) << "no save prompt";
    EXPECT_TRUE(FindDescendant(prompt, [](HWND c) { return TextOf(c) == "Save current program ?"; }));
    PostCommand(prompt, IDNO);
    DWORD exitCode = 99;
    ASSERT_TRUE(run().WaitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(DesignerPreferences, ThirdIniLineMakesTheWindowTopmost) {
    DesignerRun run;
    run.WriteFile("QELTAR.ini", "Unknow\r0\r1\r0\r");
    ASSERT_TRUE(run.Start());
    HWND main = run.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitFor([main] { return (GetWindowLongPtrA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; },
                        Milliseconds(5000)));
    RECT frame;
    GetWindowRect(main, &frame);
    EXPECT_EQ(frame.left, 100);
    EXPECT_EQ(frame.top, 50);
}

// ---- The number boxes' write-back, through the real change notifications ----------

// A template for the 2D reader, named on the command line: the program opens
// it and its sheet.
class TwoDReaderFormPage : public testing::Test {
protected:
    static constexpr const char* kFile = "twod.QLT";
    static void TearDownTestSuite() { designer_.Reset(); }
    void SetUp() override {
        const Prepare prepare = TemplateFileArgument(kFile, [](TemplateDocument& doc) {
            doc.blocks.reader.readerType = kReaderType2D;
            doc.readerWorking.readerType = kReaderType2D;
        });
        ASSERT_TRUE(designer_.EnsureFormPage(prepare, false, kFile)) << "the file's sheet did not open";
    }
    void TearDown() override { designer_.CancelDialogs(); }

    HWND page() { return designer_.page(); }

    static SharedDesigner designer_;
};
SharedDesigner TwoDReaderFormPage::designer_;

TEST_F(TwoDReaderFormPage, MaxBoxesStopAtTheirTypesLengthAndDropLeadingZeros) {
    // The list offers "large data", as the file's 2D reader allows, once a
    // type has been chosen on the line.
    ASSERT_GE(ChooseEntry(page(), IDC_FORM_DATATYPE_FIRST, "text"), 0);
    ASSERT_GE(ChooseEntry(page(), IDC_FORM_DATATYPE_FIRST, "large data"), 0);
    EXPECT_EQ(Typed(page(), IDC_FORM_MAX_FIRST, "3000"), "2048");

    ASSERT_GE(ChooseEntry(page(), IDC_FORM_DATATYPE_FIRST + 1, "text"), 0);
    EXPECT_EQ(Typed(page(), IDC_FORM_MAX_FIRST + 1, "200"), "160");
    EXPECT_EQ(Typed(page(), IDC_FORM_MAX_FIRST + 1, "07"), "7");
    // Emptied, the box shows 0; the next keys land behind it and make 20.
    EXPECT_EQ(TypedKeys(page(), IDC_FORM_MAX_FIRST + 1, "\b20"), "20");
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
