// A page of the editor property sheet: a dialog that is also told when the
// user turns to it or away from it, and when the sheet is applied.
#pragma once

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
};

}  // namespace fw
