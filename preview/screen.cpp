#include "preview/screen.h"

#include <algorithm>

#include "template/ansi_text.h"

namespace fw {

std::string FitRow(std::string_view text) { return std::string(text.substr(0, kScreenColumns)); }

std::string SpreadRow(std::string_view left, std::string_view right) {
    const std::size_t rightWidth = std::min<std::size_t>(right.size(), kScreenColumns);
    const std::size_t leftWidth = std::min(left.size(), kScreenColumns - rightWidth);
    std::string row(left.substr(0, leftWidth));
    row.append(kScreenColumns - leftWidth - rightWidth, ' ');
    row.append(right.substr(0, rightWidth));
    return row;
}

std::string CentredRow(std::string_view text) {
    const std::string fitted = FitRow(text);
    return std::string((kScreenColumns - fitted.size()) / 2, ' ') + fitted;
}

std::string ScreenText(const Screen& screen) {
    const std::string border = "  +" + std::string(kScreenColumns, '-') + "+\n";
    std::string text = border;
    for (const ScreenRow& row : screen.rows) {
        char mark = ' ';
        switch (row.style) {
        case RowStyle::Plain: break;
        case RowStyle::Title: mark = '#'; break;
        case RowStyle::Selected: mark = '>'; break;
        case RowStyle::Message: mark = '!'; break;
        case RowStyle::SoftKeys: mark = '_'; break;
        }
        const std::string fitted = FitRow(row.text);
        text += std::string(1, mark) + " |" + AnsiToUtf8(fitted) + std::string(kScreenColumns - fitted.size(), ' ') +
                "|\n";
    }
    text += border;
    for (const std::string& note : screen.notes) text += "  * " + AnsiToUtf8(note) + "\n";
    return text;
}

}  // namespace fw
