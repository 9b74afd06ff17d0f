// Any bytes as the JSON that `fwtool build` reads: refused with a message or
// built over a new template. What is built must dump and build back to the
// same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "template/template_file.h"
#include "tools/fwtool/template_json.h"
#include "tools/fwtool/tool_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::uint8_t> fresh = [] {
        const fw::ToolDocument tool;
        return fw::TemplateImage(tool.doc);
    }();
    std::vector<std::uint8_t> image = fresh;
    try {
        fw::BuildTemplate(std::string_view(reinterpret_cast<const char*>(data), size), image);
    } catch (const fw::BuildError&) {
        return 0;
    }
    std::vector<std::uint8_t> again = fresh;
    fw::BuildTemplate(fw::JsonText(fw::DumpTemplate(image)), again);
    if (again != image) __builtin_trap();
    return 0;
}
