#include "template/flat_dump.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "support/test_document.h"
#include "template/template_file.h"

namespace fw {
namespace {

TEST(FlatDump, OneLineAFieldThatSaysWhereItIsAndNoZeroReservedRuns) {
    test::TestDocument t;
    t.doc.blocks.forms[2].dataType[1] = kTypeInteger;
    t.doc.blocks.forms[2].reserved4130[1] = 0x12;
    t.doc.blocks.forms[0].prompt[0][5] = 'A';  // behind the NUL of an empty prompt
    const std::string flat = FlatDump(TemplateImage(t.doc));

    // Every line names its own place, so a changed line in a line-based
    // diff says where it is.
    std::istringstream lines(flat);
    std::set<std::string> labels;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find(" = ");
        ASSERT_NE(equals, std::string::npos) << line;
        EXPECT_TRUE(labels.insert(line.substr(0, equals)).second) << "repeated: " << line;
    }
    for (const char* line : {"\nform 3 line 2 data type = integer\n",
                             "\nform 3 reserved bytes 4130-4145 = 00 12 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n",
                             "\nform 1 line 1 prompt = \"\"\nform 1 line 1 prompt bytes behind the text = 00 00 00 00 00 41"})
        EXPECT_NE(flat.find(line), std::string::npos) << line;
    EXPECT_EQ(flat.find("form 3 reserved bytes 4119"), std::string::npos) << "an all-zero run";
    EXPECT_EQ(flat.find("form 3 reserved bytes 4146"), std::string::npos) << "the zero rest of a run";
    EXPECT_EQ(flat.find("reserved gap"), std::string::npos);
}

}  // namespace
}  // namespace fw
