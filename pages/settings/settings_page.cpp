#include "pages/settings/settings_page.h"

#include <cstddef>

#include "pages/settings/settings_ids.h"
#include "strings/ui_strings.h"
#include "template/fixed_text.h"
#include "template/template_document.h"
#include "ui/byte_bindings.h"
#include "ui/control_rules.h"
#include "ui/list_byte.h"
#include "ui/message.h"

namespace fw {
namespace {

constexpr int kInvalidValueText = 2854;
constexpr int kAskResetSettings = 4345;  // "Reset the system settings and the terminal's screen texts?"
constexpr int kPasswordTooLongText = 2851;
constexpr int kInvalidCharacterText = 2852;
constexpr int kOffText = 2341;
constexpr int kSecondsText = 2342;

// The terminal ends its records with CR, so 13 cannot part its fields.
constexpr unsigned kForbiddenDelimiter = 13;
constexpr unsigned kMaxCharacterCode = 255;
constexpr unsigned kMaxHoldTime = 99;
constexpr unsigned kNoNumberHoldTime = 1;
constexpr int kVibratorSeconds = 9;

constexpr int kCodeBox[] = {IDC_SETTINGS_DELIM1_CODE, IDC_SETTINGS_DELIM2_CODE};
constexpr int kCharBox[] = {IDC_SETTINGS_DELIM1_CHAR, IDC_SETTINGS_DELIM2_CHAR};

constexpr LanguageLabel kLabels[] = {
    {IDC_SETTINGS_RESET, 1161},
    {IDC_SETTINGS_STARTFROM_LABEL, 1162},   {IDC_SETTINGS_DELIM_GROUP, 1163},
    {IDC_SETTINGS_DELIMCOUNT_LABEL, 1164},  {IDC_SETTINGS_ASCII_LABEL, 1165},
    {IDC_SETTINGS_TEXT_LABEL, 1166},        {IDC_SETTINGS_INITIAL_GROUP, 1167},
    {IDC_SETTINGS_PRELOAD_LABEL, 1168},     {IDC_SETTINGS_DELETION_LABEL, 1169},
    {IDC_SETTINGS_ENTRY_LABEL, 1170},       {IDC_SETTINGS_STAY_RADIO, 1171},
    {IDC_SETTINGS_PRESSENTER_RADIO, 1172},  {IDC_SETTINGS_HOLDTIME_UNIT, 1173},
    {IDC_SETTINGS_VIBRATOR_LABEL, 1189},    {IDC_SETTINGS_SECURITY_GROUP, 1176},
    {IDC_SETTINGS_PASSWORD_LABEL, 1177},    {IDC_SETTINGS_PROTECT_OPEN, 1178},
    {IDC_SETTINGS_PROTECT_IMPORT, 1179},    {IDC_SETTINGS_PROTECT_EXPORT, 1180},
    {IDC_SETTINGS_PROTECT_EDITDATA, 1181},  {IDC_SETTINGS_PROTECT_DELETEDATA, 1182},
    {IDC_SETTINGS_PROTECT_SETTINGS, 1183},  {IDC_SETTINGS_PROTECT_PRELOAD, 1184},
    {IDC_SETTINGS_PROTECT_DELETION, 1185},  {IDC_SETTINGS_PROTECT_ENTRY, 1186},
    {IDC_SETTINGS_PROTECT_VIBRATOR, 1188},  {IDC_SETTINGS_AUTORUN, 1190},
    {IDC_SETTINGS_PROTECT_CAMERA, 1191},    {IDC_SETTINGS_CAMERA_GROUP, 1192},
    {IDC_SETTINGS_RESOLUTION_LABEL, 1193},  {IDC_SETTINGS_FLASH_LABEL, 1194},
    {IDC_SETTINGS_COLOR_LABEL, 1195},       {IDC_SETTINGS_FORMAT_LABEL, 1196},
    {IDC_SETTINGS_IMAGESTORE_LABEL, 1197},  {IDC_SETTINGS_PROTECT_IMAGE, 1198},
    {IDC_SETTINGS_AUTOFILENAME, 1199},      {IDC_SETTINGS_FILETITLE_LABEL, 1200},
    {IDC_SETTINGS_EXPORTSTORE_LABEL, 1201}, {IDC_SETTINGS_NAMINGRULE, 1202},
    {IDC_SETTINGS_DELETEDB, 1203},          {IDC_SETTINGS_TIMESTAMP, 1204},
};

// "Off", then 1 to 9 seconds.
ListEntries VibratorEntries(const UiStrings& strings) {
    ListEntries entries{strings.Text(kOffText)};
    const std::string seconds = strings.Text(kSecondsText);
    for (int n = 1; n <= kVibratorSeconds; ++n) entries.push_back(NumberText(n) + " " + seconds);
    return entries;
}

// The camera lists offer only the texts their string range has.
template <int FirstText, int Count>
ListEntries CameraEntries(const UiStrings& strings) {
    ListEntries entries;
    for (std::string& text : TextRun(strings, FirstText, Count))
        if (!text.empty()) entries.push_back(std::move(text));
    return entries;
}

// Lists whose entry index is the byte itself.
constexpr ListByte kListTable[] = {
    {IDC_SETTINGS_STARTFROM_LIST, offsetof(SystemSettings, startFrom), 2241, 2},
    {IDC_SETTINGS_PRELOAD_LIST, offsetof(SystemSettings, preloadLastFile), 2281, 2},
    {IDC_SETTINGS_DELETION_LIST, offsetof(SystemSettings, dataDeletion), 2301, 3},
    {IDC_SETTINGS_ENTRY_LIST, offsetof(SystemSettings, entryOption), 2321, 3},
    {IDC_SETTINGS_VIBRATOR_LIST, offsetof(SystemSettings, vibratorDuration), 0, 0, {}, VibratorEntries},
    {IDC_SETTINGS_RESOLUTION_LIST, offsetof(SystemSettings, cameraResolution), 0, 0, {}, CameraEntries<2351, 5>},
    {IDC_SETTINGS_FLASH_LIST, offsetof(SystemSettings, cameraFlash), 0, 0, {}, CameraEntries<2361, 3>},
    {IDC_SETTINGS_COLOR_LIST, offsetof(SystemSettings, cameraColorEffect), 0, 0, {}, CameraEntries<2371, 6>},
    {IDC_SETTINGS_FORMAT_LIST, offsetof(SystemSettings, cameraImageFormat), 0, 0, {}, CameraEntries<2381, 2>},
};
constexpr ListBytes kLists{kListTable};

struct BoxLimit {
    int control;
    int chars;
};
constexpr BoxLimit kLimits[] = {
    {IDC_SETTINGS_DELIM1_CODE, 3},       {IDC_SETTINGS_DELIM2_CODE, 3},
    {IDC_SETTINGS_DELIM1_CHAR, 1},       {IDC_SETTINGS_DELIM2_CHAR, 1},
    {IDC_SETTINGS_HOLDTIME_EDIT, 2},     {IDC_SETTINGS_PASSWORD_EDIT, static_cast<int>(kPasswordMaxLength)},
    {IDC_SETTINGS_EXPORTSTORE_EDIT, 260}, {IDC_SETTINGS_IMAGESTORE_EDIT, 260},
    {IDC_SETTINGS_FILETITLE_EDIT, 5},
};

constexpr std::size_t kProtected = offsetof(SystemSettings, protectedFunctions);
constexpr CheckByte kBoxes[] = {
    {IDC_SETTINGS_PROTECT_OPEN, kProtected + 0},
    {IDC_SETTINGS_PROTECT_IMPORT, kProtected + 1},
    {IDC_SETTINGS_PROTECT_EXPORT, kProtected + 2},
    {IDC_SETTINGS_PROTECT_EDITDATA, kProtected + 3},
    {IDC_SETTINGS_PROTECT_DELETEDATA, kProtected + 4},
    {IDC_SETTINGS_PROTECT_SETTINGS, kProtected + 5},
    {IDC_SETTINGS_PROTECT_PRELOAD, kProtected + 6},
    {IDC_SETTINGS_PROTECT_DELETION, kProtected + 7},
    {IDC_SETTINGS_PROTECT_ENTRY, kProtected + 8},
    {IDC_SETTINGS_PROTECT_VIBRATOR, kProtected + 10},
    {IDC_SETTINGS_PROTECT_CAMERA, kProtected + 11},
    {IDC_SETTINGS_PROTECT_IMAGE, offsetof(SystemSettings, protectImageCapture)},
    {IDC_SETTINGS_AUTORUN, offsetof(SystemSettings, autoRun)},
    {IDC_SETTINGS_AUTOFILENAME, offsetof(SystemSettings, cameraAutoFileName)},
    {IDC_SETTINGS_NAMINGRULE, offsetof(SystemSettings, cameraNamingRule)},
    {IDC_SETTINGS_DELETEDB, offsetof(SystemSettings, deleteDatabaseOnOpen)},
    {IDC_SETTINGS_TIMESTAMP, offsetof(SystemSettings, cameraTimeStamp)},
};
constexpr ByteBindings kBindings(kBoxes);

// The warning beep's place among the guarded functions; the page has no box for it.
constexpr int kWarningBeepFunction = 9;

// The functions that only the Settings screen reaches: guarding "Settings"
// guards them too.
constexpr int kUnderSettings[] = {
    IDC_SETTINGS_PROTECT_PRELOAD, IDC_SETTINGS_PROTECT_DELETION, IDC_SETTINGS_PROTECT_ENTRY,
    IDC_SETTINGS_PROTECT_VIBRATOR, IDC_SETTINGS_PROTECT_CAMERA,
};

std::string CharText(unsigned code) { return code == 0 ? std::string() : std::string(1, static_cast<char>(code)); }

int DelimiterCount(const SystemSettings& s) {
    if (s.firstDelimiter == 0) return 0;
    return s.secondDelimiter != 0 ? 2 : 1;
}

}  // namespace

class SettingsPage::Updating {
public:
    explicit Updating(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Updating() { flag_ = was_; }
    Updating(const Updating&) = delete;
    Updating& operator=(const Updating&) = delete;

private:
    bool& flag_;
    bool was_;
};

SettingsPage::SettingsPage(TemplateDocument& doc, const UiStrings& strings) : doc_(doc), strings_(strings) {}

// ---- Sheet notifications ----------------------------------------------------

void SettingsPage::OnInit(Dialog& dialog) {
    page_ = &dialog;
    ApplyLanguageLabels(dialog, strings_, 0, kLabels);
    working_ = doc_.blocks.settings;
    updating_ = false;
    for (const BoxLimit& limit : kLimits) dialog.LimitText(limit.control, limit.chars);
    FillLists();
    ShowSettings();
}

void SettingsPage::OnSetActive(Dialog& dialog) {
    page_ = &dialog;
    RefreshImageCapture();
}

void SettingsPage::OnKillActive(Dialog& dialog) {
    page_ = &dialog;
    RefreshImageCapture();
}

void SettingsPage::OnApply(Dialog&) {
    // Marks and bytes move together with every click; the terminal reads a
    // guarded function as 1, and the warning beep has no box.
    for (std::uint8_t& flag : working_.protectedFunctions) flag = flag != 0;
    working_.protectedFunctions[kWarningBeepFunction] = 0;
    working_.protectImageCapture = working_.protectImageCapture != 0;
    working_.autoRun = working_.autoRun != 0;
    if (delimiterCount_ == 0) working_.firstDelimiter = 0;
    if (delimiterCount_ < 2) working_.secondDelimiter = 0;
    doc_.blocks.settings = working_;
    doc_.modified = true;
}

void SettingsPage::RefreshImageCapture() {
    if (page_ == nullptr) return;
    const ReaderBlock& reader = doc_.readerWorking;
    if (reader.twoDImageCaptureOn == 0) working_.protectImageCapture = 0;
    page_->Check(IDC_SETTINGS_PROTECT_IMAGE, working_.protectImageCapture != 0);
    page_->Enable(IDC_SETTINGS_PROTECT_IMAGE,
                  reader.twoDImageCaptureOn == 1 && (reader.readerType & kReaderBit2D) != 0);
}

// ---- Filling and showing ------------------------------------------------------

void SettingsPage::FillLists() {
    for (const ListByte& list : kListTable) FillListByte(*page_, strings_, list);
    FillList(*page_, IDC_SETTINGS_DELIMCOUNT_LIST, {strings_.Text(1304), strings_.Text(2261), strings_.Text(2262)});
}

void SettingsPage::ShowSettings() {
    Dialog& d = *page_;
    const std::uint8_t* bytes = BlockBytes(working_);
    kLists.Show(d, bytes);

    delimiterCount_ = DelimiterCount(working_);
    SelectEntry(d, IDC_SETTINGS_DELIMCOUNT_LIST, delimiterCount_);
    for (int which = 0; which < 2; ++which) {
        Put(kCodeBox[which], NumberText(Delimiter(which)));
        Put(kCharBox[which], CharText(Delimiter(which)));
    }
    EnableDelimiterBoxes();

    d.Enable(IDC_SETTINGS_AUTORUN, working_.preloadLastFile == 1);
    holdRadio_ = working_.entryHoldTime == 0 ? IDC_SETTINGS_PRESSENTER_RADIO : IDC_SETTINGS_STAY_RADIO;
    d.Check(IDC_SETTINGS_STAY_RADIO, holdRadio_ == IDC_SETTINGS_STAY_RADIO);
    d.Check(IDC_SETTINGS_PRESSENTER_RADIO, holdRadio_ == IDC_SETTINGS_PRESSENTER_RADIO);
    Put(IDC_SETTINGS_HOLDTIME_EDIT, NumberText(working_.entryHoldTime));
    EnableEntryControls();

    Put(IDC_SETTINGS_PASSWORD_EDIT, FieldText(working_.securityPassword));
    Put(IDC_SETTINGS_EXPORTSTORE_EDIT, FieldText(working_.defaultExportStore));
    Put(IDC_SETTINGS_IMAGESTORE_EDIT, FieldText(working_.cameraImageStore));
    Put(IDC_SETTINGS_FILETITLE_EDIT, FieldText(working_.cameraFileTitle));

    kBindings.Show(d, bytes);
    EnableGuardedSettings();
    EnableFileTitle();
    RefreshImageCapture();
}

void SettingsPage::Put(int id, std::string_view text) {
    Updating updating(updating_);
    page_->SetText(id, text);
}

void SettingsPage::EnableDelimiterBoxes() {
    EnableAll(*page_, {kCodeBox[0], kCharBox[0]}, delimiterCount_ >= 1);
    EnableAll(*page_, {kCodeBox[1], kCharBox[1]}, delimiterCount_ == 2);
}

void SettingsPage::EnableEntryControls() {
    const bool entry = working_.entryOption > 0;
    EnableAll(*page_, {IDC_SETTINGS_STAY_RADIO, IDC_SETTINGS_PRESSENTER_RADIO}, entry);
    EnableAll(*page_, {IDC_SETTINGS_HOLDTIME_EDIT, IDC_SETTINGS_HOLDTIME_UNIT},
              entry && holdRadio_ == IDC_SETTINGS_STAY_RADIO);
}

void SettingsPage::EnableGuardedSettings() {
    const bool open = !page_->IsChecked(IDC_SETTINGS_PROTECT_SETTINGS);
    for (int id : kUnderSettings) page_->Enable(id, open);
}

void SettingsPage::EnableFileTitle() {
    EnableAll(*page_, {IDC_SETTINGS_FILETITLE_EDIT, IDC_SETTINGS_FILETITLE_LABEL, IDC_SETTINGS_NAMINGRULE},
              working_.cameraAutoFileName != 0);
}

std::uint8_t& SettingsPage::Delimiter(int which) {
    return which == 0 ? working_.firstDelimiter : working_.secondDelimiter;
}

// ---- Commands -----------------------------------------------------------------

void SettingsPage::OnCommand(Dialog& dialog, int id, Notify code) {
    page_ = &dialog;
    switch (code) {
    case Notify::Clicked:
        if (kBindings.OnClick(dialog, BlockBytes(working_), id)) OnBoxClicked(id);
        else if (id == IDC_SETTINGS_STAY_RADIO || id == IDC_SETTINGS_PRESSENTER_RADIO) OnHoldModeClicked(id);
        else if (id == IDC_SETTINGS_RESET) OnResetClicked();
        return;
    case Notify::SelChange:
        if (id == IDC_SETTINGS_DELIMCOUNT_LIST) OnDelimiterCountChosen();
        else OnListChosen(id);
        return;
    case Notify::Changed:
        if (updating_) return;
        switch (id) {
        case IDC_SETTINGS_DELIM1_CODE: OnDelimiterCodeChanged(0); break;
        case IDC_SETTINGS_DELIM2_CODE: OnDelimiterCodeChanged(1); break;
        case IDC_SETTINGS_DELIM1_CHAR: OnDelimiterCharChanged(0); break;
        case IDC_SETTINGS_DELIM2_CHAR: OnDelimiterCharChanged(1); break;
        case IDC_SETTINGS_HOLDTIME_EDIT: OnHoldTimeChanged(); break;
        case IDC_SETTINGS_PASSWORD_EDIT: OnPasswordChanged(); break;
        default: OnTextChanged(id); break;
        }
        return;
    default:
        return;
    }
}

void SettingsPage::OnListChosen(int id) {
    if (!kLists.OnChosen(*page_, BlockBytes(working_), id)) return;
    if (id == IDC_SETTINGS_PRELOAD_LIST) page_->Enable(IDC_SETTINGS_AUTORUN, working_.preloadLastFile == 1);
    if (id == IDC_SETTINGS_ENTRY_LIST) EnableEntryControls();
}

void SettingsPage::OnDelimiterCountChosen() {
    const int entry = page_->ListSelection(IDC_SETTINGS_DELIMCOUNT_LIST);
    if (entry < 0) return;
    delimiterCount_ = entry;
    EnableDelimiterBoxes();
}

void SettingsPage::OnDelimiterCodeChanged(int which) {
    std::uint8_t& stored = Delimiter(which);
    const int box = kCodeBox[which];
    if (ParseNumber(page_->GetText(box)) == kForbiddenDelimiter) {
        ShowMessageById(*page_, strings_, kTitleWarning, kInvalidValueText);
        Put(box, NumberText(stored));
        return;
    }
    unsigned code;
    {
        Updating updating(updating_);
        code = CorrectNumberBox(*page_, box, kMaxCharacterCode);
    }
    if (code == stored) return;
    stored = static_cast<std::uint8_t>(code);
    Put(kCharBox[which], CharText(code));
}

void SettingsPage::OnDelimiterCharChanged(int which) {
    std::uint8_t& stored = Delimiter(which);
    char typed;
    {
        Updating updating(updating_);
        typed = CorrectCharBox(*page_, kCharBox[which]);
    }
    const auto code = static_cast<unsigned char>(typed);
    if (code == stored) return;
    stored = code;
    Put(kCodeBox[which], NumberText(code));
}

void SettingsPage::OnHoldModeClicked(int radio) {
    holdRadio_ = radio;
    page_->Check(IDC_SETTINGS_STAY_RADIO, radio == IDC_SETTINGS_STAY_RADIO);
    page_->Check(IDC_SETTINGS_PRESSENTER_RADIO, radio == IDC_SETTINGS_PRESSENTER_RADIO);
    if (radio == IDC_SETTINGS_PRESSENTER_RADIO) working_.entryHoldTime = 0;
    else if (working_.entryHoldTime == 0) working_.entryHoldTime = 1;
    Put(IDC_SETTINGS_HOLDTIME_EDIT, NumberText(working_.entryHoldTime));
    EnableEntryControls();
}

void SettingsPage::OnHoldTimeChanged() {
    unsigned time;
    if (!ParseNumber(page_->GetText(IDC_SETTINGS_HOLDTIME_EDIT))) {
        time = kNoNumberHoldTime;
        Put(IDC_SETTINGS_HOLDTIME_EDIT, NumberText(time));
    } else {
        Updating updating(updating_);
        time = CorrectNumberBox(*page_, IDC_SETTINGS_HOLDTIME_EDIT, kMaxHoldTime);
    }
    working_.entryHoldTime = static_cast<std::uint8_t>(time);
}

void SettingsPage::OnPasswordChanged() {
    const std::string typed = page_->GetText(IDC_SETTINGS_PASSWORD_EDIT);
    const PasswordCheck check = CheckPassword(typed);
    if (check != PasswordCheck::Valid) {
        ShowMessageById(*page_, strings_, kTitleWarning,
                        check == PasswordCheck::TooLong ? kPasswordTooLongText : kInvalidCharacterText);
        Put(IDC_SETTINGS_PASSWORD_EDIT, FieldText(working_.securityPassword));
        return;
    }
    SetFieldText(working_.securityPassword, typed);
}

void SettingsPage::OnTextChanged(int id) {
    switch (id) {
    case IDC_SETTINGS_EXPORTSTORE_EDIT:
        SetFieldText(working_.defaultExportStore, page_->GetText(id));
        break;
    case IDC_SETTINGS_IMAGESTORE_EDIT:
        SetFieldText(working_.cameraImageStore, page_->GetText(id));
        break;
    case IDC_SETTINGS_FILETITLE_EDIT:
        SetFieldText(working_.cameraFileTitle, page_->GetText(id));
        break;
    default:
        break;
    }
}

void SettingsPage::OnBoxClicked(int id) {
    if (id == IDC_SETTINGS_PROTECT_SETTINGS) EnableGuardedSettings();
    if (id == IDC_SETTINGS_AUTOFILENAME) EnableFileTitle();
}

void SettingsPage::OnResetClicked() {
    if (!ConfirmById(*page_, strings_, kAskResetSettings)) return;
    // The terminal's screen texts come back from the current language too,
    // and stay so even when the sheet is cancelled.
    doc_.FillDeviceTexts();
    ResetSystemSettings(working_, strings_);
    ShowSettings();
}

}  // namespace fw
