#include "support/test_document.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include <cstring>

#include "template/fixed_text.h"
#include "template/save_preparation.h"
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

void MakeCleanTemplate(TemplateBlocks& b) {
    b.settings.startFrom = 1;
    MenuRecord& menu = b.menus[0];
    std::strcpy(menu.itemName[0], "Count");
    std::strcpy(menu.itemName[1], "Prices");
    menu.nextTarget[0] = 1;
    menu.nextTarget[1] = 2;
    menu.itemCount = 2;

    FormRecord& stock = b.forms[0];
    stock.dataType[0] = kTypeText;
    std::strcpy(stock.prompt[0], "Item");
    stock.maxLength[0] = 12;
    stock.dataType[1] = kTypeInteger;
    stock.maxLength[1] = 5;
    stock.keyLine = 1;
    stock.noKeyLine = 0;
    stock.lastInputLine = 2;
    stock.escTarget = 21;

    FormRecord& prices = b.forms[1];
    prices.lookupFile = 1;
    prices.dataType[0] = kTypeText;  // the code looked up: linked to the key field
    prices.maxLength[0] = 6;
    prices.lookupField[0] = 1;
    prices.dataType[1] = kTypeLookup;
    prices.lookupField[1] = 2;
    prices.lastInputLine = 1;
    prices.escTarget = 21;

    LookupRecord& lookup = b.lookups[0];
    lookup.fieldCount = 2;
    lookup.fieldLength[0] = 6;
    lookup.fieldLength[1] = 8;
    SetLe16(lookup.recordLength, 14);
    PrepareBlocksForSaving(b);
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
