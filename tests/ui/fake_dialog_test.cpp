// The fake's behaviour that the page tests rely on to mean what Windows
// means: which calls notify, which buttons mark themselves, where the caret
// stands, and how modal dialogs and the sheet run.
#include "support/fake_dialog.h"

#include "editor/editor_sheet.h"
#include "support/test_document.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fw::test {
namespace {

constexpr std::uint32_t kVisible = 0x10000000;
constexpr std::uint32_t kGroup = 0x00020000;
constexpr std::uint32_t kChild = 0x40000000;

// A small dialog with one control of every kind the fake tells apart.
enum : int {
    kNumberEdit = 10,
    kTextEdit = 11,
    kPlainCheck = 20,
    kAutoCheck = 21,
    kPlainRadio = 30,
    kAutoRadioA = 31,
    kAutoRadioB = 32,
    kAutoRadioC = 33,  // starts the next group
    kCombo = 40,
    kLabel = 50,
    kPush = 60,
};

DialogControl Control(int id, const char* className, std::uint32_t style, const char* text = "") {
    return {id, className, style | kVisible, 0, text, 0, 0, 10, 10};
}

DialogTemplate TestDialog(const char* name = "TESTDLG", std::uint32_t style = 0) {
    DialogTemplate t;
    t.name = name;
    t.style = style;
    t.controls = {
        Control(kNumberEdit, "Edit", 0x2000 /* ES_NUMBER */, "7"),
        Control(kTextEdit, "Edit", 0),
        Control(kPlainCheck, "Button", 2 /* BS_CHECKBOX */),
        Control(kAutoCheck, "Button", 3 /* BS_AUTOCHECKBOX */),
        Control(kPlainRadio, "Button", 4 /* BS_RADIOBUTTON */ | kGroup),
        Control(kAutoRadioA, "Button", 9 /* BS_AUTORADIOBUTTON */ | kGroup),
        Control(kAutoRadioB, "Button", 9),
        Control(kAutoRadioC, "Button", 9 | kGroup),
        Control(kCombo, "ComboBox", 3 /* CBS_DROPDOWNLIST */ | kGroup),
        Control(kLabel, "Static", 0, "Label"),
        Control(kPush, "Button", 0, "Push"),
        Control(kIdOk, "Button", 1, "OK"),
        Control(kIdCancel, "Button", 0, "Cancel"),
    };
    t.complete = true;
    return t;
}

std::string Describe(int id, Notify code) {
    static const char* const kNames[] = {"Clicked", "Changed", "SelChange", "KillFocus", "Other"};
    return std::to_string(id) + ":" + kNames[static_cast<int>(code)];
}

// Records what it is told; optional reactions play page logic.
class Recorder : public DialogHandler {
public:
    void OnInit(Dialog&) override {}
    void OnCommand(Dialog& dialog, int id, Notify code) override {
        log.push_back(Describe(id, code));
        if (react) react(dialog, id, code);
    }
    std::vector<std::string> log;
    std::function<void(Dialog&, int, Notify)> react;
};

// The number box correction the pages make on every change: no number
// gives 1, too big gives 255, a leading zero goes.
void CorrectNumber(Dialog& dialog, int id, Notify code) {
    if (id != kNumberEdit || code != Notify::Changed) return;
    const std::string text = dialog.GetText(id);
    const int value = text.empty() ? 1 : std::min(255, std::stoi(text.substr(0, 6)));
    const std::string wanted = std::to_string(std::max(1, value));
    if (wanted != text) dialog.SetText(id, wanted);
}

TEST(FakeDialog, TouchingAControlTheTemplateLacksFails) {
    Recorder handler;
    FakeDialog d(TestTemplate("PREFERENCESDLG"), handler);
    EXPECT_NONFATAL_FAILURE(d.SetText(999, "x"), "PREFERENCESDLG: SetText on control 999");
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(d.IsChecked(103)), "IsChecked on control 103");
    EXPECT_NONFATAL_FAILURE(d.Click(3), "Click on control 3");
}

TEST(FakeDialog, OnlyAnEditsSetTextNotifiesBeforeItReturnsAndAWriteBackSettles) {
    Recorder handler;
    FakeDialog d(TestDialog(), handler);
    d.SetText(kLabel, "new label");
    d.Check(kPlainCheck, true);
    d.Check(kAutoRadioA, true);
    d.Enable(kTextEdit, false);
    d.ListAdd(kCombo, "a");
    d.ListAdd(kCombo, "b");
    d.ListSelect(kCombo, 1);
    d.LimitText(kTextEdit, 3);
    EXPECT_TRUE(handler.log.empty());
    EXPECT_EQ(d.GetText(kCombo), "b") << "a drop-down list's text is its selection";

    handler.react = CorrectNumber;
    d.SetText(kNumberEdit, "007");
    EXPECT_EQ(d.GetText(kNumberEdit), "7");
    // The program's text, then the write-back's own notification, left alone.
    EXPECT_EQ(handler.log, (std::vector<std::string>{"10:Changed", "10:Changed"}));

    handler.react = [](Dialog& dialog, int id, Notify code) {
        if (code == Notify::Changed) dialog.SetText(id, dialog.GetText(id) + "x");
    };
    EXPECT_NONFATAL_FAILURE(d.SetText(kTextEdit, "a"), "nest deeper than 50");
}

TEST(FakeDialog, TheCaretStaysWhereTheUsersKeysLeaveIt) {
    Recorder handler;
    handler.react = CorrectNumber;
    FakeDialog d(TestDialog(), handler);
    d.Type(kNumberEdit, "1a2-3 ");
    EXPECT_EQ(d.GetText(kNumberEdit), "123") << "a number edit refuses other keys";
    EXPECT_EQ(d.caret(kNumberEdit), 3);
    d.TypeKeys(kNumberEdit, "\b\b9");
    EXPECT_EQ(d.GetText(kNumberEdit), "19");
    // A write-back in the box being typed in leaves the caret behind the text.
    d.TypeKeys(kNumberEdit, "00");
    EXPECT_EQ(d.GetText(kNumberEdit), "255");
    EXPECT_EQ(d.caret(kNumberEdit), 3);
    d.Type(kNumberEdit, "");
    EXPECT_EQ(d.caret(kNumberEdit), 1);
    d.TypeKeys(kNumberEdit, "5");
    EXPECT_EQ(d.GetText(kNumberEdit), "15");
    // The program's own text elsewhere puts the caret at the start.
    d.SetText(kTextEdit, "abcdef");
    EXPECT_EQ(d.caret(kTextEdit), 0);

    d.LimitText(kTextEdit, 4);
    d.Type(kTextEdit, "abcdef");
    EXPECT_EQ(d.GetText(kTextEdit), "abcd");
    d.TypeKeys(kTextEdit, "e");
    EXPECT_EQ(d.GetText(kTextEdit), "abcd");
    d.SetText(kTextEdit, "abcdef");
    EXPECT_EQ(d.GetText(kTextEdit), "abcdef") << "the limit binds the user only";
}

TEST(FakeDialog, OnlyAutomaticButtonsToggleThemselves) {
    Recorder handler;
    std::vector<bool> markWhenReported;
    handler.react = [&](Dialog& dialog, int id, Notify code) {
        if (code == Notify::Clicked) markWhenReported.push_back(dialog.IsChecked(id));
    };
    FakeDialog d(TestDialog(), handler);

    d.Click(kPlainCheck);
    d.Click(kPlainRadio);
    d.Click(kAutoCheck);
    d.Click(kAutoCheck);
    EXPECT_EQ(markWhenReported, (std::vector<bool>{false, false, true, false})) << "toggled before reporting";

    d.Check(kAutoRadioC, true);
    d.Click(kAutoRadioA);
    d.Click(kAutoRadioB);
    EXPECT_FALSE(d.IsChecked(kAutoRadioA)) << "its group partner took the mark";
    EXPECT_TRUE(d.IsChecked(kAutoRadioB));
    EXPECT_TRUE(d.IsChecked(kAutoRadioC)) << "another group";
}

TEST(FakeDialog, ChoosingAComboEntryRaisesSelChangeWithTheNewSelection) {
    Recorder handler;
    int selectionSeen = -2;
    handler.react = [&](Dialog& dialog, int id, Notify code) {
        if (code == Notify::SelChange) selectionSeen = dialog.ListSelection(id);
    };
    FakeDialog d(TestDialog(), handler);
    for (const char* text : {"zero", "one", "two"}) d.ListAdd(kCombo, text);
    d.Choose(kCombo, 2);
    EXPECT_EQ(selectionSeen, 2);
    EXPECT_EQ(handler.log, (std::vector<std::string>{"40:Other", "40:Other", "40:SelChange", "40:Other"}))
        << "focus, drop-down, the change, close-up";
}

TEST(FakeDialog, AModalDialogBlocksItsOwner) {
    std::map<std::string, DialogTemplate> templates{{"OUTERDLG", TestDialog("OUTERDLG")},
                                                    {"INNERDLG", TestDialog("INNERDLG")}};
    const auto ui = FakeUi::Create(&templates);
    Recorder outerHandler, innerHandler;
    innerHandler.react = [](Dialog& dialog, int id, Notify code) {
        if (id == kIdCancel && code == Notify::Clicked) dialog.End(4);
    };
    FakeDialog outer(templates["OUTERDLG"], outerHandler, ui);
    ui->OnModal("INNERDLG", [&outer](FakeDialog& inner) {
        EXPECT_NONFATAL_FAILURE(outer.Click(kPlainCheck), "while a modal dialog it opened is running");
        inner.Cancel();
    });
    EXPECT_EQ(outer.RunModal("InnerDlg", innerHandler), 4);
    outer.Click(kPlainCheck);  // free again
}

// Pages that record every call, with the page index in front.
class RecordingPage : public PageHandler {
public:
    RecordingPage(int index, std::vector<std::string>& log) : index_(index), log_(log) {}
    void OnInit(Dialog&) override { Note("init"); }
    void OnCommand(Dialog&, int id, Notify code) override { Note(Describe(id, code)); }
    void OnSetActive(Dialog&) override { Note("active"); }
    void OnKillActive(Dialog&) override { Note("inactive"); }
    void OnApply(Dialog&) override { Note("apply"); }

private:
    void Note(const std::string& what) { log_.push_back(std::to_string(index_) + " " + what); }
    int index_;
    std::vector<std::string>& log_;
};

TEST(FakeSheet, CreatesPagesWhenFirstShownAndAppliesOnlyThose) {
    std::map<std::string, DialogTemplate> templates;
    std::vector<std::string> log;
    std::vector<std::unique_ptr<RecordingPage>> pages;
    SheetSpec spec;
    for (int i = 0; i < 3; ++i) {
        const std::string name = "PAGE" + std::to_string(i);
        templates[name] = TestDialog(name.c_str(), kChild);
        pages.push_back(std::make_unique<RecordingPage>(i, log));
    }
    spec.pages = {{"PAGE0", "Zero", pages[0].get()}, {"PAGE1", "One", pages[1].get()},
                  {"PAGE2", "Two", pages[2].get()}};
    const auto ui = FakeUi::Create(&templates);

    FakeSheet sheet(spec, ui);
    sheet.Open();
    sheet.Show(2);
    sheet.Show(0);
    sheet.current().Type(kTextEdit, "typed");
    sheet.Ok();
    EXPECT_EQ(log, (std::vector<std::string>{"0 init", "0 active", "0 inactive", "2 init", "2 active", "2 inactive",
                                             "0 active", "0 11:Other", "0 11:Changed", "0 11:KillFocus",
                                             "0 inactive", "0 apply", "2 apply"}));

    log.clear();
    FakeSheet cancelled(spec, ui);
    cancelled.Open();
    cancelled.Cancel();
    EXPECT_EQ(log, (std::vector<std::string>{"0 init", "0 active"})) << "Cancel applies nothing";
}

}  // namespace
}  // namespace fw::test
