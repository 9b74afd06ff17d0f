#include "editor/editor_sheet.h"

#include "pages/form/form_editor.h"
#include "pages/form/form_page.h"
#include "pages/reader/barcode_page.h"
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

// Pages whose editing has not been built yet: they show their controls and
// copy nothing back.
class PlainPage final : public PageHandler {
public:
    void OnInit(Dialog&) override {}
    void OnCommand(Dialog&, int, Notify) override {}
};

}  // namespace

FormLabelTable FormLabels() {
    FormLabelTable labels;
    for (int i = 0; i < 20; ++i) labels[i] = std::to_string(i + 1);
    return labels;
}

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
    while (pages_.size() < 3) pages_.push_back(std::make_unique<PlainPage>());
    pages_.push_back(std::make_unique<BarcodePage>(
        doc, strings, [this](int rfidOn) { formPage_->RefreshInputSources(rfidOn); }, BarcodePage::ImageCaptureChanged{}));
    while (pages_.size() < 5) pages_.push_back(std::make_unique<PlainPage>());
    for (int i = 0; i < 5; ++i)
        spec_.pages.push_back({kPageTemplates[i], SheetText(strings, kFirstPageTitleId + i), pages_[i].get()});
}

EditorSession::~EditorSession() = default;

}  // namespace fw
