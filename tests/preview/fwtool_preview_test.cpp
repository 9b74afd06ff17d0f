// fwtool preview: the same walk as on the face, headless, as a CI job runs it.
#include <gtest/gtest.h>

#include <sstream>

#include "preview/counting_template.h"
#include "support/test_document.h"
#include "template/template_file.h"
#include "tools/fwtool/fwtool.h"

namespace fw {
namespace {

struct ToolRun {
    int code;
    std::string out, err;
};

ToolRun Preview(const std::vector<std::string>& args) {
    std::vector<std::string> all{"preview"};
    all.insert(all.end(), args.begin(), args.end());
    std::ostringstream out, err;
    const int code = RunFwtool(all, out, err);
    return {code, out.str(), err.str()};
}

class FwtoolPreview : public testing::Test {
protected:
    void SetUp() override {
        test::TestDocument t;
        test::CountingTemplate(t.doc.blocks);
        ASSERT_TRUE(WriteTemplateFile(t.doc, dir / "stock.QLT"));
        test::WriteText(dir / "prices.txt", test::kPriceList);
    }

    std::string path(const char* name) const { return (dir / name).string(); }

    test::TempDir dir;
};

TEST_F(FwtoolPreview, PrintsEachScreenAndTheStoredRecords) {
    const ToolRun run = Preview({path("stock.QLT"), "--keys", "1,SCAN,9999,ENT,SCAN,ENT,ESC", "--scan", "B200", "--scan",
                             "C3000", "--lookup", "1=" + path("prices.txt"), "--time", "2024-05-01 12:30:00"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("lookup file 1: 2 records from"), std::string::npos);
    EXPECT_NE(run.out.find("[SCAN B200]\n  +"), std::string::npos);
    EXPECT_NE(run.out.find("  |3.00                  |"), std::string::npos) << "the price found by the scanned code";
    EXPECT_NE(run.out.find("[9999]\n"), std::string::npos);
    EXPECT_NE(run.out.find("[SCAN C3000]\n"), std::string::npos);
    EXPECT_NE(run.out.find("! | Data is too long !!  |"), std::string::npos);
    const std::size_t records = run.out.find("\nstored records\n");
    ASSERT_NE(records, std::string::npos);
    EXPECT_EQ(run.out.substr(records),
              "\nstored records\n"
              "form 1: 1 record, export file \"Form 01.TXT\"\n"
              "  #  record key (8) key  Code (4)  line 2 (5)  Qty (3)\n"
              "  1                      B200      3.00        999\n"
              "  export:\n"
              "  ,B200,3.00,999\n"
              "  * the terminal's own record key\n");
}

TEST_F(FwtoolPreview, RefusesArgumentsItCannotPlay) {
    EXPECT_EQ(Preview({path("stock.QLT"), "--keys", "SCAN,SCAN", "--scan", "A"}).code, 2);
    EXPECT_EQ(Preview({path("stock.QLT"), "--keys", "1,,ENT"}).code, 2);
    EXPECT_EQ(Preview({path("stock.QLT"), "--lookup", "6=" + path("prices.txt")}).code, 2);
    EXPECT_EQ(Preview({path("stock.QLT"), "--time", "noon"}).code, 2);
    EXPECT_EQ(Preview({path("stock.QLT"), "--time", "2024-02-30 12:00:00"}).code, 2);
    EXPECT_EQ(Preview({path("stock.QLT"), "--lookup", "1=" + path("gone.txt")}).code, 1);
    const ToolRun ended = Preview({path("stock.QLT"), "--keys", "ESC,ESC,1"});
    EXPECT_EQ(ended.code, 0);
    EXPECT_NE(ended.out.find("the preview has ended; 1 key is left unplayed"), std::string::npos);
}

}  // namespace
}  // namespace fw
