// One element's value as the pages show it: codes by their list entry
// ("integer", "appended to the bottom of a record"), targets and character
// codes named, texts quoted, key codes by their key names, raw bytes in hex.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "template/field_elements.h"

namespace fw {

// A list that shows one byte of a record, with the texts its page fills it
// with, each beside the code its entry stands for.
struct ByteCodeList {
    std::string part;    // the part's key: "reader"
    std::size_t offset;  // of the byte in its record
    std::vector<std::pair<unsigned, std::string>> entries;
};

// The lists whose words the core does not hold itself: the reader's, which
// its pages define. Whoever runs a diff, a flat dump or a merge hands them
// in; without them those bytes read as numbers.
class ByteCodeLists {
public:
    // A byte already shown by a list keeps that list.
    void Add(const ByteCodeList& list);
    // The entry's text; "" when no list shows the byte or none of its
    // entries has the code.
    std::string Words(std::string_view part, std::size_t offset, unsigned code) const;

private:
    std::map<std::pair<std::string, std::size_t>, ByteCodeList> lists_;
};

// `bytes` is the element's own (element.In(image)). A text gives its quoted
// characters up to the NUL; what lies behind them is SplitTerminated's rest.
std::string ElementWords(const FieldElement& element, std::span<const std::uint8_t> bytes,
                         const ByteCodeLists& lists = {});

// Between a value before and after: " → ".
inline constexpr const char* kArrow = " \xE2\x86\x92 ";

// Where a stretch of `count` raw bytes lies in its record: "12", "12-15".
std::string OffsetRange(std::size_t first, std::size_t count);

// "00 1f 20"; past `shown` bytes the rest is "…".
std::string HexWords(std::span<const std::uint8_t> bytes, std::size_t shown = SIZE_MAX);

// How many bytes of a run a report shows.
constexpr std::size_t kShownBytes = 16;

}  // namespace fw
