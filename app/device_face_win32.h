// The device face: the child window of class "Client" that covers the main
// window, paints the terminal and turns clicks into the pop-up menu or a
// drag of the main window.
#pragma once

#include <windows.h>

#include <array>
#include <functional>

namespace fw {

class PopupMenu;

constexpr const char* kFaceClassName = "Client";

class DeviceFace {
public:
    // onCreated runs when the face window has been created (the pop-up menu
    // is built then).
    DeviceFace(HWND mainWindow, PopupMenu& menu, std::function<void()> onCreated)
        : mainWindow_(mainWindow), menu_(menu), onCreated_(std::move(onCreated)) {}

    // The window procedure of the "Client" class. CreateWindow's parameter
    // is the DeviceFace.
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnCreate(HWND hwnd);
    void OnDestroy();
    void OnPaint();
    void OnLeftButtonDown(int x, int y);
    void OnLeftButtonUp();
    void OnRightButtonDown(int x, int y);
    void ShowMenuAt(int x, int y);
    HBITMAP Bitmap(int bitmapId);
    void Draw(HDC dc, int bitmapId, int x, int y);

    HWND hwnd_ = nullptr;
    HWND mainWindow_;
    PopupMenu& menu_;
    std::function<void()> onCreated_;
    // Bitmaps 500 to 554: the picture, then the keys and their pressed images.
    std::array<HBITMAP, 55> bitmaps_{};
    int pressedKey_ = 0;
    // Set by a press on a key and spent by the release: a release that
    // follows no press here (the click that closed the menu, the end of a
    // drag) must not open the menu again.
    bool keyHeld_ = false;
    int cornerX_ = 0;
    int cornerY_ = 0;
};

}  // namespace fw
