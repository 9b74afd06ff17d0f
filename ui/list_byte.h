// Drop-down lists that stand for single bytes of a block: the one way every
// page and dialog binds them. Each entry stands for one code; a list shows
// the entry whose code its byte holds, and no entry when none has it. Such a
// byte, which only a file from elsewhere brings, stays as it came until the
// user picks an entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "ui/control_rules.h"
#include "ui/dialog.h"

namespace fw {

class UiStrings;

using EntryMaker = ListEntries (*)(const UiStrings&);

struct ListByte {
    int control;
    std::size_t offset;  // of the byte in its block
    // Entry i is the text of string firstText + i, for `count` entries; with
    // firstText 0 the entries are the codes, written as numbers.
    int firstText;
    int count = 0;
    std::span<const std::uint8_t> codes = {};  // the code of each entry; empty: the entry's index
    EntryMaker entries = nullptr;              // texts of the page's own making, instead of the above
};

// The texts of the list's entries, in order.
ListEntries ListByteEntries(const UiStrings& strings, const ListByte& list);
void FillListByte(Dialog& dialog, const UiStrings& strings, const ListByte& list);
void ShowListByte(Dialog& dialog, const ListByte& list, const std::uint8_t* block);
// The code of the chosen entry; nothing while no entry is chosen.
std::optional<std::uint8_t> ChosenCode(const Dialog& dialog, const ListByte& list);

// A page's or dialog's lists, listed once.
class ListBytes {
public:
    constexpr explicit ListBytes(std::span<const ListByte> lists) : lists_(lists) {}

    // Fills every list and shows the bytes of `block`.
    void Fill(Dialog& dialog, const UiStrings& strings, const std::uint8_t* block) const;
    void Show(Dialog& dialog, const std::uint8_t* block) const;
    // Stored live: the user chose an entry of list `id`, whose code goes into
    // its byte. False when `id` is none of these lists.
    bool OnChosen(const Dialog& dialog, std::uint8_t* block, int id) const;
    // Stored when confirmed: every list with a chosen entry stores its code.
    void Store(const Dialog& dialog, std::uint8_t* block) const;

private:
    std::span<const ListByte> lists_;
};

}  // namespace fw
