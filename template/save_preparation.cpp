#include "template/save_preparation.h"

#include <memory>

#include "template/fixed_text.h"
#include "template/lookup_lengths.h"

namespace fw {
namespace {

bool StoresRecord(const FormRecord& form) {
    return form.recordAction == kRecordSave || form.recordAction == kRecordSaveAndUpdate ||
           form.recordAction == kRecordPassDown;
}

bool SavesMenuData(const MenuRecord& menu) {
    return menu.saveCaption == 1 || menu.saveSelectedItem == 1;
}

bool IsFormTarget(unsigned target) { return target >= 1 && target <= kFormCount; }

void MarkMenuCaptionForms(TemplateBlocks& blocks) {
    for (const MenuRecord& menu : blocks.menus) {
        for (int item = 0; item < kMenuItemCount; ++item) {
            const unsigned target = menu.nextTarget[item];
            if (!IsFormTarget(target)) continue;
            FormRecord& form = blocks.forms[target - 1];
            form.menuCaptionField = SavesMenuData(menu) && StoresRecord(form) ? 1 : 0;
        }
    }
}

// When the terminal starts with form 1 rather than a menu, form 1 only
// carries the menu field if a saving menu really leads to it.
void CheckFirstForm(TemplateBlocks& blocks) {
    FormRecord& first = blocks.forms[0];
    if (first.menuCaptionField != 1 || blocks.settings.startFrom != 0) return;
    bool reached = false;
    for (const MenuRecord& menu : blocks.menus) {
        if (!SavesMenuData(menu)) continue;
        for (int item = 0; item < kMenuItemCount; ++item)
            if (menu.nextTarget[item] == 1) reached = true;
    }
    first.menuCaptionField = reached ? 1 : 0;
}

RecordLayouts MeasureRecords(TemplateBlocks& blocks) {
    RecordLayouts layouts;
    const bool codeIds = blocks.reader.codeIdOn == 1;
    for (int f = 0; f < kFormCount; ++f) {
        FormRecord& form = blocks.forms[f];
        if (form.recordAction == kRecordPassDown) {
            // A pass-down form hands its data on to the form it leads to.
            const unsigned target = form.nextTarget;
            if (IsFormTarget(target) && StoresRecord(blocks.forms[target - 1]))
                blocks.forms[target - 1].menuCaptionField = 1;
        } else if (codeIds && SavesRecords(form)) {
            for (std::uint8_t& added : form.addedLength) added = static_cast<std::uint8_t>(added + 2);
        }
        const RecordLayout& layout = layouts[f] = DeriveRecordLayout(form);
        form.recordFieldCount = static_cast<std::uint8_t>(layout.fields.size());
        form.keyFieldPosition = static_cast<std::uint8_t>(layout.keyPosition);
        SetLe16(form.recordLength, layout.length);
    }
    return layouts;
}

void CopyReaderSettings(TemplateBlocks& blocks) {
    ReaderBlock& reader = blocks.reader;
    SystemSettings& settings = blocks.settings;
    reader.warningBeepCopy = settings.warningBeep;
    reader.vibratorOn = settings.vibratorDuration != 0 ? 1 : 0;
    reader.vibratorDurationCopy = settings.vibratorDuration;

    const unsigned type = reader.readerType;
    if (type & kReaderBitElr)
        reader.engineCode = kEngineCodeElr;
    else if (type & kReaderBit2D)
        reader.engineCode = kEngineCode2D;
    else
        reader.engineCode = kEngineCodeLaser;
    reader.engineOptions = static_cast<std::uint8_t>(type & kEngineOptionsMask);
    if ((type & kReaderBit2D) == 0) {
        settings.protectImageCapture = 0;
        reader.twoDImageCaptureOn = 0;
    }
}

void LinkZorqForms(TemplateBlocks& blocks) {
    for (FormRecord& form : blocks.forms) {
        if (form.zorqMode == 0 || form.lookupFile < 1 || form.lookupFile > kLookupCount) continue;
        const LookupRecord& lookup = blocks.lookups[form.lookupFile - 1];
        if (lookup.fieldCount != 0) form.lookupField[0] = static_cast<std::uint8_t>(lookup.keyField + 1);
    }
}

}  // namespace

RecordLayouts PrepareBlocksForSaving(TemplateBlocks& blocks) {
    PropagateLookupLengths(blocks.forms, blocks.lookups);
    MarkMenuCaptionForms(blocks);
    CheckFirstForm(blocks);
    const RecordLayouts layouts = MeasureRecords(blocks);
    CopyReaderSettings(blocks);
    LinkZorqForms(blocks);
    return layouts;
}

void PrepareForSaving(TemplateDocument& doc) { PrepareBlocksForSaving(doc.blocks); }

RecordLayouts SavedRecordLayouts(const TemplateBlocks& blocks) {
    const auto copy = std::make_unique<TemplateBlocks>(blocks);
    return PrepareBlocksForSaving(*copy);
}

}  // namespace fw
