// In-memory dialogs for the native tests. A FakeDialog is built from one of
// the program's real dialog templates and behaves like the Windows controls
// the page and dialog logic talks to: it raises the notifications Windows
// raises (an edit's change notification inside SetText, none for Check,
// Enable or ListSelect), leaves a clicked button's mark to the logic, honours
// ES_NUMBER and the text limit when the user types, and fails the test when
// the logic touches a control the template does not have.
//
// FakeSheet plays the editor property sheet, FakeShellHost the main window's
// side of the shell. Scripts registered by template name play the user in the
// modal dialogs that the logic opens.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/shell.h"
#include "editor/editor_sheet.h"
#include "ui/canvas.h"
#include "ui/dialog.h"
#include "ui/dialog_template.h"
#include "ui/page.h"

namespace fw::test {

// The program's dialog templates, read once per test run from the compiled
// resources. TestTemplate fails the test when the name is missing and then
// gives an empty template.
const std::map<std::string, DialogTemplate>& TestTemplates();
const DialogTemplate& TestTemplate(const std::string& name);

enum class ControlKind { PushButton, CheckBox, RadioButton, Edit, ComboBox, Other };

struct MessageRecord {
    std::string text;
    std::string title;
    Buttons buttons;
    Icon icon;
};

class FakeDialog;
using ModalScript = std::function<void(FakeDialog&)>;

// What the fakes of one test share: the templates that modal dialogs are
// built from, the scripts that play the user in them, the message boxes
// shown and the answers the test has queued for them.
class FakeUi : public std::enable_shared_from_this<FakeUi> {
public:
    // The script runs each time the dialog is opened, after its OnInit, and
    // must end it. A later registration replaces an earlier one.
    void OnModal(const std::string& templateName, ModalScript script);
    void QueueAnswer(Answer answer);

    // Every message box shown, in order.
    const std::vector<MessageRecord>& messages() const { return messages_; }
    // Names of the modal dialogs opened, in order.
    const std::vector<std::string>& modalsRun() const { return modalsRun_; }

    // With no queued answer an Ok or OkCancel box answers Ok, a YesNo or
    // YesNoCancel box Yes.
    Answer ShowMessage(std::string_view text, std::string_view title, Buttons buttons, Icon icon);
    // owner: the dialog that is blocked while this one runs (none for the
    // main window).
    int RunModal(const char* templateName, DialogHandler& handler, FakeDialog* owner);

private:
    std::map<std::string, ModalScript> scripts_;
    std::deque<Answer> answers_;
    std::vector<MessageRecord> messages_;
    std::vector<std::string> modalsRun_;
};

class FakeDialog final : public Dialog {
public:
    // With a FakeUi, the dialog shares the scripts, answers and messages of
    // others; without, it has one of its own (on the program's templates).
    FakeDialog(const DialogTemplate& dialogTemplate, DialogHandler& handler, std::shared_ptr<FakeUi> ui = nullptr);
    FakeDialog(const FakeDialog&) = delete;
    FakeDialog& operator=(const FakeDialog&) = delete;

    // The dialog opens: the handler's OnInit.
    void Init();

    // Dialog
    Answer Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override;
    void SetTitle(std::string_view text) override;
    void SetText(int id, std::string_view text) override;
    std::string GetText(int id) const override;
    void LimitText(int id, int maxChars) override;
    void Enable(int id, bool on) override;
    bool IsEnabled(int id) const override;
    void Show(int id, bool on) override;
    bool IsVisible(int id) const override;
    void Check(int id, bool on) override;
    bool IsChecked(int id) const override;
    bool IsCheckable(int id) const override;
    void Focus(int id) override;
    void ListClear(int id) override;
    int ListAdd(int id, std::string_view text) override;
    void ListInsert(int id, int index, std::string_view text) override;
    void ListDelete(int id, int index) override;
    void ListSelect(int id, int index) override;
    int ListSelection(int id) const override;
    int ListCount(int id) const override;
    std::string ListText(int id, int index) const override;
    int RunModal(const char* templateName, DialogHandler& handler) override;
    void End(int result) override;
    void AttachCanvas(int id, CanvasHandler* canvas) override;
    void Invalidate(int id) override;

    // What the user does. Each refuses (fails the test) a control that is
    // disabled or hidden, or a dialog that has ended or is blocked by a modal
    // dialog it opened. Each moves the focus to the control first: KillFocus
    // on the control that had it, Other on the one that gets it (edits and
    // lists report focus changes; the templates' buttons do not).
    void Type(int id, std::string_view text);  // an edit's whole text, then Changed once
    // Type, then what the edit shows: what the user sees after typing.
    std::string Typed(int id, std::string_view text);
    // Keys one by one at the caret, each raising Changed, as the keyboard
    // delivers them; '\b' is Backspace.
    void TypeKeys(int id, std::string_view keys);
    // A key, or a character typed, on a control that the logic paints itself.
    void PressKey(int id, CanvasKey key);
    void PressCharacter(int id, char c);
    void Click(int id);                        // buttons, check boxes, radio buttons
    // A list entry: the combo box reports its drop-down opening (Other), then
    // SelChange, then its closing (Other).
    void Choose(int id, int index);
    // The entry with this text, as the user reads it; fails without one.
    void Choose(int id, std::string_view text);
    void Leave(int id);                        // the focus leaves the control: KillFocus
    // A left click at (x, y) in the client pixels of a control that the
    // logic paints itself (one with a canvas attached).
    void ClickAt(int id, int x, int y);
    void Ok();                                 // Click(1)
    void Cancel();                             // Esc: Clicked for id 2, with or without a button 2

    // Inspection, beyond what the Dialog interface reads.
    const std::string& name() const { return name_; }
    const std::string& title() const { return title_; }
    ControlKind kind(int id) const;
    std::vector<std::string> items(int id) const;
    int focus() const { return focus_; }  // 0: no control has the focus
    int caret(int id) const;              // of an edit
    // Lets the control's canvas paint into painter; false when it declines.
    bool Paint(int id, Painter& painter) const;
    int invalidations(int id) const;
    // A control's client size in pixels, from its template size in dialog
    // units at the base units of the default dialog font (6 × 13 pixels).
    int pixelWidth(int id) const;
    int pixelHeight(int id) const;
    bool ended() const { return ended_; }
    int result() const { return result_; }

    FakeUi& ui() { return *ui_; }
    void OnModal(const std::string& templateName, ModalScript script) { ui_->OnModal(templateName, std::move(script)); }
    const std::vector<MessageRecord>& messages() const { return ui_->messages(); }

private:
    friend class FakeSheet;
    friend class FakeUi;

    // Blank, it is the stand-in for a control that a call cannot find.
    struct Control {
        int id = 0;
        std::uint32_t style = 0;
        ControlKind kind = ControlKind::Other;
        std::string className;  // as the template gives it, for the failure messages
        std::string text;
        bool enabled = false;
        bool visible = false;
        bool checked = false;
        std::vector<std::string> items;
        int selection = -1;
        int caret = 0;  // of an edit: characters before it
        std::size_t limit = 0;
        int width = 0;  // dialog units
        int height = 0;
        CanvasHandler* canvas = nullptr;
        int invalidations = 0;
    };

    // What a call needs of the control it names, in the order of Find's table.
    enum class Need { Any, List, Checkable, Button, Edit, Canvas };
    // The control. When the template lacks it or it is not what the call
    // needs: a failure, and the stand-in, which takes the call harmlessly.
    // One lookup serves the calls that change a control and those that read it.
    Control& Find(int id, const char* call, Need need = Need::Any) const;
    bool AcceptsInput(const char* action);
    // Find, for the user: also fails on a hidden or disabled control, and on
    // a read-only edit to type in; the control then has the focus unless
    // `focus` is false.
    Control* Reach(int id, const char* action, Need need, bool focus = true);
    void MoveFocus(int id);
    void LoseFocus();
    void Raise(int id, Notify code);

    std::string name_;
    DialogHandler& handler_;
    std::shared_ptr<FakeUi> ui_;
    std::vector<Control> controls_;
    std::string title_;
    bool isPage_ = false;
    bool ended_ = false;
    int result_ = 0;
    int focus_ = 0;
    int blockedBy_ = 0;  // modal dialogs running on top of this one
    int depth_ = 0;      // notifications being handled right now
    bool runaway_ = false;
    mutable Control standIn_;
};

// The editor property sheet: pages are created when first shown (OnInit, then
// OnSetActive); OK sends OnKillActive to the current page and OnApply to
// every page created, in order; Cancel asks the current page whether the
// sheet may close and applies nothing.
class FakeSheet {
public:
    explicit FakeSheet(const SheetSpec& spec);
    FakeSheet(const FakeSheet&) = delete;
    FakeSheet& operator=(const FakeSheet&) = delete;

    // The sheet opens on its first page.
    void Open();
    // The user turns to another page.
    void Show(int index);
    void Ok();
    void Cancel();

    bool closed() const { return closed_; }
    FakeDialog& current();
    // nullptr for a page that has not been created.
    FakeDialog* page(int index) { return pages_.at(static_cast<std::size_t>(index)).dialog.get(); }
    FakeUi& ui() { return *ui_; }

private:
    struct Page {
        SheetPage spec;
        std::unique_ptr<FakeDialog> dialog;
    };

    bool Usable(const char* action);
    // The current page loses the focus and is told it is left.
    void LeaveCurrent();
    void Activate(int index);

    std::shared_ptr<FakeUi> ui_ = std::make_shared<FakeUi>();
    std::vector<Page> pages_;
    int current_ = -1;
    bool closed_ = false;
};

// The index of the first entry of a list with this text, or -1: how a test
// picks an entry by what the user reads.
int ListFind(const Dialog& dialog, int id, std::string_view text);

// Whether each control is enabled, or checked, as 1 or 0, so a block of them
// is compared at once: EXPECT_EQ(Enabled(d, {a, b}), Values(1, 0)).
std::vector<int> Enabled(const Dialog& dialog, std::initializer_list<int> ids);
std::vector<int> Checked(const Dialog& dialog, std::initializer_list<int> ids);
// The controls' texts joined by "|".
std::string Texts(const Dialog& dialog, std::initializer_list<int> ids);

// A handler that does nothing: the logic of a dialog that only owns the
// one under test.
DialogHandler& NoLogic();

// A click in the middle of the code's cell of the character grid.
void ClickGridCode(FakeDialog& grid, std::uint8_t code);

// The main window's side of the shell: what the shell asked of it, and the
// answers the test has queued for its file dialogs.
class FakeShellHost final : public ShellHost {
public:
    // Answers of the Save and Open dialogs, in order; nullopt is a cancel.
    // A dialog with no queued answer fails the test.
    std::deque<std::optional<std::string>> saveChoices;
    std::deque<std::optional<std::string>> openChoices;
    int saveDialogs = 0;
    std::vector<std::string> openStarts;  // the start folder each Open dialog was given

    // The sheet is only recorded, as if cancelled at once.
    struct SheetRecord {
        std::string caption;
        std::vector<std::string> titles;
    };
    std::vector<SheetRecord> sheets;
    std::vector<bool> placements;  // topmost per PlaceWindow
    int recentFilesChanged = 0;
    int menuTextsChanged = 0;
    int destroyed = 0;

    // The modal dialogs' scripts, the answers queued and the messages shown.
    FakeUi& ui() const { return *ui_; }

    // ShellHost
    Answer Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override;
    std::optional<std::string> ChooseFileToSave() override;
    std::optional<std::string> ChooseFileToOpen(const std::string& start) override;
    int RunModal(const char* templateName, DialogHandler& handler) override;
    void RunPropertySheet(const SheetSpec& sheet) override;
    void PlaceWindow(bool topmost) override { placements.push_back(topmost); }
    void RecentFilesChanged() override { ++recentFilesChanged; }
    void MenuTextsChanged() override { ++menuTextsChanged; }
    void DestroyWindow() override { ++destroyed; }

private:
    std::shared_ptr<FakeUi> ui_ = std::make_shared<FakeUi>();
};

}  // namespace fw::test
