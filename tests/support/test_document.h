// A template document on the program's own texts, reset as New leaves it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "strings/string_source.h"
#include "strings/ui_strings.h"
#include "template/template_document.h"

namespace fw::test {

struct TestDocument {
    CompiledStringTable builtin;
    UiStrings strings{builtin};
    TemplateDocument doc{strings};

    TestDocument() {
        doc.FillDeviceTexts();
        doc.Reset();
    }
};

// A fresh directory under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, std::string_view text);
// Menu 1 starts the program and leads to a keyed stock form and a price form
// that looks its codes up in lookup file 1: a template the check finds clean,
// its derived values worked out as a save works them out.
void MakeCleanTemplate(TemplateBlocks& b);

// The offsets of the bytes in which two blocks differ.
template <class Block>
std::set<std::size_t> ChangedBytes(const Block& before, const Block& after) {
    std::set<std::size_t> changed;
    const auto* a = reinterpret_cast<const std::uint8_t*>(&before);
    const auto* b = reinterpret_cast<const std::uint8_t*>(&after);
    for (std::size_t i = 0; i < sizeof before; ++i)
        if (a[i] != b[i]) changed.insert(i);
    return changed;
}

// Several values as one, so a block of them is compared at once:
// EXPECT_EQ(Values(r.a, r.b), Values(1, 0)).
template <class... T>
std::vector<int> Values(T... values) {
    return {static_cast<int>(values)...};
}

// The bytes Save writes for the document, after the preparation Save makes.
std::vector<std::uint8_t> SavedBytes(TemplateDocument& doc);
// The NUL-ended text at `offset`.
std::string TextAt(const std::vector<std::uint8_t>& bytes, std::size_t offset);

}  // namespace fw::test
