// The one way page and dialog logic talks to its controls. The Windows
// program adapts it to real windows (win32_dialog); the tests drive the same
// logic through an in-memory fake built from the same dialog templates.
#pragma once

#include <string>
#include <string_view>

namespace fw {

// Standard button ids, as the dialog templates use them.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// What a control reports to its dialog.
enum class Notify {
    Clicked,     // a button was pressed
    Changed,     // an edit's text changed, by typing or by SetText
    SelChange,   // the user picked another entry of a list
    KillFocus,   // the control lost the keyboard focus
    Other,       // anything else a control reports (drop-down opened, focus gained, ...)
};

// YesNo asks before work is lost: No is its default button.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Exclamation, Question, Information };
enum class Answer { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };

class CanvasHandler;
class DialogHandler;

// Anything that can own a message box.
class MessageOwner {
public:
    virtual ~MessageOwner() = default;
    // Shows a message box owned by this window; returns the button pressed.
    virtual Answer Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) = 0;
};

class Dialog : public MessageOwner {
public:

    virtual void SetTitle(std::string_view text) = 0;
    // Setting an edit's text raises Changed, as typing does.
    virtual void SetText(int id, std::string_view text) = 0;
    virtual std::string GetText(int id) const = 0;
    // Most characters the user can type into an edit; SetText is not bound by it.
    virtual void LimitText(int id, int maxChars) = 0;

    virtual void Enable(int id, bool on) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual void Show(int id, bool on) = 0;
    virtual bool IsVisible(int id) const = 0;
    virtual void Check(int id, bool on) = 0;
    virtual bool IsChecked(int id) const = 0;
    // A check box or radio button: a button that carries a mark.
    virtual bool IsCheckable(int id) const = 0;
    virtual void Focus(int id) = 0;

    // Drop-down lists. Selecting by code raises no notification.
    virtual void ListClear(int id) = 0;
    virtual int ListAdd(int id, std::string_view text) = 0;
    virtual void ListInsert(int id, int index, std::string_view text) = 0;
    virtual void ListDelete(int id, int index) = 0;
    virtual void ListSelect(int id, int index) = 0;  // -1: nothing selected
    virtual int ListSelection(int id) const = 0;     // -1 when nothing is selected
    virtual int ListCount(int id) const = 0;
    virtual std::string ListText(int id, int index) const = 0;

    // Runs another dialog template modally, owned by this one; returns what
    // its handler passed to End.
    virtual int RunModal(const char* templateName, DialogHandler& handler) = 0;
    // Ends a modal dialog with a result.
    virtual void End(int result) = 0;

    // Lets `canvas` paint the control and take its clicks (nullptr: stop).
    virtual void AttachCanvas(int id, CanvasHandler* canvas) = 0;
    // Asks for the control to be painted again.
    virtual void Invalidate(int id) = 0;
};

// The logic of one dialog: it fills the controls when the dialog opens and
// reacts to what they report.
class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    virtual void OnInit(Dialog& dialog) = 0;
    virtual void OnCommand(Dialog& dialog, int id, Notify code) = 0;
};

}  // namespace fw
