// The preview: the terminal playing a template before it is deployed. A
// state machine over a copy of the template document, prepared as a save
// prepares it: keys, characters and scans go in, the screen and the stored
// records come out. The terminal's messages come from the copy's device
// texts, so a language file shows through.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "preview/lookup_tables.h"
#include "preview/screen.h"
#include "preview/stored_records.h"
#include "template/save_preparation.h"
#include "strings/ui_strings.h"
#include "template/template_document.h"

namespace fw {

// The terminal's keys that type no character.
enum class TerminalKey { Enter, Esc, Backspace, Up, Down, Left, Right, F1, F2, F3, F4, Fn };

struct Moment {
    int year, month, day, hour, minute, second;
};
using PreviewClock = std::function<Moment()>;

// The local time of the machine.
Moment LocalMoment();

class TerminalPreview {
public:
    TerminalPreview(const TemplateDocument& doc, PreviewClock clock);

    // Where the settings say: form 1 or menu 1. Stored records stay.
    void Start();
    // Esc on the main screen ends the preview; nothing reacts after that.
    bool ended() const { return place_ == Place::Ended; }

    void Press(TerminalKey key);
    // A key of the keypad: '0'-'9', '.' or '-'; in FN mode the digit keys
    // give the letters printed on them, a second press the next letter.
    void Keypad(char key);
    // A character typed on the PC keyboard.
    void Type(char c);
    // Data from the barcode or RFID reader.
    void Scan(std::string_view data);
    // The time a notice stays has passed, or a keypad letter is taken.
    void TimeUp();
    // A key pressed only to take a message away, as any key does; the
    // record a "Show record" notice shows waits for its own keys.
    void TakeMessage();
    // How long the notice on the screen stays before the terminal goes on by
    // itself, in ms; 0 when no such notice is shown.
    int holdTime() const;
    bool letterPending() const { return pendingKey_ != 0; }

    Screen screen() const;

    LookupTables& lookups() { return lookups_; }
    const LookupTables& lookups() const { return lookups_; }
    const std::vector<StoredRecord>& records() const { return records_; }
    void ClearRecords() { records_.clear(); }
    const RecordLayout& layout(int form) const { return layouts_[form]; }
    // The template as it is played: the copy after the save preparation.
    const TemplateDocument& played() const { return played_; }

private:
    enum class Place { Main, Menu, Form, Ended };
    enum class NoticeKind { Check, WaitForEnter, Timed };
    struct Notice {
        std::vector<std::string> lines;
        NoticeKind kind;
        std::optional<int> then;  // the target it leads to when it goes
        int scroll = 0;           // first row shown of a record longer than the screen
    };
    struct MenuChoice {
        int menu;
        int slot;
    };

    const FormRecord& form() const { return played_.blocks.forms[form_]; }
    const MenuRecord& menu() const { return played_.blocks.menus[menu_]; }
    std::string DeviceText(int id) const;
    std::string Text(int id) const { return played_.strings().Text(id); }

    void GoTo(int target);
    void EnterMenu(int index);
    void EnterForm(int index);
    std::vector<int> MenuSlots() const;
    void ChooseItem(int position);
    void SelectByDigit(char digit);

    std::uint8_t Source(int line) const;
    bool TakesKeys(int line) const;
    bool TakesScans(int line) const;
    bool Playable(int line) const;
    int NextInputLine(int after) const;
    int PreviousInputLine(int before) const;
    void Append(char c);
    void CommitLetter();
    void CommitLine();
    bool IsLookupKeyLine(int line) const;
    bool LookUp(const std::string& key);
    void FillLookupLines(const LookupFields* record);
    void ClearForm();
    void FinishRecord();
    StoredRecord BuildRecord() const;
    std::string MenuData() const;

    void ShowCheck(int messageId);
    void ShowNotice(std::vector<std::string> lines, NoticeKind kind, std::optional<int> then);
    bool DismissNotice(bool enter);
    // Rows of the notice below those the screen shows; 0 when it fits.
    int NoticeOverflow() const;

    Screen MainScreen() const;
    Screen MenuScreen() const;
    Screen FormScreen() const;
    std::vector<std::string> FormNotes() const;
    std::vector<std::string> LineNotes(int line) const;
    std::string ValueRow(int line) const;
    void Overlay(Screen& screen, const std::vector<std::string>& lines) const;

    TemplateDocument played_;
    PreviewClock clock_;
    RecordLayouts layouts_;
    LookupTables lookups_;
    std::vector<StoredRecord> records_;

    Place place_ = Place::Main;
    int menu_ = 0;
    int item_ = 0;  // position among the menu's items
    int form_ = 0;
    int line_ = -1;  // the line taking input; -1 in a form without one
    std::array<std::string, kFormLineCount> values_;
    std::optional<MenuChoice> menuChoice_;
    std::optional<Notice> notice_;
    bool alpha_ = false;
    char pendingKey_ = 0;  // the keypad key of the letter still open to change
    int pendingIndex_ = 0;
};

}  // namespace fw
