#include "ui/message.h"

#include <string>

#include "strings/ui_strings.h"

namespace fw {

Answer ShowMessageById(MessageOwner& owner, const UiStrings& strings, int titleId, int textId, Buttons buttons,
                       Icon icon) {
    char title[160];
    char text[160];
    if (strings.LoadUiString(titleId, title, sizeof title) == 0 ||
        strings.LoadUiString(textId, text, sizeof text) == 0)
        return Answer::None;
    return owner.Message(text, title, buttons, icon);
}

bool ConfirmById(MessageOwner& owner, const UiStrings& strings, int textId, std::string_view subject) {
    std::string text = strings.Text(textId);
    if (const std::size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, subject);
    return owner.Message(text, strings.Text(kTitleWarning), Buttons::YesNo, Icon::Exclamation) == Answer::Yes;
}

}  // namespace fw
