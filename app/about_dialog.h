// The About box: the program's own texts and version, never a translation.
#pragma once

#include "ui/dialog.h"

namespace fw {

class UiStrings;

class AboutDialog final : public DialogHandler {
public:
    explicit AboutDialog(const UiStrings& strings) : strings_(strings) {}
    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    const UiStrings& strings_;
};

}  // namespace fw
