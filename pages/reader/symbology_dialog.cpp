#include "pages/reader/symbology_dialog.h"

#include <algorithm>
#include <string>
#include <utility>

#include "pages/reader/symbology_controls.h"
#include "pages/reader/symbology_ids.h"
#include "strings/ui_strings.h"
#include "template/template_document.h"
#include "ui/control_rules.h"

namespace fw {
namespace {

// Length modes, as the mode list orders them ("Any Length" ... "Range").
constexpr int kOneLength = 1;
constexpr int kTwoLengths = 2;
constexpr int kRange = 3;
constexpr unsigned kMaxLength = 55;

constexpr LanguageLabel kLengthModeLabel[] = {{IDC_SYM_LENGTH_MODE_LABEL, 1154}};  // "Select Length :"

// The labels of the two length boxes, by mode.
struct LengthTexts {
    int minimum, maximum;  // under "Range"
    int length1, length2;  // otherwise
};
constexpr LengthTexts kLengthTexts{571, 572, 573, 574};
constexpr LengthTexts kElrLengthTexts{491, 492, 493, 494};

bool Allows(const Dialog& dialog, const EnableRule& rule) {
    switch (rule.when) {
    case EnabledWhen::Checked: return dialog.IsChecked(rule.source);
    case EnabledWhen::NotFirst: return dialog.ListSelection(rule.source) > 0;
    case EnabledWhen::Entry: return dialog.ListSelection(rule.source) == rule.entry;
    }
    return false;
}

}  // namespace

SymbologyDialog::SymbologyDialog(const SymbologyDialogSpec& spec, ReaderDialogContext& context)
    : spec_(spec), context_(context), boxes_(spec.boxes) {}

ReaderBlock& SymbologyDialog::Backup() {
    switch (spec_.family) {
    case SymbologyFamily::Laser: return context_.backups.laser;
    case SymbologyFamily::Elr: return context_.backups.elr;
    case SymbologyFamily::TwoD: break;
    }
    return context_.backups.twoD;
}

void SymbologyDialog::OnInit(Dialog& dialog) {
    ApplyLanguageLabels(dialog, context_.strings, spec_.titleLanguageId, spec_.languageLabels);
    if (spec_.lengthMode) ApplyLanguageLabels(dialog, context_.strings, 0, kLengthModeLabel);
    Backup() = working();
    Show(dialog);
    AfterShow(dialog);
}

void SymbologyDialog::Show(Dialog& dialog) {
    showing_ = true;
    edited_.clear();
    const std::uint8_t* bytes = BlockBytes(working());
    boxes_.Show(dialog, bytes);
    ListBytes(spec_.lists).Fill(dialog, context_.strings, bytes);
    for (const NumberByte& number : spec_.numbers) {
        dialog.LimitText(number.control, static_cast<int>(NumberText(number.max).size()));
        dialog.SetText(number.control, NumberText(bytes[number.offset]));
    }
    for (const CharByte& character : spec_.characters) {
        dialog.LimitText(character.control, 1);
        const char c = static_cast<char>(bytes[character.offset]);
        dialog.SetText(character.control, c ? std::string(1, c) : std::string());
    }
    if (spec_.lengthMode) {
        const std::size_t mode = *spec_.lengthMode;
        FillList(dialog, IDC_SYM_LENGTH_MODE, TextRun(context_.strings, kLengthModeTexts, kLengthModeCount));
        SelectEntry(dialog, IDC_SYM_LENGTH_MODE, bytes[mode]);
        for (int box : {IDC_SYM_LENGTH1, IDC_SYM_LENGTH2}) dialog.LimitText(box, 2);
        dialog.SetText(IDC_SYM_LENGTH1, NumberText(bytes[mode + 1]));
        dialog.SetText(IDC_SYM_LENGTH2, NumberText(bytes[mode + 2]));
        ShowLengthMode(dialog, dialog.ListSelection(IDC_SYM_LENGTH_MODE));
    }
    showing_ = false;
    ApplyRules(dialog);
}

void SymbologyDialog::ApplyRules(Dialog& dialog) {
    for (const EnableRule& rule : spec_.rules) {
        const bool on = Allows(dialog, rule);
        dialog.Enable(rule.control, on);
        if (rule.label != 0) dialog.Enable(rule.label, on);
        if (!on && rule.unchecks) dialog.Check(rule.control, false);
    }
}

void SymbologyDialog::ShowLengthMode(Dialog& dialog, int mode) {
    const LengthTexts& texts = spec_.family == SymbologyFamily::Elr ? kElrLengthTexts : kLengthTexts;
    const bool range = mode == kRange;
    dialog.SetText(IDC_SYM_LENGTH1_LABEL, context_.strings.Text(range ? texts.minimum : texts.length1));
    dialog.SetText(IDC_SYM_LENGTH2_LABEL, context_.strings.Text(range ? texts.maximum : texts.length2));
    EnableAll(dialog, {IDC_SYM_LENGTH1, IDC_SYM_LENGTH1_LABEL}, mode >= kOneLength);
    EnableAll(dialog, {IDC_SYM_LENGTH2, IDC_SYM_LENGTH2_LABEL}, mode >= kTwoLengths);
}

void SymbologyDialog::OnLengthModeChanged(Dialog& dialog) {
    const bool wasEnabled[] = {dialog.IsEnabled(IDC_SYM_LENGTH1), dialog.IsEnabled(IDC_SYM_LENGTH2)};
    ShowLengthMode(dialog, dialog.ListSelection(IDC_SYM_LENGTH_MODE));
    // A length that comes into use starts from 1 rather than from nothing.
    int i = 0;
    for (int box : {IDC_SYM_LENGTH1, IDC_SYM_LENGTH2}) {
        if (!wasEnabled[i++] && dialog.IsEnabled(box) && ParseNumber(dialog.GetText(box)).value_or(0) == 0)
            dialog.SetText(box, "1");
    }
}

void SymbologyDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    switch (code) {
    case Notify::Clicked:
        if (id == kIdOk) {
            Confirm(dialog);
        } else if (id == kIdCancel) {
            working() = Backup();
            dialog.End(0);
        } else if (boxes_.Flip(dialog, id)) {
            ApplyRules(dialog);
        }
        break;
    case Notify::SelChange:
        if (spec_.lengthMode && id == IDC_SYM_LENGTH_MODE) OnLengthModeChanged(dialog);
        ApplyRules(dialog);
        AfterListChange(dialog, id);
        break;
    case Notify::Changed:
        OnBoxChanged(dialog, id, RangeCheck::Typing);
        break;
    case Notify::KillFocus:
        OnBoxChanged(dialog, id, RangeCheck::Final);
        break;
    default:
        break;
    }
}

// A box the user has not typed in carries its byte, even a value from a file
// that the box's rule would correct: only what the user types is corrected.
void SymbologyDialog::OnBoxChanged(Dialog& dialog, int id, RangeCheck check) {
    if (showing_) return;
    if (check == RangeCheck::Typing) edited_.insert(id);
    if (!edited_.contains(id)) return;
    for (const NumberByte& number : spec_.numbers)
        if (number.control == id) CorrectRangeBox(dialog, id, number.min, number.max, check);
    for (const CharByte& character : spec_.characters)
        if (character.control == id) CorrectCharBox(dialog, id);
    if (spec_.lengthMode && (id == IDC_SYM_LENGTH1 || id == IDC_SYM_LENGTH2)) CorrectNumberBox(dialog, id, kMaxLength);
}

void SymbologyDialog::Confirm(Dialog& dialog) {
    if (!BeforeStore(dialog)) return;
    std::uint8_t* bytes = BlockBytes(working());
    boxes_.Store(dialog, bytes);
    ListBytes(spec_.lists).Store(dialog, bytes);
    for (const CharByte& character : spec_.characters) {
        const std::string text = dialog.GetText(character.control);
        bytes[character.offset] = text.empty() ? 0 : static_cast<std::uint8_t>(text[0]);
    }
    for (const NumberByte& number : spec_.numbers) {
        if (!edited_.contains(number.control)) continue;
        // Enter confirms without leaving the box: its floor applies now.
        CorrectRangeBox(dialog, number.control, number.min, number.max, RangeCheck::Final);
        const auto value = ParseNumber(dialog.GetText(number.control));
        if (!value || *value < number.min || *value > number.max) {
            RefuseValue(dialog, context_.strings, number.control);
            return;
        }
        bytes[number.offset] = static_cast<std::uint8_t>(*value);
    }
    if (spec_.lengthMode && !StoreLengths(dialog)) return;
    AfterStore(dialog);
    dialog.End(1);
}

bool SymbologyDialog::StoreLengths(Dialog& dialog) {
    const int mode = dialog.ListSelection(IDC_SYM_LENGTH_MODE);
    if (mode < 0) return true;  // a mode this program does not know stays as it came
    std::uint8_t* bytes = BlockBytes(working()) + *spec_.lengthMode;
    if (mode == bytes[0] && !edited_.contains(IDC_SYM_LENGTH1) && !edited_.contains(IDC_SYM_LENGTH2)) return true;
    bytes[0] = static_cast<std::uint8_t>(mode);
    unsigned lengths[2] = {0, 0};
    int i = 0;
    for (int box : {IDC_SYM_LENGTH1, IDC_SYM_LENGTH2}) {
        const bool used = mode >= (box == IDC_SYM_LENGTH1 ? kOneLength : kTwoLengths);
        const auto value = ParseNumber(dialog.GetText(box));
        if (used && value.value_or(0) == 0) {
            RefuseValue(dialog, context_.strings, box);
            return false;
        }
        lengths[i++] = used ? std::min(*value, kMaxLength) : 0;
    }
    // "Range" keeps the smaller length as the minimum.
    if (mode == kRange && lengths[0] > lengths[1]) std::swap(lengths[0], lengths[1]);
    bytes[1] = static_cast<std::uint8_t>(lengths[0]);
    bytes[2] = static_cast<std::uint8_t>(lengths[1]);
    return true;
}

}  // namespace fw
