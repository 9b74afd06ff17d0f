#include "template/target_code.h"

#include "strings/ui_strings.h"
#include "template/blocks/form_block.h"
#include "template/blocks/menu_block.h"

namespace fw {
namespace {

constexpr int kMainText = 1301;
constexpr int kFormPrefixText = 1302;  // "form  "
constexpr int kMenuPrefixText = 1303;  // "menu  "

void AddNumbered(std::vector<std::string>& entries, const std::string& label, int count) {
    for (int n = 1; n <= count; ++n) entries.push_back(label + std::to_string(n));
}

}  // namespace

std::vector<std::string> TargetEntries(const UiStrings& strings) {
    std::vector<std::string> entries{strings.Text(kMainText)};
    AddNumbered(entries, strings.Text(kFormPrefixText), kFormCount);
    AddNumbered(entries, strings.Text(kMenuPrefixText), kMenuCount);
    return entries;
}

std::vector<std::string> MenuEntries(const UiStrings& strings) {
    std::vector<std::string> entries;
    AddNumbered(entries, strings.Text(kMenuPrefixText), kMenuCount);
    return entries;
}

}  // namespace fw
