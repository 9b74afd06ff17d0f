#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "grid/grid_ids.h"
#include "pages/reader/reader_dialog.h"
#include "pages/reader/symbology_ids.h"
#include "pages/reader/symbology_table.h"
#include "support/fake_dialog.h"
#include "support/test_document.h"
#include "template/fixed_text.h"

namespace fw::test {
namespace {

// The Barcode page as the dialogs see it: what they asked of it, in order.
class StubPage final : public BarcodePageLink {
public:
    void ShowCouponCode(bool on) override { calls.push_back(on ? "coupon on" : "coupon off"); }
    void SyncGs1128Box() override { calls.push_back("gs1-128"); }
    std::vector<std::string> calls;
};

class ReaderDialogTest : public ::testing::Test {
protected:
    // Opens a dialog from the Barcode page; the script plays the user.
    int Open(const std::string& name, ModalScript script) {
        owner.OnModal(name, std::move(script));
        return RunReaderDialog(owner, name, context);
    }
    void OnModal(const std::string& name, ModalScript script) { owner.OnModal(name, std::move(script)); }
    ReaderBlock& reader() { return t.doc.readerWorking; }
    const std::vector<MessageRecord>& messages() const { return owner.messages(); }

    TestDocument t;
    ReaderDialogBackups backups;
    StubPage page;
    ReaderDialogContext context{t.doc, t.strings, backups, page};
    FakeDialog owner{TestTemplate("BARCODEDLG"), NoLogic()};
};

// ---- Every member of the table --------------------------------------------------

// One user action on a control and the reader bytes it must change, from the
// byte table of the reader block. Some controls are usable only once another
// is worked: a box clicked, or a list entry chosen.
struct Touch {
    int control;
    std::set<std::size_t> bytes;
    int after = 0;
    int afterEntry = -1;
    int entry = -1;  // for a list: the entry to choose; -1 the one after the current
};
struct Member {
    const char* name;
    std::vector<Touch> touches;
    std::size_t lengths = 0;  // the length block's mode byte, its two lengths behind it; 0: none
};

// The length block: choosing the next mode from "Range" gives "Any Length",
// which clears both lengths; each length box changes its own byte.
const Member kMembers[] = {
    {"CODE39DLG_1D955", {{101, {3}}, {102, {3, 4}, 101}, {103, {8}}, {104, {8, 9}, 103}, {105, {10}}, {106, {2}}}, 5},
    {"INDUSTRIAL25DLG_1D955", {}, 12},
    {"INTERLEAVE25DLG_1D955", {{101, {19}}, {102, {19, 20}, 101}, {103, {21}}}, 16},
    {"CODABARDLG_1D955", {{101, {27}}, {102, {28}}}, 24},
    {"MSIDLG_1D955", {{302, {33}}, {101, {34}}, {303, {33, 35}, 302, 1}}, 30},
    {"EAN128DLG_1D955", {{401, {739}}}},
    {"UPCADLG_1D955", {{301, {44}}, {302, {39}}, {401, {39, 40}, 302, 2}, {101, {41}}}},
    {"UPCEDLG_1D955", {{301, {45}}, {302, {39}}, {401, {39, 40}, 302, 2}, {101, {42}}, {102, {47}}}},
    {"UPCE1DLG_1D955", {{301, {46}}, {302, {39}}, {401, {39, 40}, 302, 2}, {101, {43}}, {102, {48}}}},
    {"EAN8DLG_1D955", {{301, {54}}, {401, {54, 55}, 301, 2}, {101, {56}}}},
    {"EAN13DLG_1D955", {{301, {54}}, {401, {54, 55}, 301, 2}}},
    {"RSS14DLG_1D955", {{101, {62}}}},
    {"CODE93DLG_1D955", {}, 64},
    {"CODE11DLG_1D955", {{302, {74}}, {101, {74, 75}, 302, 1}}, 71},

    {"UPCADLG_2D", {{301, {213}}, {302, {208}}, {401, {208, 209}, 302, 2}, {101, {210}}}},
    {"UPCEDLG_2D", {{301, {214}}, {302, {208}}, {401, {208, 209}, 302, 2}, {101, {211}}, {102, {216}}}},
    {"UPCE1DLG_2D", {{301, {215}}, {302, {208}}, {401, {208, 209}, 302, 2}, {101, {212}}, {102, {217}}}},
    {"EAN8DLG_2D", {{301, {208}}, {401, {208, 209}, 301, 2}, {101, {218}}}},
    {"EAN13DLG_2D_4507", {{301, {208}}, {401, {208, 209}, 301, 2}}},
    {"EAN128DLG_2D", {{401, {739}}}},
    {"ISBTDLG_2D", {{301, {397}}, {401, {397, 398}, 301, 2}}},
    {"CODE39DLG_2D", {{101, {226}}, {102, {226, 227}, 101}, {103, {231}}, {104, {231, 232}, 103}, {105, {233}},
                      {106, {225}}, {310, {310}}}, 228},
    {"CODE93DLG_2D", {}, 235},
    {"CODABARDLG_2D", {{101, {259}}, {102, {260}}, {310, {310}}}, 256},
    {"DISCRETE25DLG_2D", {}, 252},
    {"INTERLEAVE25DLG_2D", {{302, {248}}, {101, {248, 249}, 302, 1}, {102, {250}}}, 245},
    {"RSS14DLG_2D", {{101, {279}}}},
    {"MSIDLG_2D", {{302, {265}}, {101, {266}}, {303, {265, 267}, 302, 1}}, 262},
    {"CODE11DLG_2D", {{302, {242}}, {101, {242, 243}, 302, 1}}, 239},
    {"MATRIX25_2D_4507", {{101, {328}}, {102, {329}}, {103, {329, 330}, 102}}, 325},
    {"POSTALDLG_2D", {{101, {268}}, {102, {269}}, {103, {275}}, {104, {270}}, {105, {271}}, {106, {272}},
                      {107, {273}}, {108, {274}}}},
    {"COMPOSITEDLG_2D", {{101, {280}}, {102, {281}}, {103, {282}}, {104, {284}}, {301, {283}}}},
    {"SYMBOLOGIESDLG_2D", {{101, {285}}, {102, {286}}, {103, {286, 287}, 102}, {104, {288}}, {105, {291}},
                           {106, {292}}, {107, {295}}, {108, {294}}, {301, {289}}, {303, {293}}, {304, {296}}}},
    // "Transmit Any Symbol in Set" also sends the control header.
    {"MACROPDFDLG_2D", {{301, {297, 298}, 0, -1, 1}, {302, {299}}}},

    {"UPCADLG_1D_ELR", {{301, {123}}, {302, {118}}, {101, {120}}, {102, {129}}}},
    {"UPCEDLG_1D_ELR", {{301, {124}}, {302, {118}}, {101, {121}}, {102, {126}}, {103, {129}}}},
    {"UPCE1DLG_1D_ELR", {{301, {125}}, {302, {118}}, {101, {122}}, {102, {127}}, {103, {129}}}},
    {"EAN8DLG_1D_ELR", {{301, {118}}, {101, {128}}}},
    {"EAN128DLG_1D_ELR", {{401, {739}}}},
    {"CODE39DLG_1D_ELR", {{101, {136}}, {102, {136, 137}, 101}, {103, {141}}, {104, {141, 142}, 103},
                          {105, {143}}}, 138},
    {"CODE93DLG_1D_ELR", {}, 145},
    {"CODABARDLG_1D_ELR", {{101, {163}}, {102, {164}}}, 160},
    {"DISCRETE25DLG_1D_ELR", {}, 156},
    {"INTERLEAVE25DLG_1D_ELR", {{101, {152}}, {102, {152, 153}, 101}, {103, {154}}}, 149},
    {"RSS14DLG_1D_ELR", {{101, {175}}}},
    {"MSIDLG_1D_ELR", {{302, {169}}, {101, {170}}, {303, {169, 171}, 302, 1}}, 166},
};

// Clicks a box, picks a list entry or types "12" into a box.
void Act(FakeDialog& d, int id, int entry) {
    switch (d.kind(id)) {
    case ControlKind::CheckBox:
        d.Click(id);
        break;
    case ControlKind::ComboBox:
        d.Choose(id, entry >= 0 ? entry : (d.ListSelection(id) + 1) % d.ListCount(id));
        break;
    case ControlKind::Edit:
        d.Type(id, "12");
        break;
    default:
        ADD_FAILURE() << d.name() << ": control " << id << " is nothing a user works";
    }
}

bool UserWorks(const FakeDialog& d, int id) {
    const ControlKind kind = d.kind(id);
    return d.IsVisible(id) &&
           (kind == ControlKind::CheckBox || kind == ControlKind::ComboBox || kind == ControlKind::Edit);
}

TEST_F(ReaderDialogTest, EveryMemberChangesExactlyTheBytesOfTheControlWorked) {
    std::set<std::string> tested;
    for (const Member& member : kMembers) {
        SCOPED_TRACE(member.name);
        tested.insert(member.name);
        std::vector<Touch> touches = member.touches;
        if (const std::size_t l = member.lengths)
            touches.insert(touches.end(), {{IDC_SYM_LENGTH_MODE, {l, l + 1, l + 2}}, {IDC_SYM_LENGTH1, {l + 1}},
                                           {IDC_SYM_LENGTH2, {l + 2}}});
        std::set<int> worked;
        for (const Touch& touch : touches) {
            SCOPED_TRACE("control " + std::to_string(touch.control));
            worked.insert(touch.control);
            const ReaderBlock before = reader();
            EXPECT_EQ(Open(member.name,
                           [&](FakeDialog& d) {
                               if (touch.after != 0) Act(d, touch.after, touch.afterEntry);
                               Act(d, touch.control, touch.entry);
                               d.Ok();
                           }),
                      1);
            EXPECT_EQ(ChangedBytes(before, reader()), touch.bytes);
            reader() = before;
        }

        // Every control the user can work is covered, and Cancel after all
        // of them leaves the working copy as it was.
        const ReaderBlock before = reader();
        EXPECT_EQ(Open(member.name,
                       [&](FakeDialog& d) {
                           for (const DialogControl& control : TestTemplate(member.name).controls) {
                               EXPECT_TRUE(!UserWorks(d, control.id) || worked.count(control.id)) << control.id;
                           }
                           for (const Touch& touch : touches)
                               if (d.IsEnabled(touch.control)) Act(d, touch.control, touch.entry);
                           d.Cancel();
                       }),
                  0);
        EXPECT_EQ(ChangedBytes(before, reader()), std::set<std::size_t>{});
    }
    for (const SymbologyDialogSpec& spec : SymbologyDialogSpecs()) EXPECT_TRUE(tested.count(spec.templateName));
    EXPECT_TRUE(messages().empty());
}

// ---- Lengths ---------------------------------------------------------------------------

constexpr int kOneLength = 1, kTwoLengths = 2, kRange = 3;

// OK swaps the lengths under "Range" only, and refuses a length of 0.
TEST_F(ReaderDialogTest, LengthModeOkKeepsTheSmallerAsMinimumAndRefusesZero) {
    auto enter = [&](int mode, const char* first, const char* second) {
        return Open("CODE39DLG_1D955", [=](FakeDialog& d) {
            d.Choose(IDC_SYM_LENGTH_MODE, mode);
            d.Type(IDC_SYM_LENGTH1, first);
            d.Type(IDC_SYM_LENGTH2, second);
            d.Ok();
        });
    };
    EXPECT_EQ(enter(kRange, "30", "10"), 1);
    EXPECT_EQ(Values(reader().laserCode39Len1, reader().laserCode39Len2), Values(10, 30));
    EXPECT_EQ(enter(kTwoLengths, "30", "10"), 1);
    EXPECT_EQ(Values(reader().laserCode39Len1, reader().laserCode39Len2), Values(30, 10));

    Open("INTERLEAVE25DLG_2D", [&](FakeDialog& d) {
        d.Choose(IDC_SYM_LENGTH_MODE, kOneLength);
        EXPECT_FALSE(d.IsEnabled(IDC_SYM_LENGTH2));
        d.Type(IDC_SYM_LENGTH1, "0");
        d.Click(IDC_SYM_BOX2);
        d.Ok();
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].title + ": " + messages()[0].text, "Warning: Invalid value!");
        EXPECT_EQ(Values(d.ended(), d.focus()), Values(false, IDC_SYM_LENGTH1));
        // What OK stored before it stopped stays until Cancel.
        EXPECT_EQ(Values(reader().twoDIntl25LenMode, reader().twoDIntl25ToEan13), Values(kOneLength, 1));
        d.Cancel();
    });
    EXPECT_EQ(Values(reader().twoDIntl25LenMode, reader().twoDIntl25ToEan13), Values(kRange, 0));
}

TEST_F(ReaderDialogTest, AddonsRedundancyStaysWithinItsRangeOnceTyped) {
    reader().laserUpcAddons = 2;
    // A file's value beyond the range is shown and carried until typed over.
    reader().laserUpcAddonRedund = 45;
    Open("UPCEDLG_1D955", [](FakeDialog& d) {
        EXPECT_EQ(d.GetText(IDC_SYM_EDIT1), "45");
        d.Leave(IDC_SYM_EDIT1);
        d.Ok();
    });
    EXPECT_EQ(reader().laserUpcAddonRedund, 45);
    Open("UPCEDLG_1D955", [](FakeDialog& d) {
        // A 1 may still become 10 to 19, so it waits for the user to leave.
        d.Type(IDC_SYM_EDIT1, "");
        d.TypeKeys(IDC_SYM_EDIT1, "1");
        EXPECT_EQ(d.GetText(IDC_SYM_EDIT1), "1");
        d.Leave(IDC_SYM_EDIT1);
        EXPECT_EQ(d.GetText(IDC_SYM_EDIT1), "2");
        d.Type(IDC_SYM_EDIT1, "");
        d.TypeKeys(IDC_SYM_EDIT1, "15");
        EXPECT_EQ(d.GetText(IDC_SYM_EDIT1), "15");
        EXPECT_EQ(d.Typed(IDC_SYM_EDIT1, "45"), "30");
        d.Choose(IDC_SYM_LIST2, 0);
        EXPECT_FALSE(d.IsEnabled(IDC_SYM_EDIT1));
        d.Ok();
    });
    EXPECT_EQ(Values(reader().laserUpcAddonRedund, reader().laserUpcAddons), Values(30, 0));
}

// ---- Coupon code -----------------------------------------------------------------------

class CouponTest : public ReaderDialogTest {
protected:
    void SetUp() override {
        t.doc.readerTypeState = DeriveReaderTypeState(reader());  // the laser reader
        reader().laserUpcaPreamble = 2;
        reader().laserEan13On = 0;
        reader().laserGs1128On = 0;
    }
};

// The chain: the coupon dialog, the note about the preamble, the summary.
TEST_F(CouponTest, UpcaCouponLowersThePreambleAndSwitchesGs1128OnUnlessCancelled) {
    const ReaderBlock before = reader();
    // Declining the note leaves UPC-A out.
    OnModal(COUPON_CODE_NOTE_NAME, [](FakeDialog& d) { d.Cancel(); });
    Open(COUPON_CODE_2D_NAME, [](FakeDialog& d) {
        d.Click(IDC_COUPON_UPCA);
        EXPECT_FALSE(d.IsChecked(IDC_COUPON_UPCA));
        d.Cancel();
    });
    // Cancel in the summary undoes the whole chain.
    OnModal(COUPON_CODE_NOTE_NAME, [](FakeDialog& d) {
        EXPECT_EQ(d.title(), "Coupon Code Settings");
        d.Ok();
    });
    OnModal(COUPON_CODE_CONTENT_NAME, [&](FakeDialog& d) {
        EXPECT_EQ(reader().laserUpcaPreamble, 1) << "the note's change is in the working copy";
        d.Cancel();
    });
    EXPECT_EQ(Open(COUPON_CODE_2D_NAME,
                   [](FakeDialog& d) {
                       d.Click(IDC_COUPON_UPCA);
                       d.Click(IDC_COUPON_EAN13);
                       d.Ok();
                   }),
              0);
    EXPECT_EQ(ChangedBytes(before, reader()), std::set<std::size_t>{});
    EXPECT_TRUE(page.calls.empty());

    OnModal(COUPON_CODE_CONTENT_NAME, [](FakeDialog& d) {
        EXPECT_EQ(d.GetText(IDC_COUPON_LINE_PREAMBLE), "UPC-A -> System Character");
        EXPECT_TRUE(d.IsVisible(IDC_COUPON_TICK_PREAMBLE));
        d.Ok();
    });
    EXPECT_EQ(Open(COUPON_CODE_2D_NAME,
                   [](FakeDialog& d) {
                       EXPECT_FALSE(d.IsChecked(IDC_COUPON_UPCA)) << "the preamble carries the country code";
                       d.Click(IDC_COUPON_UPCA);
                       d.Ok();
                   }),
              1);
    const ReaderBlock& r = reader();
    EXPECT_EQ(Values(r.laserUpcaPreamble, r.laserUpcaOn, r.laserEan13On, r.laserCouponOn, r.laserGs1128On, r.twoDCouponOn),
              Values(1, 1, 0, 1, 1, 0));
    EXPECT_EQ(page.calls, (std::vector<std::string>{"coupon on", "gs1-128"}));
}

TEST_F(CouponTest, TwoDEan13CouponTakesUpcaOff) {
    reader().readerType = kReaderType2D;
    t.doc.readerTypeState = DeriveReaderTypeState(reader());
    reader().twoDEan13On = 0;
    reader().twoDUpcaOn = 1;
    reader().twoDUpcaPreamble = 2;
    OnModal(COUPON_CODE_CONTENT_NAME, [](FakeDialog& d) {
        EXPECT_EQ(d.GetText(IDC_COUPON_LINE_PREAMBLE), "UPC-A -> System Character && Country Code");
        EXPECT_TRUE(d.IsVisible(IDC_COUPON_TICK_EAN13_ON));
        d.Ok();
    });
    Open(COUPON_CODE_2D_NAME, [](FakeDialog& d) {
        d.Click(IDC_COUPON_EAN13);
        d.Ok();
    });
    const ReaderBlock& r = reader();
    EXPECT_EQ(Values(r.twoDUpcaOn, r.twoDEan13On, r.twoDCouponOn, r.laserCouponOn), Values(0, 1, 1, 0));
}

TEST_F(CouponTest, UpcaPreambleWithCountryCodeAsksWhileTheCouponIsOn) {
    reader().laserUpcaPreamble = 1;
    reader().laserCouponOn = 1;
    int notes = 0;
    bool confirm = false;
    OnModal(COUPON_CODE_NOTE_NAME, [&](FakeDialog& d) {
        ++notes;
        EXPECT_EQ(d.title(), "Transmit Preamble Parameters");
        confirm ? d.Ok() : d.Cancel();
    });
    EXPECT_EQ(Open("UPCADLG_1D955",
                   [&](FakeDialog& d) {
                       d.Choose(IDC_SYM_LIST1, 2);
                       d.Ok();
                       EXPECT_FALSE(d.ended());
                       EXPECT_EQ(d.ListSelection(IDC_SYM_LIST1), 1) << "back to the stored preamble";
                       d.Choose(IDC_SYM_LIST1, 2);
                       confirm = true;
                       d.Ok();
                   }),
              1);
    EXPECT_EQ(notes, 2);
    EXPECT_EQ(reader().laserUpcaPreamble, 2);
    EXPECT_EQ(reader().laserCouponOn, 0) << "EAN-13 is off, so nothing carries the coupon";
    EXPECT_EQ(page.calls, std::vector<std::string>{"coupon off"});

    // Without Code 128 the laser dialog does not ask.
    reader().laserUpcaPreamble = 1;
    reader().laserCouponOn = 1;
    reader().laserCode128On = 0;
    Open("UPCADLG_1D955", [](FakeDialog& d) {
        d.Choose(IDC_SYM_LIST1, 2);
        d.Ok();
    });
    EXPECT_EQ(notes, 2);
    EXPECT_EQ(reader().laserCouponOn, 1);
}

// ---- Image capture and RFID --------------------------------------------------------------

TEST_F(ReaderDialogTest, ImageCaptureWorksLiveAndCancelPutsItBack) {
    const ReaderBlock before = reader();
    Open(IMAGECAPTUREDLG_2D_NAME, [&](FakeDialog& d) {
        EXPECT_FALSE(d.IsEnabled(IDC_IMG_GAIN)) << "autoexposure is on";
        d.Click(IDC_IMG_AUTOEXPOSURE);
        EXPECT_EQ(d.Typed(IDC_IMG_GAIN, "200"), "127");
        d.Choose(IDC_IMG_FORMAT, 1);
        EXPECT_EQ(Values(reader().twoDGain, reader().twoDImageFormat, d.IsEnabled(IDC_IMG_JPEG_QUALITY)),
                  Values(127, 3, false));
        d.Click(IDC_IMG_AUTO_NAME);
        d.Type(IDC_IMG_TITLE, "SHELF");
        EXPECT_EQ(FieldText(reader().imageFileTitle), "SHELF");
        d.Cancel();
    });
    EXPECT_EQ(ChangedBytes(before, reader()), std::set<std::size_t>{});
}

TEST_F(ReaderDialogTest, RfidStartPositionAndDelimiter) {
    reader().rfidDecodeUserData = 1;
    OnModal(GRIDDLG_NAME, [](FakeDialog& grid) {
        grid.Click(IDC_GRID_CLEAR);
        ClickGridCode(grid, ';');
        grid.Ok();
    });
    EXPECT_EQ(Open(RFIDPARAMDLG_NAME,
                   [](FakeDialog& d) {
                       EXPECT_EQ(Texts(d, {IDC_RFID_START, IDC_RFID_DELIMITER}), "-1|, ");
                       EXPECT_EQ(d.Typed(IDC_RFID_START, "-"), "-") << "waits for the digits";
                       EXPECT_EQ(d.Typed(IDC_RFID_START, "300"), "-1");
                       EXPECT_EQ(d.Typed(IDC_RFID_LENGTH, "256"), "255");
                       d.ClickAt(IDC_RFID_DELIMITER, 2, 2);
                       EXPECT_EQ(d.GetText(IDC_RFID_DELIMITER), "; ");
                       d.Ok();
                   }),
              1);
    EXPECT_EQ(Values(reader().rfidStartPos, reader().rfidReadLength, reader().rfidDelimiterOn), Values(255, 255, 1));
    EXPECT_EQ(FieldText(reader().rfidDelimiter), ";");
    EXPECT_TRUE(t.doc.modified);
}

// A box greyed by its source keeps its byte, except in the Code 39 pattern
// ("Code 32 Prefix" and "Transmit Check Digit" go with their source).
TEST_F(ReaderDialogTest, GreyedDependentBoxesKeepTheirByteOutsideTheCode39Pattern) {
#define AT(field) offsetof(ReaderBlock, field)
    const struct {
        const char* dialog;
        std::size_t source;  // the byte behind the source control, 1 at first
        int sourceControl;   // clicked, or its first entry chosen
        int dependent;
        std::size_t byte;    // behind the dependent box, 1 at first
        std::uint8_t after;
    } cases[] = {
        {"CODE39DLG_1D955", AT(laserCode39VerifyCd), IDC_SYM_BOX3, IDC_SYM_BOX4, AT(laserCode39SendCd), 0},
        {"CODE11DLG_1D955", AT(laserCode11CheckDigits), IDC_SYM_LIST2, IDC_SYM_BOX1, AT(laserCode11SendCd), 1},
        {"INTERLEAVE25DLG_2D", AT(twoDIntl25CheckDigit), IDC_SYM_LIST2, IDC_SYM_BOX1, AT(twoDIntl25SendCd), 1},
        {"SYMBOLOGIESDLG_2D", AT(twoDMicroPdf417), IDC_SYM_BOX2, IDC_SYM_BOX3, AT(twoDCode128Emulation), 1},
        {RFIDPARAMDLG_NAME, AT(rfidDecodeUid), IDC_RFID_UID, IDC_RFID_USER_DATA, AT(rfidDecodeUserData), 1},
    };
#undef AT
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        BlockBytes(reader())[c.source] = BlockBytes(reader())[c.byte] = 1;
        Open(c.dialog, [&](FakeDialog& d) {
            Act(d, c.sourceControl, 0);
            EXPECT_FALSE(d.IsEnabled(c.dependent));
            d.Ok();
        });
        EXPECT_EQ(BlockBytes(reader())[c.byte], c.after);
    }
}

}  // namespace
}  // namespace fw::test
