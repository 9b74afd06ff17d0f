#include "pages/settings/settings_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "editor/editor_sheet.h"
#include "pages/settings/settings_ids.h"
#include "support/fake_dialog.h"
#include "support/test_document.h"
#include "template/fixed_text.h"
#include "template/template_file.h"

namespace fw::test {
namespace {

constexpr int kSettingsTab = 4;

// The sheet on a template, turned to the Settings page as the user does.
class SettingsPageTest : public ::testing::Test {
protected:
    // Block and reader settings the page reads when it is created go in before this.
    void Open(bool turnToSettings = true) {
        session_ = std::make_unique<EditorSession>(t.doc, t.strings);
        sheet_ = std::make_unique<FakeSheet>(session_->spec());
        sheet_->Open();
        if (turnToSettings) sheet_->Show(kSettingsTab);
    }

    FakeDialog& page() { return *sheet_->page(kSettingsTab); }
    FakeSheet& sheet() { return *sheet_; }
    SettingsPage& settingsPage() { return session_->settingsPage(); }
    const SystemSettings& working() { return settingsPage().working(); }
    SystemSettings& block() { return t.doc.blocks.settings; }
    std::string Shown(int id) { return page().GetText(id); }
    void Choose(int id, const std::string& text) {
        const int entry = ListFind(page(), id, text);
        ASSERT_GE(entry, 0) << "control " << id << " has no entry \"" << text << "\"";
        page().Choose(id, entry);
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const MessageRecord& m : sheet_->ui().messages()) texts.push_back(m.title + ": " + m.text);
        return texts;
    }
    // The settings block as the saved file holds it.
    std::vector<std::uint8_t> SavedSettings() {
        EXPECT_TRUE(WriteTemplateFile(t.doc, dir_ / "settings.QLT"));
        const std::vector<std::uint8_t> file = ReadAll(dir_ / "settings.QLT");
        const auto at = file.begin() + kBlocksOffset + offsetof(TemplateBlocks, settings);
        return {at, at + sizeof(SystemSettings)};
    }
    void TwoDReaderCapturing() {
        t.doc.readerWorking.readerType = kReaderType2D;
        t.doc.readerWorking.twoDImageCaptureOn = 1;
    }

    TestDocument t;

private:
    std::unique_ptr<EditorSession> session_;
    std::unique_ptr<FakeSheet> sheet_;
    TempDir dir_;
};

using Texts = std::vector<std::string>;

TEST_F(SettingsPageTest, CodeAndCharacterBoxesFollowEachOther) {
    Open();
    page().Type(IDC_SETTINGS_DELIM1_CODE, "13");
    EXPECT_EQ(Messages(), Texts{"Warning: Invalid value!"});
    EXPECT_EQ(Shown(IDC_SETTINGS_DELIM1_CODE), "44") << "the stored code comes back";

    page().Type(IDC_SETTINGS_DELIM1_CODE, "65");
    EXPECT_EQ(Shown(IDC_SETTINGS_DELIM1_CHAR), "A");
    page().Type(IDC_SETTINGS_DELIM1_CHAR, "B");
    EXPECT_EQ(Shown(IDC_SETTINGS_DELIM1_CODE), "66");
    EXPECT_EQ(working().firstDelimiter, 66);

    page().Type(IDC_SETTINGS_DELIM1_CODE, "");
    EXPECT_EQ(Shown(IDC_SETTINGS_DELIM1_CODE), "0");
    EXPECT_EQ(Shown(IDC_SETTINGS_DELIM1_CHAR), "");
    page().Type(IDC_SETTINGS_DELIM1_CODE, "300");
    EXPECT_EQ(Shown(IDC_SETTINGS_DELIM1_CODE), "255");
    EXPECT_EQ(Shown(IDC_SETTINGS_DELIM1_CHAR), "\xFF");
    page().Type(IDC_SETTINGS_DELIM1_CHAR, "\xE9");
    EXPECT_EQ(Shown(IDC_SETTINGS_DELIM1_CODE), "233") << "characters above 127 are codes, not negatives";
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(SettingsPageTest, ValuesFromAFileAreShownAsTheyStandAndOnlyTypingIsChecked) {
    block().firstDelimiter = 13;
    SetFieldText(block().securityPassword, "ABCDEFGHIJK");  // one more than the page lets anyone type
    Open();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Shown(IDC_SETTINGS_DELIM1_CODE), "13");
    EXPECT_EQ(Shown(IDC_SETTINGS_PASSWORD_EDIT), "ABCDEFGHIJK");

    // Typing 13 over the 13 warns once; the value put back is not checked again.
    page().Type(IDC_SETTINGS_DELIM1_CODE, "13");
    EXPECT_EQ(Messages(), Texts{"Warning: Invalid value!"});
    EXPECT_EQ(Shown(IDC_SETTINGS_DELIM1_CODE), "13");

    sheet().Ok();
    EXPECT_EQ(block().firstDelimiter, 13);
    EXPECT_EQ(FieldText(block().securityPassword), "ABCDEFGHIJK");
}

TEST_F(SettingsPageTest, PasswordTakesLettersAndDigitsAndRefusesTheRest) {
    Open();
    page().Type(IDC_SETTINGS_PASSWORD_EDIT, "Abc123");
    page().Type(IDC_SETTINGS_PASSWORD_EDIT, "Abc 12");
    page().Type(IDC_SETTINGS_PASSWORD_EDIT, "Abc-12");
    // Past the box's limit only as another program or a paste would set it.
    page().SetText(IDC_SETTINGS_PASSWORD_EDIT, "Abc123xyZ90");
    EXPECT_EQ(Messages(), (Texts{"Warning: Invalid character!!!", "Warning: Invalid character!!!",
                                 "Warning: Password is too long!!!"}));
    EXPECT_EQ(Shown(IDC_SETTINGS_PASSWORD_EDIT), "Abc123");
    EXPECT_EQ(FieldText(working().securityPassword), "Abc123");
}

TEST_F(SettingsPageTest, HoldTimeZeroEmptyAndAboveTheMaximum) {
    Open();
    page().Type(IDC_SETTINGS_HOLDTIME_EDIT, "");
    EXPECT_EQ(Shown(IDC_SETTINGS_HOLDTIME_EDIT), "1");
    EXPECT_EQ(working().entryHoldTime, 1);
    page().SetText(IDC_SETTINGS_HOLDTIME_EDIT, "100");
    EXPECT_EQ(Shown(IDC_SETTINGS_HOLDTIME_EDIT), "99");
    EXPECT_EQ(working().entryHoldTime, 99);
    page().Type(IDC_SETTINGS_HOLDTIME_EDIT, "0");
    EXPECT_EQ(working().entryHoldTime, 0);
    sheet().Ok();

    // Zero means waiting for Enter, and the page says so the next time.
    Open();
    EXPECT_TRUE(page().IsChecked(IDC_SETTINGS_PRESSENTER_RADIO));
    EXPECT_FALSE(page().IsEnabled(IDC_SETTINGS_HOLDTIME_EDIT));
    page().Click(IDC_SETTINGS_STAY_RADIO);
    EXPECT_EQ(Shown(IDC_SETTINGS_HOLDTIME_EDIT), "1");
    EXPECT_TRUE(page().IsEnabled(IDC_SETTINGS_HOLDTIME_EDIT));
    EXPECT_EQ(working().entryHoldTime, 1);
}

TEST_F(SettingsPageTest, ImageCaptureBoxFollowsTheReaderWorkingCopy) {
    TwoDReaderCapturing();
    Open(false);
    settingsPage().RefreshImageCapture();  // the page does not exist yet: nothing to do
    sheet().Show(kSettingsTab);
    ASSERT_TRUE(page().IsEnabled(IDC_SETTINGS_PROTECT_IMAGE));
    page().Click(IDC_SETTINGS_PROTECT_IMAGE);
    sheet().Show(0);
    sheet().Show(kSettingsTab);
    EXPECT_TRUE(page().IsChecked(IDC_SETTINGS_PROTECT_IMAGE)) << "turning pages keeps the mark";

    // The Barcode page switches capture off.
    t.doc.readerWorking.twoDImageCaptureOn = 0;
    settingsPage().RefreshImageCapture();
    EXPECT_FALSE(page().IsChecked(IDC_SETTINGS_PROTECT_IMAGE));
    EXPECT_FALSE(page().IsEnabled(IDC_SETTINGS_PROTECT_IMAGE));
    sheet().Ok();
    EXPECT_EQ(block().protectImageCapture, 0);
}

TEST_F(SettingsPageTest, ResetThenCancelLeavesTheBlockButReloadsTheScreenTexts) {
    block().vibratorDuration = 4;
    const SystemSettings before = block();
    std::memset(t.doc.deviceTexts.SlotOf(1, 0), 'x', kSlotSize - 1);
    Open();
    page().Click(IDC_SETTINGS_RESET);
    EXPECT_EQ(Shown(IDC_SETTINGS_VIBRATOR_LIST), "Off");
    EXPECT_EQ(std::string(t.doc.deviceTexts.SlotOf(1, 0), 8), "Maximize");
    sheet().Cancel();
    EXPECT_EQ(0, std::memcmp(&block(), &before, sizeof before));
    EXPECT_EQ(std::string(t.doc.deviceTexts.SlotOf(1, 0), 8), "Maximize");
}

TEST_F(SettingsPageTest, OkWithoutEditsChangesNoByte) {
    TwoDReaderCapturing();
    SystemSettings& s = block();
    s.secondDelimiter = '\t';
    s.preloadLastFile = s.autoRun = s.protectImageCapture = s.cameraTimeStamp = 1;
    s.entryHoldTime = 0;
    SetFieldText(s.cameraFileTitle, "IMG");
    std::memset(s.reserved641, 0xA5, sizeof s.reserved641);
    const SystemSettings before = s;
    Open();
    sheet().Ok();
    EXPECT_EQ(0, std::memcmp(&block(), &before, sizeof before));
}

TEST_F(SettingsPageTest, LanguageFileRelabelsThePageAndItsLists) {
    t.strings.table().SetSlot(1162, "Start :");
    t.strings.table().SetSlot(2242, "Menu eins");
    t.strings.table().SetSlot(2342, "s");
    t.strings.SetLanguageActive(true);
    Open();
    EXPECT_EQ(Shown(IDC_SETTINGS_STARTFROM_LABEL), "Start :");
    EXPECT_EQ(Shown(IDC_SETTINGS_DELIMCOUNT_LABEL), "") << "labels take the language entry as it stands";
    EXPECT_EQ(page().items(IDC_SETTINGS_STARTFROM_LIST), (Texts{"form 1", "Menu eins"}));
    EXPECT_EQ(page().ListText(IDC_SETTINGS_VIBRATOR_LIST, 9), "9 s");
}

// What the page leaves behind is what the terminal reads from the file.
TEST_F(SettingsPageTest, AppliedSettingsReachTheFile) {
    block().protectedFunctions[9] = 1;  // the warning beep's byte, which no box shows
    Open();
    Choose(IDC_SETTINGS_DELIMCOUNT_LIST, " 2 ");
    page().Type(IDC_SETTINGS_DELIM1_CODE, "59");
    page().Type(IDC_SETTINGS_DELIM2_CHAR, "|");
    page().Click(IDC_SETTINGS_PROTECT_OPEN);
    page().Click(IDC_SETTINGS_PROTECT_CAMERA);
    page().Click(IDC_SETTINGS_PROTECT_SETTINGS);
    for (int id : {IDC_SETTINGS_PROTECT_PRELOAD, IDC_SETTINGS_PROTECT_DELETION, IDC_SETTINGS_PROTECT_ENTRY,
                   IDC_SETTINGS_PROTECT_VIBRATOR, IDC_SETTINGS_PROTECT_CAMERA})
        EXPECT_FALSE(page().IsEnabled(id)) << "guarding Settings guards box " << id;
    EXPECT_TRUE(page().IsChecked(IDC_SETTINGS_PROTECT_CAMERA)) << "and keeps its mark";
    Choose(IDC_SETTINGS_PRELOAD_LIST, "Yes");
    page().Click(IDC_SETTINGS_AUTORUN);
    sheet().Ok();
    std::vector<std::uint8_t> b = SavedSettings();
    EXPECT_EQ(b[3], ';');
    EXPECT_EQ(b[4], '|');
    const std::uint8_t guarded[13] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0};
    EXPECT_EQ(0, std::memcmp(&b[23], guarded, sizeof guarded)) << "byte 32 is written 0";
    EXPECT_EQ(b[5], 1);
    EXPECT_EQ(b[362], 1);

    // "nil" keeps the codes on the page; apply clears both.
    Open();
    Choose(IDC_SETTINGS_DELIMCOUNT_LIST, "nil");
    EXPECT_FALSE(page().IsEnabled(IDC_SETTINGS_DELIM1_CODE));
    EXPECT_EQ(working().firstDelimiter, ';');
    sheet().Ok();
    b = SavedSettings();
    EXPECT_EQ(b[3], 0);
    EXPECT_EQ(b[4], 0);
}

}  // namespace
}  // namespace fw::test
