// The Barcode page of the real program: it opens in the sheet and rebuilds
// itself for each reader choice, and its time-out boxes correct what is
// typed through the real change and focus notifications.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "pages/reader/barcode_ids.h"
#include "template/template_document.h"
#include "wine/designer_driver.h"
#include "wine/designer_session.h"

namespace fw::wine {
namespace {

constexpr int kBarcodePage = 3;

int Box(int row) { return IDC_BARCODE_SYMBOLOGY_FIRST + row; }

bool Visible(HWND page, int id) { return IsWindowVisible(GetDlgItem(page, id)) != FALSE; }
bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }

// The sheet of a new template, turned to its Barcode page.
class BarcodePageOnSheet : public testing::Test {
protected:
    static void TearDownTestSuite() { designer_.Reset(); }
    void SetUp() override {
        ASSERT_TRUE(designer_.EnsureFormPage(nullptr, true, "")) << "no sheet";
        page_ = designer_.ShowPage(kBarcodePage, IDC_BARCODE_READER_LIST);
        ASSERT_NE(page_, nullptr) << "the Barcode page did not show";
    }
    void TearDown() override { designer_.CancelDialogs(); }

    void ChooseReader(const std::string& text) {
        ASSERT_GE(ChooseEntry(page_, IDC_BARCODE_READER_LIST, text), 0) << "no reader \"" << text << "\"";
    }

    HWND page_ = nullptr;
    static SharedDesigner designer_;
};
SharedDesigner BarcodePageOnSheet::designer_;

TEST_F(BarcodePageOnSheet, RebuildsItselfForEachReaderChoice) {
    ChooseReader("2D Reader");
    EXPECT_EQ(ControlText(page_, Box(0)), "UPC-A");
    EXPECT_TRUE(Visible(page_, IDC_BARCODE_POSTAL));
    EXPECT_TRUE(Visible(page_, IDC_BARCODE_SAMECODE_EDIT));
    EXPECT_FALSE(Enabled(page_, IDC_BARCODE_ANGLE_LIST));

    ChooseReader("None");
    EXPECT_EQ(ControlText(page_, Box(0)), "Code 39");
    for (int id : {Box(0), IDC_BARCODE_SYMBOLOGY_MORE_FIRST, IDC_BARCODE_TIMEOUT_EDIT, IDC_BARCODE_GOODREAD_LIST})
        EXPECT_FALSE(Enabled(page_, id)) << id;

    ChooseReader("1D Laser Reader");
    EXPECT_TRUE(Enabled(page_, Box(0)));
    EXPECT_EQ(ControlText(page_, IDC_BARCODE_ANGLE_LABEL), "Scan Angle :");
    EXPECT_TRUE(Visible(page_, IDC_BARCODE_SAMECODE_LIST));
    EXPECT_FALSE(Visible(page_, IDC_BARCODE_SAMECODE_EDIT));
    EXPECT_FALSE(Visible(page_, IDC_BARCODE_POSTAL));
    EXPECT_FALSE(Visible(page_, Box(21)));
}

TEST_F(BarcodePageOnSheet, DecodeTimeOutIsCorrectedWhenTheFocusLeaves) {
    ChooseReader("1D Laser Reader");
    HWND timeout = GetDlgItem(page_, IDC_BARCODE_TIMEOUT_EDIT);
    EXPECT_EQ(Typed(page_, IDC_BARCODE_TIMEOUT_EDIT, "4"), "4");
    Notify(timeout, EN_KILLFOCUS);
    EXPECT_EQ(ControlText(page_, IDC_BARCODE_TIMEOUT_EDIT), "5");
    EXPECT_EQ(Typed(page_, IDC_BARCODE_LED_EDIT, "300"), "255");
}

// A template whose reader is the ELR engine, which only files carry.
class ElrBarcodePage : public testing::Test {
protected:
    static constexpr const char* kFile = "elr.QLT";
    static void TearDownTestSuite() { designer_.Reset(); }
    void SetUp() override {
        const Prepare prepare =
            TemplateFileArgument(kFile, [](TemplateDocument& doc) { doc.blocks.reader.readerType = kReaderBitElr; });
        ASSERT_TRUE(designer_.EnsureFormPage(prepare, false, kFile)) << "the file's sheet did not open";
        page_ = designer_.ShowPage(kBarcodePage, IDC_BARCODE_READER_LIST);
        ASSERT_NE(page_, nullptr) << "the Barcode page did not show";
    }
    void TearDown() override { designer_.CancelDialogs(); }

    HWND page_ = nullptr;
    static SharedDesigner designer_;
};
SharedDesigner ElrBarcodePage::designer_;

TEST_F(ElrBarcodePage, ShowsTheElrRowsAndTimes) {
    EXPECT_EQ(ControlText(page_, IDC_BARCODE_READER_LIST), "None");
    EXPECT_EQ(ControlText(page_, Box(10)), "Trioptic 39");
    EXPECT_TRUE(Visible(page_, IDC_BARCODE_AIM_EDIT));
    EXPECT_FALSE(Visible(page_, IDC_BARCODE_ANGLE_LIST));
    EXPECT_TRUE(Enabled(page_, IDC_BARCODE_BUZZFREQ_LIST));
}

}  // namespace
}  // namespace fw::wine
