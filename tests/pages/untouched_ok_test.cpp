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

// A template no page would write: codes no list offers, numbers past what
// the boxes let anyone type, texts that fill their field without a NUL,
// reserved bytes set, and in the reader bytes that apply stores from greyed
// or fixed controls values other than those. What the normalisations derive
// stands as they leave it.
void OddFile(TemplateBlocks& b, std::uint8_t readerType) {
    for (MenuRecord& m : b.menus) {
        m.captionEnabled = 2, m.saveCaption = 3, m.saveSelectedItem = 4, m.escTarget = 40;
        m.nextTarget[0] = 41, m.nextTarget[1] = 200;
        SetFieldText(m.itemName[0], "Count");
        std::memset(m.itemName[1], 'x', sizeof m.itemName[1]);
        std::memset(m.caption, 'x', sizeof m.caption);
        std::memset(m.reserved837, 0xA5, sizeof m.reserved837);
        CountMenuItems(m);
    }
    for (LookupRecord& l : b.lookups) {
        l.fieldCount = 2, l.keyField = 14, l.dataType[0] = 9, l.dataType[1] = 200, l.fieldLength[0] = 160;
        l.noMatchAction = l.wrongFormatAction = 9, l.autoExport = 1, l.saveMode = 2, l.delimiter = 13;
        std::memset(l.fieldName[1], 'x', sizeof l.fieldName[1]);
        std::memset(l.exportName, 'x', sizeof l.exportName);
        std::memset(l.reserved851, 0xA5, sizeof l.reserved851);
    }
    NormalizeLookups(b.lookups);
    for (FormRecord& f : b.forms) {
        f.escTarget = 40, f.nextTarget = 45, f.lookupFile = 9, f.recordAction = 7, f.keyLine = 20;
        f.dataType[0] = kTypeText, f.inputSource[0] = 9, f.lookupField[0] = 99;
        f.dataType[2] = 99, f.inputSource[2] = kSourceAll;  // takes no source: the page stores "all"
        f.minLength[0] = 170, f.maxLength[0] = 200;
        if (readerType != kReaderType2D) continue;
        // Lines only the 2D reader keeps; two of "large data" as a file may hold.
        f.dataType[4] = f.dataType[5] = kTypeLargeData, f.dataType[6] = kTypeReadFrom2D;
        f.partialRead[4] = f.partialStart[4] = 1;
    }
    NormalizeForms(b.forms, b.lookups, readerType);

    ReaderBlock& r = b.reader;
    for (ReaderFamily family : {ReaderFamily::Laser, ReaderFamily::TwoD, ReaderFamily::Elr})
        for (int row = 0; row < kSymbologyRowCount; ++row)
            if (const RowUse& use = RowFor(family, row); use.shown()) BlockBytes(r)[use.offset] = row % 2;
    r.laserCouponOn = r.twoDCouponOn = 0, r.readerType = readerType;
    r.goodReadSound = 20, r.buzzerFreqCode = 0, r.goodReadLedDuration = r.buzzerDuration = 255;
    r.laserScanAngle = 5, r.laserRedundancy = 0, r.laserScanMode = 6, r.laserCodeIdMode = 4;
    r.laserSameCodeTimeout = 35, r.laserDecodeTimeout = r.laserAimDuration = 150;
    r.twoDIllumination = r.twoDImageCaptureOn = 1, r.twoDAimingPattern = 2, r.twoDScanMode = 7;
    r.twoDSameCodeTimeout = 20, r.twoDDecodeTimeout = 3, r.twoDRedundancy = 0, r.twoDSecurityLevel = 7;
    r.twoDCodeIdMode = 5, r.elrAimDuration = r.elrDecodeTimeout = 150;
    std::memset(r.reserved343, 0xA5, sizeof r.reserved343);

    SystemSettings& s = b.settings;
    s.startFrom = 5, s.preloadLastFile = 3, s.dataDeletion = 7, s.entryOption = 9, s.entryHoldTime = 150;
    s.vibratorDuration = 12, s.cameraResolution = s.cameraColorEffect = 9, s.cameraFlash = 4;
    s.cameraImageFormat = 5, s.cameraAutoFileName = 3, s.cameraNamingRule = 2, s.deleteDatabaseOnOpen = 4;
    s.cameraTimeStamp = 5, s.firstDelimiter = 13, s.secondDelimiter = 200;
    SetFieldText(s.securityPassword, "ABCDEFGHIJK");  // one more than typing allows
    std::memset(s.reserved641, 0xA5, sizeof s.reserved641);
}

using UntouchedOkTest = SheetTest;

void LaserApplies(ReaderBlock& r) {
    r.readerType = kReaderTypeLaser;
    r.laserSameCodeTimeout = 10;  // greyed: scan mode 6 is no "Continuous"
}

void TwoDApplies(ReaderBlock& r) {
    r.readerType = kReaderType2D, r.twoDScanMode = 8, r.twoDSameCodeTimeout = 6;
    r.twoDIllumination = r.twoDAimingPattern = r.twoDImageCaptureOn = 0;
}

TEST_F(UntouchedOkTest, OutOfRangeValuesFromAFileSurviveEveryPage) {
    // What apply stores whatever the file held: the reader list's choice,
    // and the controls the family greys or fixes.
    const struct {
        std::uint8_t fileType;
        const char* listShows;
        const char* row10;  // the family's text
        void (*applies)(ReaderBlock&);
    } readers[] = {
        {kReaderTypeLaser, "1D Laser Reader", "UPC-E0", LaserApplies},
        {kReaderBit1DEngine, "1D Laser Reader", "UPC-E0", LaserApplies},
        {kReaderType2D, "2D Reader", "Code 93", TwoDApplies},
        {kReaderBitElr | kReaderBit2D, "2D Reader", "Code 93", TwoDApplies},
        {kReaderBitElr, "None", "Trioptic 39", [](ReaderBlock& r) { r.readerType = kReaderTypeNone; }},
    };
    for (const auto& reader : readers) {
        SCOPED_TRACE(static_cast<int>(reader.fileType));
        t.doc.Reset();
        TemplateBlocks& b = t.doc.blocks;
        OddFile(b, reader.fileType);
        const std::vector<std::uint8_t> file = TemplateImage(t.doc);
        ASSERT_EQ(LoadTemplateImage(t.doc, file), LoadResult::Loaded);
        TemplateBlocks expected = b;
        reader.applies(expected.reader);

        Open();
        // Every page, and on the pages of several records every record.
        const int records[] = {kFormCount, kMenuCount, kLookupCount, 0, 0};
        for (int tab = 0; tab < 5; ++tab) {
            sheet().Show(tab);
            for (int k = 0; k < records[tab]; ++k) sheet().current().Choose(kIdList, k);
        }
        sheet().Show(kBarcodeTab);
        EXPECT_EQ(sheet().current().GetText(IDC_BARCODE_READER_LIST), reader.listShows);
        EXPECT_EQ(sheet().current().GetText(IDC_BARCODE_SYMBOLOGY_FIRST + 10), reader.row10);
        sheet().Ok();
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(ChangedBytes(expected, b), std::set<std::size_t>{}) << "offsets in the file's blocks";
    }
}

// Typing 13 warns on either page and puts the stored code back, also a 13
// from a file, which is shown without a word (above); the code put back is
// not checked again.
TEST_F(UntouchedOkTest, TypingThirteenWarnsOnceAndPutsTheStoredCodeBack) {
    t.doc.blocks.lookups[0].delimiter = 13;
    const struct {
        int tab;
        int box;
        const char* stored;
    } boxes[] = {{kSettingsTab, IDC_SETTINGS_DELIM1_CODE, "44"}, {kLookupTab, IDC_LOOKUP_DELIMITER_EDIT, "13"}};
    Open();
    for (const auto& b : boxes) {
        sheet().Show(b.tab);
        sheet().current().Type(b.box, "13");
        EXPECT_EQ(sheet().current().GetText(b.box), b.stored);
    }
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Warning: Invalid value!", "Warning: Invalid value!"}));
}

}  // namespace
}  // namespace fw::test
