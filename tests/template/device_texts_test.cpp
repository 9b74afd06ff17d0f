#include "template/device_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/test_document.h"
#include "template/template_file.h"

namespace fw {
namespace {

TEST(DeviceTexts, CarryTheProgramTextsAsFiftyCharacterFields) {
    test::TestDocument t;
    EXPECT_EQ(std::string(t.doc.deviceTexts.SlotForId(3001)), "Maximize" + std::string(42, ' '));
    EXPECT_EQ(std::string(t.doc.deviceTexts.SlotForId(3005)), std::string(50, ' '));
    EXPECT_STREQ(t.doc.deviceTexts.SlotForId(3947), "") << "the string table has no text for 3947";
    EXPECT_EQ(t.doc.deviceTexts.SlotForId(3000), nullptr);
}

// The terminal finds each screen's texts by their place in the file: every
// table, given here by its first id and size in file order, must start
// exactly where the tables before it end.
TEST(DeviceTexts, StandInTheFileInTheTerminalsOrder) {
    const std::pair<int, int> fileOrder[] = {
        {3001, 5},  {3021, 10}, {3041, 10}, {3061, 10}, {3101, 10}, {3121, 10}, {3141, 5},  {3161, 10},
        {3181, 10}, {3201, 10}, {3221, 20}, {3241, 20}, {3261, 20}, {3301, 5},  {3321, 5},  {3341, 5},
        {3361, 5},  {3381, 15}, {3401, 10}, {3421, 5},  {3501, 5},  {3521, 10}, {3541, 5},  {3561, 5},
        {3581, 10}, {3601, 10}, {3621, 5},  {3641, 10}, {3661, 70}, {3801, 20}, {3821, 15}, {3841, 20},
        {3861, 10}, {3881, 10}, {3901, 10}, {3921, 15}, {3531, 10}, {3281, 20}, {3431, 10}, {3441, 10},
        {3761, 10}, {3771, 10}, {3781, 10}, {3791, 10}, {3941, 20}, {3961, 20}, {3741, 20}, {3511, 10},
        {3551, 10}, {3571, 10}, {3591, 10},
    };
    test::TestDocument t;
    // Every slot gets a text that names its id.
    for (int id = 3001; id <= 3980; ++id) t.strings.table().SetSlot(id, "#" + std::to_string(id));
    t.strings.SetLanguageActive(true);
    t.doc.FillDeviceTexts();
    const std::vector<std::uint8_t> file = test::SavedBytes(t.doc);

    std::size_t offset = 20 + 122169 + 500;  // signature, blocks, zero run
    for (const auto& [firstId, slots] : fileOrder) {
        for (int slot : {0, slots - 1})
            EXPECT_EQ(test::TextAt(file, offset + slot * kSlotSize), "#" + std::to_string(firstId + slot))
                << "at file offset " << offset;
        offset += slots * kSlotSize;
    }
    EXPECT_EQ(offset, file.size());
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
