// Open + save of a full template against a plain copy of the same file, in
// one run so that both see the same disk and cache.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "strings/string_source.h"
#include "strings/ui_strings.h"
#include "template/template_file.h"

namespace {

namespace fs = std::filesystem;

struct Files {
    fs::path dir = fs::temp_directory_path() / ("fwbench-" + std::to_string(::getpid()));
    fs::path source = dir / "source.QLT";
    fs::path target = dir / "target.QLT";

    Files() {
        fs::create_directories(dir);
        fw::CompiledStringTable builtin;
        fw::UiStrings strings(builtin);
        fw::TemplateDocument doc(strings);
        doc.FillDeviceTexts();
        doc.Reset();
        fw::WriteTemplateFile(doc, source);
    }
    ~Files() { fs::remove_all(dir); }
};

Files& SharedFiles() {
    static Files files;
    return files;
}

void CopyFileBytes(benchmark::State& state) {
    Files& files = SharedFiles();
    std::vector<char> buffer(fw::kTemplateFileSize);
    for (auto _ : state) {
        std::ifstream in(files.source, std::ios::binary);
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        std::ofstream out(files.target, std::ios::binary | std::ios::trunc);
        out.write(buffer.data(), in.gcount());
        out.close();
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fw::kTemplateFileSize));
}
BENCHMARK(CopyFileBytes);

void ReadPrepareWrite(benchmark::State& state) {
    Files& files = SharedFiles();
    fw::CompiledStringTable builtin;
    fw::UiStrings strings(builtin);
    fw::TemplateDocument doc(strings);
    doc.FillDeviceTexts();
    doc.Reset();
    for (auto _ : state) {
        if (fw::ReadTemplateFile(doc, files.source) != fw::LoadResult::Loaded) state.SkipWithError("read");
        if (!fw::WriteTemplateFile(doc, files.target)) state.SkipWithError("write");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fw::kTemplateFileSize));
}
BENCHMARK(ReadPrepareWrite);

}  // namespace

BENCHMARK_MAIN();
