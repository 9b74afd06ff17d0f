// The Settings page (SETTINGSDLG): the terminal's system settings, its
// security password with the functions it guards, and the camera. The page
// edits a working copy of the block; OnApply writes it back.
#pragma once

#include <cstdint>
#include <string_view>

#include "template/blocks/settings_block.h"
#include "ui/page.h"

namespace fw {

class TemplateDocument;
class UiStrings;

class SettingsPage final : public PageHandler {
public:
    SettingsPage(TemplateDocument& doc, const UiStrings& strings);

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;
    void OnSetActive(Dialog& dialog) override;
    void OnKillActive(Dialog& dialog) override;
    void OnApply(Dialog& dialog) override;
    std::span<const std::uint8_t> WorkingBytes() const override {
        return {reinterpret_cast<const std::uint8_t*>(&working_), sizeof working_};
    }

    // Box "2D Image Capture" follows the reader working copy: it can be
    // marked only with a 2D reader whose image capture is on, and loses its
    // mark when capture is off. The Barcode page calls this when its image
    // capture option changes; before the page is created it does nothing.
    void RefreshImageCapture();

    const SystemSettings& working() const { return working_; }

private:
    // Edits the page writes itself raise a change like typing does; the
    // handlers ignore those, so a value is only ever checked as typed.
    class Updating;

    void FillLists();
    void ShowSettings();
    void Put(int id, std::string_view text);

    void OnListChosen(int id);
    void OnDelimiterCountChosen();
    void OnDelimiterCodeChanged(int which);
    void OnDelimiterCharChanged(int which);
    void OnHoldModeClicked(int radio);
    void OnHoldTimeChanged();
    void OnPasswordChanged();
    void OnTextChanged(int id);
    void OnBoxClicked(int id);
    void OnResetClicked();

    void EnableDelimiterBoxes();
    void EnableEntryControls();
    void EnableGuardedSettings();
    void EnableFileTitle();
    std::uint8_t& Delimiter(int which);

    TemplateDocument& doc_;
    const UiStrings& strings_;
    Dialog* page_ = nullptr;  // set once the page exists
    SystemSettings working_{};
    int delimiterCount_ = 0;  // 0 to 2; the delimiter bytes follow it at apply
    int holdRadio_ = 0;       // the chosen entry-option radio button
    bool updating_ = false;
};

}  // namespace fw
