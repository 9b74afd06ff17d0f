#include "template/key_names.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "grid/grid_opener.h"

namespace fw {
namespace {

TEST(KeyNames, PrintableCodesAreTheirCharacterAndHighCodesTheirNumber) {
    EXPECT_STREQ(KeyName(0x20), "SP");
    EXPECT_STREQ(KeyName(0x26), "&&");
    EXPECT_STREQ(KeyName(0x7F), "DEL");
    for (int k = 0x21; k < 0x7F; ++k) {
        if (k == 0x26) continue;
        EXPECT_EQ(std::string(KeyName(static_cast<std::uint8_t>(k))), std::string(1, static_cast<char>(k))) << k;
    }
    for (int k = 0x80; k <= 0xFF; ++k)
        EXPECT_EQ(KeyName(static_cast<std::uint8_t>(k)), std::to_string(k)) << k;
}

TEST(KeyCodesToText, AppendsNamesWithSpacesUpToTheFirstZero) {
    const std::uint8_t codes[] = {0x10, 0x41, 0x20, 0x80, 0x00, 0x42};
    std::string text;
    EXPECT_EQ(KeyCodesToText(codes, sizeof codes, text), 4);
    EXPECT_EQ(text, "F2 A SP 128 ");

    std::string limited = "x";
    EXPECT_EQ(KeyCodesToText(codes, 2, limited), 2);
    EXPECT_EQ(limited, "xF2 A ");  // appends, the caller clears
}

TEST(DisplayText, TurnsTheAmpersandNameIntoOneAmpersand) {
    EXPECT_EQ(ComposedToDisplayText("A && && B "), "A & & B ");
    EXPECT_EQ(ComposedToDisplayText("&&"), "&&");  // only a name followed by its space
    const std::uint8_t codes[] = {0x26, 0x41, 0xFF, 0x00, 0x42};
    EXPECT_EQ(CodesDisplayText(codes, sizeof codes), "& A 255 ");
}

}  // namespace
}  // namespace fw
