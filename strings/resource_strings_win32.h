// The program's own texts as the Windows program carries them: the string
// table in its resources.
#pragma once

#include <windows.h>

#include "strings/string_source.h"

namespace fw {

class ResourceStringTable final : public StringSource {
public:
    explicit ResourceStringTable(HINSTANCE instance) : instance_(instance) {}
    std::string Get(int id) const override;

private:
    HINSTANCE instance_;
};

}  // namespace fw
