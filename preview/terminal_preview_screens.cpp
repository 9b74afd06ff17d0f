// What the preview's screens show: the main screen, a menu, a form with its
// lines, and the notices over them.
#include <algorithm>

#include "preview/input_rules.h"
#include "preview/preview_texts.h"
#include "preview/terminal_preview.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

// Device text ids of the screens' titles and key labels.
constexpr int kProductTitle = 3102;   // "Varnok Formwright"
constexpr int kRunLabel = 3024;       // "Run"
constexpr int kExitLabel = 3002;      // "Exit"
constexpr int kMenuTitle = 3301;      // "Menu"
constexpr int kMenuEnter = 3302;
constexpr int kMenuEsc = 3303;
constexpr int kFormTitle = 3321;      // "Form"
constexpr int kFormEnter = 3322;
constexpr int kFormEsc = 3323;
constexpr int kPressAKey = 3601;      // "Press a key !!", on a pause line

constexpr std::uint8_t kEnterThenScan = 2;  // Auto ENTER
constexpr char kNoteMark = '*';
constexpr std::size_t kMessageWidth = kScreenColumns;

// Words wrapped to the message box; a word too long for it is cut.
std::vector<std::string> Wrapped(const std::vector<std::string>& texts) {
    std::vector<std::string> lines;
    for (const std::string& text : texts) {
        std::string line;
        std::size_t at = 0;
        while (at < text.size()) {
            const std::size_t start = text.find_first_not_of(' ', at);
            if (start == std::string::npos) break;
            const std::size_t end = std::min(text.find(' ', start), text.size());
            const std::string word = text.substr(start, std::min(end - start, kMessageWidth));
            if (!line.empty() && line.size() + 1 + word.size() > kMessageWidth) {
                lines.push_back(line);
                line.clear();
            }
            line += (line.empty() ? "" : " ") + word;
            at = end;
        }
        lines.push_back(line);
    }
    return lines;
}

bool PreviewedType(std::uint8_t type) {
    switch (type) {
    case kTypeAuto: case kTypeCounter: case kTypePassDown: case kTypeExtension: case kTypeImage: case kTypeZorq:
    case kTypeLargeData: case kTypeReadFrom2D:
        return false;
    default:
        return true;
    }
}

}  // namespace

Screen TerminalPreview::screen() const {
    Screen screen;
    switch (place_) {
    case Place::Main: screen = MainScreen(); break;
    case Place::Menu: screen = MenuScreen(); break;
    case Place::Form: screen = FormScreen(); break;
    case Place::Ended: break;
    }
    if (notice_) Overlay(screen, notice_->lines);
    return screen;
}

int TerminalPreview::NoticeOverflow() const {
    const int rows = notice_ ? static_cast<int>(Wrapped(notice_->lines).size()) : 0;
    return std::max(0, rows - kContentRows);
}

void TerminalPreview::Overlay(Screen& screen, const std::vector<std::string>& texts) const {
    std::vector<std::string> lines = Wrapped(texts);
    if (lines.size() > kContentRows - 2) {
        // Too long for the message box: the whole screen, from the row scrolled to.
        const int scroll = notice_->kind == NoticeKind::Check ? 0 : notice_->scroll;
        for (int row = 0; row < kContentRows; ++row) {
            const std::size_t at = static_cast<std::size_t>(scroll + row);
            screen.rows[kFirstContentRow + row] = {at < lines.size() ? CentredRow(lines[at]) : std::string(),
                                                   RowStyle::Message};
        }
        screen.cursorRow = -1;
        return;
    }
    const int height = static_cast<int>(lines.size()) + 2;
    const int top = kFirstContentRow + (kContentRows - height) / 2;
    for (int row = 0; row < height; ++row) {
        const bool text = row > 0 && row <= static_cast<int>(lines.size());
        screen.rows[top + row] = {text ? CentredRow(lines[row - 1]) : std::string(), RowStyle::Message};
    }
    screen.cursorRow = -1;
}

Screen TerminalPreview::MainScreen() const {
    Screen screen;
    screen.rows[0] = {FitRow(DeviceText(kProductTitle)), RowStyle::Title};
    const std::string& path = played_.fileName;
    const std::size_t slash = path.find_last_of("\\/");
    const std::string name = path.empty() ? Text(kNewFileText) : path.substr(slash == std::string::npos ? 0 : slash + 1);
    screen.rows[kFirstContentRow + kContentRows / 2 - 1] = {CentredRow(name), RowStyle::Plain};
    screen.rows[kScreenRows - 1] = {SpreadRow(DeviceText(kRunLabel), DeviceText(kExitLabel)), RowStyle::SoftKeys};
    return screen;
}

Screen TerminalPreview::MenuScreen() const {
    Screen screen;
    const MenuRecord& m = menu();
    const std::string title =
        m.captionEnabled ? std::string(FieldText(m.caption)) : DeviceText(kMenuTitle) + " " + std::to_string(menu_ + 1);
    screen.rows[0] = {FitRow(title), RowStyle::Title};
    const std::vector<int> slots = MenuSlots();
    const int scroll = std::max(0, item_ - (kContentRows - 1));
    for (int row = 0; row < kContentRows && scroll + row < static_cast<int>(slots.size()); ++row) {
        const int position = scroll + row;
        const std::string text = std::to_string(position + 1) + ". " + std::string(FieldText(m.itemName[slots[position]]));
        screen.rows[kFirstContentRow + row] = {FitRow(text), position == item_ ? RowStyle::Selected : RowStyle::Plain};
    }
    screen.rows[kScreenRows - 1] = {SpreadRow(DeviceText(kMenuEnter), DeviceText(kMenuEsc)), RowStyle::SoftKeys};
    return screen;
}

std::string TerminalPreview::ValueRow(int line) const {
    const FormRecord& f = form();
    const std::uint8_t type = f.dataType[line];
    if (!PreviewedType(type)) return Text(kTextNotPreviewed);
    if (type == kTypePause) return line == line_ ? DeviceText(kPressAKey) : std::string();
    std::string text = values_[line];
    if (Playable(line) && f.inputMark[line] != 0) {
        const std::size_t room = std::min<std::size_t>(MaxInputLength(f, line), kScreenColumns - 1);
        if (text.size() < room) text.append(room - text.size(), static_cast<char>(f.inputMark[line]));
    }
    // The line taking input shows the end of what was typed, where the cursor is.
    if (line == line_ && values_[line].size() >= kScreenColumns)
        return values_[line].substr(values_[line].size() - (kScreenColumns - 1));
    return FitRow(text);
}

Screen TerminalPreview::FormScreen() const {
    const FormRecord& f = form();
    Screen screen;
    screen.notes = FormNotes();
    const bool formNotes = !screen.notes.empty();
    struct ViewRow {
        std::string text;
        int line;
        bool value;
    };
    std::vector<ViewRow> rows;
    for (int line = 0; line < kFormLineCount; ++line) {
        const std::uint8_t type = f.dataType[line];
        if (type == kTypeNil) continue;
        const std::vector<std::string> notes = LineNotes(line);
        screen.notes.insert(screen.notes.end(), notes.begin(), notes.end());
        const std::string mark(notes.empty() ? 0 : 1, kNoteMark);
        const std::string_view prompt = FieldText(f.prompt[line]).substr(0, kPromptShownLength);
        if (!prompt.empty()) rows.push_back({std::string(prompt.substr(0, kScreenColumns - mark.size())) + mark, line, false});
        if (type != kTypePrompt) rows.push_back({ValueRow(line) + (prompt.empty() ? mark : ""), line, true});
    }

    int last = -1;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        if (rows[i].line == line_) last = i;
    const int scroll = std::max(0, last - (kContentRows - 1));
    for (int row = 0; row < kContentRows && scroll + row < static_cast<int>(rows.size()); ++row) {
        const ViewRow& view = rows[scroll + row];
        const bool current = view.value && view.line == line_;
        screen.rows[kFirstContentRow + row] = {FitRow(view.text), current ? RowStyle::Selected : RowStyle::Plain};
        if (current && Playable(line_)) {
            screen.cursorRow = kFirstContentRow + row;
            screen.cursorColumn = static_cast<int>(std::min<std::size_t>(values_[line_].size(), kScreenColumns - 1));
        }
    }

    std::string source;
    if (line_ >= 0 && Playable(line_) && Source(line_) <= kSourceAll)
        source = Text(kFirstSourceLabel + Source(line_)) + (alpha_ && TakesKeys(line_) ? " ABC" : "");
    screen.rows[0] = {SpreadRow(DeviceText(kFormTitle) + " " + std::to_string(form_ + 1) +
                                    std::string(formNotes ? 1 : 0, kNoteMark),
                                source),
                      RowStyle::Title};
    const std::string enter = screen.notes.empty() ? DeviceText(kFormEnter)
                                                   : std::string(1, kNoteMark) + " " + Text(kTextNotPreviewed);
    screen.rows[kScreenRows - 1] = {SpreadRow(enter, DeviceText(kFormEsc)), RowStyle::SoftKeys};
    return screen;
}

std::vector<std::string> TerminalPreview::FormNotes() const {
    const FormRecord& f = form();
    std::vector<std::string> notes;
    const auto note = [&](bool when, int text) {
        if (when) notes.push_back(Text(text));
    };
    note(f.zorqMode != 0, kTextZorq);
    note(f.readOnce != 0, kTextReadOnce);
    note(f.recordAction == kRecordUpdateLookup || f.recordAction == kRecordSaveAndUpdate, kTextUpdateLookup);
    note(f.recordAction == kRecordPassDown, kTextPassDownAction);
    return notes;
}

std::vector<std::string> TerminalPreview::LineNotes(int line) const {
    const FormRecord& f = form();
    const std::uint8_t type = f.dataType[line];
    std::vector<std::string> features;
    if (!PreviewedType(type)) {
        features.push_back(Text(kFirstTypeLabel + type - 1));
    } else if (Playable(line)) {
        const unsigned link = f.lookupField[line];
        const bool lookupFile = f.lookupFile >= 1 && f.lookupFile <= kLookupCount;
        if (f.checkDigit[line] != 0) features.push_back(Text(kTextCheckDigit));
        if (TakesScans(line) && f.autoEnter[line] == kEnterThenScan) features.push_back(Text(kTextEnterThenScan));
        if (link != 0 && !lookupFile) features.push_back(Text(kTextVariables));
        if (lookupFile && link > kLookupVisibleFields) features.push_back(Text(kTextLookupUpdates));
        else if (lookupFile && link != 0 && !IsLookupKeyLine(line)) features.push_back(Text(kTextNonKeyLink));
    }
    std::vector<std::string> notes;
    for (const std::string& feature : features)
        notes.push_back(Text(kTextLine) + std::to_string(line + 1) + ": " + feature);
    return notes;
}

}  // namespace fw
