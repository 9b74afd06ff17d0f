// The editor property sheet: its caption, its five pages and their titles.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/page.h"

namespace fw {

class UiStrings;
class TemplateDocument;
class FormPage;
class SettingsPage;
class WatchedPage;
struct FormEditorState;

struct SheetPage {
    const char* templateName;
    std::string title;
    PageHandler* handler;
};

struct SheetSpec {
    std::string caption;
    std::vector<SheetPage> pages;
};

// "Formwright - [ path ]", or "New file" between the brackets.
std::string EditorCaption(const UiStrings& strings, const std::string& fileName);

// One run of the sheet: the page objects live exactly as long as it.
class EditorSession {
public:
    EditorSession(TemplateDocument& doc, const UiStrings& strings);
    ~EditorSession();
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    const SheetSpec& spec() const { return spec_; }
    // The Barcode page tells the Form page when the RFID reader changes.
    FormPage& formPage() { return *formPage_; }
    // The Barcode page asks it to follow the image capture option.
    SettingsPage& settingsPage() { return *settingsPage_; }
    // Whether the user changed anything on any page; Cancel asks first then.
    bool Changed() const;

private:
    std::unique_ptr<FormEditorState> formState_;  // outlives the pages that use it
    std::vector<std::unique_ptr<PageHandler>> pages_;
    std::vector<std::unique_ptr<WatchedPage>> watched_;  // what the sheet runs, one per page
    FormPage* formPage_ = nullptr;
    SettingsPage* settingsPage_ = nullptr;
    SheetSpec spec_;
};

}  // namespace fw
