// The editor sheet on a fresh template, opened on the Form page.
#pragma once

#include <string>

#include "pages/form/form_ids.h"
#include "pages/form/form_page.h"
#include "support/sheet_test.h"

namespace fw::test {

class FormPageTest : public SheetTest {
protected:
    FormPage& formPage() { return session().formPage(); }
    FormEditorState& state() { return formPage().state(); }
    FormRecord& form() { return state().form(); }

    static int TypeList(int line) { return IDC_FORM_DATATYPE_FIRST + line; }
    static int PromptBox(int line) { return IDC_FORM_PROMPT_FIRST + line; }
    static int SourceList(int line) { return IDC_FORM_SOURCE_FIRST + line; }
    static int MinBox(int line) { return IDC_FORM_MIN_FIRST + line; }
    static int MaxBox(int line) { return IDC_FORM_MAX_FIRST + line; }
    static int LookupList(int line) { return IDC_FORM_LOOKUPFIELD_FIRST + line; }
    static int MoreButton(int line) { return IDC_FORM_MORE_FIRST + line; }

    void ChooseType(int line, const std::string& label) { page().Choose(TypeList(line), label); }
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
};

}  // namespace fw::test
