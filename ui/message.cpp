#include "ui/message.h"

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

}  // namespace fw
