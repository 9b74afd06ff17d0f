#include "app/preview_session.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "app/device_face.h"
#include "app/preview_ids.h"
#include "app/shell.h"
#include "preview/preview_texts.h"
#include "strings/ui_strings.h"
#include "template/file_text.h"
#include "ui/control_rules.h"
#include "ui/message.h"

namespace fw {
namespace {

constexpr int kLetterTime = 1000;  // how long a keypad letter stays open to change
constexpr int kFormPrefixText = 1302;  // "form  "
constexpr int kPanelTitle = 4320;
constexpr int kNoDataText = 4329;
constexpr int kRecordsText = 4330;
constexpr int kRefusedText = 4331;
constexpr int kMsgCannotOpen = 4334;
constexpr int kAskEnd = 4346;  // "End the preview? The records not yet exported are lost."
constexpr const char* kDash = " \x97 ";  // lookup-check's dash, in the panel's code page

constexpr LanguageLabel kLabels[] = {
    {IDC_PREVIEW_SCAN_LABEL, 4321},   {IDC_PREVIEW_SCAN, 4322},    {IDC_PREVIEW_LOOKUP_LABEL, 4323},
    {IDC_PREVIEW_LOOKUP_CHOOSE, 4324}, {IDC_PREVIEW_RECORDS_LABEL, 4325}, {IDC_PREVIEW_EXPORT, 4326},
    {IDC_PREVIEW_CLEAR, 4327},         {IDC_PREVIEW_NOTES_LABEL, 4328},
};

// What each of the face's keys does on the terminal, key 1 first.
struct FaceAction {
    enum Kind { Key, Keypad, Trigger } kind;
    TerminalKey key;
    char character;
};
constexpr FaceAction kFaceActions[kLastFaceKey] = {
    {FaceAction::Key, TerminalKey::F1, 0},       {FaceAction::Key, TerminalKey::F2, 0},
    {FaceAction::Key, TerminalKey::F3, 0},       {FaceAction::Key, TerminalKey::F4, 0},
    {FaceAction::Key, TerminalKey::Up, 0},       {FaceAction::Key, TerminalKey::Left, 0},
    {FaceAction::Key, TerminalKey::Enter, 0},    {FaceAction::Key, TerminalKey::Right, 0},
    {FaceAction::Key, TerminalKey::Down, 0},     {FaceAction::Keypad, {}, '1'},
    {FaceAction::Keypad, {}, '2'},               {FaceAction::Keypad, {}, '3'},
    {FaceAction::Key, TerminalKey::Esc, 0},      {FaceAction::Keypad, {}, '4'},
    {FaceAction::Keypad, {}, '5'},               {FaceAction::Keypad, {}, '6'},
    {FaceAction::Key, TerminalKey::Backspace, 0}, {FaceAction::Keypad, {}, '7'},
    {FaceAction::Keypad, {}, '8'},               {FaceAction::Keypad, {}, '9'},
    {FaceAction::Key, TerminalKey::Fn, 0},       {FaceAction::Keypad, {}, '.'},
    {FaceAction::Keypad, {}, '0'},               {FaceAction::Keypad, {}, '-'},
    {FaceAction::Key, TerminalKey::Enter, 0},    {FaceAction::Trigger, {}, 0},
    {FaceAction::Trigger, {}, 0},
};

bool WriteWholeFile(const std::string& path, const std::string& text, bool append) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | (append ? std::ios::app : std::ios::trunc));
    out << text;
    return static_cast<bool>(out);
}

// Edit boxes break lines at CR LF.
std::string CrLf(const std::string& text) {
    std::string result;
    for (const char c : text) result += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return result;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<StoredRecord> RecordsOf(const TerminalPreview& preview, int form) {
    std::vector<StoredRecord> records;
    std::copy_if(preview.records().begin(), preview.records().end(), std::back_inserter(records),
                 [form](const StoredRecord& r) { return r.form == form; });
    return records;
}

}  // namespace

// The template as it was when the preview started on it.
struct PreviewSession::Snapshot {
    TemplateBlocks blocks;
    DeviceTexts texts;
    std::string fileName;

    explicit Snapshot(const TemplateDocument& doc)
        : blocks(doc.blocks), texts(doc.deviceTexts), fileName(doc.fileName) {}
    bool Same(const TemplateDocument& doc) const {
        const auto ours = texts.Bytes(), theirs = doc.deviceTexts.Bytes();
        return std::memcmp(&blocks, &doc.blocks, sizeof blocks) == 0 &&
               std::equal(ours.begin(), ours.end(), theirs.begin()) && fileName == doc.fileName;
    }
};

PreviewSession::PreviewSession(const TemplateDocument& doc, PreviewHost& host, PreviewClock clock)
    : host_(host), clock_(std::move(clock)), played_(std::make_unique<Snapshot>(doc)),
      preview_(std::make_unique<TerminalPreview>(doc, clock_)) {
    preview_->Start();
}

PreviewSession::~PreviewSession() = default;

std::string PreviewSession::Text(int id) const { return preview_->played().strings().Text(id); }

void PreviewSession::OnInit(Dialog& dialog) {
    dialog_ = &dialog;
    ApplyLanguageLabels(dialog, preview_->played().strings(), kPanelTitle, kLabels);
    ShowLookups();
    dialog.ListSelect(IDC_PREVIEW_LOOKUP, 0);
    ShowRecordForms();
    ShowRecords();
    ShowNotes();
}

void PreviewSession::OnCommand(Dialog& dialog, int id, Notify code) {
    if (code == Notify::SelChange && id == IDC_PREVIEW_LOOKUP) ShowRefused();
    if (code == Notify::SelChange && id == IDC_PREVIEW_RECORD_FORM) {
        ShowRecords();
        ShowNotes();
    }
    if (code != Notify::Clicked) return;
    switch (id) {
    case IDC_PREVIEW_SCAN: Scan(); break;
    case IDC_PREVIEW_LOOKUP_CHOOSE: ChooseLookupData(dialog); break;
    case IDC_PREVIEW_EXPORT: Export(dialog); break;
    case IDC_PREVIEW_CLEAR:
        preview_->ClearRecords();
        exported_.fill(0);
        Changed();
        break;
    default: return;
    }
    host_.ReturnKeysToTerminal();
}

// ---------------------------------------------------------------- input

void PreviewSession::FaceKey(int key) {
    if (key < kFirstFaceKey || key > kLastFaceKey) return;
    const FaceAction& action = kFaceActions[key - kFirstFaceKey];
    switch (action.kind) {
    case FaceAction::Key: preview_->Press(action.key); break;
    case FaceAction::Keypad: preview_->Keypad(action.character); break;
    case FaceAction::Trigger: Scan(); return;
    }
    Changed();
}

void PreviewSession::Press(TerminalKey key) {
    preview_->Press(key);
    Changed();
}

void PreviewSession::Type(char c) {
    preview_->Type(c);
    Changed();
}

void PreviewSession::TimeUp() {
    preview_->TimeUp();
    Changed();
}

// The reader reads what the panel's box holds.
void PreviewSession::Scan() {
    if (!dialog_) return;
    preview_->Scan(dialog_->GetText(IDC_PREVIEW_SCAN_TEXT));
    Changed();
}

void PreviewSession::TemplateMayHaveChanged(const TemplateDocument& doc) {
    if (played_->Same(doc)) return;
    auto next = std::make_unique<TerminalPreview>(doc, clock_);
    next->lookups() = preview_->lookups();
    next->lookups().Reload(next->played().blocks.lookups);
    preview_ = std::move(next);
    exported_.fill(0);
    *played_ = Snapshot(doc);
    preview_->Start();
    if (dialog_) ShowLookups();
    Changed();
}

void PreviewSession::TemplateSaved(const TemplateDocument& doc) { *played_ = Snapshot(doc); }

bool PreviewSession::MayEnd(MessageOwner& owner) {
    bool unexported = false;
    for (int f = 0; f < kFormCount; ++f) unexported = unexported || RecordsOf(*preview_, f).size() > exported_[f];
    if (!unexported || ConfirmById(owner, preview_->played().strings(), kAskEnd)) return true;
    if (preview_->ended()) {
        preview_->Start();
        Changed();
    }
    return false;
}

void PreviewSession::Changed() {
    host_.ScreenChanged();
    if (const int hold = preview_->holdTime()) host_.StartTimer(hold);
    else if (preview_->letterPending()) host_.StartTimer(kLetterTime);
    else host_.StopTimer();
    if (dialog_) {
        if (preview_->records().size() != recordsShown_) {
            ShowRecordForms();
            ShowRecords();
        }
        ShowNotes();
    }
    if (preview_->ended()) host_.PreviewEnded();
}

// ---------------------------------------------------------------- panel

void PreviewSession::ShowLookups() {
    const int selected = std::max(0, dialog_->ListSelection(IDC_PREVIEW_LOOKUP));
    ListEntries entries;
    for (int index = 0; index < kLookupCount; ++index) {
        const LookupImport& import = preview_->lookups().import(index);
        std::string entry = Text(kFirstLookupLabel + index) + ": ";
        if (import.source.empty()) entry += Text(kNoDataText);
        else if (!import.problem.empty()) entry += FileNameOf(import.source) + " - " + import.problem;
        else
            entry += FileNameOf(import.source) + " (" + std::to_string(import.imported) + " " + Text(kRecordsText) +
                     (import.refused ? ", " + std::to_string(import.refused) + " " + Text(kRefusedText) : "") + ")";
        entries.push_back(entry);
    }
    FillList(*dialog_, IDC_PREVIEW_LOOKUP, entries);
    dialog_->ListSelect(IDC_PREVIEW_LOOKUP, selected);
    ShowRefused();
}

// Which records of the chosen lookup data the terminal refuses, and why, as
// fwtool lookup-check says it.
void PreviewSession::ShowRefused() {
    const int index = dialog_->ListSelection(IDC_PREVIEW_LOOKUP);
    std::string text;
    if (index >= 0)
        for (const LookupFinding& f : preview_->lookups().import(index).findings)
            text += std::string(text.empty() ? "" : "\r\n") + "line " + std::to_string(f.line) + ": " + f.problems + kDash +
                    f.outcome;
    dialog_->SetText(IDC_PREVIEW_LOOKUP_REFUSED, text);
}

void PreviewSession::ChooseLookupData(Dialog& dialog) {
    const int index = dialog.ListSelection(IDC_PREVIEW_LOOKUP);
    if (index < 0) return;
    const std::optional<std::string> path = host_.ChooseLookupData();
    if (!path) return;
    const std::optional<std::string> data = ReadFileText(*path);
    if (!data) {
        ShowMessageById(dialog, preview_->played().strings(), kTitleError, kMsgCannotOpen);
        return;
    }
    preview_->lookups().Load(preview_->played().blocks.lookups[index], index, *path, *data);
    ShowLookups();
}

// The forms with records, the newest record's form chosen when one came.
void PreviewSession::ShowRecordForms() {
    const std::vector<StoredRecord>& records = preview_->records();
    int chosen = ShownForm();
    if (records.size() > recordsShown_) chosen = records.back().form;
    recordsShown_ = records.size();
    recordForms_.clear();
    ListEntries entries;
    for (int f = 0; f < kFormCount; ++f) {
        const auto count = std::count_if(records.begin(), records.end(), [f](const StoredRecord& r) { return r.form == f; });
        if (count == 0) continue;
        recordForms_.push_back(f);
        entries.push_back(Text(kFormPrefixText) + std::to_string(f + 1) + " (" + std::to_string(count) + ")");
    }
    FillList(*dialog_, IDC_PREVIEW_RECORD_FORM, entries);
    const auto at = std::find(recordForms_.begin(), recordForms_.end(), chosen);
    dialog_->ListSelect(IDC_PREVIEW_RECORD_FORM,
                        at != recordForms_.end() ? static_cast<int>(at - recordForms_.begin()) : recordForms_.empty() ? -1 : 0);
    EnableAll(*dialog_, {IDC_PREVIEW_EXPORT, IDC_PREVIEW_CLEAR}, !recordForms_.empty());
}

int PreviewSession::ShownForm() const {
    const int selected = dialog_ ? dialog_->ListSelection(IDC_PREVIEW_RECORD_FORM) : -1;
    return selected >= 0 && selected < static_cast<int>(recordForms_.size()) ? recordForms_[selected] : -1;
}

void PreviewSession::ShowRecords() {
    const int f = ShownForm();
    dialog_->SetText(IDC_PREVIEW_RECORDS,
                     f < 0 ? std::string()
                           : CrLf(RecordTable(preview_->played().blocks.forms[f], preview_->layout(f),
                                              RecordsOf(*preview_, f), preview_->played().strings())));
}

void PreviewSession::ShowNotes() {
    std::vector<std::string> notes = preview_->screen().notes;
    if (const int f = ShownForm(); f >= 0) {
        const std::vector<std::string> records =
            RecordNotes(preview_->layout(f), preview_->played().blocks.settings, preview_->played().strings());
        notes.insert(notes.end(), records.begin(), records.end());
    }
    notes.push_back(Text(kTextTerminalSettings));
    std::string text;
    for (const std::string& note : notes) text += (text.empty() ? "" : "\r\n") + note;
    if (dialog_->GetText(IDC_PREVIEW_NOTES) != text) dialog_->SetText(IDC_PREVIEW_NOTES, text);
}

void PreviewSession::Export(Dialog& dialog) {
    const int f = ShownForm();
    if (f < 0) return;
    const FormRecord& form = preview_->played().blocks.forms[f];
    const std::optional<std::string> path =
        host_.ChooseExportFile(ExportFileName(form, f, preview_->played().strings()));
    if (!path) return;
    const std::string text =
        ExportText(form, preview_->layout(f), preview_->played().blocks.settings, RecordsOf(*preview_, f));
    // "Append" adds to what an earlier export left; "Overwrite" starts afresh.
    if (WriteWholeFile(*path, text, form.exportAppend == 1)) exported_[f] = RecordsOf(*preview_, f).size();
    else ShowMessageById(dialog, preview_->played().strings(), kTitleError, kMsgCannotSave);
}

}  // namespace fw
