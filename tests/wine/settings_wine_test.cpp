// The Settings page in the real program: its boxes talk to each other and
// warn through the change notifications the real edit controls raise.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "app/app_ids.h"
#include "pages/settings/settings_ids.h"
#include "wine/designer_driver.h"

namespace fw::wine {
namespace {

constexpr int kSettingsTab = 4;
constexpr int kMaxAnswers = 3;  // more boxes than this for one change is a loop

// The sheet of a new template, turned to its Settings page, shared by the
// tests of the suite.
class SettingsPageWine : public testing::Test {
protected:
    static void SetUpTestSuite() {
        run_ = std::make_unique<DesignerRun>();
        HWND main = run_->Start() ? run_->WaitForMainWindow() : nullptr;
        if (!main) return;
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDM_EDIT, BN_CLICKED), 0);
        sheet_ = WaitForTopLevel(run_->processId(), "#32770", "Formwright - [ New file ]");
        if (!sheet_) return;
        Send(sheet_, PSM_SETCURSEL, kSettingsTab);
        page_ = WaitFor([] { return FindChildDialogWith(sheet_, IDC_SETTINGS_DELIM1_CODE); });
        if (page_) Send(page_, WM_NULL);  // answered once the page has shown its settings
    }
    static void TearDownTestSuite() { run_.reset(); }
    void SetUp() override { ASSERT_NE(page_, nullptr) << "Edit opened no sheet with a Settings page"; }

    static std::string Text(int id) { return TextOf(GetDlgItem(page_, id)); }

    // Puts a text into a box as typing would, from a thread of its own since
    // a warning holds the call; answers the warnings, returned as "title: text".
    static std::string Enter(int id, const std::string& text) {
        std::atomic<bool> done{false};
        std::thread typing([&] {
            SetText(GetDlgItem(page_, id), text);
            done = true;
        });
        std::string warnings;
        for (int answered = 0; !done && answered < kMaxAnswers;) {
            if (HWND box = FindTopLevel(run_->processId(), "#32770", "Warning")) {
                HWND label = FindDescendant(box, [](HWND h) { return ClassOf(h) == "Static" && !TextOf(h).empty(); });
                warnings += (warnings.empty() ? "" : "; ") + TitleOf(box) + ": " + (label ? TextOf(label) : "");
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                WaitUntilGone(box, Milliseconds(5000));
                ++answered;
            }
            Sleep(20);
        }
        typing.join();
        return warnings;
    }

    static std::unique_ptr<DesignerRun> run_;
    static HWND sheet_;
    static HWND page_;
};
std::unique_ptr<DesignerRun> SettingsPageWine::run_;
HWND SettingsPageWine::sheet_ = nullptr;
HWND SettingsPageWine::page_ = nullptr;

TEST_F(SettingsPageWine, OpensOnTheTemplatesSettings) {
    EXPECT_EQ(Text(IDC_SETTINGS_STARTFROM_LIST), "form 1");
    EXPECT_EQ(Text(IDC_SETTINGS_DELIM1_CODE), "44");
    EXPECT_EQ(Text(IDC_SETTINGS_DELIM1_CHAR), ",");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page_, IDC_SETTINGS_DELIM2_CODE)));
}

TEST_F(SettingsPageWine, CodeAndCharacterBoxesAnswerEachOther) {
    EXPECT_EQ(Enter(IDC_SETTINGS_DELIM1_CODE, "65"), "");
    EXPECT_EQ(Text(IDC_SETTINGS_DELIM1_CHAR), "A");
    EXPECT_EQ(Enter(IDC_SETTINGS_DELIM1_CHAR, "B"), "");
    EXPECT_EQ(Text(IDC_SETTINGS_DELIM1_CODE), "66");
    EXPECT_EQ(Enter(IDC_SETTINGS_DELIM1_CODE, "13"), "Warning: Invalid value!");
    EXPECT_EQ(Text(IDC_SETTINGS_DELIM1_CODE), "66");
    EXPECT_EQ(Text(IDC_SETTINGS_DELIM1_CHAR), "B");
}

TEST_F(SettingsPageWine, PasswordWarnsAndKeepsTheLastGoodOne) {
    EXPECT_EQ(Enter(IDC_SETTINGS_PASSWORD_EDIT, "Abc123"), "");
    EXPECT_EQ(Enter(IDC_SETTINGS_PASSWORD_EDIT, "Abc-12"), "Warning: Invalid character!!!");
    EXPECT_EQ(Text(IDC_SETTINGS_PASSWORD_EDIT), "Abc123");
    EXPECT_EQ(Enter(IDC_SETTINGS_PASSWORD_EDIT, "Abc123xyZ90"), "Warning: Password is too long!!!");
    EXPECT_EQ(Text(IDC_SETTINGS_PASSWORD_EDIT), "Abc123");
}

}  // namespace
}  // namespace fw::wine
