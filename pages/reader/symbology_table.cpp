#include "pages/reader/symbology_table.h"

#include <algorithm>

#include "pages/reader/symbology_ids.h"
#include "template/blocks/reader_block.h"

// Offsets in the reader block, by field name.
#define AT(field) offsetof(ReaderBlock, field)

namespace fw {
namespace {

// ---- List entries, by their first string id -------------------------------
constexpr int kPreambleTexts = 2001;    // "No Preamble", "System Character", "... & Country Code"
constexpr int kAddonsTexts = 2021;      // "Ignore Addons", "Decode only with Addons", "Auto-discriminate"
constexpr int kGapTexts = 2050;         // "Normal", "Large"
constexpr int kMsiDigitsTexts = 2061;   // "One Check Digit", "Two Check Digits"
constexpr int kIntl25CheckTexts = 2070; // "Disable", "USS Check Digit", "OPCC Check Digit"
constexpr int kMsiAlgorithmTexts = 2081;
constexpr int kCompositeModeTexts = 2101;
constexpr int kMacroPdfModeTexts = 2121;
constexpr int kMacroPdfEscapeTexts = 2141;
constexpr int kCode11CheckTexts = 2161; // "No verification", "One Check Digit", "Two Check Digits"
constexpr int kIsbtConcatTexts = 1253;  // "Disable", "Enable", "Auto-discriminate"
constexpr int kDataMatrixInverseTexts = 2410;
constexpr int kMirrorTexts = 2413;
constexpr int kQrInverseTexts = 2416;
constexpr int kAztecInverseTexts = 2419;

constexpr std::uint8_t kMacroPdfModeCodes[] = {0, 1, 4};
constexpr std::uint8_t kMacroPdfEscapeCodes[] = {0, 2};

constexpr int kAddonsAutoDiscriminate = 2;  // the addons entry that uses the redundancy
constexpr int kTwoCheckDigits = 1;          // the MSI entry that has an algorithm

// ---- Language ids ------------------------------------------------------------
// Each dialog has a run of ten ids: its caption first, then its texts. The
// ELR dialogs reuse the run of their laser twin; the ELR UPC dialogs' "UCC
// Coupon Extended Code" has an id of its own in that run.
constexpr LanguageLabel kIndustrial25Labels[] = {{kIdOk, 902}, {kIdCancel, 903}};  // laser 901-903, ELR
constexpr LanguageLabel kInterleaved25Labels[] = {  // laser 911-916, ELR
    {IDC_SYM_BOX1, 912}, {IDC_SYM_BOX2, 913}, {IDC_SYM_BOX3, 914}, {kIdOk, 915}, {kIdCancel, 916}};
constexpr LanguageLabel kCodabarLabels[] = {  // laser 921-925, ELR
    {IDC_SYM_BOX1, 922}, {IDC_SYM_BOX2, 923}, {kIdOk, 924}, {kIdCancel, 925}};
constexpr LanguageLabel kMsiLabels[] = {  // laser 931-936, ELR
    {IDC_SYM_LIST2_LABEL, 932}, {IDC_SYM_BOX1, 933}, {IDC_SYM_LIST3_LABEL, 934}, {kIdOk, 935}, {kIdCancel, 936}};
constexpr LanguageLabel kGs1128Labels[] = {{IDC_SYM_EDIT1_LABEL, 942}, {kIdOk, 943}, {kIdCancel, 944}};  // 941-944
constexpr LanguageLabel kUpceLabels[] = {  // laser 951-959
    {IDC_SYM_LIST1_LABEL, 952}, {IDC_SYM_LIST2_LABEL, 953}, {IDC_SYM_EDIT1_LABEL, 954}, {IDC_SYM_BOX1, 955},
    {IDC_SYM_BOX2, 956}, {kIdOk, 958}, {kIdCancel, 959}};
constexpr LanguageLabel kElrUpceLabels[] = {
    {IDC_SYM_LIST1_LABEL, 952}, {IDC_SYM_LIST2_LABEL, 953}, {IDC_SYM_BOX1, 955}, {IDC_SYM_BOX2, 956},
    {IDC_SYM_BOX3, 957}, {kIdOk, 958}, {kIdCancel, 959}};
constexpr LanguageLabel kUpce1Labels[] = {  // laser 961-969
    {IDC_SYM_LIST1_LABEL, 962}, {IDC_SYM_LIST2_LABEL, 963}, {IDC_SYM_EDIT1_LABEL, 964}, {IDC_SYM_BOX1, 965},
    {IDC_SYM_BOX2, 966}, {kIdOk, 968}, {kIdCancel, 969}};
constexpr LanguageLabel kElrUpce1Labels[] = {
    {IDC_SYM_LIST1_LABEL, 962}, {IDC_SYM_LIST2_LABEL, 963}, {IDC_SYM_BOX1, 965}, {IDC_SYM_BOX2, 966},
    {IDC_SYM_BOX3, 967}, {kIdOk, 968}, {kIdCancel, 969}};
constexpr LanguageLabel kUpcaLabels[] = {  // laser 971-978
    {IDC_SYM_LIST1_LABEL, 972}, {IDC_SYM_LIST2_LABEL, 973}, {IDC_SYM_EDIT1_LABEL, 974}, {IDC_SYM_BOX1, 975},
    {kIdOk, 977}, {kIdCancel, 978}};
constexpr LanguageLabel kElrUpcaLabels[] = {
    {IDC_SYM_LIST1_LABEL, 972}, {IDC_SYM_LIST2_LABEL, 973}, {IDC_SYM_BOX1, 975}, {IDC_SYM_BOX2, 976},
    {kIdOk, 977}, {kIdCancel, 978}};
constexpr LanguageLabel kEan8Labels[] = {  // laser 981-986
    {IDC_SYM_LIST1_LABEL, 982}, {IDC_SYM_EDIT1_LABEL, 983}, {IDC_SYM_BOX1, 984}, {kIdOk, 985}, {kIdCancel, 986}};
constexpr LanguageLabel kElrEan8Labels[] = {
    {IDC_SYM_LIST1_LABEL, 982}, {IDC_SYM_BOX1, 984}, {kIdOk, 985}, {kIdCancel, 986}};
constexpr LanguageLabel kEan13Labels[] = {  // laser 991-995
    {IDC_SYM_LIST1_LABEL, 992}, {IDC_SYM_EDIT1_LABEL, 993}, {kIdOk, 994}, {kIdCancel, 995}};
constexpr LanguageLabel kDataBarLabels[] = {{IDC_SYM_BOX1, 1002}, {kIdOk, 1003}, {kIdCancel, 1004}};  // 1001-1004
constexpr LanguageLabel kCode39Labels[] = {  // laser 1011-1019
    {IDC_SYM_BOX1, 1012}, {IDC_SYM_BOX2, 1013}, {IDC_SYM_BOX3, 1014}, {IDC_SYM_BOX4, 1015},
    {IDC_SYM_BOX5, 1016}, {IDC_SYM_BOX6, 1017}, {kIdOk, 1018}, {kIdCancel, 1019}};
constexpr LanguageLabel kElrCode39Labels[] = {
    {IDC_SYM_BOX1, 1012}, {IDC_SYM_BOX2, 1013}, {IDC_SYM_BOX3, 1014}, {IDC_SYM_BOX4, 1015},
    {IDC_SYM_BOX5, 1016}, {kIdOk, 1018}, {kIdCancel, 1019}};
constexpr LanguageLabel kCode93Labels[] = {{kIdOk, 1022}, {kIdCancel, 1023}};  // laser 1021-1023, ELR
constexpr LanguageLabel kCode11Labels[] = {  // laser 1031-1035
    {IDC_SYM_LIST2_LABEL, 1032}, {IDC_SYM_BOX1, 1033}, {kIdOk, 1034}, {kIdCancel, 1035}};

// The 2D dialogs, from 4001 on.
constexpr LanguageLabel k2DUpcaLabels[] = {
    {IDC_SYM_LIST1_LABEL, 4002}, {IDC_SYM_LIST2_LABEL, 4003}, {IDC_SYM_EDIT1_LABEL, 4004}, {IDC_SYM_BOX1, 4005},
    {kIdOk, 4006}, {kIdCancel, 4007}};
constexpr LanguageLabel k2DUpceLabels[] = {
    {IDC_SYM_LIST1_LABEL, 4012}, {IDC_SYM_LIST2_LABEL, 4013}, {IDC_SYM_EDIT1_LABEL, 4014}, {IDC_SYM_BOX1, 4015},
    {IDC_SYM_BOX2, 4016}, {kIdOk, 4017}, {kIdCancel, 4018}};
constexpr LanguageLabel k2DUpce1Labels[] = {
    {IDC_SYM_LIST1_LABEL, 4022}, {IDC_SYM_LIST2_LABEL, 4023}, {IDC_SYM_EDIT1_LABEL, 4024}, {IDC_SYM_BOX1, 4025},
    {IDC_SYM_BOX2, 4026}, {kIdOk, 4027}, {kIdCancel, 4028}};
constexpr LanguageLabel k2DEan8Labels[] = {
    {IDC_SYM_LIST1_LABEL, 4032}, {IDC_SYM_EDIT1_LABEL, 4033}, {IDC_SYM_BOX1, 4034}, {kIdOk, 4035}, {kIdCancel, 4036}};
constexpr LanguageLabel k2DEan13Labels[] = {
    {IDC_SYM_LIST1_LABEL, 4042}, {IDC_SYM_EDIT1_LABEL, 4043}, {kIdOk, 4044}, {kIdCancel, 4045}};
constexpr LanguageLabel k2DGs1128Labels[] = {{IDC_SYM_EDIT1_LABEL, 4052}, {kIdOk, 4053}, {kIdCancel, 4054}};
constexpr LanguageLabel k2DIsbtLabels[] = {
    {IDC_SYM_LIST1_LABEL, 4062}, {IDC_SYM_EDIT1_LABEL, 4063}, {kIdOk, 4064}, {kIdCancel, 4065}};
constexpr LanguageLabel k2DCode39Labels[] = {
    {IDC_SYM_BOX1, 4072}, {IDC_SYM_BOX2, 4073}, {IDC_SYM_BOX3, 4074}, {IDC_SYM_BOX4, 4075},
    {IDC_SYM_BOX5, 4076}, {IDC_SYM_BOX6, 4077}, {IDC_SYM_GAP_LABEL, 4078}, {kIdOk, 4079}, {kIdCancel, 4080}};
constexpr LanguageLabel k2DCode93Labels[] = {{kIdOk, 4082}, {kIdCancel, 4083}};
constexpr LanguageLabel k2DCodabarLabels[] = {
    {IDC_SYM_BOX1, 4092}, {IDC_SYM_BOX2, 4093}, {IDC_SYM_GAP_LABEL, 4094}, {kIdOk, 4095}, {kIdCancel, 4096}};
constexpr LanguageLabel k2DIndustrial25Labels[] = {{kIdOk, 4102}, {kIdCancel, 4103}};
constexpr LanguageLabel k2DInterleaved25Labels[] = {
    {IDC_SYM_LIST2_LABEL, 4112}, {IDC_SYM_BOX1, 4113}, {IDC_SYM_BOX2, 4114}, {kIdOk, 4115}, {kIdCancel, 4116}};
constexpr LanguageLabel k2DDataBarLabels[] = {{IDC_SYM_BOX1, 4122}, {kIdOk, 4123}, {kIdCancel, 4124}};
constexpr LanguageLabel k2DMsiLabels[] = {
    {IDC_SYM_LIST2_LABEL, 4132}, {IDC_SYM_BOX1, 4133}, {IDC_SYM_LIST3_LABEL, 4134}, {kIdOk, 4135}, {kIdCancel, 4136}};
constexpr LanguageLabel k2DCode11Labels[] = {
    {IDC_SYM_LIST2_LABEL, 4142}, {IDC_SYM_BOX1, 4143}, {kIdOk, 4144}, {kIdCancel, 4145}};
constexpr LanguageLabel k2DMatrix25Labels[] = {
    {IDC_SYM_BOX1, 4152}, {IDC_SYM_BOX2, 4153}, {IDC_SYM_BOX3, 4154}, {kIdOk, 4155}, {kIdCancel, 4156}};
constexpr LanguageLabel k2DPostalLabels[] = {  // 4161-4171
    {IDC_SYM_BOX1, 4162}, {IDC_SYM_BOX2, 4163}, {IDC_SYM_BOX3, 4164}, {IDC_SYM_BOX4, 4165}, {IDC_SYM_BOX5, 4166},
    {IDC_SYM_BOX6, 4167}, {IDC_SYM_BOX7, 4168}, {IDC_SYM_BOX8, 4169}, {kIdOk, 4170}, {kIdCancel, 4171}};
constexpr LanguageLabel k2DCompositeLabels[] = {
    {IDC_SYM_BOX1, 4182}, {IDC_SYM_BOX2, 4183}, {IDC_SYM_BOX3, 4184}, {IDC_SYM_BOX4, 4185},
    {IDC_SYM_LIST1_LABEL, 4186}, {kIdOk, 4187}, {kIdCancel, 4188}};
constexpr LanguageLabel k2DSymbologiesLabels[] = {  // 4191-4205
    {IDC_SYM_BOX1, 4192}, {IDC_SYM_BOX2, 4193}, {IDC_SYM_BOX3, 4194}, {IDC_SYM_BOX4, 4195},
    {IDC_SYM_BOX5, 4196}, {IDC_SYM_BOX6, 4197}, {IDC_SYM_BOX7, 4198}, {IDC_SYM_BOX8, 4199},
    {IDC_SYM_LIST1_LABEL, 4200}, {IDC_SYM_LIST2_LABEL, 4201}, {IDC_SYM_LIST3_LABEL, 4202},
    {IDC_SYM_LIST4_LABEL, 4203}, {kIdOk, 4204}, {kIdCancel, 4205}};
constexpr LanguageLabel k2DMacroPdfLabels[] = {
    {IDC_SYM_LIST1_LABEL, 4212}, {IDC_SYM_LIST2_LABEL, 4213}, {IDC_SYM_BOX1, 4214}, {kIdOk, 4215},
    {kIdCancel, 4216}};

// ---- Shared bytes --------------------------------------------------------------
constexpr CharByte kFieldSeparator[] = {{IDC_SYM_EDIT1, AT(gs1FieldSepReplace)}};
constexpr ListByte k2DGapList = {IDC_SYM_GAP_LIST, AT(twoDInterCharGap), kGapTexts, 2};

// ---- Rules -----------------------------------------------------------------------
// Code 32 prefix only with Code 32, transmit only with verify: the boxes that
// lose their mark with their source.
constexpr bool kUnchecks = true;
constexpr EnableRule kCode39Rules[] = {
    {IDC_SYM_BOX2, 0, IDC_SYM_BOX1, EnabledWhen::Checked, 0, kUnchecks},
    {IDC_SYM_BOX4, 0, IDC_SYM_BOX3, EnabledWhen::Checked, 0, kUnchecks},
};
constexpr EnableRule kVerifyThenTransmit[] = {{IDC_SYM_BOX2, 0, IDC_SYM_BOX1, EnabledWhen::Checked, 0, kUnchecks}};
constexpr EnableRule kMatrix25Rules[] = {{IDC_SYM_BOX3, 0, IDC_SYM_BOX2, EnabledWhen::Checked, 0, kUnchecks}};
constexpr EnableRule kCheckListThenTransmit[] = {{IDC_SYM_BOX1, 0, IDC_SYM_LIST2, EnabledWhen::NotFirst}};
constexpr EnableRule kMsiRules[] = {
    {IDC_SYM_LIST3, IDC_SYM_LIST3_LABEL, IDC_SYM_LIST2, EnabledWhen::Entry, kTwoCheckDigits}};
constexpr EnableRule kUpcRules[] = {
    {IDC_SYM_EDIT1, IDC_SYM_EDIT1_LABEL, IDC_SYM_LIST2, EnabledWhen::Entry, kAddonsAutoDiscriminate}};
constexpr EnableRule kEanRules[] = {
    {IDC_SYM_EDIT1, IDC_SYM_EDIT1_LABEL, IDC_SYM_LIST1, EnabledWhen::Entry, kAddonsAutoDiscriminate}};
constexpr EnableRule kIsbtRules[] = {
    {IDC_SYM_EDIT1, IDC_SYM_EDIT1_LABEL, IDC_SYM_LIST1, EnabledWhen::Entry, 2}};
constexpr EnableRule kSymbologiesRules[] = {
    {IDC_SYM_BOX3, 0, IDC_SYM_BOX2, EnabledWhen::Checked},  // Code 128 emulation needs MicroPDF417
    {IDC_SYM_LIST1, IDC_SYM_LIST1_LABEL, IDC_SYM_BOX4, EnabledWhen::Checked},  // Data Matrix
    {IDC_SYM_LIST3, IDC_SYM_LIST3_LABEL, IDC_SYM_BOX6, EnabledWhen::Checked},  // QR Code
    {IDC_SYM_LIST4, IDC_SYM_LIST4_LABEL, IDC_SYM_BOX7, EnabledWhen::Checked},  // Aztec
};

// ---- Laser -------------------------------------------------------------------------
constexpr CheckByte kLaserCode39Boxes[] = {
    {IDC_SYM_BOX1, AT(laserCode32)},         {IDC_SYM_BOX2, AT(laserCode32Prefix)},
    {IDC_SYM_BOX3, AT(laserCode39VerifyCd)}, {IDC_SYM_BOX4, AT(laserCode39SendCd)},
    {IDC_SYM_BOX5, AT(laserCode39FullAscii)}, {IDC_SYM_BOX6, AT(laserTrioptic39)},
};
constexpr CheckByte kLaserIntl25Boxes[] = {
    {IDC_SYM_BOX1, AT(laserIntl25VerifyCd)}, {IDC_SYM_BOX2, AT(laserIntl25SendCd)},
    {IDC_SYM_BOX3, AT(laserIntl25ToEan13)}};
constexpr CheckByte kLaserCodabarBoxes[] = {
    {IDC_SYM_BOX1, AT(laserCodabarClsi)}, {IDC_SYM_BOX2, AT(laserCodabarNotis)}};
constexpr CheckByte kLaserMsiBoxes[] = {{IDC_SYM_BOX1, AT(laserMsiSendCd)}};
constexpr ListByte kLaserMsiLists[] = {
    {IDC_SYM_LIST2, AT(laserMsiCheckDigits), kMsiDigitsTexts, 2},
    {IDC_SYM_LIST3, AT(laserMsiAlgorithm), kMsiAlgorithmTexts, 2}};
constexpr CheckByte kLaserUpcaBoxes[] = {{IDC_SYM_BOX1, AT(laserUpcaSendCd)}};
constexpr ListByte kLaserUpcaLists[] = {
    {IDC_SYM_LIST1, AT(laserUpcaPreamble), kPreambleTexts, 3}, {IDC_SYM_LIST2, AT(laserUpcAddons), kAddonsTexts, 3}};
constexpr NumberByte kLaserUpcRedundancy[] = {{IDC_SYM_EDIT1, AT(laserUpcAddonRedund), 2, 30}};
constexpr CheckByte kLaserUpceBoxes[] = {
    {IDC_SYM_BOX1, AT(laserUpce0SendCd)}, {IDC_SYM_BOX2, AT(laserUpce0ToUpca)}};
constexpr ListByte kLaserUpceLists[] = {
    {IDC_SYM_LIST1, AT(laserUpce0Preamble), kPreambleTexts, 3}, {IDC_SYM_LIST2, AT(laserUpcAddons), kAddonsTexts, 3}};
constexpr CheckByte kLaserUpce1Boxes[] = {
    {IDC_SYM_BOX1, AT(laserUpce1SendCd)}, {IDC_SYM_BOX2, AT(laserUpce1ToUpca)}};
constexpr ListByte kLaserUpce1Lists[] = {
    {IDC_SYM_LIST1, AT(laserUpce1Preamble), kPreambleTexts, 3}, {IDC_SYM_LIST2, AT(laserUpcAddons), kAddonsTexts, 3}};
constexpr ListByte kLaserEanAddons[] = {{IDC_SYM_LIST1, AT(laserEanAddons), kAddonsTexts, 3}};
constexpr NumberByte kLaserEanRedundancy[] = {{IDC_SYM_EDIT1, AT(laserEanAddonRedund), 2, 30}};
constexpr CheckByte kLaserEan8Boxes[] = {{IDC_SYM_BOX1, AT(laserEan8ToEan13)}};
constexpr CheckByte kLaserDataBarBoxes[] = {{IDC_SYM_BOX1, AT(laserDataBarToUpc)}};
constexpr CheckByte kLaserCode11Boxes[] = {{IDC_SYM_BOX1, AT(laserCode11SendCd)}};
constexpr ListByte kLaserCode11Lists[] = {{IDC_SYM_LIST2, AT(laserCode11CheckDigits), kCode11CheckTexts, 3}};

// ---- 2D ------------------------------------------------------------------------------
constexpr CheckByte k2DUpcaBoxes[] = {{IDC_SYM_BOX1, AT(twoDUpcaSendCd)}};
constexpr ListByte k2DUpcaLists[] = {
    {IDC_SYM_LIST1, AT(twoDUpcaPreamble), kPreambleTexts, 3}, {IDC_SYM_LIST2, AT(twoDUpcEanAddons), kAddonsTexts, 3}};
constexpr NumberByte k2DRedundancy[] = {{IDC_SYM_EDIT1, AT(twoDAddonRedund), 2, 30}};
constexpr CheckByte k2DUpceBoxes[] = {{IDC_SYM_BOX1, AT(twoDUpce0SendCd)}, {IDC_SYM_BOX2, AT(twoDUpce0ToUpca)}};
constexpr ListByte k2DUpceLists[] = {
    {IDC_SYM_LIST1, AT(twoDUpce0Preamble), kPreambleTexts, 3}, {IDC_SYM_LIST2, AT(twoDUpcEanAddons), kAddonsTexts, 3}};
constexpr CheckByte k2DUpce1Boxes[] = {{IDC_SYM_BOX1, AT(twoDUpce1SendCd)}, {IDC_SYM_BOX2, AT(twoDUpce1ToUpca)}};
constexpr ListByte k2DUpce1Lists[] = {
    {IDC_SYM_LIST1, AT(twoDUpce1Preamble), kPreambleTexts, 3}, {IDC_SYM_LIST2, AT(twoDUpcEanAddons), kAddonsTexts, 3}};
constexpr ListByte k2DEanAddons[] = {{IDC_SYM_LIST1, AT(twoDUpcEanAddons), kAddonsTexts, 3}};
constexpr CheckByte k2DEan8Boxes[] = {{IDC_SYM_BOX1, AT(twoDEan8ToEan13)}};
constexpr ListByte k2DIsbtLists[] = {{IDC_SYM_LIST1, AT(isbtConcat), kIsbtConcatTexts, 3}};
constexpr NumberByte k2DIsbtRedundancy[] = {{IDC_SYM_EDIT1, AT(isbtConcatRedund), 2, 20}};
constexpr CheckByte k2DCode39Boxes[] = {
    {IDC_SYM_BOX1, AT(twoDCode32)},         {IDC_SYM_BOX2, AT(twoDCode32Prefix)},
    {IDC_SYM_BOX3, AT(twoDCode39VerifyCd)}, {IDC_SYM_BOX4, AT(twoDCode39SendCd)},
    {IDC_SYM_BOX5, AT(twoDCode39FullAscii)}, {IDC_SYM_BOX6, AT(twoDTrioptic39)},
};
constexpr ListByte k2DGapLists[] = {k2DGapList};
constexpr CheckByte k2DCodabarBoxes[] = {{IDC_SYM_BOX1, AT(twoDCodabarClsi)}, {IDC_SYM_BOX2, AT(twoDCodabarNotis)}};
constexpr CheckByte k2DIntl25Boxes[] = {{IDC_SYM_BOX1, AT(twoDIntl25SendCd)}, {IDC_SYM_BOX2, AT(twoDIntl25ToEan13)}};
constexpr ListByte k2DIntl25Lists[] = {{IDC_SYM_LIST2, AT(twoDIntl25CheckDigit), kIntl25CheckTexts, 3}};
constexpr CheckByte k2DDataBarBoxes[] = {{IDC_SYM_BOX1, AT(twoDDataBarToUpc)}};
constexpr CheckByte k2DMsiBoxes[] = {{IDC_SYM_BOX1, AT(twoDMsiSendCd)}};
constexpr ListByte k2DMsiLists[] = {
    {IDC_SYM_LIST2, AT(twoDMsiCheckDigits), kMsiDigitsTexts, 2},
    {IDC_SYM_LIST3, AT(twoDMsiAlgorithm), kMsiAlgorithmTexts, 2}};
constexpr CheckByte k2DCode11Boxes[] = {{IDC_SYM_BOX1, AT(twoDCode11SendCd)}};
constexpr ListByte k2DCode11Lists[] = {{IDC_SYM_LIST2, AT(twoDCode11CheckDigits), kCode11CheckTexts, 3}};
constexpr CheckByte k2DMatrix25Boxes[] = {
    {IDC_SYM_BOX1, AT(twoDMatrix25Redundancy)}, {IDC_SYM_BOX2, AT(twoDMatrix25VerifyCd)},
    {IDC_SYM_BOX3, AT(twoDMatrix25SendCd)}};
constexpr CheckByte k2DPostalBoxes[] = {
    {IDC_SYM_BOX1, AT(twoDUsPostnet)},   {IDC_SYM_BOX2, AT(twoDUsPlanet)},
    {IDC_SYM_BOX3, AT(twoDUsPostalSendCd)}, {IDC_SYM_BOX4, AT(twoDUkPostal)},
    {IDC_SYM_BOX5, AT(twoDUkPostalSendCd)}, {IDC_SYM_BOX6, AT(twoDJapanPostal)},
    {IDC_SYM_BOX7, AT(twoDAustralianPostal)}, {IDC_SYM_BOX8, AT(twoDDutchPostal)},
};
constexpr CheckByte k2DCompositeBoxes[] = {
    {IDC_SYM_BOX1, AT(twoDCompositeCcc)}, {IDC_SYM_BOX2, AT(twoDCompositeCcab)},
    {IDC_SYM_BOX3, AT(twoDCompositeTlc39)}, {IDC_SYM_BOX4, AT(twoDGs1128Emulation)}};
constexpr ListByte k2DCompositeLists[] = {{IDC_SYM_LIST1, AT(twoDUpcCompositeMode), kCompositeModeTexts, 3}};
constexpr CheckByte k2DSymbologiesBoxes[] = {
    {IDC_SYM_BOX1, AT(twoDPdf417)},  {IDC_SYM_BOX2, AT(twoDMicroPdf417)}, {IDC_SYM_BOX3, AT(twoDCode128Emulation)},
    {IDC_SYM_BOX4, AT(twoDDataMatrix)}, {IDC_SYM_BOX5, AT(twoDMaxicode)}, {IDC_SYM_BOX6, AT(twoDQrCode)},
    {IDC_SYM_BOX7, AT(twoDAztec)},   {IDC_SYM_BOX8, AT(twoDMicroQr)},
};
constexpr ListByte k2DSymbologiesLists[] = {
    {IDC_SYM_LIST1, AT(twoDDataMatrixInverse), kDataMatrixInverseTexts, 3},
    {IDC_SYM_LIST2, AT(twoDDataMatrixMirror), kMirrorTexts, 3},  // its list is hidden
    {IDC_SYM_LIST3, AT(twoDQrInverse), kQrInverseTexts, 3},
    {IDC_SYM_LIST4, AT(twoDAztecInverse), kAztecInverseTexts, 3},
};
constexpr ListByte k2DMacroPdfLists[] = {
    {IDC_SYM_LIST1, AT(twoDMacroPdfMode), kMacroPdfModeTexts, 3, kMacroPdfModeCodes},
    {IDC_SYM_LIST2, AT(twoDMacroPdfEscape), kMacroPdfEscapeTexts, 2, kMacroPdfEscapeCodes}};

// ---- ELR ---------------------------------------------------------------------------------
constexpr ListByte kElrUpcaLists[] = {
    {IDC_SYM_LIST1, AT(elrUpcaPreamble), kPreambleTexts, 3}, {IDC_SYM_LIST2, AT(elrUpcEanAddons), kAddonsTexts, 3}};
constexpr CheckByte kElrUpcaBoxes[] = {{IDC_SYM_BOX1, AT(elrUpcaSendCd)}, {IDC_SYM_BOX2, AT(elrCouponExtended)}};
constexpr ListByte kElrUpceLists[] = {
    {IDC_SYM_LIST1, AT(elrUpce0Preamble), kPreambleTexts, 3}, {IDC_SYM_LIST2, AT(elrUpcEanAddons), kAddonsTexts, 3}};
constexpr CheckByte kElrUpceBoxes[] = {
    {IDC_SYM_BOX1, AT(elrUpce0SendCd)}, {IDC_SYM_BOX2, AT(elrUpce0ToUpca)}, {IDC_SYM_BOX3, AT(elrCouponExtended)}};
constexpr ListByte kElrUpce1Lists[] = {
    {IDC_SYM_LIST1, AT(elrUpce1Preamble), kPreambleTexts, 3}, {IDC_SYM_LIST2, AT(elrUpcEanAddons), kAddonsTexts, 3}};
constexpr CheckByte kElrUpce1Boxes[] = {
    {IDC_SYM_BOX1, AT(elrUpce1SendCd)}, {IDC_SYM_BOX2, AT(elrUpce1ToUpca)}, {IDC_SYM_BOX3, AT(elrCouponExtended)}};
constexpr ListByte kElrEan8Lists[] = {{IDC_SYM_LIST1, AT(elrUpcEanAddons), kAddonsTexts, 3}};
constexpr CheckByte kElrEan8Boxes[] = {{IDC_SYM_BOX1, AT(elrEan8ToEan13)}};
constexpr CheckByte kElrCode39Boxes[] = {
    {IDC_SYM_BOX1, AT(elrCode32)},         {IDC_SYM_BOX2, AT(elrCode32Prefix)},
    {IDC_SYM_BOX3, AT(elrCode39VerifyCd)}, {IDC_SYM_BOX4, AT(elrCode39SendCd)},
    {IDC_SYM_BOX5, AT(elrCode39FullAscii)},
};
constexpr CheckByte kElrCodabarBoxes[] = {{IDC_SYM_BOX1, AT(elrCodabarClsi)}, {IDC_SYM_BOX2, AT(elrCodabarNotis)}};
constexpr CheckByte kElrIntl25Boxes[] = {
    {IDC_SYM_BOX1, AT(elrIntl25VerifyCd)}, {IDC_SYM_BOX2, AT(elrIntl25SendCd)}, {IDC_SYM_BOX3, AT(elrIntl25ToEan13)}};
constexpr CheckByte kElrDataBarBoxes[] = {{IDC_SYM_BOX1, AT(elrDataBarToUpc)}};
constexpr CheckByte kElrMsiBoxes[] = {{IDC_SYM_BOX1, AT(elrMsiSendCd)}};
constexpr ListByte kElrMsiLists[] = {
    {IDC_SYM_LIST2, AT(elrMsiCheckDigits), kMsiDigitsTexts, 2},
    {IDC_SYM_LIST3, AT(elrMsiAlgorithm), kMsiAlgorithmTexts, 2}};

using F = SymbologyFamily;
constexpr SymbologyDialogSpec kDialogs[] = {
    // Laser.
    {.templateName = "CODE39DLG_1D955", .family = F::Laser, .titleLanguageId = 1011, .languageLabels = kCode39Labels,
     .boxes = kLaserCode39Boxes, .rules = kCode39Rules, .lengthMode = AT(laserCode39LenMode)},
    {.templateName = "INDUSTRIAL25DLG_1D955", .family = F::Laser, .titleLanguageId = 901,
     .languageLabels = kIndustrial25Labels, .lengthMode = AT(laserInd25LenMode)},
    {.templateName = "INTERLEAVE25DLG_1D955", .family = F::Laser, .titleLanguageId = 911,
     .languageLabels = kInterleaved25Labels, .boxes = kLaserIntl25Boxes, .rules = kVerifyThenTransmit,
     .lengthMode = AT(laserIntl25LenMode)},
    {.templateName = "CODABARDLG_1D955", .family = F::Laser, .titleLanguageId = 921, .languageLabels = kCodabarLabels,
     .boxes = kLaserCodabarBoxes, .lengthMode = AT(laserCodabarLenMode)},
    {.templateName = "MSIDLG_1D955", .family = F::Laser, .titleLanguageId = 931, .languageLabels = kMsiLabels,
     .boxes = kLaserMsiBoxes, .lists = kLaserMsiLists, .rules = kMsiRules, .lengthMode = AT(laserMsiLenMode)},
    {.templateName = "EAN128DLG_1D955", .family = F::Laser, .titleLanguageId = 941, .languageLabels = kGs1128Labels,
     .characters = kFieldSeparator},
    {.templateName = "UPCADLG_1D955", .family = F::Laser, .titleLanguageId = 971, .languageLabels = kUpcaLabels,
     .boxes = kLaserUpcaBoxes, .lists = kLaserUpcaLists, .numbers = kLaserUpcRedundancy, .rules = kUpcRules,
     .kind = SymbologyKind::UpcaCouponGuard},
    {.templateName = "UPCEDLG_1D955", .family = F::Laser, .titleLanguageId = 951, .languageLabels = kUpceLabels,
     .boxes = kLaserUpceBoxes, .lists = kLaserUpceLists, .numbers = kLaserUpcRedundancy, .rules = kUpcRules},
    {.templateName = "UPCE1DLG_1D955", .family = F::Laser, .titleLanguageId = 961, .languageLabels = kUpce1Labels,
     .boxes = kLaserUpce1Boxes, .lists = kLaserUpce1Lists, .numbers = kLaserUpcRedundancy, .rules = kUpcRules},
    {.templateName = "EAN8DLG_1D955", .family = F::Laser, .titleLanguageId = 981, .languageLabels = kEan8Labels,
     .boxes = kLaserEan8Boxes, .lists = kLaserEanAddons, .numbers = kLaserEanRedundancy, .rules = kEanRules},
    {.templateName = "EAN13DLG_1D955", .family = F::Laser, .titleLanguageId = 991, .languageLabels = kEan13Labels,
     .lists = kLaserEanAddons, .numbers = kLaserEanRedundancy, .rules = kEanRules},
    {.templateName = "RSS14DLG_1D955", .family = F::Laser, .titleLanguageId = 1001, .languageLabels = kDataBarLabels,
     .boxes = kLaserDataBarBoxes},
    {.templateName = "CODE93DLG_1D955", .family = F::Laser, .titleLanguageId = 1021, .languageLabels = kCode93Labels,
     .lengthMode = AT(laserCode93LenMode)},
    {.templateName = "CODE11DLG_1D955", .family = F::Laser, .titleLanguageId = 1031, .languageLabels = kCode11Labels,
     .boxes = kLaserCode11Boxes, .lists = kLaserCode11Lists, .rules = kCheckListThenTransmit,
     .lengthMode = AT(laserCode11LenMode)},

    // 2D.
    {.templateName = "UPCADLG_2D", .family = F::TwoD, .titleLanguageId = 4001, .languageLabels = k2DUpcaLabels,
     .boxes = k2DUpcaBoxes, .lists = k2DUpcaLists, .numbers = k2DRedundancy, .rules = kUpcRules,
     .kind = SymbologyKind::UpcaCouponGuard},
    {.templateName = "UPCEDLG_2D", .family = F::TwoD, .titleLanguageId = 4011, .languageLabels = k2DUpceLabels,
     .boxes = k2DUpceBoxes, .lists = k2DUpceLists, .numbers = k2DRedundancy, .rules = kUpcRules},
    {.templateName = "UPCE1DLG_2D", .family = F::TwoD, .titleLanguageId = 4021, .languageLabels = k2DUpce1Labels,
     .boxes = k2DUpce1Boxes, .lists = k2DUpce1Lists, .numbers = k2DRedundancy, .rules = kUpcRules},
    {.templateName = "EAN8DLG_2D", .family = F::TwoD, .titleLanguageId = 4031, .languageLabels = k2DEan8Labels,
     .boxes = k2DEan8Boxes, .lists = k2DEanAddons, .numbers = k2DRedundancy, .rules = kEanRules},
    {.templateName = "EAN13DLG_2D_4507", .family = F::TwoD, .titleLanguageId = 4041, .languageLabels = k2DEan13Labels,
     .lists = k2DEanAddons, .numbers = k2DRedundancy, .rules = kEanRules},
    {.templateName = "EAN128DLG_2D", .family = F::TwoD, .titleLanguageId = 4051, .languageLabels = k2DGs1128Labels,
     .characters = kFieldSeparator},
    {.templateName = "ISBTDLG_2D", .family = F::TwoD, .titleLanguageId = 4061, .languageLabels = k2DIsbtLabels,
     .lists = k2DIsbtLists, .numbers = k2DIsbtRedundancy, .rules = kIsbtRules},
    {.templateName = "CODE39DLG_2D", .family = F::TwoD, .titleLanguageId = 4071, .languageLabels = k2DCode39Labels,
     .boxes = k2DCode39Boxes, .lists = k2DGapLists, .rules = kCode39Rules, .lengthMode = AT(twoDCode39LenMode)},
    {.templateName = "CODE93DLG_2D", .family = F::TwoD, .titleLanguageId = 4081, .languageLabels = k2DCode93Labels,
     .lengthMode = AT(twoDCode93LenMode)},
    {.templateName = "CODABARDLG_2D", .family = F::TwoD, .titleLanguageId = 4091, .languageLabels = k2DCodabarLabels,
     .boxes = k2DCodabarBoxes, .lists = k2DGapLists, .lengthMode = AT(twoDCodabarLenMode)},
    {.templateName = "DISCRETE25DLG_2D", .family = F::TwoD, .titleLanguageId = 4101,
     .languageLabels = k2DIndustrial25Labels, .lengthMode = AT(twoDInd25LenMode)},
    {.templateName = "INTERLEAVE25DLG_2D", .family = F::TwoD, .titleLanguageId = 4111,
     .languageLabels = k2DInterleaved25Labels, .boxes = k2DIntl25Boxes, .lists = k2DIntl25Lists,
     .rules = kCheckListThenTransmit, .lengthMode = AT(twoDIntl25LenMode)},
    {.templateName = "RSS14DLG_2D", .family = F::TwoD, .titleLanguageId = 4121, .languageLabels = k2DDataBarLabels,
     .boxes = k2DDataBarBoxes},
    {.templateName = "MSIDLG_2D", .family = F::TwoD, .titleLanguageId = 4131, .languageLabels = k2DMsiLabels,
     .boxes = k2DMsiBoxes, .lists = k2DMsiLists, .rules = kMsiRules, .lengthMode = AT(twoDMsiLenMode)},
    {.templateName = "CODE11DLG_2D", .family = F::TwoD, .titleLanguageId = 4141, .languageLabels = k2DCode11Labels,
     .boxes = k2DCode11Boxes, .lists = k2DCode11Lists, .rules = kCheckListThenTransmit,
     .lengthMode = AT(twoDCode11LenMode)},
    {.templateName = "MATRIX25_2D_4507", .family = F::TwoD, .titleLanguageId = 4151,
     .languageLabels = k2DMatrix25Labels, .boxes = k2DMatrix25Boxes, .rules = kMatrix25Rules,
     .lengthMode = AT(twoDMatrix25LenMode)},
    {.templateName = "POSTALDLG_2D", .family = F::TwoD, .titleLanguageId = 4161, .languageLabels = k2DPostalLabels,
     .boxes = k2DPostalBoxes},
    {.templateName = "COMPOSITEDLG_2D", .family = F::TwoD, .titleLanguageId = 4181,
     .languageLabels = k2DCompositeLabels, .boxes = k2DCompositeBoxes, .lists = k2DCompositeLists},
    {.templateName = "SYMBOLOGIESDLG_2D", .family = F::TwoD, .titleLanguageId = 4191,
     .languageLabels = k2DSymbologiesLabels, .boxes = k2DSymbologiesBoxes, .lists = k2DSymbologiesLists,
     .rules = kSymbologiesRules},
    {.templateName = "MACROPDFDLG_2D", .family = F::TwoD, .titleLanguageId = 4211,
     .languageLabels = k2DMacroPdfLabels, .lists = k2DMacroPdfLists, .kind = SymbologyKind::MacroPdf},

    // ELR: laid out as their laser twins, with the twins' language ids.
    {.templateName = "UPCADLG_1D_ELR", .family = F::Elr, .titleLanguageId = 971, .languageLabels = kElrUpcaLabels,
     .boxes = kElrUpcaBoxes, .lists = kElrUpcaLists},
    {.templateName = "UPCEDLG_1D_ELR", .family = F::Elr, .titleLanguageId = 951, .languageLabels = kElrUpceLabels,
     .boxes = kElrUpceBoxes, .lists = kElrUpceLists},
    {.templateName = "UPCE1DLG_1D_ELR", .family = F::Elr, .titleLanguageId = 961, .languageLabels = kElrUpce1Labels,
     .boxes = kElrUpce1Boxes, .lists = kElrUpce1Lists},
    {.templateName = "EAN8DLG_1D_ELR", .family = F::Elr, .titleLanguageId = 981, .languageLabels = kElrEan8Labels,
     .boxes = kElrEan8Boxes, .lists = kElrEan8Lists},
    {.templateName = "EAN128DLG_1D_ELR", .family = F::Elr, .titleLanguageId = 941, .languageLabels = kGs1128Labels,
     .characters = kFieldSeparator},
    {.templateName = "CODE39DLG_1D_ELR", .family = F::Elr, .titleLanguageId = 1011, .languageLabels = kElrCode39Labels,
     .boxes = kElrCode39Boxes, .rules = kCode39Rules, .lengthMode = AT(elrCode39LenMode)},
    {.templateName = "CODE93DLG_1D_ELR", .family = F::Elr, .titleLanguageId = 1021, .languageLabels = kCode93Labels,
     .lengthMode = AT(elrCode93LenMode)},
    {.templateName = "CODABARDLG_1D_ELR", .family = F::Elr, .titleLanguageId = 921, .languageLabels = kCodabarLabels,
     .boxes = kElrCodabarBoxes, .lengthMode = AT(elrCodabarLenMode)},
    {.templateName = "DISCRETE25DLG_1D_ELR", .family = F::Elr, .titleLanguageId = 901,
     .languageLabels = kIndustrial25Labels, .lengthMode = AT(elrInd25LenMode)},
    {.templateName = "INTERLEAVE25DLG_1D_ELR", .family = F::Elr, .titleLanguageId = 911,
     .languageLabels = kInterleaved25Labels, .boxes = kElrIntl25Boxes, .rules = kVerifyThenTransmit,
     .lengthMode = AT(elrIntl25LenMode)},
    {.templateName = "RSS14DLG_1D_ELR", .family = F::Elr, .titleLanguageId = 1001, .languageLabels = kDataBarLabels,
     .boxes = kElrDataBarBoxes},
    {.templateName = "MSIDLG_1D_ELR", .family = F::Elr, .titleLanguageId = 931, .languageLabels = kMsiLabels,
     .boxes = kElrMsiBoxes, .lists = kElrMsiLists, .rules = kMsiRules, .lengthMode = AT(elrMsiLenMode)},
};

}  // namespace

std::span<const SymbologyDialogSpec> SymbologyDialogSpecs() { return kDialogs; }

const SymbologyDialogSpec* FindSymbologyDialog(std::string_view templateName) {
    const auto it = std::find_if(std::begin(kDialogs), std::end(kDialogs), [&](const SymbologyDialogSpec& spec) {
        return templateName == spec.templateName;
    });
    return it == std::end(kDialogs) ? nullptr : &*it;
}

}  // namespace fw
