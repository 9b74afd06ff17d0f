#include "app/file_dialogs_win32.h"

#include <commdlg.h>

#include "strings/ui_strings.h"

namespace fw {
namespace {

using FileDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

}  // namespace

// Filters come from the program's own strings, never from a language file.
std::string FileFilter(const UiStrings& strings, std::initializer_list<std::pair<int, int>> entries) {
    std::string filter;
    for (const auto& [name, pattern] : entries) {
        filter += strings.BuiltinText(name);
        filter += '\0';
        filter += strings.BuiltinText(pattern);
        filter += '\0';
    }
    filter += '\0';
    return filter;
}

std::optional<std::string> RunFileDialog(HWND owner, const FileDialogSpec& spec) {
    // The file dialogs' library, with the shell libraries it brings along, is
    // loaded the first time a file dialog is needed rather than at start-up,
    // where it would cost more than everything else the program does there.
    static HMODULE library = LoadLibraryA("comdlg32.dll");
    auto function = library ? reinterpret_cast<FileDialogFunction>(
                                  reinterpret_cast<void*>(GetProcAddress(library, spec.function)))
                            : nullptr;
    if (!function) return std::nullopt;
    char file[MAX_PATH + 1] = "";
    spec.start.copy(file, MAX_PATH);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = spec.filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = spec.folder.empty() ? nullptr : spec.folder.c_str();
    dialog.lpstrDefExt = spec.extension;
    dialog.Flags = spec.flags;
    if (!function(&dialog)) return std::nullopt;
    return std::string(file);
}

std::string CurrentDirectory() {
    char path[MAX_PATH + 1] = "";
    GetCurrentDirectoryA(sizeof path, path);
    return path;
}

}  // namespace fw
