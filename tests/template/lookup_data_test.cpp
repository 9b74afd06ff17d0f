#include "template/lookup_data.h"

#include <gtest/gtest.h>

#include <cstring>

namespace fw {
namespace {

// Code (text, key), Qty (integer), Price (real), Unit (letter), Taxed (boolean).
LookupRecord Definition(std::uint8_t delimiter) {
    LookupRecord lookup{};
    lookup.fieldCount = 5;
    lookup.delimiter = delimiter;
    const char* names[] = {"Code", "Qty", "Price", "Unit", "Taxed"};
    const std::uint8_t types[] = {kLookupText, kLookupInteger, kLookupReal, kLookupLetter, kLookupBoolean};
    const std::uint8_t lengths[] = {4, 3, 6, 2, 1};
    for (int f = 0; f < 5; ++f) {
        std::strcpy(lookup.fieldName[f], names[f]);
        lookup.dataType[f] = types[f];
        lookup.fieldLength[f] = lengths[f];
    }
    return lookup;
}

std::vector<std::vector<std::string>> Problems(const LookupRecord& lookup, std::string_view data) {
    std::vector<std::vector<std::string>> problems;
    for (const LookupDataRecord& record : ReadLookupData(lookup, data)) problems.push_back(record.problems);
    return problems;
}

TEST(LookupData, FixedLengthRecordsAreCutAtTheirPositions) {
    const LookupRecord lookup = Definition(0);
    const auto records = ReadLookupData(lookup, "A1  12 1.50  kgY\r\nB2  -3   7   pcn\r\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"A1  ", "12 ", "1.50  ", "kg", "Y"}));
    EXPECT_TRUE(records[0].problems.empty());
    EXPECT_TRUE(records[1].problems.empty());
    EXPECT_EQ(records[1].line, 2);

    EXPECT_EQ(Problems(lookup, "A1  1x 1.5.0 k2Q\nB2  12 1.50  kgY1\n    12 1.50  kgY"),
              (std::vector<std::vector<std::string>>{
                  {"field 2 \"Qty\" \"1x\" is not an integer", "field 3 \"Price\" \"1.5.0\" is not a real number",
                   "field 4 \"Unit\" \"k2\" holds more than letters",
                   "field 5 \"Taxed\" \"Q\" is not a boolean (1 0 T F Y N)"},
                  {"the record is 17 characters long; the definition gives 16"},
                  {"the key, field 1 \"Code\", is empty"}}));
}

TEST(LookupData, DelimitedRecordsHaveTheirFieldCountAndMaximumLengths) {
    const LookupRecord lookup = Definition(';');
    EXPECT_EQ(Problems(lookup, "A1;12;1.5;kg;1\r\nA1;3;2;m;0\r\nCODE5;1;2;m;0\r\nC3;1;2\r\n"),
              (std::vector<std::vector<std::string>>{
                  {},
                  {"the key \"A1\" repeats line 1"},
                  {"field 1 \"Code\" is 5 characters long; at most 4"},
                  {"the record has 3 fields; the definition gives 5"}}));
}

TEST(LookupData, DefinitionsThatCannotBeReadAgainstAreNamed) {
    LookupRecord lookup = Definition(0);
    EXPECT_EQ(LookupDefinitionProblem(lookup), "");
    lookup.keyField = 5;
    EXPECT_EQ(LookupDefinitionProblem(lookup), "its key field 6 is beyond its 5 fields");
    lookup.fieldCount = 0;
    EXPECT_EQ(LookupDefinitionProblem(lookup), "it has no fields");
}

}  // namespace
}  // namespace fw
