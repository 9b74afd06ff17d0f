// Rules every page and dialog applies to its controls: number boxes are
// corrected on every change, one-character boxes keep their first character,
// plain check boxes are flipped by the logic, lists are filled from texts,
// and labels come from the language table when a language file is active.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog.h"

namespace fw {

class UiStrings;

using ListEntries = std::vector<std::string>;

// Texts of consecutive string ids, in order.
ListEntries TextRun(const UiStrings& strings, int firstId, int count);

// Digits only, surrounding spaces allowed; nullopt for anything else.
// Values too large for the boxes saturate instead of wrapping.
std::optional<unsigned> ParseNumber(std::string_view text);

// Reads a number box and corrects what it shows: no number becomes 0, a value
// above `max` becomes `max`, and "07" becomes "7". The box is rewritten only
// when corrected; the rewrite raises Changed again, which then finds nothing
// to correct. Returns the corrected value.
unsigned CorrectNumberBox(Dialog& dialog, int id, unsigned max);

// When a number box's floor is applied: while the user types, a value below
// it that more digits could still bring into range stays as typed (the 1 on
// the way to 100 in a box of 79 to 127); once the user leaves the box, or
// confirms, it becomes the floor.
enum class RangeCheck { Typing, Final };

// CorrectNumberBox with a floor. Returns the value to store, which is never
// below `min`.
unsigned CorrectRangeBox(Dialog& dialog, int id, unsigned min, unsigned max, RangeCheck check);

// A box that holds one character: a longer text is cut to its first
// character. Returns that character, 0 when the box is empty.
char CorrectCharBox(Dialog& dialog, int id);

// The text of a box, cut to `limit` characters.
std::string BoxText(const Dialog& dialog, int id, std::size_t limit);

std::string NumberText(unsigned value);

// Flips a plain check box and returns its new state.
bool ToggleCheck(Dialog& dialog, int id);

void FillList(Dialog& dialog, int id, const ListEntries& entries);
// Selects an entry when the list has it, else nothing.
void SelectEntry(Dialog& dialog, int id, int index);

void EnableAll(Dialog& dialog, std::initializer_list<int> ids, bool on);

struct LanguageLabel {
    int control;
    int languageId;
};

// A label the page sets itself: with a language file active, its entry as it
// stands (an empty entry gives an empty label); else the program's text.
void SetLabel(Dialog& dialog, const UiStrings& strings, int control, int textId);

// With a language file active: the title and the labels from the language
// table, as they stand there (an empty entry gives an empty label).
void ApplyLanguageLabels(Dialog& dialog, const UiStrings& strings, int titleId,
                         std::span<const LanguageLabel> labels);

}  // namespace fw
