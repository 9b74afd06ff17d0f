#include "pages/reader/reader_code_lists.h"

#include <cstddef>
#include <cstdio>
#include <string_view>

#include "pages/reader/barcode_settings.h"
#include "pages/reader/reader_choice.h"
#include "pages/reader/symbology_ids.h"
#include "pages/reader/symbology_image_capture.h"
#include "pages/reader/symbology_table.h"
#include "ui/control_rules.h"
#include "ui/list_byte.h"

namespace fw {
namespace {

constexpr std::string_view kReaderPart = "reader";

ByteCodeList Words(const UiStrings& strings, const ListByte& list) {
    ByteCodeList words{std::string(kReaderPart), list.offset, {}};
    ListEntries texts = ListByteEntries(strings, list);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        // Some entries are padded to line up in their list (" 5 ms").
        std::string& text = texts[i];
        text.erase(0, text.find_first_not_of(' '));
        if (list.codes.empty())
            words.entries.emplace_back(static_cast<unsigned>(i), text);
        else if (i < list.codes.size())
            words.entries.emplace_back(list.codes[i], text);
    }
    return words;
}

// Every reader type byte as the page's reader list shows it. A byte that is
// not the one its entry writes (a file from elsewhere, 0x42) keeps its
// number beside the entry, so a diff of two such bytes still says what
// changed.
ByteCodeList ReaderTypeWords(const UiStrings& strings) {
    const ListEntries texts = TextRun(strings, kFirstReaderText, kReaderChoices);
    ByteCodeList words{std::string(kReaderPart), offsetof(ReaderBlock, readerType), {}};
    for (unsigned type = 0; type <= 0xFF; ++type) {
        ReaderBlock block{};
        block.readerType = static_cast<std::uint8_t>(type);
        const int choice = ReaderChoiceOf(FamilyOf(DeriveReaderTypeState(block)));
        std::string text = texts[static_cast<std::size_t>(choice)];
        if (type != ReaderTypeOf(choice)) {
            char number[8];
            std::snprintf(number, sizeof number, " (0x%02X)", type);
            text += number;
        }
        words.entries.emplace_back(type, text);
    }
    return words;
}

}  // namespace

// Each family has bytes of its own, so no byte is listed twice differently;
// where a byte is listed again (the add-ons of the UPC dialogs) the lists
// are the same.
ByteCodeLists ReaderCodeLists(const UiStrings& strings) {
    ByteCodeLists lists;
    lists.Add(ReaderTypeWords(strings));
    const auto add = [&](const ListByte& list) { lists.Add(Words(strings, list)); };
    for (const ListByte& list : kCommonLists) add(list);
    for (const ReaderFamily family : {ReaderFamily::Laser, ReaderFamily::TwoD, ReaderFamily::Elr})
        for (const ListPolicy& policy : LayoutFor(family).lists) add(policy.list);
    for (const SymbologyDialogSpec& spec : SymbologyDialogSpecs()) {
        for (const ListByte& list : spec.lists) add(list);
        if (spec.lengthMode) add({IDC_SYM_LENGTH_MODE, *spec.lengthMode, kLengthModeTexts, kLengthModeCount});
    }
    for (const ListByte& list : ImageCaptureLists()) add(list);
    return lists;
}

}  // namespace fw
