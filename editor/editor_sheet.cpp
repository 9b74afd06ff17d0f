#include "editor/editor_sheet.h"

#include "pages/form/form_editor.h"
#include "pages/form/form_page.h"
#include "pages/lookup/lookup_page.h"
#include "pages/menu/menu_page.h"
#include "pages/reader/barcode_page.h"
#include "pages/settings/settings_page.h"
#include "strings/ui_strings.h"
#include "template/template_document.h"

namespace fw {
namespace {

constexpr int kCaptionTextId = 1;   // "Formwright"
constexpr int kNewFileTextId = 2;   // "New file"
constexpr int kFirstPageTitleId = 3;  // "Form", "Menu", "Lookup", "Barcode", "Settings"
constexpr const char* kUnknownFile = "Unknow";

constexpr const char* kPageTemplates[] = {"FORMDLG", "MENUDLG", "LOOKUPDLG", "BARCODEDLG", "SETTINGSDLG"};

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
    for (int i = 0; i < 5; ++i)
        spec_.pages.push_back({kPageTemplates[i], SheetText(strings, kFirstPageTitleId + i), pages_[i].get()});
}

EditorSession::~EditorSession() = default;

}  // namespace fw
