// The template held in memory: the five blocks that make up a template file,
// the terminal's screen texts, and the values kept beside them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "template/blocks/form_block.h"
#include "template/blocks/lookup_block.h"
#include "template/blocks/menu_block.h"
#include "template/blocks/reader_block.h"
#include "template/blocks/settings_block.h"
#include "template/device_texts.h"

namespace fw {

class UiStrings;

// The blocks in file order. Every member is a byte-aligned record, so the
// struct has no padding and its bytes are exactly the file's bytes 20-122188.
struct TemplateBlocks {
    MenuRecord menus[kMenuCount];
    FormRecord forms[kFormCount];
    LookupRecord lookups[kLookupCount];
    ReaderBlock reader;
    SystemSettings settings;
};
static_assert(sizeof(TemplateBlocks) == 13370 + 100540 + 6620 + 777 + 862);
static_assert(offsetof(TemplateBlocks, forms) == 13370);
static_assert(offsetof(TemplateBlocks, lookups) == 113910);
static_assert(offsetof(TemplateBlocks, reader) == 120530);
static_assert(offsetof(TemplateBlocks, settings) == 121307);
static_assert(std::is_trivially_copyable_v<TemplateBlocks>);

class TemplateDocument {
public:
    explicit TemplateDocument(const UiStrings& strings) : strings_(strings) {}

    // A new, default template. Leaves the device texts, the form-side lookup
    // copy and the file name alone.
    void Reset();
    // Loads the device texts from the current language.
    void FillDeviceTexts() { deviceTexts.FillAll(strings_); }
    // The rules that follow a successful load (see template_file.h).
    void ApplyLoadFixUps();

    const UiStrings& strings() const { return strings_; }

    TemplateBlocks blocks{};
    DeviceTexts deviceTexts;

    // Kept beside the blocks.
    ReaderBlock readerWorking{};                   // what the Barcode page edits
    LookupRecord formSideLookups[kLookupCount]{};  // what the Form page reads
    std::uint32_t rfidReaderFlag = 0;
    ReaderTypeState readerTypeState;
    std::string fileName;  // empty for a new template
    bool modified = false;

private:
    const UiStrings& strings_;
};

}  // namespace fw
