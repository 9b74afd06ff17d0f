// What the terminal's screen shows during a preview: text rows of the face's
// character grid, each with the look the painter gives it, and the cursor.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "template/blocks/form_block.h"

namespace fw {

constexpr int kScreenColumns = kTerminalColumns;
constexpr int kScreenRows = 12;
constexpr int kFirstContentRow = 1;  // below the title row
constexpr int kContentRows = kScreenRows - 2;  // above the soft-key row

enum class RowStyle {
    Plain,
    Title,     // the title bar
    Selected,  // the chosen menu item, the line taking input
    Message,   // a message box over the content
    SoftKeys,  // the labels of the keys at the bottom
};

struct ScreenRow {
    std::string text;  // 8-bit ANSI, at most kScreenColumns characters
    RowStyle style = RowStyle::Plain;
    friend bool operator==(const ScreenRow&, const ScreenRow&) = default;
};

struct Screen {
    std::array<ScreenRow, kScreenRows> rows;
    int cursorRow = -1;  // -1: no cursor
    int cursorColumn = 0;
    // In full, what this screen stores but the preview does not play.
    std::vector<std::string> notes;
    friend bool operator==(const Screen&, const Screen&) = default;
};

// Text cut to the screen's width.
std::string FitRow(std::string_view text);
// `left` at the left edge and `right` at the right edge; `left` gives way.
std::string SpreadRow(std::string_view left, std::string_view right);
std::string CentredRow(std::string_view text);

// The screen for a console: a frame around the rows, with a mark in front of
// each row for its look ('#' title, '>' selected, '!' message, '_' soft keys)
// and the notes below. UTF-8.
std::string ScreenText(const Screen& screen);

}  // namespace fw
