// Every symbology parameter dialog, as data: its template, its engine
// family, the reader bytes behind its controls, the language ids of its
// texts and the rules that enable one control from another. One dialog
// class (symbology_dialog.h) runs them all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "ui/byte_bindings.h"
#include "ui/control_rules.h"
#include "ui/list_byte.h"

namespace fw {

// The length-mode list of the dialogs with a length mode: "Any Length" ...
// "Range", the entry's index its code.
constexpr int kLengthModeTexts = 2041;
constexpr int kLengthModeCount = 4;

// Whose backup a dialog takes, and which length labels it shows.
enum class SymbologyFamily { Laser, Elr, TwoD };

// A number box standing for one byte, corrected into its range on every
// change.
struct NumberByte {
    int control;
    std::size_t offset;
    unsigned min;
    unsigned max;
};

// A one-character box standing for one byte (0 when empty).
struct CharByte {
    int control;
    std::size_t offset;
};

enum class EnabledWhen {
    Checked,    // the source box is checked
    NotFirst,   // the source list shows any entry but the first
    Entry,      // the source list shows the entry given
};

// A control (and its label) usable only while its source allows it. A box
// disabled this way keeps its mark, and so its byte, unless `unchecks`.
struct EnableRule {
    int control;
    int label;  // 0: none
    int source;
    EnabledWhen when;
    int entry = 0;
    bool unchecks = false;
};

// Members whose behaviour goes beyond the table.
enum class SymbologyKind {
    Plain,
    UpcaCouponGuard,  // asks before a preamble change that affects the coupon code
    MacroPdf,         // keeps the control header in step with the mode
};

struct SymbologyDialogSpec {
    const char* templateName;
    SymbologyFamily family;
    int titleLanguageId;
    std::span<const LanguageLabel> languageLabels;
    std::span<const CheckByte> boxes = {};
    std::span<const ListByte> lists = {};
    std::span<const NumberByte> numbers = {};
    std::span<const CharByte> characters = {};
    std::span<const EnableRule> rules = {};
    // The length-mode byte, with length 1 and length 2 in the two bytes
    // after it.
    std::optional<std::size_t> lengthMode = {};
    SymbologyKind kind = SymbologyKind::Plain;
};

std::span<const SymbologyDialogSpec> SymbologyDialogSpecs();
// nullptr for a name the table does not hold.
const SymbologyDialogSpec* FindSymbologyDialog(std::string_view templateName);

}  // namespace fw
