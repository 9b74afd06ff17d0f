#include "pages/reader/symbology_controls.h"

#include "ui/control_rules.h"
#include "ui/message.h"

namespace fw {
namespace {

constexpr int kInvalidValueText = 2854;

std::uint8_t EntryCode(const ListByte& list, int entry) {
    return list.codes.empty() ? static_cast<std::uint8_t>(entry) : list.codes[static_cast<std::size_t>(entry)];
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

void RefuseValue(Dialog& dialog, const UiStrings& strings, int id) {
    ShowMessageById(dialog, strings, kTitleWarning, kInvalidValueText);
    dialog.Focus(id);
}

}  // namespace fw
