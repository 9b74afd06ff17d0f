// The command flows of the designer through a fake main window: the save
// prompt, the file dialogs, what happens to the current file name, and the
// recent-file list.
#include "app/shell.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app_ids.h"
#include "app/shell_fixture.h"
#include "template/template_file.h"

namespace fw::test {
namespace {

class ShellTest : public ShellFixture {
protected:
    void SetUp() override { Start(); }
    TemplateDocument& doc() { return shell->document(); }

    // A template file on disk whose first form leads to form 9.
    std::string SavedTemplate(const std::string& name) {
        TestDocument t;
        t.doc.blocks.forms[0].nextTarget = 9;
        const auto path = dir / name;
        EXPECT_TRUE(WriteTemplateFile(t.doc, path));
        return path.string();
    }
    void Edit() {
        doc().blocks.forms[0].escTarget = 7;
        doc().modified = true;
    }
    std::string LastCaption() const { return host.sheets.empty() ? "" : host.sheets.back().caption; }
};

TEST_F(ShellTest, StartsOnANewTemplateAndPreloadsTheLastFileOnlyWhenAskedToAndReadable) {
    EXPECT_EQ(Values(doc().fileName.empty(), doc().modified), Values(1, 0));
    EXPECT_EQ(doc().blocks.forms[19].nextTarget, 20) << "the template was reset";
    EXPECT_EQ(doc().deviceTexts.SlotForId(3001)[0], 'M') << "the terminal's texts were filled";
    EXPECT_EQ(host.placements, std::vector<bool>{false});

    const std::string file = SavedTemplate("last.QLT");
    WriteFile(kIniFileName, file + "\r0\r1\r0\r");
    Start();
    EXPECT_TRUE(doc().fileName.empty());
    EXPECT_EQ(host.placements.back(), true) << "always on top";

    WriteFile(kIniFileName, file + "\r1\r0\r0\r");
    Start();
    EXPECT_EQ(doc().fileName, file);
    EXPECT_EQ(Values(doc().blocks.forms[0].nextTarget, host.sheets.size()), Values(9, 0))
        << "preloading opens no editor";

    // A refused file is reported and leaves a nameless new template.
    WriteAll(dir / "bad.QLT", {'Z', 'I', 'P'});
    WriteFile(kIniFileName, (dir / "bad.QLT").string() + "\r1\r0\r0\r");
    Start();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Error: Format of this FW file is incorrect!"});
    EXPECT_EQ(host.ui().messages().at(0).icon, Icon::Exclamation);
    EXPECT_EQ(Values(doc().fileName.empty(), doc().blocks.forms[0].nextTarget), Values(1, 1))
        << "a later Save must not overwrite the refused file";
}

TEST_F(ShellTest, NewAsksToSaveChangesAndNoDropsThem) {
    doc().fileName = SavedTemplate("a.QLT");
    Edit();
    host.ui().QueueAnswer(Answer::No);
    shell->OnCommand(IDM_NEW);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Varnok Formwright: Save current program ?"});
    EXPECT_EQ(host.ui().messages().at(0).buttons, Buttons::YesNoCancel);
    EXPECT_EQ(host.ui().messages().at(0).icon, Icon::Question);
    EXPECT_EQ(Values(doc().fileName.empty(), doc().blocks.forms[0].escTarget, doc().modified), Values(1, 0, 0));
    EXPECT_EQ(LastCaption(), "Formwright - [ New file ]");
    EXPECT_EQ(host.sheets.back().titles, (std::vector<std::string>{"Form", "Menu", "Lookup", "Barcode", "Settings"}));
}

TEST_F(ShellTest, CancelAtTheSavePromptStopsTheCommand) {
    Edit();
    host.ui().QueueAnswer(Answer::Cancel);
    shell->OnCommand(IDM_NEW);
    EXPECT_EQ(Values(host.sheets.size(), doc().blocks.forms[0].escTarget), Values(0, 7));

    host.ui().QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(shell->OnCloseRequest());
    host.ui().QueueAnswer(Answer::Cancel);
    shell->OnCommand(IDM_EXIT);
    EXPECT_EQ(host.destroyed, 0);
    host.ui().QueueAnswer(Answer::No);
    shell->OnCommand(IDM_EXIT);
    EXPECT_EQ(host.destroyed, 1);
}

TEST_F(ShellTest, YesSavesUnderTheNameOrAsksForOne) {
    Edit();
    host.ui().QueueAnswer(Answer::Yes);
    host.saveChoices.push_back((dir / "asked.QLT").string());
    shell->OnCommand(IDM_NEW);
    EXPECT_EQ(host.saveDialogs, 1);
    const auto saved = ReadAll(dir / "asked.QLT");
    ASSERT_EQ(saved.size(), kTemplateFileSize);
    EXPECT_EQ(saved[13390], 7) << "the changes were saved before the reset";
    EXPECT_EQ(host.sheets.size(), 1u);

    Edit();
    host.ui().QueueAnswer(Answer::Yes);
    host.saveChoices.push_back(std::nullopt);
    shell->OnCommand(IDM_NEW);
    EXPECT_EQ(host.sheets.size(), 2u) << "a cancelled Save As still lets New go on";
    EXPECT_EQ(doc().blocks.forms[0].escTarget, 0);
}

TEST_F(ShellTest, SaveWithoutANameIsSaveAsAndRemembersTheFile) {
    Edit();
    const std::string path = (dir / "one.QLT").string();
    host.saveChoices.push_back(path);
    shell->OnCommand(IDM_SAVE);
    EXPECT_EQ(ReadAll(path).size(), kTemplateFileSize);
    EXPECT_EQ(doc().fileName + (doc().modified ? " (changed)" : ""), path);
    EXPECT_EQ(Ini(), path + "\r0\r0\r0\r" + path + "\r");
    EXPECT_EQ(shell->recentFiles().entries, std::vector<std::string>{path});
    EXPECT_GT(host.recentFilesChanged, 0);

    Edit();
    shell->OnCommand(IDM_SAVE);
    EXPECT_EQ(host.saveDialogs, 1) << "a named template saves without asking";
    shell->OnCommand(IDM_EDIT);
    EXPECT_EQ(LastCaption(), "Formwright - [ " + path + " ]");
}

TEST_F(ShellTest, AFailedSaveIsReportedAndKeepsTheChangesMarked) {
    Edit();
    host.saveChoices.push_back((dir / "missing-folder" / "x.QLT").string());
    shell->OnCommand(IDM_SAVE_AS);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Error: Cannot save this file!"});
    EXPECT_TRUE(doc().modified);
    EXPECT_FALSE(std::filesystem::exists(dir / kIniFileName)) << "no recent entry for a file that was not written";
}

// A cancelled or refused Open leaves a nameless reset template, so a later
// Save cannot write it over the file that was open.
TEST_F(ShellTest, OpenResetsFirstAndLoadsTheChosenFileOrLeavesANamelessResetTemplate) {
    const std::string file = SavedTemplate("open.QLT");
    doc().fileName = file;
    Edit();
    host.ui().QueueAnswer(Answer::No);
    host.openChoices.push_back(file);
    shell->OnCommand(IDM_OPEN);
    EXPECT_EQ(host.openStarts, std::vector<std::string>{file}) << "the dialog starts at the current file";
    EXPECT_EQ(doc().fileName + (doc().modified ? " (changed)" : ""), file);
    EXPECT_EQ(Values(doc().blocks.forms[0].nextTarget, doc().blocks.forms[0].escTarget), Values(9, 0))
        << "the file, not the edits";
    EXPECT_EQ(host.placements.size(), 2u) << "placed again before the dialog";
    EXPECT_EQ(LastCaption(), "Formwright - [ " + file + " ]");

    doc().blocks.forms[0].escTarget = 3;
    host.openChoices.push_back(std::nullopt);
    shell->OnCommand(IDM_OPEN);
    EXPECT_EQ(Values(doc().fileName.empty(), doc().blocks.forms[0].escTarget, host.sheets.size()), Values(1, 0, 1));

    std::vector<std::uint8_t> newer(kTemplateFileSize, 0);
    std::memcpy(newer.data(), "QELTAR-09000000", 15);
    WriteAll(dir / "newer.QLT", newer);
    host.openChoices.push_back((dir / "newer.QLT").string());
    doc().fileName = file;
    shell->OnCommand(IDM_OPEN);
    EXPECT_EQ(Messages().back(), "Error: The FW file version is newer than current program!");
    EXPECT_EQ(Values(doc().fileName.empty(), host.sheets.size()), Values(1, 1));
}

TEST_F(ShellTest, ReadingThePreferencesAgainNeverRenamesTheTemplateInMemory) {
    const std::string last = SavedTemplate("last.QLT");
    WriteFile(kIniFileName, last + "\r1\r0\r0\r");
    shell->OnCommand(IDM_NEW);
    host.openChoices.push_back(std::nullopt);
    shell->OnCommand(IDM_OPEN);
    EXPECT_TRUE(doc().fileName.empty());
    RunDialog(IDM_PREFERENCES, PREFERENCESDLG_NAME, [](FakeDialog& d) { d.Cancel(); });
    EXPECT_TRUE(doc().fileName.empty());
}

TEST_F(ShellTest, RecentFilesOpenWithoutPromptAndKeepTheLastFourNewestFirst) {
    std::vector<std::string> files;
    for (int i = 0; i < 5; ++i) {
        files.push_back((dir / ("f" + std::to_string(i) + ".QLT")).string());
        host.saveChoices.push_back(files.back());
        shell->OnCommand(IDM_SAVE_AS);
    }
    EXPECT_EQ(shell->recentFiles().entries, (std::vector<std::string>{files[4], files[3], files[2], files[1]}));

    Edit();
    shell->OnCommand(IDM_RECENT_FIRST + 2);  // f2
    EXPECT_TRUE(Messages().empty()) << "no save prompt";
    EXPECT_EQ(doc().blocks.forms[0].escTarget, 0) << "the file, read over the edits";
    const auto opened = [this](const std::string& file) {
        EXPECT_EQ(doc().fileName, file);
        EXPECT_EQ(shell->recentFiles().entries.front(), file);
        EXPECT_EQ(LastCaption(), "Formwright - [ " + file + " ]");
    };
    opened(files[2]);

    std::filesystem::remove(files[3]);
    shell->OnCommand(IDM_RECENT_FIRST + 2);  // f3, gone
    EXPECT_TRUE(doc().fileName.empty());
    EXPECT_EQ(LastCaption(), "Formwright - [ New file ]") << "the editor opens all the same";
    shell->OnCommand(IDM_RECENT_FIRST + 9);  // no such entry: nothing happens

    // A file named on the command line opens like a recent file.
    const std::string doubleClicked = SavedTemplate("double-clicked.QLT");
    shell->OpenFromCommandLine(doubleClicked);
    opened(doubleClicked);
    EXPECT_EQ(doc().blocks.forms[0].nextTarget, 9);
}

}  // namespace
}  // namespace fw::test
