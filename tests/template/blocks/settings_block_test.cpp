#include "template/blocks/settings_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "strings/ui_strings.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

const unsigned char* Bytes(const SystemSettings& settings) {
    return reinterpret_cast<const unsigned char*>(&settings);
}

void ExpectZero(const SystemSettings& settings, int from, int to) {
    for (int i = from; i <= to; ++i) ASSERT_EQ(Bytes(settings)[i], 0) << "byte " << i;
}

TEST(SystemSettings, ResetWritesTheDefaultsByOffset) {
    CompiledStringTable builtin;
    UiStrings strings(builtin);
    SystemSettings settings;
    std::memset(&settings, 0xAA, sizeof settings);
    ResetSystemSettings(settings, strings);
    const unsigned char* b = Bytes(settings);

    const unsigned char head[] = {0, 1, 1, 44, 0, 0, 1, 1, 6, 9, 0};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(b[i], head[i]) << "byte " << i;
    ExpectZero(settings, 11, 53);  // password, protections, reserved runs

    const std::string folder = "\\My Documents" + std::string(37, ' ');
    EXPECT_EQ(FieldText(settings.defaultExportStore), folder);
    EXPECT_EQ(FieldText(settings.cameraImageStore), folder);
    ExpectZero(settings, 54 + 50, 362);
    EXPECT_EQ(b[363], 10);
    EXPECT_EQ(b[364], 60);
    EXPECT_EQ(b[365], 2) << "1600 * 1200";
    EXPECT_EQ(b[366], 0);
    EXPECT_EQ(b[367], 1) << "Normal";
    EXPECT_EQ(b[368], 0);
    ExpectZero(settings, 369 + 50, 640);
    for (int i = 641; i < 862; ++i) ASSERT_EQ(b[i], 0xAA) << "byte " << i;
}

TEST(SystemSettings, ResetTakesTheFolderFromTheLanguageCutTo260) {
    CompiledStringTable builtin;
    UiStrings strings(builtin);
    strings.table().SetSlot(3541, std::string(259, 'd') + "XY");
    strings.SetLanguageActive(true);
    SystemSettings settings;
    std::memset(&settings, 0xAA, sizeof settings);
    ResetSystemSettings(settings, strings);
    EXPECT_EQ(FieldText(settings.defaultExportStore), std::string(259, 'd') + "X");
    EXPECT_EQ(FieldText(settings.cameraImageStore), std::string(259, 'd') + "X");
    EXPECT_EQ(Bytes(settings)[315], 0) << "the cut does not spill into the next field";
    EXPECT_EQ(Bytes(settings)[630], 0);
}

TEST(SystemSettings, PasswordIsUpToTenAsciiLettersAndDigits) {
    EXPECT_EQ(CheckPassword(""), PasswordCheck::Valid);
    EXPECT_EQ(CheckPassword("Abc123xyZ9"), PasswordCheck::Valid);
    EXPECT_EQ(CheckPassword("Abc123xyZ90"), PasswordCheck::TooLong);
    EXPECT_EQ(CheckPassword("abc!def#gh1"), PasswordCheck::TooLong) << "length is judged first";
    EXPECT_EQ(CheckPassword("abc def"), PasswordCheck::InvalidCharacter);
    EXPECT_EQ(CheckPassword("abc-1"), PasswordCheck::InvalidCharacter);
    EXPECT_EQ(CheckPassword("caf\xE9"), PasswordCheck::InvalidCharacter) << "no letters beyond ASCII";
}

}  // namespace
}  // namespace fw
