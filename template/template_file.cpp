#include "template/template_file.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <system_error>

#include "template/save_preparation.h"

namespace fw {
namespace {

constexpr std::size_t kProgramCodeLength = 6;  // "QELTAR"
constexpr std::size_t kComparedLength = 15;    // program code, "-" and the version

// Copies the part of `bytes` that overlaps [offset, offset + size) onto `target`.
void Overlay(void* target, std::size_t offset, std::size_t size, std::span<const std::uint8_t> bytes) {
    if (bytes.size() <= offset) return;
    std::memcpy(target, bytes.data() + offset, std::min(size, bytes.size() - offset));
}

}  // namespace

SignatureCheck CheckSignature(std::span<const std::uint8_t> header) {
    // The header is always read into a zeroed buffer, so a short file
    // compares as if padded with NULs.
    char text[kSignatureSize + 1] = {};
    std::memcpy(text, header.data(), std::min(header.size(), kSignatureSize));
    if (std::memcmp(text, kTemplateSignature, kProgramCodeLength) != 0) return SignatureCheck::BadFormat;
    // Plain byte order over the version: an older version, or none at all, loads.
    if (std::strncmp(text, kTemplateSignature, kComparedLength) > 0) return SignatureCheck::NewerVersion;
    return SignatureCheck::Accepted;
}

int RefusalMessageId(LoadResult result) {
    switch (result) {
    case LoadResult::BadFormat: return kMsgBadFormat;
    case LoadResult::NewerVersion: return kMsgNewerVersion;
    default: return 0;
    }
}

std::string FileSizeProblem(std::size_t size) {
    const std::string full = std::to_string(kTemplateFileSize);
    if (size < kTemplateFileSize)
        return "holds " + std::to_string(size) + " of " + full + " bytes; Open takes the rest from a new template";
    if (size > kTemplateFileSize)
        return "holds " + std::to_string(size) + " bytes, " + std::to_string(size - kTemplateFileSize) +
               " more than a template's " + full + "; Open ignores them";
    return {};
}

std::vector<std::uint8_t> TemplateImage(const TemplateDocument& doc) {
    std::vector<std::uint8_t> image(kTemplateFileSize, 0);
    std::memcpy(image.data(), kTemplateSignature, sizeof kTemplateSignature - 1);
    std::memcpy(image.data() + kBlocksOffset, &doc.blocks, sizeof doc.blocks);
    const auto texts = doc.deviceTexts.Bytes();
    std::copy(texts.begin(), texts.end(), image.begin() + kDeviceTextsOffset);
    return image;
}

LoadResult LoadTemplateImage(TemplateDocument& doc, std::span<const std::uint8_t> bytes) {
    switch (CheckSignature(bytes.first(std::min(bytes.size(), kSignatureSize)))) {
    case SignatureCheck::BadFormat: return LoadResult::BadFormat;
    case SignatureCheck::NewerVersion: return LoadResult::NewerVersion;
    case SignatureCheck::Accepted: break;
    }
    bytes = bytes.first(std::min(bytes.size(), kTemplateFileSize));
    Overlay(&doc.blocks, kBlocksOffset, sizeof doc.blocks, bytes);
    Overlay(doc.deviceTexts.Bytes().data(), kDeviceTextsOffset, kDeviceTextsSize, bytes);
    doc.ApplyLoadFixUps();
    return LoadResult::Loaded;
}

bool WriteTemplateFile(TemplateDocument& doc, const std::filesystem::path& path) {
    // The preparation runs even when the file then cannot be written.
    PrepareForSaving(doc);
    const std::vector<std::uint8_t> image = TemplateImage(doc);

    std::filesystem::path temporary = path;
    temporary += ".fwtmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

LoadResult ReadTemplateFile(TemplateDocument& doc, const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return LoadResult::CannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in) return LoadResult::CannotOpen;
    std::vector<std::uint8_t> bytes(kTemplateFileSize);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return LoadTemplateImage(doc, bytes);
}

}  // namespace fw
