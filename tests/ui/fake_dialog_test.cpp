#include "support/fake_dialog.h"

#include "app/app_ids.h"
#include "app/shell.h"
#include "editor/editor_sheet.h"
#include "support/test_document.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <map>
#include <string>
#include <vector>

namespace fw::test {
namespace {

constexpr std::uint32_t kVisible = 0x10000000;
constexpr std::uint32_t kDisabled = 0x08000000;
constexpr std::uint32_t kGroup = 0x00020000;
constexpr std::uint32_t kChild = 0x40000000;

// A small dialog with one control of every kind the fake tells apart.
enum : int {
    kNumberEdit = 10,
    kTextEdit = 11,
    kReadOnlyEdit = 12,
    kPlainCheck = 20,
    kAutoCheck = 21,
    kPlainRadio = 30,
    kAutoRadioA = 31,
    kAutoRadioB = 32,
    kAutoRadioC = 33,  // starts the next group
    kCombo = 40,
    kLabel = 50,
    kGroupBox = 51,
    kPush = 60,
    kDisabledPush = 61,
    kHiddenEdit = 62,
};

DialogControl Control(int id, const char* className, std::uint32_t style, const char* text = "") {
    return {id, className, style | kVisible, 0, text, 0, 0, 10, 10};
}

DialogTemplate TestDialog(const char* name = "TESTDLG") {
    DialogTemplate t;
    t.name = name;
    t.title = "Test dialog";
    t.controls = {
        Control(kNumberEdit, "Edit", 0x2000 /* ES_NUMBER */, "7"),
        Control(kTextEdit, "Edit", 0),
        Control(kReadOnlyEdit, "Edit", 0x0800 /* ES_READONLY */),
        Control(kPlainCheck, "Button", 2 /* BS_CHECKBOX */, "Plain"),
        Control(kAutoCheck, "Button", 3 /* BS_AUTOCHECKBOX */),
        Control(kPlainRadio, "Button", 4 /* BS_RADIOBUTTON */ | kGroup),
        Control(kAutoRadioA, "Button", 9 /* BS_AUTORADIOBUTTON */ | kGroup),
        Control(kAutoRadioB, "Button", 9),
        Control(kAutoRadioC, "Button", 9 | kGroup),
        Control(kCombo, "ComboBox", 3 /* CBS_DROPDOWNLIST */ | kGroup),
        Control(kLabel, "Static", 0, "Label"),
        Control(kGroupBox, "Button", 7 /* BS_GROUPBOX */, "Group"),
        Control(kPush, "Button", 0, "Push"),
        Control(kDisabledPush, "Button", kDisabled, "Off"),
        Control(kHiddenEdit, "Edit", 0),
        Control(-1, "Static", 0, "one"),
        Control(-1, "Static", 0, "two"),
        Control(kIdOk, "Button", 1, "OK"),
        Control(kIdCancel, "Button", 0, "Cancel"),
    };
    for (DialogControl& c : t.controls)
        if (c.id == kHiddenEdit) c.style &= ~kVisible;
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
    void OnInit(Dialog&) override { log.push_back("init"); }
    void OnCommand(Dialog& dialog, int id, Notify code) override {
        log.push_back(Describe(id, code));
        if (react) react(dialog, id, code);
    }
    std::vector<std::string> log;
    std::function<void(Dialog&, int, Notify)> react;
};

// A number field corrected on every change, the way the pages do it:
// no number gives the floor, too big gives the maximum, a leading zero goes.
void CorrectNumber(Dialog& dialog, int id, Notify code) {
    if (id != kNumberEdit || code != Notify::Changed) return;
    const std::string text = dialog.GetText(id);
    const int value = text.empty() ? 1 : std::min(255, std::stoi(text.substr(0, 6)));
    const std::string wanted = std::to_string(std::max(1, value));
    if (wanted != text) dialog.SetText(id, wanted);
}

TEST(FakeDialog, CallsOnControlsTheTemplateLacksFailTheTest) {
    Recorder handler;
    FakeDialog d(TestTemplate("PREFERENCESDLG"), handler);
    EXPECT_NONFATAL_FAILURE(d.SetText(999, "x"), "PREFERENCESDLG: SetText on control 999");
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(d.GetText(103), ""), "GetText on control 103");
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(d.IsChecked(103)), "IsChecked on control 103");
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(d.ListSelection(302), -1), "ListSelection on control 302");
    EXPECT_NONFATAL_FAILURE(d.Enable(0, false), "control 0");
    EXPECT_NONFATAL_FAILURE(d.Click(3), "Click on control 3");

    FakeDialog t(TestDialog(), handler);
    EXPECT_NONFATAL_FAILURE(t.SetText(-1, "x"), "which 2 controls of the template share");
}

TEST(FakeDialog, CallsThatDoNotSuitTheControlFail) {
    Recorder handler;
    FakeDialog d(TestDialog(), handler);
    EXPECT_NONFATAL_FAILURE(d.Check(kTextEdit, true), "control 11 (edit), which is not a check box or radio button");
    EXPECT_NONFATAL_FAILURE(d.ListAdd(kPush, "x"), "not a list");
    EXPECT_NONFATAL_FAILURE(d.LimitText(kCombo, 3), "not an edit");
    EXPECT_NONFATAL_FAILURE(d.SetText(kCombo, "x"), "drop-down list");
    EXPECT_NONFATAL_FAILURE(d.Type(kLabel, "x"), "not an edit");
    EXPECT_NONFATAL_FAILURE(d.Click(kGroupBox), "not a button");
}

TEST(FakeDialog, SetTextOnAnEditNotifiesBeforeItReturns) {
    Recorder handler;
    FakeDialog d(TestDialog(), handler);
    std::string seen;
    handler.react = [&](Dialog& dialog, int id, Notify code) {
        if (id == kTextEdit && code == Notify::Changed) seen = dialog.GetText(id);
    };
    d.SetText(kTextEdit, "hello");
    EXPECT_EQ(seen, "hello");
    EXPECT_EQ(handler.log, std::vector<std::string>{"11:Changed"});
}

TEST(FakeDialog, ProgramCallsOtherThanAnEditsTextRaiseNothing) {
    Recorder handler;
    FakeDialog d(TestDialog(), handler);
    d.SetText(kLabel, "new label");
    d.SetText(kPush, "new caption");
    d.SetText(kPlainCheck, "new check text");
    d.Check(kPlainCheck, true);
    d.Check(kAutoRadioA, true);
    d.Enable(kTextEdit, false);
    d.Show(kLabel, false);
    d.ListAdd(kCombo, "a");
    d.ListAdd(kCombo, "b");
    d.ListSelect(kCombo, 1);
    d.LimitText(kTextEdit, 3);
    d.SetTitle("Other");
    EXPECT_TRUE(handler.log.empty());
    EXPECT_EQ(d.GetText(kLabel), "new label");
    EXPECT_EQ(d.GetText(kCombo), "b") << "a drop-down list's text is its selection";
    EXPECT_TRUE(d.IsChecked(kAutoRadioA));
    EXPECT_FALSE(d.IsChecked(kAutoRadioB));
    EXPECT_EQ(d.title(), "Other");
}

TEST(FakeDialog, ReentrantWriteBackSettles) {
    Recorder handler;
    handler.react = CorrectNumber;
    FakeDialog d(TestDialog(), handler);

    d.Type(kNumberEdit, "0300");
    EXPECT_EQ(d.GetText(kNumberEdit), "255");
    // Typed text, then the write-back's own notification, which is left alone.
    EXPECT_EQ(handler.log, (std::vector<std::string>{"10:Other", "10:Changed", "10:Changed"}));

    handler.log.clear();
    d.SetText(kNumberEdit, "007");
    EXPECT_EQ(d.GetText(kNumberEdit), "7");
    EXPECT_EQ(handler.log, (std::vector<std::string>{"10:Changed", "10:Changed"}));
}

TEST(FakeDialog, EndlessWriteBackFailsInsteadOfOverflowing) {
    Recorder handler;
    handler.react = [](Dialog& dialog, int id, Notify code) {
        if (code == Notify::Changed) dialog.SetText(id, dialog.GetText(id) + "x");
    };
    FakeDialog d(TestDialog(), handler);
    EXPECT_NONFATAL_FAILURE(d.Type(kTextEdit, "a"), "nest deeper than 50");
    EXPECT_EQ(d.GetText(kTextEdit).size(), 51u);
}

TEST(FakeDialog, TypingActsLikeTheUser) {
    Recorder handler;
    FakeDialog d(TestDialog(), handler);
    d.Type(kNumberEdit, "1a2-3 ");
    EXPECT_EQ(d.GetText(kNumberEdit), "123") << "a number edit refuses other keys";

    EXPECT_EQ(d.limit(kTextEdit), 32767);
    d.LimitText(kTextEdit, 4);
    EXPECT_EQ(d.limit(kTextEdit), 4);
    d.Type(kTextEdit, "abcdef");
    EXPECT_EQ(d.GetText(kTextEdit), "abcd");
    d.SetText(kTextEdit, "abcdef");
    EXPECT_EQ(d.GetText(kTextEdit), "abcdef") << "the limit binds the user only";
    EXPECT_EQ(std::count(handler.log.begin(), handler.log.end(), "11:Changed"), 2);

    d.Enable(kTextEdit, false);
    EXPECT_NONFATAL_FAILURE(d.Type(kTextEdit, "x"), "control 11, which is disabled");
    EXPECT_NONFATAL_FAILURE(d.Type(kHiddenEdit, "x"), "control 62, which is hidden");
    EXPECT_NONFATAL_FAILURE(d.Type(kReadOnlyEdit, "x"), "read-only");
    EXPECT_EQ(d.GetText(kTextEdit), "abcdef");
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
    EXPECT_FALSE(d.IsChecked(kPlainCheck));
    EXPECT_FALSE(d.IsChecked(kPlainRadio));

    d.Click(kAutoCheck);
    EXPECT_TRUE(d.IsChecked(kAutoCheck));
    d.Click(kAutoCheck);
    EXPECT_FALSE(d.IsChecked(kAutoCheck));
    EXPECT_EQ(markWhenReported, (std::vector<bool>{false, false, true, false})) << "toggled before reporting";

    d.Check(kAutoRadioC, true);
    d.Click(kAutoRadioA);
    d.Click(kAutoRadioB);
    EXPECT_FALSE(d.IsChecked(kAutoRadioA)) << "its group partner took the mark";
    EXPECT_TRUE(d.IsChecked(kAutoRadioB));
    EXPECT_TRUE(d.IsChecked(kAutoRadioC)) << "another group";

    EXPECT_NONFATAL_FAILURE(d.Click(kDisabledPush), "disabled");
}

TEST(FakeDialog, ChoosingReportsTheNewSelection) {
    Recorder handler;
    int selectionSeen = -2;
    handler.react = [&](Dialog& dialog, int id, Notify code) {
        if (code == Notify::SelChange) selectionSeen = dialog.ListSelection(id);
    };
    FakeDialog d(TestDialog(), handler);
    d.ListAdd(kCombo, "zero");
    d.ListAdd(kCombo, "one");
    d.ListAdd(kCombo, "two");
    d.ListSelect(kCombo, 0);
    d.Choose(kCombo, 2);
    EXPECT_EQ(selectionSeen, 2);
    EXPECT_EQ(d.GetText(kCombo), "two");
    EXPECT_EQ(handler.log, (std::vector<std::string>{"40:Other", "40:Other", "40:SelChange", "40:Other"}))
        << "focus, drop-down, the change, close-up";
    EXPECT_NONFATAL_FAILURE(d.Choose(kCombo, 3), "has 3 entries");

    d.ListSelect(kCombo, 7);
    EXPECT_EQ(d.ListSelection(kCombo), -1) << "an index outside the list selects nothing";
}

TEST(FakeDialog, ListsKeepTheirSelectionAcrossEdits) {
    Recorder handler;
    FakeDialog d(TestDialog(), handler);
    for (const char* text : {"a", "b", "c"}) d.ListAdd(kCombo, text);
    d.ListSelect(kCombo, 1);
    d.ListInsert(kCombo, 0, "first");
    EXPECT_EQ(d.ListSelection(kCombo), 2);
    d.ListDelete(kCombo, 0);
    EXPECT_EQ(d.ListSelection(kCombo), 1);
    d.ListDelete(kCombo, 1);
    EXPECT_EQ(d.ListSelection(kCombo), -1);
    EXPECT_EQ(d.items(kCombo), (std::vector<std::string>{"a", "c"}));
    d.ListInsert(kCombo, -1, "end");
    EXPECT_EQ(d.ListText(kCombo, 2), "end");
    d.ListClear(kCombo);
    EXPECT_EQ(d.ListCount(kCombo), 0);
}

TEST(FakeDialog, FocusMovesRaiseKillFocusFirst) {
    Recorder handler;
    FakeDialog d(TestDialog(), handler);
    d.Type(kTextEdit, "x");
    d.Click(kPush);
    EXPECT_EQ(handler.log, (std::vector<std::string>{"11:Other", "11:Changed", "11:KillFocus", "60:Clicked"}));
    EXPECT_EQ(d.focus(), kPush);

    handler.log.clear();
    d.Leave(kNumberEdit);
    EXPECT_EQ(handler.log, (std::vector<std::string>{"10:Other", "10:KillFocus"}));
    EXPECT_EQ(d.focus(), 0);
}

TEST(FakeDialog, OkAndCancel) {
    Recorder handler;
    handler.react = [](Dialog& dialog, int id, Notify code) {
        if (code == Notify::Clicked && (id == kIdOk || id == kIdCancel)) dialog.End(id == kIdOk ? 7 : 3);
    };
    FakeDialog ok(TestDialog(), handler);
    EXPECT_FALSE(ok.ended());
    ok.Ok();
    EXPECT_TRUE(ok.ended());
    EXPECT_EQ(ok.result(), 7);
    EXPECT_NONFATAL_FAILURE(ok.Click(kPush), "after the dialog ended");

    FakeDialog cancel(TestDialog(), handler);
    cancel.Cancel();
    EXPECT_EQ(cancel.result(), 3);

    // Esc reports Cancel even where there is no Cancel button.
    Recorder about;
    FakeDialog box(TestTemplate("ABOUTBOX"), about);
    box.Cancel();
    EXPECT_EQ(about.log, std::vector<std::string>{"2:Clicked"});
}

TEST(FakeDialog, MessageBoxesAreRecordedAndAnsweredFromTheQueue) {
    Recorder handler;
    FakeDialog d(TestDialog(), handler);
    EXPECT_EQ(d.Message("saved", "Info", Buttons::Ok, Icon::Information), Answer::Ok);
    EXPECT_EQ(d.Message("save?", "Q", Buttons::YesNoCancel, Icon::Question), Answer::Yes);
    d.QueueAnswer(Answer::No);
    d.QueueAnswer(Answer::Cancel);
    EXPECT_EQ(d.Message("save?", "Q", Buttons::YesNoCancel, Icon::Question), Answer::No);
    EXPECT_EQ(d.Message("go?", "Q", Buttons::OkCancel, Icon::None), Answer::Cancel);
    ASSERT_EQ(d.messages().size(), 4u);
    EXPECT_EQ(d.messages()[0].text, "saved");
    EXPECT_EQ(d.messages()[0].title, "Info");
    EXPECT_EQ(d.messages()[1].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(d.messages()[3].icon, Icon::None);

    d.QueueAnswer(Answer::Yes);
    EXPECT_NONFATAL_FAILURE(d.Message("oops", "E", Buttons::Ok, Icon::Exclamation), "no button");
}

// Two hand-made dialogs: an outer one that opens the inner one on button 60.
class ModalTest : public ::testing::Test {
protected:
    ModalTest() {
        templates["OUTERDLG"] = TestDialog("OUTERDLG");
        templates["INNERDLG"] = TestDialog("INNERDLG");
        ui = FakeUi::Create(&templates);
        outerHandler.react = [this](Dialog& dialog, int id, Notify code) {
            if (id == kPush && code == Notify::Clicked) results.push_back(dialog.RunModal("InnerDlg", innerHandler));
        };
        innerHandler.react = [](Dialog& dialog, int id, Notify code) {
            if (id == kIdOk && code == Notify::Clicked) {
                dialog.Message("inner says", "Inner", Buttons::Ok, Icon::None);
                dialog.End(5);
            }
            if (id == kIdCancel && code == Notify::Clicked) dialog.End(0);
        };
    }
    std::map<std::string, DialogTemplate> templates;
    std::shared_ptr<FakeUi> ui;
    Recorder outerHandler, innerHandler;
    std::vector<int> results;
};

TEST_F(ModalTest, RunsTheScriptAfterOnInitAndReturnsTheResult) {
    FakeDialog outer(templates["OUTERDLG"], outerHandler, ui);
    outer.Init();
    ui->OnModal("INNERDLG", [this](FakeDialog& inner) {
        EXPECT_EQ(inner.name(), "INNERDLG");
        EXPECT_EQ(innerHandler.log, std::vector<std::string>{"init"});
        inner.Type(kTextEdit, "abc");
        inner.Ok();
    });
    outer.Click(kPush);
    EXPECT_EQ(results, std::vector<int>{5});
    EXPECT_EQ(ui->modalsRun(), std::vector<std::string>{"InnerDlg"});
    ASSERT_EQ(outer.messages().size(), 1u) << "one list of message boxes for all dialogs";
    EXPECT_EQ(outer.messages()[0].text, "inner says");
}

TEST_F(ModalTest, TheOwnerTakesNoInputWhileTheModalRuns) {
    FakeDialog outer(templates["OUTERDLG"], outerHandler, ui);
    ui->OnModal("INNERDLG", [&outer](FakeDialog& inner) {
        EXPECT_NONFATAL_FAILURE(outer.Click(kPlainCheck), "while a modal dialog it opened is running");
        inner.Cancel();
    });
    outer.Click(kPush);
    EXPECT_EQ(results, std::vector<int>{0});
    outer.Click(kPlainCheck);  // free again
}

TEST_F(ModalTest, AMissingOrUnfinishedScriptFails) {
    FakeDialog outer(templates["OUTERDLG"], outerHandler, ui);
    EXPECT_NONFATAL_FAILURE(outer.Click(kPush), "registered no script");
    ui->OnModal("INNERDLG", [](FakeDialog& inner) { inner.Click(kPlainCheck); });
    EXPECT_NONFATAL_FAILURE(outer.Click(kPush), "left it open");
    EXPECT_EQ(results, (std::vector<int>{-1, -1}));
    EXPECT_NONFATAL_FAILURE(outer.RunModal("NOSUCHDLG", innerHandler), "no dialog template NOSUCHDLG");
}

TEST_F(ModalTest, ADialogEndedInOnInitNeedsNoScript) {
    class EndsAtOnce : public DialogHandler {
    public:
        void OnInit(Dialog& dialog) override { dialog.End(9); }
        void OnCommand(Dialog&, int, Notify) override {}
    } handler;
    FakeDialog outer(templates["OUTERDLG"], outerHandler, ui);
    EXPECT_EQ(outer.RunModal("INNERDLG", handler), 9);
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

class SheetTest : public ::testing::Test {
protected:
    SheetTest() {
        for (const char* name : {"PAGE0", "PAGE1", "PAGE2"}) {
            templates[name] = TestDialog(name);
            templates[name].style = kChild;
        }
        for (int i = 0; i < 3; ++i) pages.push_back(std::make_unique<RecordingPage>(i, log));
        spec.caption = "Sheet - [ x ]";
        spec.pages = {{"PAGE0", "Zero", pages[0].get()}, {"PAGE1", "One", pages[1].get()},
                      {"PAGE2", "Two", pages[2].get()}};
        ui = FakeUi::Create(&templates);
    }
    std::map<std::string, DialogTemplate> templates;
    std::vector<std::string> log;
    std::vector<std::unique_ptr<RecordingPage>> pages;
    SheetSpec spec;
    std::shared_ptr<FakeUi> ui;
};

TEST_F(SheetTest, CreatesPagesWhenFirstShownAndAppliesOnlyThose) {
    FakeSheet sheet(spec, ui);
    EXPECT_EQ(sheet.caption(), "Sheet - [ x ]");
    EXPECT_EQ(sheet.titles(), (std::vector<std::string>{"Zero", "One", "Two"}));
    sheet.Open();
    EXPECT_EQ(log, (std::vector<std::string>{"0 init", "0 active"}));

    sheet.Show(2);
    sheet.Show(0);
    EXPECT_EQ(sheet.currentIndex(), 0);
    EXPECT_EQ(sheet.page(1), nullptr);
    ASSERT_NE(sheet.page(2), nullptr);
    EXPECT_EQ(sheet.page(2)->name(), "PAGE2");

    log.clear();
    sheet.current().Type(kTextEdit, "typed");
    sheet.Ok();
    EXPECT_EQ(log, (std::vector<std::string>{"0 11:Other", "0 11:Changed", "0 11:KillFocus", "0 inactive",
                                             "0 apply", "2 apply"}));
    EXPECT_TRUE(sheet.closed());
    EXPECT_TRUE(sheet.accepted());
    EXPECT_NONFATAL_FAILURE(sheet.Show(1), "after it closed");
}

TEST_F(SheetTest, TurningPagesSendsKillActiveThenCreatesOnce) {
    FakeSheet sheet(spec, ui);
    sheet.Open();
    sheet.Show(1);
    sheet.Show(0);
    sheet.Show(1);
    EXPECT_EQ(log, (std::vector<std::string>{"0 init", "0 active", "0 inactive", "1 init", "1 active",
                                             "1 inactive", "0 active", "0 inactive", "1 active"}));
}

TEST_F(SheetTest, CancelAppliesNothing) {
    FakeSheet sheet(spec, ui);
    sheet.Open();
    sheet.Show(1);
    log.clear();
    sheet.Cancel();
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(sheet.closed());
    EXPECT_FALSE(sheet.accepted());
}

TEST_F(SheetTest, PagesMayNotEndTheSheet) {
    FakeSheet sheet(spec, ui);
    sheet.Open();
    EXPECT_NONFATAL_FAILURE(sheet.current().End(1), "only the sheet's own buttons close it");
}

TEST(FakeShellHost, RecordsTheEditorSheetAndRunsItsPagesOnTheProgramsTemplates) {
    TempDir dir;
    CompiledStringTable builtin;
    FakeShellHost host;
    Shell shell(host, builtin, dir.path());
    shell.Start();
    EXPECT_EQ(host.placements(), std::vector<bool>{false});

    int pagesShown = 0;
    host.OnSheet([&pagesShown](FakeSheet& sheet) {
        for (int i = 0; i < sheet.pageCount(); ++i) {
            sheet.Show(i);
            ASSERT_NE(sheet.page(i), nullptr);
            EXPECT_FALSE(sheet.current().name().empty());
            ++pagesShown;
        }
        sheet.Ok();
    });
    shell.OnCommand(IDM_EDIT);
    EXPECT_EQ(pagesShown, 5);
    ASSERT_EQ(host.sheets().size(), 1u);
    EXPECT_EQ(host.sheets()[0].caption, "Formwright - [ New file ]");
    EXPECT_EQ(host.sheets()[0].titles,
              (std::vector<std::string>{"Form", "Menu", "Lookup", "Barcode", "Settings"}));
    EXPECT_EQ(host.sheets()[0].templates,
              (std::vector<std::string>{"FORMDLG", "MENUDLG", "LOOKUPDLG", "BARCODEDLG", "SETTINGSDLG"}));
}

TEST(FakeShellHost, FileDialogsAnswerFromTheQueue) {
    FakeShellHost host;
    host.QueueOpenChoice("C:\\a.QLT");
    host.QueueOpenChoice(std::nullopt);
    host.QueueSaveChoice("C:\\b.QLT");
    EXPECT_EQ(host.ChooseFileToOpen("start"), std::optional<std::string>("C:\\a.QLT"));
    EXPECT_EQ(host.ChooseFileToOpen(""), std::nullopt);
    EXPECT_EQ(host.openStarts(), (std::vector<std::string>{"start", ""}));
    EXPECT_EQ(host.ChooseFileToSave(), std::optional<std::string>("C:\\b.QLT"));
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(host.ChooseFileToSave(), std::nullopt), "queued no choice");
    EXPECT_EQ(host.saveDialogs(), 2);
}

}  // namespace
}  // namespace fw::test
