#include "template/file_text.h"

#include <fstream>
#include <system_error>

namespace fw {

std::optional<std::string> ReadFileText(const std::filesystem::path& path, std::size_t maxBytes) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text;
    char chunk[65536];
    while (text.size() < maxBytes && in.read(chunk, sizeof chunk).gcount() > 0)
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (text.size() > maxBytes) text.resize(maxBytes);
    return text;
}

}  // namespace fw
