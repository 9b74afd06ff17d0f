// String ids of the preview's own texts (the terminal's come from the device
// text tables), so that a language file translates them too.
#pragma once

namespace fw {

constexpr int kTextPreviewMenuItem = 4300;  // "Pre&view            F5"
constexpr int kTextNotPreviewed = 4301;     // "not previewed"
constexpr int kTextLine = 4302;             // "line "
constexpr int kTextCheckDigit = 4303;
constexpr int kTextVariables = 4304;
constexpr int kTextLookupUpdates = 4305;
constexpr int kTextNonKeyLink = 4306;
constexpr int kTextEnterThenScan = 4307;
constexpr int kTextReadOnce = 4308;
constexpr int kTextUpdateLookup = 4309;
constexpr int kTextPassDownAction = 4310;
constexpr int kTextTerminalKey = 4311;
constexpr int kTextSecondDelimiter = 4312;
constexpr int kTextZorq = 4313;
constexpr int kTextTarget = 4314;           // "target "
constexpr int kTextTerminalSettings = 4315;
constexpr int kTextTerminalKeyField = 4316;  // field names of the record table
constexpr int kTextMenuDataField = 4317;
constexpr int kTextStampField = 4318;
constexpr int kTextKeyMark = 4319;
constexpr int kTextIdleHint = 4347;         // under the template's start screen on the idle face

// Labels of the form page's lists that the preview shows as they are.
constexpr int kFirstSourceLabel = 1311;  // "reader", "keypad", "RFID", "all"
constexpr int kFirstTypeLabel = 1361;    // "text"; the labels follow the type codes
constexpr int kFirstLookupLabel = 1321;  // "1st lookup file" to "5th lookup file"
constexpr int kNewFileText = 2;          // "New file"

}  // namespace fw
