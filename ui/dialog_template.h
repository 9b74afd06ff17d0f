// Dialog templates read from compiled resources: the .res file the resource
// compiler writes, and the DLGTEMPLATEEX data of one dialog.
// Portable on purpose: the native tests build their fake dialogs from the
// program's real templates, so a test can only reach controls that exist.
//
// Both readers are safe on any bytes: they never look past the span and give
// back whatever they could read before the data ran out or stopped making
// sense.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace fw {

constexpr std::uint16_t kResourceTypeDialog = 5;

struct DialogControl {
    int id = 0;  // -1 for the unnamed statics (IDC_STATIC)
    // "Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox" for the
    // predefined classes, else the class name the template gives
    // ("msctls_updown32", ...); "#n" for an unknown class atom n.
    std::string className;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    // The window text; "#n" when the template gives a resource ordinal (an
    // icon or bitmap id) instead of a text.
    std::string text;
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogTemplate {
    std::string name;  // upper case, as the resource lookup treats names
    std::string title;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string fontName;  // empty without DS_SETFONT
    int fontSize = 0;
    std::vector<DialogControl> controls;
    // False when the data ended before every declared control was read.
    bool complete = false;

    // The first control with this id, or nullptr.
    const DialogControl* Find(int id) const;
};

// Every dialog resource of a .res file, by upper-cased name ("#n" for a
// numeric name).
std::map<std::string, DialogTemplate> ParseDialogResources(std::span<const std::uint8_t> resFile);

// One dialog's resource data. The name is left empty; a template in the
// classic form, which the program has none of, reads as an empty one.
DialogTemplate ParseDialogTemplate(std::span<const std::uint8_t> data);

}  // namespace fw
