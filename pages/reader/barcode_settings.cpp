#include "pages/reader/barcode_settings.h"

#include <cstddef>

#include "pages/reader/barcode_ids.h"

#define AT(field) static_cast<int>(offsetof(ReaderBlock, field))

namespace fw {
namespace {

constexpr std::uint8_t kIndexCodes[] = {0, 1, 2, 3};
constexpr std::uint8_t kLevelCodes[] = {1, 2, 3, 4};
constexpr std::uint8_t kBuzzerCodes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr std::uint8_t kLaserScanModes[] = {4, 8};  // "Continuous", "Laser"
constexpr std::uint8_t kTwoDScanModes[] = {7, 8};   // "Presentation", "Laser"
constexpr std::uint8_t kAimingCodes[] = {0, 2};
constexpr std::uint8_t kSameCodeTimeouts[] = {0,  5,  10, 15, 20, 25, 30, 35, 40, 45, 50,
                                              55, 60, 65, 70, 75, 80, 85, 90, 95, 99};

constexpr std::span<const std::uint8_t> Index(std::size_t count) { return std::span(kIndexCodes).first(count); }

constexpr int kTurnOffOn = 1861;  // "Turn Off", "Turn On"
constexpr int kLevel0 = 1852;     // "Level 0" ... "Level 4"
constexpr int kLevel1 = 1853;
constexpr int kCodeIdNone = 502;  // "None", "AIM code ID character"

// ---- Laser, and the page without a reader ----------------------------------

constexpr LabelText kLaserLabels[] = {
    {IDC_BARCODE_ANGLE_LABEL, 351},    {IDC_BARCODE_REDUNDANCY_LABEL, 352}, {IDC_BARCODE_TIMEOUT_LABEL, 353},
    {IDC_BARCODE_TIMEOUT_UNIT, 354},   {IDC_BARCODE_SAMECODE_LABEL, 356},   {IDC_BARCODE_SAMECODE_UNIT, 357},
    {IDC_BARCODE_SCANMODE_LABEL, 0},   {IDC_BARCODE_CODEID_LABEL, 501},
};

const ListSetting kLaserLists[] = {
    {IDC_BARCODE_ANGLE_LIST, 1810, Index(2), AT(laserScanAngle)},
    {IDC_BARCODE_REDUNDANCY_LIST, kLevel1, kLevelCodes, AT(laserRedundancy)},
    {IDC_BARCODE_SCANMODE_LIST, 3460, kLaserScanModes, AT(laserScanMode)},
    {IDC_BARCODE_CODEID_LIST, kCodeIdNone, Index(2), AT(laserCodeIdMode)},
    {.control = IDC_BARCODE_SAMECODE_LIST,
     .firstText = 0,
     .codes = kSameCodeTimeouts,
     .offset = AT(laserSameCodeTimeout),
     .whenGreyed = 10},
};

constexpr EditSetting kLaserEdits[] = {
    {IDC_BARCODE_TIMEOUT_EDIT, AT(laserDecodeTimeout)},
    {IDC_BARCODE_AIM_EDIT, AT(laserAimDuration), false},
};

constexpr CheckByte kLaserChecks[] = {{IDC_BARCODE_BIDIR, offsetof(ReaderBlock, laserBiDirRedundancy)}};

// ---- 2D ---------------------------------------------------------------------

constexpr LabelText kTwoDLabels[] = {
    {IDC_BARCODE_ANGLE_LABEL, 511},        {IDC_BARCODE_REDUNDANCY_LABEL, 512}, {IDC_BARCODE_TIMEOUT_LABEL, 513},
    {IDC_BARCODE_TIMEOUT_UNIT, 514},       {IDC_BARCODE_SAMECODE_LABEL, 356},   {IDC_BARCODE_SAMECODE_UNIT, 357},
    {IDC_BARCODE_SCANMODE_LABEL, 0},       {IDC_BARCODE_REDUNDANCY2D_LABEL, 352}, {IDC_BARCODE_CODEID_LABEL, 520},
    {IDC_BARCODE_CODEID2D_LABEL, 501},
};

// Illumination and aiming stay off and the scan mode stays "Laser": the
// terminal's 2D engine is driven that way.
const ListSetting kTwoDLists[] = {
    {.control = IDC_BARCODE_ANGLE_LIST,
     .firstText = kTurnOffOn,
     .codes = Index(2),
     .offset = AT(twoDIllumination),
     .fixedEntry = 0},
    {.control = IDC_BARCODE_REDUNDANCY_LIST,
     .firstText = kTurnOffOn,
     .codes = kAimingCodes,
     .offset = AT(twoDAimingPattern),
     .fixedEntry = 0},
    {.control = IDC_BARCODE_SCANMODE_LIST,
     .firstText = 3463,
     .codes = kTwoDScanModes,
     .offset = AT(twoDScanMode),
     .fixedEntry = 1,
     .storesFixed = true,
     .fixedLabel = IDC_BARCODE_SCANMODE_LABEL},
    {IDC_BARCODE_REDUNDANCY2D_LIST, kLevel1, kLevelCodes, AT(twoDRedundancy)},
    {IDC_BARCODE_CODEID_LIST, kLevel0, Index(4), AT(twoDSecurityLevel)},
    {IDC_BARCODE_CODEID2D_LIST, kCodeIdNone, Index(2), AT(twoDCodeIdMode)},
};

constexpr EditSetting kTwoDEdits[] = {
    {IDC_BARCODE_TIMEOUT_EDIT, AT(twoDDecodeTimeout)},
    {IDC_BARCODE_SAMECODE_EDIT, AT(twoDSameCodeTimeout), true, 6},
};

// ---- ELR ----------------------------------------------------------------------

constexpr LabelText kElrLabels[] = {
    {IDC_BARCODE_SAMECODE_LABEL, 431},
    {IDC_BARCODE_SAMECODE_UNIT, 432},
    {IDC_BARCODE_AIM_UNIT, 433},
    {IDC_BARCODE_ELR_TIMEOUT_UNIT, 434},
};

constexpr EditSetting kElrEdits[] = {
    {IDC_BARCODE_SAMECODE_EDIT, AT(elrAimDuration)},
    {IDC_BARCODE_AIM_EDIT, AT(elrDecodeTimeout)},
};

const EngineLayout kLaserLayout{kLaserLabels, kLaserLists, kLaserEdits, kLaserChecks, IDC_BARCODE_SAMECODE_LIST,
                                false, false};
const EngineLayout kTwoDLayout{kTwoDLabels, kTwoDLists, kTwoDEdits, {}, IDC_BARCODE_SAMECODE_EDIT, false, true};
const EngineLayout kElrLayout{kElrLabels, {}, kElrEdits, {}, 0, true, false};

}  // namespace

const EngineLayout& LayoutFor(ReaderFamily family) {
    switch (family) {
    case ReaderFamily::TwoD: return kTwoDLayout;
    case ReaderFamily::Elr: return kElrLayout;
    default: return kLaserLayout;
    }
}

const std::array<int, 22> kEngineControls = {
    IDC_BARCODE_ANGLE_LABEL,       IDC_BARCODE_ANGLE_LIST,         IDC_BARCODE_REDUNDANCY_LABEL,
    IDC_BARCODE_REDUNDANCY_LIST,   IDC_BARCODE_TIMEOUT_LABEL,      IDC_BARCODE_TIMEOUT_EDIT,
    IDC_BARCODE_TIMEOUT_UNIT,      IDC_BARCODE_SAMECODE_LABEL,     IDC_BARCODE_SAMECODE_EDIT,
    IDC_BARCODE_SAMECODE_UNIT,     IDC_BARCODE_SAMECODE_LIST,      IDC_BARCODE_AIM_EDIT,
    IDC_BARCODE_AIM_UNIT,          IDC_BARCODE_ELR_TIMEOUT_UNIT,   IDC_BARCODE_SCANMODE_LABEL,
    IDC_BARCODE_SCANMODE_LIST,     IDC_BARCODE_REDUNDANCY2D_LABEL, IDC_BARCODE_REDUNDANCY2D_LIST,
    IDC_BARCODE_CODEID_LABEL,      IDC_BARCODE_CODEID_LIST,        IDC_BARCODE_CODEID2D_LABEL,
    IDC_BARCODE_CODEID2D_LIST,
};

const ListSetting kBuzzerFrequency{IDC_BARCODE_BUZZFREQ_LIST, 1891, kBuzzerCodes, AT(buzzerFreqCode)};

const std::array<EditSetting, 2> kCommonEdits = {{
    {IDC_BARCODE_LED_EDIT, AT(goodReadLedDuration)},
    {IDC_BARCODE_BUZZDUR_EDIT, AT(buzzerDuration)},
}};

#undef AT

const std::array<EditRule, 5> kEditRules = {{
    {IDC_BARCODE_TIMEOUT_EDIT, 5, 99, 2, true},
    {IDC_BARCODE_SAMECODE_EDIT, 0, 99, 2, false},
    {IDC_BARCODE_AIM_EDIT, 0, 99, 2, false},
    {IDC_BARCODE_LED_EDIT, 0, 255, 3, false},
    {IDC_BARCODE_BUZZDUR_EDIT, 0, 255, 3, false},
}};

const EditRule* EditRuleFor(int control) {
    for (const EditRule& rule : kEditRules)
        if (rule.control == control) return &rule;
    return nullptr;
}

int EntryForCode(std::span<const std::uint8_t> codes, std::uint8_t value) {
    int entry = 0;
    for (std::size_t i = 0; i < codes.size() && codes[i] <= value; ++i) entry = static_cast<int>(i);
    return entry;
}

}  // namespace fw
