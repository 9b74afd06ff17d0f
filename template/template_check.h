// Checks a template for what will go wrong on the terminal: dead-end targets,
// lookups that cannot be read or filled, keys that point nowhere, delimiters
// that split fields, values the pages never store, and derived values that
// are not what a save gives. Each finding names its place in the words of the
// pages.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "template/template_document.h"

namespace fw {

class UiStrings;

enum class Severity { Error, Warning };

struct Finding {
    Severity severity;
    std::string place;  // "form 3 line 2", "menu 1 item 4", "lookup file 2", "settings"
    std::string message;
};

// Type names come from `strings`, as the Form page lists them.
std::vector<Finding> CheckTemplate(const TemplateBlocks& blocks, const UiStrings& strings);

// A template file's bytes as they stand, behind a signature Open accepts:
// its size, then its blocks as CheckTemplate judges them, a short file's
// rest taken from a new template as Open takes it. Prompts are judged as the
// file holds them, before Open cuts them.
std::vector<Finding> CheckTemplateFile(std::span<const std::uint8_t> file, const UiStrings& strings);

// "error: form 3 line 2: min length 10 is above max length 8"
std::string FindingLine(const Finding& finding);

}  // namespace fw
