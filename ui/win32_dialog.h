// The Windows side of fw::Dialog: a dialog window's controls behind the
// interface that page and dialog logic is written against, and the one
// dialog procedure that runs every DialogHandler.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/dialog.h"

namespace fw {

// MessageBoxA with the interface's buttons and icon.
Answer ShowMessageBox(HWND owner, std::string_view text, std::string_view title, Buttons buttons, Icon icon);

// What a WM_COMMAND notification code means to a handler.
Notify NotifyFromCode(UINT code);

class Win32Dialog final : public Dialog {
public:
    // modal: a dialog that ends with EndDialog; a property-sheet page does not
    // end itself, so End is ignored there.
    Win32Dialog(HWND hwnd, bool modal) : hwnd_(hwnd), modal_(modal) {}

    HWND hwnd() const { return hwnd_; }
    // Whether a handler moved the focus while the dialog was opening.
    bool focusMoved() const { return focusMoved_; }

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

private:
    LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    HWND hwnd_;
    bool modal_;
    bool focusMoved_ = false;
};

// What a dialog procedure keeps in its window's DWLP_USER slot, from
// WM_INITDIALOG to WM_NCDESTROY: the handler and the adapter it is given.
template <class Handler>
struct DialogBinding {
    Handler* handler;
    Win32Dialog dialog;
};

template <class Handler>
DialogBinding<Handler>* BindingOf(HWND hwnd) {
    return reinterpret_cast<DialogBinding<Handler>*>(GetWindowLongPtrA(hwnd, DWLP_USER));
}

// The messages that modal dialogs and property-sheet pages handle alike:
// WM_INITDIALOG binds `handler` and runs its OnInit, WM_COMMAND reaches
// OnCommand, WM_NCDESTROY lets go. The procedure's result, or nothing for
// any other message.
template <class Handler>
std::optional<INT_PTR> HandleDialogMessage(HWND hwnd, UINT message, WPARAM wParam, Handler* handler, bool modal) {
    auto* binding = BindingOf<Handler>(hwnd);
    switch (message) {
    case WM_INITDIALOG:
        binding = new DialogBinding<Handler>{handler, Win32Dialog(hwnd, modal)};
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(binding));
        handler->OnInit(binding->dialog);
        // TRUE lets the dialog manager focus the first control; a handler
        // that chose a control itself keeps its choice.
        return binding->dialog.focusMoved() ? FALSE : TRUE;
    case WM_COMMAND:
        if (!binding) return FALSE;
        binding->handler->OnCommand(binding->dialog, LOWORD(wParam), NotifyFromCode(HIWORD(wParam)));
        return TRUE;
    case WM_NCDESTROY:
        delete binding;
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        return FALSE;
    default:
        return std::nullopt;
    }
}

// Runs the dialog template modally over owner with the handler behind it;
// returns what the handler passed to End (-1 when the dialog cannot be made).
int RunModalDialog(HWND owner, const char* templateName, DialogHandler& handler);

}  // namespace fw
