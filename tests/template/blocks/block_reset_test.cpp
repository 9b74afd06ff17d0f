// What New leaves in each block of the file: every byte written but the
// reserved runs the terminal keeps, and the texts that follow the block's
// number and the language.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/test_document.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

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

}  // namespace
}  // namespace fw
