#include "template/field_map.h"

#include <array>
#include <cctype>
#include <type_traits>
#include <vector>

#include "template/device_texts.h"
#include "template/template_file.h"

namespace fw {
namespace {

template <class Member>
constexpr FieldSpec MakeField(const char* name, FieldKind kind, std::size_t offset) {
    // Numbers are one byte per element; every other kind takes the whole
    // innermost array as one element.
    const bool byteElements = kind == FieldKind::Number || kind == FieldKind::CharCode ||
                              kind == FieldKind::Target;
    if constexpr (std::rank_v<Member> == 0) {
        return {name, kind, offset, sizeof(Member), 1};
    } else if constexpr (std::rank_v<Member> == 1) {
        if (byteElements) return {name, kind, offset, 1, std::extent_v<Member>};
        return {name, kind, offset, std::extent_v<Member>, 1};
    } else {
        return {name, kind, offset, std::extent_v<Member, 1>, std::extent_v<Member>};
    }
}

// The tables name each member once; offsets and widths come from the struct.
// `Rec` is the record type of the table being written.
#define FW_FIELD(kind, member) MakeField<decltype(Rec::member)>(#member, FieldKind::kind, offsetof(Rec, member)),
#define NUM(member) FW_FIELD(Number, member)
#define CHR(member) FW_FIELD(CharCode, member)
#define TGT(member) FW_FIELD(Target, member)
#define N16(member) FW_FIELD(Number16, member)
#define TXT(member) FW_FIELD(Text, member)
#define KEYS(member) FW_FIELD(KeyCodes, member)
#define HEX(member) FW_FIELD(Bytes, member)

// True when the fields, taken together in offset order, cover [0, size) with
// neither gap nor overlap; group fields must have groupCount elements.
constexpr bool CoversOnce(std::span<const FieldSpec> fields, std::span<const FieldSpec> group,
                          std::size_t groupCount, std::size_t size) {
    std::size_t at = 0, i = 0, j = 0;
    while (i < fields.size() || j < group.size()) {
        const FieldSpec* next = nullptr;
        if (i < fields.size() && fields[i].offset == at) {
            next = &fields[i++];
        } else if (j < group.size() && group[j].offset == at && group[j].count == groupCount) {
            next = &group[j++];
        } else {
            return false;
        }
        at += next->width * next->count;
    }
    return at == size;
}

namespace menu {
using Rec = MenuRecord;
constexpr FieldSpec kFields[] = {
    NUM(captionEnabled) TXT(caption) TXT(itemName) TGT(escTarget) TGT(nextTarget)
    NUM(saveCaption) NUM(saveSelectedItem) NUM(itemCount) HEX(reserved836) HEX(reserved837)
};
static_assert(CoversOnce(kFields, {}, 0, sizeof(Rec)));
constexpr RecordSpec kSpec{kFields, {}, nullptr, nullptr, 0, "item"};
}  // namespace menu

namespace form {
using Rec = FormRecord;
constexpr FieldSpec kFields[] = {
    TGT(escTarget) TGT(nextTarget) NUM(lookupFile) NUM(recordAction) NUM(keyLine) NUM(stampMode)
    NUM(stampSplit) NUM(dateYear) NUM(yearDigits) NUM(dateMonth) NUM(dateDay) NUM(dateSeparatorOn)
    TXT(dateSeparator) NUM(dateStyle) NUM(timeHour) NUM(timeMinute) NUM(timeSecond)
    NUM(timeSeparatorOn) TXT(timeSeparator) NUM(recordFieldCount) NUM(keyFieldPosition)
    N16(recordLength) NUM(menuCaptionField) NUM(noKeyLine) NUM(readOnce) NUM(changeExportName)
    TXT(exportName) NUM(lastInputLine) HEX(reserved4071) NUM(autoExport) NUM(exportAppend)
    HEX(reserved4119) NUM(zorqMode) NUM(autoDelete) HEX(reserved4130)
};
constexpr FieldSpec kLineFields[] = {
    NUM(dataType) TXT(prompt) NUM(inputSource) NUM(minLength) NUM(maxLength) NUM(maxLengthBlocks)
    NUM(lookupField) NUM(addedLength) NUM(fixedLengthOn) NUM(alignment) NUM(fixedLength)
    NUM(fixedLengthBlocks) NUM(initialValueOn) TXT(initialValue) NUM(prefixOn) KEYS(prefixCode)
    NUM(suffixOn) KEYS(suffixCode) CHR(inputMark) NUM(decimalPlaces) NUM(partialRead)
    NUM(partialStart) NUM(partialStartBlocks) NUM(partialLength) NUM(leadingCheckOn)
    TXT(leadingCode) NUM(checkDigit) NUM(autoEnter) NUM(editFilePath) NUM(saveFilePath)
    NUM(checkFilePath)
};
static_assert(CoversOnce(kFields, kLineFields, kFormLineCount, sizeof(Rec)));
constexpr RecordSpec kSpec{kFields, kLineFields, "lines", "line", kFormLineCount};
}  // namespace form

namespace lookup {
using Rec = LookupRecord;
constexpr FieldSpec kFields[] = {
    NUM(fieldCount) NUM(keyField) N16(recordLength) NUM(changeExportName) TXT(exportName)
    CHR(delimiter) NUM(noMatchAction) NUM(wrongFormatAction) NUM(autoExport) NUM(saveMode)
    HEX(reserved841) NUM(autoDelete) HEX(reserved851)
};
constexpr FieldSpec kSlotFields[] = {
    NUM(dataType) TXT(fieldName) NUM(fieldLength) NUM(fieldLengthHigh)
};
static_assert(CoversOnce(kFields, kSlotFields, kLookupSlotCount, sizeof(Rec)));
constexpr RecordSpec kSpec{kFields, kSlotFields, "fields", "field", kLookupSlotCount};
}  // namespace lookup

namespace reader {
using Rec = ReaderBlock;
constexpr FieldSpec kFields[] = {
    NUM(engineCode) NUM(laserCode39On) NUM(laserTrioptic39) NUM(laserCode32) NUM(laserCode32Prefix)
    NUM(laserCode39LenMode) NUM(laserCode39Len1) NUM(laserCode39Len2) NUM(laserCode39VerifyCd)
    NUM(laserCode39SendCd) NUM(laserCode39FullAscii) NUM(laserInd25On) NUM(laserInd25LenMode)
    NUM(laserInd25Len1) NUM(laserInd25Len2) NUM(laserIntl25On) NUM(laserIntl25LenMode)
    NUM(laserIntl25Len1) NUM(laserIntl25Len2) NUM(laserIntl25VerifyCd) NUM(laserIntl25SendCd)
    NUM(laserIntl25ToEan13) NUM(laserChinese25On) NUM(laserCodabarOn) NUM(laserCodabarLenMode)
    NUM(laserCodabarLen1) NUM(laserCodabarLen2) NUM(laserCodabarClsi) NUM(laserCodabarNotis)
    NUM(laserMsiOn) NUM(laserMsiLenMode) NUM(laserMsiLen1) NUM(laserMsiLen2) NUM(laserMsiCheckDigits)
    NUM(laserMsiSendCd) NUM(laserMsiAlgorithm) NUM(laserUpcaOn) NUM(laserUpce0On) NUM(laserUpce1On)
    NUM(laserUpcAddons) NUM(laserUpcAddonRedund) NUM(laserUpcaSendCd) NUM(laserUpce0SendCd)
    NUM(laserUpce1SendCd) NUM(laserUpcaPreamble) NUM(laserUpce0Preamble) NUM(laserUpce1Preamble)
    NUM(laserUpce0ToUpca) NUM(laserUpce1ToUpca) NUM(laserCouponOn) NUM(carried50) NUM(laserEan8On)
    NUM(laserEan13On) NUM(laserBooklandOn) NUM(laserEanAddons) NUM(laserEanAddonRedund)
    NUM(laserEan8ToEan13) NUM(carried57) NUM(carried58) NUM(laserDataBar14On) NUM(laserDataBarLtdOn)
    NUM(laserDataBarExpOn) NUM(laserDataBarToUpc) NUM(laserCode93On) NUM(laserCode93LenMode)
    NUM(laserCode93Len1) NUM(laserCode93Len2) NUM(laserCode128On) NUM(laserGs1128On) NUM(laserIsbtOn)
    NUM(laserCode11On) NUM(laserCode11LenMode) NUM(laserCode11Len1) NUM(laserCode11Len2)
    NUM(laserCode11CheckDigits) NUM(laserCode11SendCd) NUM(laserDecodeTimeout) NUM(laserSameCodeTimeout)
    NUM(laserRedundancy) NUM(laserBiDirRedundancy) NUM(laserScanAngle) NUM(laserAimDuration)
    NUM(laserCodeIdMode) NUM(laserScanMode) HEX(reserved84) NUM(elrUpcaOn) NUM(elrUpce0On)
    NUM(elrUpce1On) NUM(elrEan8On) NUM(elrEan13On) NUM(elrBooklandOn) NUM(elrUpcEanAddons)
    NUM(carried119) NUM(elrUpcaSendCd) NUM(elrUpce0SendCd) NUM(elrUpce1SendCd) NUM(elrUpcaPreamble)
    NUM(elrUpce0Preamble) NUM(elrUpce1Preamble) NUM(elrUpce0ToUpca) NUM(elrUpce1ToUpca)
    NUM(elrEan8ToEan13) NUM(elrCouponExtended) NUM(carried130) NUM(elrCode128On) NUM(elrGs1128On)
    NUM(elrIsbtOn) NUM(elrCode39On) NUM(elrTrioptic39On) NUM(elrCode32) NUM(elrCode32Prefix)
    NUM(elrCode39LenMode) NUM(elrCode39Len1) NUM(elrCode39Len2) NUM(elrCode39VerifyCd)
    NUM(elrCode39SendCd) NUM(elrCode39FullAscii) NUM(elrCode93On) NUM(elrCode93LenMode)
    NUM(elrCode93Len1) NUM(elrCode93Len2) NUM(elrIntl25On) NUM(elrIntl25LenMode) NUM(elrIntl25Len1)
    NUM(elrIntl25Len2) NUM(elrIntl25VerifyCd) NUM(elrIntl25SendCd) NUM(elrIntl25ToEan13) NUM(elrInd25On)
    NUM(elrInd25LenMode) NUM(elrInd25Len1) NUM(elrInd25Len2) NUM(elrCodabarOn) NUM(elrCodabarLenMode)
    NUM(elrCodabarLen1) NUM(elrCodabarLen2) NUM(elrCodabarClsi) NUM(elrCodabarNotis) NUM(elrMsiOn)
    NUM(elrMsiLenMode) NUM(elrMsiLen1) NUM(elrMsiLen2) NUM(elrMsiCheckDigits) NUM(elrMsiSendCd)
    NUM(elrMsiAlgorithm) NUM(elrDataBar14On) NUM(elrDataBarLtdOn) NUM(elrDataBarExpOn)
    NUM(elrDataBarToUpc) NUM(elrDecodeTimeout) NUM(carried177) NUM(elrAimDuration) NUM(carried179)
    HEX(reserved180) NUM(twoDUpcaOn) NUM(twoDUpce0On) NUM(twoDUpce1On) NUM(twoDEan8On) NUM(twoDEan13On)
    NUM(twoDBooklandOn) NUM(twoDUpcEanAddons) NUM(twoDAddonRedund) NUM(twoDUpcaSendCd)
    NUM(twoDUpce0SendCd) NUM(twoDUpce1SendCd) NUM(twoDUpcaPreamble) NUM(twoDUpce0Preamble)
    NUM(twoDUpce1Preamble) NUM(twoDUpce0ToUpca) NUM(twoDUpce1ToUpca) NUM(twoDEan8ToEan13)
    NUM(twoDCouponOn) HEX(reserved220) NUM(twoDCode128On) NUM(twoDGs1128On) NUM(twoDIsbtOn)
    NUM(twoDCode39On) NUM(twoDTrioptic39) NUM(twoDCode32) NUM(twoDCode32Prefix) NUM(twoDCode39LenMode)
    NUM(twoDCode39Len1) NUM(twoDCode39Len2) NUM(twoDCode39VerifyCd) NUM(twoDCode39SendCd)
    NUM(twoDCode39FullAscii) NUM(twoDCode93On) NUM(twoDCode93LenMode) NUM(twoDCode93Len1)
    NUM(twoDCode93Len2) NUM(twoDCode11On) NUM(twoDCode11LenMode) NUM(twoDCode11Len1) NUM(twoDCode11Len2)
    NUM(twoDCode11CheckDigits) NUM(twoDCode11SendCd) NUM(twoDIntl25On) NUM(twoDIntl25LenMode)
    NUM(twoDIntl25Len1) NUM(twoDIntl25Len2) NUM(twoDIntl25CheckDigit) NUM(twoDIntl25SendCd)
    NUM(twoDIntl25ToEan13) NUM(twoDInd25On) NUM(twoDInd25LenMode) NUM(twoDInd25Len1) NUM(twoDInd25Len2)
    NUM(twoDCodabarOn) NUM(twoDCodabarLenMode) NUM(twoDCodabarLen1) NUM(twoDCodabarLen2)
    NUM(twoDCodabarClsi) NUM(twoDCodabarNotis) NUM(twoDMsiOn) NUM(twoDMsiLenMode) NUM(twoDMsiLen1)
    NUM(twoDMsiLen2) NUM(twoDMsiCheckDigits) NUM(twoDMsiSendCd) NUM(twoDMsiAlgorithm) NUM(twoDUsPostnet)
    NUM(twoDUsPlanet) NUM(twoDUkPostal) NUM(twoDUkPostalSendCd) NUM(twoDJapanPostal)
    NUM(twoDAustralianPostal) NUM(twoDDutchPostal) NUM(twoDUsPostalSendCd) NUM(twoDDataBar14On)
    NUM(twoDDataBarLtdOn) NUM(twoDDataBarExpOn) NUM(twoDDataBarToUpc) NUM(twoDCompositeCcc)
    NUM(twoDCompositeCcab) NUM(twoDCompositeTlc39) NUM(twoDUpcCompositeMode) NUM(twoDGs1128Emulation)
    NUM(twoDPdf417) NUM(twoDMicroPdf417) NUM(twoDCode128Emulation) NUM(twoDDataMatrix)
    NUM(twoDDataMatrixInverse) NUM(twoDDataMatrixMirror) NUM(twoDMaxicode) NUM(twoDQrCode)
    NUM(twoDQrInverse) NUM(twoDMicroQr) NUM(twoDAztec) NUM(twoDAztecInverse) NUM(twoDMacroPdfMode)
    NUM(twoDMacroPdfHeader) NUM(twoDMacroPdfEscape) NUM(twoDDecodeTimeout) NUM(twoDSameCodeTimeout)
    NUM(carried302) NUM(twoDIllumination) NUM(twoDAimingPattern) NUM(carried305) NUM(twoDCodeIdMode)
    NUM(twoDScanMode) NUM(twoDRedundancy) NUM(twoDSecurityLevel) NUM(twoDInterCharGap)
    NUM(twoDImageCaptureOn) NUM(carried312) NUM(twoDAutoExposure) NUM(twoDCaptureIllumination)
    NUM(twoDGain) NUM(twoDExposureMs) NUM(twoDSnapshotAim) NUM(twoDImageResolution)
    NUM(twoDJpegOptimizeQuality) NUM(twoDJpegQuality) NUM(twoDJpegSizeKb) NUM(twoDImageFormat)
    NUM(twoDBmpBits) NUM(twoDMatrix25On) NUM(twoDMatrix25LenMode) NUM(twoDMatrix25Len1)
    NUM(twoDMatrix25Len2) NUM(twoDMatrix25Redundancy) NUM(twoDMatrix25VerifyCd) NUM(twoDMatrix25SendCd)
    NUM(twoDChinese25On) NUM(rfidDecodeUid) NUM(rfidDecodeUserData) NUM(rfidDelimiterOn)
    TXT(rfidDelimiter) NUM(rfidStartPos) NUM(rfidReadLength) NUM(carried341) NUM(carried342)
    HEX(reserved343) NUM(engineOptions) NUM(goodReadSound) NUM(warningBeepCopy) NUM(vibratorOn)
    NUM(vibratorDurationCopy) NUM(carried367) NUM(carried368) NUM(carried369) NUM(carried370)
    HEX(reserved371) HEX(reserved381) HEX(reserved382) HEX(reserved392) NUM(goodReadLedDuration)
    NUM(buzzerDuration) NUM(buzzerFreqCode) NUM(isbtConcat) NUM(isbtConcatRedund) HEX(reserved399)
    NUM(readerType) NUM(codeIdOn) HEX(codeIdTable) NUM(autoImageName) TXT(imageStorePath)
    CHR(gs1FieldSepReplace) TXT(imageFileTitle) NUM(defaultNamingRule) NUM(rfidReaderOn)
    HEX(reserved748)
};
static_assert(CoversOnce(kFields, {}, 0, sizeof(Rec)));
constexpr RecordSpec kSpec{kFields};
}  // namespace reader

namespace settings {
using Rec = SystemSettings;
constexpr FieldSpec kFields[] = {
    NUM(startFrom) HEX(reserved1) HEX(reserved2) CHR(firstDelimiter) CHR(secondDelimiter)
    NUM(preloadLastFile) NUM(dataDeletion) NUM(entryOption) NUM(entryHoldTime) NUM(warningBeep)
    NUM(vibratorDuration) TXT(securityPassword) NUM(protectedFunctions) NUM(protectImageCapture)
    HEX(reserved36) HEX(reserved53) TXT(defaultExportStore) HEX(reserved315) HEX(reserved335)
    HEX(reserved340) HEX(reserved341) NUM(autoRun) HEX(reserved363) HEX(reserved364)
    NUM(cameraResolution) NUM(cameraFlash) NUM(cameraColorEffect) NUM(cameraImageFormat)
    TXT(cameraImageStore) NUM(cameraAutoFileName) TXT(cameraFileTitle) HEX(reserved637)
    NUM(cameraNamingRule) NUM(deleteDatabaseOnOpen) NUM(cameraTimeStamp) HEX(reserved641)
};
static_assert(CoversOnce(kFields, {}, 0, sizeof(Rec)));
constexpr RecordSpec kSpec{kFields};
}  // namespace settings

#undef FW_FIELD
#undef NUM
#undef CHR
#undef TGT
#undef N16
#undef TXT
#undef KEYS
#undef HEX

constexpr FieldSpec kSignatureField{"signature", FieldKind::Text, 0, kSignatureSize, 1};
constexpr FieldSpec kGapField{"reservedGap", FieldKind::Bytes, 0, kReservedGapSize, 1};

// The device text tables are named by their first string id; the names are
// made once, so they live as long as the program.
const RecordSpec& DeviceTextSpec() {
    static const std::array<std::string, kDeviceTableCount> names = [] {
        std::array<std::string, kDeviceTableCount> n;
        for (int t = 0; t < kDeviceTableCount; ++t) n[t] = std::to_string(kDeviceTables[t].firstId);
        return n;
    }();
    static const std::vector<FieldSpec> fields = [] {
        std::vector<FieldSpec> f;
        std::size_t offset = 0;
        for (int t = 0; t < kDeviceTableCount; ++t) {
            const auto slots = static_cast<std::size_t>(kDeviceTables[t].slotCount);
            f.push_back({names[t].c_str(), FieldKind::Text, offset, kSlotSize, slots});
            offset += slots * kSlotSize;
        }
        return f;
    }();
    static const RecordSpec spec{fields};
    return spec;
}

constexpr std::size_t BlockOffset(std::size_t inBlocks) { return kBlocksOffset + inBlocks; }

}  // namespace

std::span<const TemplatePart> TemplateParts() {
    static const TemplatePart parts[] = {
        {"signature", "signature", 0, 0, 0, nullptr, &kSignatureField},
        {"menus", "menu", BlockOffset(offsetof(TemplateBlocks, menus)), kMenuCount, sizeof(MenuRecord),
         &menu::kSpec, nullptr},
        {"forms", "form", BlockOffset(offsetof(TemplateBlocks, forms)), kFormCount, sizeof(FormRecord),
         &form::kSpec, nullptr},
        {"lookups", "lookup file", BlockOffset(offsetof(TemplateBlocks, lookups)), kLookupCount,
         sizeof(LookupRecord), &lookup::kSpec, nullptr},
        {"reader", "reader", BlockOffset(offsetof(TemplateBlocks, reader)), 0, sizeof(ReaderBlock),
         &reader::kSpec, nullptr},
        {"settings", "settings", BlockOffset(offsetof(TemplateBlocks, settings)), 0,
         sizeof(SystemSettings), &settings::kSpec, nullptr},
        {"reservedGap", "reserved gap", kGapOffset, 0, 0, nullptr, &kGapField},
        {kDeviceTextsKey.data(), "device text", kDeviceTextsOffset, 0, kDeviceTextsSize, &DeviceTextSpec(),
         nullptr},
    };
    return parts;
}

unsigned ReadNumber(const FieldSpec& field, const std::uint8_t* element) {
    return field.kind == FieldKind::Number16 ? element[0] | (element[1] << 8) : element[0];
}

void WriteNumber(const FieldSpec& field, std::uint8_t* element, unsigned value) {
    element[0] = static_cast<std::uint8_t>(value & 0xFF);
    if (field.kind == FieldKind::Number16) element[1] = static_cast<std::uint8_t>(value >> 8);
}

unsigned NumberLimit(const FieldSpec& field) { return field.kind == FieldKind::Number16 ? 0xFFFF : 0xFF; }

SplitField SplitTerminated(std::span<const std::uint8_t> element) {
    std::size_t length = 0;
    while (length + 1 < element.size() && element[length] != 0) ++length;
    const auto rest = element.subspan(length);
    bool plain = true;
    for (const std::uint8_t byte : rest) plain = plain && byte == 0;
    return {{reinterpret_cast<const char*>(element.data()), length}, rest, plain};
}

std::string FieldWords(std::string_view name) {
    std::string words;
    if (name.substr(0, 4) == "twoD") {
        words = "2D";
        name.remove_prefix(4);
    }
    for (const char c : name) {
        if (std::isupper(static_cast<unsigned char>(c))) {
            if (!words.empty()) words += ' ';
            words += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else {
            words += c;
        }
    }
    return words;
}

}  // namespace fw
