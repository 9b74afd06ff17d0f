// How the Barcode page opens the parameter dialogs of its symbologies, and
// what those dialogs may change on the page besides the reader working copy.
#pragma once

#include <string_view>

#include "template/blocks/reader_block.h"
#include "ui/dialog.h"

namespace fw {

class TemplateDocument;
class UiStrings;

// The Barcode page, as the dialogs see it.
class BarcodePageLink {
public:
    virtual ~BarcodePageLink() = default;
    // The current family's Coupon Code box: checked or not, with its
    // "more..." button enabled exactly when checked.
    virtual void ShowCouponCode(bool on) = 0;
    // Checks the GS1-128 box and enables its "more..." when the current
    // family's GS1-128 byte is set.
    virtual void SyncGs1128Box() = 0;
};

// One image of the reader working copy per family of dialogs, taken when
// one of its dialogs opens and copied back when that dialog is cancelled.
// Dialogs opened from inside another of the same family share its image.
struct ReaderDialogBackups {
    ReaderBlock laser{};
    ReaderBlock elr{};
    ReaderBlock twoD{};  // the 2D and the coupon dialogs
    ReaderBlock rfid{};
};

// What a dialog works on: the reader working copy, the reader type state and
// the RFID flag of the document, and the page that opened it.
struct ReaderDialogContext {
    TemplateDocument& doc;
    const UiStrings& strings;
    ReaderDialogBackups& backups;
    BarcodePageLink& page;
};

// Runs the parameter dialog of this template name modally over `owner`:
// 1 when it was confirmed, 0 when cancelled, -1 when the program has no such
// dialog (nothing changes then).
int RunReaderDialog(Dialog& owner, std::string_view templateName, ReaderDialogContext& context);

}  // namespace fw
