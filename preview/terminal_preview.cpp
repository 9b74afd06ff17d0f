#include "preview/terminal_preview.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "preview/input_rules.h"
#include "preview/preview_texts.h"
#include "template/fixed_text.h"
#include "template/form_lines.h"
#include "template/save_preparation.h"
#include "template/stamp_text.h"
#include "template/target_code.h"

namespace fw {
namespace {

constexpr int kDataCountText = 3621;  // " Data Count #"

enum EntryOption : std::uint8_t { kShowCount = 1, kShowRecord = 2 };  // 0: no prompt
constexpr std::uint8_t kScanThenEnter = 1;  // Auto ENTER
enum NoMatch : std::uint8_t { kWarn = 1, kInsert = 2, kWarnInsert = 3, kClear = 4, kWarnClear = 5 };

// The letters printed on the keypad's digit keys; FN mode types them.
const char* LettersOf(char key) {
    switch (key) {
    case '2': return "ABC";
    case '3': return "DEF";
    case '4': return "GHI";
    case '5': return "JKL";
    case '6': return "MNO";
    case '7': return "PQRS";
    case '8': return "TUV";
    case '9': return "WXYZ";
    default: return nullptr;
    }
}

std::string TwoDigits(int value) {
    const std::string digits = std::to_string(value % 100);
    return digits.size() < 2 ? "0" + digits : digits;
}

}  // namespace

Moment LocalMoment() {
    const std::time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

TerminalPreview::TerminalPreview(const TemplateDocument& doc, PreviewClock clock)
    : played_(doc), clock_(std::move(clock)) {
    // The records take the shape the next save gives them.
    layouts_ = PrepareBlocksForSaving(played_.blocks);
}

std::string TerminalPreview::DeviceText(int id) const {
    const char* slot = played_.deviceTexts.SlotForId(id);
    return slot ? std::string(TrimSpaces(std::string_view(slot, strnlen(slot, kSlotSize)))) : std::string();
}

void TerminalPreview::Start() {
    notice_.reset();
    menuChoice_.reset();
    GoTo(played_.blocks.settings.startFrom == 1 ? kFirstMenuTarget : kFirstFormTarget);
}

// ---------------------------------------------------------------- moving

void TerminalPreview::GoTo(int target) {
    if (target == kTargetMain) {
        place_ = Place::Main;
        menuChoice_.reset();
    } else if (target < kFirstMenuTarget) {
        EnterForm(target - kFirstFormTarget);
    } else if (target <= kLastTarget) {
        EnterMenu(target - kFirstMenuTarget);
    } else {
        ShowNotice({Text(kTextNotPreviewed) + ":", Text(kTextTarget) + std::to_string(target)}, NoticeKind::Check,
                   std::nullopt);
    }
}

void TerminalPreview::EnterMenu(int index) {
    place_ = Place::Menu;
    menu_ = index;
    item_ = 0;
}

std::vector<int> TerminalPreview::MenuSlots() const {
    std::vector<int> slots;
    for (int slot = 0; slot < kMenuItemCount; ++slot)
        if (menu().itemName[slot][0] != '\0') slots.push_back(slot);
    return slots;
}

void TerminalPreview::ChooseItem(int position) {
    const std::vector<int> slots = MenuSlots();
    if (position < 0 || position >= static_cast<int>(slots.size())) return;
    item_ = position;
    menuChoice_ = MenuChoice{menu_, slots[position]};
    GoTo(menu().nextTarget[slots[position]]);
}

// Digits 1 to 9 choose items 1 to 9, 0 item 10; the rest by the arrows.
void TerminalPreview::SelectByDigit(char digit) {
    if (digit >= '1' && digit <= '9') ChooseItem(digit - '1');
    else if (digit == '0') ChooseItem(9);
}

void TerminalPreview::EnterForm(int index) {
    place_ = Place::Form;
    form_ = index;
    ClearForm();
}

void TerminalPreview::ClearForm() {
    const FormRecord& f = form();
    for (int line = 0; line < kFormLineCount; ++line) {
        const bool initial = f.dataType[line] == kTypeFixedData || (Playable(line) && f.initialValueOn[line]);
        values_[line] = initial ? std::string(FieldText(f.initialValue[line])) : std::string();
    }
    alpha_ = false;
    pendingKey_ = 0;
    line_ = NextInputLine(-1);
}

// ---------------------------------------------------------------- lines

// The types whose input the preview checks as the terminal does.
bool TerminalPreview::Playable(int line) const {
    switch (form().dataType[line]) {
    case kTypeText: case kTypeInteger: case kTypeReal: case kTypeLetter: case kTypeBoolean: case kTypeAlphameric:
        return true;
    default:
        return false;
    }
}

// Without the RFID reader the Form page shows the RFID source as "all", and
// so it plays.
std::uint8_t TerminalPreview::Source(int line) const {
    const std::uint8_t source = form().inputSource[line];
    return source == kSourceRfid && (played_.blocks.reader.rfidReaderOn & 1) == 0 ? std::uint8_t{kSourceAll} : source;
}

bool TerminalPreview::TakesKeys(int line) const {
    return Playable(line) && Source(line) != kSourceReader && Source(line) != kSourceRfid;
}

bool TerminalPreview::TakesScans(int line) const { return Playable(line) && Source(line) != kSourceKeypad; }

int TerminalPreview::NextInputLine(int after) const {
    for (int line = after + 1; line < kFormLineCount; ++line)
        if (CountsAsInputLine(form(), line)) return line;
    return -1;
}

int TerminalPreview::PreviousInputLine(int before) const {
    for (int line = before - 1; line >= 0; --line)
        if (CountsAsInputLine(form(), line)) return line;
    return -1;
}

void TerminalPreview::Append(char c) {
    if (line_ < 0 || !TakesKeys(line_)) return;
    if (values_[line_].size() < MaxInputLength(form(), line_)) values_[line_] += c;
}

void TerminalPreview::CommitLetter() { pendingKey_ = 0; }

bool TerminalPreview::IsLookupKeyLine(int line) const {
    const FormRecord& f = form();
    if (f.lookupFile < 1 || f.lookupFile > kLookupCount) return false;
    return f.lookupField[line] == played_.blocks.lookups[f.lookupFile - 1].keyField + 1;
}

void TerminalPreview::FillLookupLines(const LookupFields* record) {
    const FormRecord& f = form();
    for (int line = 0; line < kFormLineCount; ++line) {
        if (f.dataType[line] != kTypeLookup) continue;
        const int field = f.lookupField[line] - 1;
        values_[line] = record && field >= 0 && field < static_cast<int>(record->size()) ? (*record)[field] : "";
    }
}

// False when the no-match action cleared the form.
bool TerminalPreview::LookUp(const std::string& key) {
    const int index = form().lookupFile - 1;
    if (const LookupFields* record = lookups_.Find(index, key)) {
        FillLookupLines(record);
        return true;
    }
    const LookupRecord& lookup = played_.blocks.lookups[index];
    const std::uint8_t action = lookup.noMatchAction;
    if (action == kInsert || action == kWarnInsert) {
        LookupFields record(lookup.fieldCount);
        if (lookup.keyField < record.size()) record[lookup.keyField] = TrimSpaces(key);
        lookups_.Insert(index, record);
        FillLookupLines(&record);
    } else {
        FillLookupLines(nullptr);
    }
    const bool clear = action == kClear || action == kWarnClear;
    if (clear) ClearForm();
    if (action == kWarn || action == kWarnInsert || action == kWarnClear) ShowCheck(kMsgNotFound);
    return !clear;
}

void TerminalPreview::CommitLine() {
    if (line_ < 0) {
        GoTo(form().nextTarget);
        return;
    }
    if (Playable(line_)) {
        if (const int message = CheckInput(form(), line_, values_[line_])) {
            values_[line_].clear();
            ShowCheck(message);
            return;
        }
        if (IsLookupKeyLine(line_) && !LookUp(values_[line_])) return;
    }
    const int next = NextInputLine(line_);
    if (next < 0) {
        FinishRecord();
        return;
    }
    line_ = next;
}

// ---------------------------------------------------------------- records

std::string TerminalPreview::MenuData() const {
    if (!menuChoice_) return {};
    const MenuRecord& m = played_.blocks.menus[menuChoice_->menu];
    std::string data = m.saveCaption == 1 ? std::string(FieldText(m.caption)) : "";
    if (m.saveSelectedItem == 1)
        data += (data.empty() ? "" : " ") + std::string(FieldText(m.itemName[menuChoice_->slot]));
    return data;
}

StoredRecord TerminalPreview::BuildRecord() const {
    const FormRecord& f = form();
    StoredRecord record{form_, {}};
    const Moment now = clock_();
    const StampParts parts{f.yearDigits == 0 ? std::to_string(now.year) : TwoDigits(now.year),
                           TwoDigits(now.month), TwoDigits(now.day), TwoDigits(now.hour), TwoDigits(now.minute),
                           TwoDigits(now.second)};
    for (const RecordField& field : layouts_[form_].fields) {
        switch (field.kind) {
        case RecordFieldKind::KeyField: record.fields.push_back({""}); break;
        case RecordFieldKind::MenuData: record.fields.push_back({MenuData()}); break;
        case RecordFieldKind::Stamp: {
            const std::string date = StampDateText(f, parts), time = StampTimeText(f, parts);
            record.fields.push_back(f.stampSplit == 1 ? std::vector<std::string>{date, time}
                                                      : std::vector<std::string>{date + " " + time});
            break;
        }
        case RecordFieldKind::Line:
            record.fields.push_back({RecordFieldValue(f, field.line, values_[field.line])});
            break;
        }
    }
    return record;
}

void TerminalPreview::FinishRecord() {
    const FormRecord& f = form();
    const int then = f.nextTarget;
    const bool saves = f.recordAction == kRecordSave || f.recordAction == kRecordSaveAndUpdate;
    if (!saves || layouts_[form_].fields.empty()) {
        GoTo(then);
        return;
    }
    records_.push_back(BuildRecord());
    const SystemSettings& settings = played_.blocks.settings;
    std::vector<std::string> lines;
    if (settings.entryOption == kShowCount) {
        const auto count = std::count_if(records_.begin(), records_.end(),
                                         [this](const StoredRecord& r) { return r.form == form_; });
        lines.push_back(DeviceText(kDataCountText) + std::to_string(count));
    } else if (settings.entryOption == kShowRecord) {
        for (const auto& parts : records_.back().fields)
            for (const std::string& part : parts) lines.push_back(part);
    } else {
        GoTo(then);
        return;
    }
    ShowNotice(lines, settings.entryHoldTime == 0 ? NoticeKind::WaitForEnter : NoticeKind::Timed, then);
}

// ---------------------------------------------------------------- notices

void TerminalPreview::ShowCheck(int messageId) {
    ShowNotice({DeviceText(messageId)}, NoticeKind::Check, std::nullopt);
}

void TerminalPreview::ShowNotice(std::vector<std::string> lines, NoticeKind kind, std::optional<int> then) {
    notice_ = Notice{std::move(lines), kind, then};
}

// True when the key went to the notice on the screen.
bool TerminalPreview::DismissNotice(bool enter) {
    if (!notice_) return false;
    if (notice_->kind == NoticeKind::Check || (notice_->kind == NoticeKind::WaitForEnter && enter)) {
        const std::optional<int> then = notice_->then;
        notice_.reset();
        if (then) GoTo(*then);
    }
    return true;
}

int TerminalPreview::holdTime() const {
    return notice_ && notice_->kind == NoticeKind::Timed ? played_.blocks.settings.entryHoldTime * 100 : 0;
}

void TerminalPreview::TimeUp() {
    CommitLetter();
    if (!notice_ || notice_->kind != NoticeKind::Timed) return;
    const std::optional<int> then = notice_->then;
    notice_.reset();
    if (then) GoTo(*then);
}

// ---------------------------------------------------------------- input

void TerminalPreview::TakeMessage() {
    if (notice_ && notice_->kind == NoticeKind::Check) DismissNotice(false);
}

void TerminalPreview::Press(TerminalKey key) {
    // A record too long for the screen scrolls as a long form does.
    if (notice_ && notice_->kind != NoticeKind::Check && NoticeOverflow() > 0 &&
        (key == TerminalKey::Up || key == TerminalKey::Down)) {
        notice_->scroll = std::clamp(notice_->scroll + (key == TerminalKey::Down ? 1 : -1), 0, NoticeOverflow());
        return;
    }
    if (ended() || DismissNotice(key == TerminalKey::Enter)) return;
    CommitLetter();
    switch (place_) {
    case Place::Main:
        if (key == TerminalKey::Enter) Start();
        else if (key == TerminalKey::Esc) place_ = Place::Ended;
        break;
    case Place::Menu: {
        const int count = static_cast<int>(MenuSlots().size());
        if (key == TerminalKey::Up && item_ > 0) --item_;
        else if (key == TerminalKey::Down && item_ + 1 < count) ++item_;
        else if (key == TerminalKey::Enter) ChooseItem(item_);
        else if (key == TerminalKey::Esc) GoTo(menu().escTarget);
        break;
    }
    case Place::Form:
        switch (key) {
        case TerminalKey::Enter:
        case TerminalKey::Down: CommitLine(); break;
        case TerminalKey::Up:
            if (line_ >= 0 && PreviousInputLine(line_) >= 0) line_ = PreviousInputLine(line_);
            break;
        case TerminalKey::Esc: GoTo(form().escTarget); break;
        case TerminalKey::Backspace:
            if (line_ >= 0 && TakesKeys(line_) && !values_[line_].empty()) values_[line_].pop_back();
            break;
        case TerminalKey::Fn: alpha_ = !alpha_; break;
        default: break;
        }
        break;
    case Place::Ended: break;
    }
}

void TerminalPreview::Keypad(char key) {
    if (ended() || DismissNotice(false)) return;
    const char* letters = place_ == Place::Form && alpha_ ? LettersOf(key) : nullptr;
    if (!letters) {
        Type(key);
        return;
    }
    if (pendingKey_ == key && line_ >= 0 && !values_[line_].empty()) {
        pendingIndex_ = (pendingIndex_ + 1) % static_cast<int>(std::strlen(letters));
        values_[line_].back() = letters[pendingIndex_];
        return;
    }
    CommitLetter();
    const std::size_t before = line_ >= 0 ? values_[line_].size() : 0;
    Append(letters[0]);
    if (line_ >= 0 && values_[line_].size() > before) {
        pendingKey_ = key;
        pendingIndex_ = 0;
    }
}

void TerminalPreview::Type(char c) {
    if (ended() || DismissNotice(false)) return;
    CommitLetter();
    if (place_ == Place::Menu) SelectByDigit(c);
    else if (place_ == Place::Form) Append(c);
}

void TerminalPreview::Scan(std::string_view data) {
    if (ended() || DismissNotice(false)) return;
    CommitLetter();
    if (place_ != Place::Form || line_ < 0 || !TakesScans(line_)) return;
    const ScanResult scan = ReadScan(form(), line_, data);
    if (scan.message) {
        values_[line_].clear();
        ShowCheck(scan.message);
        return;
    }
    values_[line_] = scan.value;
    if (form().autoEnter[line_] == kScanThenEnter) CommitLine();
}

}  // namespace fw
