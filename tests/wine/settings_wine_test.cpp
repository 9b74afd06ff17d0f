// The Settings page in the real program: its boxes talk to each other and
// warn through the change notifications the real edit controls raise.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "pages/settings/settings_ids.h"
#include "wine/designer_session.h"

namespace fw::wine {
namespace {

constexpr int kSettingsTab = 4;
constexpr int kMaxAnswers = 3;  // more boxes than this for one change is a loop

// The sheet of a new template, turned to its Settings page.
class SettingsPageWine : public testing::Test {
protected:
    static void TearDownTestSuite() { designer_.Reset(); }
    void SetUp() override {
        ASSERT_TRUE(designer_.EnsureFormPage(nullptr, true, "")) << "Edit opened no sheet";
        ASSERT_NE(designer_.ShowPage(kSettingsTab, IDC_SETTINGS_DELIM1_CODE), nullptr) << "no Settings page";
    }
    void TearDown() override { designer_.CancelDialogs(); }

    static HWND page() { return designer_.page(); }
    static std::string Text(int id) { return ControlText(page(), id); }

    // Puts a text into a box as typing would, from a thread of its own since
    // a warning holds the call; answers the warnings, returned as "title: text".
    static std::string Enter(int id, const std::string& text) {
        std::atomic<bool> done{false};
        std::thread typing([&] {
            SetText(GetDlgItem(page(), id), text);
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
SharedDesigner SettingsPageWine::designer_;

TEST_F(SettingsPageWine, OpensOnTheTemplatesSettings) {
    EXPECT_EQ(Text(IDC_SETTINGS_STARTFROM_LIST), "form 1");
    EXPECT_EQ(Text(IDC_SETTINGS_DELIM1_CODE), "44");
    EXPECT_EQ(Text(IDC_SETTINGS_DELIM1_CHAR), ",");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page(), IDC_SETTINGS_DELIM2_CODE)));
}

TEST_F(SettingsPageWine, CodeAndCharacterBoxesAnswerEachOther) {
    EXPECT_EQ(TypedKeys(page(), IDC_SETTINGS_DELIM1_CODE, "65"), "65");
    EXPECT_EQ(Text(IDC_SETTINGS_DELIM1_CHAR), "A");
    EXPECT_EQ(TypedKeys(page(), IDC_SETTINGS_DELIM1_CHAR, "B"), "B");
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
