// The "more..." buttons of the Barcode page: for each reader family, each
// button the page shows opens a dialog.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "pages/reader/barcode_ids.h"
#include "support/sheet_test.h"
#include "template/blocks/reader_block.h"

namespace fw::test {
namespace {

constexpr int kBarcodePage = 3;
using BarcodeMoreButtons = SheetTest;

// A template for the ELR engine, which only a file can hold; the page's
// reader list then turns to the laser reader and to the 2D reader. Each
// button's row is switched on first where the user can switch it on.
TEST_F(BarcodeMoreButtons, EveryOneOfEveryReaderFamilyOpensADialog) {
    t.doc.blocks.reader.readerType = kReaderBitElr;
    Open(kBarcodePage);
    for (const auto& entry : TestTemplates()) OnModal(entry.first, [](FakeDialog& d) { d.Cancel(); });
    // Each button with the box that switches its dialog on (0: none).
    std::vector<std::pair<int, int>> buttons = {{IDC_BARCODE_RFID_MORE, IDC_BARCODE_RFID}, {IDC_BARCODE_POSTAL, 0},
                                                {IDC_BARCODE_COMPOSITE, 0}, {IDC_BARCODE_SYMBOLOGIES2D, 0},
                                                {IDC_BARCODE_MACROPDF, 0}};
    for (int row = 0; row < BARCODE_SYMBOLOGY_ROWS; ++row)
        buttons.push_back({IDC_BARCODE_SYMBOLOGY_MORE_FIRST + row, IDC_BARCODE_SYMBOLOGY_FIRST + row});
    // The family's rows with a dialog, and the RFID reader's; the 2D image
    // capture row cannot be switched on by the user, so its dialog stays shut.
    const struct {
        const char* reader;  // nullptr: as the file has it (ELR)
        int dialogs;
    } families[] = {{nullptr, 12 + 1}, {"1D Laser Reader", 15 + 1}, {"2D Reader", 18 - 1 + 4 + 1}};
    for (const auto& family : families) {
        SCOPED_TRACE(family.reader ? family.reader : "ELR engine");
        if (family.reader) page().Choose(IDC_BARCODE_READER_LIST, family.reader);
        int opened = 0;
        for (const auto& [more, box] : buttons) {
            if (!page().IsVisible(more)) continue;
            if (!page().IsEnabled(more) && box && page().IsEnabled(box)) page().Click(box);
            if (!page().IsEnabled(more)) continue;
            const std::size_t before = sheet().ui().modalsRun().size();
            page().Click(more);
            EXPECT_GT(sheet().ui().modalsRun().size(), before) << "button " << more << " opened nothing";
            ++opened;
        }
        EXPECT_EQ(opened, family.dialogs);
    }
}

}  // namespace
}  // namespace fw::test
