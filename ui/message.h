// Message boxes built from two string ids, as every failure is reported.
#pragma once

#include <string_view>

#include "ui/dialog.h"

namespace fw {

class UiStrings;

constexpr int kTitleError = 2601;
constexpr int kTitleWarning = 2602;

// Shows nothing and returns Answer::None when either text is empty.
Answer ShowMessageById(MessageOwner& owner, const UiStrings& strings, int titleId, int textId,
                       Buttons buttons = Buttons::Ok, Icon icon = Icon::Exclamation);

// The question before work is dropped, Yes and No with No the default; the
// text's "%1" stands for `subject` (a form's number, say). True for Yes.
bool ConfirmById(MessageOwner& owner, const UiStrings& strings, int textId, std::string_view subject = {});

}  // namespace fw
