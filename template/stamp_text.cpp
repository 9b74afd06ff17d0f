#include "template/stamp_text.h"

#include <vector>

#include "template/fixed_text.h"

namespace fw {
namespace {

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts)
        if (!part.empty()) text += (text.empty() ? "" : std::string(separator)) + part;
    return text;
}

}  // namespace

std::string StampDateText(const FormRecord& form, const StampParts& parts) {
    const std::string year = form.dateYear ? parts.year : "";
    const std::string month = form.dateMonth ? parts.month : "", day = form.dateDay ? parts.day : "";
    const std::string_view separator = form.dateSeparatorOn ? FieldText(form.dateSeparator) : "";
    switch (form.dateStyle) {
    case 1: return Joined({month, day, year}, separator);
    case 2: return Joined({day, month, year}, separator);
    default: return Joined({year, month, day}, separator);
    }
}

std::string StampTimeText(const FormRecord& form, const StampParts& parts) {
    const std::string_view separator = form.timeSeparatorOn ? FieldText(form.timeSeparator) : "";
    return Joined({form.timeHour ? parts.hour : "", form.timeMinute ? parts.minute : "",
                   form.timeSecond ? parts.second : ""},
                  separator);
}

}  // namespace fw
