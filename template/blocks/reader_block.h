// The reader block: how the terminal's barcode and RFID readers are set up.
// It is stored raw in the template file, so the layout below is a file format
// down to the reserved bytes, which are carried through load and save as they
// came.
//
// Three engine families keep their parameters side by side (laser, ELR, 2D);
// only the one the reader type selects is edited, so switching the reader
// never loses the others' settings.
//
// Length modes everywhere: 0 any length, 1 one length, 2 two lengths,
// 3 range; the two bytes behind a mode hold the lengths or the minimum and
// maximum (0-55).
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace fw {

// The reader type values this program writes.
inline constexpr std::uint8_t kReaderTypeNone = 0x00;
inline constexpr std::uint8_t kReaderTypeLaser = 0x80;
inline constexpr std::uint8_t kReaderType2D = 0x40;

// Bits of readerType. Files from elsewhere may carry any of them.
inline constexpr std::uint8_t kReaderBit1DEngine = 0x01;   // bit 0: laser group
inline constexpr std::uint8_t kReaderBitElr = 0x02;        // bit 1: ELR group
inline constexpr std::uint8_t kReaderBit2DEngine = 0x04;   // bit 2: 2D group
inline constexpr std::uint8_t kReaderBit2D = 0x40;         // bit 6: "2D Reader"
inline constexpr std::uint8_t kReaderBitLaser = 0x80;      // bit 7: "1D Laser Reader"

// engineCode as the save writes it, and the readerType bits kept in
// engineOptions.
inline constexpr std::uint8_t kEngineCodeLaser = 0x80;  // also without a reader
inline constexpr std::uint8_t kEngineCode2D = 0x40;
inline constexpr std::uint8_t kEngineCodeElr = 0x02;
inline constexpr std::uint8_t kEngineOptionsMask = 0x27;

struct ReaderBlock {
    // Laser group: the 1D laser reader's settings.
    std::uint8_t engineCode;                // rewritten on save from readerType
    std::uint8_t laserCode39On;
    std::uint8_t laserTrioptic39;
    std::uint8_t laserCode32;
    std::uint8_t laserCode32Prefix;
    std::uint8_t laserCode39LenMode;
    std::uint8_t laserCode39Len1;
    std::uint8_t laserCode39Len2;
    std::uint8_t laserCode39VerifyCd;
    std::uint8_t laserCode39SendCd;
    std::uint8_t laserCode39FullAscii;
    std::uint8_t laserInd25On;
    std::uint8_t laserInd25LenMode;
    std::uint8_t laserInd25Len1;
    std::uint8_t laserInd25Len2;
    std::uint8_t laserIntl25On;
    std::uint8_t laserIntl25LenMode;
    std::uint8_t laserIntl25Len1;
    std::uint8_t laserIntl25Len2;
    std::uint8_t laserIntl25VerifyCd;
    std::uint8_t laserIntl25SendCd;
    std::uint8_t laserIntl25ToEan13;
    std::uint8_t laserChinese25On;
    std::uint8_t laserCodabarOn;
    std::uint8_t laserCodabarLenMode;
    std::uint8_t laserCodabarLen1;
    std::uint8_t laserCodabarLen2;
    std::uint8_t laserCodabarClsi;
    std::uint8_t laserCodabarNotis;
    std::uint8_t laserMsiOn;
    std::uint8_t laserMsiLenMode;
    std::uint8_t laserMsiLen1;
    std::uint8_t laserMsiLen2;
    std::uint8_t laserMsiCheckDigits;
    std::uint8_t laserMsiSendCd;
    std::uint8_t laserMsiAlgorithm;
    std::uint8_t laserUpcaOn;
    std::uint8_t laserUpce0On;
    std::uint8_t laserUpce1On;
    std::uint8_t laserUpcAddons;
    std::uint8_t laserUpcAddonRedund;
    std::uint8_t laserUpcaSendCd;
    std::uint8_t laserUpce0SendCd;
    std::uint8_t laserUpce1SendCd;
    std::uint8_t laserUpcaPreamble;
    std::uint8_t laserUpce0Preamble;
    std::uint8_t laserUpce1Preamble;
    std::uint8_t laserUpce0ToUpca;
    std::uint8_t laserUpce1ToUpca;
    std::uint8_t laserCouponOn;
    std::uint8_t carried50;                 // carried bytes: kept with their defaults, no editor
    std::uint8_t laserEan8On;
    std::uint8_t laserEan13On;
    std::uint8_t laserBooklandOn;
    std::uint8_t laserEanAddons;
    std::uint8_t laserEanAddonRedund;
    std::uint8_t laserEan8ToEan13;
    std::uint8_t carried57;
    std::uint8_t carried58;
    std::uint8_t laserDataBar14On;
    std::uint8_t laserDataBarLtdOn;
    std::uint8_t laserDataBarExpOn;
    std::uint8_t laserDataBarToUpc;
    std::uint8_t laserCode93On;
    std::uint8_t laserCode93LenMode;
    std::uint8_t laserCode93Len1;
    std::uint8_t laserCode93Len2;
    std::uint8_t laserCode128On;
    std::uint8_t laserGs1128On;
    std::uint8_t laserIsbtOn;
    std::uint8_t laserCode11On;
    std::uint8_t laserCode11LenMode;
    std::uint8_t laserCode11Len1;
    std::uint8_t laserCode11Len2;
    std::uint8_t laserCode11CheckDigits;
    std::uint8_t laserCode11SendCd;
    std::uint8_t laserDecodeTimeout;
    std::uint8_t laserSameCodeTimeout;
    std::uint8_t laserRedundancy;
    std::uint8_t laserBiDirRedundancy;
    std::uint8_t laserScanAngle;
    std::uint8_t laserAimDuration;
    std::uint8_t laserCodeIdMode;
    std::uint8_t laserScanMode;             // 4 continuous, 8 laser
    std::uint8_t reserved84[28];

    // ELR group: a 1D engine the reader list does not offer; edited only when
    // a loaded file selects it, otherwise carried unchanged.
    std::uint8_t elrUpcaOn;
    std::uint8_t elrUpce0On;
    std::uint8_t elrUpce1On;
    std::uint8_t elrEan8On;
    std::uint8_t elrEan13On;
    std::uint8_t elrBooklandOn;
    std::uint8_t elrUpcEanAddons;
    std::uint8_t carried119;
    std::uint8_t elrUpcaSendCd;
    std::uint8_t elrUpce0SendCd;
    std::uint8_t elrUpce1SendCd;
    std::uint8_t elrUpcaPreamble;
    std::uint8_t elrUpce0Preamble;
    std::uint8_t elrUpce1Preamble;
    std::uint8_t elrUpce0ToUpca;
    std::uint8_t elrUpce1ToUpca;
    std::uint8_t elrEan8ToEan13;
    std::uint8_t elrCouponExtended;
    std::uint8_t carried130;
    std::uint8_t elrCode128On;
    std::uint8_t elrGs1128On;
    std::uint8_t elrIsbtOn;
    std::uint8_t elrCode39On;
    std::uint8_t elrTrioptic39On;
    std::uint8_t elrCode32;
    std::uint8_t elrCode32Prefix;
    std::uint8_t elrCode39LenMode;
    std::uint8_t elrCode39Len1;
    std::uint8_t elrCode39Len2;
    std::uint8_t elrCode39VerifyCd;
    std::uint8_t elrCode39SendCd;
    std::uint8_t elrCode39FullAscii;
    std::uint8_t elrCode93On;
    std::uint8_t elrCode93LenMode;
    std::uint8_t elrCode93Len1;
    std::uint8_t elrCode93Len2;
    std::uint8_t elrIntl25On;
    std::uint8_t elrIntl25LenMode;
    std::uint8_t elrIntl25Len1;
    std::uint8_t elrIntl25Len2;
    std::uint8_t elrIntl25VerifyCd;
    std::uint8_t elrIntl25SendCd;
    std::uint8_t elrIntl25ToEan13;
    std::uint8_t elrInd25On;
    std::uint8_t elrInd25LenMode;
    std::uint8_t elrInd25Len1;
    std::uint8_t elrInd25Len2;
    std::uint8_t elrCodabarOn;
    std::uint8_t elrCodabarLenMode;
    std::uint8_t elrCodabarLen1;
    std::uint8_t elrCodabarLen2;
    std::uint8_t elrCodabarClsi;
    std::uint8_t elrCodabarNotis;
    std::uint8_t elrMsiOn;
    std::uint8_t elrMsiLenMode;
    std::uint8_t elrMsiLen1;
    std::uint8_t elrMsiLen2;
    std::uint8_t elrMsiCheckDigits;
    std::uint8_t elrMsiSendCd;
    std::uint8_t elrMsiAlgorithm;
    std::uint8_t elrDataBar14On;
    std::uint8_t elrDataBarLtdOn;
    std::uint8_t elrDataBarExpOn;
    std::uint8_t elrDataBarToUpc;
    std::uint8_t elrDecodeTimeout;
    std::uint8_t carried177;
    std::uint8_t elrAimDuration;
    std::uint8_t carried179;
    std::uint8_t reserved180[22];

    // 2D group.
    std::uint8_t twoDUpcaOn;
    std::uint8_t twoDUpce0On;
    std::uint8_t twoDUpce1On;
    std::uint8_t twoDEan8On;
    std::uint8_t twoDEan13On;
    std::uint8_t twoDBooklandOn;
    std::uint8_t twoDUpcEanAddons;
    std::uint8_t twoDAddonRedund;
    std::uint8_t twoDUpcaSendCd;
    std::uint8_t twoDUpce0SendCd;
    std::uint8_t twoDUpce1SendCd;
    std::uint8_t twoDUpcaPreamble;
    std::uint8_t twoDUpce0Preamble;
    std::uint8_t twoDUpce1Preamble;
    std::uint8_t twoDUpce0ToUpca;
    std::uint8_t twoDUpce1ToUpca;
    std::uint8_t twoDEan8ToEan13;
    std::uint8_t twoDCouponOn;
    std::uint8_t reserved220;
    std::uint8_t twoDCode128On;
    std::uint8_t twoDGs1128On;
    std::uint8_t twoDIsbtOn;
    std::uint8_t twoDCode39On;
    std::uint8_t twoDTrioptic39;
    std::uint8_t twoDCode32;
    std::uint8_t twoDCode32Prefix;
    std::uint8_t twoDCode39LenMode;
    std::uint8_t twoDCode39Len1;
    std::uint8_t twoDCode39Len2;
    std::uint8_t twoDCode39VerifyCd;
    std::uint8_t twoDCode39SendCd;
    std::uint8_t twoDCode39FullAscii;
    std::uint8_t twoDCode93On;
    std::uint8_t twoDCode93LenMode;
    std::uint8_t twoDCode93Len1;
    std::uint8_t twoDCode93Len2;
    std::uint8_t twoDCode11On;
    std::uint8_t twoDCode11LenMode;
    std::uint8_t twoDCode11Len1;
    std::uint8_t twoDCode11Len2;
    std::uint8_t twoDCode11CheckDigits;
    std::uint8_t twoDCode11SendCd;
    std::uint8_t twoDIntl25On;
    std::uint8_t twoDIntl25LenMode;
    std::uint8_t twoDIntl25Len1;
    std::uint8_t twoDIntl25Len2;
    std::uint8_t twoDIntl25CheckDigit;
    std::uint8_t twoDIntl25SendCd;
    std::uint8_t twoDIntl25ToEan13;
    std::uint8_t twoDInd25On;
    std::uint8_t twoDInd25LenMode;
    std::uint8_t twoDInd25Len1;
    std::uint8_t twoDInd25Len2;
    std::uint8_t twoDCodabarOn;
    std::uint8_t twoDCodabarLenMode;
    std::uint8_t twoDCodabarLen1;
    std::uint8_t twoDCodabarLen2;
    std::uint8_t twoDCodabarClsi;
    std::uint8_t twoDCodabarNotis;
    std::uint8_t twoDMsiOn;
    std::uint8_t twoDMsiLenMode;
    std::uint8_t twoDMsiLen1;
    std::uint8_t twoDMsiLen2;
    std::uint8_t twoDMsiCheckDigits;
    std::uint8_t twoDMsiSendCd;
    std::uint8_t twoDMsiAlgorithm;
    std::uint8_t twoDUsPostnet;
    std::uint8_t twoDUsPlanet;
    std::uint8_t twoDUkPostal;
    std::uint8_t twoDUkPostalSendCd;
    std::uint8_t twoDJapanPostal;
    std::uint8_t twoDAustralianPostal;
    std::uint8_t twoDDutchPostal;
    std::uint8_t twoDUsPostalSendCd;
    std::uint8_t twoDDataBar14On;
    std::uint8_t twoDDataBarLtdOn;
    std::uint8_t twoDDataBarExpOn;
    std::uint8_t twoDDataBarToUpc;
    std::uint8_t twoDCompositeCcc;
    std::uint8_t twoDCompositeCcab;
    std::uint8_t twoDCompositeTlc39;
    std::uint8_t twoDUpcCompositeMode;
    std::uint8_t twoDGs1128Emulation;
    std::uint8_t twoDPdf417;
    std::uint8_t twoDMicroPdf417;
    std::uint8_t twoDCode128Emulation;
    std::uint8_t twoDDataMatrix;
    std::uint8_t twoDDataMatrixInverse;
    std::uint8_t twoDDataMatrixMirror;
    std::uint8_t twoDMaxicode;
    std::uint8_t twoDQrCode;
    std::uint8_t twoDQrInverse;
    std::uint8_t twoDMicroQr;
    std::uint8_t twoDAztec;
    std::uint8_t twoDAztecInverse;
    std::uint8_t twoDMacroPdfMode;
    std::uint8_t twoDMacroPdfHeader;
    std::uint8_t twoDMacroPdfEscape;
    std::uint8_t twoDDecodeTimeout;
    std::uint8_t twoDSameCodeTimeout;
    std::uint8_t carried302;
    std::uint8_t twoDIllumination;
    std::uint8_t twoDAimingPattern;
    std::uint8_t carried305;
    std::uint8_t twoDCodeIdMode;
    std::uint8_t twoDScanMode;              // 7 presentation, 8 laser
    std::uint8_t twoDRedundancy;
    std::uint8_t twoDSecurityLevel;
    std::uint8_t twoDInterCharGap;
    std::uint8_t twoDImageCaptureOn;        // cleared on save unless the reader is 2D
    std::uint8_t carried312;
    std::uint8_t twoDAutoExposure;
    std::uint8_t twoDCaptureIllumination;
    std::uint8_t twoDGain;
    std::uint8_t twoDExposureMs;
    std::uint8_t twoDSnapshotAim;
    std::uint8_t twoDImageResolution;
    std::uint8_t twoDJpegOptimizeQuality;
    std::uint8_t twoDJpegQuality;
    std::uint8_t twoDJpegSizeKb;
    std::uint8_t twoDImageFormat;
    std::uint8_t twoDBmpBits;
    std::uint8_t twoDMatrix25On;
    std::uint8_t twoDMatrix25LenMode;
    std::uint8_t twoDMatrix25Len1;
    std::uint8_t twoDMatrix25Len2;
    std::uint8_t twoDMatrix25Redundancy;
    std::uint8_t twoDMatrix25VerifyCd;
    std::uint8_t twoDMatrix25SendCd;
    std::uint8_t twoDChinese25On;

    // RFID reader settings.
    std::uint8_t rfidDecodeUid;
    std::uint8_t rfidDecodeUserData;
    std::uint8_t rfidDelimiterOn;
    char rfidDelimiter[4];                  // NUL-terminated, at most 1 character
    std::uint8_t rfidStartPos;              // 255 stands for -1
    std::uint8_t rfidReadLength;
    std::uint8_t carried341;
    std::uint8_t carried342;
    std::uint8_t reserved343[19];

    // General reader settings.
    std::uint8_t engineOptions;             // rewritten on save: readerType & 0x27
    std::uint8_t goodReadSound;             // 0 mute, 1-9 sound number
    std::uint8_t warningBeepCopy;           // warningBeepCopy and the two vibrator bytes are
    std::uint8_t vibratorOn;                // copied from the system settings on save
    std::uint8_t vibratorDurationCopy;
    std::uint8_t carried367;
    std::uint8_t carried368;
    std::uint8_t carried369;
    std::uint8_t carried370;
    std::uint8_t reserved371[10];
    std::uint8_t reserved381;               // reserved381 and reserved392 are cleared by the defaults
    std::uint8_t reserved382[10];
    std::uint8_t reserved392[2];
    std::uint8_t goodReadLedDuration;
    std::uint8_t buzzerDuration;
    std::uint8_t buzzerFreqCode;            // n x 500 Hz
    std::uint8_t isbtConcat;
    std::uint8_t isbtConcatRedund;
    std::uint8_t reserved399[16];

    // Reader type and code ID (the code ID area has no editor).
    std::uint8_t readerType;                // bit set, see kReaderBit* below
    std::uint8_t codeIdOn;
    std::uint8_t codeIdTable[60];

    // Image capture and GS1.
    std::uint8_t autoImageName;
    char imageStorePath[261];               // NUL-terminated, at most 260 characters
    std::uint8_t gs1FieldSepReplace;
    char imageFileTitle[6];                 // NUL-terminated, at most 5 characters
    std::uint8_t defaultNamingRule;

    // RFID switch.
    std::uint8_t rfidReaderOn;              // bit 0: RFID reader used
    std::uint8_t reserved748[29];
};

static_assert(sizeof(ReaderBlock) == 777);
static_assert(std::is_trivially_copyable_v<ReaderBlock>);
static_assert(std::is_standard_layout_v<ReaderBlock>);
static_assert(offsetof(ReaderBlock, engineCode) == 0);
static_assert(offsetof(ReaderBlock, laserCode39On) == 1);
static_assert(offsetof(ReaderBlock, laserTrioptic39) == 2);
static_assert(offsetof(ReaderBlock, laserCode32) == 3);
static_assert(offsetof(ReaderBlock, laserCode32Prefix) == 4);
static_assert(offsetof(ReaderBlock, laserCode39LenMode) == 5);
static_assert(offsetof(ReaderBlock, laserCode39Len1) == 6);
static_assert(offsetof(ReaderBlock, laserCode39Len2) == 7);
static_assert(offsetof(ReaderBlock, laserCode39VerifyCd) == 8);
static_assert(offsetof(ReaderBlock, laserCode39SendCd) == 9);
static_assert(offsetof(ReaderBlock, laserCode39FullAscii) == 10);
static_assert(offsetof(ReaderBlock, laserInd25On) == 11);
static_assert(offsetof(ReaderBlock, laserInd25LenMode) == 12);
static_assert(offsetof(ReaderBlock, laserInd25Len1) == 13);
static_assert(offsetof(ReaderBlock, laserInd25Len2) == 14);
static_assert(offsetof(ReaderBlock, laserIntl25On) == 15);
static_assert(offsetof(ReaderBlock, laserIntl25LenMode) == 16);
static_assert(offsetof(ReaderBlock, laserIntl25Len1) == 17);
static_assert(offsetof(ReaderBlock, laserIntl25Len2) == 18);
static_assert(offsetof(ReaderBlock, laserIntl25VerifyCd) == 19);
static_assert(offsetof(ReaderBlock, laserIntl25SendCd) == 20);
static_assert(offsetof(ReaderBlock, laserIntl25ToEan13) == 21);
static_assert(offsetof(ReaderBlock, laserChinese25On) == 22);
static_assert(offsetof(ReaderBlock, laserCodabarOn) == 23);
static_assert(offsetof(ReaderBlock, laserCodabarLenMode) == 24);
static_assert(offsetof(ReaderBlock, laserCodabarLen1) == 25);
static_assert(offsetof(ReaderBlock, laserCodabarLen2) == 26);
static_assert(offsetof(ReaderBlock, laserCodabarClsi) == 27);
static_assert(offsetof(ReaderBlock, laserCodabarNotis) == 28);
static_assert(offsetof(ReaderBlock, laserMsiOn) == 29);
static_assert(offsetof(ReaderBlock, laserMsiLenMode) == 30);
static_assert(offsetof(ReaderBlock, laserMsiLen1) == 31);
static_assert(offsetof(ReaderBlock, laserMsiLen2) == 32);
static_assert(offsetof(ReaderBlock, laserMsiCheckDigits) == 33);
static_assert(offsetof(ReaderBlock, laserMsiSendCd) == 34);
static_assert(offsetof(ReaderBlock, laserMsiAlgorithm) == 35);
static_assert(offsetof(ReaderBlock, laserUpcaOn) == 36);
static_assert(offsetof(ReaderBlock, laserUpce0On) == 37);
static_assert(offsetof(ReaderBlock, laserUpce1On) == 38);
static_assert(offsetof(ReaderBlock, laserUpcAddons) == 39);
static_assert(offsetof(ReaderBlock, laserUpcAddonRedund) == 40);
static_assert(offsetof(ReaderBlock, laserUpcaSendCd) == 41);
static_assert(offsetof(ReaderBlock, laserUpce0SendCd) == 42);
static_assert(offsetof(ReaderBlock, laserUpce1SendCd) == 43);
static_assert(offsetof(ReaderBlock, laserUpcaPreamble) == 44);
static_assert(offsetof(ReaderBlock, laserUpce0Preamble) == 45);
static_assert(offsetof(ReaderBlock, laserUpce1Preamble) == 46);
static_assert(offsetof(ReaderBlock, laserUpce0ToUpca) == 47);
static_assert(offsetof(ReaderBlock, laserUpce1ToUpca) == 48);
static_assert(offsetof(ReaderBlock, laserCouponOn) == 49);
static_assert(offsetof(ReaderBlock, carried50) == 50);
static_assert(offsetof(ReaderBlock, laserEan8On) == 51);
static_assert(offsetof(ReaderBlock, laserEan13On) == 52);
static_assert(offsetof(ReaderBlock, laserBooklandOn) == 53);
static_assert(offsetof(ReaderBlock, laserEanAddons) == 54);
static_assert(offsetof(ReaderBlock, laserEanAddonRedund) == 55);
static_assert(offsetof(ReaderBlock, laserEan8ToEan13) == 56);
static_assert(offsetof(ReaderBlock, carried57) == 57);
static_assert(offsetof(ReaderBlock, carried58) == 58);
static_assert(offsetof(ReaderBlock, laserDataBar14On) == 59);
static_assert(offsetof(ReaderBlock, laserDataBarLtdOn) == 60);
static_assert(offsetof(ReaderBlock, laserDataBarExpOn) == 61);
static_assert(offsetof(ReaderBlock, laserDataBarToUpc) == 62);
static_assert(offsetof(ReaderBlock, laserCode93On) == 63);
static_assert(offsetof(ReaderBlock, laserCode93LenMode) == 64);
static_assert(offsetof(ReaderBlock, laserCode93Len1) == 65);
static_assert(offsetof(ReaderBlock, laserCode93Len2) == 66);
static_assert(offsetof(ReaderBlock, laserCode128On) == 67);
static_assert(offsetof(ReaderBlock, laserGs1128On) == 68);
static_assert(offsetof(ReaderBlock, laserIsbtOn) == 69);
static_assert(offsetof(ReaderBlock, laserCode11On) == 70);
static_assert(offsetof(ReaderBlock, laserCode11LenMode) == 71);
static_assert(offsetof(ReaderBlock, laserCode11Len1) == 72);
static_assert(offsetof(ReaderBlock, laserCode11Len2) == 73);
static_assert(offsetof(ReaderBlock, laserCode11CheckDigits) == 74);
static_assert(offsetof(ReaderBlock, laserCode11SendCd) == 75);
static_assert(offsetof(ReaderBlock, laserDecodeTimeout) == 76);
static_assert(offsetof(ReaderBlock, laserSameCodeTimeout) == 77);
static_assert(offsetof(ReaderBlock, laserRedundancy) == 78);
static_assert(offsetof(ReaderBlock, laserBiDirRedundancy) == 79);
static_assert(offsetof(ReaderBlock, laserScanAngle) == 80);
static_assert(offsetof(ReaderBlock, laserAimDuration) == 81);
static_assert(offsetof(ReaderBlock, laserCodeIdMode) == 82);
static_assert(offsetof(ReaderBlock, laserScanMode) == 83);
static_assert(offsetof(ReaderBlock, reserved84) == 84);
static_assert(offsetof(ReaderBlock, elrUpcaOn) == 112);
static_assert(offsetof(ReaderBlock, elrUpce0On) == 113);
static_assert(offsetof(ReaderBlock, elrUpce1On) == 114);
static_assert(offsetof(ReaderBlock, elrEan8On) == 115);
static_assert(offsetof(ReaderBlock, elrEan13On) == 116);
static_assert(offsetof(ReaderBlock, elrBooklandOn) == 117);
static_assert(offsetof(ReaderBlock, elrUpcEanAddons) == 118);
static_assert(offsetof(ReaderBlock, carried119) == 119);
static_assert(offsetof(ReaderBlock, elrUpcaSendCd) == 120);
static_assert(offsetof(ReaderBlock, elrUpce0SendCd) == 121);
static_assert(offsetof(ReaderBlock, elrUpce1SendCd) == 122);
static_assert(offsetof(ReaderBlock, elrUpcaPreamble) == 123);
static_assert(offsetof(ReaderBlock, elrUpce0Preamble) == 124);
static_assert(offsetof(ReaderBlock, elrUpce1Preamble) == 125);
static_assert(offsetof(ReaderBlock, elrUpce0ToUpca) == 126);
static_assert(offsetof(ReaderBlock, elrUpce1ToUpca) == 127);
static_assert(offsetof(ReaderBlock, elrEan8ToEan13) == 128);
static_assert(offsetof(ReaderBlock, elrCouponExtended) == 129);
static_assert(offsetof(ReaderBlock, carried130) == 130);
static_assert(offsetof(ReaderBlock, elrCode128On) == 131);
static_assert(offsetof(ReaderBlock, elrGs1128On) == 132);
static_assert(offsetof(ReaderBlock, elrIsbtOn) == 133);
static_assert(offsetof(ReaderBlock, elrCode39On) == 134);
static_assert(offsetof(ReaderBlock, elrTrioptic39On) == 135);
static_assert(offsetof(ReaderBlock, elrCode32) == 136);
static_assert(offsetof(ReaderBlock, elrCode32Prefix) == 137);
static_assert(offsetof(ReaderBlock, elrCode39LenMode) == 138);
static_assert(offsetof(ReaderBlock, elrCode39Len1) == 139);
static_assert(offsetof(ReaderBlock, elrCode39Len2) == 140);
static_assert(offsetof(ReaderBlock, elrCode39VerifyCd) == 141);
static_assert(offsetof(ReaderBlock, elrCode39SendCd) == 142);
static_assert(offsetof(ReaderBlock, elrCode39FullAscii) == 143);
static_assert(offsetof(ReaderBlock, elrCode93On) == 144);
static_assert(offsetof(ReaderBlock, elrCode93LenMode) == 145);
static_assert(offsetof(ReaderBlock, elrCode93Len1) == 146);
static_assert(offsetof(ReaderBlock, elrCode93Len2) == 147);
static_assert(offsetof(ReaderBlock, elrIntl25On) == 148);
static_assert(offsetof(ReaderBlock, elrIntl25LenMode) == 149);
static_assert(offsetof(ReaderBlock, elrIntl25Len1) == 150);
static_assert(offsetof(ReaderBlock, elrIntl25Len2) == 151);
static_assert(offsetof(ReaderBlock, elrIntl25VerifyCd) == 152);
static_assert(offsetof(ReaderBlock, elrIntl25SendCd) == 153);
static_assert(offsetof(ReaderBlock, elrIntl25ToEan13) == 154);
static_assert(offsetof(ReaderBlock, elrInd25On) == 155);
static_assert(offsetof(ReaderBlock, elrInd25LenMode) == 156);
static_assert(offsetof(ReaderBlock, elrInd25Len1) == 157);
static_assert(offsetof(ReaderBlock, elrInd25Len2) == 158);
static_assert(offsetof(ReaderBlock, elrCodabarOn) == 159);
static_assert(offsetof(ReaderBlock, elrCodabarLenMode) == 160);
static_assert(offsetof(ReaderBlock, elrCodabarLen1) == 161);
static_assert(offsetof(ReaderBlock, elrCodabarLen2) == 162);
static_assert(offsetof(ReaderBlock, elrCodabarClsi) == 163);
static_assert(offsetof(ReaderBlock, elrCodabarNotis) == 164);
static_assert(offsetof(ReaderBlock, elrMsiOn) == 165);
static_assert(offsetof(ReaderBlock, elrMsiLenMode) == 166);
static_assert(offsetof(ReaderBlock, elrMsiLen1) == 167);
static_assert(offsetof(ReaderBlock, elrMsiLen2) == 168);
static_assert(offsetof(ReaderBlock, elrMsiCheckDigits) == 169);
static_assert(offsetof(ReaderBlock, elrMsiSendCd) == 170);
static_assert(offsetof(ReaderBlock, elrMsiAlgorithm) == 171);
static_assert(offsetof(ReaderBlock, elrDataBar14On) == 172);
static_assert(offsetof(ReaderBlock, elrDataBarLtdOn) == 173);
static_assert(offsetof(ReaderBlock, elrDataBarExpOn) == 174);
static_assert(offsetof(ReaderBlock, elrDataBarToUpc) == 175);
static_assert(offsetof(ReaderBlock, elrDecodeTimeout) == 176);
static_assert(offsetof(ReaderBlock, carried177) == 177);
static_assert(offsetof(ReaderBlock, elrAimDuration) == 178);
static_assert(offsetof(ReaderBlock, carried179) == 179);
static_assert(offsetof(ReaderBlock, reserved180) == 180);
static_assert(offsetof(ReaderBlock, twoDUpcaOn) == 202);
static_assert(offsetof(ReaderBlock, twoDUpce0On) == 203);
static_assert(offsetof(ReaderBlock, twoDUpce1On) == 204);
static_assert(offsetof(ReaderBlock, twoDEan8On) == 205);
static_assert(offsetof(ReaderBlock, twoDEan13On) == 206);
static_assert(offsetof(ReaderBlock, twoDBooklandOn) == 207);
static_assert(offsetof(ReaderBlock, twoDUpcEanAddons) == 208);
static_assert(offsetof(ReaderBlock, twoDAddonRedund) == 209);
static_assert(offsetof(ReaderBlock, twoDUpcaSendCd) == 210);
static_assert(offsetof(ReaderBlock, twoDUpce0SendCd) == 211);
static_assert(offsetof(ReaderBlock, twoDUpce1SendCd) == 212);
static_assert(offsetof(ReaderBlock, twoDUpcaPreamble) == 213);
static_assert(offsetof(ReaderBlock, twoDUpce0Preamble) == 214);
static_assert(offsetof(ReaderBlock, twoDUpce1Preamble) == 215);
static_assert(offsetof(ReaderBlock, twoDUpce0ToUpca) == 216);
static_assert(offsetof(ReaderBlock, twoDUpce1ToUpca) == 217);
static_assert(offsetof(ReaderBlock, twoDEan8ToEan13) == 218);
static_assert(offsetof(ReaderBlock, twoDCouponOn) == 219);
static_assert(offsetof(ReaderBlock, reserved220) == 220);
static_assert(offsetof(ReaderBlock, twoDCode128On) == 221);
static_assert(offsetof(ReaderBlock, twoDGs1128On) == 222);
static_assert(offsetof(ReaderBlock, twoDIsbtOn) == 223);
static_assert(offsetof(ReaderBlock, twoDCode39On) == 224);
static_assert(offsetof(ReaderBlock, twoDTrioptic39) == 225);
static_assert(offsetof(ReaderBlock, twoDCode32) == 226);
static_assert(offsetof(ReaderBlock, twoDCode32Prefix) == 227);
static_assert(offsetof(ReaderBlock, twoDCode39LenMode) == 228);
static_assert(offsetof(ReaderBlock, twoDCode39Len1) == 229);
static_assert(offsetof(ReaderBlock, twoDCode39Len2) == 230);
static_assert(offsetof(ReaderBlock, twoDCode39VerifyCd) == 231);
static_assert(offsetof(ReaderBlock, twoDCode39SendCd) == 232);
static_assert(offsetof(ReaderBlock, twoDCode39FullAscii) == 233);
static_assert(offsetof(ReaderBlock, twoDCode93On) == 234);
static_assert(offsetof(ReaderBlock, twoDCode93LenMode) == 235);
static_assert(offsetof(ReaderBlock, twoDCode93Len1) == 236);
static_assert(offsetof(ReaderBlock, twoDCode93Len2) == 237);
static_assert(offsetof(ReaderBlock, twoDCode11On) == 238);
static_assert(offsetof(ReaderBlock, twoDCode11LenMode) == 239);
static_assert(offsetof(ReaderBlock, twoDCode11Len1) == 240);
static_assert(offsetof(ReaderBlock, twoDCode11Len2) == 241);
static_assert(offsetof(ReaderBlock, twoDCode11CheckDigits) == 242);
static_assert(offsetof(ReaderBlock, twoDCode11SendCd) == 243);
static_assert(offsetof(ReaderBlock, twoDIntl25On) == 244);
static_assert(offsetof(ReaderBlock, twoDIntl25LenMode) == 245);
static_assert(offsetof(ReaderBlock, twoDIntl25Len1) == 246);
static_assert(offsetof(ReaderBlock, twoDIntl25Len2) == 247);
static_assert(offsetof(ReaderBlock, twoDIntl25CheckDigit) == 248);
static_assert(offsetof(ReaderBlock, twoDIntl25SendCd) == 249);
static_assert(offsetof(ReaderBlock, twoDIntl25ToEan13) == 250);
static_assert(offsetof(ReaderBlock, twoDInd25On) == 251);
static_assert(offsetof(ReaderBlock, twoDInd25LenMode) == 252);
static_assert(offsetof(ReaderBlock, twoDInd25Len1) == 253);
static_assert(offsetof(ReaderBlock, twoDInd25Len2) == 254);
static_assert(offsetof(ReaderBlock, twoDCodabarOn) == 255);
static_assert(offsetof(ReaderBlock, twoDCodabarLenMode) == 256);
static_assert(offsetof(ReaderBlock, twoDCodabarLen1) == 257);
static_assert(offsetof(ReaderBlock, twoDCodabarLen2) == 258);
static_assert(offsetof(ReaderBlock, twoDCodabarClsi) == 259);
static_assert(offsetof(ReaderBlock, twoDCodabarNotis) == 260);
static_assert(offsetof(ReaderBlock, twoDMsiOn) == 261);
static_assert(offsetof(ReaderBlock, twoDMsiLenMode) == 262);
static_assert(offsetof(ReaderBlock, twoDMsiLen1) == 263);
static_assert(offsetof(ReaderBlock, twoDMsiLen2) == 264);
static_assert(offsetof(ReaderBlock, twoDMsiCheckDigits) == 265);
static_assert(offsetof(ReaderBlock, twoDMsiSendCd) == 266);
static_assert(offsetof(ReaderBlock, twoDMsiAlgorithm) == 267);
static_assert(offsetof(ReaderBlock, twoDUsPostnet) == 268);
static_assert(offsetof(ReaderBlock, twoDUsPlanet) == 269);
static_assert(offsetof(ReaderBlock, twoDUkPostal) == 270);
static_assert(offsetof(ReaderBlock, twoDUkPostalSendCd) == 271);
static_assert(offsetof(ReaderBlock, twoDJapanPostal) == 272);
static_assert(offsetof(ReaderBlock, twoDAustralianPostal) == 273);
static_assert(offsetof(ReaderBlock, twoDDutchPostal) == 274);
static_assert(offsetof(ReaderBlock, twoDUsPostalSendCd) == 275);
static_assert(offsetof(ReaderBlock, twoDDataBar14On) == 276);
static_assert(offsetof(ReaderBlock, twoDDataBarLtdOn) == 277);
static_assert(offsetof(ReaderBlock, twoDDataBarExpOn) == 278);
static_assert(offsetof(ReaderBlock, twoDDataBarToUpc) == 279);
static_assert(offsetof(ReaderBlock, twoDCompositeCcc) == 280);
static_assert(offsetof(ReaderBlock, twoDCompositeCcab) == 281);
static_assert(offsetof(ReaderBlock, twoDCompositeTlc39) == 282);
static_assert(offsetof(ReaderBlock, twoDUpcCompositeMode) == 283);
static_assert(offsetof(ReaderBlock, twoDGs1128Emulation) == 284);
static_assert(offsetof(ReaderBlock, twoDPdf417) == 285);
static_assert(offsetof(ReaderBlock, twoDMicroPdf417) == 286);
static_assert(offsetof(ReaderBlock, twoDCode128Emulation) == 287);
static_assert(offsetof(ReaderBlock, twoDDataMatrix) == 288);
static_assert(offsetof(ReaderBlock, twoDDataMatrixInverse) == 289);
static_assert(offsetof(ReaderBlock, twoDDataMatrixMirror) == 290);
static_assert(offsetof(ReaderBlock, twoDMaxicode) == 291);
static_assert(offsetof(ReaderBlock, twoDQrCode) == 292);
static_assert(offsetof(ReaderBlock, twoDQrInverse) == 293);
static_assert(offsetof(ReaderBlock, twoDMicroQr) == 294);
static_assert(offsetof(ReaderBlock, twoDAztec) == 295);
static_assert(offsetof(ReaderBlock, twoDAztecInverse) == 296);
static_assert(offsetof(ReaderBlock, twoDMacroPdfMode) == 297);
static_assert(offsetof(ReaderBlock, twoDMacroPdfHeader) == 298);
static_assert(offsetof(ReaderBlock, twoDMacroPdfEscape) == 299);
static_assert(offsetof(ReaderBlock, twoDDecodeTimeout) == 300);
static_assert(offsetof(ReaderBlock, twoDSameCodeTimeout) == 301);
static_assert(offsetof(ReaderBlock, carried302) == 302);
static_assert(offsetof(ReaderBlock, twoDIllumination) == 303);
static_assert(offsetof(ReaderBlock, twoDAimingPattern) == 304);
static_assert(offsetof(ReaderBlock, carried305) == 305);
static_assert(offsetof(ReaderBlock, twoDCodeIdMode) == 306);
static_assert(offsetof(ReaderBlock, twoDScanMode) == 307);
static_assert(offsetof(ReaderBlock, twoDRedundancy) == 308);
static_assert(offsetof(ReaderBlock, twoDSecurityLevel) == 309);
static_assert(offsetof(ReaderBlock, twoDInterCharGap) == 310);
static_assert(offsetof(ReaderBlock, twoDImageCaptureOn) == 311);
static_assert(offsetof(ReaderBlock, carried312) == 312);
static_assert(offsetof(ReaderBlock, twoDAutoExposure) == 313);
static_assert(offsetof(ReaderBlock, twoDCaptureIllumination) == 314);
static_assert(offsetof(ReaderBlock, twoDGain) == 315);
static_assert(offsetof(ReaderBlock, twoDExposureMs) == 316);
static_assert(offsetof(ReaderBlock, twoDSnapshotAim) == 317);
static_assert(offsetof(ReaderBlock, twoDImageResolution) == 318);
static_assert(offsetof(ReaderBlock, twoDJpegOptimizeQuality) == 319);
static_assert(offsetof(ReaderBlock, twoDJpegQuality) == 320);
static_assert(offsetof(ReaderBlock, twoDJpegSizeKb) == 321);
static_assert(offsetof(ReaderBlock, twoDImageFormat) == 322);
static_assert(offsetof(ReaderBlock, twoDBmpBits) == 323);
static_assert(offsetof(ReaderBlock, twoDMatrix25On) == 324);
static_assert(offsetof(ReaderBlock, twoDMatrix25LenMode) == 325);
static_assert(offsetof(ReaderBlock, twoDMatrix25Len1) == 326);
static_assert(offsetof(ReaderBlock, twoDMatrix25Len2) == 327);
static_assert(offsetof(ReaderBlock, twoDMatrix25Redundancy) == 328);
static_assert(offsetof(ReaderBlock, twoDMatrix25VerifyCd) == 329);
static_assert(offsetof(ReaderBlock, twoDMatrix25SendCd) == 330);
static_assert(offsetof(ReaderBlock, twoDChinese25On) == 331);
static_assert(offsetof(ReaderBlock, rfidDecodeUid) == 332);
static_assert(offsetof(ReaderBlock, rfidDecodeUserData) == 333);
static_assert(offsetof(ReaderBlock, rfidDelimiterOn) == 334);
static_assert(offsetof(ReaderBlock, rfidDelimiter) == 335);
static_assert(offsetof(ReaderBlock, rfidStartPos) == 339);
static_assert(offsetof(ReaderBlock, rfidReadLength) == 340);
static_assert(offsetof(ReaderBlock, carried341) == 341);
static_assert(offsetof(ReaderBlock, carried342) == 342);
static_assert(offsetof(ReaderBlock, reserved343) == 343);
static_assert(offsetof(ReaderBlock, engineOptions) == 362);
static_assert(offsetof(ReaderBlock, goodReadSound) == 363);
static_assert(offsetof(ReaderBlock, warningBeepCopy) == 364);
static_assert(offsetof(ReaderBlock, vibratorOn) == 365);
static_assert(offsetof(ReaderBlock, vibratorDurationCopy) == 366);
static_assert(offsetof(ReaderBlock, carried367) == 367);
static_assert(offsetof(ReaderBlock, carried368) == 368);
static_assert(offsetof(ReaderBlock, carried369) == 369);
static_assert(offsetof(ReaderBlock, carried370) == 370);
static_assert(offsetof(ReaderBlock, reserved371) == 371);
static_assert(offsetof(ReaderBlock, reserved381) == 381);
static_assert(offsetof(ReaderBlock, reserved382) == 382);
static_assert(offsetof(ReaderBlock, reserved392) == 392);
static_assert(offsetof(ReaderBlock, goodReadLedDuration) == 394);
static_assert(offsetof(ReaderBlock, buzzerDuration) == 395);
static_assert(offsetof(ReaderBlock, buzzerFreqCode) == 396);
static_assert(offsetof(ReaderBlock, isbtConcat) == 397);
static_assert(offsetof(ReaderBlock, isbtConcatRedund) == 398);
static_assert(offsetof(ReaderBlock, reserved399) == 399);
static_assert(offsetof(ReaderBlock, readerType) == 415);
static_assert(offsetof(ReaderBlock, codeIdOn) == 416);
static_assert(offsetof(ReaderBlock, codeIdTable) == 417);
static_assert(offsetof(ReaderBlock, autoImageName) == 477);
static_assert(offsetof(ReaderBlock, imageStorePath) == 478);
static_assert(offsetof(ReaderBlock, gs1FieldSepReplace) == 739);
static_assert(offsetof(ReaderBlock, imageFileTitle) == 740);
static_assert(offsetof(ReaderBlock, defaultNamingRule) == 746);
static_assert(offsetof(ReaderBlock, rfidReaderOn) == 747);
static_assert(offsetof(ReaderBlock, reserved748) == 748);
// Which dialogs and settings apply, derived from readerType.
struct ReaderTypeState {
    std::uint8_t oneDClass = 0;  // 0 none, 1 ELR, 2 1D engine, 3 1D laser reader
    std::uint8_t twoDClass = 0;  // 0 none, 1 2D engine, 2 2D reader
};

enum class ReaderFamily { None, Laser, Elr, TwoD };

// Writes every default into the block. Reserved runs and reserved220 are left
// as they are: a caller that wants a clean block clears it first.
void ResetReaderBlock(ReaderBlock& block);

ReaderTypeState DeriveReaderTypeState(const ReaderBlock& block);

// A 1D class of 2 or 3 wins over any 2D class, and any 2D class over ELR: a
// type with the ELR and the 2D reader bits (0x42) is a 2D reader.
ReaderFamily FamilyOf(const ReaderTypeState& state);

}  // namespace fw
