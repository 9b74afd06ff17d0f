// A page of the editor sheet as the sheet sees it: the page itself, watched
// for changes so that Cancel can ask before it drops them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/page.h"

namespace fw {

class WatchedPage final : public PageHandler {
public:
    // browsingLists: the lists that only choose what the page shows (the
    // form, menu or lookup file), which change nothing. queryCancel asks the
    // question for the whole sheet.
    WatchedPage(PageHandler& page, std::vector<int> browsingLists, std::function<bool(Dialog&)> queryCancel)
        : page_(page), browsingLists_(std::move(browsingLists)), queryCancel_(std::move(queryCancel)) {}

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;
    void OnSetActive(Dialog& dialog) override;
    void OnKillActive(Dialog& dialog) override { page_.OnKillActive(dialog); }
    void OnApply(Dialog& dialog) override { page_.OnApply(dialog); }
    bool OnQueryCancel(Dialog& dialog) override { return queryCancel_(dialog); }
    std::span<const std::uint8_t> WorkingBytes() const override { return page_.WorkingBytes(); }

    // Whether the user changed anything here: the working copy differs from
    // what the page showed, or the user typed, picked or marked something
    // (values the page keeps in its controls until OK count too).
    bool Changed() const;

private:
    bool Differs() const;
    template <class Showing>
    void Shows(Showing showing);

    PageHandler& page_;
    std::vector<int> browsingLists_;
    std::function<bool(Dialog&)> queryCancel_;
    std::vector<std::uint8_t> shown_;  // the working copy as the page last showed it
    bool created_ = false;
    // Notifications raised while the page fills its controls or handles
    // another one are the page's own.
    int depth_ = 0;
    bool edited_ = false;
};

}  // namespace fw
