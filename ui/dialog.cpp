#include "ui/dialog.h"

namespace fw {

int ListFind(const Dialog& dialog, int id, std::string_view text) {
    const int count = dialog.ListCount(id);
    for (int i = 0; i < count; ++i)
        if (dialog.ListText(id, i) == text) return i;
    return -1;
}

}  // namespace fw
