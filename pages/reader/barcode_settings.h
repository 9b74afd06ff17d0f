// The reader settings of the Barcode page as data: for each engine family,
// which setting controls show, with which labels, and which reader bytes
// they stand for. The page fills the controls from these tables and applies
// them back through the same tables.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "template/blocks/reader_block.h"
#include "ui/byte_bindings.h"
#include "ui/list_byte.h"

namespace fw {

struct LabelText {
    int control;
    int textId;  // 0: the template's own text stands
};

// A list of the page: the reader byte it stands for, and the page's own
// rules around it.
struct ListPolicy {
    ListByte list;
    int fixedEntry = -1;       // >= 0: always shows this entry, greyed
    bool storesFixed = false;  // the fixed entry's code is written as the page is built
    int fixedLabel = 0;        // greyed together with a fixed list
    int whenGreyed = -1;       // >= 0: stored instead of the entry while the list is greyed
};

// A number edit standing for one reader byte. A box that still shows its
// byte leaves it as it is, even a value from a file that the box's rule
// would correct.
struct EditSetting {
    int control;
    std::size_t offset;
    bool shown = true;    // a hidden edit still carries its byte through the page
    int whenGreyed = -1;  // >= 0: stored instead of the number while the edit is greyed
};

struct EngineLayout {
    std::span<const LabelText> labels;      // shown, with these texts
    std::span<const ListPolicy> lists;      // shown
    std::span<const EditSetting> edits;
    std::span<const CheckByte> hiddenChecks;
    int scanModeFollower;                   // enabled only for the first scan mode; 0: none
    bool buzzerEditable;                    // buzzer frequency and duration
    bool twoDButtons;                       // postal, composite, 2D symbologies, Macro PDF
};

// Without a reader the page shows the laser layout, greyed.
const EngineLayout& LayoutFor(ReaderFamily family);

// Every setting control that some family shows and another hides.
extern const std::array<int, 22> kEngineControls;

// The settings every family shares.
extern const std::array<ListByte, 2> kCommonLists;  // good-read sound, buzzer frequency
extern const std::array<EditSetting, 2> kCommonEdits;

// How a number edit corrects what it holds: on every change, or only when
// the focus leaves it; the same range bounds the byte that apply stores.
struct EditRule {
    int control;
    unsigned floor;
    unsigned max;
    int maxChars;
    bool onLeave;
};
extern const std::array<EditRule, 5> kEditRules;
const EditRule* EditRuleFor(int control);

}  // namespace fw
