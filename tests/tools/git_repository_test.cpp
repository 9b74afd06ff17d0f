// fwtool as git's textconv, external diff and merge driver, in a scratch
// repository driven by the real git. Native builds only (FW_FWTOOL_PATH).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <functional>

#include <sys/wait.h>

#include "support/test_document.h"
#include "template/template_file.h"

namespace fw {
namespace {

struct ShellRun {
    int code;
    std::string out;  // standard output and error, as they came
};

class ScratchRepository {
public:
    // git sees neither the user's nor the system's config, only the repository's.
    ShellRun Run(const std::string& command) const {
        const std::string line = "cd '" + dir_.path().string() + "' && unset GIT_DIR GIT_WORK_TREE GIT_INDEX_FILE && "
                                 "export HOME='" + dir_.path().string() + "' GIT_CONFIG_NOSYSTEM=1 GIT_PAGER=cat "
                                 "LC_ALL=C && " + command + " 2>&1";
        FILE* pipe = popen(line.c_str(), "r");
        if (pipe == nullptr) return {-1, "popen failed"};
        std::string out;
        std::array<char, 4096> buffer;
        for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) out.append(buffer.data(), n);
        const int status = pclose(pipe);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
    }
    // Runs the command and expects it to succeed.
    std::string Ok(const std::string& command) const {
        const ShellRun run = Run(command);
        EXPECT_EQ(run.code, 0) << command << "\n" << run.out;
        return run.out;
    }
    // Saves stock.QLT as the designer would: the clean template and `change`.
    void Save(const std::function<void(TemplateBlocks&)>& change) const {
        test::TestDocument t;
        test::MakeCleanTemplate(t.doc.blocks);
        change(t.doc.blocks);
        ASSERT_TRUE(WriteTemplateFile(t.doc, dir_ / "stock.QLT"));
    }
    std::vector<std::uint8_t> Stock() const { return test::ReadAll(dir_ / "stock.QLT"); }
    std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }

private:
    test::TempDir dir_;
};

void LongerItems(TemplateBlocks& b) { b.forms[0].maxLength[0] = 16; }
void LongerQuantities(TemplateBlocks& b) { b.forms[0].maxLength[1] = 6; }
void BothLonger(TemplateBlocks& b) {
    LongerItems(b);
    LongerQuantities(b);
}
// Both lengths merged, and lookup file 1 exported under `name`.
void NameLookup(TemplateBlocks& b, const char* name) {
    BothLonger(b);
    b.lookups[0].changeExportName = 1;
    std::strcpy(b.lookups[0].exportName, name);
}

TEST(GitRepository, DiffsAndMergesTemplatesFieldByField) {
    const ScratchRepository repo;
    const std::string fwtool = std::string("'") + FW_FWTOOL_PATH + "'";
    repo.Ok("git init -q -b main && git config user.name Tester && git config user.email tester@example.com");
    EXPECT_NE(repo.Ok(fwtool + " git-setup").find("done"), std::string::npos);
    EXPECT_NE(repo.Ok(fwtool + " git-setup").find("nothing to change"), std::string::npos);
    EXPECT_EQ(test::ReadText(repo / ".gitattributes"), "*.QLT -text diff=fwtool merge=fwtool\n");

    repo.Save([](TemplateBlocks&) {});
    repo.Ok("git add -A && git commit -qm 'Stock count'");
    repo.Ok("git checkout -qb items");
    repo.Save(LongerItems);
    repo.Ok("git commit -qam 'Longer item codes'");
    repo.Ok("git checkout -q main");
    repo.Save(LongerQuantities);
    repo.Ok("git commit -qam 'Longer quantities'");

    // git diff runs the external diff, git log -p the textconv.
    EXPECT_EQ(repo.Ok("git diff HEAD~1 HEAD"),
              "==> stock.QLT <==\n"
              "form 1 record length: 17 \xE2\x86\x92 18\n"
              "form 1 line 2 max length: 5 \xE2\x86\x92 6\n");
    const std::string log = repo.Ok("git log -p -1");
    EXPECT_NE(log.find("\n-form 1 record length = 17\n+form 1 record length = 18\n"), std::string::npos) << log;
    EXPECT_NE(log.find("\n-form 1 line 2 max length = 5\n+form 1 line 2 max length = 6\n"), std::string::npos);

    // Different lines of one form merge cleanly; the record length both
    // sides changed is worked out anew.
    repo.Ok("git merge --no-edit items");
    const auto merged = repo.Stock();
    repo.Save(BothLonger);
    EXPECT_EQ(merged, repo.Stock());

    // The same lookup file named differently is a conflict in words; the
    // file keeps ours, merged with the rest.
    repo.Ok("git checkout -qb prices");
    repo.Save([](TemplateBlocks& b) { NameLookup(b, "Prices"); });
    repo.Ok("git commit -qam 'Lookup file Prices'");
    repo.Ok("git checkout -q main");
    repo.Save([](TemplateBlocks& b) { NameLookup(b, "PriceList"); });
    repo.Ok("git commit -qam 'Lookup file PriceList'");
    const auto ours = repo.Stock();
    const ShellRun conflict = repo.Run("git merge --no-edit prices");
    EXPECT_EQ(conflict.code, 1);
    EXPECT_NE(conflict.out.find("conflict: lookup file 1 export name: \"1st lookup file\" \xE2\x86\x92 \"PriceList\" / "
                                "\"Prices\"\n"),
              std::string::npos)
        << conflict.out;
    EXPECT_NE(conflict.out.find("CONFLICT (content): Merge conflict in stock.QLT"), std::string::npos);
    EXPECT_EQ(repo.Stock(), ours);
}

}  // namespace
}  // namespace fw
