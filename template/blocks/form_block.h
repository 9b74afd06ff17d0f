// The form block: 20 data-entry forms of 5027 bytes each, stored raw in the
// template file, so every offset below is part of the file format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace fw {

class UiStrings;

constexpr int kFormCount = 20;
constexpr int kFormLineCount = 15;    // lines stored per form
constexpr int kFormVisibleLines = 12;  // lines the Form page shows
constexpr int kPromptShownLength = 30;
constexpr int kTerminalColumns = 22;  // characters on a row of the terminal's screen

// Data type codes of a form line.
enum DataTypeCode : std::uint8_t {
    kTypeNil = 0,
    kTypeText = 1,
    kTypeInteger = 2,
    kTypeReal = 3,
    kTypeLetter = 4,
    kTypeAuto = 5,
    kTypeBoolean = 6,
    kTypeLookup = 7,
    kTypeFixedData = 8,
    kTypePrompt = 9,
    kTypeCounter = 10,
    kTypePassDown = 11,
    kTypeExtension = 12,
    kTypePause = 13,
    kTypeAlphameric = 14,
    kTypeImage = 15,
    kTypeZorq = 16,
    kTypeLargeData = 17,
    kTypeReadFrom2D = 18,
};

// What happens to a finished record.
enum RecordActionCode : std::uint8_t {
    kRecordSave = 0,
    kRecordUpdateLookup = 1,
    kRecordSaveAndUpdate = 2,
    kRecordPassDown = 3,
};

enum InputSourceCode : std::uint8_t {
    kSourceReader = 0,
    kSourceKeypad = 1,
    kSourceRfid = 2,
    kSourceAll = 3,
};

enum StampModeCode : std::uint8_t { kStampNone = 0, kStampTop = 1, kStampBottom = 2 };

struct FormRecord {
    std::uint8_t escTarget;
    std::uint8_t nextTarget;
    std::uint8_t lookupFile;
    std::uint8_t recordAction;
    std::uint8_t keyLine;
    std::uint8_t stampMode;
    std::uint8_t stampSplit;
    std::uint8_t dateYear;
    std::uint8_t yearDigits;
    std::uint8_t dateMonth;
    std::uint8_t dateDay;
    std::uint8_t dateSeparatorOn;
    char dateSeparator[2];
    std::uint8_t dateStyle;
    std::uint8_t timeHour;
    std::uint8_t timeMinute;
    std::uint8_t timeSecond;
    std::uint8_t timeSeparatorOn;
    char timeSeparator[2];
    std::uint8_t recordFieldCount;
    std::uint8_t keyFieldPosition;
    std::uint8_t recordLength[2];
    std::uint8_t menuCaptionField;
    std::uint8_t noKeyLine;
    std::uint8_t readOnce;
    std::uint8_t changeExportName;
    char exportName[21];
    std::uint8_t dataType[kFormLineCount];
    char prompt[kFormLineCount][51];
    std::uint8_t inputSource[kFormLineCount];
    std::uint8_t minLength[kFormLineCount];
    std::uint8_t maxLength[kFormLineCount];
    std::uint8_t maxLengthBlocks[kFormLineCount];
    std::uint8_t lookupField[kFormLineCount];
    std::uint8_t addedLength[kFormLineCount];
    std::uint8_t fixedLengthOn[kFormLineCount];
    std::uint8_t alignment[kFormLineCount];
    std::uint8_t fixedLength[kFormLineCount];
    std::uint8_t fixedLengthBlocks[kFormLineCount];
    std::uint8_t initialValueOn[kFormLineCount];
    char initialValue[kFormLineCount][161];
    std::uint8_t prefixOn[kFormLineCount];
    std::uint8_t prefixCode[kFormLineCount][11];  // key codes, NUL-terminated
    std::uint8_t suffixOn[kFormLineCount];
    std::uint8_t suffixCode[kFormLineCount][11];
    std::uint8_t inputMark[kFormLineCount];
    std::uint8_t decimalPlaces[kFormLineCount];
    std::uint8_t partialRead[kFormLineCount];
    std::uint8_t partialStart[kFormLineCount];
    std::uint8_t partialStartBlocks[kFormLineCount];
    std::uint8_t partialLength[kFormLineCount];
    std::uint8_t leadingCheckOn[kFormLineCount];
    char leadingCode[kFormLineCount][11];
    std::uint8_t checkDigit[kFormLineCount];
    std::uint8_t autoEnter[kFormLineCount];
    std::uint8_t lastInputLine;
    std::uint8_t reserved4071;
    std::uint8_t editFilePath[kFormLineCount];
    std::uint8_t saveFilePath[kFormLineCount];
    std::uint8_t checkFilePath[kFormLineCount];
    std::uint8_t autoExport;
    std::uint8_t exportAppend;
    std::uint8_t reserved4119[9];
    std::uint8_t zorqMode;
    std::uint8_t autoDelete;
    std::uint8_t reserved4130[897];  // carried through load and save untouched
};

static_assert(sizeof(FormRecord) == 5027);
static_assert(std::is_trivially_copyable_v<FormRecord> && std::is_standard_layout_v<FormRecord>);
static_assert(offsetof(FormRecord, escTarget) == 0);
static_assert(offsetof(FormRecord, nextTarget) == 1);
static_assert(offsetof(FormRecord, lookupFile) == 2);
static_assert(offsetof(FormRecord, recordAction) == 3);
static_assert(offsetof(FormRecord, keyLine) == 4);
static_assert(offsetof(FormRecord, stampMode) == 5);
static_assert(offsetof(FormRecord, stampSplit) == 6);
static_assert(offsetof(FormRecord, dateYear) == 7);
static_assert(offsetof(FormRecord, yearDigits) == 8);
static_assert(offsetof(FormRecord, dateMonth) == 9);
static_assert(offsetof(FormRecord, dateDay) == 10);
static_assert(offsetof(FormRecord, dateSeparatorOn) == 11);
static_assert(offsetof(FormRecord, dateSeparator) == 12);
static_assert(offsetof(FormRecord, dateStyle) == 14);
static_assert(offsetof(FormRecord, timeHour) == 15);
static_assert(offsetof(FormRecord, timeMinute) == 16);
static_assert(offsetof(FormRecord, timeSecond) == 17);
static_assert(offsetof(FormRecord, timeSeparatorOn) == 18);
static_assert(offsetof(FormRecord, timeSeparator) == 19);
static_assert(offsetof(FormRecord, recordFieldCount) == 21);
static_assert(offsetof(FormRecord, keyFieldPosition) == 22);
static_assert(offsetof(FormRecord, recordLength) == 23);
static_assert(offsetof(FormRecord, menuCaptionField) == 25);
static_assert(offsetof(FormRecord, noKeyLine) == 26);
static_assert(offsetof(FormRecord, readOnce) == 27);
static_assert(offsetof(FormRecord, changeExportName) == 28);
static_assert(offsetof(FormRecord, exportName) == 29);
static_assert(offsetof(FormRecord, dataType) == 50);
static_assert(offsetof(FormRecord, prompt) == 65);
static_assert(offsetof(FormRecord, inputSource) == 830);
static_assert(offsetof(FormRecord, minLength) == 845);
static_assert(offsetof(FormRecord, maxLength) == 860);
static_assert(offsetof(FormRecord, maxLengthBlocks) == 875);
static_assert(offsetof(FormRecord, lookupField) == 890);
static_assert(offsetof(FormRecord, addedLength) == 905);
static_assert(offsetof(FormRecord, fixedLengthOn) == 920);
static_assert(offsetof(FormRecord, alignment) == 935);
static_assert(offsetof(FormRecord, fixedLength) == 950);
static_assert(offsetof(FormRecord, fixedLengthBlocks) == 965);
static_assert(offsetof(FormRecord, initialValueOn) == 980);
static_assert(offsetof(FormRecord, initialValue) == 995);
static_assert(offsetof(FormRecord, prefixOn) == 3410);
static_assert(offsetof(FormRecord, prefixCode) == 3425);
static_assert(offsetof(FormRecord, suffixOn) == 3590);
static_assert(offsetof(FormRecord, suffixCode) == 3605);
static_assert(offsetof(FormRecord, inputMark) == 3770);
static_assert(offsetof(FormRecord, decimalPlaces) == 3785);
static_assert(offsetof(FormRecord, partialRead) == 3800);
static_assert(offsetof(FormRecord, partialStart) == 3815);
static_assert(offsetof(FormRecord, partialStartBlocks) == 3830);
static_assert(offsetof(FormRecord, partialLength) == 3845);
static_assert(offsetof(FormRecord, leadingCheckOn) == 3860);
static_assert(offsetof(FormRecord, leadingCode) == 3875);
static_assert(offsetof(FormRecord, checkDigit) == 4040);
static_assert(offsetof(FormRecord, autoEnter) == 4055);
static_assert(offsetof(FormRecord, lastInputLine) == 4070);
static_assert(offsetof(FormRecord, reserved4071) == 4071);
static_assert(offsetof(FormRecord, editFilePath) == 4072);
static_assert(offsetof(FormRecord, saveFilePath) == 4087);
static_assert(offsetof(FormRecord, checkFilePath) == 4102);
static_assert(offsetof(FormRecord, autoExport) == 4117);
static_assert(offsetof(FormRecord, exportAppend) == 4118);
static_assert(offsetof(FormRecord, reserved4119) == 4119);
static_assert(offsetof(FormRecord, zorqMode) == 4128);
static_assert(offsetof(FormRecord, autoDelete) == 4129);
static_assert(offsetof(FormRecord, reserved4130) == 4130);

// Lengths above 160 ("large data") are stored as whole 160-character blocks
// plus a remainder; 2048 is the most a line can hold.
constexpr unsigned kSplitBlock = 160;
constexpr unsigned kMaxSplitTotal = 2048;

inline unsigned SplitTotal(std::uint8_t blocks, std::uint8_t remainder) {
    return blocks * kSplitBlock + remainder;
}

// A total of at most 160 is stored as 0 blocks and the total itself.
inline void StoreSplit(std::uint8_t& blocks, std::uint8_t& remainder, unsigned total) {
    if (total <= kSplitBlock) {
        blocks = 0;
        remainder = static_cast<std::uint8_t>(total);
    } else {
        blocks = static_cast<std::uint8_t>(total / kSplitBlock);
        remainder = static_cast<std::uint8_t>(total % kSplitBlock);
    }
}

// Length of a NUL-terminated key-code list kept in an 11-byte field.
unsigned CodeListLength(const std::uint8_t (&codes)[11]);

// Writes the defaults of one form; `index` (0-19) gives its own number as
// next target and export name. The reserved tail is left as it is.
void ResetFormRecord(FormRecord& form, int index, const UiStrings& strings);

}  // namespace fw
