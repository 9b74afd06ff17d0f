// The fake's behaviour that the page tests rely on to mean what Windows
// means: which calls notify, where the caret stands, and how modal dialogs
// and the sheet run. On the program's own templates, with logic that only
// records what it is told.
#include "support/fake_dialog.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "editor/editor_sheet.h"
#include "pages/form/form_ids.h"

namespace fw::test {
namespace {

constexpr int kNumberBox = IDC_FPROP_FIXEDLEN_EDIT, kTextBox = IDC_FPROP_INITIAL_EDIT, kCheck = IDC_FPROP_FIXEDLEN,
              kList = IDC_FPROP_ALIGN_LIST, kLabel = IDC_FPROP_LINE_NUMBER;

// Notes every call, after `who`, in its own log or a shared one; `react`
// plays page logic.
class Recorder : public PageHandler {
public:
    Recorder() = default;
    Recorder(std::vector<std::string>& shared, std::string who) : log(shared), who_(std::move(who)) {}
    void OnInit(Dialog&) override { Note("init"); }
    void OnCommand(Dialog& dialog, int id, Notify code) override {
        static const char* const kNames[] = {"Clicked", "Changed", "SelChange", "KillFocus", "Other"};
        Note(kNames[static_cast<int>(code)]);
        if (react) react(dialog, id, code);
    }
    void OnSetActive(Dialog&) override { Note("active"); }
    void OnKillActive(Dialog&) override { Note("inactive"); }
    void OnApply(Dialog&) override { Note("apply"); }

    std::vector<std::string> own;
    std::vector<std::string>& log = own;
    std::function<void(Dialog&, int, Notify)> react;

private:
    void Note(const std::string& what) { log.push_back(who_ + what); }
    std::string who_;
};

// The number box correction the pages make on every change: no number
// gives 1, too big gives 255, a leading zero goes.
void CorrectNumber(Dialog& dialog, int id, Notify code) {
    if (id != kNumberBox || code != Notify::Changed) return;
    const std::string text = dialog.GetText(id);
    const int value = text.empty() ? 1 : std::min(255, std::stoi(text.substr(0, 6)));
    const std::string wanted = std::to_string(std::max(1, value));
    if (wanted != text) dialog.SetText(id, wanted);
}

using Strings = std::vector<std::string>;

TEST(FakeDialog, TouchingAControlTheTemplateLacksFails) {
    FakeDialog d(TestTemplate("PREFERENCESDLG"), NoLogic());
    EXPECT_NONFATAL_FAILURE(d.SetText(999, "x"), "PREFERENCESDLG: SetText on control 999");
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(d.IsChecked(103)), "IsChecked on control 103");
    EXPECT_NONFATAL_FAILURE(d.Click(3), "Click on control 3");
}

TEST(FakeDialog, OnlyTheUserAndAnEditsSetTextNotifyAndAWriteBackSettles) {
    Recorder handler;
    FakeDialog d(TestTemplate(FORMPROPERTIESDLG_NAME), handler);
    d.SetText(kLabel, "new label");
    d.Check(kCheck, true);
    d.Enable(kTextBox, false);
    for (const char* text : {"a", "b", "c"}) d.ListAdd(kList, text);
    d.ListSelect(kList, 1);
    d.LimitText(kNumberBox, 3);
    EXPECT_TRUE(handler.log.empty());
    EXPECT_EQ(d.GetText(kList), "b") << "a drop-down list's text is its selection";

    int selectionSeen = -1;
    handler.react = [&](Dialog& dialog, int id, Notify code) {
        if (code == Notify::SelChange) selectionSeen = dialog.ListSelection(id);
    };
    d.Choose(kList, 2);
    EXPECT_EQ(selectionSeen, 2);
    EXPECT_EQ(handler.log, (Strings{"Other", "Other", "SelChange", "Other"})) << "focus, drop-down, change, close-up";

    handler.log.clear();
    handler.react = CorrectNumber;
    d.SetText(kNumberBox, "007");
    EXPECT_EQ(d.GetText(kNumberBox), "7");
    // The program's text, then the write-back's own notification, left alone.
    EXPECT_EQ(handler.log, (Strings{"Changed", "Changed"}));

    handler.react = [](Dialog& dialog, int id, Notify code) {
        if (code == Notify::Changed) dialog.SetText(id, dialog.GetText(id) + "x");
    };
    EXPECT_NONFATAL_FAILURE(d.SetText(kNumberBox, "a"), "nest deeper than 50");
}

TEST(FakeDialog, TheCaretStaysWhereTheUsersKeysLeaveIt) {
    Recorder handler;
    handler.react = CorrectNumber;
    FakeDialog d(TestTemplate(FORMPROPERTIESDLG_NAME), handler);
    d.Type(kNumberBox, "1a2-3 ");
    EXPECT_EQ(d.GetText(kNumberBox), "123") << "a number edit refuses other keys";
    EXPECT_EQ(d.caret(kNumberBox), 3);
    d.TypeKeys(kNumberBox, "\b\b9");
    EXPECT_EQ(d.GetText(kNumberBox), "19");
    // A write-back in the box being typed in leaves the caret behind the text.
    d.TypeKeys(kNumberBox, "00");
    EXPECT_EQ(d.GetText(kNumberBox), "255");
    EXPECT_EQ(d.caret(kNumberBox), 3);
    d.Type(kNumberBox, "");
    EXPECT_EQ(d.caret(kNumberBox), 1);
    d.TypeKeys(kNumberBox, "5");
    EXPECT_EQ(d.GetText(kNumberBox), "15");
    // The program's own text elsewhere puts the caret at the start.
    d.SetText(kTextBox, "abcdef");
    EXPECT_EQ(d.caret(kTextBox), 0);

    d.LimitText(kTextBox, 4);
    d.Type(kTextBox, "abcdef");
    d.TypeKeys(kTextBox, "e");
    EXPECT_EQ(d.GetText(kTextBox), "abcd");
    d.SetText(kTextBox, "abcdef");
    EXPECT_EQ(d.GetText(kTextBox), "abcdef") << "the limit binds the user only";
}

TEST(FakeDialog, AModalDialogBlocksItsOwner) {
    Recorder inner;
    inner.react = [](Dialog& dialog, int id, Notify) {
        if (id == kIdCancel) dialog.End(4);
    };
    FakeDialog outer(TestTemplate(FORMPROPERTIESDLG_NAME), NoLogic());
    outer.OnModal(TIMESTAMPDLG_NAME, [&outer](FakeDialog& d) {
        EXPECT_NONFATAL_FAILURE(outer.Click(kCheck), "while a modal dialog it opened is running");
        d.Cancel();
    });
    EXPECT_EQ(outer.RunModal("TimeStampDlg", inner), 4);
    outer.Click(kCheck);  // free again
}

TEST(FakeSheet, CreatesPagesWhenFirstShownAndAppliesOnlyThose) {
    Strings log;
    Recorder zero(log, "0 "), one(log, "1 "), two(log, "2 ");
    const SheetSpec spec{"", {{"FORMDLG", "Zero", &zero}, {"MENUDLG", "One", &one}, {"LOOKUPDLG", "Two", &two}}};
    FakeSheet sheet(spec);
    sheet.Open();
    sheet.Show(2);
    sheet.Show(0);
    sheet.current().Type(IDC_FORM_PROMPT_FIRST, "typed");
    sheet.Ok();
    EXPECT_EQ(log, (Strings{"0 init", "0 active", "0 inactive", "2 init", "2 active", "2 inactive", "0 active",
                            "0 Other", "0 Changed", "0 KillFocus", "0 inactive", "0 apply", "2 apply"}));

    log.clear();
    FakeSheet cancelled(spec);
    cancelled.Open();
    cancelled.Cancel();
    EXPECT_EQ(log, (Strings{"0 init", "0 active"})) << "Cancel applies nothing";
}

}  // namespace
}  // namespace fw::test
