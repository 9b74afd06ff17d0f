#include "app/about_dialog.h"

#include "app/app_ids.h"
#include "strings/ui_strings.h"

namespace fw {
namespace {

constexpr int kTitleId = 51;    // "The Varnok Formwright"
constexpr int kProductId = 52;  // "Varnok Series Formwright"
constexpr int kVersionId = 53;  // "Version"
constexpr int kNoticeId = 54;
constexpr int kOkId = 55;
constexpr const char* kVersionText = FW_VERSION_TEXT;
// Between "Version" and the number: the line breaks before "(Version ...)",
// not inside it.
constexpr const char* kNoBreakSpace = "\xA0";

}  // namespace

void AboutDialog::OnInit(Dialog& dialog) {
    dialog.SetTitle(strings_.BuiltinText(kTitleId));
    dialog.SetText(IDC_ABOUT_TITLE, strings_.BuiltinText(kProductId) + " (" + strings_.BuiltinText(kVersionId) +
                                        kNoBreakSpace + kVersionText + ")");
    dialog.SetText(IDC_ABOUT_NOTICE, strings_.BuiltinText(kNoticeId));
    dialog.SetText(kIdOk, strings_.BuiltinText(kOkId));
}

void AboutDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    if (code == Notify::Clicked && (id == kIdOk || id == kIdCancel)) dialog.End(id == kIdOk ? 1 : 0);
}

}  // namespace fw
