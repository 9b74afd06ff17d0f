#include "ui/win32_dialog.h"

#include "ui/caret.h"
#include "ui/win32_canvas.h"

namespace fw {
namespace {

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* handler = message == WM_INITDIALOG ? reinterpret_cast<DialogHandler*>(lParam) : nullptr;
    return HandleDialogMessage(hwnd, message, wParam, handler, true).value_or(FALSE);
}

std::string Terminated(std::string_view text) { return std::string(text); }

}  // namespace

Answer ShowMessageBox(HWND owner, std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
    UINT style = 0;
    switch (buttons) {
    case Buttons::Ok: style = MB_OK; break;
    case Buttons::OkCancel: style = MB_OKCANCEL; break;
    case Buttons::YesNo: style = MB_YESNO | MB_DEFBUTTON2; break;
    case Buttons::YesNoCancel: style = MB_YESNOCANCEL; break;
    }
    switch (icon) {
    case Icon::None: break;
    case Icon::Exclamation: style |= MB_ICONEXCLAMATION; break;
    case Icon::Question: style |= MB_ICONQUESTION; break;
    case Icon::Information: style |= MB_ICONINFORMATION; break;
    }
    switch (MessageBoxA(owner, Terminated(text).c_str(), Terminated(title).c_str(), style)) {
    case IDOK: return Answer::Ok;
    case IDCANCEL: return Answer::Cancel;
    case IDYES: return Answer::Yes;
    case IDNO: return Answer::No;
    default: return Answer::None;
    }
}

Notify NotifyFromCode(UINT code) {
    // The codes of buttons, edits and combo boxes share one number space; the
    // only overlaps are with notifications of obsolete user-drawn buttons. A
    // menu or accelerator command (code 0 or 1) never reaches a dialog, except
    // IDOK/IDCANCEL from Enter and Esc, which arrive as BN_CLICKED.
    switch (code) {
    case BN_CLICKED: return Notify::Clicked;
    case EN_CHANGE: return Notify::Changed;
    case CBN_SELCHANGE: return Notify::SelChange;
    case EN_KILLFOCUS:
    case CBN_KILLFOCUS: return Notify::KillFocus;
    default: return Notify::Other;
    }
}

LRESULT Win32Dialog::Send(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendDlgItemMessageA(hwnd_, id, message, wParam, lParam);
}

Answer Win32Dialog::Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
    return ShowMessageBox(hwnd_, text, title, buttons, icon);
}

void Win32Dialog::SetTitle(std::string_view text) { SetWindowTextA(hwnd_, Terminated(text).c_str()); }

void Win32Dialog::SetText(int id, std::string_view text) {
    HWND control = GetDlgItem(hwnd_, id);
    if (!control) return;
    char className[8] = "";
    GetClassNameA(control, className, sizeof className);
    const bool typing = GetFocus() == control && lstrcmpiA(className, "Edit") == 0;
    if (!typing) {
        SetWindowTextA(control, Terminated(text).c_str());
        return;
    }
    DWORD caret = 0;
    Send(id, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const std::string before = GetText(id);
    // The change notification inside may rewrite the box again; the caret
    // follows the text the box ends with.
    SetWindowTextA(control, Terminated(text).c_str());
    const int after = CaretAfterRewrite(before, static_cast<int>(caret), GetText(id));
    Send(id, EM_SETSEL, static_cast<WPARAM>(after), after);
}

std::string Win32Dialog::GetText(int id) const {
    HWND control = GetDlgItem(hwnd_, id);
    if (!control) return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    const UINT length = GetDlgItemTextA(hwnd_, id, text.data(), static_cast<int>(text.size()));
    text.resize(length);
    return text;
}

void Win32Dialog::LimitText(int id, int maxChars) { Send(id, EM_LIMITTEXT, static_cast<WPARAM>(maxChars)); }

void Win32Dialog::Enable(int id, bool on) {
    if (HWND control = GetDlgItem(hwnd_, id)) EnableWindow(control, on ? TRUE : FALSE);
}

bool Win32Dialog::IsEnabled(int id) const {
    HWND control = GetDlgItem(hwnd_, id);
    return control && IsWindowEnabled(control);
}

void Win32Dialog::Show(int id, bool on) {
    if (HWND control = GetDlgItem(hwnd_, id)) ShowWindow(control, on ? SW_SHOW : SW_HIDE);
}

bool Win32Dialog::IsVisible(int id) const {
    // The control's own style: a page that is not on top is hidden as a
    // whole, which says nothing about its controls.
    HWND control = GetDlgItem(hwnd_, id);
    return control && (GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Dialog::Check(int id, bool on) { CheckDlgButton(hwnd_, id, on ? BST_CHECKED : BST_UNCHECKED); }

bool Win32Dialog::IsChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }

bool Win32Dialog::IsCheckable(int id) const {
    HWND control = GetDlgItem(hwnd_, id);
    char className[8] = "";
    if (!control || !GetClassNameA(control, className, sizeof className) || lstrcmpiA(className, "Button") != 0)
        return false;
    switch (GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE: case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return true;
    default:
        return false;
    }
}

void Win32Dialog::Focus(int id) {
    HWND control = GetDlgItem(hwnd_, id);
    if (!control) return;
    // Through the dialog manager, so the default button follows the focus.
    SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    focusMoved_ = true;
}

void Win32Dialog::ListClear(int id) { Send(id, CB_RESETCONTENT); }

int Win32Dialog::ListAdd(int id, std::string_view text) {
    const std::string item = Terminated(text);
    return static_cast<int>(Send(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

void Win32Dialog::ListInsert(int id, int index, std::string_view text) {
    const std::string item = Terminated(text);
    Send(id, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.c_str()));
}

void Win32Dialog::ListDelete(int id, int index) { Send(id, CB_DELETESTRING, static_cast<WPARAM>(index)); }

void Win32Dialog::ListSelect(int id, int index) { Send(id, CB_SETCURSEL, static_cast<WPARAM>(index)); }

int Win32Dialog::ListSelection(int id) const {
    const LRESULT index = Send(id, CB_GETCURSEL);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

int Win32Dialog::ListCount(int id) const {
    const LRESULT count = Send(id, CB_GETCOUNT);
    return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::string Win32Dialog::ListText(int id, int index) const {
    const LRESULT length = Send(id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = Send(id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int Win32Dialog::RunModal(const char* templateName, DialogHandler& handler) {
    return RunModalDialog(hwnd_, templateName, handler);
}

void Win32Dialog::End(int result) {
    if (modal_) EndDialog(hwnd_, result);
}

void Win32Dialog::AttachCanvas(int id, CanvasHandler* canvas) {
    if (HWND control = GetDlgItem(hwnd_, id)) BindCanvas(control, *this, canvas);
}

void Win32Dialog::Invalidate(int id) {
    if (HWND control = GetDlgItem(hwnd_, id)) InvalidateRect(control, nullptr, TRUE);
}

int RunModalDialog(HWND owner, const char* templateName, DialogHandler& handler) {
    return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), templateName, owner, DialogProc,
                                            reinterpret_cast<LPARAM>(&handler)));
}

}  // namespace fw
