// A page of the editor property sheet: a dialog that is also told when the
// user turns to it or away from it, and when the sheet is applied.
#pragma once

#include <cstdint>
#include <span>

#include "ui/dialog.h"

namespace fw {

class PageHandler : public DialogHandler {
public:
    // The user turned to this page (also right after it is created).
    virtual void OnSetActive(Dialog&) {}
    // The user is turning to another page, or pressed OK.
    virtual void OnKillActive(Dialog&) {}
    // OK: copy the page's edits back into the template.
    virtual void OnApply(Dialog&) {}
    // Cancel, Esc or the close box, asked of the page shown: false keeps the
    // sheet open.
    virtual bool OnQueryCancel(Dialog&) { return true; }
    // The working copy the page edits, so the sheet can tell whether
    // anything changed.
    virtual std::span<const std::uint8_t> WorkingBytes() const { return {}; }
};

}  // namespace fw
