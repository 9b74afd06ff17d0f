#include "template/lookup_lengths.h"

#include <cstddef>
#include <cstdint>

namespace fw {
namespace {

// The length bytes sit just before each field slot: byte 805 + f is
// fieldLength of field f (1-12) and 820 + f its fieldLengthHigh. Field 0
// reads the bytes in front of the first slot, which the terminal expects to
// be zero for lookups of at most 12 fields. Any code up to 255 stays inside
// the record, so a code from a foreign file cannot read past it.
constexpr std::size_t kLengthBase = offsetof(LookupRecord, fieldLength) - 1;
constexpr std::size_t kLengthHighBase = offsetof(LookupRecord, fieldLengthHigh) - 1;
static_assert(kLengthBase == 805 && kLengthHighBase == 820);
static_assert(kLengthHighBase + 255 < sizeof(LookupRecord));

}  // namespace

void PropagateLookupLengths(FormRecord (&forms)[kFormCount],
                            const LookupRecord (&lookups)[kLookupCount]) {
    for (FormRecord& form : forms) {
        if (form.lookupFile < 1 || form.lookupFile > kLookupCount) continue;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&lookups[form.lookupFile - 1]);
        for (int line = 0; line < kFormLineCount; ++line) {
            if (form.dataType[line] != kTypeLookup) continue;
            const unsigned field = form.lookupField[line];
            form.maxLength[line] = bytes[kLengthBase + field];
            form.maxLengthBlocks[line] = bytes[kLengthHighBase + field];
        }
    }
}

}  // namespace fw
