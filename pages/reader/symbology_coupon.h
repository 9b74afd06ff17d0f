// The coupon code: its setting dialog (COUPON_CODE_2D), the summary that
// applies it (COUPON_CODE_CONTENT), the note that asks before a UPC-A
// preamble change (COUPON_CODE_NOTE), and the UPC-A dialogs that guard it.
// The laser and 2D families share these dialogs; they keep one backup, the
// 2D one, so that Cancel anywhere in the chain returns to the state before
// the outer dialog opened.
#pragma once

#include <cstdint>

#include "pages/reader/reader_dialog.h"
#include "pages/reader/symbology_dialog.h"

namespace fw {

// The bytes the coupon rules read and write in one family.
struct CouponBytes {
    std::uint8_t ReaderBlock::*couponOn;
    std::uint8_t ReaderBlock::*upcaOn;
    std::uint8_t ReaderBlock::*upcaPreamble;
    std::uint8_t ReaderBlock::*ean13On;
    std::uint8_t ReaderBlock::*gs1128On;
    // The UPC-A dialog asks before a preamble change only while this is on.
    std::uint8_t ReaderBlock::*guardPartner;
};

// The 2D family's bytes for the 2D reader, else the laser family's.
const CouponBytes& CouponBytesFor(const ReaderTypeState& state);

// Which coupon codes are asked for: bit 0 UPC-A, bit 1 EAN-13.
enum CouponMode : int { kCouponNone = 0, kCouponUpca = 1, kCouponEan13 = 2, kCouponBoth = 3 };

enum class CouponNote {
    PreambleLowered = 1,  // "... will be changed from ... Country Code to System Character"
    PreambleRaised = 2,   // "... will affect UPC-A Coupon Code Setting"
};

class CouponNoteDialog final : public DialogHandler {
public:
    CouponNoteDialog(CouponNote note, const UiStrings& strings) : note_(note), strings_(strings) {}
    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    CouponNote note_;
    const UiStrings& strings_;
};

class CouponContentDialog final : public DialogHandler {
public:
    CouponContentDialog(int mode, ReaderDialogContext& context) : mode_(mode), context_(context) {}
    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    void Proceed();

    int mode_;
    ReaderDialogContext& context_;
};

class CouponDialog final : public DialogHandler {
public:
    explicit CouponDialog(ReaderDialogContext& context) : context_(context) {}
    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    void OnUpcaClicked(Dialog& dialog);
    void Confirm(Dialog& dialog);

    ReaderDialogContext& context_;
};

// The UPC-A dialogs of the laser and 2D families: choosing "System Character
// & Country Code" while the coupon code and its partner are on asks first,
// and switches the coupon code off when EAN-13 cannot carry it.
class UpcaCouponGuardDialog final : public SymbologyDialog {
public:
    using SymbologyDialog::SymbologyDialog;

private:
    bool BeforeStore(Dialog& dialog) override;
    void AfterStore(Dialog& dialog) override;

    bool couponOff_ = false;
};

}  // namespace fw
