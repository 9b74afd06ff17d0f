// The date and time stamp of a saved record as a form's stamp settings shape
// it: which parts it has, their order and their separators. The texts of the
// parts come from the caller: the digits of a moment, or patterns such as
// "YYYY" that describe them.
#pragma once

#include <string>

#include "template/blocks/form_block.h"

namespace fw {

struct StampParts {
    std::string year, month, day, hour, minute, second;
};

std::string StampDateText(const FormRecord& form, const StampParts& parts);
std::string StampTimeText(const FormRecord& form, const StampParts& parts);

}  // namespace fw
