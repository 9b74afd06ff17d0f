#include "ui/list_byte.h"

#include "strings/ui_strings.h"

namespace fw {

ListEntries ListByteEntries(const UiStrings& strings, const ListByte& list) {
    if (list.entries != nullptr) return list.entries(strings);
    if (list.firstText != 0) return TextRun(strings, list.firstText, list.count);
    ListEntries numbers;
    for (std::uint8_t code : list.codes) numbers.push_back(NumberText(code));
    return numbers;
}

void FillListByte(Dialog& dialog, const UiStrings& strings, const ListByte& list) {
    FillList(dialog, list.control, ListByteEntries(strings, list));
}

void ShowListByte(Dialog& dialog, const ListByte& list, const std::uint8_t* block) {
    const std::uint8_t byte = block[list.offset];
    if (list.codes.empty()) {
        SelectEntry(dialog, list.control, byte);
        return;
    }
    int shown = -1;
    for (std::size_t entry = 0; entry < list.codes.size(); ++entry)
        if (list.codes[entry] == byte) shown = static_cast<int>(entry);
    dialog.ListSelect(list.control, shown);
}

std::optional<std::uint8_t> ChosenCode(const Dialog& dialog, const ListByte& list) {
    const int entry = dialog.ListSelection(list.control);
    if (entry < 0) return std::nullopt;
    if (list.codes.empty()) return static_cast<std::uint8_t>(entry);
    if (entry >= static_cast<int>(list.codes.size())) return std::nullopt;
    return list.codes[static_cast<std::size_t>(entry)];
}

void ListBytes::Fill(Dialog& dialog, const UiStrings& strings, const std::uint8_t* block) const {
    for (const ListByte& list : lists_) FillListByte(dialog, strings, list);
    Show(dialog, block);
}

void ListBytes::Show(Dialog& dialog, const std::uint8_t* block) const {
    for (const ListByte& list : lists_) ShowListByte(dialog, list, block);
}

bool ListBytes::OnChosen(const Dialog& dialog, std::uint8_t* block, int id) const {
    for (const ListByte& list : lists_) {
        if (list.control != id) continue;
        if (const auto code = ChosenCode(dialog, list)) block[list.offset] = *code;
        return true;
    }
    return false;
}

void ListBytes::Store(const Dialog& dialog, std::uint8_t* block) const {
    for (const ListByte& list : lists_)
        if (const auto code = ChosenCode(dialog, list)) block[list.offset] = *code;
}

}  // namespace fw
