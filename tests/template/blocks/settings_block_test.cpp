#include "template/blocks/settings_block.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

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
