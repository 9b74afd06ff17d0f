// The device face: the child window of class "Client" that covers the main
// window, paints the terminal and turns clicks into the pop-up menu or a
// drag of the main window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/preview_screen_win32.h"
#include "preview/screen.h"

namespace fw {

class PopupMenu;

constexpr const char* kFaceClassName = "Client";

// A template playing on the face: it gives the LCD's screen and takes the
// terminal's keys, clicked or typed on the PC keyboard.
class FaceScreen {
public:
    virtual ~FaceScreen() = default;
    virtual Screen Shown() const = 0;
    virtual void KeyClicked(int key) = 0;  // 1 to 27
    // True when the key means something on the terminal.
    virtual bool KeyDown(WPARAM virtualKey) = 0;
    virtual void Character(char c) = 0;
};

class DeviceFace {
public:
    // onCreated runs when the face window has been created (the pop-up menu
    // is built then).
    DeviceFace(HWND mainWindow, PopupMenu& menu, std::function<void()> onCreated)
        : mainWindow_(mainWindow), menu_(menu), onCreated_(std::move(onCreated)) {}

    // The window procedure of the "Client" class. CreateWindow's parameter
    // is the DeviceFace.
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // nullptr: the idle face.
    void SetScreen(FaceScreen* screen);
    // What the LCD shows while nothing plays: the template's start screen
    // and, in its bottom row, the hint.
    void SetIdleScreen(const Screen& screen, const std::string& hint);

private:
    void OnCreate(HWND hwnd);
    void OnPaint();
    void OnLeftButtonDown(int x, int y);
    void OnLeftButtonUp();
    bool Playing() const;
    bool PressTerminalKey(int x, int y);
    void ReleaseTerminalKey();
    void OnRightButtonDown(int x, int y);
    void ShowMenuAt(int x, int y);
    void Draw(HDC dc, int bitmapId, int x, int y);
    void InvalidateLcd();

    HWND hwnd_ = nullptr;
    HWND mainWindow_;
    PopupMenu& menu_;
    std::function<void()> onCreated_;
    FaceScreen* screen_ = nullptr;
    LcdPainter painter_;
    Screen idle_;
    std::string hint_;
    int pressedKey_ = 0;
    // Set by a press on a key and spent by the release: a release that
    // follows no press here (the click that closed the menu, the end of a
    // drag) must not open the menu again.
    bool keyHeld_ = false;
    int cornerX_ = 0;
    int cornerY_ = 0;
};

}  // namespace fw
