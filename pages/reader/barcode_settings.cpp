#include "pages/reader/barcode_settings.h"

#include <cstddef>

#include "pages/reader/barcode_ids.h"
#include "strings/ui_strings.h"

#define AT(field) offsetof(ReaderBlock, field)

namespace fw {
namespace {

constexpr std::uint8_t kLevelCodes[] = {1, 2, 3, 4};
constexpr std::uint8_t kBuzzerCodes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr std::uint8_t kLaserScanModes[] = {4, 8};  // "Continuous", "Laser"
constexpr std::uint8_t kTwoDScanModes[] = {7, 8};   // "Presentation", "Laser"
constexpr std::uint8_t kAimingCodes[] = {0, 2};
constexpr std::uint8_t kSameCodeTimeouts[] = {0,  5,  10, 15, 20, 25, 30, 35, 40, 45, 50,
                                              55, 60, 65, 70, 75, 80, 85, 90, 95, 99};

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

const ListPolicy kLaserLists[] = {
    {{IDC_BARCODE_ANGLE_LIST, AT(laserScanAngle), 1810, 2}},
    {{IDC_BARCODE_REDUNDANCY_LIST, AT(laserRedundancy), kLevel1, 4, kLevelCodes}},
    {{IDC_BARCODE_SCANMODE_LIST, AT(laserScanMode), 3460, 2, kLaserScanModes}},
    {{IDC_BARCODE_CODEID_LIST, AT(laserCodeIdMode), kCodeIdNone, 2}},
    {.list = {IDC_BARCODE_SAMECODE_LIST, AT(laserSameCodeTimeout), 0, 0, kSameCodeTimeouts}, .whenGreyed = 10},
};

constexpr EditSetting kLaserEdits[] = {
    {IDC_BARCODE_TIMEOUT_EDIT, AT(laserDecodeTimeout)},
    {IDC_BARCODE_AIM_EDIT, AT(laserAimDuration), false},
};

constexpr CheckByte kLaserChecks[] = {{IDC_BARCODE_BIDIR, AT(laserBiDirRedundancy)}};

// ---- 2D ---------------------------------------------------------------------

constexpr LabelText kTwoDLabels[] = {
    {IDC_BARCODE_ANGLE_LABEL, 511},        {IDC_BARCODE_REDUNDANCY_LABEL, 512}, {IDC_BARCODE_TIMEOUT_LABEL, 513},
    {IDC_BARCODE_TIMEOUT_UNIT, 514},       {IDC_BARCODE_SAMECODE_LABEL, 356},   {IDC_BARCODE_SAMECODE_UNIT, 357},
    {IDC_BARCODE_SCANMODE_LABEL, 0},       {IDC_BARCODE_REDUNDANCY2D_LABEL, 352}, {IDC_BARCODE_CODEID_LABEL, 520},
    {IDC_BARCODE_CODEID2D_LABEL, 501},
};

// Illumination and aiming stay off and the scan mode stays "Laser": the
// terminal's 2D engine is driven that way.
const ListPolicy kTwoDLists[] = {
    {.list = {IDC_BARCODE_ANGLE_LIST, AT(twoDIllumination), kTurnOffOn, 2}, .fixedEntry = 0},
    {.list = {IDC_BARCODE_REDUNDANCY_LIST, AT(twoDAimingPattern), kTurnOffOn, 2, kAimingCodes}, .fixedEntry = 0},
    {.list = {IDC_BARCODE_SCANMODE_LIST, AT(twoDScanMode), 3463, 2, kTwoDScanModes},
     .fixedEntry = 1,
     .storesFixed = true,
     .fixedLabel = IDC_BARCODE_SCANMODE_LABEL},
    {{IDC_BARCODE_REDUNDANCY2D_LIST, AT(twoDRedundancy), kLevel1, 4, kLevelCodes}},
    {{IDC_BARCODE_CODEID_LIST, AT(twoDSecurityLevel), kLevel0, 4}},
    {{IDC_BARCODE_CODEID2D_LIST, AT(twoDCodeIdMode), kCodeIdNone, 2}},
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

namespace {

// "Mute", then sounds 1 to 9.
ListEntries SoundEntries(const UiStrings& strings) {
    constexpr int kMuteText = 1307;
    constexpr int kSoundText = 1306;
    constexpr int kSoundCount = 9;
    ListEntries entries{strings.Text(kMuteText)};
    for (int n = 1; n <= kSoundCount; ++n) entries.push_back(strings.Text(kSoundText) + " " + NumberText(n));
    return entries;
}

}  // namespace

const std::array<ListByte, 2> kCommonLists = {{
    {IDC_BARCODE_GOODREAD_LIST, AT(goodReadSound), 0, 0, {}, SoundEntries},
    {IDC_BARCODE_BUZZFREQ_LIST, AT(buzzerFreqCode), 1891, 10, kBuzzerCodes},
}};

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

}  // namespace fw
