#include "tools/fwtool/fwtool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "support/test_document.h"
#include "template/template_file.h"

namespace fw {
namespace {

int RunTool(std::vector<std::string> args, std::string* message = nullptr) {
    std::ostringstream err;
    const int code = RunFwtool(args, err);
    if (message) *message = err.str();
    return code;
}

TEST(Fwtool, NewWritesWhatNewFollowedBySaveWrites) {
    test::TempDir dir;
    ASSERT_EQ(RunTool({"new", (dir / "a.QLT").string()}), 0);
    test::TestDocument t;
    ASSERT_TRUE(WriteTemplateFile(t.doc, dir / "b.QLT"));
    const auto bytes = test::ReadAll(dir / "a.QLT");
    EXPECT_EQ(bytes.size(), kTemplateFileSize);
    EXPECT_EQ(bytes, test::ReadAll(dir / "b.QLT"));
}

TEST(Fwtool, PrepareReadsAsOpenDoesAndWritesAsSaveDoes) {
    test::TempDir dir;
    test::TestDocument t;
    t.doc.blocks.forms[2].dataType[0] = kTypeText;
    t.doc.blocks.forms[2].maxLength[0] = 12;
    t.doc.blocks.forms[2].lastInputLine = 1;
    ASSERT_TRUE(WriteTemplateFile(t.doc, dir / "in.QLT"));
    ASSERT_EQ(RunTool({"prepare", (dir / "in.QLT").string(), (dir / "out.QLT").string()}), 0);
    const auto out = test::ReadAll(dir / "out.QLT");
    ASSERT_EQ(out.size(), kTemplateFileSize);
    const std::size_t form2 = 13390 + 2 * 5027;
    EXPECT_EQ(out[form2 + 23], 20) << "8-byte key field and the 12-character line";
}

TEST(Fwtool, LanguageFileTranslatesTheScreenTexts) {
    test::TempDir dir;
    test::WriteAll(dir / "de.lng", {'D', 'e', '\r', '\n', '3', '0', '0', '1', '=', 'M', 'a', 'x', '\r', '\n'});
    ASSERT_EQ(RunTool({"new", (dir / "a.QLT").string(), "--lang", (dir / "de.lng").string()}), 0);
    const auto bytes = test::ReadAll(dir / "a.QLT");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[kDeviceTextsOffset])), "Max");
}

TEST(Fwtool, ReportsRefusedAndMissingFilesWithTheirOwnExitCodes) {
    test::TempDir dir;
    std::string message;
    std::vector<std::uint8_t> newer(kTemplateFileSize, 0);
    std::memcpy(newer.data(), "QELTAR-02000000", 15);
    test::WriteAll(dir / "newer.QLT", newer);
    EXPECT_EQ(RunTool({"prepare", (dir / "newer.QLT").string(), (dir / "o.QLT").string()}, &message), 2);
    EXPECT_EQ(message, "The FW file version is newer than current program!\n");
    test::WriteAll(dir / "foreign.QLT", {'Z', 'I', 'P'});
    EXPECT_EQ(RunTool({"prepare", (dir / "foreign.QLT").string(), (dir / "o.QLT").string()}, &message), 2);
    EXPECT_EQ(message, "Format of this FW file is incorrect!\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "o.QLT"));

    EXPECT_EQ(RunTool({"prepare", (dir / "gone.QLT").string(), (dir / "o.QLT").string()}, &message), 1);
    EXPECT_NE(message.find("gone.QLT"), std::string::npos);
    EXPECT_EQ(RunTool({"new", (dir / "no" / "dir.QLT").string()}, &message), 1);
    EXPECT_NE(message.find("dir.QLT"), std::string::npos);
    EXPECT_EQ(RunTool({"new", (dir / "x.QLT").string(), "--lang", (dir / "none.lng").string()}), 1);
    EXPECT_EQ(RunTool({"bogus"}), 1);
    EXPECT_EQ(RunTool({"new"}), 1);
}

}  // namespace
}  // namespace fw
