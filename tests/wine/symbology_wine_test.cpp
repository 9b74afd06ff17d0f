// The parameter dialogs of the Barcode page on the real program's templates:
// each one is made from the executable's own dialog resource and run by its
// own logic behind the Windows dialog adapter, which is checked to touch only
// controls that the real dialog has.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "pages/reader/reader_dialog.h"
#include "pages/reader/symbology_coupon.h"
#include "pages/reader/symbology_dialog.h"
#include "pages/reader/symbology_ids.h"
#include "pages/reader/symbology_image_capture.h"
#include "pages/reader/symbology_macro_pdf.h"
#include "pages/reader/symbology_rfid.h"
#include "pages/reader/symbology_table.h"
#include "strings/string_source.h"
#include "strings/ui_strings.h"
#include "template/template_document.h"
#include "ui/dialog_template.h"
#include "ui/win32_dialog.h"
#include "wine/designer_session.h"

namespace fw::wine {
namespace {

// The Windows adapter, refusing any control the real dialog lacks.
class CheckedDialog final : public Dialog {
public:
    explicit CheckedDialog(HWND hwnd) : hwnd_(hwnd), real_(hwnd, false) {}

    Answer Message(std::string_view text, std::string_view, Buttons, Icon) override {
        ADD_FAILURE() << "message box: " << text;
        return Answer::Ok;
    }
    void SetTitle(std::string_view text) override { real_.SetTitle(text); }
    void SetText(int id, std::string_view text) override { Has(id) ? real_.SetText(id, text) : void(); }
    std::string GetText(int id) const override { return Has(id) ? real_.GetText(id) : std::string(); }
    void LimitText(int id, int maxChars) override { Has(id) ? real_.LimitText(id, maxChars) : void(); }
    void Enable(int id, bool on) override { Has(id) ? real_.Enable(id, on) : void(); }
    bool IsEnabled(int id) const override { return Has(id) && real_.IsEnabled(id); }
    void Show(int id, bool on) override { Has(id) ? real_.Show(id, on) : void(); }
    bool IsVisible(int id) const override { return Has(id) && real_.IsVisible(id); }
    void Check(int id, bool on) override { Has(id) ? real_.Check(id, on) : void(); }
    bool IsChecked(int id) const override { return Has(id) && real_.IsChecked(id); }
    void Focus(int id) override { Has(id) ? real_.Focus(id) : void(); }
    void ListClear(int id) override { Has(id) ? real_.ListClear(id) : void(); }
    int ListAdd(int id, std::string_view text) override { return Has(id) ? real_.ListAdd(id, text) : -1; }
    void ListInsert(int id, int index, std::string_view text) override {
        Has(id) ? real_.ListInsert(id, index, text) : void();
    }
    void ListDelete(int id, int index) override { Has(id) ? real_.ListDelete(id, index) : void(); }
    void ListSelect(int id, int index) override { Has(id) ? real_.ListSelect(id, index) : void(); }
    int ListSelection(int id) const override { return Has(id) ? real_.ListSelection(id) : -1; }
    int ListCount(int id) const override { return Has(id) ? real_.ListCount(id) : 0; }
    std::string ListText(int id, int index) const override {
        return Has(id) ? real_.ListText(id, index) : std::string();
    }
    int RunModal(const char* templateName, DialogHandler&) override {
        ADD_FAILURE() << "opened " << templateName;
        return -1;
    }
    void End(int result) override { result_ = result; }
    void AttachCanvas(int id, CanvasHandler* canvas) override { Has(id) ? real_.AttachCanvas(id, canvas) : void(); }
    void Invalidate(int id) override { Has(id) ? real_.Invalidate(id) : void(); }

    int result() const { return result_; }

private:
    bool Has(int id) const {
        if (GetDlgItem(hwnd_, id)) return true;
        ADD_FAILURE() << "control " << id << " is not in the dialog";
        return false;
    }

    HWND hwnd_;
    Win32Dialog real_;
    int result_ = -2;  // not ended
};

struct Harness {
    DialogHandler& handler;
    std::unique_ptr<CheckedDialog> dialog;
};

INT_PTR CALLBACK HarnessProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* harness = reinterpret_cast<Harness*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        harness = reinterpret_cast<Harness*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        harness->dialog = std::make_unique<CheckedDialog>(hwnd);
        harness->handler.OnInit(*harness->dialog);
        return TRUE;
    }
    if (message == WM_COMMAND && harness && harness->dialog) {
        harness->handler.OnCommand(*harness->dialog, LOWORD(wParam), NotifyFromCode(HIWORD(wParam)));
        return TRUE;
    }
    return FALSE;
}

class NoPage final : public BarcodePageLink {
public:
    void ShowCouponCode(bool) override {}
    void SyncGs1128Box() override {}
};

class SymbologyDialogs : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(ExeResourceModule(), nullptr) << "cannot load " << DesignerExe(); }

    // The dialog of this template, made from the executable's resource and
    // run by `handler`; nullptr when it cannot be made.
    HWND Make(const char* name, DialogHandler& handler) {
        const auto bytes = ResourceBytes(ExeResourceModule(), name, RT_DIALOG);
        if (bytes.empty()) return nullptr;
        harness_ = std::make_unique<Harness>(Harness{handler, nullptr});
        return CreateDialogIndirectParamA(ExeResourceModule(), reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
                                          nullptr, HarnessProc, reinterpret_cast<LPARAM>(harness_.get()));
    }
    // Clicks every check box the user can reach, then Cancel: the logic
    // ends the dialog with 0.
    void WorkAndCancel(const char* name, HWND dialog) {
        const DialogTemplate parsed = ParseDialogTemplate(ResourceBytes(ExeResourceModule(), name, RT_DIALOG));
        for (const DialogControl& control : parsed.controls) {
            HWND hwnd = GetDlgItem(dialog, control.id);
            const bool box = control.className == "Button" && (control.style & BS_TYPEMASK) == BS_CHECKBOX;
            if (box && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) Notify(hwnd, BN_CLICKED);
        }
        Notify(GetDlgItem(dialog, IDCANCEL), BN_CLICKED);
        EXPECT_EQ(harness_->dialog->result(), 0);
        DestroyWindow(dialog);
    }

    CompiledStringTable builtin;
    UiStrings strings{builtin};
    TemplateDocument doc{strings};
    ReaderDialogBackups backups;
    NoPage page;
    ReaderDialogContext context{doc, strings, backups, page};
    std::unique_ptr<Harness> harness_;

    void ResetDocument() {
        doc.Reset();
        doc.readerTypeState = DeriveReaderTypeState(doc.readerWorking);
    }
};

TEST_F(SymbologyDialogs, EveryMemberOpensOnItsTemplateWithEveryControlItsLogicTouches) {
    ResetDocument();
    for (const SymbologyDialogSpec& spec : SymbologyDialogSpecs()) {
        SCOPED_TRACE(spec.templateName);
        const auto bytes = ResourceBytes(ExeResourceModule(), spec.templateName, RT_DIALOG);
        EXPECT_FALSE(ParseDialogTemplate(bytes).style & WS_CHILD) << "a modal dialog, not a page";
        std::unique_ptr<SymbologyDialog> handler;
        switch (spec.kind) {
        case SymbologyKind::UpcaCouponGuard: handler = std::make_unique<UpcaCouponGuardDialog>(spec, context); break;
        case SymbologyKind::MacroPdf: handler = std::make_unique<MacroPdfDialog>(spec, context); break;
        case SymbologyKind::Plain: handler = std::make_unique<SymbologyDialog>(spec, context); break;
        }
        HWND dialog = Make(spec.templateName, *handler);
        ASSERT_NE(dialog, nullptr);
        WorkAndCancel(spec.templateName, dialog);
    }
}

TEST_F(SymbologyDialogs, CouponImageCaptureAndRfidDialogsOpenOnTheirTemplates) {
    ResetDocument();
    CouponDialog coupon(context);
    CouponContentDialog content(kCouponBoth, context);
    CouponNoteDialog note(CouponNote::PreambleRaised, strings);
    ImageCaptureDialog imageCapture(context);
    RfidDialog rfid(context);
    const struct {
        const char* name;
        DialogHandler& handler;
    } dialogs[] = {
        {COUPON_CODE_2D_NAME, coupon}, {COUPON_CODE_CONTENT_NAME, content}, {COUPON_CODE_NOTE_NAME, note},
        {IMAGECAPTUREDLG_2D_NAME, imageCapture}, {RFIDPARAMDLG_NAME, rfid},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.name);
        HWND dialog = Make(d.name, d.handler);
        ASSERT_NE(dialog, nullptr);
        WorkAndCancel(d.name, dialog);
    }
}

TEST_F(SymbologyDialogs, LengthBoxTakesNoMoreThan55AsItIsTyped) {
    ResetDocument();
    SymbologyDialog handler(*FindSymbologyDialog("CODE39DLG_1D955"), context);
    HWND dialog = Make("CODE39DLG_1D955", handler);
    ASSERT_NE(dialog, nullptr);
    HWND box = GetDlgItem(dialog, IDC_SYM_LENGTH2);
    SendMessageA(box, EM_SETSEL, 0, -1);
    for (char key : std::string("60")) SendMessageA(box, WM_CHAR, static_cast<WPARAM>(key), 0);
    EXPECT_EQ(TextOf(box), "55");
    SendMessageA(box, EM_SETSEL, 0, -1);
    for (char key : std::string("07")) SendMessageA(box, WM_CHAR, static_cast<WPARAM>(key), 0);
    EXPECT_EQ(TextOf(box), "7");
    Notify(GetDlgItem(dialog, IDOK), BN_CLICKED);
    EXPECT_EQ(harness_->dialog->result(), 1);
    EXPECT_EQ(doc.readerWorking.laserCode39Len2, 7);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace fw::wine
