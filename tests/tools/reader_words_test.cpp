#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/test_document.h"
#include "template/template_file.h"
#include "tools/fwtool/fwtool.h"

namespace fw {
namespace {

// A reader byte on both sides of a diff, and the line that shows the change.
struct ReaderCase {
    std::uint8_t ReaderBlock::*field;
    std::uint8_t from, to;
    const char* line;
};

TEST(ReaderWords, DiffReadsReaderCodesAsThePagesListThem) {
    const ReaderCase cases[] = {
        // Symbology dialogs' lists, their entries' codes their indexes.
        {&ReaderBlock::laserCode39LenMode, 3, 1, "reader laser code39 len mode: Range → One Length"},
        {&ReaderBlock::laserMsiCheckDigits, 0, 1, "reader laser msi check digits: One Check Digit → Two Check Digits"},
        // The Barcode page's lists: numbers only; a code no entry has; codes of their own.
        {&ReaderBlock::laserSameCodeTimeout, 10, 25, "reader laser same code timeout: 10 → 25"},
        {&ReaderBlock::laserRedundancy, 1, 9, "reader laser redundancy: Level 1 → 9"},
        {&ReaderBlock::laserScanMode, 8, 4, "reader laser scan mode: Laser → Continuous"},
        // A symbology dialog's list with codes of its own.
        {&ReaderBlock::twoDMacroPdfMode, 4, 1,
         "reader 2D macro pdf mode: Pass throught All Symbols → Transmit Any Symbol in Set/No Particular Order"},
        // The good-read sound's entries are made by the page, not a run of texts.
        {&ReaderBlock::goodReadSound, 2, 0, "reader good read sound: Sound 2 → Mute"},
    };
    test::TempDir dir;
    test::TestDocument a, b;
    std::string expected;
    for (const ReaderCase& c : cases) {
        a.doc.blocks.reader.*c.field = c.from;
        b.doc.blocks.reader.*c.field = c.to;
        expected += std::string(c.line) + "\n";
    }
    test::WriteAll(dir / "a.QLT", TemplateImage(a.doc));
    test::WriteAll(dir / "b.QLT", TemplateImage(b.doc));

    std::ostringstream out, err;
    EXPECT_EQ(RunFwtool({"diff", (dir / "a.QLT").string(), (dir / "b.QLT").string()}, out, err), 1);
    EXPECT_EQ(out.str(), expected);
}

}  // namespace
}  // namespace fw
