#include "pages/settings/settings_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "pages/reader/barcode_ids.h"
#include "pages/settings/settings_ids.h"
#include "support/sheet_test.h"
#include "template/fixed_text.h"
#include "template/template_file.h"

namespace fw::test {
namespace {

constexpr int kBarcodeTab = 3;
constexpr int kSettingsTab = 4;

class SettingsPageTest : public SheetTest {
protected:
    const SystemSettings& working() { return session().settingsPage().working(); }
    SystemSettings& block() { return t.doc.blocks.settings; }
    // The settings block as the saved file holds it.
    std::vector<std::uint8_t> SavedSettings() {
        const std::vector<std::uint8_t> file = SavedBytes(t.doc);
        const auto at = file.begin() + kBlocksOffset + offsetof(TemplateBlocks, settings);
        return {at, at + sizeof(SystemSettings)};
    }
};

TEST_F(SettingsPageTest, CodeAndCharacterBoxesFollowEachOther) {
    Open(kSettingsTab);
    // What both boxes show after typing in one.
    const auto shown = [this] { return Texts(page(), {IDC_SETTINGS_DELIM1_CODE, IDC_SETTINGS_DELIM1_CHAR}); };
    page().Type(IDC_SETTINGS_DELIM1_CODE, "65");
    EXPECT_EQ(shown(), "65|A");
    page().Type(IDC_SETTINGS_DELIM1_CHAR, "B");
    EXPECT_EQ(shown() + "|" + std::to_string(working().firstDelimiter), "66|B|66");
    page().Type(IDC_SETTINGS_DELIM1_CODE, "");
    EXPECT_EQ(shown(), "0|");
    page().Type(IDC_SETTINGS_DELIM1_CODE, "300");
    EXPECT_EQ(shown(), "255|\xFF");
    page().Type(IDC_SETTINGS_DELIM1_CHAR, "\xE9");
    EXPECT_EQ(shown(), "233|\xE9") << "characters above 127 are codes, not negatives";
}

TEST_F(SettingsPageTest, PasswordTakesLettersAndDigitsAndRefusesTheRest) {
    Open(kSettingsTab);
    page().Type(IDC_SETTINGS_PASSWORD_EDIT, "Abc123");
    page().Type(IDC_SETTINGS_PASSWORD_EDIT, "Abc 12");
    page().Type(IDC_SETTINGS_PASSWORD_EDIT, "Abc\xE9" "12");  // no letters beyond ASCII
    // Past the box's limit only as another program or a paste would set it;
    // the length is judged first.
    page().SetText(IDC_SETTINGS_PASSWORD_EDIT, "Abc123xyZ-0");
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Warning: Invalid character!!!", "Warning: Invalid character!!!",
                                                 "Warning: Password is too long!!!"}));
    EXPECT_EQ(Shown(IDC_SETTINGS_PASSWORD_EDIT), "Abc123");
    EXPECT_EQ(FieldText(working().securityPassword), "Abc123");
}

TEST_F(SettingsPageTest, HoldTimeZeroEmptyAndAboveTheMaximum) {
    Open(kSettingsTab);
    EXPECT_EQ(Typed(IDC_SETTINGS_HOLDTIME_EDIT, ""), "1");
    EXPECT_EQ(working().entryHoldTime, 1);
    page().SetText(IDC_SETTINGS_HOLDTIME_EDIT, "100");
    EXPECT_EQ(Shown(IDC_SETTINGS_HOLDTIME_EDIT) + "|" + std::to_string(working().entryHoldTime), "99|99");
    page().Type(IDC_SETTINGS_HOLDTIME_EDIT, "0");
    EXPECT_EQ(working().entryHoldTime, 0);
    sheet().Ok();

    // Zero means waiting for Enter, and the page says so the next time.
    Open(kSettingsTab);
    EXPECT_EQ(Values(page().IsChecked(IDC_SETTINGS_PRESSENTER_RADIO), page().IsEnabled(IDC_SETTINGS_HOLDTIME_EDIT)),
              Values(1, 0));
    page().Click(IDC_SETTINGS_STAY_RADIO);
    EXPECT_EQ(Shown(IDC_SETTINGS_HOLDTIME_EDIT) + "|" + std::to_string(working().entryHoldTime), "1|1");
    EXPECT_TRUE(page().IsEnabled(IDC_SETTINGS_HOLDTIME_EDIT));
}

// The mark is stored with the click, so a turn to the Barcode page and back
// keeps it; the Barcode page's Reset switches image capture off, and the box
// follows while another page is shown.
TEST_F(SettingsPageTest, ImageCaptureMarkSurvivesAPageTurnAndFollowsTheBarcodePage) {
    t.doc.blocks.reader.readerType = kReaderType2D;
    t.doc.blocks.reader.twoDImageCaptureOn = 1;
    t.doc.ApplyLoadFixUps();
    Open(kSettingsTab);
    page().Click(IDC_SETTINGS_PROTECT_IMAGE);
    sheet().Show(kBarcodeTab);
    sheet().Show(kSettingsTab);
    EXPECT_TRUE(page().IsChecked(IDC_SETTINGS_PROTECT_IMAGE));

    sheet().Show(kBarcodeTab);
    sheet().current().Click(IDC_BARCODE_RESET);
    sheet().Show(kSettingsTab);
    EXPECT_FALSE(page().IsChecked(IDC_SETTINGS_PROTECT_IMAGE));
    sheet().Ok();
    EXPECT_EQ(block().protectImageCapture, 0);
}

TEST_F(SettingsPageTest, ResetThenCancelLeavesTheBlockButReloadsTheScreenTexts) {
    block().vibratorDuration = 4;
    const SystemSettings before = block();
    std::memset(t.doc.deviceTexts.SlotOf(1, 0), 'x', kSlotSize - 1);
    Open(kSettingsTab);
    page().Click(IDC_SETTINGS_RESET);
    EXPECT_EQ(Shown(IDC_SETTINGS_VIBRATOR_LIST), "Off");
    sheet().Cancel();
    EXPECT_EQ(0, std::memcmp(&block(), &before, sizeof before));
    EXPECT_EQ(std::string(t.doc.deviceTexts.SlotOf(1, 0), 8), "Maximize");
}

// What the page leaves behind is what the terminal reads from the file.
TEST_F(SettingsPageTest, AppliedSettingsReachTheFile) {
    block().protectedFunctions[9] = 1;  // the warning beep's byte, which no box shows
    Open(kSettingsTab);
    page().Choose(IDC_SETTINGS_DELIMCOUNT_LIST, " 2 ");
    page().Type(IDC_SETTINGS_DELIM1_CODE, "59");
    page().Type(IDC_SETTINGS_DELIM2_CHAR, "|");
    page().Click(IDC_SETTINGS_PROTECT_OPEN);
    page().Click(IDC_SETTINGS_PROTECT_CAMERA);
    page().Click(IDC_SETTINGS_PROTECT_SETTINGS);
    for (int id : {IDC_SETTINGS_PROTECT_PRELOAD, IDC_SETTINGS_PROTECT_DELETION, IDC_SETTINGS_PROTECT_ENTRY,
                   IDC_SETTINGS_PROTECT_VIBRATOR, IDC_SETTINGS_PROTECT_CAMERA})
        EXPECT_FALSE(page().IsEnabled(id)) << "guarding Settings guards box " << id;
    EXPECT_TRUE(page().IsChecked(IDC_SETTINGS_PROTECT_CAMERA)) << "and keeps its mark";
    page().Choose(IDC_SETTINGS_PRELOAD_LIST, "Yes");
    page().Click(IDC_SETTINGS_AUTORUN);
    sheet().Ok();
    std::vector<std::uint8_t> b = SavedSettings();
    EXPECT_EQ(Values(b[3], b[4], b[5], b[362]), Values(';', '|', 1, 1));
    EXPECT_EQ(std::vector<std::uint8_t>(&b[23], &b[36]), (std::vector<std::uint8_t>{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0}))
        << "byte 32 is written 0";

    // "nil" keeps the codes on the page; apply clears both.
    Open(kSettingsTab);
    page().Choose(IDC_SETTINGS_DELIMCOUNT_LIST, "nil");
    EXPECT_FALSE(page().IsEnabled(IDC_SETTINGS_DELIM1_CODE));
    EXPECT_EQ(working().firstDelimiter, ';');
    sheet().Ok();
    b = SavedSettings();
    EXPECT_EQ(Values(b[3], b[4]), Values(0, 0));
}

}  // namespace
}  // namespace fw::test
