#include "pages/reader/symbology_coupon.h"

#include <iterator>

#include "pages/reader/symbology_ids.h"
#include "strings/ui_strings.h"
#include "template/template_document.h"
#include "ui/control_rules.h"

namespace fw {
namespace {

// UPC-A preamble codes.
constexpr std::uint8_t kSystemCharacter = 1;
constexpr std::uint8_t kCountryCode = 2;  // "System Character & Country Code"

// The laser UPC-A guard follows Code 128, the 2D one GS1-128.
constexpr CouponBytes kLaserCoupon{&ReaderBlock::laserCouponOn, &ReaderBlock::laserUpcaOn,
                                   &ReaderBlock::laserUpcaPreamble, &ReaderBlock::laserEan13On,
                                   &ReaderBlock::laserGs1128On, &ReaderBlock::laserCode128On};
constexpr CouponBytes k2DCoupon{&ReaderBlock::twoDCouponOn, &ReaderBlock::twoDUpcaOn,
                                &ReaderBlock::twoDUpcaPreamble, &ReaderBlock::twoDEan13On,
                                &ReaderBlock::twoDGs1128On, &ReaderBlock::twoDGs1128On};

constexpr LanguageLabel kCouponLabels[] = {  // 1041-1045
    {IDC_COUPON_UPCA, 1042}, {IDC_COUPON_EAN13, 1043}, {kIdOk, 1044}, {kIdCancel, 1045}};
constexpr int kCouponTitle = 1041;
constexpr LanguageLabel kContentLabels[] = {  // 1051-1057
    {IDC_COUPON_LINE_UPCA, 1052}, {IDC_COUPON_LINE_EAN13, 1053}, {IDC_COUPON_LINE_EAN13_ON, 1054},
    {IDC_COUPON_LINE_GS1128, 1055}, {kIdOk, 1056}, {kIdCancel, 1057}};
constexpr int kContentTitle = 1051;
constexpr LanguageLabel kNoteLabels[] = {{kIdOk, 1061}, {kIdCancel, 1062}};

// The note's texts, by what it announces.
constexpr int kNoteHeading = 582;  // "NOTE:"
struct NoteTexts {
    int title;
    int text;
};
constexpr NoteTexts kLoweredNote{565, 583};
constexpr NoteTexts kRaisedNote{585, 584};

// "UPC-A -> No Preamble", "-> System Character", "-> ... & Country Code".
constexpr int kPreambleLineTexts[] = {581, 580, 586};

const CouponBytes& CouponBytesOf(SymbologyFamily family) {
    return family == SymbologyFamily::TwoD ? k2DCoupon : kLaserCoupon;
}

ReaderBlock& Working(ReaderDialogContext& context) { return context.doc.readerWorking; }

}  // namespace

const CouponBytes& CouponBytesFor(const ReaderTypeState& state) {
    return FamilyOf(state) == ReaderFamily::TwoD ? k2DCoupon : kLaserCoupon;
}

// ---- Note ------------------------------------------------------------------------

void CouponNoteDialog::OnInit(Dialog& dialog) {
    const NoteTexts& texts = note_ == CouponNote::PreambleLowered ? kLoweredNote : kRaisedNote;
    dialog.SetTitle(strings_.Text(texts.title));
    dialog.SetText(IDC_COUPON_NOTE_TITLE, strings_.Text(kNoteHeading));
    dialog.SetText(IDC_COUPON_NOTE_TEXT, strings_.Text(texts.text));
    ApplyLanguageLabels(dialog, strings_, 0, kNoteLabels);
}

void CouponNoteDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    if (code == Notify::Clicked && (id == kIdOk || id == kIdCancel)) dialog.End(id == kIdOk ? 1 : 0);
}

// ---- Content ---------------------------------------------------------------------

void CouponContentDialog::OnInit(Dialog& dialog) {
    ApplyLanguageLabels(dialog, context_.strings, kContentTitle, kContentLabels);
    const CouponBytes& bytes = CouponBytesFor(context_.doc.readerTypeState);
    const ReaderBlock& w = Working(context_);
    const bool upcaCoupon = (mode_ & kCouponUpca) != 0;
    const bool eanCoupon = (mode_ & kCouponEan13) != 0;
    // Without a coupon code the summary shows what is on as it stands.
    const bool asItStands = mode_ == kCouponNone;

    std::uint8_t preamble = w.*bytes.upcaPreamble;
    if (upcaCoupon && preamble == kCountryCode) preamble = kSystemCharacter;
    if (preamble < std::size(kPreambleLineTexts))
        dialog.SetText(IDC_COUPON_LINE_PREAMBLE, context_.strings.Text(kPreambleLineTexts[preamble]));

    const struct {
        int tick;
        bool shown;
    } ticks[] = {
        {IDC_COUPON_TICK_UPCA, upcaCoupon},
        {IDC_COUPON_TICK_EAN13, eanCoupon},
        {IDC_COUPON_TICK_PREAMBLE,
         asItStands ? w.*bytes.upcaOn != 0 && w.*bytes.upcaPreamble < kCountryCode : upcaCoupon},
        {IDC_COUPON_TICK_EAN13_ON, asItStands ? w.*bytes.ean13On != 0 : eanCoupon},
        {IDC_COUPON_TICK_GS1128, asItStands ? w.*bytes.gs1128On != 0 : true},
    };
    for (const auto& tick : ticks) {
        dialog.Check(tick.tick, true);
        dialog.Show(tick.tick, tick.shown);
    }
}

void CouponContentDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    if (code != Notify::Clicked) return;
    if (id == kIdOk) {
        Proceed();
        dialog.End(1);
    } else if (id == kIdCancel) {
        dialog.End(0);
    }
}

void CouponContentDialog::Proceed() {
    const CouponBytes& bytes = CouponBytesFor(context_.doc.readerTypeState);
    ReaderBlock& w = Working(context_);
    const bool upcaCoupon = (mode_ & kCouponUpca) != 0;
    const bool eanCoupon = (mode_ & kCouponEan13) != 0;
    if (upcaCoupon) {
        w.*bytes.upcaOn = 1;
        if (w.*bytes.upcaPreamble == kCountryCode) w.*bytes.upcaPreamble = kSystemCharacter;
    } else if (eanCoupon) {
        w.*bytes.upcaOn = 0;
    }
    if (eanCoupon) {
        w.*bytes.ean13On = 1;
    } else if (upcaCoupon) {
        w.*bytes.ean13On = 0;
    }
    // The page shows UPC-A and EAN-13 (with Bookland EAN) afresh from the
    // working copy once the coupon dialog returns.

    const bool on = mode_ != kCouponNone;
    w.*bytes.couponOn = on ? 1 : 0;
    context_.page.ShowCouponCode(on);
    // The coupon code is carried in GS1-128.
    if (on && w.*bytes.gs1128On == 0) {
        w.*bytes.gs1128On = 1;
        context_.page.SyncGs1128Box();
    }
}

// ---- Setting -----------------------------------------------------------------------

void CouponDialog::OnInit(Dialog& dialog) {
    ApplyLanguageLabels(dialog, context_.strings, kCouponTitle, kCouponLabels);
    context_.backups.twoD = Working(context_);
    const CouponBytes& bytes = CouponBytesFor(context_.doc.readerTypeState);
    const ReaderBlock& w = Working(context_);
    dialog.Check(IDC_COUPON_UPCA, w.*bytes.upcaOn != 0 && w.*bytes.upcaPreamble < kCountryCode);
    dialog.Check(IDC_COUPON_EAN13, w.*bytes.ean13On != 0);
}

void CouponDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    if (code != Notify::Clicked) return;
    switch (id) {
    case IDC_COUPON_UPCA:
        OnUpcaClicked(dialog);
        break;
    case IDC_COUPON_EAN13:
        ToggleCheck(dialog, id);
        break;
    case kIdOk:
        Confirm(dialog);
        break;
    case kIdCancel:
        Working(context_) = context_.backups.twoD;
        dialog.End(0);
        break;
    default:
        break;
    }
}

void CouponDialog::OnUpcaClicked(Dialog& dialog) {
    const CouponBytes& bytes = CouponBytesFor(context_.doc.readerTypeState);
    ReaderBlock& w = Working(context_);
    // A UPC-A coupon code needs the preamble without the country code.
    if (!ToggleCheck(dialog, IDC_COUPON_UPCA) || w.*bytes.upcaPreamble != kCountryCode) return;
    CouponNoteDialog note(CouponNote::PreambleLowered, context_.strings);
    if (dialog.RunModal(COUPON_CODE_NOTE_NAME, note) == 1)
        w.*bytes.upcaPreamble = kSystemCharacter;
    else
        dialog.Check(IDC_COUPON_UPCA, false);
}

void CouponDialog::Confirm(Dialog& dialog) {
    const int mode = (dialog.IsChecked(IDC_COUPON_UPCA) ? kCouponUpca : 0) |
                     (dialog.IsChecked(IDC_COUPON_EAN13) ? kCouponEan13 : 0);
    CouponContentDialog content(mode, context_);
    const bool proceeded = dialog.RunModal(COUPON_CODE_CONTENT_NAME, content) == 1;
    if (!proceeded) Working(context_) = context_.backups.twoD;
    dialog.End(proceeded ? 1 : 0);
}

// ---- UPC-A guard -----------------------------------------------------------------

bool UpcaCouponGuardDialog::BeforeStore(Dialog& dialog) {
    const CouponBytes& bytes = CouponBytesOf(spec().family);
    const ReaderBlock& w = working();
    couponOff_ = false;
    const bool countryCode = dialog.ListSelection(IDC_SYM_LIST1) == kCountryCode;  // the preamble list
    if (!countryCode || w.*bytes.couponOn == 0 || w.*bytes.guardPartner == 0) return true;
    CouponNoteDialog note(CouponNote::PreambleRaised, context().strings);
    if (dialog.RunModal(COUPON_CODE_NOTE_NAME, note) != 1) {
        SelectEntry(dialog, IDC_SYM_LIST1, w.*bytes.upcaPreamble);
        return false;
    }
    couponOff_ = w.*bytes.ean13On == 0;
    return true;
}

void UpcaCouponGuardDialog::AfterStore(Dialog&) {
    if (!couponOff_) return;
    working().*CouponBytesOf(spec().family).couponOn = 0;
    context().page.ShowCouponCode(false);
}

}  // namespace fw
