// A Painter that keeps every call, so tests can look for what was drawn.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/canvas.h"

namespace fw::test {

struct PaintCall {
    enum class Kind { FillRect, Rectangle, Line, Text };
    Kind kind;
    int left, top, right, bottom;  // for a line: x0, y0, x1, y1
    Rgb colour;                    // fill, line or text colour
    Rgb outline{};                 // Rectangle only
    std::string text;              // Text only
};

class RecordingPainter final : public Painter {
public:
    void FillRect(int left, int top, int right, int bottom, Rgb fill) override {
        calls.push_back({PaintCall::Kind::FillRect, left, top, right, bottom, fill});
    }
    void Rectangle(int left, int top, int right, int bottom, Rgb fill, Rgb outline) override {
        calls.push_back({PaintCall::Kind::Rectangle, left, top, right, bottom, fill, outline});
    }
    void Line(int x0, int y0, int x1, int y1, Rgb colour) override {
        calls.push_back({PaintCall::Kind::Line, x0, y0, x1, y1, colour});
    }
    void Text(int left, int top, int right, int bottom, std::string_view text, Rgb colour, TextPlacement) override {
        calls.push_back({PaintCall::Kind::Text, left, top, right, bottom, colour, {}, std::string(text)});
    }

    // Index of the last text call drawing `text`, or -1.
    int LastText(std::string_view text) const {
        for (int i = static_cast<int>(calls.size()) - 1; i >= 0; --i)
            if (calls[i].kind == PaintCall::Kind::Text && calls[i].text == text) return i;
        return -1;
    }
    // Index of the first call of this kind, rectangle and colour, or -1.
    int Find(PaintCall::Kind kind, int left, int top, int right, int bottom, Rgb colour) const {
        for (int i = 0; i < static_cast<int>(calls.size()); ++i) {
            const PaintCall& c = calls[i];
            if (c.kind == kind && c.left == left && c.top == top && c.right == right && c.bottom == bottom &&
                c.colour == colour)
                return i;
        }
        return -1;
    }

    std::vector<PaintCall> calls;
};

}  // namespace fw::test
