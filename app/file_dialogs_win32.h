// The system's Open and Save dialogs, as the shell and the preview use them.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace fw {

class UiStrings;

// A filter from pairs of string ids (name, pattern), always the program's
// own texts: name, NUL, pattern, NUL, ..., and a closing NUL.
std::string FileFilter(const UiStrings& strings, std::initializer_list<std::pair<int, int>> entries);

// What the Save and Open dialogs differ in.
struct FileDialogSpec {
    const char* function;     // GetSaveFileNameA or GetOpenFileNameA
    const std::string& filter;
    std::string start;        // the file name the dialog starts with
    std::string folder;       // its starting folder; empty: the system's choice
    const char* extension;
    DWORD flags;
};

// The chosen path, nothing when the user cancelled.
std::optional<std::string> RunFileDialog(HWND owner, const FileDialogSpec& spec);

std::string CurrentDirectory();

}  // namespace fw
