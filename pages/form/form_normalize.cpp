#include "pages/form/form_normalize.h"

#include <cstring>

#include "template/blocks/reader_block.h"
#include "template/export_name.h"
#include "template/fixed_text.h"
#include "template/form_lines.h"
#include "template/lookup_lengths.h"

namespace fw {
namespace {

unsigned MaxTotal(const FormRecord& form, int line) {
    return SplitTotal(form.maxLengthBlocks[line], form.maxLength[line]);
}

// "Read from 2D" lines read a part of the form's "large data" line, so their
// start position is measured against that line's length.
unsigned ReadFrom2DReference(const FormRecord& form) {
    for (int line = 0; line < kFormVisibleLines; ++line)
        if (form.dataType[line] == kTypeLargeData) return MaxTotal(form, line);
    return MaxTotal(form, kFormVisibleLines);
}

void ClampPartialStart(FormRecord& form, int line, unsigned reference) {
    if (SplitTotal(form.partialStartBlocks[line], form.partialStart[line]) > reference)
        StoreSplit(form.partialStartBlocks[line], form.partialStart[line], reference);
}

void NormalizeLine(FormRecord& form, int line, bool twoDReader) {
    if (MaxTotal(form, line) > kMaxSplitTotal)
        StoreSplit(form.maxLengthBlocks[line], form.maxLength[line], kMaxSplitTotal);
    const unsigned total = MaxTotal(form, line);
    if (form.minLength[line] > total)
        form.minLength[line] = static_cast<std::uint8_t>(total < 160 ? total : 160);

    if (CountsAsInputLine(form, line)) form.lastInputLine = static_cast<std::uint8_t>(line + 1);

    switch (form.dataType[line]) {
    case kTypeFixedData: case kTypePrompt: case kTypePause:
        form.lookupField[line] = 0;
        break;
    case kTypeImage:
        form.inputSource[line] = kSourceKeypad;
        if (form.editFilePath[line] == 0) {
            form.minLength[line] = 0;
            form.maxLength[line] = 160;
            form.maxLengthBlocks[line] = 0;
            form.checkFilePath[line] = 0;
            form.inputMark[line] = 0;
            form.initialValueOn[line] = 0;
            ClearField(form.initialValue[line]);
            if (form.saveFilePath[line] == 0) {
                form.addedLength[line] = 0;
                form.fixedLengthOn[line] = 0;
                form.alignment[line] = 0;
                form.fixedLength[line] = 0;
            }
        }
        break;
    case kTypeNil:
        ClearUnusedLine(form, line, true);
        break;
    case kTypeExtension:
        ClearUnusedLine(form, line, false);
        break;
    case kTypeLargeData:
    case kTypeReadFrom2D:
        if (!twoDReader) {
            form.dataType[line] = kTypeNil;
            ClearUnusedLine(form, line, true);
        } else if (form.dataType[line] == kTypeLargeData) {
            form.inputSource[line] = kSourceReader;
            form.autoEnter[line] = 1;
            ClampPartialStart(form, line, MaxTotal(form, line));
        } else {
            form.inputSource[line] = kSourceKeypad;
            form.partialRead[line] = 1;
            form.autoEnter[line] = 0;
            ClampPartialStart(form, line, ReadFrom2DReference(form));
        }
        break;
    default:
        break;
    }

    unsigned added = form.fixedLengthOn[line] == 1 ? form.fixedLength[line] : 0;
    if (form.prefixOn[line] == 1) added += CodeListLength(form.prefixCode[line]);
    if (form.suffixOn[line] == 1) added += CodeListLength(form.suffixCode[line]);
    form.addedLength[line] = static_cast<std::uint8_t>(added);
}

}  // namespace

void ClearUnusedLine(FormRecord& form, int line, bool asNil) {
    form.lookupField[line] = 0;
    ClearField(form.prompt[line]);
    form.inputSource[line] = kSourceAll;
    form.minLength[line] = 0;
    form.addedLength[line] = 0;
    form.fixedLengthOn[line] = 0;
    form.alignment[line] = 0;
    form.fixedLength[line] = 0;
    form.initialValueOn[line] = 0;
    ClearField(form.initialValue[line]);
    form.prefixOn[line] = 0;
    std::memset(form.prefixCode[line], 0, sizeof form.prefixCode[line]);
    form.suffixOn[line] = 0;
    std::memset(form.suffixCode[line], 0, sizeof form.suffixCode[line]);
    form.partialRead[line] = 0;
    form.partialStart[line] = 0;
    form.partialStartBlocks[line] = 0;
    form.partialLength[line] = 20;
    form.leadingCheckOn[line] = 0;
    ClearField(form.leadingCode[line]);
    form.editFilePath[line] = 0;
    form.saveFilePath[line] = 0;
    form.checkFilePath[line] = 0;
    if (asNil) {
        form.maxLength[line] = 160;
        form.maxLengthBlocks[line] = 0;
        form.inputMark[line] = 0;
        form.autoEnter[line] = 1;
    }
}

void NormalizeForms(FormRecord (&forms)[kFormCount], const LookupRecord (&lookups)[kLookupCount],
                    std::uint8_t readerType) {
    PropagateLookupLengths(forms, lookups);
    const bool twoDReader = readerType == kReaderType2D;
    for (FormRecord& form : forms) {
        form.menuCaptionField = 0;
        form.noKeyLine = form.keyLine == 0 ? 1 : 0;
        if (form.recordAction == kRecordUpdateLookup || form.recordAction == kRecordPassDown)
            form.keyLine = 0;
        if (form.changeExportName == 1) TidyExportName(form.exportName);

        form.lastInputLine = 0;
        for (int line = 0; line < kFormLineCount; ++line) NormalizeLine(form, line, twoDReader);
    }
}

}  // namespace fw
