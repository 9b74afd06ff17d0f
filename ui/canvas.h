// Controls that the program paints and clicks itself (the Character grid and
// the key-code boxes that open it), kept portable: the logic draws through
// Painter and gets clicks in client pixels, the Windows adapter maps both to
// GDI and window messages, the tests record them.
#pragma once

#include <cstdint>
#include <string_view>

namespace fw {

class Dialog;

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLightGrey{192, 192, 192};  // the stock light grey brush
constexpr Rgb kPureBlue{0, 0, 255};

enum class TextPlacement {
    Centred,        // in the middle of the rectangle, one line
    LeftCentred,    // from the left edge, centred vertically, one line
};

// Drawing in a control's client pixels. Rectangles and lines follow GDI:
// right and bottom edges and a line's end point are not drawn.
class Painter {
public:
    virtual ~Painter() = default;
    virtual void FillRect(int left, int top, int right, int bottom, Rgb fill) = 0;
    // A filled rectangle with a one-pixel outline.
    virtual void Rectangle(int left, int top, int right, int bottom, Rgb fill, Rgb outline) = 0;
    virtual void Line(int x0, int y0, int x1, int y1, Rgb colour) = 0;
    // Text on a transparent background. "&&" shows as one ampersand.
    virtual void Text(int left, int top, int right, int bottom, std::string_view text, Rgb colour,
                      TextPlacement placement) = 0;
};

// Keys that act on a control the logic paints.
enum class CanvasKey { Space, F4, Enter, Backspace, Left, Right, Up, Down };

class CanvasHandler {
public:
    virtual ~CanvasHandler() = default;
    // Paints the whole control; false leaves the painting to the control.
    virtual bool Paint(Painter& painter, int width, int height) = 0;
    // A left click at (x, y) of a control of that size; true when it is
    // taken, so the control itself does not see it.
    virtual bool LeftButtonDown(Dialog& dialog, int x, int y, int width, int height) = 0;
    // A key pressed while the control has the focus; true when it is taken.
    virtual bool KeyDown(Dialog&, CanvasKey) { return false; }
    // A character typed while the control has the focus; true when it is taken.
    virtual bool Character(Dialog&, char) { return false; }
    // A control worked from the keyboard takes the focus, the arrows, the
    // characters and Enter from the dialog; Tab and Esc stay the dialog's.
    virtual bool KeyboardControl() const { return false; }
};

}  // namespace fw
