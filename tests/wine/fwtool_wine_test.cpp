// fwtool.exe itself under Windows: its command line, its files and its exit
// codes, beside the program it belongs to (tools/fwtool.exe in the build).
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "wine/designer_driver.h"

namespace fw::wine {
namespace {

class FwtoolExe : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(std::filesystem::exists(exe_)) << exe_.string() << " is not built"; }

    // Runs fwtool.exe in the folder with the arguments and gives its exit code.
    DWORD Run(const std::string& arguments) {
        std::string command = "\"" + exe_.string() + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                            folder_.PathOf("").c_str(), &startup, &process))
            return ~0u;
        WaitForSingleObject(process.hProcess, static_cast<DWORD>(kPatience.count()));
        DWORD code = ~0u;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    }

    const std::filesystem::path exe_ = std::filesystem::path(DesignerExe()).parent_path() / "tools" / "fwtool.exe";
    DesignerRun folder_;  // a folder of its own, gone with the test
};

// What the tool does, and which exit code means what, is the core tests'
// (they run the tool in-process under Wine too); here its command line
// reaches it, its files are written as bytes, and its exit code comes back.
TEST_F(FwtoolExe, RunsFromItsCommandLineAndExitsWithTheOutcomesCode) {
    ASSERT_EQ(Run("new a.QLT"), 0u);
    ASSERT_EQ(Run("dump a.QLT a.json"), 0u);
    ASSERT_EQ(Run("build a.json b.QLT"), 0u);
    EXPECT_EQ(folder_.ReadFile("b.QLT").size(), 154309u);
    EXPECT_EQ(folder_.ReadFile("b.QLT"), folder_.ReadFile("a.QLT"));
    EXPECT_EQ(Run("check a.QLT"), 3u) << "a new template starts on an empty form 1";
}

}  // namespace
}  // namespace fw::wine
