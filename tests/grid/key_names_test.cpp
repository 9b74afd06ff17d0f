#include "grid/key_names.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "grid/grid_opener.h"

namespace fw {
namespace {

TEST(KeyNames, ControlCodesNameTheTerminalKeys) {
    // In code order, so a table transposed against the grid layout shows up.
    const char* const expected[0x20] = {"",   "Ins", "Del", "Home", "End", "Up",  "Down", "Left",
                                        "BS", "HT",  "LF",  "Right", "PgUp", "Enter", "PgDn", "F1",
                                        "F2", "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "F9",
                                        "F10", "F11", "F12", "ESC", "Exec", "",    "",    ""};
    for (int k = 0; k < 0x20; ++k) EXPECT_STREQ(KeyName(static_cast<std::uint8_t>(k)), expected[k]) << k;
}

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

TEST(KeyNames, TableIsLaidOutAsTheGrid) {
    // "A" (0x41) stands in column "40", row "01".
    EXPECT_STREQ(kKeyNameTable[1 * 16 + 4], "A");
    EXPECT_STREQ(ColumnHeader(4), "40");
    EXPECT_STREQ(RowHeader(1), "01");
    EXPECT_STREQ(ColumnHeader(0), "00");
    EXPECT_STREQ(ColumnHeader(10), "A0");
    EXPECT_STREQ(RowHeader(10), "0A");
    EXPECT_STREQ(RowHeader(15), "0F");
    EXPECT_STREQ(ColumnHeader(16), "");
    EXPECT_STREQ(RowHeader(-1), "");
}

TEST(KeyNames, ExactlySixCodesCannotBePicked) {
    int refused = 0;
    for (int k = 0; k <= 0xFF; ++k) refused += IsPickable(static_cast<std::uint8_t>(k)) ? 0 : 1;
    EXPECT_EQ(refused, 6);
    for (std::uint8_t code : {0x00, 0x0A, 0x0D, 0x1D, 0x1E, 0x1F}) EXPECT_FALSE(IsPickable(code)) << int(code);
    for (std::uint8_t code : {0x01, 0x0B, 0x1C, 0x20, 0x26, 0xFF}) EXPECT_TRUE(IsPickable(code)) << int(code);
}

TEST(KeyCodesToText, AppendsNamesWithSpacesUpToTheFirstZero) {
    const std::uint8_t codes[] = {0x10, 0x41, 0x20, 0x80, 0x00, 0x42};
    std::string text;
    EXPECT_EQ(KeyCodesToText(codes, sizeof codes, text), 4);
    EXPECT_EQ(text, "F2 A SP 128 ");

    std::string limited = "x";
    EXPECT_EQ(KeyCodesToText(codes, 2, limited), 2);
    EXPECT_EQ(limited, "xF2 A ");  // appends, the caller clears

    std::string none;
    EXPECT_EQ(KeyCodesToText(codes + 4, 2, none), 0);
    EXPECT_EQ(none, "");
}

TEST(ComposedToDisplayText, TurnsTheAmpersandNameIntoOneAmpersand) {
    EXPECT_EQ(ComposedToDisplayText("&& "), "& ");
    EXPECT_EQ(ComposedToDisplayText("A && && B "), "A & & B ");
    EXPECT_EQ(ComposedToDisplayText("F2 SP "), "F2 SP ");
    EXPECT_EQ(ComposedToDisplayText("&&"), "&&");  // only a name followed by its space
    EXPECT_EQ(ComposedToDisplayText(""), "");
}

TEST(CodesDisplayText, ShowsACodeListAsABoxDoes) {
    const std::uint8_t codes[] = {0x26, 0x41, 0xFF, 0x00, 0x42};
    EXPECT_EQ(CodesDisplayText(codes, sizeof codes), "& A 255 ");
    EXPECT_EQ(CodesDisplayText(codes, 0), "");
}

}  // namespace
}  // namespace fw
