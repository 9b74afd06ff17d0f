#include "ui/control_rules.h"

#include "strings/ui_strings.h"

namespace fw {
namespace {

constexpr unsigned kSaturated = 1000000;

// Whether appending digits to `value` can give a number from min to max.
bool CanGrowInto(unsigned value, unsigned min, unsigned max) {
    for (unsigned low = value * 10, high = value * 10 + 9; low <= max; low *= 10, high = high * 10 + 9)
        if (high >= min) return true;
    return false;
}

}  // namespace

std::optional<unsigned> ParseNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text.remove_prefix(first);
    text.remove_suffix(text.size() - 1 - text.find_last_not_of(' '));
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value >= kSaturated ? kSaturated : value * 10 + static_cast<unsigned>(c - '0');
    }
    return value;
}

std::string NumberText(unsigned value) { return std::to_string(value); }

unsigned CorrectNumberBox(Dialog& dialog, int id, unsigned max) {
    const std::string text = dialog.GetText(id);
    const std::optional<unsigned> number = ParseNumber(text);
    unsigned value = number.value_or(0);
    if (value > max) value = max;
    // Rewriting only a text that differs keeps the nested Changed from looping.
    const std::string shown = NumberText(value);
    if (text != shown) dialog.SetText(id, shown);
    return value;
}

unsigned CorrectRangeBox(Dialog& dialog, int id, unsigned min, unsigned max, RangeCheck check) {
    const std::string text = dialog.GetText(id);
    // An emptied box waits for the new number.
    if (check == RangeCheck::Typing && text.empty()) return min;
    const bool typed = ParseNumber(text).has_value();
    const unsigned value = CorrectNumberBox(dialog, id, max);
    if (value >= min) return value;
    if (check == RangeCheck::Typing && typed && CanGrowInto(value, min, max)) return min;
    // The rewrite raises Changed again, which then finds nothing to correct.
    dialog.SetText(id, NumberText(min));
    return min;
}

char CorrectCharBox(Dialog& dialog, int id) {
    const std::string text = dialog.GetText(id);
    if (text.size() > 1) dialog.SetText(id, text.substr(0, 1));
    return text.empty() ? '\0' : text[0];
}

std::string BoxText(const Dialog& dialog, int id, std::size_t limit) {
    std::string text = dialog.GetText(id);
    if (text.size() > limit) text.resize(limit);
    return text;
}

bool ToggleCheck(Dialog& dialog, int id) {
    const bool on = !dialog.IsChecked(id);
    dialog.Check(id, on);
    return on;
}

void FillList(Dialog& dialog, int id, const ListEntries& entries) {
    dialog.ListClear(id);
    for (const std::string& entry : entries) dialog.ListAdd(id, entry);
}

void SelectEntry(Dialog& dialog, int id, int index) {
    dialog.ListSelect(id, index >= 0 && index < dialog.ListCount(id) ? index : -1);
}

void EnableAll(Dialog& dialog, std::initializer_list<int> ids, bool on) {
    for (int id : ids) dialog.Enable(id, on);
}

void SetLabel(Dialog& dialog, const UiStrings& strings, int control, int textId) {
    dialog.SetText(control,
                   strings.languageActive() ? std::string(strings.LanguageSlot(textId)) : strings.Text(textId));
}

void ApplyLanguageLabels(Dialog& dialog, const UiStrings& strings, int titleId,
                         std::span<const LanguageLabel> labels) {
    if (!strings.languageActive()) return;
    if (titleId != 0) dialog.SetTitle(strings.LanguageSlot(titleId));
    for (const LanguageLabel& label : labels) dialog.SetText(label.control, strings.LanguageSlot(label.languageId));
}


ListEntries TextRun(const UiStrings& strings, int firstId, int count) {
    ListEntries entries;
    for (int i = 0; i < count; ++i) entries.push_back(strings.Text(firstId + i));
    return entries;
}

}  // namespace fw
