#include "template/blocks/lookup_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/test_document.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

const unsigned char* Bytes(const LookupRecord& lookup) {
    return reinterpret_cast<const unsigned char*>(&lookup);
}

// The five lookup files as New leaves them.
class LookupBlockTest : public ::testing::Test {
protected:
    test::TestDocument t;
    LookupRecord (&lookups)[kLookupCount] = t.doc.blocks.lookups;
};

TEST_F(LookupBlockTest, NormaliseClearsUnusedSlotsButKeepsTheirLengthExtension) {
    LookupRecord& lookup = lookups[1];
    for (int slot = 0; slot < kLookupSlotCount; ++slot) {
        lookup.dataType[slot] = 2;
        SetFieldText(lookup.fieldName[slot], "Qty");
        lookup.fieldLength[slot] = 10;
        lookup.fieldLengthHigh[slot] = 3;
    }
    lookup.fieldCount = 2;
    NormalizeLookups(lookups);

    for (int slot = 0; slot < 2; ++slot) {
        EXPECT_EQ(lookup.dataType[slot], 2);
        EXPECT_EQ(FieldText(lookup.fieldName[slot]), "Qty");
        EXPECT_EQ(lookup.fieldLength[slot], 10);
    }
    for (int slot = 2; slot < kLookupSlotCount; ++slot) {
        EXPECT_EQ(lookup.dataType[slot], 0);
        EXPECT_EQ(lookup.fieldLength[slot], 0);
        EXPECT_EQ(lookup.fieldLengthHigh[slot], 3);
        for (char c : lookup.fieldName[slot]) ASSERT_EQ(c, '\0') << "slot " << slot;
    }
    EXPECT_EQ(GetLe16(lookup.recordLength), 20u) << "the high part is not counted";
}

// The sum goes over two bytes, and over no more slots than there are, even
// when a damaged file counts more fields.
TEST_F(LookupBlockTest, NormaliseSumsTheSlotsLengthsIntoTwoBytes) {
    lookups[4].fieldCount = 12;
    for (int slot = 0; slot < 12; ++slot) lookups[4].fieldLength[slot] = 160;
    lookups[4].recordLength[0] = lookups[4].recordLength[1] = 0xFF;
    lookups[0].fieldCount = 200;
    for (int slot = 0; slot < kLookupSlotCount; ++slot) lookups[0].fieldLength[slot] = 1;
    lookups[0].fieldLengthHigh[0] = 50;
    NormalizeLookups(lookups);
    EXPECT_EQ(test::Values(Bytes(lookups[4])[2], Bytes(lookups[4])[3], GetLe16(lookups[0].recordLength),
                           lookups[0].fieldLength[14], GetLe16(lookups[1].recordLength)),
              test::Values(128, 7, 15, 1, 0));
}

TEST_F(LookupBlockTest, NormaliseTidiesExportNamesOnlyWhenTheSwitchIsOn) {
    SetFieldText(lookups[0].exportName, "abc   ");
    SetFieldText(lookups[1].exportName, "abc   ");
    lookups[1].changeExportName = 0;
    std::memset(lookups[2].exportName, 'n', sizeof lookups[2].exportName);  // 21 characters, no NUL
    SetFieldText(lookups[3].exportName, "    ");
    SetFieldText(lookups[4].exportName, "a b ");
    lookups[4].exportName[6] = 'z';  // behind the NUL: not part of the name
    NormalizeLookups(lookups);

    std::string names;
    for (const LookupRecord& lookup : lookups) names += std::string(FieldText(lookup.exportName)) + "|";
    EXPECT_EQ(names, "abc|abc   |" + std::string(20, 'n') + "||a b|");
    for (int i = 3; i <= 6; ++i) EXPECT_EQ(lookups[0].exportName[i], '\0') << "byte " << i;
    EXPECT_EQ(lookups[4].exportName[6], 'z');
}

TEST(ExportName, CutsAfterTrimmingSoSpacesPastTwentyDoNotCount) {
    char name[kExportNameSize];
    std::memset(name, ' ', sizeof name);
    std::memcpy(name, "ABCDEFGHIJKLMNOPQRS", 19);  // 19 letters, then blanks to the end
    TidyExportName(name);
    EXPECT_EQ(FieldText(name), "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(name[20], '\0');
}

}  // namespace
}  // namespace fw
