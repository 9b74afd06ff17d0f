// The preview panel on its real dialog template, and the session behind it:
// the face's keys, the reader box, the lookup data, the records and their
// export, and a template that changes while it plays.
#include "app/preview_session.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/device_face.h"
#include "app/preview_ids.h"
#include "preview/counting_template.h"
#include "support/fake_dialog.h"
#include "support/test_document.h"
#include "template/lookup_data.h"
#include "template/save_preparation.h"

namespace fw {
namespace {

using test::Values;

class FakePreviewHost final : public PreviewHost {
public:
    void ScreenChanged() override { ++screens; }
    void StartTimer(int ms) override { timer = ms; }
    void StopTimer() override { timer = 0; }
    std::optional<std::string> ChooseLookupData() override { return lookupFile; }
    std::optional<std::string> ChooseExportFile(const std::string& name) override {
        exportNames.push_back(name);
        return exportFile;
    }
    void PreviewEnded() override { ended = true; }
    void ReturnKeysToTerminal() override { ++keysReturned; }

    int screens = 0;
    int keysReturned = 0;
    int timer = 0;
    bool ended = false;
    std::optional<std::string> lookupFile, exportFile;
    std::vector<std::string> exportNames;
};

class PreviewPanel : public testing::Test {
protected:
    void SetUp() override {
        test::CountingTemplate(t.doc.blocks);
        t.doc.blocks.settings.entryOption = 1;  // the count, 600 ms
        FormRecord& form = t.doc.blocks.forms[0];
        form.keyLine = 1;
        form.noKeyLine = 0;
        form.exportAppend = 1;
        test::WriteText(dir / "prices.txt", test::kPriceList);
        host.lookupFile = (dir / "prices.txt").string();
        host.exportFile = (dir / "out.txt").string();
    }

    void Open() {
        session = std::make_unique<PreviewSession>(t.doc, host, [] { return Moment{2024, 5, 1, 8, 0, 0}; });
        panel = std::make_unique<test::FakeDialog>(test::TestTemplate(PREVIEWDLG_NAME), *session);
        panel->Init();
    }

    void Keys(std::initializer_list<int> keys) {
        for (int key : keys) session->FaceKey(key);
    }

    test::TestDocument t;
    test::TempDir dir;
    FakePreviewHost host;
    std::unique_ptr<PreviewSession> session;
    std::unique_ptr<test::FakeDialog> panel;
};

// Every button of the panel gives the keys back to the terminal; ending
// the preview asks while records wait for their export.
TEST_F(PreviewPanel, ScansLooksUpStoresAndExportsAsTheFormSays) {
    Open();
    EXPECT_EQ(panel->ListText(IDC_PREVIEW_LOOKUP, 0), "1st lookup file: no data");
    EXPECT_FALSE(panel->IsEnabled(IDC_PREVIEW_EXPORT)) << "no records yet";
    panel->Click(IDC_PREVIEW_LOOKUP_CHOOSE);
    EXPECT_EQ(panel->ListText(IDC_PREVIEW_LOOKUP, 0) + "|" + panel->GetText(IDC_PREVIEW_LOOKUP_REFUSED),
              "1st lookup file: prices.txt (2 records)|");

    Keys({kFace1});  // menu 1's first item: form 1
    panel->Type(IDC_PREVIEW_SCAN_TEXT, "B200");
    panel->Click(IDC_PREVIEW_SCAN);
    const auto& rows = session->preview().screen().rows;
    EXPECT_EQ(rows[2].text + "|" + rows[3].text, "B200|3.00") << "the scan went in, Auto ENTER took it, found its price";
    Keys({kFace1, kFace2, kFaceEnt});
    session->TimeUp();  // the record count on the screen goes
    session->FaceKey(kFaceRightTrigger);  // the trigger scans the box again
    Keys({kFace7, kFaceCentre});
    session->TimeUp();

    EXPECT_EQ(panel->items(IDC_PREVIEW_RECORD_FORM), std::vector<std::string>{"form  1 (2)"});
    EXPECT_EQ(panel->GetText(IDC_PREVIEW_RECORDS),
              "#  Code (4) key  line 2 (5)  Qty (3)\r\n"
              "1  B200          3.00        12\r\n"
              "2  B200          3.00        7\r\n");
    panel->ui().QueueAnswer(Answer::No);
    EXPECT_FALSE(session->MayEnd(*panel));
    ASSERT_EQ(panel->messages().size(), 1u);
    EXPECT_EQ(panel->messages()[0].text, "End the preview? The records not yet exported are lost.");
    EXPECT_EQ(panel->messages()[0].buttons, Buttons::YesNo);
    panel->Click(IDC_PREVIEW_EXPORT);
    EXPECT_TRUE(session->MayEnd(*panel));
    panel->Click(IDC_PREVIEW_EXPORT);
    EXPECT_EQ(host.exportNames, (std::vector<std::string>{"Form 01.TXT", "Form 01.TXT"}));
    const std::string once = "B200,3.00,12\r\nB200,3.00,7\r\n";
    EXPECT_EQ(test::ReadText(dir / "out.txt"), once + once) << "the form appends its export";

    panel->Click(IDC_PREVIEW_CLEAR);
    EXPECT_EQ(panel->GetText(IDC_PREVIEW_RECORDS), "");
    // Choose, scan, two exports, clear; the trigger is no panel action.
    EXPECT_EQ(Values(panel->ListCount(IDC_PREVIEW_RECORD_FORM), host.keysReturned, panel->messages().size()),
              Values(0, 5, 1));
}

// Which records of the data the terminal refuses and why, in the words of
// fwtool lookup-check; a file that cannot be read is reported.
TEST_F(PreviewPanel, RefusedLookupRecordsAreNamedWithTheirReasonAndAnUnreadableFileIsReported) {
    t.doc.blocks.lookups[0].dataType[1] = kLookupReal;
    t.doc.blocks.lookups[0].wrongFormatAction = kSkipRecord;
    test::WriteText(dir / "prices.txt", "A100;2.50\r\nB200;x\r\nC300;1.00\r\n");
    Open();
    panel->Click(IDC_PREVIEW_LOOKUP_CHOOSE);
    EXPECT_EQ(panel->ListText(IDC_PREVIEW_LOOKUP, 0), "1st lookup file: prices.txt (2 records, 1 refused)");
    EXPECT_EQ(panel->GetText(IDC_PREVIEW_LOOKUP_REFUSED),
              "line 2: field 2 \"x\" is not a real number \x97 the terminal skips the record");
    panel->Choose(IDC_PREVIEW_LOOKUP, 1);
    EXPECT_EQ(panel->GetText(IDC_PREVIEW_LOOKUP_REFUSED), "");

    host.lookupFile = (dir / "gone.txt").string();
    panel->Click(IDC_PREVIEW_LOOKUP_CHOOSE);
    ASSERT_EQ(panel->messages().size(), 1u);
    EXPECT_EQ(panel->messages()[0].text + "|" + panel->ListText(IDC_PREVIEW_LOOKUP, 1),
              "Cannot open this file!|2nd lookup file: no data");
}

// Esc on the terminal's main screen ends the preview; kept, it plays on from
// its start.
TEST_F(PreviewPanel, TimersFollowTheNoticesAndTheKeypadLettersAndAKeptPreviewPlaysOn) {
    Open();
    Keys({kFace1, kFace1, kFaceEnt, kFace5, kFaceEnt});
    const int countShown = host.timer;
    session->TimeUp();
    EXPECT_EQ(Values(countShown, host.timer), Values(600, 0)) << "the record count stays 600 ms";
    Keys({kFaceFn, kFace2});
    EXPECT_EQ(host.timer, 1000) << "the letter can still change";
    Keys({kFaceEsc, kFaceEsc});
    EXPECT_FALSE(host.ended) << "Esc leads from form 1 to menu 1, and on to main";
    Keys({kFaceEsc});
    EXPECT_TRUE(host.ended);
    panel->ui().QueueAnswer(Answer::No);
    EXPECT_FALSE(session->MayEnd(*panel));
    EXPECT_EQ(Values(session->preview().ended(), session->preview().records().size()), Values(0, 1));
    EXPECT_EQ(session->preview().screen().rows[1].text, "1. Count");
}

TEST_F(PreviewPanel, AChangedTemplateStartsAgainWithTheLookupDataButNotTheRecords) {
    Open();
    panel->Click(IDC_PREVIEW_LOOKUP_CHOOSE);
    Keys({kFace1, kFace1, kFaceEnt, kFace5, kFaceEnt});
    session->TimeUp();
    ASSERT_EQ(session->preview().records().size(), 1u);

    session->TemplateMayHaveChanged(t.doc);
    EXPECT_EQ(session->preview().records().size(), 1u) << "the same template goes on";
    PrepareForSaving(t.doc);
    t.doc.fileName = "count.QLT";
    session->TemplateSaved(t.doc);
    session->TemplateMayHaveChanged(t.doc);
    EXPECT_EQ(session->preview().records().size(), 1u) << "and goes on after a save";

    std::strcpy(t.doc.blocks.forms[0].prompt[2], "Count");
    session->TemplateMayHaveChanged(t.doc);
    EXPECT_TRUE(session->preview().records().empty());
    EXPECT_EQ(panel->GetText(IDC_PREVIEW_RECORDS), "");
    Keys({kFace1});
    EXPECT_EQ(session->preview().screen().rows[4].text, "Count");
    EXPECT_EQ(panel->ListText(IDC_PREVIEW_LOOKUP, 0), "1st lookup file: prices.txt (2 records)");
}

}  // namespace
}  // namespace fw
