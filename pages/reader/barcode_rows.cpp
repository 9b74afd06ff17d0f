#include "pages/reader/barcode_rows.h"

#include <cstddef>

#define AT(field) static_cast<int>(offsetof(ReaderBlock, field))

namespace fw {

// Row texts: laser 371 onwards, ELR 451 onwards, 2D 531 onwards with its
// last three rows on ids of their own.
const std::array<SymbologyRow, kSymbologyRowCount> kSymbologyRows = {{
    {{371, AT(laserCode39On), "CODE39DLG_1D955"}, {531, AT(twoDUpcaOn), "UPCADLG_2D"},
     {451, AT(elrUpcaOn), "UPCADLG_1D_ELR"}},
    {{372, AT(laserInd25On), "INDUSTRIAL25DLG_1D955"}, {532, AT(twoDUpce0On), "UPCEDLG_2D"},
     {452, AT(elrUpce0On), "UPCEDLG_1D_ELR"}},
    {{373, AT(laserIntl25On), "INTERLEAVE25DLG_1D955"}, {533, AT(twoDUpce1On), "UPCE1DLG_2D"},
     {453, AT(elrUpce1On), "UPCE1DLG_1D_ELR"}},
    {{374, AT(laserChinese25On)}, {534, AT(twoDEan8On), "EAN8DLG_2D"}, {454, AT(elrEan8On), "EAN8DLG_1D_ELR"}},
    {{375, AT(laserCodabarOn), "CODABARDLG_1D955"}, {535, AT(twoDEan13On), "EAN13DLG_2D_4507"},
     {455, AT(elrEan13On)}},
    {{376, AT(laserMsiOn), "MSIDLG_1D955"}, {536, AT(twoDBooklandOn)}, {456, AT(elrBooklandOn)}},
    {{377, AT(laserCode128On)}, {537, AT(twoDCode128On)}, {457, AT(elrCode128On)}},
    {{378, AT(laserGs1128On), "EAN128DLG_1D955"}, {538, AT(twoDGs1128On), "EAN128DLG_2D"},
     {458, AT(elrGs1128On), "EAN128DLG_1D_ELR"}},
    {{379, AT(laserIsbtOn)}, {539, AT(twoDIsbtOn), "ISBTDLG_2D"}, {459, AT(elrIsbtOn)}},
    {{380, AT(laserUpcaOn), "UPCADLG_1D955"}, {540, AT(twoDCode39On), "CODE39DLG_2D"},
     {460, AT(elrCode39On), "CODE39DLG_1D_ELR"}},
    {{381, AT(laserUpce0On), "UPCEDLG_1D955"}, {541, AT(twoDCode93On), "CODE93DLG_2D"},
     {461, AT(elrTrioptic39On)}},
    {{382, AT(laserUpce1On), "UPCE1DLG_1D955"}, {542, AT(twoDCodabarOn), "CODABARDLG_2D"},
     {462, AT(elrCode93On), "CODE93DLG_1D_ELR"}},
    {{383, AT(laserEan8On), "EAN8DLG_1D955"}, {543, AT(twoDInd25On), "DISCRETE25DLG_2D"},
     {463, AT(elrCodabarOn), "CODABARDLG_1D_ELR"}},
    {{384, AT(laserEan13On), "EAN13DLG_1D955"}, {544, AT(twoDIntl25On), "INTERLEAVE25DLG_2D"},
     {464, AT(elrInd25On), "DISCRETE25DLG_1D_ELR"}},
    {{385, AT(laserBooklandOn)}, {545, AT(twoDDataBar14On), "RSS14DLG_2D"},
     {465, AT(elrIntl25On), "INTERLEAVE25DLG_1D_ELR"}},
    {{386, AT(laserDataBar14On), "RSS14DLG_1D955"}, {546, AT(twoDDataBarLtdOn)},
     {466, AT(elrDataBar14On), "RSS14DLG_1D_ELR"}},
    {{387, AT(laserDataBarLtdOn)}, {547, AT(twoDDataBarExpOn)}, {467, AT(elrDataBarLtdOn)}},
    {{388, AT(laserDataBarExpOn)}, {548, AT(twoDMsiOn), "MSIDLG_2D"}, {468, AT(elrDataBarExpOn)}},
    {{389, AT(laserCode93On), "CODE93DLG_1D955"}, {549, AT(twoDCode11On), "CODE11DLG_2D"},
     {469, AT(elrMsiOn), "MSIDLG_1D_ELR"}},
    {{390, AT(laserCode11On), "CODE11DLG_1D955"}, {550, AT(twoDImageCaptureOn), "IMAGECAPTUREDLG_2D"}, {}},
    {{391, AT(laserCouponOn), "COUPON_CODE_2D"}, {560, AT(twoDMatrix25On), "MATRIX25_2D_4507"}, {}},
    {{}, {561, AT(twoDChinese25On)}, {}},
    {{}, {562, AT(twoDCouponOn), "COUPON_CODE_2D"}, {}},
    {},
    {},
    {},
    {},
}};

namespace {

constexpr RowRules kLaserRules{.upca = 9,
                               .ean13 = 13,
                               .bookland = 14,
                               .gs1128 = 7,
                               .coupon = 20,
                               .dataBar14 = 15,
                               .dataBarLimited = 16,
                               .upcaPreamble = AT(laserUpcaPreamble),
                               .appliedRows = 20};

constexpr RowRules kTwoDRules{.upca = 0,
                              .ean13 = 4,
                              .bookland = 5,
                              .gs1128 = 7,
                              .coupon = 22,
                              .dataBar14 = 14,
                              .dataBarLimited = 15,
                              .imageCapture = 19,
                              .upcaPreamble = AT(twoDUpcaPreamble),
                              .appliedRows = 22};

// The ELR rows only toggle; their bytes are taken from the boxes on apply.
constexpr RowRules kElrRules{.appliedRows = 19};

// Without a reader the rows are greyed and follow no rules.
constexpr RowRules kNoRules{};

}  // namespace

const RowUse& RowFor(ReaderFamily family, int row) {
    const SymbologyRow& r = kSymbologyRows[static_cast<std::size_t>(row)];
    switch (family) {
    case ReaderFamily::TwoD: return r.twoD;
    case ReaderFamily::Elr: return r.elr;
    default: return r.laser;
    }
}

const RowRules& RulesFor(ReaderFamily family) {
    switch (family) {
    case ReaderFamily::Laser: return kLaserRules;
    case ReaderFamily::TwoD: return kTwoDRules;
    case ReaderFamily::Elr: return kElrRules;
    default: return kNoRules;
    }
}

const std::array<ExtraDialogButton, 4> kTwoDExtraButtons = {{
    {IDC_BARCODE_POSTAL, 552, "POSTALDLG_2D"},
    {IDC_BARCODE_COMPOSITE, 553, "COMPOSITEDLG_2D"},
    {IDC_BARCODE_SYMBOLOGIES2D, 554, "SYMBOLOGIESDLG_2D"},
    {IDC_BARCODE_MACROPDF, 555, "MACROPDFDLG_2D"},
}};

}  // namespace fw

#undef AT
