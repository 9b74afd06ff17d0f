// Export file names (a lookup's or a form's) live in a 21-byte field: at most
// 20 characters and a NUL, without the ".TXT" the terminal adds.
#pragma once

#include <cstddef>

namespace fw {

constexpr std::size_t kExportNameSize = 21;

// Drops trailing spaces (a name of spaces only becomes empty) and cuts what is
// left to 20 characters. The removed characters become NULs; bytes behind the
// old end of the name are not touched. A field without a NUL, as a damaged file
// can bring, counts as a 21-character name.
void TidyExportName(char (&name)[kExportNameSize]);

}  // namespace fw
