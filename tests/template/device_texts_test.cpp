#include "template/device_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
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
// table, in file order, must start exactly where the tables before it end.
TEST(DeviceTexts, StandInTheFileInTheTerminalsOrder) {
    test::TestDocument t;
    // Every slot gets a text that names its id.
    for (int id = 3001; id <= 3980; ++id) t.strings.table().SetSlot(id, "#" + std::to_string(id));
    t.strings.SetLanguageActive(true);
    t.doc.FillDeviceTexts();
    const std::vector<std::uint8_t> file = test::SavedBytes(t.doc);

    std::size_t offset = 20 + 122169 + 500;  // signature, blocks, zero run
    for (const auto& [firstId, slots] : kDeviceTables) {
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
