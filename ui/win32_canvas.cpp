#include "ui/win32_canvas.h"

#include <optional>
#include <string>

#include "ui/dialog.h"

namespace fw {
namespace {

constexpr const char* kBindingProperty = "FormwrightCanvas";

COLORREF ToColorRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

std::optional<CanvasKey> CanvasKeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_SPACE: return CanvasKey::Space;
    case VK_F4: return CanvasKey::F4;
    case VK_RETURN: return CanvasKey::Enter;
    case VK_BACK: return CanvasKey::Backspace;
    case VK_LEFT: return CanvasKey::Left;
    case VK_RIGHT: return CanvasKey::Right;
    case VK_UP: return CanvasKey::Up;
    case VK_DOWN: return CanvasKey::Down;
    default: return std::nullopt;
    }
}

struct CanvasBinding {
    WNDPROC ownProcedure;
    CanvasHandler* canvas;
    Dialog* dialog;
};

CanvasBinding* BindingOf(HWND control) {
    return static_cast<CanvasBinding*>(GetPropA(control, kBindingProperty));
}

void Unbind(HWND control) {
    CanvasBinding* binding = BindingOf(control);
    if (!binding) return;
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(binding->ownProcedure));
    RemovePropA(control, kBindingProperty);
    delete binding;
}

LRESULT CALLBACK CanvasProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    CanvasBinding* binding = BindingOf(control);
    if (!binding) return DefWindowProcA(control, message, wParam, lParam);
    const WNDPROC own = binding->ownProcedure;
    RECT client;
    GetClientRect(control, &client);
    switch (message) {
    case WM_PAINT: {
        // The canvas may leave the painting to the control, so draw through a
        // plain DC first and validate only when it painted.
        HDC dc = GetDC(control);
        bool painted;
        {
            GdiPainter painter(dc, control);
            painted = binding->canvas->Paint(painter, client.right, client.bottom);
        }
        ReleaseDC(control, dc);
        if (!painted) break;
        ValidateRect(control, nullptr);
        return 0;
    }
    case WM_LBUTTONDOWN:
        if (binding->canvas->LeftButtonDown(*binding->dialog, static_cast<short>(LOWORD(lParam)),
                                            static_cast<short>(HIWORD(lParam)), client.right, client.bottom))
            return 0;
        break;
    case WM_GETDLGCODE:
        if (binding->canvas->KeyboardControl()) {
            const auto* pending = reinterpret_cast<const MSG*>(lParam);
            const bool enter = pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN;
            return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
        }
        break;
    case WM_KEYDOWN:
        if (const std::optional<CanvasKey> key = CanvasKeyOf(wParam);
            key && binding->canvas->KeyDown(*binding->dialog, *key))
            return 0;
        break;
    case WM_CHAR:
        if (binding->canvas->Character(*binding->dialog, static_cast<char>(wParam))) return 0;
        break;

    case WM_NCDESTROY:
        Unbind(control);
        break;
    default:
        break;
    }
    return CallWindowProcA(own, control, message, wParam, lParam);
}

}  // namespace

GdiPainter::GdiPainter(HDC dc, HWND control) : dc_(dc) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    oldFont_ = SelectObject(dc_, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc_, TRANSPARENT);
}

GdiPainter::~GdiPainter() { SelectObject(dc_, oldFont_); }

void GdiPainter::FillRect(int left, int top, int right, int bottom, Rgb fill) {
    HBRUSH brush = CreateSolidBrush(ToColorRef(fill));
    const RECT rect{left, top, right, bottom};
    ::FillRect(dc_, &rect, brush);
    DeleteObject(brush);
}

void GdiPainter::Rectangle(int left, int top, int right, int bottom, Rgb fill, Rgb outline) {
    HBRUSH brush = CreateSolidBrush(ToColorRef(fill));
    HPEN pen = CreatePen(PS_SOLID, 1, ToColorRef(outline));
    HGDIOBJ oldBrush = SelectObject(dc_, brush);
    HGDIOBJ oldPen = SelectObject(dc_, pen);
    ::Rectangle(dc_, left, top, right, bottom);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void GdiPainter::Line(int x0, int y0, int x1, int y1, Rgb colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, ToColorRef(colour));
    HGDIOBJ oldPen = SelectObject(dc_, pen);
    MoveToEx(dc_, x0, y0, nullptr);
    LineTo(dc_, x1, y1);
    SelectObject(dc_, oldPen);
    DeleteObject(pen);
}

void GdiPainter::Text(int left, int top, int right, int bottom, std::string_view text, Rgb colour,
                      TextPlacement placement) {
    SetTextColor(dc_, ToColorRef(colour));
    RECT rect{left, top, right, bottom};
    const UINT format = (placement == TextPlacement::Centred ? DT_CENTER : DT_LEFT) | DT_VCENTER | DT_SINGLELINE;
    const std::string terminated(text);
    DrawTextA(dc_, terminated.c_str(), -1, &rect, format);
}

void BindCanvas(HWND control, Dialog& dialog, CanvasHandler* canvas) {
    Unbind(control);
    if (!canvas) {
        InvalidateRect(control, nullptr, TRUE);
        return;
    }
    auto* binding = new CanvasBinding{nullptr, canvas, &dialog};
    SetPropA(control, kBindingProperty, binding);
    binding->ownProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CanvasProcedure)));
    InvalidateRect(control, nullptr, TRUE);
}

}  // namespace fw
