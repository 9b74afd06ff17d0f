// The 2D image capture parameters (IMAGECAPTUREDLG_2D). Unlike the other
// parameter dialogs it works live: every change goes into the reader working
// copy at once, OK only closes, and Cancel puts back the 2D backup.
#pragma once

#include <span>

#include "pages/reader/reader_dialog.h"
#include "ui/control_rules.h"
#include "ui/dialog.h"
#include "ui/list_byte.h"

namespace fw {

// Its lists: exposure, resolution, image format, BMP bits.
std::span<const ListByte> ImageCaptureLists();

class ImageCaptureDialog final : public DialogHandler {
public:
    explicit ImageCaptureDialog(ReaderDialogContext& context) : context_(context) {}

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    void ApplyRules(Dialog& dialog);
    void OnTextChanged(Dialog& dialog, int id, RangeCheck check);

    ReaderDialogContext& context_;
};

}  // namespace fw
