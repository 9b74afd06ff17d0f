// Where the program's own texts come from. The native build compiles the
// string table in; the Windows program reads the same table from its
// resources, so both see one source (string_table.def).
#pragma once

#include <string>

namespace fw {

class StringSource {
public:
    virtual ~StringSource() = default;
    // The program's own text of a string id; empty when the id has none.
    virtual std::string Get(int id) const = 0;
};

// The string table compiled into the binary.
class CompiledStringTable final : public StringSource {
public:
    std::string Get(int id) const override;
};

}  // namespace fw
