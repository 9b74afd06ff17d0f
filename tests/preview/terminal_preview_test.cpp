#include "preview/terminal_preview.h"

#include <gtest/gtest.h>

#include <cstring>

#include "preview/counting_template.h"
#include "preview/idle_screen.h"
#include "preview/key_script.h"
#include "support/test_document.h"
#include "template/fixed_text.h"
#include "template/form_lines.h"

namespace fw {
namespace {

constexpr Moment kNoon{2024, 5, 1, 12, 30, 5};

// One line of a form, set as the Form page and its dialogs leave it.
void SetLine(FormRecord& form, int line, std::uint8_t type, const char* prompt, std::uint8_t source,
             std::uint8_t minLength = 0, std::uint8_t maxLength = 20) {
    form.dataType[line] = type;
    std::strcpy(form.prompt[line], prompt);
    form.inputSource[line] = source;
    form.minLength[line] = minLength;
    form.maxLength[line] = maxLength;
    for (int l = 0; l < kFormLineCount; ++l)
        if (CountsAsInputLine(form, l)) form.lastInputLine = static_cast<std::uint8_t>(l + 1);
}

class Preview : public testing::Test {
protected:
    test::TestDocument t;
    TemplateBlocks& blocks = t.doc.blocks;
    FormRecord& form1 = blocks.forms[0];

    // Menu 1 ("Stock") leads to form 1, whose records carry the chosen item;
    // form 1 counts items: a keyed text line and an integer line, stamped.
    void StockTemplate() {
        blocks.settings.startFrom = 1;
        MenuRecord& menu = blocks.menus[0];
        menu.captionEnabled = 1;
        std::strcpy(menu.caption, "Stock");
        std::strcpy(menu.itemName[0], "Count");
        menu.nextTarget[0] = 1;
        std::strcpy(menu.itemName[2], "Back office");
        menu.nextTarget[2] = 0;
        menu.saveSelectedItem = 1;
        SetLine(form1, 0, kTypeText, "Item", kSourceAll, 2, 6);
        SetLine(form1, 1, kTypeInteger, "Qty", kSourceKeypad, 1, 4);
        form1.keyLine = 1;
        form1.noKeyLine = 0;
        form1.stampMode = kStampBottom;
        form1.stampSplit = 0;
        form1.escTarget = 21;
    }

    TerminalPreview Started() {
        TerminalPreview preview(t.doc, [] { return kNoon; });
        preview.Start();
        return preview;
    }

    static void Play(TerminalPreview& preview, std::string_view script, std::vector<std::string> scans = {}) {
        const KeyScript parsed = ParseKeyScript(script);
        ASSERT_EQ(parsed.error, "");
        std::size_t next = 0;
        for (const ScriptStep& step : parsed.steps)
            PlayStep(preview, step, step.kind == ScriptStep::Kind::Scan ? scans.at(next++) : "");
    }

    static std::string Row(const TerminalPreview& preview, int row) { return preview.screen().rows[row].text; }

    // The text of the message box on the screen, rows joined by a space.
    static std::string Message(const TerminalPreview& preview) {
        std::string text;
        for (const ScreenRow& row : preview.screen().rows) {
            if (row.style != RowStyle::Message) continue;
            const std::size_t start = row.text.find_first_not_of(' ');
            if (start != std::string::npos) text += (text.empty() ? "" : " ") + row.text.substr(start);
        }
        return text;
    }
};

// The idle face shows where the preview starts, but neither the keys'
// labels nor a cursor: its keys do nothing.
TEST_F(Preview, IdleScreenIsTheStartScreenWithoutKeyLabelsOrCursor) {
    StockTemplate();
    blocks.settings.startFrom = 0;  // form 1, with a cursor on its first line
    Screen started = Started().screen();
    ASSERT_GE(started.cursorRow, 0);
    started.rows[kScreenRows - 1] = {};
    started.cursorRow = -1;
    EXPECT_EQ(IdleScreen(t.doc), started);
}

TEST_F(Preview, MenuLeadsToAFormWhoseChecksUseTheTerminalsMessagesAndWhoseRecordGoesBackToIt) {
    StockTemplate();
    TerminalPreview preview = Started();
    EXPECT_EQ(Row(preview, 0) + "|" + Row(preview, 1) + "|" + Row(preview, 2), "Stock|1. Count|2. Back office")
        << "items are numbered in the order they show";
    EXPECT_EQ(preview.screen().rows[1].style, RowStyle::Selected);

    Play(preview, "1");
    EXPECT_EQ(Row(preview, 0).substr(0, 6) + "|" + Row(preview, 1), "Form 1|Item");
    EXPECT_EQ(preview.screen().rows[2].style, RowStyle::Selected);

    Play(preview, "A,ENT");
    EXPECT_EQ(Message(preview), "Data is too short !!");
    Play(preview, "ENT");
    EXPECT_EQ(Message(preview) + Row(preview, 2), "") << "a key takes the message away, and the refused data";

    Play(preview, "A100,ENT,x,ENT");
    EXPECT_EQ(Message(preview), "Incorrect data type !!");
    Play(preview, "ENT,12345");
    EXPECT_EQ(Row(preview, 4), "1234") << "typing stops at the maximum length";
    Play(preview, "BS,BS,BS,BS,5,ENT");

    // Menu data, the two lines, the stamp.
    ASSERT_EQ(preview.records().size(), 1u);
    EXPECT_EQ(preview.records()[0].fields,
              (std::vector<std::vector<std::string>>{{"Count"}, {"A100"}, {"5"}, {"2024/05/01 12:30:05"}}));

    EXPECT_EQ(Message(preview) + " " + std::to_string(preview.holdTime()), "Data Count #1 600")
        << "the settings' entry option";
    preview.TimeUp();
    EXPECT_EQ(Row(preview, 2), "") << "the form starts again, its next target";
    Play(preview, "ESC");
    EXPECT_EQ(Row(preview, 0), "Stock") << "its Esc target";
    Play(preview, "DOWN,ENT");
    EXPECT_EQ(Row(preview, 0), "Varnok Formwright") << "the second item leads to main";
    EXPECT_EQ(preview.screen().rows[kScreenRows - 1].text, SpreadRow("Run", "Exit"));
    Play(preview, "ENT");
    EXPECT_EQ(Row(preview, 0), "Stock") << "main runs the template again";
    Play(preview, "ESC,ESC");
    EXPECT_TRUE(preview.ended());
}

TEST_F(Preview, ScansPassTheLeadingCodeAndPartialReadAndGainPrefixAndSuffix) {
    SetLine(form1, 0, kTypeText, "Serial", kSourceReader, 0, 4);
    form1.leadingCheckOn[0] = 1;
    std::strcpy(form1.leadingCode[0], "AB");
    form1.partialRead[0] = 1;
    form1.partialStart[0] = 3;
    form1.partialLength[0] = 4;
    form1.prefixOn[0] = 1;
    form1.prefixCode[0][0] = '<';
    form1.suffixOn[0] = 1;
    form1.suffixCode[0][0] = '>';
    form1.autoEnter[0] = 1;
    SetLine(form1, 1, kTypeReal, "Weight", kSourceReader, 0, 6);
    form1.decimalPlaces[1] = 2;
    form1.autoEnter[1] = 0;
    blocks.settings.entryOption = 0;
    TerminalPreview preview = Started();

    Play(preview, "12,SCAN", {"XB123456"});
    EXPECT_EQ(Row(preview, 2), "") << "a reader line takes no typing";
    EXPECT_EQ(Message(preview), "Incorrect leading code !!");
    Play(preview, "ENT,SCAN", {"AB123456"});
    EXPECT_EQ(Row(preview, 2) + "|" + Row(preview, 4), "1234|") << "Scan+ENTER went on to the next line";

    Play(preview, "SCAN", {"1234567"});
    EXPECT_EQ(Row(preview, 4), "1234567") << "without Auto ENTER the scan waits for ENT";
    Play(preview, "ENT");
    EXPECT_EQ(Message(preview), "Data is too long !!");
    Play(preview, "ENT,SCAN,ENT", {"1.234"});
    EXPECT_EQ(Message(preview), "Incorrect decimal input !!");
    Play(preview, "ENT,SCAN,ENT", {"-1.25"});
    ASSERT_EQ(preview.records().size(), 1u);
    EXPECT_EQ(preview.records()[0].fields, (std::vector<std::vector<std::string>>{{""}, {"<1234>"}, {"-1.25"}}));
}

TEST_F(Preview, TypeChecksFollowTheLinesDataType) {
    blocks.settings.entryOption = 0;
    SetLine(form1, 0, kTypeLetter, "", kSourceKeypad);
    SetLine(form1, 1, kTypeAlphameric, "", kSourceKeypad);
    SetLine(form1, 2, kTypeBoolean, "", kSourceKeypad, 1, 1);
    SetLine(form1, 3, kTypeInteger, "", kSourceKeypad);
    TerminalPreview preview = Started();
    // Line by line, a text the type refuses, then one it takes.
    for (const auto& [refused, taken] :
         {std::pair{"ab1", "Abc"}, std::pair{"a-1", "a1"}, std::pair{"x", "N"}, std::pair{"1.5", "-15"}}) {
        Play(preview, std::string(refused) + ",ENT");
        EXPECT_EQ(Message(preview), "Incorrect data type !!") << refused;
        Play(preview, std::string("ENT,") + taken + ",ENT");
        EXPECT_EQ(Message(preview), "") << taken;
    }
    ASSERT_EQ(preview.records().size(), 1u);
}

TEST_F(Preview, LookupByKeyFillsTheLookupLinesOrTakesTheNoMatchAction) {
    test::CountingTemplate(blocks);
    blocks.settings.startFrom = 0;  // form 1
    std::strcpy(form1.prompt[1], "Price");
    TerminalPreview preview = Started();
    const LookupImport& import =
        preview.lookups().Load(blocks.lookups[0], 0, "prices.txt", "A100;2.50\r\nB200;x;y\r\nC300;3.00\r\n");
    EXPECT_EQ(import.imported, 1) << "stop the import at the record with three fields";
    EXPECT_EQ(import.refused, 2);

    Play(preview, "A100,ENT");
    EXPECT_EQ(Row(preview, 4), "2.50");
    Play(preview, "2,ENT");
    ASSERT_EQ(preview.records().size(), 1u);
    EXPECT_EQ(preview.records()[0].fields[2], std::vector<std::string>{"2.50"}) << "the lookup line saves its field";

    // Each action for a key the file lacks, on a fresh form: 1 warns and lets
    // the form go on.
    struct Case {
        std::uint8_t action;
        const char* message;
        int selectedRow;  // where the form stands after the unknown key
    };
    for (const Case& c : {Case{1, "Data is not found !!", 6}, Case{0, "", 6}, Case{3, "Data is not found !!", 6},
                          Case{4, "", 2}, Case{5, "Data is not found !!", 2}}) {
        blocks.lookups[0].noMatchAction = c.action;
        TerminalPreview again = Started();
        again.lookups().Load(blocks.lookups[0], 0, "prices.txt", "A100;2.50\r\n");
        Play(again, "Z9,ENT");
        EXPECT_EQ(Message(again), c.message) << "action " << int(c.action);
        if (!Message(again).empty()) Play(again, "ENT");
        EXPECT_EQ(again.screen().rows[c.selectedRow].style, RowStyle::Selected) << "action " << int(c.action);
        EXPECT_EQ(Row(again, 4), "") << "action " << int(c.action);
        if (c.action == 3) {
            Play(again, "ESC,ESC,ENT,Z9,ENT");
            EXPECT_EQ(Message(again), "") << "the inserted key is found";
        }
    }
}

TEST_F(Preview, ExportTextFollowsTheExportNameAndTheSettingsDelimiters) {
    StockTemplate();
    std::strcpy(form1.exportName, "COUNT");
    form1.stampSplit = 1;
    form1.fixedLengthOn[1] = 1;
    form1.fixedLength[1] = 3;
    form1.alignment[1] = 3;  // right aligned, filled with 0
    blocks.settings.entryOption = 0;
    TerminalPreview preview = Started();
    Play(preview, "1,A100,ENT,7,ENT");
    const auto& played = preview.played().blocks;
    ASSERT_EQ(preview.records().size(), 1u);
    EXPECT_EQ(ExportFileName(played.forms[0], 0, t.strings), "COUNT.TXT");
    EXPECT_EQ(ExportText(played.forms[0], preview.layout(0), played.settings, preview.records()),
              "Count,A100,007,2024/05/01,12:30:05\r\n")
        << "a split stamp gives two fields";

    SystemSettings fixed = played.settings;
    fixed.firstDelimiter = 0;
    const std::string line = ExportText(played.forms[0], preview.layout(0), fixed, preview.records());
    ASSERT_EQ(line.size(), 160u + 6 + 3 + 20 + 2) << "fixed positions: menu data, the lines, the stamp";
    EXPECT_EQ(line.substr(160, 9), "A100  007");

    form1.changeExportName = 0;
    EXPECT_EQ(ExportFileName(form1, 6, t.strings), "Form 07.TXT");
}

TEST_F(Preview, WhatThePreviewDoesNotPlayIsMarkedOnItsLine) {
    SetLine(form1, 0, kTypeText, "Code", kSourceKeypad);
    form1.checkDigit[0] = 3;
    SetLine(form1, 1, kTypeCounter, "Count", kSourceAll);
    SetLine(form1, 2, kTypeAuto, "Sum", kSourceAll);
    form1.readOnce = 1;
    TerminalPreview preview = Started();
    const Screen screen = preview.screen();
    EXPECT_EQ(Row(preview, 0).substr(0, 7) + "|" + Row(preview, 1) + "|" + Row(preview, 4), "Form 1*|Code*|not previewed")
        << "the counter";
    EXPECT_EQ(screen.notes, (std::vector<std::string>{"Only read data once", "line 1: check digit", "line 2: counter",
                                                      "line 3: auto(+/-)"}));
    EXPECT_EQ(screen.rows[kScreenRows - 1].text, SpreadRow("* not previewed", "Esc"));

    Play(preview, "12,ENT,ENT");
    EXPECT_EQ(preview.records().size(), 1u) << "ENT passes the auto(+/-) line, the last input line";
}

// The template's screen texts show through; OK takes a message away so
// that the next token is typed.
TEST_F(Preview, TheTemplatesMessagesShowAndOkTakesThemAway) {
    SetLine(form1, 0, kTypeText, "Code", kSourceKeypad, 3);
    std::strcpy(t.doc.deviceTexts.SlotOf(32, 0), "Zu kurz !!");  // id 3841, as a language file leaves it
    TerminalPreview preview = Started();
    Play(preview, "1,ENT");
    EXPECT_EQ(Message(preview), "Zu kurz !!");
    Play(preview, "OK,A12");
    EXPECT_EQ(Message(preview), "");
    EXPECT_EQ(Row(preview, 2), "A12") << "the message took the refused 1 away";
    Play(preview, "OK");
    EXPECT_EQ(Row(preview, 2), "A12") << "without a message OK does nothing";
}

TEST_F(Preview, FnKeyTypesTheLettersOnTheKeypadInAScriptToo) {
    SetLine(form1, 0, kTypeText, "Name", kSourceKeypad);
    TerminalPreview preview = Started();
    Play(preview, "FN,22,2,3");
    EXPECT_EQ(Row(preview, 0), SpreadRow("Form 1", "keypad ABC"));
    EXPECT_TRUE(preview.letterPending());
    Play(preview, "WAIT,31");
    EXPECT_EQ(Row(preview, 2), "CDD1");
}

TEST_F(Preview, ARecordLongerThanTheScreenScrollsAsALongFormDoes) {
    for (int line = 0; line < 11; ++line) {
        form1.dataType[line] = kTypeFixedData;
        form1.initialValue[line][0] = static_cast<char>('A' + line);
    }
    SetLine(form1, 11, kTypeText, "Last", kSourceKeypad);
    form1.noKeyLine = 0;  // no key field of the terminal's own in front
    blocks.settings.entryOption = 2;  // show record
    blocks.settings.entryHoldTime = 0;
    TerminalPreview preview = Started();
    Play(preview, "x,ENT");
    const auto shown = [&] { return std::string(TrimSpaces(Row(preview, 1))) + std::string(TrimSpaces(Row(preview, 10))); };
    EXPECT_EQ(shown(), "AJ");
    Play(preview, "DOWN,DOWN,DOWN,DOWN");
    EXPECT_EQ(shown(), "Cx") << "down to the record's last field, x";
    Play(preview, "UP,ENT");
    EXPECT_EQ(Message(preview), "");
}

TEST(KeyScript, NamesTheTerminalsKeysAndTypesEverythingElse) {
    const KeyScript script = ParseKeyScript(" 1 , ENT,New York,SCAN,WAIT,esc");
    ASSERT_EQ(script.error, "");
    ASSERT_EQ(script.steps.size(), 6u);
    EXPECT_EQ(script.steps[1].key, TerminalKey::Enter);
    EXPECT_EQ(script.steps[2].text, "New York");
    EXPECT_EQ(script.steps[3].kind, ScriptStep::Kind::Scan);
    EXPECT_EQ(script.steps[4].kind, ScriptStep::Kind::Wait);
    EXPECT_EQ(script.steps[5].text, "esc") << "key names are capitals";
    EXPECT_EQ(ParseKeyScript("1,,ENT").error, "key 2 is empty");
    EXPECT_EQ(ParseKeyScript("1\\").error, "the script ends in a lone \\; write \\\\ for a backslash");

    const KeyScript escaped = ParseKeyScript("OK,\\OK,1\\,5,\\ a \\ ,\\\\");
    ASSERT_EQ(escaped.steps.size(), 5u);
    EXPECT_EQ(escaped.steps[0].kind, ScriptStep::Kind::TakeMessage);
    EXPECT_EQ(escaped.steps[1].text, "OK");
    EXPECT_EQ(escaped.steps[2].text, "1,5");
    EXPECT_EQ(escaped.steps[3].text, " a  ");
    EXPECT_EQ(escaped.steps[4].text, "\\");
}

}  // namespace
}  // namespace fw
