// The Macro PDF dialog: the table's pattern, plus the transmit control
// header, which has no control of its own but follows the mode.
#pragma once

#include "pages/reader/symbology_dialog.h"

namespace fw {

class MacroPdfDialog final : public SymbologyDialog {
public:
    using SymbologyDialog::SymbologyDialog;

private:
    void AfterShow(Dialog& dialog) override { SyncHeader(dialog); }
    void AfterListChange(Dialog& dialog, int) override { SyncHeader(dialog); }
    void AfterStore(Dialog& dialog) override { SyncHeader(dialog); }
    void SyncHeader(Dialog& dialog);
};

}  // namespace fw
