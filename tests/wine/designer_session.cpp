#include "wine/designer_session.h"

#include <gtest/gtest.h>

#include "strings/string_source.h"
#include "strings/ui_strings.h"
#include "template/template_document.h"
#include "template/template_file.h"
#include "ui/dialog_template.h"

namespace fw::wine {
namespace {

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(
        IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string(name));
    return TRUE;
}

}  // namespace

HMODULE ExeResourceModule() {
    static HMODULE module =
        LoadLibraryExA(DesignerExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    return module;
}

std::span<const std::uint8_t> ResourceBytes(HMODULE module, const char* name, const char* type) {
    HRSRC resource = FindResourceA(module, name, type);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(module, resource)};
}

std::vector<std::string> DialogNames(HMODULE module) {
    std::vector<std::string> names;
    EnumResourceNamesA(module, RT_DIALOG, CollectName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

std::string TemplateTitle(const char* name) {
    return ParseDialogTemplate(ResourceBytes(ExeResourceModule(), name, RT_DIALOG)).title;
}

std::string SheetCaption(const std::string& path) { return "Formwright - [ " + path + " ]"; }

std::string TemplateFileArgument(DesignerRun& run, const std::string& name,
                                 const std::function<void(TemplateDocument&)>& edit) {
    CompiledStringTable builtin;
    UiStrings strings(builtin);
    TemplateDocument doc(strings);
    doc.FillDeviceTexts();
    doc.Reset();
    edit(doc);
    EXPECT_TRUE(WriteTemplateFile(doc, run.PathOf(name)));
    return "\"" + run.PathOf(name) + "\"";
}

int ChooseEntry(HWND dialog, int listId, const std::string& text) {
    HWND list = GetDlgItem(dialog, listId);
    const auto entry = static_cast<int>(Send(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(text.c_str())));
    if (entry < 0) return -1;
    Send(list, CB_SETCURSEL, static_cast<WPARAM>(entry));
    Send(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    return entry;
}

std::string ControlText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

void PostCommand(HWND hwnd, int id) { PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::string TypedKeys(HWND dialog, int id, const std::string& keys) {
    HWND box = GetDlgItem(dialog, id);
    Send(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    for (char key : keys) Send(box, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(key)), 1);
    return ControlText(dialog, id);
}

void CancelDialog(HWND dialog) {
    PostCommand(dialog, IDCANCEL);
    WaitUntilGone(dialog);
}

}  // namespace fw::wine
