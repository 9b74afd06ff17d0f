// The RFID reader's parameters (RFIDPARAMDLG): what it decodes, where in the
// tag's user data it reads, and the delimiter between the fields, which is
// picked in the Character grid.
#pragma once

#include <cstdint>

#include "grid/grid_opener.h"
#include "pages/reader/reader_dialog.h"
#include "ui/dialog.h"

namespace fw {

class RfidDialog final : public DialogHandler {
public:
    explicit RfidDialog(ReaderDialogContext& context);

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    void ApplyRules(Dialog& dialog);
    void OnDelimiterChanged(Dialog& dialog);
    void Confirm(Dialog& dialog);
    void Close(Dialog& dialog, int result);

    ReaderDialogContext& context_;
    // The grid starts from the delimiter the box shows.
    GridBuffers buffers_;
    GridOpener delimiterBox_;
    std::uint8_t delimiter_ = 0;
};

}  // namespace fw
