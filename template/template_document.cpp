#include "template/template_document.h"

#include <cstring>

#include "strings/ui_strings.h"

namespace fw {

void TemplateDocument::Reset() {
    modified = false;
    for (int i = 0; i < kFormCount; ++i) ResetFormRecord(blocks.forms[i], i, strings_);
    for (int i = 0; i < kMenuCount; ++i) ResetMenuRecord(blocks.menus[i], i);
    for (int i = 0; i < kLookupCount; ++i) ResetLookupRecord(blocks.lookups[i], i, strings_);
    // The state is derived only when the Barcode page opens or a file loads.
    readerTypeState = {};
    ResetReaderBlock(blocks.reader);
    ResetSystemSettings(blocks.settings, strings_);
    rfidReaderFlag = 0;
    readerWorking = blocks.reader;
}

void TemplateDocument::ApplyLoadFixUps() {
    // The 2D image properties screen always follows the program's language.
    deviceTexts.FillTable(strings_, kImagePropertiesTable);

    for (FormRecord& form : blocks.forms)
        for (auto& prompt : form.prompt)
            if (std::memchr(prompt, '\0', kPromptShownLength + 1) == nullptr)
                prompt[kPromptShownLength] = '\0';

    std::memcpy(deviceTexts.SlotOf(kAboutScreenTable, 3), deviceTexts.SlotOf(kAboutScreenTable, 5),
                kSlotSize);

    readerWorking = blocks.reader;
    rfidReaderFlag = readerWorking.rfidReaderOn != 0 ? 1 : 0;
    readerTypeState = DeriveReaderTypeState(readerWorking);
    std::memcpy(formSideLookups, blocks.lookups, sizeof formSideLookups);
}

}  // namespace fw
