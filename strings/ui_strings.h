// String lookup for everything the program shows or writes for the terminal:
// the active language file's entry when it has one, else the program's own text.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "strings/string_source.h"

namespace fw {

constexpr int kStringIdCount = 5000;       // ids 0 to 4999
constexpr std::size_t kLanguageSlotSize = 261;  // 260 characters and a NUL

// One slot per string id, filled by language files; an empty slot means
// "no translation".
class LanguageTable {
public:
    LanguageTable();
    const char* Slot(int id) const;  // "" for ids outside the table
    // Stores up to 260 characters of text; ids outside 0-4999 are ignored.
    void SetSlot(int id, std::string_view text);
    void ClearSlot(int id);

private:
    std::unique_ptr<std::array<std::array<char, kLanguageSlotSize>, kStringIdCount>> slots_;
};

class UiStrings {
public:
    explicit UiStrings(const StringSource& builtin) : builtin_(builtin) {}

    // Copies the text of id into buffer (at most size - 1 characters and a NUL)
    // and returns its length; 0 and an empty buffer when there is no text.
    std::size_t LoadUiString(int id, char* buffer, std::size_t size) const;
    std::string Text(int id) const;

    // The program's own text, never a translation (About box, file filters).
    std::string BuiltinText(int id) const { return builtin_.Get(id); }

    // Texts that dialogs take straight from the language table when a language
    // is active, without falling back: an empty slot gives an empty label.
    const char* LanguageSlot(int id) const { return table_.Slot(id); }

    bool languageActive() const { return languageActive_; }
    void SetLanguageActive(bool active) { languageActive_ = active; }
    LanguageTable& table() { return table_; }
    const LanguageTable& table() const { return table_; }

private:
    const StringSource& builtin_;
    LanguageTable table_;
    bool languageActive_ = false;
};

}  // namespace fw
