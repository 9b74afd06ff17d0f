#include "grid/grid_opener.h"

#include "grid/character_grid.h"
#include "grid/grid_ids.h"
#include "template/key_names.h"
#include "ui/dialog.h"

namespace fw {

bool GridOpener::Paint(Painter& painter, int width, int height) {
    if (!open_) return false;
    // Marks the box the open grid will write into.
    painter.Rectangle(0, 0, width, height, kPureBlue, kBlack);
    return true;
}

bool GridOpener::LeftButtonDown(Dialog& dialog, int, int, int, int) {
    OpenGrid(dialog);
    return true;
}

bool GridOpener::KeyDown(Dialog& dialog, CanvasKey key) {
    if (key != CanvasKey::Space && key != CanvasKey::F4) return false;
    OpenGrid(dialog);
    return true;
}

void GridOpener::OpenGrid(Dialog& dialog) {
    if (open_) return;  // one grid at a time
    dialog.Focus(editId_);
    open_ = true;
    dialog.Invalidate(editId_);
    CharacterGrid grid(dialog, *this);
    dialog.RunModal(GRIDDLG_NAME, grid);
    open_ = false;
    dialog.Invalidate(editId_);
}

std::string CodesDisplayText(const std::uint8_t* codes, std::size_t count) {
    std::string composed;
    KeyCodesToText(codes, count, composed);
    return ComposedToDisplayText(composed);
}

}  // namespace fw
