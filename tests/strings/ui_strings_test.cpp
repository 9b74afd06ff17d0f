#include "strings/ui_strings.h"

#include <gtest/gtest.h>

#include <string>

namespace fw {
namespace {

TEST(UiStrings, FallBackToTheBuiltinTextUnlessTheActiveLanguageHasOneAndLoadCutToTheBuffer) {
    CompiledStringTable builtin;
    UiStrings strings(builtin);
    strings.table().SetSlot(2, "Neue Datei");
    EXPECT_EQ(strings.Text(2), "New file") << "an inactive language is not consulted";
    strings.SetLanguageActive(true);
    EXPECT_EQ(strings.Text(2), "Neue Datei");
    strings.table().ClearSlot(2);
    EXPECT_EQ(strings.Text(2), "New file") << "an empty slot falls back";

    char buffer[9];
    EXPECT_EQ(strings.LoadUiString(2, buffer, sizeof buffer), 8u);
    EXPECT_STREQ(buffer, "New file");
    EXPECT_EQ(strings.LoadUiString(2, buffer, 4), 3u);
    EXPECT_STREQ(buffer, "New");
    EXPECT_EQ(strings.LoadUiString(4998, buffer, sizeof buffer), 0u);
    EXPECT_STREQ(buffer, "") << "an id without a text";
}

}  // namespace
}  // namespace fw
