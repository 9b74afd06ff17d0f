#include "app/device_face_win32.h"

#include <windowsx.h>

#include <cstdlib>

#include "app/app_ids.h"
#include "app/device_face.h"
#include "app/popup_menu_win32.h"

namespace fw {

LRESULT CALLBACK DeviceFace::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* face = reinterpret_cast<DeviceFace*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!face) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        face->OnCreate(hwnd);
        return 0;
    case WM_PAINT:
        face->OnPaint();
        return 0;
    case WM_LBUTTONDOWN:
        face->OnLeftButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        face->OnLeftButtonUp();
        return 0;
    case WM_RBUTTONDOWN:
        face->OnRightButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_KEYDOWN:
        if (face->Playing() && face->screen_->KeyDown(wParam)) return 0;
        break;
    case WM_CHAR:
        if (face->Playing()) face->screen_->Character(static_cast<char>(wParam));
        return 0;
    case WM_CONTEXTMENU:
        // A right click has opened the menu already; only the keyboard's
        // request (no mouse position) is left to answer.
        if (lParam == -1) face->ShowMenuAt(kMenuKeyLeft, kMenuKeyTop);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void DeviceFace::OnCreate(HWND hwnd) {
    hwnd_ = hwnd;
    if (onCreated_) onCreated_();
}

// The images are drawn straight from the program's resources, where they
// are device-independent bitmaps already: nothing is made of them first.
void DeviceFace::Draw(HDC dc, int bitmapId, int x, int y) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(bitmapId), MAKEINTRESOURCEA(2));  // RT_BITMAP
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const auto* info = loaded ? static_cast<const BITMAPINFO*>(LockResource(loaded)) : nullptr;
    if (!info) return;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const int width = header.biWidth, height = std::abs(header.biHeight);
    // The pixels follow the header and, below 16 bits a pixel, the colours.
    const DWORD colours = header.biBitCount <= 8 ? (header.biClrUsed ? header.biClrUsed : 1u << header.biBitCount) : 0;
    const BYTE* bits = reinterpret_cast<const BYTE*>(info) + header.biSize + colours * sizeof(RGBQUAD);
    SetDIBitsToDevice(dc, x, y, width, height, 0, 0, 0, height, bits, info, DIB_RGB_COLORS);
}

void DeviceFace::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    // The screen first and the picture around it: the face appears whole,
    // and the picture's own LCD never flashes up under the screen.
    if (screen_) painter_.Paint(dc, screen_->Shown());
    else painter_.Paint(dc, idle_, hint_);
    ExcludeClipRect(dc, kLcdLeft, kLcdTop, kLcdLeft + kLcdWidth, kLcdTop + kLcdHeight);
    Draw(dc, IDB_FACE, 0, 0);
    if (keyHeld_ && pressedKey_ >= kFirstFaceKey && pressedKey_ <= kLastFaceKey)
        Draw(dc, IDB_KEY_PRESSED_FIRST + pressedKey_ - 1, cornerX_, cornerY_);
    EndPaint(hwnd_, &paint);
}

void DeviceFace::InvalidateLcd() {
    const RECT lcd{kLcdLeft, kLcdTop, kLcdLeft + kLcdWidth, kLcdTop + kLcdHeight};
    InvalidateRect(hwnd_, &lcd, FALSE);
}

void DeviceFace::SetIdleScreen(const Screen& screen, const std::string& hint) {
    if (screen == idle_ && hint == hint_) return;
    idle_ = screen;
    hint_ = hint;
    if (!screen_ && hwnd_) InvalidateLcd();
}

// Keys reach the terminal only while the main window takes input: a modal
// window over it (the sheet, a file dialog) keeps them.
bool DeviceFace::Playing() const { return screen_ && IsWindowEnabled(mainWindow_); }

void DeviceFace::SetScreen(FaceScreen* screen) {
    screen_ = screen;
    if (keyHeld_ && pressedKey_ != kMenuKey) ReleaseTerminalKey();
    InvalidateLcd();
    if (screen_) SetFocus(hwnd_);
}

// While a template plays, the terminal's keys go down and up like keys; the
// key is taken when it comes up, as a click.
bool DeviceFace::PressTerminalKey(int x, int y) {
    const int key = screen_ ? FaceKeyAt(x, y) : 0;
    if (!key) return false;
    const FacePoint corner = FaceKeyImageCorner(key);
    pressedKey_ = key;
    cornerX_ = corner.x;
    cornerY_ = corner.y;
    keyHeld_ = true;
    SetCapture(hwnd_);
    SetFocus(hwnd_);
    HDC dc = GetDC(hwnd_);
    Draw(dc, IDB_KEY_PRESSED_FIRST + key - 1, cornerX_, cornerY_);
    ReleaseDC(hwnd_, dc);
    return true;
}

void DeviceFace::ReleaseTerminalKey() {
    keyHeld_ = false;
    if (GetCapture() == hwnd_) ReleaseCapture();
    HDC dc = GetDC(hwnd_);
    Draw(dc, IDB_KEY_FIRST + pressedKey_ - 1, cornerX_, cornerY_);
    ReleaseDC(hwnd_, dc);
}

void DeviceFace::OnLeftButtonDown(int x, int y) {
    if (PressTerminalKey(x, y)) return;
    if (const int key = HitTestFace(x, y, cornerX_, cornerY_)) {
        pressedKey_ = key;
        keyHeld_ = true;
        return;
    }
    // Anywhere else the picture is the window's caption: the system drags the
    // main window while the button is held. The point goes in screen
    // coordinates, where the move loop measures the drag from.
    POINT point{x, y};
    ClientToScreen(hwnd_, &point);
    PostMessageA(mainWindow_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

void DeviceFace::OnLeftButtonUp() {
    if (!keyHeld_) return;
    if (pressedKey_ >= kFirstFaceKey && pressedKey_ <= kLastFaceKey) {
        ReleaseTerminalKey();
        if (screen_) screen_->KeyClicked(pressedKey_);
        return;
    }
    keyHeld_ = false;
    if (pressedKey_ == kMenuKey) ShowMenuAt(cornerX_, cornerY_);
}

void DeviceFace::OnRightButtonDown(int x, int y) { ShowMenuAt(x, y); }

void DeviceFace::ShowMenuAt(int x, int y) {
    if (!menu_.handle()) return;
    POINT point{x, y};
    ClientToScreen(hwnd_, &point);
    // Owned by the main window, so the chosen command goes to it.
    TrackPopupMenu(menu_.handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, mainWindow_,
                   nullptr);
}

}  // namespace fw
