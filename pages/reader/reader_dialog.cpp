#include "pages/reader/reader_dialog.h"

#include "pages/reader/symbology_coupon.h"
#include "pages/reader/symbology_dialog.h"
#include "pages/reader/symbology_ids.h"
#include "pages/reader/symbology_image_capture.h"
#include "pages/reader/symbology_macro_pdf.h"
#include "pages/reader/symbology_rfid.h"
#include "pages/reader/symbology_table.h"

namespace fw {
namespace {

int RunSymbologyDialog(Dialog& owner, const SymbologyDialogSpec& spec, ReaderDialogContext& context) {
    switch (spec.kind) {
    case SymbologyKind::UpcaCouponGuard: {
        UpcaCouponGuardDialog dialog(spec, context);
        return owner.RunModal(spec.templateName, dialog);
    }
    case SymbologyKind::MacroPdf: {
        MacroPdfDialog dialog(spec, context);
        return owner.RunModal(spec.templateName, dialog);
    }
    case SymbologyKind::Plain:
        break;
    }
    SymbologyDialog dialog(spec, context);
    return owner.RunModal(spec.templateName, dialog);
}

template <class Handler>
int Run(Dialog& owner, const char* templateName, ReaderDialogContext& context) {
    Handler dialog(context);
    return owner.RunModal(templateName, dialog);
}

}  // namespace

// The coupon content and note dialogs open only from inside the coupon
// dialogs, which give them their mode.
int RunReaderDialog(Dialog& owner, std::string_view templateName, ReaderDialogContext& context) {
    if (const SymbologyDialogSpec* spec = FindSymbologyDialog(templateName))
        return RunSymbologyDialog(owner, *spec, context);
    if (templateName == COUPON_CODE_2D_NAME) return Run<CouponDialog>(owner, COUPON_CODE_2D_NAME, context);
    if (templateName == IMAGECAPTUREDLG_2D_NAME)
        return Run<ImageCaptureDialog>(owner, IMAGECAPTUREDLG_2D_NAME, context);
    if (templateName == RFIDPARAMDLG_NAME) return Run<RfidDialog>(owner, RFIDPARAMDLG_NAME, context);
    return -1;
}

}  // namespace fw
