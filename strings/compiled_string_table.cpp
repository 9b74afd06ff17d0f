#include "strings/string_source.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace fw {
namespace {

struct Entry {
    int id;
    std::string_view text;
};

constexpr Entry kEntries[] = {
#define STR(id, text) {id, text},
#include "strings/string_table.def"
#undef STR
};

constexpr bool SortedById() {
    for (std::size_t i = 1; i < std::size(kEntries); ++i)
        if (kEntries[i - 1].id >= kEntries[i].id) return false;
    return true;
}
static_assert(SortedById(), "string_table.def must list each id once, in ascending order");

}  // namespace

std::string CompiledStringTable::Get(int id) const {
    const auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                                     [](const Entry& e, int key) { return e.id < key; });
    if (it == std::end(kEntries) || it->id != id) return {};
    return std::string(it->text);
}

}  // namespace fw
