#include "template/blocks/reader_block.h"

#include <algorithm>
#include <iterator>

#include "template/fixed_text.h"

namespace fw {
namespace {

template <typename... Bytes>
void Set(std::uint8_t value, Bytes&... bytes) {
    ((bytes = value), ...);
}

// Every length-checked symbology starts as "Range" 4 to 55.
void SetRange(std::uint8_t& mode, std::uint8_t& minimum, std::uint8_t& maximum) {
    mode = 3;
    minimum = 4;
    maximum = 55;
}

void ResetLaserGroup(ReaderBlock& b) {
    Set(1, b.laserCode39On, b.laserInd25On, b.laserIntl25On, b.laserChinese25On,
        b.laserCodabarOn, b.laserMsiOn, b.laserUpcaOn, b.laserUpce0On, b.laserEan8On,
        b.laserEan13On, b.laserBooklandOn, b.laserDataBar14On, b.laserDataBarLtdOn,
        b.laserDataBarExpOn, b.laserCode93On, b.laserCode128On, b.laserGs1128On,
        b.laserIsbtOn, b.laserCode11On);
    Set(0, b.laserTrioptic39, b.laserUpce1On, b.laserCouponOn);

    SetRange(b.laserCode39LenMode, b.laserCode39Len1, b.laserCode39Len2);
    SetRange(b.laserInd25LenMode, b.laserInd25Len1, b.laserInd25Len2);
    SetRange(b.laserIntl25LenMode, b.laserIntl25Len1, b.laserIntl25Len2);
    SetRange(b.laserCodabarLenMode, b.laserCodabarLen1, b.laserCodabarLen2);
    SetRange(b.laserMsiLenMode, b.laserMsiLen1, b.laserMsiLen2);
    SetRange(b.laserCode93LenMode, b.laserCode93Len1, b.laserCode93Len2);
    SetRange(b.laserCode11LenMode, b.laserCode11Len1, b.laserCode11Len2);

    Set(0, b.laserCode32, b.laserCode32Prefix, b.laserCode39VerifyCd, b.laserCode39SendCd,
        b.laserCode39FullAscii, b.laserIntl25VerifyCd, b.laserIntl25SendCd,
        b.laserIntl25ToEan13, b.laserCodabarClsi, b.laserCodabarNotis,
        b.laserMsiCheckDigits, b.laserMsiSendCd, b.laserUpcAddons, b.laserUpce0ToUpca,
        b.laserUpce1ToUpca, b.laserEanAddons, b.laserEan8ToEan13, b.laserDataBarToUpc,
        b.laserCode11CheckDigits, b.laserCode11SendCd);
    Set(1, b.laserMsiAlgorithm, b.laserUpcaSendCd, b.laserUpce0SendCd, b.laserUpce1SendCd,
        b.laserUpcaPreamble, b.laserUpce0Preamble, b.laserUpce1Preamble);
    Set(7, b.laserUpcAddonRedund, b.laserEanAddonRedund);

    b.laserDecodeTimeout = 30;
    b.laserSameCodeTimeout = 10;
    Set(1, b.laserRedundancy, b.laserBiDirRedundancy, b.laserScanAngle);
    Set(0, b.laserAimDuration, b.laserCodeIdMode);
    b.laserScanMode = 8;

    Set(2, b.carried50, b.carried58);
    b.carried57 = 0;
}

void ResetElrGroup(ReaderBlock& b) {
    // Unlike the other groups, the ELR engine starts with GS1 DataBar off.
    Set(1, b.elrUpcaOn, b.elrUpce0On, b.elrEan8On, b.elrEan13On, b.elrBooklandOn,
        b.elrCode128On, b.elrGs1128On, b.elrIsbtOn, b.elrCode39On, b.elrCode93On,
        b.elrIntl25On, b.elrInd25On, b.elrCodabarOn, b.elrMsiOn);
    Set(0, b.elrUpce1On, b.elrTrioptic39On, b.elrDataBar14On, b.elrDataBarLtdOn,
        b.elrDataBarExpOn);

    SetRange(b.elrCode39LenMode, b.elrCode39Len1, b.elrCode39Len2);
    SetRange(b.elrCode93LenMode, b.elrCode93Len1, b.elrCode93Len2);
    SetRange(b.elrIntl25LenMode, b.elrIntl25Len1, b.elrIntl25Len2);
    SetRange(b.elrInd25LenMode, b.elrInd25Len1, b.elrInd25Len2);
    SetRange(b.elrCodabarLenMode, b.elrCodabarLen1, b.elrCodabarLen2);
    SetRange(b.elrMsiLenMode, b.elrMsiLen1, b.elrMsiLen2);

    Set(0, b.elrUpcEanAddons, b.elrUpce0ToUpca, b.elrUpce1ToUpca, b.elrEan8ToEan13,
        b.elrCouponExtended, b.elrCode32, b.elrCode32Prefix, b.elrCode39VerifyCd,
        b.elrCode39SendCd, b.elrCode39FullAscii, b.elrIntl25VerifyCd, b.elrIntl25SendCd,
        b.elrIntl25ToEan13, b.elrCodabarClsi, b.elrCodabarNotis, b.elrMsiCheckDigits,
        b.elrMsiSendCd, b.elrDataBarToUpc);
    Set(1, b.elrUpcaSendCd, b.elrUpce0SendCd, b.elrUpce1SendCd, b.elrUpcaPreamble,
        b.elrUpce0Preamble, b.elrUpce1Preamble, b.elrMsiAlgorithm);

    b.elrDecodeTimeout = 30;
    b.elrAimDuration = 0;

    b.carried119 = 14;
    b.carried177 = 10;
    Set(0, b.carried130, b.carried179);
}

void ResetTwoDGroup(ReaderBlock& b) {
    Set(1, b.twoDUpcaOn, b.twoDUpce0On, b.twoDEan8On, b.twoDEan13On, b.twoDBooklandOn,
        b.twoDCode128On, b.twoDGs1128On, b.twoDIsbtOn, b.twoDCode39On, b.twoDCode93On,
        b.twoDCode11On, b.twoDIntl25On, b.twoDInd25On, b.twoDCodabarOn, b.twoDMsiOn,
        b.twoDUsPostnet, b.twoDUsPlanet, b.twoDUkPostal, b.twoDJapanPostal,
        b.twoDAustralianPostal, b.twoDDutchPostal, b.twoDDataBar14On, b.twoDDataBarLtdOn,
        b.twoDDataBarExpOn, b.twoDPdf417, b.twoDDataMatrix, b.twoDMaxicode, b.twoDQrCode,
        b.twoDMicroQr, b.twoDAztec, b.twoDMatrix25On, b.twoDChinese25On);
    Set(0, b.twoDUpce1On, b.twoDCouponOn, b.twoDTrioptic39, b.twoDMicroPdf417);

    SetRange(b.twoDCode39LenMode, b.twoDCode39Len1, b.twoDCode39Len2);
    SetRange(b.twoDCode93LenMode, b.twoDCode93Len1, b.twoDCode93Len2);
    SetRange(b.twoDCode11LenMode, b.twoDCode11Len1, b.twoDCode11Len2);
    SetRange(b.twoDIntl25LenMode, b.twoDIntl25Len1, b.twoDIntl25Len2);
    SetRange(b.twoDInd25LenMode, b.twoDInd25Len1, b.twoDInd25Len2);
    SetRange(b.twoDCodabarLenMode, b.twoDCodabarLen1, b.twoDCodabarLen2);
    SetRange(b.twoDMsiLenMode, b.twoDMsiLen1, b.twoDMsiLen2);
    SetRange(b.twoDMatrix25LenMode, b.twoDMatrix25Len1, b.twoDMatrix25Len2);

    Set(0, b.twoDUpcEanAddons, b.twoDUpce0ToUpca, b.twoDUpce1ToUpca, b.twoDEan8ToEan13,
        b.twoDCode32, b.twoDCode32Prefix, b.twoDCode39VerifyCd, b.twoDCode39SendCd,
        b.twoDCode39FullAscii, b.twoDCode11CheckDigits, b.twoDCode11SendCd,
        b.twoDIntl25CheckDigit, b.twoDIntl25SendCd, b.twoDIntl25ToEan13,
        b.twoDCodabarClsi, b.twoDCodabarNotis, b.twoDMsiCheckDigits, b.twoDMsiSendCd,
        b.twoDDataBarToUpc, b.twoDMatrix25Redundancy, b.twoDMatrix25VerifyCd,
        b.twoDMatrix25SendCd);
    Set(1, b.twoDUpcaSendCd, b.twoDUpce0SendCd, b.twoDUpce1SendCd, b.twoDUpcaPreamble,
        b.twoDUpce0Preamble, b.twoDUpce1Preamble, b.twoDMsiAlgorithm,
        b.twoDUkPostalSendCd, b.twoDUsPostalSendCd);
    b.twoDAddonRedund = 10;

    // Composite, 2D symbologies and Macro PDF.
    b.twoDCompositeCcc = 1;
    Set(0, b.twoDCompositeCcab, b.twoDCompositeTlc39, b.twoDGs1128Emulation,
        b.twoDCode128Emulation, b.twoDDataMatrixInverse, b.twoDDataMatrixMirror,
        b.twoDQrInverse, b.twoDAztecInverse, b.twoDMacroPdfHeader, b.twoDMacroPdfEscape);
    b.twoDUpcCompositeMode = 1;
    b.twoDMacroPdfMode = 4;

    // Reader behaviour.
    b.twoDDecodeTimeout = 30;
    b.twoDSameCodeTimeout = 6;
    b.twoDIllumination = 1;
    b.twoDAimingPattern = 2;
    Set(0, b.twoDCodeIdMode, b.twoDSecurityLevel, b.twoDInterCharGap);
    b.twoDScanMode = 8;
    b.twoDRedundancy = 1;

    // Image capture.
    b.twoDImageCaptureOn = 0;
    Set(1, b.twoDAutoExposure, b.twoDCaptureIllumination, b.twoDSnapshotAim,
        b.twoDJpegOptimizeQuality, b.twoDImageFormat);
    b.twoDGain = 100;
    b.twoDExposureMs = 10;
    b.twoDImageResolution = 0;
    b.twoDJpegQuality = 65;
    b.twoDJpegSizeKb = 40;
    b.twoDBmpBits = 2;

    Set(1, b.carried302, b.carried312);
    b.carried305 = 0;
}

void ResetRfid(ReaderBlock& b) {
    b.rfidDecodeUid = 1;
    Set(0, b.rfidDecodeUserData, b.rfidDelimiterOn);
    // The whole field, so an old delimiter leaves no trace in the file.
    ClearField(b.rfidDelimiter);
    SetFieldText(b.rfidDelimiter, ",");
    b.rfidStartPos = 255;
    b.rfidReadLength = 10;
    b.carried341 = 3;
    b.carried342 = 0;
    b.rfidReaderOn = 0;
}

void ResetGeneral(ReaderBlock& b) {
    b.engineCode = kEngineCodeLaser;
    b.engineOptions = 0x80;
    b.goodReadSound = 2;
    b.warningBeepCopy = 9;
    b.vibratorOn = 0;
    b.vibratorDurationCopy = 2;
    Set(0, b.carried367, b.carried370);
    Set(1, b.carried368, b.carried369);
    Set(0, b.reserved381, b.reserved392[0], b.reserved392[1]);
    Set(0, b.goodReadLedDuration, b.buzzerDuration);
    b.buzzerFreqCode = 1;
    b.isbtConcat = 0;
    b.isbtConcatRedund = 10;

    b.readerType = kReaderTypeLaser;
    b.codeIdOn = 0;
    std::fill(std::begin(b.codeIdTable), std::end(b.codeIdTable), std::uint8_t{0});

    Set(0, b.autoImageName, b.gs1FieldSepReplace, b.defaultNamingRule);
    ClearField(b.imageStorePath);
    SetFieldText(b.imageStorePath, "\\My Documents");
    ClearField(b.imageFileTitle);
}

}  // namespace

void ResetReaderBlock(ReaderBlock& block) {
    ResetLaserGroup(block);
    ResetElrGroup(block);
    ResetTwoDGroup(block);
    ResetRfid(block);
    ResetGeneral(block);
}

ReaderTypeState DeriveReaderTypeState(const ReaderBlock& block) {
    const std::uint8_t type = block.readerType;
    ReaderTypeState state;
    if (type & kReaderBit1DEngine) {
        state.oneDClass = 2;
    } else if (type & kReaderBitElr) {
        state.oneDClass = 1;
    } else if (type & kReaderBitLaser) {
        state.oneDClass = 3;
    }
    if (type & kReaderBit2DEngine) {
        state.twoDClass = 1;
    } else if (type & kReaderBit2D) {
        state.twoDClass = 2;
    }
    return state;
}

ReaderFamily FamilyOf(const ReaderTypeState& state) {
    if (state.oneDClass >= 2) return ReaderFamily::Laser;
    if (state.twoDClass != 0) return ReaderFamily::TwoD;
    if (state.oneDClass == 1) return ReaderFamily::Elr;
    return ReaderFamily::None;
}

}  // namespace fw
