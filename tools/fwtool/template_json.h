// A template file as JSON and back, walking the field map: every named field
// under its block field name, codes as numbers, texts as strings, reserved
// runs as hex. Texts that hold something behind their NUL, as foreign or
// damaged files can, become {"text": ..., "rest": hex} so that nothing is
// lost; key-code lists likewise with "codes".
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace fw {

using Json = nlohmann::ordered_json;

// `image` is a whole template file.
Json DumpTemplate(std::span<const std::uint8_t> image);

// Indented JSON for people and version control: objects one key a line,
// arrays of plain values on one line.
std::string JsonText(const Json& json);

// A JSON text that cannot be a template: the message names the key path (or
// the line and column) and what is allowed.
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Overlays the JSON text onto `image`, a whole template file holding what
// keys left out are to keep. Throws BuildError; `image` is then unusable.
void BuildTemplate(std::string_view jsonText, std::span<std::uint8_t> image);

}  // namespace fw
