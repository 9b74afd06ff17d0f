// The editor sheet of a session on a fresh template, for tests that play the
// user on its pages and in the dialogs they open.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/editor_sheet.h"
#include "support/fake_dialog.h"
#include "support/test_document.h"

namespace fw::test {

class SheetTest : public ::testing::Test {
protected:
    // What the pages read when they are created goes into the document
    // before this. The sheet opens and turns to page `index`, which page()
    // then gives.
    void Open(int index = 0) {
        sheet_.reset();  // its pages belong to the session replaced here
        session_ = std::make_unique<EditorSession>(t.doc, t.strings);
        sheet_ = std::make_unique<FakeSheet>(session_->spec());
        sheet_->Open();
        sheet_->Show(index);
        index_ = index;
    }

    FakeDialog& page() { return *sheet_->page(index_); }
    FakeSheet& sheet() { return *sheet_; }
    EditorSession& session() { return *session_; }
    std::string Shown(int id) { return page().GetText(id); }
    // Typed into a box of the page: what the box shows afterwards.
    std::string Typed(int id, const std::string& text) { return page().Typed(id, text); }
    void OnModal(const std::string& name, ModalScript script) { sheet_->ui().OnModal(name, std::move(script)); }
    // The message boxes shown so far, as "title: text".
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const MessageRecord& m : sheet_->ui().messages()) texts.push_back(m.title + ": " + m.text);
        return texts;
    }

    TestDocument t;

private:
    std::unique_ptr<EditorSession> session_;
    std::unique_ptr<FakeSheet> sheet_;
    int index_ = 0;
};

}  // namespace fw::test
