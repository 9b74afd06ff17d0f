#include "editor/property_sheet_win32.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstring>
#include <vector>

#include "editor/editor_sheet.h"
#include "ui/win32_dialog.h"

namespace fw {
namespace {

// Lives in the page's DWLP_USER slot from WM_INITDIALOG to WM_NCDESTROY.

// Where a dialog template keeps the point size of its font, in bytes from
// its start; 0 when it names no font. Both template forms are understood
// (DLGTEMPLATE and DLGTEMPLATEEX).
std::size_t FontSizeOffset(const void* dialogTemplate) {
    const auto* words = static_cast<const WORD*>(dialogTemplate);
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    DWORD style;
    std::memcpy(&style, extended ? words + 6 : words, sizeof style);
    if (!(style & DS_SETFONT)) return 0;
    const WORD* p = words + (extended ? 13 : 9);  // past the header, at the menu
    for (int field = 0; field < 2; ++field) {     // menu, then window class
        if (*p == 0x0000) p += 1;
        else if (*p == 0xFFFF) p += 2;
        else while (*p++ != 0) {}
    }
    while (*p++ != 0) {}  // title
    return static_cast<std::size_t>(reinterpret_cast<const BYTE*>(p) - reinterpret_cast<const BYTE*>(words));
}

// The point size of the pages' font, which the sheet takes over. Set for the
// one sheet open at a time: the sheet callback has no context of its own.
WORD pageFontSize = 0;

WORD PageFontSize(HINSTANCE instance, const char* templateName) {
    HRSRC resource = FindResourceA(instance, templateName, MAKEINTRESOURCEA(5));  // RT_DIALOG
    HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return 0;
    const std::size_t offset = FontSizeOffset(data);
    if (offset == 0) return 0;
    WORD size;
    std::memcpy(&size, static_cast<const BYTE*>(data) + offset, sizeof size);
    return size;
}

// The sheet measures the page area in its own font, so pages in a larger
// font would be cut off at the bottom and right: it takes the pages' size.
int CALLBACK SheetCallback(HWND, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE && lParam && pageFontSize) {
        auto* sheetTemplate = reinterpret_cast<BYTE*>(lParam);
        if (const std::size_t offset = FontSizeOffset(sheetTemplate))
            std::memcpy(sheetTemplate + offset, &pageFontSize, sizeof pageFontSize);
    }
    return 0;
}

using PropertySheetFunction = INT_PTR(WINAPI*)(LPCPROPSHEETHEADERA);
using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

// The common controls are loaded and set up when the first sheet opens, not
// at start-up, where loading them took longer (under Wine) than all the rest
// the program does before its face shows. nullptr when they are missing.
PropertySheetFunction CommonControlsSheet() {
    static const PropertySheetFunction sheet = [] {
        HMODULE library = LoadLibraryA("comctl32.dll");
        if (!library) return PropertySheetFunction{};
        if (auto init = reinterpret_cast<InitFunction>(
                reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")))) {
            const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
            init(&controls);
        }
        return reinterpret_cast<PropertySheetFunction>(reinterpret_cast<void*>(GetProcAddress(library, "PropertySheetA")));
    }();
    return sheet;
}

// Tells the sheet the answer to a notification.
INT_PTR NotifyResult(HWND page, LONG_PTR result) {
    SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* binding = BindingOf<PageHandler>(hwnd);
        if (!binding) return FALSE;
        switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
        case PSN_SETACTIVE:
            binding->handler->OnSetActive(binding->dialog);
            return NotifyResult(hwnd, 0);  // accept the activation
        case PSN_KILLACTIVE:
            binding->handler->OnKillActive(binding->dialog);
            return NotifyResult(hwnd, FALSE);  // the page may be left
        case PSN_APPLY:
            binding->handler->OnApply(binding->dialog);
            return NotifyResult(hwnd, PSNRET_NOERROR);
        case PSN_QUERYCANCEL:  // Cancel, Esc and the close box
            return NotifyResult(hwnd, binding->handler->OnQueryCancel(binding->dialog) ? FALSE : TRUE);
        default:
            return FALSE;
        }
    }
    PageHandler* handler = nullptr;
    if (message == WM_INITDIALOG)
        handler = reinterpret_cast<PageHandler*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
    // A page does not end itself: the sheet closes it through its own buttons.
    return HandleDialogMessage(hwnd, message, wParam, handler, false).value_or(FALSE);
}

}  // namespace

void RunPropertySheet(HWND owner, const SheetSpec& spec) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    std::vector<PROPSHEETPAGEA> pages(spec.pages.size());
    for (std::size_t i = 0; i < spec.pages.size(); ++i) {
        PROPSHEETPAGEA& page = pages[i];
        page.dwSize = sizeof page;
        page.dwFlags = PSP_USETITLE;
        page.hInstance = instance;
        page.pszTemplate = spec.pages[i].templateName;
        page.pfnDlgProc = PageProc;
        page.pszTitle = spec.pages[i].title.c_str();
        page.lParam = reinterpret_cast<LPARAM>(spec.pages[i].handler);
    }

    pageFontSize = spec.pages.empty() ? 0 : PageFontSize(instance, spec.pages.front().templateName);

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    // No PSH_PROPTITLE: the caption stands as given, without a "Properties
    // for" in front of it.
    header.dwFlags = PSH_DEFAULT | PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    header.pfnCallback = SheetCallback;
    header.hwndParent = owner;
    header.hInstance = instance;
    header.pszCaption = spec.caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = 0;
    header.ppsp = pages.data();
    if (const PropertySheetFunction sheet = CommonControlsSheet()) sheet(&header);
}

}  // namespace fw
