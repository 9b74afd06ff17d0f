#include "app/preferences_dialog.h"

#include "app/app_ids.h"
#include "app/shell.h"

namespace fw {
namespace {

constexpr const char* kDefaultLanguageEntry = "Default <English>";
constexpr const char* kProgramLanguage = "0";

// Language-table entries for the title and controls 101, 102, 201, OK, Cancel.
constexpr int kTitleLanguageId = 66;
constexpr int kControlLanguageIds[][2] = {
    {IDC_PREFS_AUTOPRELOAD, 67}, {IDC_PREFS_ALWAYSONTOP, 68}, {IDC_PREFS_LANGUAGE_LABEL, 69},
    {kIdOk, 70},                 {kIdCancel, 71},
};

}  // namespace

void PreferencesDialog::OnInit(Dialog& dialog) {
    const UiStrings& strings = shell_.strings();
    if (strings.languageActive()) {
        dialog.SetTitle(strings.LanguageSlot(kTitleLanguageId));
        for (const auto& [control, languageId] : kControlLanguageIds)
            dialog.SetText(control, strings.LanguageSlot(languageId));
    }
    shell_.ReloadPreferences();
    copy_ = shell_.preferences();
    dialog.Check(IDC_PREFS_AUTOPRELOAD, copy_.autoPreload);
    dialog.Check(IDC_PREFS_ALWAYSONTOP, copy_.alwaysOnTop);

    dialog.ListClear(IDC_PREFS_LANGUAGE);
    dialog.ListAdd(IDC_PREFS_LANGUAGE, kDefaultLanguageEntry);
    selection_ = 0;
    const auto& languages = shell_.languages();
    for (std::size_t i = 0; i < languages.size(); ++i) {
        dialog.ListAdd(IDC_PREFS_LANGUAGE, languages[i].name);
        if (languages[i].name == copy_.languageName) selection_ = static_cast<int>(i) + 1;
    }
    if (languages.empty()) {
        dialog.Enable(IDC_PREFS_LANGUAGE_LABEL, false);
        dialog.Enable(IDC_PREFS_LANGUAGE, false);
    }
    dialog.ListSelect(IDC_PREFS_LANGUAGE, selection_);
}

void PreferencesDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    switch (id) {
    case IDC_PREFS_AUTOPRELOAD:
    case IDC_PREFS_ALWAYSONTOP:
        if (code != Notify::Clicked) return;
        dialog.Check(id, !dialog.IsChecked(id));
        (id == IDC_PREFS_AUTOPRELOAD ? copy_.autoPreload : copy_.alwaysOnTop) = dialog.IsChecked(id);
        break;
    case IDC_PREFS_LANGUAGE:
        selection_ = dialog.ListSelection(IDC_PREFS_LANGUAGE) & 0xFF;
        break;
    case kIdOk:
        if (code != Notify::Clicked) return;
        copy_.languageName =
            selection_ == 0 ? kProgramLanguage : dialog.ListText(IDC_PREFS_LANGUAGE, selection_);
        dialog.End(1);
        shell_.ApplyPreferences(copy_);
        break;
    case kIdCancel:
        if (code == Notify::Clicked) dialog.End(0);
        break;
    default:
        break;
    }
}

}  // namespace fw
