#include "support/test_document.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "template/template_file.h"

namespace fw::test {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("fwtest-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadText(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = ReadAll(path);
    return {bytes.begin(), bytes.end()};
}

void WriteText(const std::filesystem::path& path, std::string_view text) {
    WriteAll(path, {text.begin(), text.end()});
}

std::vector<std::uint8_t> SavedBytes(TemplateDocument& doc) {
    TempDir dir;
    EXPECT_TRUE(WriteTemplateFile(doc, dir / "saved.QLT"));
    std::vector<std::uint8_t> bytes = ReadAll(dir / "saved.QLT");
    EXPECT_EQ(bytes.size(), kTemplateFileSize);
    bytes.resize(kTemplateFileSize);  // so a test's offsets stay inside
    return bytes;
}

std::string TextAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return reinterpret_cast<const char*>(&bytes.at(offset));
}

}  // namespace fw::test
