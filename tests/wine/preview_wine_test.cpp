// The Preview on the real program: F5 turns the face's LCD into the
// terminal's screen, the face's keys and the PC keyboard play the template,
// the panel beside it scans and lists the stored records, and F5 or Esc on
// the terminal's main screen end it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/app_ids.h"
#include "app/device_face.h"
#include "app/preview_ids.h"
#include "preview/counting_template.h"
#include "template/template_document.h"
#include "wine/designer_driver.h"
#include "wine/designer_session.h"

namespace fw::wine {
namespace {

constexpr const char* kPanelTitle = "Preview";

void PressKey(WORD key) {
    INPUT inputs[2]{};
    for (int i = 0; i < 2; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = key;
        inputs[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
        inputs[i].ki.dwFlags = i == 1 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(2, inputs, sizeof(INPUT));
}

// A sum over a band across the middle of the LCD, from a DC whose origin is
// the face's top-left corner.
unsigned LcdBand(HDC dc, POINT origin) {
    unsigned sum = 0;
    for (int x = 0; x < kLcdWidth; x += 3)
        for (int y = 0; y < 20; y += 2)
            sum = sum * 31 + GetPixel(dc, origin.x + kLcdLeft + x, origin.y + kLcdTop + kLcdHeight / 3 + y);
    return sum;
}

// The band as the screen shows it.
unsigned ScreenBand(HWND face) {
    POINT origin{0, 0};
    ClientToScreen(face, &origin);
    HDC screen = GetDC(nullptr);
    const unsigned sum = LcdBand(screen, origin);
    ReleaseDC(nullptr, screen);
    return sum;
}

// The band as the face's picture draws it, with its own screen.
unsigned PictureBand() {
    HBITMAP picture = LoadBitmapA(ExeResourceModule(), MAKEINTRESOURCEA(IDB_FACE));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture);
    const unsigned sum = LcdBand(dc, {0, 0});
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(picture);
    return sum;
}

class PreviewOnTheFace : public testing::Test {
protected:
    void SetUp() override {
        const auto counting = [](TemplateDocument& doc) { test::CountingTemplate(doc.blocks); };
        const std::string arguments = TemplateFileArgument("walk.QLT", counting)(run_);
        ASSERT_TRUE(run_.Start(arguments));
        main_ = run_.WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
        // A file named on the command line opens the sheet; the preview starts from the face.
        HWND sheet = WaitForTopLevel(run_.processId(), kDialogClass, SheetCaption(run_.PathOf("walk.QLT")));
        ASSERT_NE(sheet, nullptr);
        CancelDialog(sheet);
        face_ = GetDlgItem(main_, IDC_DEVICE_FACE);
        ASSERT_NE(face_, nullptr);
    }

    // The screen's title row begins so, as the face window's text carries it.
    bool WaitForTitle(const std::string& title) const {
        return WaitFor([&] { return TextOf(face_).starts_with(title); }, Milliseconds(10000));
    }
    HWND Panel() const { return FindTopLevel(run_.processId(), kDialogClass, kPanelTitle); }

    void Type(const std::string& characters) const {
        for (char c : characters) PostMessageA(face_, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    void Key(WPARAM key) const { PostMessageA(face_, WM_KEYDOWN, key, 1); }
    // A click on a key of the face, down and up.
    void Click(int key) const {
        const FacePoint corner = FaceKeyImageCorner(key);
        const LPARAM at = MAKELPARAM(corner.x + 12, corner.y + 12);
        PostMessageA(face_, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(face_, WM_LBUTTONUP, 0, at);
    }

    DesignerRun run_;
    HWND main_ = nullptr;
    HWND face_ = nullptr;
};

TEST_F(PreviewOnTheFace, F5PlaysTheTemplateOnTheFaceAndTheRecordsAppearBesideIt) {
    const unsigned picture = PictureBand();
    ASSERT_TRUE(WaitFor([&] { return ScreenBand(face_) == picture; }, Milliseconds(5000)))
        << "the screen does not show the face's picture where the test looks";
    SetForegroundWindow(main_);
    WaitFor([this] { return GetForegroundWindow() == main_; }, Milliseconds(3000));
    PressKey(VK_F5);
    ASSERT_TRUE(WaitForTitle("Menu 1")) << "F5 showed no menu; the face says: " << TextOf(face_);
    EXPECT_TRUE(WaitFor([&] { return ScreenBand(face_) != picture; }, Milliseconds(5000)))
        << "the LCD still shows the picture's own screen";
    HWND panel = WaitFor([this] { return Panel(); });
    ASSERT_NE(panel, nullptr);

    Click(kFace1);
    ASSERT_TRUE(WaitForTitle("Form 1")) << TextOf(face_);
    Type("A100");
    Key(VK_RETURN);
    SetText(GetDlgItem(panel, IDC_PREVIEW_SCAN_TEXT), "7");
    PostCommand(panel, IDC_PREVIEW_SCAN);
    HWND records = GetDlgItem(panel, IDC_PREVIEW_RECORDS);
    EXPECT_TRUE(WaitFor([&] { return TextOf(records).find("A100") != std::string::npos; }))
        << "the scanned quantity finished no record: " << TextOf(face_);
    EXPECT_NE(TextOf(records).find("Qty (3)"), std::string::npos);

    // Edit while it plays; a cancelled sheet leaves the preview where it was.
    PostCommand(main_, IDM_EDIT);
    HWND sheet = WaitForTopLevel(run_.processId(), kDialogClass, SheetCaption(run_.PathOf("walk.QLT")));
    ASSERT_NE(sheet, nullptr);
    CancelDialog(sheet);
    EXPECT_TRUE(WaitForTitle("Form 1"));

    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitForTitle("Menu 1"));
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitForTitle("Varnok Formwright")) << "menu 1's Esc leads to main";
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitUntilGone(panel)) << "Esc on main ends the preview";
    EXPECT_EQ(TextOf(face_), "");

    PostCommand(main_, IDM_PREVIEW);
    ASSERT_TRUE(WaitForTitle("Menu 1"));
    panel = WaitFor([this] { return Panel(); });
    PostCommand(main_, IDM_PREVIEW);
    EXPECT_TRUE(WaitUntilGone(panel)) << "the command again ends it";
}

}  // namespace
}  // namespace fw::wine
