// A file from elsewhere, with codes no list offers and numbers past what the
// boxes let anyone type, on every page: looking at every form, menu and
// lookup file and pressing OK changes no byte that the pages' apply rules do
// not name.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "pages/form/form_normalize.h"
#include "pages/lookup/lookup_ids.h"
#include "pages/reader/barcode_ids.h"
#include "pages/reader/barcode_rows.h"
#include "pages/settings/settings_ids.h"
#include "support/sheet_test.h"
#include "template/fixed_text.h"
#include "template/template_file.h"
#include "ui/byte_bindings.h"

namespace fw::test {
namespace {

constexpr int kIdList = 391;  // the form, menu or lookup shown, on each of those pages
constexpr int kLookupTab = 2;
constexpr int kBarcodeTab = 3;
constexpr int kSettingsTab = 4;

void OddMenus(MenuRecord (&menus)[kMenuCount]) {
    for (MenuRecord& m : menus) {
        m.captionEnabled = 2;
        m.saveCaption = 3;
        m.saveSelectedItem = 4;
        m.escTarget = 40;
        SetFieldText(m.itemName[0], "Count");
        std::memset(m.itemName[1], 'x', sizeof m.itemName[1]);  // no room for the NUL
        std::memset(m.caption, 'x', sizeof m.caption);
        m.nextTarget[0] = 41;
        m.nextTarget[1] = 200;
        std::memset(m.reserved837, 0xA5, sizeof m.reserved837);
        CountMenuItems(m);
    }
}

void OddForms(TemplateBlocks& b) {
    for (FormRecord& f : b.forms) {
        f.escTarget = 40;
        f.nextTarget = 45;
        f.lookupFile = 9;
        f.recordAction = 7;
        f.keyLine = 20;
        f.dataType[0] = kTypeText;
        f.inputSource[0] = 9;
        f.lookupField[0] = 99;
        f.dataType[2] = 99;  // takes no input source: the page stores "all"
        f.inputSource[2] = kSourceAll;
    }
    NormalizeForms(b.forms, b.lookups, b.reader.readerType);
}

void OddLookups(LookupRecord (&lookups)[kLookupCount]) {
    for (LookupRecord& l : lookups) {
        l.fieldCount = 2;
        l.keyField = 14;
        l.dataType[0] = 9;
        l.dataType[1] = 200;
        l.fieldLength[0] = 160;
        std::memset(l.fieldName[1], 'x', sizeof l.fieldName[1]);
        std::memset(l.exportName, 'x', sizeof l.exportName);
        l.noMatchAction = l.wrongFormatAction = 9;
        l.autoExport = 1;
        l.saveMode = 2;
        l.delimiter = 13;
        std::memset(l.reserved851, 0xA5, sizeof l.reserved851);
    }
    NormalizeLookups(lookups);
}

// The reader bytes apply stores from greyed or fixed controls hold what
// apply stores; everything else a list or box shows is out of its range, and
// the rows of every family alternate.
void OddReader(ReaderBlock& r, std::uint8_t readerType) {
    for (ReaderFamily family : {ReaderFamily::Laser, ReaderFamily::TwoD, ReaderFamily::Elr})
        for (int row = 0; row < kSymbologyRowCount; ++row)
            if (const RowUse& use = RowFor(family, row); use.shown()) BlockBytes(r)[use.offset] = row % 2;
    r.laserCouponOn = r.twoDCouponOn = 0;  // kept clear by the click rules
    r.readerType = readerType;
    r.goodReadSound = 20, r.buzzerFreqCode = 0, r.goodReadLedDuration = 255, r.buzzerDuration = 255;
    r.laserScanAngle = 5, r.laserRedundancy = 0, r.laserScanMode = 6, r.laserCodeIdMode = 4;
    r.laserSameCodeTimeout = 10, r.laserDecodeTimeout = 150, r.laserAimDuration = 150;
    r.twoDIllumination = r.twoDAimingPattern = r.twoDImageCaptureOn = 0, r.twoDScanMode = 8;
    r.twoDSameCodeTimeout = 6, r.twoDDecodeTimeout = 3, r.twoDRedundancy = 0, r.twoDSecurityLevel = 7;
    r.twoDCodeIdMode = 5;
    r.elrAimDuration = r.elrDecodeTimeout = 150;
    std::memset(r.reserved343, 0xA5, sizeof r.reserved343);
}

void OddSettings(SystemSettings& s) {
    s.startFrom = 5, s.preloadLastFile = 3, s.dataDeletion = 7, s.entryOption = 9, s.entryHoldTime = 150;
    s.vibratorDuration = 12;
    s.cameraResolution = s.cameraColorEffect = 9, s.cameraFlash = 4, s.cameraImageFormat = 5;
    s.cameraAutoFileName = 3, s.cameraNamingRule = 2, s.deleteDatabaseOnOpen = 4, s.cameraTimeStamp = 5;
    s.firstDelimiter = 13, s.secondDelimiter = 200;
    SetFieldText(s.securityPassword, "ABCDEFGHIJK");  // one more than typing allows
    std::memset(s.reserved641, 0xA5, sizeof s.reserved641);
}

class UntouchedOkTest : public SheetTest {
protected:
    // Shows every page, and on the pages of several records every record.
    void LookAtEverything() {
        const int records[] = {kFormCount, kMenuCount, kLookupCount, 0, 0};
        for (int tab = 0; tab < 5; ++tab) {
            sheet().Show(tab);
            for (int k = 0; k < records[tab]; ++k) sheet().current().Choose(kIdList, k);
        }
    }
};

TEST_F(UntouchedOkTest, OutOfRangeValuesFromAFileSurviveEveryPage) {
    const struct {
        std::uint8_t fileType;
        std::uint8_t appliedType;  // the reader list's choice, which apply stores
        const char* listShows;
        const char* row10;  // the family's text
    } readers[] = {
        {kReaderTypeLaser, kReaderTypeLaser, "1D Laser Reader", "UPC-E0"},
        {kReaderBitElr | kReaderBit2D, kReaderType2D, "2D Reader", "Code 93"},
        {kReaderBitElr, kReaderTypeNone, "None", "Trioptic 39"},
    };
    for (const auto& reader : readers) {
        SCOPED_TRACE(static_cast<int>(reader.fileType));
        t.doc.Reset();
        TemplateBlocks& b = t.doc.blocks;
        OddMenus(b.menus);
        OddReader(b.reader, reader.fileType);
        OddLookups(b.lookups);
        OddForms(b);
        OddSettings(b.settings);
        const std::vector<std::uint8_t> file = TemplateImage(t.doc);
        ASSERT_EQ(LoadTemplateImage(t.doc, file), LoadResult::Loaded);
        TemplateBlocks expected = b;
        expected.reader.readerType = reader.appliedType;

        Open();
        LookAtEverything();
        sheet().Show(kBarcodeTab);
        EXPECT_EQ(sheet().current().GetText(IDC_BARCODE_READER_LIST), reader.listShows);
        EXPECT_EQ(sheet().current().GetText(IDC_BARCODE_SYMBOLOGY_FIRST + 10), reader.row10);
        sheet().Ok();
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(ChangedBytes(expected.menus, b.menus), std::set<std::size_t>{}) << "menus";
        EXPECT_EQ(ChangedBytes(expected.forms, b.forms), std::set<std::size_t>{}) << "forms";
        EXPECT_EQ(ChangedBytes(expected.lookups, b.lookups), std::set<std::size_t>{}) << "lookups";
        EXPECT_EQ(ChangedBytes(expected.reader, b.reader), std::set<std::size_t>{}) << "reader";
        EXPECT_EQ(ChangedBytes(expected.settings, b.settings), std::set<std::size_t>{}) << "settings";
    }
}

// A 13 from a file is shown without a word (above); typing 13 over it warns
// on either page, and the 13 put back is not checked again.
TEST_F(UntouchedOkTest, TypingThirteenOverAThirteenFromAFileWarnsOnce) {
    t.doc.blocks.settings.firstDelimiter = 13;
    t.doc.blocks.lookups[0].delimiter = 13;
    const struct {
        int tab;
        int box;
    } boxes[] = {{kSettingsTab, IDC_SETTINGS_DELIM1_CODE}, {kLookupTab, IDC_LOOKUP_DELIMITER_EDIT}};
    Open();
    for (const auto& b : boxes) {
        sheet().Show(b.tab);
        sheet().current().Type(b.box, "13");
        EXPECT_EQ(sheet().current().GetText(b.box), "13");
    }
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Warning: Invalid value!", "Warning: Invalid value!"}));
}

}  // namespace
}  // namespace fw::test
