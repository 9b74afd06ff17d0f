#include "app/about_dialog.h"

#include "app/app_ids.h"
#include "app/shell.h"
#include "support/fake_dialog.h"
#include "support/test_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fw {
namespace {

using test::FakeDialog;

// What the box shows, taken from the string table (ids 51 to 55).
struct Shown {
    std::string title, product, notice, ok;
    int result = -1;
};

class AboutDialogTest : public ::testing::Test {
protected:
    // Opens the box through the About command; close(d) plays the user.
    Shown RunAbout(void (*close)(FakeDialog&)) {
        Shell shell(host, builtin, dir.path());
        shell.Start();
        Shown shown;
        host.OnModal(ABOUTBOX_NAME, [&](FakeDialog& d) {
            shown = {d.title(), d.GetText(IDC_ABOUT_TITLE), d.GetText(IDC_ABOUT_NOTICE), d.GetText(kIdOk)};
            close(d);
            shown.result = d.result();
        });
        shell.OnCommand(IDM_ABOUT);
        languageWasActive = shell.strings().languageActive();
        return shown;
    }

    test::TempDir dir;
    CompiledStringTable builtin;
    test::FakeShellHost host;
    bool languageWasActive = false;
};

// The box names the program in its own words whatever language is active;
// Esc closes it although it has no Cancel button.
TEST_F(AboutDialogTest, ShowsTheProgramsNameAndVersionWhateverTheLanguage) {
    test::WriteText(dir / "de.lng", "Deutsch\r\n51=Uber\r\n52=Produkt\r\n53=Fassung\r\n54=Hinweis\r\n55=Gut\r\n");
    test::WriteText(dir / kIniFileName, "Unknow\r0\r0\rDeutsch\r");
    const Shown shown = RunAbout([](FakeDialog& d) { d.Cancel(); });
    ASSERT_TRUE(languageWasActive);
    EXPECT_EQ(shown.title, "The Varnok Formwright");
    EXPECT_EQ(shown.product, "Varnok Series Formwright (Version 1.0.1.0)");
    EXPECT_EQ(shown.notice, "Copyright (C) Varnok");
    EXPECT_EQ(shown.ok, "OK");
    EXPECT_EQ(shown.result, 0);
    EXPECT_EQ(host.modalsRun(), std::vector<std::string>{"ABOUTBOX"});
}

}  // namespace
}  // namespace fw
