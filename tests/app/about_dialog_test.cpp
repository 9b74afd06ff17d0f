#include "app/about_dialog.h"

#include "app/app_ids.h"
#include "app/shell.h"
#include "support/fake_dialog.h"
#include "support/test_document.h"

#include <gtest/gtest.h>


namespace fw {
namespace {

// The box names the program in its own words (string ids 51 to 55) whatever
// language is active; Esc closes it although it has no Cancel button.
TEST(AboutDialog, ShowsTheProgramsNameAndVersionWhateverTheLanguage) {
    test::TempDir dir;
    test::WriteText(dir / "de.lng", "Deutsch\r\n51=Uber\r\n52=Produkt\r\n53=Fassung\r\n54=Hinweis\r\n55=Gut\r\n");
    test::WriteText(dir / kIniFileName, "Unknow\r0\r0\rDeutsch\r");
    CompiledStringTable builtin;
    test::FakeShellHost host;
    Shell shell(host, builtin, dir.path());
    shell.Start();
    ASSERT_TRUE(shell.strings().languageActive());
    int result = -1;
    host.ui().OnModal(ABOUTBOX_NAME, [&](test::FakeDialog& d) {
        EXPECT_EQ(d.title(), "The Varnok Formwright");
        EXPECT_EQ(test::Texts(d, {IDC_ABOUT_TITLE, IDC_ABOUT_NOTICE, kIdOk}),
                  "Varnok Series Formwright (Version\xA0" "1.0.1.0)|Copyright (C) Varnok|OK");
        d.Cancel();
        result = d.result();
    });
    shell.OnCommand(IDM_ABOUT);
    EXPECT_EQ(result, 0) << "the menu command ran the box, and Esc closed it";
}

}  // namespace
}  // namespace fw
