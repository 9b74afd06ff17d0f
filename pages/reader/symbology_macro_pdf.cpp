#include "pages/reader/symbology_macro_pdf.h"

#include "pages/reader/symbology_ids.h"
#include "template/blocks/reader_block.h"

namespace fw {
namespace {

// "Transmit Any Symbol in Set/No Particular Order": the only mode that sends
// the control header.
constexpr int kAnySymbolEntry = 1;

}  // namespace

void MacroPdfDialog::SyncHeader(Dialog& dialog) {
    const bool header = dialog.ListSelection(IDC_SYM_LIST1) == kAnySymbolEntry;
    working().twoDMacroPdfHeader = header ? 1 : 0;
    dialog.Check(IDC_SYM_BOX1, header);  // hidden, but kept true to the byte
}

}  // namespace fw
