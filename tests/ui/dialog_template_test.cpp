#include "ui/dialog_template.h"

#include "support/fake_dialog.h"
#include "support/test_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

// Without a resource compiler the build does not define it; the tests then
// fail on the missing templates instead of failing to build.
#ifndef FW_TEST_RES_FILE
#define FW_TEST_RES_FILE ""
#endif

namespace fw {
namespace {

constexpr std::uint32_t kWsChild = 0x40000000;
constexpr std::uint32_t kWsVisible = 0x10000000;
constexpr std::uint32_t kWsDisabled = 0x08000000;
constexpr std::uint32_t kWsVScroll = 0x00200000;
constexpr std::uint32_t kDsSetFont = 0x40;
constexpr std::uint32_t kBsDefPushButton = 1, kBsCheckBox = 2;
constexpr std::uint32_t kCbsDropDownList = 3;
constexpr std::uint32_t kEsNumber = 0x2000;
constexpr std::uint32_t kSsIcon = 3;

// ------------------------------------------------------- hand-made bytes

class Bytes {
public:
    Bytes& U16(std::uint16_t v) {
        data.push_back(static_cast<std::uint8_t>(v));
        data.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    Bytes& U32(std::uint32_t v) { return U16(static_cast<std::uint16_t>(v)).U16(static_cast<std::uint16_t>(v >> 16)); }
    Bytes& Text(std::u16string_view text) {
        for (char16_t c : text) U16(c);
        return U16(0);
    }
    Bytes& Ordinal(std::uint16_t v) { return U16(0xFFFF).U16(v); }
    Bytes& Align() {
        while (data.size() % 4) data.push_back(0);
        return *this;
    }
    Bytes& Append(const std::vector<std::uint8_t>& more) {
        data.insert(data.end(), more.begin(), more.end());
        return *this;
    }
    std::vector<std::uint8_t> data;
};

// A DLGTEMPLATEEX with the font, and three items: an edit with a class atom,
// a custom class with creation data, and an icon static with an ordinal.
std::vector<std::uint8_t> ExtendedDialog(std::u16string_view title) {
    Bytes b;
    b.U16(1).U16(0xFFFF).U32(0).U32(0).U32(0x80C80048u)  // version, signature, help, exStyle, style
        .U16(3)
        .U16(10).U16(20).U16(200).U16(100);
    b.U16(0).U16(0).Text(title);       // no menu, default class
    b.U16(8).U16(400).U16(0x0100).Text(u"MS Shell Dlg");  // 8 pt, weight, italic 0, charset 1
    b.Align().U32(0).U32(0x200).U32(0x50812000u).U16(5).U16(6).U16(40).U16(12).U32(1001)
        .Ordinal(0x81).Text(u"42").U16(0);
    b.Align().U32(0).U32(0).U32(0x50000000u).U16(50).U16(6).U16(11).U16(12).U32(1002)
        .Text(u"msctls_updown32").Text(u"").U16(3);
    b.data.insert(b.data.end(), {0xAA, 0xBB, 0xCC});  // creation data
    b.Align().U32(0).U32(0).U32(0x50000003u).U16(1).U16(2).U16(20).U16(20).U32(0xFFFFFFFFu)
        .Ordinal(0x82).Ordinal(7).U16(0);
    return b.data;
}

// The same kind of dialog in the classic form, with WORD ids.
std::vector<std::uint8_t> ClassicDialog() {
    Bytes b;
    b.U32(0x80C80040u).U32(0).U16(2).U16(1).U16(2).U16(60).U16(30);
    b.Ordinal(9).Text(u"MyClass").Text(u"Classic");  // menu 9, window class, title
    b.U16(10).Text(u"Tahoma");
    b.Align().U32(0x50010001u).U32(0).U16(4).U16(5).U16(50).U16(14).U16(1).Ordinal(0x80).Text(u"OK");
    b.U16(4).U16(0x1234);  // creation data: the count includes itself
    b.Align().U32(0x50000000u).U32(0).U16(4).U16(20).U16(50).U16(8).U16(0xFFFF).Ordinal(0x85).Text(u"").U16(0);
    return b.data;
}

Bytes& Resource(Bytes& res, Bytes typeAndName, const std::vector<std::uint8_t>& data) {
    typeAndName.Align();
    res.U32(static_cast<std::uint32_t>(data.size())).U32(static_cast<std::uint32_t>(8 + typeAndName.data.size() + 16));
    res.Append(typeAndName.data).U32(0).U16(0x1030).U16(0x0409).U32(0).U32(0);
    res.Append(data).Align();
    return res;
}

std::vector<std::uint8_t> ResFile() {
    Bytes res;
    Resource(res, Bytes().Ordinal(0).Ordinal(0), {});  // the empty leading entry
    Resource(res, Bytes().Ordinal(4).Text(u"SOMEMENU"), {1, 2, 3, 4, 5});
    Resource(res, Bytes().Ordinal(5).Text(u"FirstDlg"), ExtendedDialog(u"First"));
    Resource(res, Bytes().Ordinal(5).Ordinal(7), ClassicDialog());
    Resource(res, Bytes().Text(u"DIALOG").Text(u"NOTADIALOG"), ExtendedDialog(u"Named type"));
    Resource(res, Bytes().Ordinal(5).Text(u"FIRSTDLG"), ExtendedDialog(u"Second language"));
    Resource(res, Bytes().Ordinal(5).Text(u"LASTDLG"), ExtendedDialog(u"Last"));
    return res.data;
}

void ExpectSameControl(const DialogControl& a, const DialogControl& b) {
    EXPECT_EQ(a.id, b.id);
    EXPECT_EQ(a.className, b.className);
    EXPECT_EQ(a.style, b.style);
    EXPECT_EQ(a.text, b.text);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.cy, b.cy);
}

TEST(DialogTemplateBytes, ReadsTheExtendedForm) {
    const DialogTemplate d = ParseDialogTemplate(ExtendedDialog(u"Caf\u00e9 \u20ac \U0001F600!"));
    EXPECT_TRUE(d.complete);
    EXPECT_EQ(d.title, "Caf\xe9 ? ?!") << "Latin-1 passes, the rest (a pair as one) becomes '?'";
    EXPECT_EQ(d.style, 0x80C80048u);
    EXPECT_EQ(d.x, 10);
    EXPECT_EQ(d.cy, 100);
    EXPECT_EQ(d.fontName, "MS Shell Dlg");
    EXPECT_EQ(d.fontSize, 8);
    ASSERT_EQ(d.controls.size(), 3u);

    EXPECT_EQ(d.controls[0].id, 1001);
    EXPECT_EQ(d.controls[0].className, "Edit");
    EXPECT_EQ(d.controls[0].style, 0x50812000u);
    EXPECT_EQ(d.controls[0].exStyle, 0x200u);
    EXPECT_EQ(d.controls[0].text, "42");
    EXPECT_EQ(d.controls[0].cx, 40);

    EXPECT_EQ(d.controls[1].className, "msctls_updown32");
    EXPECT_EQ(d.controls[1].text, "");
    EXPECT_EQ(d.controls[1].x, 50);

    EXPECT_EQ(d.controls[2].id, -1) << "creation data skipped, next item found at its boundary";
    EXPECT_EQ(d.controls[2].className, "Static");
    EXPECT_EQ(d.controls[2].text, "#7");
    EXPECT_EQ(d.controls[2].cx, 20);
}

TEST(DialogTemplateBytes, ReadsTheClassicForm) {
    const DialogTemplate d = ParseDialogTemplate(ClassicDialog());
    EXPECT_TRUE(d.complete);
    EXPECT_EQ(d.title, "Classic");
    EXPECT_EQ(d.fontName, "Tahoma");
    EXPECT_EQ(d.fontSize, 10);
    EXPECT_EQ(d.cx, 60);
    ASSERT_EQ(d.controls.size(), 2u);
    EXPECT_EQ(d.controls[0].id, 1);
    EXPECT_EQ(d.controls[0].className, "Button");
    EXPECT_EQ(d.controls[0].text, "OK");
    EXPECT_EQ(d.controls[1].id, -1) << "a WORD id of 0xFFFF is IDC_STATIC";
    EXPECT_EQ(d.controls[1].className, "ComboBox");
    EXPECT_EQ(d.controls[1].y, 20);
}

TEST(DialogTemplateBytes, PredefinedClassesGivenByNameReadAsTheAtomWould) {
    Bytes b;
    b.U16(1).U16(0xFFFF).U32(0).U32(0).U32(0).U16(3).U16(0).U16(0).U16(9).U16(9).U16(0).U16(0).Text(u"");
    for (std::u16string_view name : {u"BUTTON", u"combobox", u"Buttons"})
        b.Align().U32(0).U32(0).U32(0).U16(0).U16(0).U16(1).U16(1).U32(5).Text(name).Text(u"").U16(0);
    const DialogTemplate d = ParseDialogTemplate(b.data);
    ASSERT_EQ(d.controls.size(), 3u);
    EXPECT_EQ(d.controls[0].className, "Button");
    EXPECT_EQ(d.controls[1].className, "ComboBox");
    EXPECT_EQ(d.controls[2].className, "Buttons");
}

TEST(DialogTemplateBytes, NoFontWithoutSetFontStyle) {
    Bytes b;
    b.U32(0x80C80000u).U32(0).U16(0).U16(0).U16(0).U16(30).U16(20).U16(0).U16(0).Text(u"Plain");
    const DialogTemplate d = ParseDialogTemplate(b.data);
    EXPECT_TRUE(d.complete);
    EXPECT_EQ(d.title, "Plain");
    EXPECT_EQ(d.fontName, "");
    EXPECT_EQ(d.fontSize, 0);
}

TEST(DialogTemplateBytes, ResFileGivesDialogsByUpperCaseName) {
    const auto dialogs = ParseDialogResources(ResFile());
    ASSERT_EQ(dialogs.size(), 3u) << "the menu and the named type are no dialogs";
    ASSERT_TRUE(dialogs.count("FIRSTDLG"));
    EXPECT_EQ(dialogs.at("FIRSTDLG").name, "FIRSTDLG");
    EXPECT_EQ(dialogs.at("FIRSTDLG").title, "First") << "the first of two entries of one name is kept";
    ASSERT_TRUE(dialogs.count("#7"));
    EXPECT_EQ(dialogs.at("#7").title, "Classic");
    ASSERT_TRUE(dialogs.count("LASTDLG"));
    EXPECT_EQ(dialogs.at("LASTDLG").controls.size(), 3u);
}

TEST(DialogTemplateBytes, EveryCutOfAResFileGivesAPrefixOfTheWhole) {
    const std::vector<std::uint8_t> whole = ResFile();
    const auto full = ParseDialogResources(whole);
    std::size_t lastCount = 0;
    bool sawPartial = false;
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        // A copy of exactly the cut length, so a read past it is a read past
        // the allocation.
        const std::vector<std::uint8_t> bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        const auto dialogs = ParseDialogResources(bytes);
        EXPECT_GE(dialogs.size(), lastCount) << "cut " << cut;
        lastCount = dialogs.size();
        for (const auto& [name, d] : dialogs) {
            ASSERT_TRUE(full.count(name)) << name;
            const DialogTemplate& f = full.at(name);
            ASSERT_LE(d.controls.size(), f.controls.size());
            for (std::size_t i = 0; i < d.controls.size(); ++i) ExpectSameControl(d.controls[i], f.controls[i]);
            if (d.complete) {
                EXPECT_EQ(d.controls.size(), f.controls.size());
                EXPECT_EQ(d.title, f.title);
            } else {
                sawPartial = true;
            }
        }
    }
    EXPECT_EQ(lastCount, full.size());
    EXPECT_TRUE(sawPartial);
}

TEST(DialogTemplateBytes, EveryCutOfATemplateKeepsTheControlsReadSoFar) {
    const std::vector<std::uint8_t> whole = ExtendedDialog(u"Cut");
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const std::vector<std::uint8_t> bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        const DialogTemplate d = ParseDialogTemplate(bytes);
        EXPECT_FALSE(d.complete) << "cut " << cut;
        EXPECT_LT(d.controls.size(), 3u);
    }
    EXPECT_TRUE(ParseDialogTemplate(whole).complete);
}

TEST(DialogTemplateBytes, MalformedInputIsRefusedWithoutHarm) {
    EXPECT_TRUE(ParseDialogResources({}).empty());
    EXPECT_FALSE(ParseDialogTemplate({}).complete);

    // A header too small to hold its own fields, then one claiming more
    // bytes than the file has.
    for (std::uint32_t headerSize : {0u, 4u, 15u, 0xFFFFFFF0u}) {
        Bytes res;
        res.U32(0).U32(headerSize).Ordinal(5).Ordinal(1).U32(0).U32(0).U32(0).U32(0);
        EXPECT_TRUE(ParseDialogResources(res.data).empty()) << headerSize;
    }

    // A data size beyond the end: the dialog is read from what is there.
    Bytes huge;
    Resource(huge, Bytes().Ordinal(5).Text(u"BIG"), ExtendedDialog(u"Big"));
    huge.data[0] = huge.data[1] = huge.data[2] = huge.data[3] = 0xFF;
    const auto big = ParseDialogResources(huge.data);
    ASSERT_TRUE(big.count("BIG"));
    EXPECT_EQ(big.at("BIG").controls.size(), 3u);

    // A name without its terminating NUL.
    Bytes open;
    open.U32(0).U32(24).Ordinal(5).U16('A').U16('B').U16('C').U16('D').U16('E').U16('F').U16('G').U16('H');
    EXPECT_TRUE(ParseDialogResources(open.data).empty());

    // An item count far beyond the items present.
    std::vector<std::uint8_t> many = ExtendedDialog(u"Many");
    many[16] = 0xFF;
    many[17] = 0xFF;
    const DialogTemplate d = ParseDialogTemplate(many);
    EXPECT_FALSE(d.complete);
    EXPECT_EQ(d.controls.size(), 3u);

    // Creation data running past the end loses only that item.
    std::vector<std::uint8_t> extra = ClassicDialog();
    extra.resize(extra.size() - 2);  // drop the last item's count
    extra.push_back(0xFF);
    extra.push_back(0x7F);
    const DialogTemplate e = ParseDialogTemplate(extra);
    EXPECT_FALSE(e.complete);
    EXPECT_EQ(e.controls.size(), 1u);
}

// ------------------------------------------------ the program's resources

TEST(ProgramDialogTemplates, HoldTheSheetPagesAndTheShellDialogs) {
    const auto& templates = test::TestTemplates();
    for (const char* name : {"FORMDLG", "MENUDLG", "LOOKUPDLG", "BARCODEDLG", "SETTINGSDLG", "PREFERENCESDLG",
                             "ABOUTBOX"}) {
        ASSERT_TRUE(templates.count(name)) << name;
        EXPECT_TRUE(templates.at(name).complete) << name;
        EXPECT_FALSE(templates.at(name).controls.empty()) << name;
    }
    for (const char* page : {"FORMDLG", "MENUDLG", "LOOKUPDLG", "BARCODEDLG", "SETTINGSDLG"}) {
        const std::uint32_t style = templates.at(page).style;
        EXPECT_TRUE(style & kWsChild) << page << " is a child window, as sheet pages must be";
        EXPECT_EQ(templates.at(page).fontName, "MS Shell Dlg") << page;
    }
}

TEST(ProgramDialogTemplates, PreferencesDialogAsDesigned) {
    const DialogTemplate& d = test::TestTemplate("PREFERENCESDLG");
    EXPECT_EQ(d.title, "QELTAR Preferences");
    EXPECT_EQ(d.cx, 195);
    EXPECT_EQ(d.cy, 115);
    EXPECT_TRUE(d.style & kDsSetFont);
    EXPECT_EQ(d.fontName, "MS Shell Dlg");
    EXPECT_EQ(d.fontSize, 9);

    struct Expected {
        int id;
        const char* className;
        const char* text;
        int x, y, cx, cy;
    };
    const Expected expected[] = {
        {101, "Button", "&Auto-preload the last editing file.", 12, 10, 155, 14},
        {102, "Button", "Always &on top.", 12, 30, 155, 14},
        {201, "Static", "&Language :", 12, 52, 155, 14},
        {301, "ComboBox", "", 12, 68, 170, 300},
        {1, "Button", "OK", 22, 90, 56, 14},
        {2, "Button", "Cancel", 117, 90, 56, 14},
    };
    ASSERT_EQ(d.controls.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const DialogControl& c = d.controls[i];
        SCOPED_TRACE(expected[i].id);
        EXPECT_EQ(c.id, expected[i].id);
        EXPECT_EQ(c.className, expected[i].className);
        EXPECT_EQ(c.text, expected[i].text);
        EXPECT_EQ(c.x, expected[i].x);
        EXPECT_EQ(c.y, expected[i].y);
        EXPECT_EQ(c.cx, expected[i].cx);
        EXPECT_EQ(c.cy, expected[i].cy);
        EXPECT_TRUE(c.style & kWsVisible);
        EXPECT_FALSE(c.style & kWsDisabled);
    }
    EXPECT_EQ(d.Find(101)->style & 0xF, kBsCheckBox) << "plain check boxes: the dialog toggles them";
    EXPECT_EQ(d.Find(102)->style & 0xF, kBsCheckBox);
    EXPECT_EQ(d.Find(301)->style & 3, kCbsDropDownList);
    EXPECT_TRUE(d.Find(301)->style & kWsVScroll);
    EXPECT_EQ(d.Find(1)->style & 0xF, kBsDefPushButton);
}

TEST(ProgramDialogTemplates, AboutBoxAsDesigned) {
    const DialogTemplate& d = test::TestTemplate("ABOUTBOX");
    EXPECT_EQ(d.x, 150);
    EXPECT_EQ(d.y, 100);
    EXPECT_EQ(d.cx, 178);
    EXPECT_EQ(d.cy, 79);
    EXPECT_EQ(d.fontName, "MS Shell Dlg");
    EXPECT_EQ(d.fontSize, 9);
    ASSERT_EQ(d.controls.size(), 4u);
    const DialogControl& icon = d.controls[0];
    EXPECT_EQ(icon.className, "Static");
    EXPECT_EQ(icon.style & 0x1F, kSsIcon);
    EXPECT_EQ(icon.text, "QELTAR");
    EXPECT_EQ(icon.x, 6);
    EXPECT_EQ(icon.y, 8);
    ASSERT_NE(d.Find(201), nullptr);
    EXPECT_EQ(d.Find(201)->x, 30);
    EXPECT_EQ(d.Find(201)->cx, 145);
    EXPECT_EQ(d.Find(201)->cy, 22);
    ASSERT_NE(d.Find(202), nullptr);
    EXPECT_EQ(d.Find(202)->y, 38);
    ASSERT_NE(d.Find(1), nullptr);
    EXPECT_EQ(d.Find(1)->x, 64);
    EXPECT_EQ(d.Find(1)->cx, 44);
    EXPECT_EQ(d.Find(2), nullptr) << "no Cancel button: Esc closes it";
}

TEST(ProgramDialogTemplates, PageNumberEditsAcceptDigitsOnly) {
    // The number edits of the pages rely on the control to refuse other keys.
    int numberEdits = 0;
    for (const char* page : {"FORMDLG", "BARCODEDLG"})
        for (const DialogControl& c : test::TestTemplate(page).controls)
            if (c.className == "Edit" && (c.style & kEsNumber)) ++numberEdits;
    EXPECT_GE(numberEdits, 24) << "the minimum and maximum edits of the twelve form lines at least";
}

TEST(ProgramDialogTemplates, SurviveBeingCutAnywhereInTheirDialogs) {
    const std::vector<std::uint8_t> whole = test::ReadAll(FW_TEST_RES_FILE);
    ASSERT_FALSE(whole.empty());
    const auto full = ParseDialogResources(whole);
    // Cut every 97 bytes: through headers, texts and items of all dialogs.
    for (std::size_t cut = 0; cut < whole.size(); cut += 97) {
        for (const auto& [name, d] : ParseDialogResources(std::span(whole).first(cut))) {
            ASSERT_TRUE(full.count(name));
            ASSERT_LE(d.controls.size(), full.at(name).controls.size());
        }
    }
}

}  // namespace
}  // namespace fw
