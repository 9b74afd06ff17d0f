// The Form page (FORMDLG): one form of the working copy at a time, its
// header choices and its 12 input lines. Everything is edited in the working
// copy; OnApply writes all 20 forms back into the template and tidies them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "pages/form/form_editor.h"
#include "pages/form/form_lists.h"
#include "ui/page.h"

namespace fw {

class TemplateDocument;
class UiStrings;

class FormPage final : public PageHandler {
public:
    FormPage(FormEditorState& state, TemplateDocument& doc, const UiStrings& strings);

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;
    void OnSetActive(Dialog& dialog) override;
    void OnApply(Dialog& dialog) override;
    std::span<const std::uint8_t> WorkingBytes() const override;

    // The Barcode page switched the RFID reader on (1) or off (0). Off turns
    // every stored "RFID" source of lines 1 to 12 into "all".
    void RefreshInputSources(int rfidState);

    // The page's routines; they work on the current form and the page the
    // page was created on.
    void FillFormPage();
    void ShowForm();
    void UpdateLineControls(int line);
    void FillLookupColumn(int line);
    void DisableNilLines();
    void ClearLine(int line);
    void ResetLineProperties(int line);
    void UpdateLargeDataChoice(int line);
    void SyncReaderTypes();
    void ApplyZorqMode(bool on);
    void ClearUnusedProperties();

    FormEditorState& state() { return state_; }
    const UiStrings& strings() const { return strings_; }

private:
    using LineHandler = void (FormPage::*)(int line, Notify code);
    struct LineSeries {
        int firstId;
        LineHandler handler;
    };
    static const LineSeries kLineSeries[];

    // Command handlers of the header row.
    void OnFormChosen();
    void OnLookupFileChosen();
    void OnRecordActionChosen();
    void OnResetClicked();
    void RunTimestampDialog();
    void RunOptionsDialog();

    // Command handlers of the line grid.
    void OnTypeChosen(int line, Notify code);
    void OnPromptChanged(int line, Notify code);
    void OnSourceChosen(int line, Notify code);
    void OnMinChanged(int line, Notify code);
    void OnMaxChanged(int line, Notify code);
    void OnLookupFieldChosen(int line, Notify code);
    void OnMoreClicked(int line, Notify code);

    // Helpers.
    FormRecord& form() { return state_.form(); }
    std::uint8_t type(int line) { return form().dataType[line]; }
    bool zorqForm() { return form().zorqMode != 0; }
    bool hasLookupFile() { return form().lookupFile >= 1 && form().lookupFile <= 5; }
    bool twoDReader() const;
    unsigned maxTotal(int line) { return SplitTotal(form().maxLengthBlocks[line], form().maxLength[line]); }
    std::uint8_t ZorqKeyCode();
    bool LookupListUsable(int line);
    void SetLookupListEnabled(int line, bool on);
    void SelectType(int line);
    void SelectSource(int line);
    void FillTypeList(int line, TypeListShape shape);
    void FillSourceList(int line);
    int ExtraTypeEntry(int line, int textId);
    bool TypeListHas(int line, int textId);
    void RemoveTypeEntry(int line, int textId);
    void AddTypeEntry(int line, int textId);
    void SetLineType(int line, std::uint8_t code);
    void MakeLineNil(int line);
    void EnableLineControls(int line, bool on);
    void EnableKeyAndAdvanced();
    void ShowLine(int line);
    void ApplyZorqOn();
    void ShapeZorqHead(int line, std::uint8_t code);
    void ApplyZorqOff();
    void ApplyLanguage();

    FormEditorState& state_;
    TemplateDocument& doc_;
    const UiStrings& strings_;
    Dialog* page_ = nullptr;  // the page window, kept for the Barcode page's call
    bool rfidListed_ = false;  // whether the input source lists hold "RFID"
    bool showingLengths_ = false;  // the page, not the user, writes the length boxes
    // What each line's lookup list holds now.
    enum class LookupColumnShape { Unfilled, Variables, Fields, SignedFields };
    std::array<LookupColumnShape, kFormVisibleLines> lookupShapes_{};
    // The form as it was when a line's data type list took the focus. Each
    // pick in the list starts from it again, so the entries passed on the way
    // (by the arrows or the wheel) leave nothing behind.
    struct TypePick {
        int form;
        int line;
        FormRecord before;
        std::array<std::uint8_t, kFormVisibleLines> showMarks;
    };
    std::optional<TypePick> typePick_;
};

}  // namespace fw
