#include "pages/reader/symbology_rfid.h"

#include <charconv>
#include <string>

#include "pages/reader/symbology_ids.h"
#include "template/fixed_text.h"
#include "template/template_document.h"
#include "ui/control_rules.h"

namespace fw {
namespace {

constexpr int kStartUnset = -1;        // byte 0 of the default page
constexpr std::uint8_t kStoredUnset = 255;
constexpr int kMaxStart = 254;
constexpr unsigned kMaxReadLength = 255;

constexpr int kTitleLanguageId = 591;
constexpr LanguageLabel kLabels[] = {
    {IDC_RFID_UID, 592},           {IDC_RFID_USER_DATA, 593},   {IDC_RFID_START_LABEL, 594},
    {IDC_RFID_LENGTH_LABEL, 595},  {IDC_RFID_BYTES_LABEL, 596}, {IDC_RFID_DELIMITER_LABEL, 597},
    {kIdOk, 598},                  {kIdCancel, 599},
};

std::string DelimiterText(std::uint8_t code) { return code == 0 ? std::string() : CodesDisplayText(&code, 1); }

// The code whose name the box shows; 0 for an empty box.
std::uint8_t DelimiterCode(const std::string& text) {
    for (int code = 1; code < 256; ++code)
        if (DelimiterText(static_cast<std::uint8_t>(code)) == text) return static_cast<std::uint8_t>(code);
    return 0;
}

// The start position a text stands for: -1 to 254, anything else -1.
int StartPosition(const std::string& text) {
    int value = kStartUnset;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || last != end || value < kStartUnset || value > kMaxStart) return kStartUnset;
    return value;
}

// Corrected on every change; a lone "-" waits for its digits.
void CorrectStartBox(Dialog& dialog) {
    const std::string text = dialog.GetText(IDC_RFID_START);
    if (text == "-") return;
    const std::string shown = std::to_string(StartPosition(text));
    if (text != shown) dialog.SetText(IDC_RFID_START, shown);
}

}  // namespace

RfidDialog::RfidDialog(ReaderDialogContext& context)
    : context_(context), delimiterBox_(IDC_RFID_DELIMITER, GridSlot::Delimiter, buffers_, context.strings) {}

void RfidDialog::OnInit(Dialog& dialog) {
    ApplyLanguageLabels(dialog, context_.strings, kTitleLanguageId, kLabels);
    const ReaderBlock& w = context_.doc.readerWorking;
    context_.backups.rfid = w;
    dialog.Check(IDC_RFID_UID, w.rfidDecodeUid != 0);
    dialog.Check(IDC_RFID_USER_DATA, w.rfidDecodeUserData != 0);
    dialog.LimitText(IDC_RFID_START, 3);
    dialog.SetText(IDC_RFID_START, std::to_string(w.rfidStartPos == kStoredUnset ? kStartUnset : w.rfidStartPos));
    dialog.LimitText(IDC_RFID_LENGTH, 3);
    dialog.SetText(IDC_RFID_LENGTH, NumberText(w.rfidReadLength));
    delimiter_ = static_cast<std::uint8_t>(w.rfidDelimiter[0]);
    buffers_.delimiterText = {static_cast<char>(delimiter_), '\0'};
    dialog.SetText(IDC_RFID_DELIMITER, DelimiterText(delimiter_));
    dialog.AttachCanvas(IDC_RFID_DELIMITER, &delimiterBox_);
    ApplyRules(dialog);
}

void RfidDialog::ApplyRules(Dialog& dialog) {
    // User data is read only with the UID, but keeps its mark while greyed.
    const bool uid = dialog.IsChecked(IDC_RFID_UID);
    dialog.Enable(IDC_RFID_USER_DATA, uid);
    EnableAll(dialog,
              {IDC_RFID_START, IDC_RFID_START_LABEL, IDC_RFID_LENGTH, IDC_RFID_LENGTH_LABEL, IDC_RFID_BYTES_LABEL,
               IDC_RFID_DELIMITER, IDC_RFID_DELIMITER_LABEL},
              uid && dialog.IsChecked(IDC_RFID_USER_DATA));
}

void RfidDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    if (code == Notify::Clicked) {
        switch (id) {
        case IDC_RFID_UID:
        case IDC_RFID_USER_DATA:
            ToggleCheck(dialog, id);
            ApplyRules(dialog);
            break;
        case kIdOk:
            Confirm(dialog);
            break;
        case kIdCancel:
            context_.doc.readerWorking = context_.backups.rfid;
            Close(dialog, 0);
            break;
        default:
            break;
        }
    } else if (code == Notify::Changed) {
        if (id == IDC_RFID_START) CorrectStartBox(dialog);
        if (id == IDC_RFID_LENGTH) CorrectNumberBox(dialog, id, kMaxReadLength);
        if (id == IDC_RFID_DELIMITER) OnDelimiterChanged(dialog);
    }
}

void RfidDialog::OnDelimiterChanged(Dialog& dialog) {
    // The grid writes the picked name into the box; the code behind it is
    // kept for storing and for the grid's next opening.
    const std::string text = dialog.GetText(IDC_RFID_DELIMITER);
    if (text == DelimiterText(delimiter_)) return;
    delimiter_ = DelimiterCode(text);
    buffers_.delimiterText = {static_cast<char>(delimiter_), '\0'};
}

void RfidDialog::Confirm(Dialog& dialog) {
    ReaderBlock& w = context_.doc.readerWorking;
    w.rfidDecodeUid = dialog.IsChecked(IDC_RFID_UID) ? 1 : 0;
    w.rfidDecodeUserData = dialog.IsChecked(IDC_RFID_USER_DATA) ? 1 : 0;
    w.rfidReadLength = static_cast<std::uint8_t>(ParseNumber(dialog.GetText(IDC_RFID_LENGTH)).value_or(0));
    SetFieldText(w.rfidDelimiter, delimiter_ != 0 ? std::string(1, static_cast<char>(delimiter_)) : std::string());
    w.rfidDelimiterOn = delimiter_ != 0 ? 1 : 0;
    const int start = StartPosition(dialog.GetText(IDC_RFID_START));
    w.rfidStartPos = start == kStartUnset ? kStoredUnset : static_cast<std::uint8_t>(start);
    context_.doc.modified = true;
    Close(dialog, 1);
}

void RfidDialog::Close(Dialog& dialog, int result) {
    dialog.AttachCanvas(IDC_RFID_DELIMITER, nullptr);
    dialog.End(result);
}

}  // namespace fw
