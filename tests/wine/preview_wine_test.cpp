// The Preview on the real program: the idle face shows the template's start
// screen, F5 plays it there, the face's keys and the PC keyboard play the
// template, the panel beside it scans and lists the stored records and
// gives the keys back to the face, and F5 or Esc on the terminal's main
// screen end it, asking while records wait for their export.
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

// A sum over the LCD above its bottom row (the key labels, or the idle
// face's hint) as the screen shows it, copied at once and then read.
unsigned ScreenBand(HWND face) {
    constexpr int kBandHeight = kLcdHeight - 20;
    POINT origin{0, 0};
    ClientToScreen(face, &origin);
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kLcdWidth, kBandHeight);
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, kLcdWidth, kBandHeight, screen, origin.x + kLcdLeft, origin.y + kLcdTop, SRCCOPY);
    unsigned sum = 0;
    for (int x = 0; x < kLcdWidth; x += 2)
        for (int y = 0; y < kBandHeight; y += 2) sum = sum * 31 + GetPixel(copy, x, y);
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    return sum;
}

class PreviewOnTheFace : public testing::Test {
protected:
    void SetUp() override {
        const auto counting = [](TemplateDocument& doc) { test::CountingTemplate(doc.blocks); };
        const std::string arguments = TemplateFileArgument(run_, "walk.QLT", counting);
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
    SetForegroundWindow(main_);
    WaitFor([this] { return GetForegroundWindow() == main_; }, Milliseconds(3000));
    PressKey(VK_F5);
    ASSERT_TRUE(WaitForTitle("Menu 1")) << "F5 showed no menu; the face says: " << TextOf(face_);
    // The start screen, once the screen holds still; the idle face shows it
    // too (but for its bottom row) when the preview has ended.
    unsigned started = 0;
    WaitFor(
        [&] {
            const unsigned before = ScreenBand(face_);
            Sleep(300);
            started = ScreenBand(face_);
            return started == before;
        },
        Milliseconds(5000));
    HWND panel = WaitFor([this] { return Panel(); });
    ASSERT_NE(panel, nullptr);

    Click(kFace1);
    ASSERT_TRUE(WaitForTitle("Form 1")) << TextOf(face_);
    EXPECT_TRUE(WaitFor([&] { return ScreenBand(face_) != started; }, Milliseconds(5000)))
        << "the LCD shows no screen of the template";
    Type("A100");
    Key(VK_RETURN);
    SetText(GetDlgItem(panel, IDC_PREVIEW_SCAN_TEXT), "7");
    PostMessageA(GetDlgItem(panel, IDC_PREVIEW_SCAN), BM_CLICK, 0, 0);
    HWND records = GetDlgItem(panel, IDC_PREVIEW_RECORDS);
    EXPECT_TRUE(WaitFor([&] { return TextOf(records).find("A100") != std::string::npos; }))
        << "the scanned quantity finished no record: " << TextOf(face_);
    EXPECT_TRUE(WaitFor([&] { return FocusOf(face_) == face_; }, Milliseconds(5000)))
        << "the keys stayed in the panel after Scan";

    // Edit while it plays; a cancelled sheet leaves the preview where it was.
    PostCommand(main_, IDM_EDIT);
    HWND sheet = WaitForTopLevel(run_.processId(), kDialogClass, SheetCaption(run_.PathOf("walk.QLT")));
    ASSERT_NE(sheet, nullptr);
    CancelDialog(sheet);
    EXPECT_TRUE(WaitForTitle("Form 1"));

    // The record is not exported: ending asks.
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitForTitle("Menu 1"));
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitForTitle("Varnok Formwright")) << "menu 1's Esc leads to main";
    Key(VK_ESCAPE);
    HWND asked = WaitFor([this] { return FindTopLevel(run_.processId(), kDialogClass, "Warning"); });
    ASSERT_NE(asked, nullptr) << "Esc on main ended the preview without a word about the record";
    PostCommand(asked, IDYES);
    EXPECT_TRUE(WaitUntilGone(panel)) << "Yes ends the preview";
    EXPECT_EQ(TextOf(face_), "");
    EXPECT_TRUE(WaitFor([&] { return ScreenBand(face_) == started; }, Milliseconds(5000)))
        << "the idle face does not show the template's start screen";

    // Ended from its panel, the preview leaves the keys to the main window.
    PostCommand(main_, IDM_PREVIEW);
    ASSERT_TRUE(WaitForTitle("Menu 1"));
    panel = WaitFor([this] { return Panel(); });
    SetForegroundWindow(panel);
    WaitFor([&] { return GetForegroundWindow() == panel; }, Milliseconds(3000));
    PressKey(VK_F5);
    EXPECT_TRUE(WaitUntilGone(panel)) << "F5 in the panel ends it";
    PressKey(VK_F5);
    EXPECT_TRUE(WaitForTitle("Menu 1")) << "F5 after the end reached nothing";
    panel = WaitFor([this] { return Panel(); });
    PostCommand(main_, IDM_PREVIEW);
    EXPECT_TRUE(WaitUntilGone(panel)) << "the command again ends it";
}

}  // namespace
}  // namespace fw::wine
