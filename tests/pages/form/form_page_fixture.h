// The editor sheet on a fresh template, opened on the Form page, for tests
// that play the user on the page and in the dialogs it opens.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/editor_sheet.h"
#include "pages/form/form_ids.h"
#include "pages/form/form_page.h"
#include "support/fake_dialog.h"
#include "support/test_document.h"
#include "ui/dialog.h"

namespace fw::test {

class FormPageTest : public ::testing::Test {
protected:
    // Settings that the page reads when it is created go in before this.
    void Open() {
        session_ = std::make_unique<EditorSession>(t.doc, t.strings);
        sheet_ = std::make_unique<FakeSheet>(session_->spec());
        sheet_->Open();
    }

    FakeDialog& page() { return *sheet_->page(0); }
    FakeSheet& sheet() { return *sheet_; }
    FormPage& formPage() { return session_->formPage(); }
    FormEditorState& state() { return formPage().state(); }
    FormRecord& form() { return state().form(); }
    void OnModal(const std::string& name, ModalScript script) { sheet_->ui().OnModal(name, std::move(script)); }

    static int TypeList(int line) { return IDC_FORM_DATATYPE_FIRST + line; }
    static int PromptBox(int line) { return IDC_FORM_PROMPT_FIRST + line; }
    static int SourceList(int line) { return IDC_FORM_SOURCE_FIRST + line; }
    static int MinBox(int line) { return IDC_FORM_MIN_FIRST + line; }
    static int MaxBox(int line) { return IDC_FORM_MAX_FIRST + line; }
    static int LookupList(int line) { return IDC_FORM_LOOKUPFIELD_FIRST + line; }
    static int MoreButton(int line) { return IDC_FORM_MORE_FIRST + line; }

    // Picks an entry by its text, as the user reads it.
    void Choose(FakeDialog& dialog, int id, const std::string& text) {
        const int entry = ListFind(dialog, id, text);
        ASSERT_GE(entry, 0) << "control " << id << " has no entry \"" << text << "\"";
        dialog.Choose(id, entry);
    }
    void ChooseType(int line, const std::string& label) { Choose(page(), TypeList(line), label); }
    std::string Shown(int id) { return page().GetText(id); }
    // The ZORQ switch of the form options dialog, clicked and confirmed.
    void ToggleZorqMode() {
        OnModal(ADVANCEDLG_NAME, [](FakeDialog& d) {
            d.Click(IDC_ADV_ZORQ);
            d.Ok();
        });
        page().Click(IDC_FORM_ADVANCED);
    }
    // With the 2D reader, a line's list offers its 2D entry once a type was
    // chosen on it.
    void UseTwoDReader() { t.doc.readerWorking.readerType = kReaderType2D; }

    TestDocument t;

private:
    std::unique_ptr<EditorSession> session_;
    std::unique_ptr<FakeSheet> sheet_;
};

}  // namespace fw::test
