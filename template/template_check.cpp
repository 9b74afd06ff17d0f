#include "template/template_check.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "strings/ui_strings.h"
#include "template/derived_values.h"
#include "template/fixed_text.h"
#include "template/form_lines.h"
#include "template/save_preparation.h"
#include "template/target_code.h"
#include "template/template_file.h"
#include "template/value_words.h"

namespace fw {
namespace {

constexpr int kFirstTypeLabel = 1361;  // "text"; the labels run in type order
constexpr int kNilLabel = 1304;
constexpr unsigned kRecordEnd = 13;    // CR ends a record, so it cannot part fields
constexpr unsigned kLookupFieldGroup = 12;
constexpr unsigned kLastLookupFieldCode = 36;
constexpr unsigned kLastInputSource = kSourceAll;

std::string Numbered(const char* place, int index) { return place + std::to_string(index + 1); }
std::string FormPlace(int form) { return Numbered("form ", form); }
std::string LinePlace(int form, int line) { return FormPlace(form) + Numbered(" line ", line); }
std::string MenuPlace(int menu) { return Numbered("menu ", menu); }
std::string LookupPlace(int lookup) { return Numbered("lookup file ", lookup); }

bool IsInUse(const FormRecord& form) {
    for (const std::uint8_t type : form.dataType)
        if (type != kTypeNil) return true;
    return false;
}

int NamedItems(const MenuRecord& menu) {
    int count = 0;
    for (const auto& name : menu.itemName) count += name[0] != '\0' ? 1 : 0;
    return count;
}

// The types whose line starts with its initial value when it is switched on;
// on lookup and image lines the switch means something else.
bool TakesInitialValue(unsigned type) {
    switch (type) {
    case kTypeText: case kTypeInteger: case kTypeReal: case kTypeLetter: case kTypeAuto: case kTypeBoolean:
    case kTypeAlphameric: case kTypeZorq: case kTypeLargeData: case kTypeReadFrom2D:
        return true;
    default:
        return false;
    }
}

// "2", "2 and 5", "2, 5 and 7"
std::string ListOfNumbers(const std::vector<int>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) text += i + 1 == numbers.size() ? " and " : ", ";
        text += std::to_string(numbers[i]);
    }
    return text;
}

class Checker {
public:
    Checker(const TemplateBlocks& blocks, const UiStrings& strings)
        : b_(blocks), strings_(strings), layouts_(SavedRecordLayouts(blocks)) {}

    std::vector<Finding> Run() {
        CheckStart();
        CheckDelimiters();
        CheckPasswordText();
        for (int m = 0; m < kMenuCount; ++m) CheckMenu(m);
        for (int f = 0; f < kFormCount; ++f)
            if (IsInUse(b_.forms[f])) CheckForm(f);
        for (int l = 0; l < kLookupCount; ++l) CheckLookup(l);
        for (const StaleValue& v : StaleDerivedValues(b_))
            Error(v.place, v.field + " is " + std::to_string(v.inFile) + " in the file, but " + v.by + " gives " +
                               std::to_string(v.derived));
        return std::move(findings_);
    }

private:
    void Error(std::string place, std::string message) {
        findings_.push_back({Severity::Error, std::move(place), std::move(message)});
    }
    void Warning(std::string place, std::string message) {
        findings_.push_back({Severity::Warning, std::move(place), std::move(message)});
    }

    std::string TypeName(unsigned type) const {
        if (type > kTypeReadFrom2D) return "type " + std::to_string(type);
        return "\"" + strings_.Text(type == kTypeNil ? kNilLabel : kFirstTypeLabel + static_cast<int>(type) - 1) +
               "\"";
    }

    // "a \"text\" line", "an \"integer\" line"
    std::string ALine(unsigned type) const {
        const std::string name = TypeName(type);
        const bool vowel = name.size() > 1 && std::string_view("aeiou").find(name[1]) != std::string_view::npos;
        return (vowel ? "an " : "a ") + name + " line";
    }

    // Where a target leads must be able to do something: a form has to take
    // input and a menu has to offer an item, or the terminal is stuck there.
    void CheckTarget(const std::string& place, const std::string& what, unsigned code) {
        if (code == kTargetMain) return;
        if (code > kLastTarget) {
            Error(place, what + " target code " + std::to_string(code) + ", which names neither a form nor a menu");
        } else if (code < kFirstMenuTarget) {
            if (LastInputLine(b_.forms[code - 1]) == 0)
                Error(place, what + " form " + std::to_string(code) + ", which has no input line");
        } else if (NamedItems(b_.menus[code - kFirstMenuTarget]) == 0) {
            Error(place, what + " " + TargetWords(code) + ", which has no item");
        }
    }

    void CheckStart() {
        switch (b_.settings.startFrom) {
        case 0: CheckTarget("settings", "the program starts from", kFirstFormTarget); break;
        case 1: CheckTarget("settings", "the program starts from", kFirstMenuTarget); break;
        default:
            Error("settings", "\"Program start from\" is code " + std::to_string(b_.settings.startFrom) +
                                  ", which is neither form 1 (0) nor menu 1 (1)");
        }
    }

    void CheckDelimiters() {
        const struct { const char* name; unsigned code; } delimiters[] = {
            {"first", b_.settings.firstDelimiter}, {"second", b_.settings.secondDelimiter}};
        for (const auto& d : delimiters) {
            if (d.code == kRecordEnd)
                Error("settings", std::string("the ") + d.name + " delimiter is " + CharCodeWords(d.code) +
                                      ", which ends a record");
            if (d.code == 0 || d.code == kRecordEnd) continue;
            for (int f = 0; f < kFormCount; ++f)
                if (IsInUse(b_.forms[f])) CheckSavedValues(f, d.name, static_cast<char>(d.code));
        }
    }

    // A delimiter inside a value the form saves splits that field in two.
    void CheckSavedValues(int f, const char* delimiterName, char delimiter) {
        const FormRecord& form = b_.forms[f];
        for (int line = 0; line < kFormLineCount; ++line) {
            const unsigned type = form.dataType[line];
            const bool fixedData = type == kTypeFixedData;
            const bool initialValue = form.initialValueOn[line] == 1 && type != kTypeNil &&
                                      type != kTypeLookup && type != kTypeImage;
            if (!fixedData && !initialValue) continue;
            const std::string_view value = FieldText(form.initialValue[line]);
            if (value.find(delimiter) == std::string_view::npos) continue;
            Error(LinePlace(f, line), std::string(fixedData ? "the fixed data " : "the initial value ") +
                                          Quoted(value) + " holds the " + delimiterName + " delimiter " +
                                          CharCodeWords(static_cast<unsigned char>(delimiter)) +
                                          ", which splits the saved field");
        }
    }

    void CheckMenu(int m) {
        const MenuRecord& menu = b_.menus[m];
        if (NamedItems(menu) == 0) return;
        CheckTarget(MenuPlace(m), "Esc leads to", menu.escTarget);
        for (int item = 0; item < kMenuItemCount; ++item) {
            const std::string_view name = FieldText(menu.itemName[item]);
            if (name.empty()) continue;
            const std::string place = MenuPlace(m) + Numbered(" item ", item);
            if (!IsNonBlank(name))
                Warning(place, "the name is only spaces: it counts as an item but shows nothing");
            CheckTarget(place, "leads to", menu.nextTarget[item]);
        }
    }

    void CheckForm(int f) {
        const FormRecord& form = b_.forms[f];
        CheckTarget(FormPlace(f), "Esc leads to", form.escTarget);
        CheckTarget(FormPlace(f), "Next leads to", form.nextTarget);
        CheckKeyLine(f);
        CheckLookupUse(f);

        const RecordLayout& layout = layouts_[f];
        if (!layout.fields.empty() && layout.length == 0)
            Error(FormPlace(f), "saves records of length 0: every line it saves has max length 0");

        std::vector<int> largeData;
        for (int line = 0; line < kFormLineCount; ++line) {
            if (form.dataType[line] == kTypeLargeData) largeData.push_back(line + 1);
            if (form.dataType[line] != kTypeNil) CheckLine(f, line);
        }
        if (largeData.size() > 1)
            Error(FormPlace(f), "lines " + ListOfNumbers(largeData) + " are " + TypeName(kTypeLargeData) +
                                    " lines; a form holds at most one");
    }

    void CheckLine(int f, int line) {
        const FormRecord& form = b_.forms[f];
        const std::string place = LinePlace(f, line);
        const unsigned type = form.dataType[line];
        if (type > kTypeReadFrom2D) {
            Error(place, "data type code " + std::to_string(type) + " is none the Form page lists");
            return;
        }
        if ((type == kTypeLargeData || type == kTypeReadFrom2D) && b_.reader.readerType != kReaderType2D)
            Error(place, ALine(type) + ", which only the 2D reader offers; OK on the Form page "
                         "makes it \"nil\"");
        if (form.inputSource[line] > kLastInputSource)
            Error(place, "input source code " + std::to_string(form.inputSource[line]) +
                             " is none the Form page lists");
        CheckPrompt(place, FieldText(form.prompt[line]));

        const unsigned max = SplitTotal(form.maxLengthBlocks[line], form.maxLength[line]);
        if (max > kSplitBlock && type != kTypeLargeData)
            Error(place, "max length " + std::to_string(max) + " is above " + std::to_string(kSplitBlock) +
                             ", the most " + ALine(type) + " takes");
        if (form.minLength[line] > max)
            Error(place, "min length " + std::to_string(form.minLength[line]) + " is above max length " +
                             std::to_string(max));

        if (form.initialValueOn[line] != 1 || !TakesInitialValue(type)) return;
        const std::string_view value = FieldText(form.initialValue[line]);
        if (value.size() > max)
            Error(place, "the initial value " + Quoted(value) + " has " + Counted(value.size(), "character") +
                             ", more than the max length " + std::to_string(max) + ", so Enter never takes it");
        else if (!value.empty() && !FitsLineType(type, value))
            Error(place, "the initial value " + Quoted(value) + " is no data for " + ALine(type) +
                             ", so Enter never takes it");
    }

    // Open keeps 30 characters of a prompt; the terminal's screen shows 22.
    void CheckPrompt(const std::string& place, std::string_view prompt) {
        const std::string what = "the prompt " + Quoted(prompt) + " has " + Counted(prompt.size(), "character");
        if (prompt.size() > static_cast<std::size_t>(kPromptShownLength))
            Error(place, what + "; Open keeps the first " + std::to_string(kPromptShownLength));
        else if (prompt.size() > static_cast<std::size_t>(kTerminalColumns))
            Warning(place, what + "; the terminal's screen shows the first " + std::to_string(kTerminalColumns));
    }

    void CheckPasswordText() {
        const std::string_view password = FieldText(b_.settings.securityPassword);
        switch (CheckPassword(password)) {
        case PasswordCheck::TooLong:
            Error("settings", "the security password has " + Counted(password.size(), "character") +
                                  "; the Settings page takes at most " + std::to_string(kPasswordMaxLength));
            break;
        case PasswordCheck::InvalidCharacter:
            Error("settings", "the security password " + Quoted(password) +
                                  " holds a character other than a letter or a digit, which the Settings page "
                                  "refuses");
            break;
        case PasswordCheck::Valid: break;
        }
    }

    void CheckKeyLine(int f) {
        const FormRecord& form = b_.forms[f];
        if (form.keyLine == 0 || !SavesRecords(form)) return;
        const std::string key = "the key field is line " + std::to_string(form.keyLine);
        if (form.keyLine > kFormLineCount) {
            Error(FormPlace(f), key + ", which does not exist");
            return;
        }
        const int line = form.keyLine - 1;
        const unsigned type = form.dataType[line];
        if (type == kTypeNil)
            Error(FormPlace(f), key + ", which is " + TypeName(type));
        else if (!CountsAsInputLine(form, line))
            Error(FormPlace(f), key + ", " + ALine(type) + " that takes no input");
        else if (!MakesRecordField(form, line))
            Error(FormPlace(f), key + ", " + ALine(type) + " whose value is not saved");
    }

    void CheckLookupUse(int f) {
        const FormRecord& form = b_.forms[f];
        const unsigned file = form.lookupFile;
        if (file > kLookupCount) {
            Error(FormPlace(f), "uses lookup file " + std::to_string(file) + ", which does not exist");
            return;
        }
        const LookupRecord* lookup = file == 0 ? nullptr : &b_.lookups[file - 1];
        if (lookup != nullptr && lookup->fieldCount == 0) {
            Error(FormPlace(f), "uses " + LookupPlace(static_cast<int>(file) - 1) + ", which has no fields");
            return;
        }
        if (lookup != nullptr) CheckLookupKeyLine(f, *lookup);
        for (int line = 0; line < kFormLineCount; ++line) {
            const unsigned type = form.dataType[line];
            if (type == kTypeLookup && lookup == nullptr) {
                Error(LinePlace(f, line), ALine(type) + ", but the form uses no lookup file");
                continue;
            }
            // Without a lookup file the codes name the terminal's variables,
            // and some types have no lookup column at all.
            if (lookup == nullptr || type == kTypeNil || (type >= kTypeFixedData && type <= kTypePause)) continue;
            const unsigned code = form.lookupField[line];
            if (code == 0) {
                if (type == kTypeLookup) Error(LinePlace(f, line), "the lookup line names no lookup field");
                continue;
            }
            if (code > kLastLookupFieldCode) {
                Error(LinePlace(f, line), "lookup field code " + std::to_string(code) + " names no field");
                continue;
            }
            const unsigned field = (code - 1) % kLookupFieldGroup + 1;
            if (field > lookup->fieldCount)
                Error(LinePlace(f, line), "names lookup field " + std::to_string(field) + ", but " +
                                              LookupPlace(static_cast<int>(file) - 1) + " has " +
                                              Counted(lookup->fieldCount, "field"));
        }
    }

    // Lookup lines show the record that an input line linked to the key
    // field finds; without such a line they stay empty.
    void CheckLookupKeyLine(int f, const LookupRecord& lookup) {
        const FormRecord& form = b_.forms[f];
        std::vector<int> lookupLines;
        for (int line = 0; line < kFormLineCount; ++line) {
            if (CountsAsInputLine(form, line) && form.lookupField[line] == lookup.keyField + 1) return;
            if (form.dataType[line] == kTypeLookup) lookupLines.push_back(line + 1);
        }
        if (lookupLines.empty()) return;
        Error(FormPlace(f), std::string(lookupLines.size() == 1 ? "line " : "lines ") + ListOfNumbers(lookupLines) +
                                " can never be filled: no input line is linked to the key field, field " +
                                std::to_string(lookup.keyField + 1) + " of " +
                                LookupPlace(static_cast<int>(form.lookupFile) - 1));
    }

    void CheckLookup(int l) {
        const LookupRecord& lookup = b_.lookups[l];
        if (lookup.delimiter == kRecordEnd)
            Error(LookupPlace(l), "the delimiter is " + CharCodeWords(lookup.delimiter) + ", which ends a record");
        if (lookup.fieldCount > kLookupVisibleFields)
            Error(LookupPlace(l), "has " + std::to_string(lookup.fieldCount) + " fields; at most " +
                                      std::to_string(kLookupVisibleFields) + " are possible");
        else if (lookup.fieldCount > 0 && lookup.keyField >= lookup.fieldCount)
            Error(LookupPlace(l), "the key field is field " + std::to_string(lookup.keyField + 1) +
                                      ", but the file has " + Counted(lookup.fieldCount, "field"));
        for (int field = 0; field < lookup.fieldCount && field < kLookupVisibleFields; ++field)
            if (lookup.fieldLength[field] == 0 && lookup.fieldLengthHigh[field] == 0)
                Error(LookupPlace(l) + Numbered(" field ", field), "the length is 0, so the field holds nothing");
    }

    const TemplateBlocks& b_;
    const UiStrings& strings_;
    const RecordLayouts layouts_;
    std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> CheckTemplate(const TemplateBlocks& blocks, const UiStrings& strings) {
    return Checker(blocks, strings).Run();
}

std::vector<Finding> CheckTemplateFile(std::span<const std::uint8_t> file, const UiStrings& strings) {
    std::vector<Finding> findings;
    if (const std::string problem = FileSizeProblem(file.size()); !problem.empty())
        findings.push_back({Severity::Error, "file", problem});
    auto blocks = std::make_unique<TemplateBlocks>();
    const std::size_t present =
        file.size() > kBlocksOffset ? std::min(file.size() - kBlocksOffset, sizeof(TemplateBlocks)) : 0;
    if (present < sizeof(TemplateBlocks)) {
        // A short file reads as far as it goes, the rest as a new template.
        const auto fresh = std::make_unique<TemplateDocument>(strings);
        fresh->FillDeviceTexts();
        fresh->Reset();
        *blocks = fresh->blocks;
    }
    if (present > 0) std::memcpy(blocks.get(), file.data() + kBlocksOffset, present);
    for (Finding& finding : CheckTemplate(*blocks, strings)) findings.push_back(std::move(finding));
    return findings;
}

std::string FindingLine(const Finding& finding) {
    return (finding.severity == Severity::Error ? "error: " : "warning: ") + finding.place + ": " +
           finding.message;
}

}  // namespace fw
