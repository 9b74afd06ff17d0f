// The Barcode page through the fake sheet, as a user works it: reader
// choice, settings, symbology rows and their click rules, the dialogs its
// "more..." buttons open, and what OK leaves in the template and its file.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "pages/form/form_ids.h"
#include "pages/form/form_page.h"
#include "pages/reader/barcode_ids.h"
#include "pages/reader/barcode_page.h"
#include "pages/reader/symbology_ids.h"
#include "support/sheet_test.h"
#include "template/template_file.h"

namespace fw::test {
namespace {

constexpr int kBarcodePage = 3;

class BarcodePageTest : public SheetTest {
protected:
    ReaderBlock& block() { return t.doc.blocks.reader; }
    ReaderBlock& working() { return t.doc.readerWorking; }
    static int Box(int row) { return IDC_BARCODE_SYMBOLOGY_FIRST + row; }
    static int More(int row) { return IDC_BARCODE_SYMBOLOGY_MORE_FIRST + row; }
    void ChooseReader(const std::string& text) { page().Choose(IDC_BARCODE_READER_LIST, text); }

    // Shown checked, with its "more..." usable.
    void ExpectRowOn(int row, bool on) {
        EXPECT_EQ(page().IsChecked(Box(row)), on) << "row " << row;
        EXPECT_EQ(page().IsEnabled(More(row)), on) << "\"more...\" of row " << row;
    }
};

// ---- The three engine families and no reader ----------------------------------

TEST_F(BarcodePageTest, LaserSameCodeTimeOutIsChosenOnlyForContinuousScanning) {
    Open(kBarcodePage);
    EXPECT_FALSE(page().IsEnabled(IDC_BARCODE_SAMECODE_LIST)) << "scan mode \"Laser\"";
    EXPECT_FALSE(page().IsEnabled(IDC_BARCODE_BUZZFREQ_LIST)) << "the buzzer belongs to the ELR engine";
    page().Choose(IDC_BARCODE_SCANMODE_LIST, "Continuous");
    EXPECT_TRUE(page().IsEnabled(IDC_BARCODE_SAMECODE_LABEL));
    page().Choose(IDC_BARCODE_SAMECODE_LIST, "99");
    sheet().Ok();
    EXPECT_TRUE(t.doc.modified);
    EXPECT_EQ(Values(block().laserScanMode, block().laserSameCodeTimeout), Values(4, 99));
}

TEST_F(BarcodePageTest, DecodeTimeOutIsCorrectedOnLeavingAndTheLedAsTyped) {
    Open(kBarcodePage);
    EXPECT_EQ(Typed(IDC_BARCODE_TIMEOUT_EDIT, "4"), "4") << "still typing";
    page().Leave(IDC_BARCODE_TIMEOUT_EDIT);
    EXPECT_EQ(Shown(IDC_BARCODE_TIMEOUT_EDIT), "5");
    EXPECT_EQ(Typed(IDC_BARCODE_LED_EDIT, "300"), "255");
    page().Type(IDC_BARCODE_TIMEOUT_EDIT, "3");
    sheet().Ok();
    EXPECT_EQ(Values(block().laserDecodeTimeout, block().goodReadLedDuration), Values(5, 255))
        << "apply holds the time-out at 0.5 s too";
}

// What only the 2D reader has: image capture, which is not switched on from
// the page, but whose parameters stay reachable for a file that has it on;
// and two rows sharing one dialog. (The coupon rules run on the 2D rows as on
// the laser rows, from the same table.)
TEST_F(BarcodePageTest, TwoDImageCaptureRowStaysGreyedWithItsParametersReachableAndDataBarRowsShareTheirs) {
    block().twoDImageCaptureOn = 1;
    Open(kBarcodePage);
    ChooseReader("2D Reader");
    EXPECT_EQ(Enabled(page(), {Box(19), More(19), IDC_BARCODE_ANGLE_LIST}), Values(0, 1, 0)) << "illumination stays off";
    page().Click(Box(14));  // DataBar-14 off: Limited still uses its parameters
    EXPECT_TRUE(page().IsEnabled(More(14)));
    page().Click(Box(15));
    EXPECT_FALSE(page().IsEnabled(More(14)));
}

TEST_F(BarcodePageTest, NoReaderGreysThePageAndWritesTheGreyedRowsIntoTheElrGroup) {
    block().laserCode39On = 0;
    block().laserChinese25On = 1;
    block().laserAimDuration = 7;
    const ReaderBlock before = block();
    Open(kBarcodePage);
    ChooseReader("None");
    for (int id : {Box(0), More(4), IDC_BARCODE_TIMEOUT_EDIT, IDC_BARCODE_GOODREAD_LIST, IDC_BARCODE_SAMECODE_LIST})
        EXPECT_FALSE(page().IsEnabled(id)) << id;
    EXPECT_TRUE(page().IsEnabled(IDC_BARCODE_RFID)) << "an RFID reader needs no barcode reader";

    sheet().Ok();
    // Row 0 (Code 39) and row 3 (Chinese 25) in the ELR group, and the hidden
    // box carrying the laser aim duration.
    EXPECT_EQ(Values(block().readerType, block().elrUpcaOn, block().elrEan8On, block().elrDecodeTimeout),
              Values(kReaderTypeNone, 0, 1, 7));
    EXPECT_EQ(std::memcmp(&before, &block(), offsetof(ReaderBlock, reserved84)), 0) << "the laser group";
    EXPECT_EQ(std::memcmp(&before.twoDUpcaOn, &block().twoDUpcaOn,
                          offsetof(ReaderBlock, reserved343) - offsetof(ReaderBlock, twoDUpcaOn)),
              0)
        << "the 2D group";
}

TEST_F(BarcodePageTest, ElrFileTakesItsRowsOnApplyAndItsTimesFromItsOwnBoxes) {
    block().readerType = kReaderBitElr;
    block().elrTrioptic39On = 0;
    Open(kBarcodePage);
    page().Click(Box(10));
    EXPECT_EQ(working().elrTrioptic39On, 0) << "ELR rows are stored on apply";
    page().Type(IDC_BARCODE_AIM_EDIT, "7");
    page().Type(IDC_BARCODE_SAMECODE_EDIT, "12");
    EXPECT_EQ(Typed(IDC_BARCODE_BUZZDUR_EDIT, "256"), "255");
    sheet().Ok();
    EXPECT_EQ(Values(block().elrTrioptic39On, block().elrDecodeTimeout, block().elrAimDuration), Values(1, 7, 12));
}

TEST_F(BarcodePageTest, ResetRestoresTheDefaultsButKeepsTheRfidBox) {
    block().readerType = kReaderTypeNone;
    block().laserCode39On = 0;
    block().rfidReaderOn = 1;
    Open(kBarcodePage);
    page().Click(IDC_BARCODE_RESET);
    EXPECT_EQ(Shown(IDC_BARCODE_READER_LIST), "1D Laser Reader");
    ExpectRowOn(0, true);
    sheet().Ok();
    EXPECT_EQ(Values(block().readerType, block().rfidReaderOn), Values(kReaderTypeLaser, 1));
}

// ---- Click rules ------------------------------------------------------------------

TEST_F(BarcodePageTest, LaserCouponCodeNeedsUpcaOrEan13AndGs1128) {
    Open(kBarcodePage);
    page().Click(Box(20));
    ExpectRowOn(20, true);
    EXPECT_EQ(working().laserCouponOn, 1);

    page().Click(Box(7));  // GS1-128 off
    ExpectRowOn(20, false);
    EXPECT_EQ(Values(working().laserGs1128On, working().laserCouponOn), Values(0, 0));

    page().Click(Box(7));
    page().Click(Box(20));
    page().Click(Box(13));  // EAN-13 off: UPC-A still carries the coupon
    EXPECT_EQ(working().laserEan13On, 0);
    ExpectRowOn(14, false);  // Bookland EAN follows EAN-13
    EXPECT_FALSE(page().IsEnabled(Box(14)));
    ExpectRowOn(20, true);
    page().Click(Box(9));  // UPC-A off as well
    ExpectRowOn(20, false);
    EXPECT_EQ(working().laserCouponOn, 0);

    page().Click(Box(13));
    EXPECT_TRUE(page().IsEnabled(Box(14)));
    EXPECT_FALSE(page().IsChecked(Box(14)));

    // UPC-A with the country code in front carries no coupon code.
    page().Click(Box(9));
    page().Click(Box(20));
    working().laserUpcaPreamble = 2;
    page().Click(Box(13));
    ExpectRowOn(20, false);
}

TEST_F(BarcodePageTest, CouponWithoutItsPrerequisiteAsksTheCouponDialog) {
    block().laserUpcaPreamble = 2;
    block().laserEan13On = 0;
    block().laserGs1128On = 0;
    Open(kBarcodePage);
    OnModal("COUPON_CODE_2D", [](FakeDialog& d) { d.Cancel(); });
    page().Click(Box(20));
    ExpectRowOn(20, false);
    EXPECT_EQ(Values(working().laserCouponOn, working().laserUpcaPreamble), Values(0, 2));

    OnModal("COUPON_CODE_2D", [](FakeDialog& d) {
        d.Click(IDC_COUPON_UPCA);  // the note about the preamble comes first
        d.Ok();
    });
    OnModal("COUPON_CODE_NOTE", [](FakeDialog& d) { d.Ok(); });
    OnModal("COUPON_CODE_CONTENT", [](FakeDialog& d) { d.Ok(); });
    page().Click(Box(20));
    ExpectRowOn(20, true);
    ExpectRowOn(7, true);
    EXPECT_EQ(working().laserCouponOn, 1) << "the coupon dialogs' own bytes are their test's";

    // Whatever the UPC-A dialog does, a coupon code brings GS1-128 back.
    working().laserGs1128On = 0;
    OnModal("UPCADLG_1D955", [](FakeDialog& d) { d.Cancel(); });
    page().Click(More(9));
    EXPECT_EQ(working().laserGs1128On, 1);
    ExpectRowOn(7, true);
}

// Without the RFID reader a stored RFID source shows as "all", and only
// choosing changes the stored code.
TEST_F(BarcodePageTest, RfidBoxOffersTheRfidSourceOnTheFormPage) {
    t.doc.blocks.forms[0].dataType[0] = kTypeText;  // its source is RFID's code
    t.doc.blocks.forms[7].inputSource[11] = kSourceRfid;
    Open(kBarcodePage);
    FakeDialog& form = *sheet().page(0);
    sheet().Show(0);
    EXPECT_LT(ListFind(form, IDC_FORM_SOURCE_FIRST, "RFID"), 0);
    EXPECT_EQ(form.GetText(IDC_FORM_SOURCE_FIRST), "all");
    const auto& forms = session().formPage().state().forms;
    EXPECT_EQ(forms[0].inputSource[0], kSourceRfid);

    sheet().Show(kBarcodePage);
    EXPECT_FALSE(page().IsEnabled(IDC_BARCODE_RFID_MORE));
    page().Click(IDC_BARCODE_RFID);
    EXPECT_EQ(t.doc.rfidReaderFlag, 1u);
    EXPECT_TRUE(page().IsEnabled(IDC_BARCODE_RFID_MORE));
    sheet().Show(0);
    form.Choose(IDC_FORM_SOURCE_FIRST, "RFID");

    sheet().Show(kBarcodePage);
    page().Click(IDC_BARCODE_RFID);
    EXPECT_EQ(Values(t.doc.rfidReaderFlag, forms[0].inputSource[0], forms[7].inputSource[11]),
              Values(0, kSourceAll, kSourceAll))
        << "no RFID reader, no RFID source on any form";
    EXPECT_LT(ListFind(form, IDC_FORM_SOURCE_FIRST, "RFID"), 0);

    page().Click(IDC_BARCODE_RFID);
    sheet().Ok();
    EXPECT_EQ(block().rfidReaderOn, 1);
}

// ---- The "more..." buttons ---------------------------------------------------------

// A template for the ELR engine, which only a file can hold; the page's
// reader list then turns to the laser reader and to the 2D reader. Each
// button's row is switched on first where the user can switch it on.
TEST_F(BarcodePageTest, EveryMoreButtonOfEveryReaderFamilyOpensADialog) {
    block().readerType = kReaderBitElr;
    Open(kBarcodePage);
    for (const auto& entry : TestTemplates()) OnModal(entry.first, [](FakeDialog& d) { d.Cancel(); });
    // Each button with the box that switches its dialog on (0: none).
    std::vector<std::pair<int, int>> buttons = {{IDC_BARCODE_RFID_MORE, IDC_BARCODE_RFID}, {IDC_BARCODE_POSTAL, 0},
                                                {IDC_BARCODE_COMPOSITE, 0}, {IDC_BARCODE_SYMBOLOGIES2D, 0},
                                                {IDC_BARCODE_MACROPDF, 0}};
    for (int row = 0; row < BARCODE_SYMBOLOGY_ROWS; ++row) buttons.push_back({More(row), Box(row)});
    // The family's rows with a dialog, and the RFID reader's; the 2D image
    // capture row cannot be switched on by the user, so its dialog stays shut.
    const struct {
        const char* reader;  // nullptr: as the file has it (ELR)
        int dialogs;
    } families[] = {{nullptr, 12 + 1}, {"1D Laser Reader", 15 + 1}, {"2D Reader", 18 - 1 + 4 + 1}};
    for (const auto& family : families) {
        SCOPED_TRACE(family.reader ? family.reader : "ELR engine");
        if (family.reader) ChooseReader(family.reader);
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

// ---- What OK leaves behind ----------------------------------------------------------

TEST_F(BarcodePageTest, EachReaderChoiceReachesTheSavedFile) {
    const struct {
        std::uint8_t fileType;     // what the template held
        const char* choice;        // what the user picks, or nullptr
        std::size_t rowOneByte;    // where the unchecked row 1 lands
        std::uint8_t readerType;   // in the file
        std::uint8_t engineCode;
    } cases[] = {
        {kReaderTypeLaser, nullptr, offsetof(ReaderBlock, laserInd25On), kReaderTypeLaser, kEngineCodeLaser},
        {kReaderTypeLaser, "2D Reader", offsetof(ReaderBlock, twoDUpce0On), kReaderType2D, kEngineCode2D},
        {kReaderBitElr, nullptr, offsetof(ReaderBlock, elrUpce0On), kReaderTypeNone, kEngineCodeLaser},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice ? c.choice : "as loaded");
        t.doc.Reset();
        block().readerType = c.fileType;
        Open(kBarcodePage);
        if (c.choice != nullptr) ChooseReader(c.choice);
        page().Click(Box(1));
        sheet().Ok();
        const std::vector<std::uint8_t> bytes = SavedBytes(t.doc);
        auto at = [&](std::size_t offset) { return bytes[kBlocksOffset + offsetof(TemplateBlocks, reader) + offset]; };
        EXPECT_EQ(Values(at(c.rowOneByte), at(offsetof(ReaderBlock, readerType)), at(offsetof(ReaderBlock, engineCode))),
                  Values(0, c.readerType, c.engineCode));
    }
}

}  // namespace
}  // namespace fw::test
