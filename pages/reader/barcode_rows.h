// The symbology rows of the Barcode page as data: for each row and engine
// family, the text the row shows, the reader byte behind its check box and
// the dialog its "more..." button opens; and the rows whose clicks follow
// rules of their own in each family.
#pragma once

#include <array>

#include "pages/reader/barcode_ids.h"
#include "template/blocks/reader_block.h"

namespace fw {

inline constexpr int kSymbologyRowCount = BARCODE_SYMBOLOGY_ROWS;

// One row in one family.
struct RowUse {
    int textId = 0;                // 0: the row is hidden in this family
    int offset = -1;               // reader byte behind the box
    const char* dialog = nullptr;  // opened by "more..."; nullptr: no button
    bool shown() const { return textId != 0; }
};

struct SymbologyRow {
    RowUse laser;
    RowUse twoD;
    RowUse elr;
};

extern const std::array<SymbologyRow, kSymbologyRowCount> kSymbologyRows;

// The row as the family shows it; without a reader the page shows the laser
// rows, greyed.
const RowUse& RowFor(ReaderFamily family, int row);

// Rows with rules beyond toggling their box, for one family; -1 where the
// family has no such row.
struct RowRules {
    int upca = -1;
    int ean13 = -1;
    int bookland = -1;
    int gs1128 = -1;
    int coupon = -1;
    int dataBar14 = -1;       // its "more..." serves the DataBar-14 and Limited rows
    int dataBarLimited = -1;
    int imageCapture = -1;
    int upcaPreamble = -1;    // reader byte of the UPC-A transmit preamble
    int appliedRows = 0;      // apply stores the boxes of rows 0 to appliedRows - 1
};

const RowRules& RulesFor(ReaderFamily family);

// The 2D reader's extra buttons beside the rows.
struct ExtraDialogButton {
    int control;
    int textId;
    const char* dialog;
};
extern const std::array<ExtraDialogButton, 4> kTwoDExtraButtons;

// The RFID reader's dialog, behind the button beside the RFID box.
inline constexpr const char* kRfidDialog = "RFIDPARAMDLG";

}  // namespace fw
