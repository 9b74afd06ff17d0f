// Controls painted and clicked by portable logic: a GDI Painter, and the
// window procedure put in front of such a control's own.
#pragma once

#include <windows.h>

#include "ui/canvas.h"

namespace fw {

class Dialog;

class GdiPainter final : public Painter {
public:
    // Draws with the control's font, so texts match the dialog.
    GdiPainter(HDC dc, HWND control);
    ~GdiPainter() override;
    GdiPainter(const GdiPainter&) = delete;
    GdiPainter& operator=(const GdiPainter&) = delete;

    void FillRect(int left, int top, int right, int bottom, Rgb fill) override;
    void Rectangle(int left, int top, int right, int bottom, Rgb fill, Rgb outline) override;
    void Line(int x0, int y0, int x1, int y1, Rgb colour) override;
    void Text(int left, int top, int right, int bottom, std::string_view text, Rgb colour,
              TextPlacement placement) override;

private:
    HDC dc_;
    HGDIOBJ oldFont_;
};

// Routes the control's painting and left clicks through canvas (nullptr
// gives the control back its own procedure). `dialog` is passed to the
// canvas with every click and must outlive the binding.
void BindCanvas(HWND control, Dialog& dialog, CanvasHandler* canvas);

}  // namespace fw
