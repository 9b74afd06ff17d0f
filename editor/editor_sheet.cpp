#include "editor/editor_sheet.h"

#include "editor/watched_page.h"
#include "pages/form/form_ids.h"
#include "pages/lookup/lookup_ids.h"
#include "pages/menu/menu_ids.h"
#include "pages/form/form_editor.h"
#include "pages/form/form_page.h"
#include "pages/lookup/lookup_page.h"
#include "pages/menu/menu_page.h"
#include "pages/reader/barcode_page.h"
#include "pages/settings/settings_page.h"
#include "strings/ui_strings.h"
#include "template/template_document.h"
#include "ui/message.h"

namespace fw {
namespace {

constexpr int kCaptionTextId = 1;   // "Formwright"
constexpr int kNewFileTextId = 2;   // "New file"
constexpr int kFirstPageTitleId = 3;  // "Form", "Menu", "Lookup", "Barcode", "Settings"
constexpr const char* kUnknownFile = "Unknow";
constexpr int kAskDiscard = 4340;  // "Discard the changes made in this sheet?"

constexpr const char* kPageTemplates[] = {"FORMDLG", "MENUDLG", "LOOKUPDLG", "BARCODEDLG", "SETTINGSDLG"};
// Per page, the lists that only choose the form, menu or lookup file shown.
const std::vector<int> kBrowsingLists[] = {{IDC_FORM_ID_LIST}, {IDC_MENU_ID_LIST}, {IDC_LOOKUP_ID_LIST}, {}, {}};

// With a language file active, the sheet takes its texts straight from the
// language table, even an empty one; otherwise from the program's strings.
std::string SheetText(const UiStrings& strings, int id) {
    if (strings.languageActive()) return strings.LanguageSlot(id);
    char text[160];
    strings.LoadUiString(id, text, sizeof text);
    return text;
}

}  // namespace

std::string EditorCaption(const UiStrings& strings, const std::string& fileName) {
    const bool named = !fileName.empty() && fileName != kUnknownFile;
    return SheetText(strings, kCaptionTextId) + " - [ " +
           (named ? fileName : SheetText(strings, kNewFileTextId)) + " ]";
}

EditorSession::EditorSession(TemplateDocument& doc, const UiStrings& strings)
    : formState_(std::make_unique<FormEditorState>()) {
    spec_.caption = EditorCaption(strings, doc.fileName);
    auto formPage = std::make_unique<FormPage>(*formState_, doc, strings);
    formPage_ = formPage.get();
    pages_.push_back(std::move(formPage));
    pages_.push_back(std::make_unique<MenuPage>(doc, strings));
    pages_.push_back(std::make_unique<LookupPage>(doc, strings));
    // The Barcode page tells the Form page about the RFID reader and the
    // Settings page about 2D image capture.
    pages_.push_back(std::make_unique<BarcodePage>(
        doc, strings, [this](int rfidOn) { formPage_->RefreshInputSources(rfidOn); },
        [this] { settingsPage_->RefreshImageCapture(); }));
    auto settingsPage = std::make_unique<SettingsPage>(doc, strings);
    settingsPage_ = settingsPage.get();
    pages_.push_back(std::move(settingsPage));
    const auto queryCancel = [this, &strings](Dialog& page) {
        return !Changed() || ConfirmById(page, strings, kAskDiscard);
    };
    for (int i = 0; i < 5; ++i) {
        watched_.push_back(std::make_unique<WatchedPage>(*pages_[i], kBrowsingLists[i], queryCancel));
        spec_.pages.push_back({kPageTemplates[i], SheetText(strings, kFirstPageTitleId + i), watched_[i].get()});
    }
}

EditorSession::~EditorSession() = default;

bool EditorSession::Changed() const {
    for (const auto& page : watched_)
        if (page->Changed()) return true;
    return false;
}

}  // namespace fw
