#include "template/device_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_document.h"

namespace fw {
namespace {

TEST(DeviceTexts, CarryTheProgramTextsAsFiftyCharacterFields) {
    test::TestDocument t;
    EXPECT_EQ(std::string(t.doc.deviceTexts.SlotForId(3001)), "Maximize" + std::string(42, ' '));
    EXPECT_EQ(std::string(t.doc.deviceTexts.SlotForId(3005)), std::string(50, ' '));
    EXPECT_STREQ(t.doc.deviceTexts.SlotForId(3947), "") << "the string table has no text for 3947";
    EXPECT_EQ(t.doc.deviceTexts.SlotForId(3000), nullptr);
    // Table 37 (3531-3540) stands in the file after table 36 (3921-3935).
    EXPECT_EQ(&t.doc.deviceTexts.SlotOf(37, 0)[0] - &t.doc.deviceTexts.SlotOf(36, 0)[0], 15 * 51);
    EXPECT_EQ(std::string(t.doc.deviceTexts.SlotOf(37, 0)).substr(0, 12), "Auto-preload");
}

TEST(DeviceTexts, FollowTheActiveLanguageCutToFiftyCharacters) {
    test::TestDocument t;
    t.strings.table().SetSlot(3002, std::string(70, 'q'));
    t.strings.table().SetSlot(3741, "Bildeigenschaften");
    t.strings.SetLanguageActive(true);
    Slot slot;
    EXPECT_EQ(LoadSlotString(t.strings, 3002, slot), 50u);
    EXPECT_EQ(std::string(slot), std::string(50, 'q'));

    t.doc.deviceTexts.FillTable(t.strings, kImagePropertiesTable);
    EXPECT_STREQ(t.doc.deviceTexts.SlotForId(3741), "Bildeigenschaften");
    EXPECT_EQ(std::string(t.doc.deviceTexts.SlotForId(3002)).substr(0, 4), "Exit") << "other tables untouched";
    t.doc.FillDeviceTexts();
    EXPECT_EQ(std::string(t.doc.deviceTexts.SlotForId(3002)), std::string(50, 'q'));
}

TEST(DeviceTexts, SurviveTheResetSoNewKeepsTheTextsOfTheLastFile) {
    test::TestDocument t;
    t.doc.deviceTexts.SlotOf(2, 0)[0] = 'Z';
    t.doc.Reset();
    EXPECT_EQ(t.doc.deviceTexts.SlotOf(2, 0)[0], 'Z');
}

}  // namespace
}  // namespace fw
