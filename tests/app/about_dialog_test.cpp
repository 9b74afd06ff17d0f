#include "app/about_dialog.h"

#include <gtest/gtest.h>

#include "app/app_ids.h"
#include "app/shell_fixture.h"

namespace fw::test {
namespace {

using AboutDialog = ShellFixture;

// The box names the program in its own words (string ids 51 to 55) whatever
// language is active; Esc closes it although it has no Cancel button.
TEST_F(AboutDialog, ShowsTheProgramsNameAndVersionWhateverTheLanguage) {
    WriteFile("de.lng", "Deutsch\r\n51=Uber\r\n52=Produkt\r\n53=Fassung\r\n54=Hinweis\r\n55=Gut\r\n");
    WriteFile(kIniFileName, "Unknow\r0\r0\rDeutsch\r");
    Start();
    ASSERT_TRUE(shell->strings().languageActive());
    RunDialog(IDM_ABOUT, ABOUTBOX_NAME, [](FakeDialog& d) {
        EXPECT_EQ(d.title(), "The Varnok Formwright");
        EXPECT_EQ(Texts(d, {IDC_ABOUT_TITLE, IDC_ABOUT_NOTICE, kIdOk}),
                  "Varnok Series Formwright (Version\xA0" "1.0.1.0)|Copyright (C) Varnok|OK");
        d.Cancel();
    });
    EXPECT_EQ(result, 0) << "the menu command ran the box, and Esc closed it";
}

}  // namespace
}  // namespace fw::test
