// The blocks' own rules: what New leaves in each block of the file (every
// byte written but the reserved runs the terminal keeps, and the texts that
// follow the block's number and the language), the reader type's bits, the
// menu's item count, the split lengths of the form lines and the lookup
// files' tidying.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/test_document.h"
#include "template/blocks/form_block.h"
#include "template/blocks/lookup_block.h"
#include "template/blocks/menu_block.h"
#include "template/blocks/reader_block.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

using test::Values;

// The runs of bytes a reset leaves alone over a block of 0xAA, as "first-last".
template <class Block, class Reset>
std::string KeptRuns(Reset reset) {
    Block block;
    std::memset(&block, 0xAA, sizeof block);
    reset(block);
    const auto* b = reinterpret_cast<const std::uint8_t*>(&block);
    std::string runs;
    for (std::size_t i = 0; i < sizeof block; ++i) {
        if (b[i] != 0xAA) continue;
        std::size_t last = i;
        while (last + 1 < sizeof block && b[last + 1] == 0xAA) ++last;
        runs += (runs.empty() ? "" : " ") + std::to_string(i) + (last > i ? "-" + std::to_string(last) : "");
        i = last;
    }
    return runs;
}

TEST(BlockReset, WritesEveryByteButTheReservedRuns) {
    test::TestDocument t;
    EXPECT_EQ(KeptRuns<FormRecord>([&](FormRecord& f) { ResetFormRecord(f, 6, t.strings); }), "4130-5026");
    EXPECT_EQ(KeptRuns<MenuRecord>([](MenuRecord& m) { ResetMenuRecord(m, 3); }), "837-1336");
    EXPECT_EQ(KeptRuns<LookupRecord>([&](LookupRecord& l) { ResetLookupRecord(l, 2, t.strings); }),
              "821-835 841-849 851-1323")
        << "the length extension and the reserved bytes";
    EXPECT_EQ(KeptRuns<ReaderBlock>(ResetReaderBlock), "84-111 180-201 220 343-361 371-380 382-391 399-414 748-776");
    EXPECT_EQ(KeptRuns<SystemSettings>([&](SystemSettings& s) { ResetSystemSettings(s, t.strings); }), "641-861");

    // Reserved bytes that are written all the same: the terminal reads them.
    SystemSettings settings;
    ResetSystemSettings(settings, t.strings);
    EXPECT_EQ((std::vector<int>{settings.reserved1, settings.reserved2, settings.reserved363, settings.reserved364}),
              (std::vector<int>{1, 1, 10, 60}));
}

// The program's own names ("Form 07", "2nd lookup file") show in the dump
// and lookup-check tests.
TEST(BlockReset, NamesFollowTheBlocksNumberAndTheLanguageCutToTheirField) {
    test::TestDocument t;
    FormRecord form;
    LookupRecord lookup;
    t.strings.table().SetSlot(11, "Formular ");
    t.strings.table().SetSlot(1321, "Artikel   ");
    t.strings.table().SetSlot(1322, "Kundenstammdatei  Nord");
    t.strings.table().SetSlot(3541, std::string(259, 'd') + "XY");
    t.strings.SetLanguageActive(true);
    ResetFormRecord(form, 19, t.strings);
    EXPECT_EQ(FieldText(form.exportName), "Formular 20");
    ResetLookupRecord(lookup, 0, t.strings);
    EXPECT_EQ(FieldText(lookup.exportName), "Artikel   ") << "trailing blanks kept";
    ResetLookupRecord(lookup, 1, t.strings);
    EXPECT_EQ(FieldText(lookup.exportName), "Kundenstammdatei  No");
    SystemSettings settings;
    ResetSystemSettings(settings, t.strings);
    EXPECT_EQ(FieldText(settings.defaultExportStore), std::string(259, 'd') + "X");
    EXPECT_EQ(FieldText(settings.cameraImageStore), std::string(259, 'd') + "X");
    EXPECT_EQ(settings.reserved315[0], 0) << "the cut does not spill into the next field";
}

TEST(SplitLengths, StoreTotalsAbove160AsBlocksAndRemainder) {
    std::uint8_t blocks = 9, remainder = 9;
    StoreSplit(blocks, remainder, 160);
    EXPECT_EQ(Values(blocks, remainder), Values(0, 160));
    StoreSplit(blocks, remainder, 2048);
    EXPECT_EQ(Values(blocks, remainder), Values(12, 128));
    StoreSplit(blocks, remainder, 500);
    EXPECT_EQ(Values(blocks, SplitTotal(blocks, remainder)), Values(3, 500));
}

TEST(MenuRecord, ItemCountCountsEveryNamedSlotWhereverItIs) {
    MenuRecord menu;
    std::memset(&menu, 0, sizeof menu);
    menu.itemCount = 99;
    CountMenuItems(menu);
    EXPECT_EQ(menu.itemCount, 0);

    SetFieldText(menu.itemName[0], "Receive");
    SetFieldText(menu.itemName[2], "Ship");     // slot 1 left empty
    SetFieldText(menu.itemName[4], "   ");      // blank, but stored
    SetFieldText(menu.itemName[10], "Count");   // beyond the ten the page shows
    SetFieldText(menu.itemName[14], "Audit");
    // Bytes behind a leading NUL do not make a name.
    menu.itemName[7][1] = 'x';
    CountMenuItems(menu);
    EXPECT_EQ(menu.itemCount, 5);
}

struct StateCase {
    std::uint8_t readerType;
    std::uint8_t oneDClass;
    std::uint8_t twoDClass;
    ReaderFamily family;
};

TEST(ReaderTypeState, FollowsTheBitPrecedence) {
    const StateCase cases[] = {
        {kReaderTypeNone, 0, 0, ReaderFamily::None},
        {kReaderTypeLaser, 3, 0, ReaderFamily::Laser},
        {kReaderType2D, 0, 2, ReaderFamily::TwoD},
        {0x01, 2, 0, ReaderFamily::Laser},
        {0x03, 2, 0, ReaderFamily::Laser},  // bit 0 wins over bit 1
        {0x82, 1, 0, ReaderFamily::Elr},    // bit 1 wins over bit 7
        {0x44, 0, 1, ReaderFamily::TwoD},   // bit 2 wins over bit 6
        {0xC0, 3, 2, ReaderFamily::Laser},  // a 1D laser beats a 2D class
        {0x42, 1, 2, ReaderFamily::TwoD},   // a 2D class beats ELR
        {0x20, 0, 0, ReaderFamily::None},   // other bits mean nothing
    };
    for (const StateCase& c : cases) {
        ReaderBlock block{};
        block.readerType = c.readerType;
        const ReaderTypeState state = DeriveReaderTypeState(block);
        EXPECT_EQ(state.oneDClass, c.oneDClass) << "readerType " << int{c.readerType};
        EXPECT_EQ(state.twoDClass, c.twoDClass) << "readerType " << int{c.readerType};
        EXPECT_EQ(FamilyOf(state), c.family) << "readerType " << int{c.readerType};
    }
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
    EXPECT_EQ(Values(lookups[4].recordLength[0], lookups[4].recordLength[1], GetLe16(lookups[0].recordLength),
                           lookups[0].fieldLength[14], GetLe16(lookups[1].recordLength)),
              Values(128, 7, 15, 1, 0));
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
