// fwtool.exe itself under Windows: its command line, its files and its exit
// codes, beside the program it belongs to (tools/fwtool.exe in the build).
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "wine/designer_driver.h"

namespace fw::wine {
namespace {

namespace fs = std::filesystem;

class FwtoolExe : public ::testing::Test {
protected:
    void SetUp() override {
        exe_ = fs::path(DesignerExe()).parent_path() / "tools" / "fwtool.exe";
        ASSERT_TRUE(fs::exists(exe_)) << exe_.string() << " is not built";
        dir_ = fs::temp_directory_path() / ("fwtool-wine-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Runs fwtool.exe with the arguments and gives its exit code.
    DWORD Run(const std::string& arguments) {
        std::string command = "\"" + exe_.string() + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                            dir_.string().c_str(), &startup, &process))
            return ~0u;
        WaitForSingleObject(process.hProcess, static_cast<DWORD>(kPatience.count()));
        DWORD code = ~0u;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    }

    std::string Bytes(const char* name) {
        std::ifstream in(dir_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path exe_, dir_;
};

TEST_F(FwtoolExe, DumpAndBuildGiveTheTemplateBackByteForByte) {
    ASSERT_EQ(Run("new a.QLT"), 0u);
    ASSERT_EQ(Run("dump a.QLT a.json"), 0u);
    ASSERT_EQ(Run("build a.json b.QLT"), 0u);
    EXPECT_EQ(Bytes("b.QLT").size(), 154309u);
    EXPECT_EQ(Bytes("b.QLT"), Bytes("a.QLT"));
    EXPECT_EQ(Run("diff a.QLT b.QLT"), 0u);
    EXPECT_EQ(Run("check a.QLT"), 3u) << "a new template starts on an empty form 1";
}

TEST_F(FwtoolExe, RefusedInputExitsWithTwoAndAMissingFileWithOne) {
    std::ofstream(dir_ / "foreign.QLT", std::ios::binary) << "ZIP";
    std::ofstream(dir_ / "bad.json", std::ios::binary) << "{\"forms\": [{\"keyLine\": 300}]}";
    EXPECT_EQ(Run("dump foreign.QLT"), 2u);
    EXPECT_EQ(Run("build bad.json out.QLT"), 2u);
    EXPECT_FALSE(fs::exists(dir_ / "out.QLT"));
    EXPECT_EQ(Run("lookup-check foreign.QLT 9 data.txt"), 2u);
    EXPECT_EQ(Run("diff foreign.QLT gone.QLT"), 2u);
    EXPECT_EQ(Run("layout gone.QLT"), 1u);
}

}  // namespace
}  // namespace fw::wine
