#include "editor/watched_page.h"

#include <algorithm>

namespace fw {

bool WatchedPage::Differs() const {
    const std::span<const std::uint8_t> bytes = page_.WorkingBytes();
    return !std::equal(bytes.begin(), bytes.end(), shown_.begin(), shown_.end());
}

// What the page rewrites while it shows another record (a line without a
// source list stores "all", say) is its own doing, not the user's: what
// changed before is kept, and the copy is taken again afterwards.
template <class Showing>
void WatchedPage::Shows(Showing showing) {
    edited_ = edited_ || (created_ && Differs());
    showing();
    const std::span<const std::uint8_t> bytes = page_.WorkingBytes();
    shown_.assign(bytes.begin(), bytes.end());
    created_ = true;
}

void WatchedPage::OnInit(Dialog& dialog) {
    ++depth_;
    page_.OnInit(dialog);
    --depth_;
}

void WatchedPage::OnSetActive(Dialog& dialog) {
    ++depth_;
    Shows([&] { page_.OnSetActive(dialog); });
    --depth_;
}

void WatchedPage::OnCommand(Dialog& dialog, int id, Notify code) {
    if (depth_ > 0) {
        page_.OnCommand(dialog, id, code);
        return;
    }
    ++depth_;
    if (code == Notify::SelChange && std::find(browsingLists_.begin(), browsingLists_.end(), id) != browsingLists_.end()) {
        Shows([&] { page_.OnCommand(dialog, id, code); });
    } else if (code == Notify::Clicked && dialog.IsCheckable(id)) {
        // The pages flip their boxes themselves: a mark that moved is an edit.
        const bool marked = dialog.IsChecked(id);
        page_.OnCommand(dialog, id, code);
        edited_ = edited_ || dialog.IsChecked(id) != marked;
    } else {
        page_.OnCommand(dialog, id, code);
        edited_ = edited_ || code == Notify::Changed || code == Notify::SelChange;
    }
    --depth_;
}

bool WatchedPage::Changed() const { return created_ && (edited_ || Differs()); }

}  // namespace fw
