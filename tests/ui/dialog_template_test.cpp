// The reader the native tests build their fake dialogs with, on hand-made
// bytes: the real templates are checked against real dialogs under Wine.
// It only ever reads the program's own compiled resources.
#include "ui/dialog_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fw {
namespace {

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

TEST(DialogTemplateBytes, ReadsTheExtendedForm) {
    const DialogTemplate d = ParseDialogTemplate(ExtendedDialog(u"Caf\u00e9 \u20ac \U0001F600!"));
    EXPECT_TRUE(d.complete);
    EXPECT_EQ(d.title, "Caf\xe9 ? ?!") << "Latin-1 passes, the rest (a pair as one) becomes '?'";
    EXPECT_EQ(d.fontName, "MS Shell Dlg");
    EXPECT_EQ(d.cy, 100);
    ASSERT_EQ(d.controls.size(), 3u);
    EXPECT_EQ(d.controls[0].id, 1001);
    EXPECT_EQ(d.controls[0].className, "Edit");
    EXPECT_EQ(d.controls[0].style, 0x50812000u);
    EXPECT_EQ(d.controls[0].text, "42");
    EXPECT_EQ(d.controls[1].className, "msctls_updown32");
    EXPECT_EQ(d.controls[2].id, -1) << "creation data skipped, next item found at its boundary";
    EXPECT_EQ(d.controls[2].text, "#7");
    EXPECT_EQ(d.controls[2].cx, 20);
}

TEST(DialogTemplateBytes, ResFileGivesDialogsByUpperCaseName) {
    const auto dialogs = ParseDialogResources(ResFile());
    ASSERT_EQ(dialogs.size(), 3u) << "the menu and the named type are no dialogs";
    ASSERT_TRUE(dialogs.count("FIRSTDLG"));
    EXPECT_EQ(dialogs.at("FIRSTDLG").name, "FIRSTDLG");
    EXPECT_EQ(dialogs.at("FIRSTDLG").title, "First") << "the first of two entries of one name is kept";
    ASSERT_TRUE(dialogs.count("#7"));
    EXPECT_EQ(dialogs.at("#7").title, "Classic") << "the classic form, by number";
    EXPECT_EQ(dialogs.at("#7").controls.at(1).id, -1) << "a WORD id of 0xFFFF is IDC_STATIC";
    ASSERT_TRUE(dialogs.count("LASTDLG"));
}

}  // namespace
}  // namespace fw
