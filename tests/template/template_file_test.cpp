#include "template/template_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "support/test_document.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

using test::TextAt;
using test::Values;

constexpr std::size_t kMenus = 20, kForms = 13390, kLookups = 113930;

std::vector<std::uint8_t> Header(const char* text, std::size_t size = kSignatureSize) {
    std::vector<std::uint8_t> bytes(size, 0);
    std::memcpy(bytes.data(), text, std::strlen(text));
    return bytes;
}

// Where the blocks and their fields stand is pinned where they are declared;
// their defaults are the blocks' own tests'.
TEST(TemplateFile, AFreshTemplateCarriesTheSignatureAndZeroPaddingAndGap) {
    test::TestDocument t;
    const auto file = test::SavedBytes(t.doc);
    EXPECT_EQ(TextAt(file, 0), "QELTAR-01000100");
    for (std::size_t i = 15; i < 20; ++i) EXPECT_EQ(file[i], 0);
    for (std::size_t i = 122189; i < 122689; ++i) ASSERT_EQ(file[i], 0) << i;
}

// Fills every block and table byte with noise, as a file from the field may.
void Scramble(TemplateDocument& doc, unsigned seed) {
    std::mt19937 random(seed);
    auto* blocks = reinterpret_cast<std::uint8_t*>(&doc.blocks);
    for (std::size_t i = 0; i < sizeof doc.blocks; ++i) blocks[i] = static_cast<std::uint8_t>(random());
    for (auto& b : doc.deviceTexts.Bytes()) b = static_cast<std::uint8_t>(random());
}

TEST(TemplateFile, ReadingBackReproducesEveryByteButTheLoadFixUps) {
    test::TestDocument writer, reader;
    test::TempDir dir;
    Scramble(writer.doc, 7);
    ASSERT_TRUE(WriteTemplateFile(writer.doc, dir / "a.QLT"));
    const auto file = test::ReadAll(dir / "a.QLT");

    ASSERT_EQ(ReadTemplateFile(reader.doc, dir / "a.QLT"), LoadResult::Loaded);
    const auto image = TemplateImage(reader.doc);
    ASSERT_EQ(image.size(), file.size());

    const std::size_t table5 = 124474, table47 = 151249;
    std::size_t differences = 0;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (image[i] == file[i]) continue;
        const bool inTable47 = i >= table47 && i < table47 + 1020;
        const bool inTable5Slot3 = i >= table5 + 3 * 51 && i < table5 + 4 * 51;
        const std::size_t formOffset = (i - kForms) % 5027;
        const bool inPrompt = i >= kForms && i < kLookups && formOffset >= 65 && formOffset < 830 &&
                              (formOffset - 65) % 51 == 30;
        EXPECT_TRUE(inTable47 || inTable5Slot3 || inPrompt) << "byte " << i << " changed";
        ++differences;
    }
    EXPECT_GT(differences, 0u);
    EXPECT_EQ(std::memcmp(&image[table5 + 3 * 51], &image[table5 + 5 * 51], 51), 0);
    EXPECT_EQ(TextAt(image, table47), "2D Image Properties" + std::string(31, ' '));
    for (const FormRecord& form : reader.doc.blocks.forms)
        for (const auto& prompt : form.prompt) EXPECT_LE(FieldText(prompt).size(), 30u);
    EXPECT_EQ(std::memcmp(&reader.doc.readerWorking, &reader.doc.blocks.reader, sizeof(ReaderBlock)), 0);
    EXPECT_EQ(std::memcmp(reader.doc.formSideLookups, reader.doc.blocks.lookups,
                          sizeof reader.doc.formSideLookups), 0);
    EXPECT_EQ(reader.doc.rfidReaderFlag, reader.doc.blocks.reader.rfidReaderOn != 0 ? 1u : 0u);
}

TEST(TemplateFile, AShortFileLoadsAsFarAsItGoesAndBytesPastTheEndAreIgnored) {
    test::TestDocument t;
    auto before = TemplateImage(t.doc);
    auto bytes = Header("QELTAR-01000100", kSignatureSize + 1000);
    for (std::size_t i = kSignatureSize; i < bytes.size(); ++i) bytes[i] = 0x5A;
    ASSERT_EQ(LoadTemplateImage(t.doc, bytes), LoadResult::Loaded);
    const auto after = TemplateImage(t.doc);
    EXPECT_EQ(after[kMenus + 999], 0x5A);
    const std::size_t table5 = 124474;  // the first bytes a fix-up may touch
    EXPECT_EQ(std::memcmp(&after[kMenus + 1000], &before[kMenus + 1000], table5 - kMenus - 1000), 0)
        << "bytes the file does not hold keep what they were";

    auto full = TemplateImage(t.doc);
    full[kForms + 1] = 42;
    full.resize(kTemplateFileSize + 4096, 0xEE);
    test::TestDocument other;
    ASSERT_EQ(LoadTemplateImage(other.doc, full), LoadResult::Loaded);
    EXPECT_EQ(other.doc.blocks.forms[0].nextTarget, 42);
}

// A signature alone is accepted; a refused file changes nothing. The
// fix-ups' every effect is the reading-back test's.
TEST(TemplateFile, ASignatureAloneIsAcceptedAndStillRunsTheFixUpsARefusedFileChangesNothing) {
    test::TestDocument t;
    t.doc.readerWorking.readerType = 0;
    ASSERT_EQ(LoadTemplateImage(t.doc, Header("QELTAR")), LoadResult::Loaded);
    EXPECT_EQ(Values(t.doc.readerWorking.readerType, t.doc.readerTypeState.oneDClass), Values(kReaderTypeLaser, 3));

    const auto before = TemplateImage(t.doc);
    auto bytes = Header("QELTAR-01000200", kTemplateFileSize);
    EXPECT_EQ(LoadTemplateImage(t.doc, bytes), LoadResult::NewerVersion);
    std::memcpy(bytes.data(), "QELTAX", 6);
    EXPECT_EQ(LoadTemplateImage(t.doc, bytes), LoadResult::BadFormat);
    EXPECT_EQ(TemplateImage(t.doc), before);
}

TEST(TemplateFile, SignatureRuleComparesVersionsInPlainByteOrder) {
    const std::pair<const char*, SignatureCheck> cases[] = {
        {"QELTAR-01000100", SignatureCheck::Accepted},
        {"QELTAR-01000100\xFF\xFF\xFF\xFF", SignatureCheck::Accepted},  // only 15 characters are compared
        {"QELTAR-01000099", SignatureCheck::Accepted},
        {"QELTAR-01000101", SignatureCheck::NewerVersion},
        {"QELTAR-99", SignatureCheck::NewerVersion},
        {"QELTAR+99999999", SignatureCheck::Accepted},
        {"QELTARA", SignatureCheck::NewerVersion},
        {"QELTAR", SignatureCheck::Accepted},
        {"QELTAX-00000000", SignatureCheck::BadFormat},
        {"qeltar-01000100", SignatureCheck::BadFormat},
        {"", SignatureCheck::BadFormat},
    };
    for (const auto& [header, expected] : cases) EXPECT_EQ(CheckSignature(Header(header)), expected) << header;
    EXPECT_EQ(CheckSignature(std::vector<std::uint8_t>{'Q', 'E', 'L'}), SignatureCheck::BadFormat);
}

TEST(TemplateFile, AFileThatCannotBeOpenedOrWrittenIsReportedAndAFailedSaveKeepsTheOldFile) {
    test::TestDocument t;
    test::TempDir dir;
    EXPECT_EQ(ReadTemplateFile(t.doc, dir / "missing.QLT"), LoadResult::CannotOpen);
    EXPECT_EQ(ReadTemplateFile(t.doc, dir.path()), LoadResult::CannotOpen);
    EXPECT_FALSE(WriteTemplateFile(t.doc, dir / "no-such-folder" / "x.QLT"));

    const auto path = dir / "keep.QLT";
    ASSERT_TRUE(WriteTemplateFile(t.doc, path));
    const auto old = test::ReadAll(path);
    // A directory in the temporary file's place makes the write fail.
    std::filesystem::create_directory(dir / "keep.QLT.fwtmp");
    t.doc.blocks.forms[0].escTarget = 5;
    EXPECT_FALSE(WriteTemplateFile(t.doc, path));
    EXPECT_EQ(test::ReadAll(path), old);
    std::filesystem::remove(dir / "keep.QLT.fwtmp");
    EXPECT_TRUE(WriteTemplateFile(t.doc, path));
    EXPECT_EQ(test::ReadAll(path)[kForms], 5) << "a later save replaces the file";
}

}  // namespace
}  // namespace fw
