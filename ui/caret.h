// Where the caret goes when the logic rewrites the box the user is typing
// in (a number clamped, a leading zero dropped, a refused character taken
// out). Windows would put it at the start, so the next key would land in
// front of the text; instead it keeps its distance from the end of the
// text, which leaves it behind what the user typed and the box kept.
#pragma once

#include <algorithm>
#include <string_view>

namespace fw {

inline int CaretAfterRewrite(std::string_view before, int caret, std::string_view after) {
    const int behind = std::max(0, static_cast<int>(before.size()) - caret);
    return std::clamp(static_cast<int>(after.size()) - behind, 0, static_cast<int>(after.size()));
}

}  // namespace fw
