#include "template/export_name.h"

#include <cstring>

#include "template/fixed_text.h"

namespace fw {

void TidyExportName(char (&name)[kExportNameSize]) {
    const std::size_t oldLength = FieldText(name).size();
    std::size_t length = oldLength;
    while (length > 0 && name[length - 1] == ' ') --length;
    if (length > kExportNameSize - 1) length = kExportNameSize - 1;
    const std::size_t end = oldLength < kExportNameSize ? oldLength : kExportNameSize - 1;
    std::memset(name + length, 0, end - length + 1);
}

}  // namespace fw
