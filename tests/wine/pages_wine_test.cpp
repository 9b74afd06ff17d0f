// The pages of the real program's sheet: the boxes that correct what is
// typed do so through the change notifications of real edit controls, and
// the key-code boxes open the grid.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "grid/grid_ids.h"
#include "pages/form/form_ids.h"
#include "pages/reader/barcode_ids.h"
#include "pages/settings/settings_ids.h"
#include "template/blocks/reader_block.h"
#include "template/template_document.h"
#include "wine/designer_session.h"

namespace fw::wine {
namespace {

constexpr int kFormPage = 0, kBarcodePage = 3, kSettingsPage = 4;
constexpr int kMaxAnswers = 3;  // more boxes than this for one change is a loop

// The sheet of a new template.
class PagesOnSheet : public testing::Test {
protected:
    static void TearDownTestSuite() { designer_.Reset(); }
    void SetUp() override { ASSERT_TRUE(designer_.EnsureFormPage(nullptr, true, "")) << "Edit opened no sheet"; }
    void TearDown() override { designer_.CancelDialogs(); }

    // Turns the sheet to a page, known by one of its controls.
    static HWND Show(int index, int controlId) { return designer_.ShowPage(index, controlId); }

    // Puts a text into a box as typing would, from a thread of its own since
    // a warning holds the call; answers the warnings, returned as "title: text".
    static std::string Enter(HWND page, int id, const std::string& text) {
        std::atomic<bool> done{false};
        std::thread typing([&] {
            SetText(GetDlgItem(page, id), text);
            done = true;
        });
        std::string warnings;
        for (int answered = 0; !done && answered < kMaxAnswers;) {
            if (HWND box = FindTopLevel(designer_.pid(), kDialogClass, "Warning")) {
                HWND label = FindDescendant(box, [](HWND h) { return ClassOf(h) == "Static" && !TextOf(h).empty(); });
                warnings += (warnings.empty() ? "" : "; ") + TitleOf(box) + ": " + (label ? TextOf(label) : "");
                PostCommand(box, IDOK);
                WaitUntilGone(box, Milliseconds(5000));
                ++answered;
            }
            Sleep(20);
        }
        typing.join();
        return warnings;
    }

    static SharedDesigner designer_;
};
SharedDesigner PagesOnSheet::designer_;

TEST_F(PagesOnSheet, SettingsCodeAndCharacterBoxesAnswerEachOther) {
    HWND page = Show(kSettingsPage, IDC_SETTINGS_DELIM1_CODE);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(TypedKeys(page, IDC_SETTINGS_DELIM1_CODE, "65"), "65");
    EXPECT_EQ(ControlText(page, IDC_SETTINGS_DELIM1_CHAR), "A");
    EXPECT_EQ(TypedKeys(page, IDC_SETTINGS_DELIM1_CHAR, "B"), "B");
    EXPECT_EQ(ControlText(page, IDC_SETTINGS_DELIM1_CODE), "66");
    EXPECT_EQ(Enter(page, IDC_SETTINGS_DELIM1_CODE, "13"), "Warning: Invalid value!");
    EXPECT_EQ(ControlText(page, IDC_SETTINGS_DELIM1_CODE), "66");
    EXPECT_EQ(ControlText(page, IDC_SETTINGS_DELIM1_CHAR), "B");
}

// The prefix box takes its codes only from the grid: a click or F4 opens
// it, typing changes nothing. The grid takes the keys: the dialog's own
// Enter and Tab go to the cells and the buttons as the grid means them to.
TEST_F(PagesOnSheet, FormLinePrefixBoxOpensTheGridOnAClickOrF4AndTheGridWorksFromTheKeyboard) {
    HWND page = Show(kFormPage, IDC_FORM_DATATYPE_FIRST);
    ASSERT_NE(page, nullptr);
    ASSERT_GE(ChooseEntry(page, IDC_FORM_DATATYPE_FIRST, "text"), 0);
    PostMessageA(GetDlgItem(page, IDC_FORM_MORE_FIRST), BM_CLICK, 0, 0);
    HWND dialog = WaitForTopLevel(designer_.pid(), kDialogClass, TemplateTitle(FORMPROPERTIESDLG_NAME));
    ASSERT_NE(dialog, nullptr) << "no field properties dialog";
    EXPECT_EQ(ControlText(dialog, IDC_FPROP_LINE_NUMBER), "1");

    HWND prefixBox = GetDlgItem(dialog, IDC_FPROP_PREFIX_EDIT);
    Send(GetDlgItem(dialog, IDC_FPROP_PREFIX), BM_CLICK);
    EXPECT_TRUE(IsWindowEnabled(prefixBox));
    PostMessageA(prefixBox, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageA(prefixBox, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    HWND grid = WaitForTopLevel(designer_.pid(), kDialogClass, "The Grid Control");
    ASSERT_NE(grid, nullptr) << "a click in the prefix box opened no grid";
    CancelDialog(grid);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the grid closed its owner";

    EXPECT_EQ(TypedKeys(dialog, IDC_FPROP_PREFIX_EDIT, "ab"), "");
    PostMessageA(prefixBox, WM_KEYDOWN, VK_F4, 1);
    grid = WaitForTopLevel(designer_.pid(), kDialogClass, "The Grid Control");
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
}

// ---- Every "more..." button of every reader family ---------------------------

// A template for the ELR engine, which only a file can hold; the page's
// reader list then turns to the laser reader and to the 2D reader.
class BarcodeDialogs : public testing::Test {
protected:
    static constexpr const char* kFile = "elr.QLT";
    static void TearDownTestSuite() { designer_.Reset(); }
    void SetUp() override {
        const Prepare prepare = TemplateFileArgument(kFile, [](TemplateDocument& doc) {
            doc.blocks.reader.readerType = kReaderBitElr;
        });
        ASSERT_TRUE(designer_.EnsureFormPage(prepare, false, kFile)) << "the file's sheet did not open";
        page_ = designer_.ShowPage(kBarcodePage, IDC_BARCODE_READER_LIST);
        ASSERT_NE(page_, nullptr);
    }
    void TearDown() override { designer_.CancelDialogs(); }

    // A dialog of the program other than the sheet, or nullptr.
    static HWND OpenDialog() {
        for (HWND hwnd : VisibleTopLevelWindows(designer_.pid()))
            if (hwnd != designer_.sheet() && ClassOf(hwnd) == kDialogClass) return hwnd;
        return nullptr;
    }
    static HWND WaitForDialog(Milliseconds timeout) { return WaitFor(OpenDialog, timeout); }

    // Presses a button as the user would and closes what it opens; the
    // dialog's title, or "" when nothing opened.
    std::string OpenAndCancel(int buttonId) {
        PostMessageA(GetDlgItem(page_, buttonId), BM_CLICK, 0, 0);
        HWND dialog = WaitForDialog(Milliseconds(10000));
        if (!dialog) return "";
        const std::string title = TitleOf(dialog);
        CancelDialog(dialog);
        return title;
    }

    // Every "more..." the page shows for the current reader, its row switched
    // on first where the row is off: the buttons that opened no dialog.
    std::vector<int> ButtonsThatOpenNothing(int& opened) {
        std::vector<int> buttons = {IDC_BARCODE_RFID_MORE, IDC_BARCODE_POSTAL, IDC_BARCODE_COMPOSITE,
                                    IDC_BARCODE_SYMBOLOGIES2D, IDC_BARCODE_MACROPDF};
        for (int row = 0; row < BARCODE_SYMBOLOGY_ROWS; ++row) buttons.push_back(IDC_BARCODE_SYMBOLOGY_MORE_FIRST + row);
        std::vector<int> silent;
        for (int id : buttons) {
            HWND button = GetDlgItem(page_, id);
            if (!IsWindowVisible(button)) continue;
            // The row's box (always 400 ids below) switches its dialog on; a
            // box that opens a dialog of its own (Coupon Code) is answered.
            HWND box = GetDlgItem(page_, id == IDC_BARCODE_RFID_MORE ? IDC_BARCODE_RFID : id - 400);
            if (!IsWindowEnabled(button) && box && IsWindowEnabled(box)) {
                PostMessageA(box, BM_CLICK, 0, 0);
                WaitFor([&] { return IsWindowEnabled(button) || OpenDialog() != nullptr; }, Milliseconds(10000));
                if (HWND asked = OpenDialog()) CancelDialog(asked);
            }
            if (!IsWindowEnabled(button)) continue;  // a row the user cannot switch on
            if (OpenAndCancel(id).empty())
                silent.push_back(id);
            else
                ++opened;
        }
        return silent;
    }

    HWND page_ = nullptr;
    static SharedDesigner designer_;
};
SharedDesigner BarcodeDialogs::designer_;

TEST_F(BarcodeDialogs, EveryMoreButtonOfEveryFamilyOpensItsDialog) {
    // The family's rows with a dialog, and the RFID reader's; the 2D image
    // capture row cannot be switched on by the user, so its dialog stays shut.
    const struct {
        const char* reader;  // nullptr: as the file has it (ELR)
        int dialogs;
    } families[] = {{nullptr, 12 + 1}, {"1D Laser Reader", 15 + 1}, {"2D Reader", 18 - 1 + 4 + 1}};
    for (const auto& family : families) {
        SCOPED_TRACE(family.reader ? family.reader : "ELR engine");
        if (family.reader) ASSERT_GE(ChooseEntry(page_, IDC_BARCODE_READER_LIST, family.reader), 0);
        int opened = 0;
        EXPECT_EQ(ButtonsThatOpenNothing(opened), std::vector<int>{});
        EXPECT_EQ(opened, family.dialogs);
    }
}

}  // namespace
}  // namespace fw::wine
