#include "strings/resource_strings_win32.h"

namespace fw {

std::string ResourceStringTable::Get(int id) const {
    // 260 characters and a NUL: the longest text a string slot holds.
    char buffer[261];
    if (id < 0 || id > 0xFFFF) return {};
    const int length = LoadStringA(instance_, static_cast<UINT>(id), buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

}  // namespace fw
