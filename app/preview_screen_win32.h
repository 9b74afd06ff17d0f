// Paints a terminal screen into the face's LCD: the character grid in a
// fixed-pitch font, the rows in the terminal's colours.
#pragma once

#include <windows.h>

#include <string_view>

#include "preview/screen.h"

namespace fw {

class LcdPainter {
public:
    LcdPainter();
    ~LcdPainter();
    LcdPainter(const LcdPainter&) = delete;
    LcdPainter& operator=(const LcdPainter&) = delete;

    // Over the LCD rectangle of the face, in its client pixels; a hint, when
    // given, quietly in the bottom row.
    void Paint(HDC dc, const Screen& screen, std::string_view hint = {}) const;

private:
    HFONT font_;
    HFONT titleFont_;
    HFONT hintFont_;
};

}  // namespace fw
