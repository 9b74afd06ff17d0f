// A shell started in a program folder of its own behind a fake main window:
// what the tests of the command flows and of the dialogs the menus open share.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/shell.h"
#include "support/fake_dialog.h"
#include "support/test_document.h"

namespace fw::test {

class ShellFixture : public ::testing::Test {
protected:
    // Starts the program again, reading what the folder holds now.
    void Start() {
        shell = std::make_unique<Shell>(host, builtin, dir.path());
        shell->Start();
    }
    // Opens a dialog through a menu command; the script plays the user and
    // `result` takes what the dialog ended with.
    void RunDialog(int command, const char* name, const ModalScript& script) {
        host.ui().OnModal(name, [this, script](FakeDialog& d) {
            script(d);
            result = d.result();
        });
        shell->OnCommand(command);
    }
    void WriteFile(const std::string& name, const std::string& text) { WriteText(dir / name, text); }
    std::string Ini() const { return ReadText(dir / kIniFileName); }
    // The message boxes shown so far, as "title: text".
    std::vector<std::string> Messages() const {
        std::vector<std::string> shown;
        for (const MessageRecord& m : host.ui().messages()) shown.push_back(m.title + ": " + m.text);
        return shown;
    }

    TempDir dir;
    CompiledStringTable builtin;
    FakeShellHost host;
    std::unique_ptr<Shell> shell;
    int result = -1;
};

}  // namespace fw::test
