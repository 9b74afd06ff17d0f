#include "pages/reader/symbology_controls.h"

#include "ui/control_rules.h"
#include "ui/message.h"

namespace fw {
namespace {

constexpr int kInvalidValueText = 2854;

std::uint8_t EntryCode(const ListByte& list, int entry) {
    return list.codes.empty() ? static_cast<std::uint8_t>(entry) : list.codes[static_cast<std::size_t>(entry)];
}

// Whether appending digits to `value` can give a number from min to max.
bool CanGrowInto(unsigned value, unsigned min, unsigned max) {
    for (unsigned low = value * 10, high = value * 10 + 9; low <= max; low *= 10, high = high * 10 + 9)
        if (high >= min) return true;
    return false;
}

}  // namespace

void ShowListByte(Dialog& dialog, const UiStrings& strings, const ListByte& list, const std::uint8_t* block) {
    FillList(dialog, list.control, TextRun(strings, list.firstText, list.count));
    int shown = -1;
    for (int entry = 0; entry < list.count; ++entry)
        if (EntryCode(list, entry) == block[list.offset]) shown = entry;
    dialog.ListSelect(list.control, shown);
}

std::optional<std::uint8_t> ListByteValue(const Dialog& dialog, const ListByte& list) {
    const int entry = dialog.ListSelection(list.control);
    if (entry < 0 || entry >= list.count) return std::nullopt;
    return EntryCode(list, entry);
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

void RefuseValue(Dialog& dialog, const UiStrings& strings, int id) {
    ShowMessageById(dialog, strings, kTitleWarning, kInvalidValueText);
    dialog.Focus(id);
}

}  // namespace fw
