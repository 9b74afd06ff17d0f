// The Preferences dialog: auto-preload, always on top and the language.
#pragma once

#include "app/preferences.h"
#include "ui/dialog.h"

namespace fw {

class Shell;

class PreferencesDialog final : public DialogHandler {
public:
    explicit PreferencesDialog(Shell& shell) : shell_(shell) {}
    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

private:
    Shell& shell_;
    Preferences copy_;
    int selection_ = 0;
};

}  // namespace fw
