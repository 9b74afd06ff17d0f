// A running preview: the terminal playing the current template on the face,
// and the panel beside it with the reader input, the lookup data, the stored
// records and what the preview does not play. The window side paints the
// screen and passes the face's keys, the PC keyboard and the time in.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "preview/terminal_preview.h"
#include "ui/dialog.h"

namespace fw {

class PreviewHost {
public:
    virtual ~PreviewHost() = default;
    // The screen changed and is to be painted again.
    virtual void ScreenChanged() = 0;
    // TimeUp is due after `ms`; a new request replaces the running one.
    virtual void StartTimer(int ms) = 0;
    virtual void StopTimer() = 0;
    // File dialogs; nothing when cancelled. The export starts at `name`.
    virtual std::optional<std::string> ChooseLookupData() = 0;
    virtual std::optional<std::string> ChooseExportFile(const std::string& name) = 0;
    // Esc on the terminal's main screen: the preview is over.
    virtual void PreviewEnded() = 0;
    // A panel action is done: the keys go to the terminal again.
    virtual void ReturnKeysToTerminal() = 0;
};

class PreviewSession final : public DialogHandler {
public:
    PreviewSession(const TemplateDocument& doc, PreviewHost& host, PreviewClock clock);
    ~PreviewSession() override;

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;
    // The panel is going; nothing is shown on it afterwards.
    void PanelClosed() { dialog_ = nullptr; }

    // A click on key 1 to 27 of the face.
    void FaceKey(int key);
    void Press(TerminalKey key);
    void Type(char c);
    void TimeUp();

    // When the template in memory is no longer the one played (after Edit,
    // Open, New or a change of language), the preview starts again on it:
    // the lookup data stay, the records of the old shapes go.
    void TemplateMayHaveChanged(const TemplateDocument& doc);
    // A save prepared the template in memory as the preview had prepared
    // its copy: the same template plays on, under its new file name too.
    void TemplateSaved(const TemplateDocument& doc);
    // Whether the preview may end: with records not yet exported, only when
    // the user says so. Otherwise it plays on, from its start screen when
    // Esc on its main screen had ended it.
    bool MayEnd(MessageOwner& owner);

    const TerminalPreview& preview() const { return *preview_; }

private:
    struct Snapshot;

    void Changed();
    void Scan();
    void ChooseLookupData(Dialog& dialog);
    void Export(Dialog& dialog);
    void ShowLookups();
    void ShowRefused();
    void ShowRecordForms();
    void ShowRecords();
    void ShowNotes();
    int ShownForm() const;
    std::string Text(int id) const;

    PreviewHost& host_;
    PreviewClock clock_;
    std::unique_ptr<Snapshot> played_;
    std::unique_ptr<TerminalPreview> preview_;
    Dialog* dialog_ = nullptr;
    std::size_t recordsShown_ = 0;
    std::vector<int> recordForms_;  // the forms the record list offers, in its order
    std::array<std::size_t, kFormCount> exported_{};  // per form, the records its last export wrote
};

}  // namespace fw
