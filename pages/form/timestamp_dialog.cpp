#include "pages/form/timestamp_dialog.h"

#include <initializer_list>
#include <string_view>

#include "pages/form/form_edits.h"
#include "pages/form/form_ids.h"
#include "strings/ui_strings.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

constexpr int kTitleText = 141;
constexpr int kDateFormatText = 144;  // "Date Format : "
constexpr int kTimeFormatText = 150;  // "Time Format : "
constexpr LanguageLabel kLabels[] = {
    {IDC_STAMP_MODE_LABEL, 142}, {IDC_STAMP_SPLIT, 143},          {IDC_STAMP_DATE_GROUP, 144},
    {IDC_STAMP_YEAR, 145},       {IDC_STAMP_MONTH, 146},          {IDC_STAMP_DAY, 147},
    {IDC_STAMP_DATESEP, 148},    {IDC_STAMP_DATESTYLE_LABEL, 149}, {IDC_STAMP_TIME_GROUP, 150},
    {IDC_STAMP_HOUR, 151},       {IDC_STAMP_MINUTE, 152},         {IDC_STAMP_SECOND, 153},
    {IDC_STAMP_TIMESEP, 154},    {kIdOk, 155},                    {kIdCancel, 156},
};

// The check boxes and the bytes they switch.
struct StampSwitch {
    int id;
    std::uint8_t FormRecord::*field;
};
constexpr StampSwitch kSwitches[] = {
    {IDC_STAMP_SPLIT, &FormRecord::stampSplit},   {IDC_STAMP_YEAR, &FormRecord::dateYear},
    {IDC_STAMP_MONTH, &FormRecord::dateMonth},    {IDC_STAMP_DAY, &FormRecord::dateDay},
    {IDC_STAMP_DATESEP, &FormRecord::dateSeparatorOn}, {IDC_STAMP_HOUR, &FormRecord::timeHour},
    {IDC_STAMP_MINUTE, &FormRecord::timeMinute},  {IDC_STAMP_SECOND, &FormRecord::timeSecond},
    {IDC_STAMP_TIMESEP, &FormRecord::timeSeparatorOn},
};

// Shown parts joined by the separator, which stands only between parts.
std::string Join(std::initializer_list<std::string_view> parts, bool separated, std::string_view separator) {
    std::string picture;
    for (std::string_view part : parts) {
        if (part.empty()) continue;
        if (!picture.empty() && separated) picture += separator;
        picture += part;
    }
    return picture;
}

}  // namespace

std::string DateFormatPicture(const FormRecord& form) {
    const std::string_view year = form.dateYear ? (form.yearDigits == 1 ? "YY" : "YYYY") : "";
    const std::string_view month = form.dateMonth ? "MM" : "";
    const std::string_view day = form.dateDay ? "DD" : "";
    const bool on = form.dateSeparatorOn != 0;
    const std::string_view separator = FieldText(form.dateSeparator);
    switch (form.dateStyle) {
    case 1: return Join({month, day, year}, on, separator);
    case 2: return Join({day, month, year}, on, separator);
    default: return Join({year, month, day}, on, separator);
    }
}

std::string TimeFormatPicture(const FormRecord& form) {
    return Join({form.timeHour ? "HH" : "", form.timeMinute ? "MM" : "", form.timeSecond ? "SS" : ""},
                form.timeSeparatorOn != 0, FieldText(form.timeSeparator));
}

void TimestampDialog::OnInit(Dialog& dialog) {
    state_.backup = form();
    ApplyLanguageLabels(dialog, strings_, kTitleText, kLabels);
    const FormRecord& f = form();
    FillList(dialog, IDC_STAMP_MODE_LIST, StampModeEntries(strings_));
    FillList(dialog, IDC_STAMP_YEARDIGITS_LIST, YearDigitsEntries(strings_));
    FillList(dialog, IDC_STAMP_DATESTYLE_LIST, DateStyleEntries(strings_));
    SelectEntry(dialog, IDC_STAMP_MODE_LIST, f.stampMode);
    SelectEntry(dialog, IDC_STAMP_YEARDIGITS_LIST, f.yearDigits);
    SelectEntry(dialog, IDC_STAMP_DATESTYLE_LIST, f.dateStyle);
    dialog.LimitText(IDC_STAMP_DATESEP_EDIT, 1);
    dialog.LimitText(IDC_STAMP_TIMESEP_EDIT, 1);
    dialog.SetText(IDC_STAMP_DATESEP_EDIT, FieldText(f.dateSeparator));
    dialog.SetText(IDC_STAMP_TIMESEP_EDIT, FieldText(f.timeSeparator));
    for (const StampSwitch& s : kSwitches) dialog.Check(s.id, form().*s.field != 0);
    DrawPictures(dialog);
}

void TimestampDialog::DrawPictures(Dialog& dialog) {
    dialog.SetText(IDC_STAMP_DATE_GROUP, strings_.Text(kDateFormatText) + DateFormatPicture(form()));
    dialog.SetText(IDC_STAMP_TIME_GROUP, strings_.Text(kTimeFormatText) + TimeFormatPicture(form()));
}

void TimestampDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    FormRecord& f = form();
    if (code == Notify::Clicked && (id == kIdOk || id == kIdCancel)) {
        if (id == kIdCancel) f = state_.backup;
        dialog.End(id == kIdOk ? 1 : 0);
        return;
    }
    if (code == Notify::Clicked) {
        for (const StampSwitch& s : kSwitches)
            if (s.id == id) f.*s.field = ToggleCheck(dialog, id);
    } else if (code == Notify::SelChange) {
        const int entry = dialog.ListSelection(id);
        if (entry < 0) return;
        const auto value = static_cast<std::uint8_t>(entry);
        if (id == IDC_STAMP_MODE_LIST) f.stampMode = value;
        if (id == IDC_STAMP_YEARDIGITS_LIST) f.yearDigits = value;
        if (id == IDC_STAMP_DATESTYLE_LIST) f.dateStyle = value;
    } else if (code == Notify::Changed && (id == IDC_STAMP_DATESEP_EDIT || id == IDC_STAMP_TIMESEP_EDIT)) {
        OnSeparatorChanged(dialog, id);
    } else {
        return;
    }
    DrawPictures(dialog);
}

void TimestampDialog::OnSeparatorChanged(Dialog& dialog, int id) {
    char (&separator)[2] = id == IDC_STAMP_DATESEP_EDIT ? form().dateSeparator : form().timeSeparator;
    separator[0] = CorrectCharBox(dialog, id);
    separator[1] = '\0';
}

}  // namespace fw
