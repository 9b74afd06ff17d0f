#include "template/template_check.h"

#include "strings/ui_strings.h"
#include "template/fixed_text.h"
#include "template/form_lines.h"
#include "template/record_layout.h"
#include "template/target_code.h"
#include "template/value_words.h"

namespace fw {
namespace {

constexpr int kFirstTypeLabel = 1361;  // "text"; the labels run in type order
constexpr int kNilLabel = 1304;
constexpr unsigned kRecordEnd = 13;    // CR ends a record, so it cannot part fields
constexpr unsigned kLookupFieldGroup = 12;
constexpr unsigned kLastLookupFieldCode = 36;

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

int LastInputLine(const FormRecord& form) {
    int last = 0;
    for (int line = 0; line < kFormLineCount; ++line)
        if (CountsAsInputLine(form, line)) last = line + 1;
    return last;
}

int NamedItems(const MenuRecord& menu) {
    int count = 0;
    for (const auto& name : menu.itemName) count += name[0] != '\0' ? 1 : 0;
    return count;
}

std::string Plural(int n, const char* noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
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
    Checker(const TemplateBlocks& blocks, const UiStrings& strings) : b_(blocks), strings_(strings) {}

    std::vector<Finding> Run() {
        CheckStart();
        CheckDelimiters();
        for (int m = 0; m < kMenuCount; ++m) CheckMenu(m);
        for (int f = 0; f < kFormCount; ++f)
            if (IsInUse(b_.forms[f])) CheckForm(f);
        for (int l = 0; l < kLookupCount; ++l) CheckLookup(l);
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
        const int named = NamedItems(menu);
        if (named != menu.itemCount)
            Warning(MenuPlace(m), "the item count is " + std::to_string(menu.itemCount) + " in the file, but " +
                                      Plural(named, "item") + " have a name (the Menu page counts them on OK)");
        if (named == 0) return;
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
        const int lastInput = LastInputLine(form);
        if (lastInput != form.lastInputLine)
            Warning(FormPlace(f), "the last input line is " + std::to_string(form.lastInputLine) +
                                      " in the file, but " +
                                      (lastInput == 0 ? std::string("no line takes input")
                                                      : "line " + std::to_string(lastInput) +
                                                            " is the last that takes input") +
                                      " (the Form page works it out on OK)");
        CheckTarget(FormPlace(f), "Esc leads to", form.escTarget);
        CheckTarget(FormPlace(f), "Next leads to", form.nextTarget);
        CheckKeyLine(f);
        CheckLookupUse(f);

        std::vector<int> largeData;
        for (int line = 0; line < kFormLineCount; ++line) {
            if (form.dataType[line] == kTypeLargeData) largeData.push_back(line + 1);
            if (form.dataType[line] == kTypeNil) continue;
            const unsigned max = SplitTotal(form.maxLengthBlocks[line], form.maxLength[line]);
            if (form.minLength[line] > max)
                Error(LinePlace(f, line), "min length " + std::to_string(form.minLength[line]) +
                                              " is above max length " + std::to_string(max));
        }
        if (largeData.size() > 1)
            Error(FormPlace(f), "lines " + ListOfNumbers(largeData) + " are " + TypeName(kTypeLargeData) +
                                    " lines; a form holds at most one");
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
            Error(FormPlace(f), key + ", a " + TypeName(type) + " line that takes no input");
        else if (!MakesRecordField(form, line))
            Error(FormPlace(f), key + ", a " + TypeName(type) + " line whose value is not saved");
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
        for (int line = 0; line < kFormLineCount; ++line) {
            const unsigned type = form.dataType[line];
            if (type == kTypeLookup && lookup == nullptr) {
                Error(LinePlace(f, line), "a " + TypeName(type) + " line, but the form uses no lookup file");
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
                                              Plural(lookup->fieldCount, "field"));
        }
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
                                      ", but the file has " + Plural(lookup.fieldCount, "field"));
        for (int field = 0; field < lookup.fieldCount && field < kLookupVisibleFields; ++field)
            if (lookup.fieldLength[field] == 0 && lookup.fieldLengthHigh[field] == 0)
                Error(LookupPlace(l) + Numbered(" field ", field), "the length is 0, so the field holds nothing");
    }

    const TemplateBlocks& b_;
    const UiStrings& strings_;
    std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> CheckTemplate(const TemplateBlocks& blocks, const UiStrings& strings) {
    return Checker(blocks, strings).Run();
}

std::string FindingLine(const Finding& finding) {
    return (finding.severity == Severity::Error ? "error: " : "warning: ") + finding.place + ": " +
           finding.message;
}

}  // namespace fw
