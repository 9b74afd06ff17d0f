// The one dialog behind every member of the symbology table: it shows the
// bytes its table entry names, keeps the controls' enabling by the entry's
// rules and the length mode, and stores the bytes when confirmed. Cancel puts back the
// family's backup, taken when the dialog opened.
#pragma once

#include <set>

#include "pages/reader/reader_dialog.h"
#include "pages/reader/symbology_table.h"
#include "template/template_document.h"
#include "ui/byte_bindings.h"
#include "ui/dialog.h"

namespace fw {

class SymbologyDialog : public DialogHandler {
public:
    SymbologyDialog(const SymbologyDialogSpec& spec, ReaderDialogContext& context);

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;

protected:
    // For the members that go beyond the table. AfterShow runs once the
    // controls show the bytes, AfterListChange after the user picks a list
    // entry. BeforeStore may keep the dialog open by returning false;
    // AfterStore runs once every byte is stored, before the dialog ends.
    virtual void AfterShow(Dialog&) {}
    virtual void AfterListChange(Dialog&, int /*id*/) {}
    virtual bool BeforeStore(Dialog&) { return true; }
    virtual void AfterStore(Dialog&) {}

    ReaderBlock& working() { return context_.doc.readerWorking; }
    const SymbologyDialogSpec& spec() const { return spec_; }
    ReaderDialogContext& context() { return context_; }

private:
    ReaderBlock& Backup();
    void Show(Dialog& dialog);
    void ApplyRules(Dialog& dialog);
    void ShowLengthMode(Dialog& dialog, int mode);
    void OnLengthModeChanged(Dialog& dialog);
    void OnBoxChanged(Dialog& dialog, int id, RangeCheck check);
    void Confirm(Dialog& dialog);
    bool StoreLengths(Dialog& dialog);

    const SymbologyDialogSpec& spec_;
    ReaderDialogContext& context_;
    ByteBindings boxes_;
    bool showing_ = false;
    std::set<int> edited_;  // number boxes the user has typed in
};

}  // namespace fw
