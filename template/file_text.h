// A whole file read into memory, for the readers of lookup data, JSON,
// language files and templates that work on bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace fw {

// The bytes of a file, at most maxBytes; nothing when it cannot be opened.
std::optional<std::string> ReadFileText(const std::filesystem::path& path, std::size_t maxBytes = SIZE_MAX);

}  // namespace fw
