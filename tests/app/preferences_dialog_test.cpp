#include "app/preferences_dialog.h"

#include "app/app_ids.h"
#include "app/shell_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fw::test {
namespace {

constexpr int kAutoPreload = IDC_PREFS_AUTOPRELOAD;
constexpr int kOnTop = IDC_PREFS_ALWAYSONTOP;
constexpr int kLanguageLabel = IDC_PREFS_LANGUAGE_LABEL;
constexpr int kLanguageList = IDC_PREFS_LANGUAGE;

const std::string kMaximize = "Maximize" + std::string(42, ' ');  // string 3001, a device text

class PreferencesDialogTest : public ShellFixture {
protected:
    bool IniExists() const { return std::filesystem::exists(dir / kIniFileName); }
    // Opens the dialog through the Preferences command; the script plays
    // the user.
    void RunPreferences(const ModalScript& script) { RunDialog(IDM_PREFERENCES, PREFERENCESDLG_NAME, script); }
    std::string DeviceText(int id) const { return shell->document().deviceTexts.SlotForId(id); }
};

// The chosen language gives the title and labels, an empty or missing
// text too: 68 and 71 are missing, 69 is empty.
TEST_F(PreferencesDialogTest, ShowsTheIniAsItIsWhenTheDialogOpensAndTheChosenLanguagesTexts) {
    Start();
    // Changed behind the program's back: the dialog reads the file again.
    WriteFile(kIniFileName, "C:\\x.QLT\r1\r0\r0\r");
    RunPreferences([](FakeDialog& d) {
        EXPECT_EQ(d.title() + "|" + d.GetText(kAutoPreload), "QELTAR Preferences|&Auto-preload the last editing file.")
            << "no language: the template's texts";
        EXPECT_EQ(Checked(d, {kAutoPreload, kOnTop}), Values(1, 0));
        EXPECT_EQ(d.items(kLanguageList), std::vector<std::string>{"Default <English>"});
        EXPECT_EQ(d.ListSelection(kLanguageList), 0);
        EXPECT_EQ(Enabled(d, {kLanguageLabel, kLanguageList}), Values(0, 0)) << "no language files";
        d.Cancel();
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(host.ui().modalsRun(), std::vector<std::string>{"PREFERENCESDLG"});

    WriteFile("b.lng", "Deutsch\r\n66=Einstellungen\r\n67=&Letzte Datei laden\r\n69=\r\n70=Gut\r\n");
    WriteFile("A.LNG", "Fran\xe7" "ais\r\n3001=Agrandir\r\n");
    WriteFile("c.txt", "Not a language\r\n");
    WriteFile(kIniFileName, "Unknow\r0\r1\rDeutsch\r");
    Start();
    RunPreferences([](FakeDialog& d) {
        EXPECT_EQ(d.items(kLanguageList),
                  (std::vector<std::string>{"Default <English>", "Fran\xe7" "ais", "Deutsch"}));
        EXPECT_EQ(d.ListSelection(kLanguageList), 2);
        EXPECT_EQ(Enabled(d, {kLanguageLabel, kLanguageList}), Values(1, 1));
        EXPECT_EQ(Checked(d, {kAutoPreload, kOnTop}), Values(0, 1));
        EXPECT_EQ(d.title(), "Einstellungen");
        EXPECT_EQ(Texts(d, {kAutoPreload, kOnTop, kLanguageLabel, kIdOk, kIdCancel}), "&Letzte Datei laden|||Gut|");
        d.Cancel();
    });
}

TEST_F(PreferencesDialogTest, ChecksToggleOnEachClickAndOkWritesThem) {
    Start();
    RunPreferences([](FakeDialog& d) {
        d.Click(kAutoPreload);
        EXPECT_TRUE(d.IsChecked(kAutoPreload)) << "the dialog marks its plain check box itself";
        d.Click(kOnTop);
        d.Click(kOnTop);
        EXPECT_FALSE(d.IsChecked(kOnTop));
        d.Click(kOnTop);
        d.Ok();
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Ini(), "Unknow\r1\r1\r0\r");
    EXPECT_EQ(Values(shell->preferences().autoPreload, shell->preferences().alwaysOnTop), Values(1, 1));
    EXPECT_EQ(host.placements.back(), true) << "the window is placed again, now topmost";
    EXPECT_FALSE(shell->strings().languageActive());
}

TEST_F(PreferencesDialogTest, OkSwitchesTheLanguageAtOnceAndBack) {
    WriteFile("de.lng", "Deutsch\r\n3001=Maximieren\r\n");
    Start();
    ASSERT_EQ(DeviceText(3001), kMaximize);
    const int menuRebuilds = host.menuTextsChanged;

    RunPreferences([](FakeDialog& d) {
        EXPECT_EQ(d.ListSelection(kLanguageList), 0);
        d.Choose(kLanguageList, 1);
        d.Ok();
    });
    EXPECT_EQ(Ini(), "Unknow\r0\r0\rDeutsch\r");
    EXPECT_TRUE(shell->strings().languageActive());
    EXPECT_EQ(DeviceText(3001), "Maximieren") << "the terminal's texts follow the language";
    EXPECT_EQ(host.menuTextsChanged, menuRebuilds + 1);

    RunPreferences([](FakeDialog& d) {
        EXPECT_EQ(d.ListSelection(kLanguageList), 1);
        d.Choose(kLanguageList, 0);
        d.Ok();
    });
    EXPECT_EQ(Ini(), "Unknow\r0\r0\r0\r") << "the default entry is written as 0";
    EXPECT_FALSE(shell->strings().languageActive());
    EXPECT_EQ(DeviceText(3001), kMaximize);
}

TEST_F(PreferencesDialogTest, CancelWritesNothingAndKeepsTheLanguage) {
    WriteFile("de.lng", "Deutsch\r\n3001=Maximieren\r\n");
    Start();
    RunPreferences([](FakeDialog& d) {
        d.Click(kAutoPreload);
        d.Choose(kLanguageList, 1);
        d.Cancel();
    });
    EXPECT_EQ(Values(result, IniExists(), shell->preferences().autoPreload, shell->strings().languageActive()),
              Values(0, 0, 0, 0));
    EXPECT_EQ(DeviceText(3001), kMaximize);

    const std::string before = "C:\\keep.QLT\r0\r1\r0\r";
    WriteFile(kIniFileName, before);
    RunPreferences([](FakeDialog& d) {
        d.Click(kOnTop);
        d.Cancel();
    });
    EXPECT_EQ(Ini(), before);
    EXPECT_TRUE(shell->preferences().alwaysOnTop) << "read again when the dialog opened, not changed by it";
}

}  // namespace
}  // namespace fw::test
