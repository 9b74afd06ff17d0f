// The template file (*.QLT): a 20-byte signature, the five blocks, a 500-byte
// zero gap and the 51 device text tables, 154309 bytes with nothing between.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "template/template_document.h"

namespace fw {

constexpr char kTemplateSignature[] = "QELTAR-01000100";
constexpr std::size_t kSignatureSize = 20;
constexpr std::size_t kReservedGapSize = 500;
constexpr std::size_t kBlocksOffset = kSignatureSize;
constexpr std::size_t kGapOffset = kBlocksOffset + sizeof(TemplateBlocks);
constexpr std::size_t kDeviceTextsOffset = kGapOffset + kReservedGapSize;
constexpr std::size_t kTemplateFileSize = kDeviceTextsOffset + kDeviceTextsSize;
static_assert(kGapOffset == 122189 && kDeviceTextsOffset == 122689 && kTemplateFileSize == 154309);

// String ids of the messages that refuse a file.
constexpr int kMsgBadFormat = 2801;     // "Format of this FW file is incorrect!"
constexpr int kMsgNewerVersion = 2802;  // "The FW file version is newer than current program!"

enum class SignatureCheck { Accepted, BadFormat, NewerVersion };

// `header` is the first bytes of a file (fewer than 20 when the file is short).
SignatureCheck CheckSignature(std::span<const std::uint8_t> header);

enum class LoadResult { Loaded, CannotOpen, BadFormat, NewerVersion };

// The message id for a refused load, 0 for the others.
int RefusalMessageId(LoadResult result);

// What Open makes of a file of another size than a template's, for the
// tools that name it: "holds 1000 of 154309 bytes; ..."; empty for a file
// of the right size.
std::string FileSizeProblem(std::size_t size);

// The file image of a template as it stands (no save preparation here).
std::vector<std::uint8_t> TemplateImage(const TemplateDocument& doc);

// Takes a file's bytes into the template: after an accepted signature, as
// many bytes as the file holds land on the blocks and tables (a short file
// leaves the rest as it was), bytes past the full size are ignored, and the
// load fix-ups run. Nothing changes when the signature is refused.
LoadResult LoadTemplateImage(TemplateDocument& doc, std::span<const std::uint8_t> bytes);

// Save preparation, then the file, written to a temporary file beside the
// target that replaces it only once complete: a failed save never costs the
// old file. Returns false when the file could not be written.
bool WriteTemplateFile(TemplateDocument& doc, const std::filesystem::path& path);

// Reads at most the full size of a template file.
LoadResult ReadTemplateFile(TemplateDocument& doc, const std::filesystem::path& path);

}  // namespace fw
