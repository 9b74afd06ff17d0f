#include "app/preview_screen_win32.h"

#include <algorithm>
#include <array>

#include "app/device_face.h"

namespace fw {
namespace {

// The grid's cells fill the LCD but for a margin; the title and soft-key
// rows reach to its edges.
constexpr int kCellWidth = 8;
constexpr int kCellHeight = 14;
constexpr int kBaseline = 11;  // from the top of a cell; the rest is for descenders
constexpr int kGridLeft = (kLcdWidth - kScreenColumns * kCellWidth) / 2;
constexpr int kGridTop = (kLcdHeight - kScreenRows * kCellHeight) / 2;
static_assert(kGridLeft >= 0 && kGridTop >= 0, "the grid fits the LCD");

// The colours of the face's own screen.
constexpr COLORREF kPanel = RGB(0xee, 0xf3, 0xf7);
constexpr COLORREF kInk = RGB(0x1c, 0x25, 0x30);
constexpr COLORREF kTitleBar = RGB(0x25, 0x5c, 0x9f);
constexpr COLORREF kTitleEdge = RGB(0x12, 0x34, 0x5e);
constexpr COLORREF kSelectedBar = RGB(0x3a, 0x86, 0xd8);
constexpr COLORREF kLight = RGB(0xff, 0xff, 0xff);
constexpr COLORREF kMessageBox = RGB(0xff, 0xf1, 0xc8);
constexpr COLORREF kMessageEdge = RGB(0xc9, 0x8a, 0x12);
constexpr COLORREF kMessageInk = RGB(0x5a, 0x2e, 0x00);
constexpr COLORREF kSoftBar = RGB(0xdd, 0xe4, 0xea);
constexpr COLORREF kSoftEdge = RGB(0xa9, 0xb4, 0xc0);
constexpr COLORREF kSoftInk = RGB(0x23, 0x30, 0x3d);
constexpr COLORREF kHintInk = RGB(0x6a, 0x76, 0x84);

HFONT LcdFont(int weight) {
    // Fixed pitch; where the face is missing, the system's nearest one.
    return CreateFontA(-(kCellHeight - 1), 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, FIXED_PITCH | FF_MODERN, "Lucida Console");
}

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT rect{left, top, right, bottom};
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

struct RowLook {
    COLORREF background, ink;
};

RowLook LookOf(RowStyle style) {
    switch (style) {
    case RowStyle::Title: return {kTitleBar, kLight};
    case RowStyle::Selected: return {kSelectedBar, kLight};
    case RowStyle::Message: return {kMessageBox, kMessageInk};
    case RowStyle::SoftKeys: return {kSoftBar, kSoftInk};
    case RowStyle::Plain: break;
    }
    return {kPanel, kInk};
}

bool IsMessage(const Screen& screen, int row) {
    return row >= 0 && row < kScreenRows && screen.rows[row].style == RowStyle::Message;
}

}  // namespace

LcdPainter::LcdPainter()
    : font_(LcdFont(FW_NORMAL)), titleFont_(LcdFont(FW_BOLD)),
      hintFont_(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                            CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, "Tahoma")) {}

LcdPainter::~LcdPainter() {
    DeleteObject(font_);
    DeleteObject(titleFont_);
    DeleteObject(hintFont_);
}

void LcdPainter::Paint(HDC target, const Screen& screen, std::string_view hint) const {
    // Drawn off screen first, so a key held down does not make it flicker.
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, kLcdWidth, kLcdHeight);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    Fill(dc, 0, 0, kLcdWidth, kLcdHeight, kPanel);

    // Backgrounds first: a descender may reach to the bottom edge of its row.
    for (int row = 0; row < kScreenRows; ++row) {
        const ScreenRow& line = screen.rows[row];
        if (line.style == RowStyle::Plain) continue;
        const int top = row == 0 ? 0 : kGridTop + row * kCellHeight;
        const int bottom = row == kScreenRows - 1 ? kLcdHeight : kGridTop + (row + 1) * kCellHeight;
        const bool message = line.style == RowStyle::Message;
        const int left = message ? kGridLeft - 2 : 0, right = message ? kLcdWidth - kGridLeft + 2 : kLcdWidth;
        Fill(dc, left, top, right, bottom, LookOf(line.style).background);
        if (line.style == RowStyle::Title) Fill(dc, 0, bottom - 1, kLcdWidth, bottom, kTitleEdge);
        if (line.style == RowStyle::SoftKeys) Fill(dc, 0, top, kLcdWidth, top + 1, kSoftEdge);
        if (message) {
            // The box's frame: its sides, and its top and bottom where it starts and ends.
            Fill(dc, left, top, left + 1, bottom, kMessageEdge);
            Fill(dc, right - 1, top, right, bottom, kMessageEdge);
            if (!IsMessage(screen, row - 1)) Fill(dc, left, top, right, top + 1, kMessageEdge);
            if (!IsMessage(screen, row + 1)) Fill(dc, left, bottom - 1, right, bottom, kMessageEdge);
        }
    }

    std::array<INT, kScreenColumns> advances;
    advances.fill(kCellWidth);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    for (int row = 0; row < kScreenRows; ++row) {
        const ScreenRow& line = screen.rows[row];
        const COLORREF ink = LookOf(line.style).ink;
        const int baseline = kGridTop + row * kCellHeight + kBaseline;
        SelectObject(dc, line.style == RowStyle::Title ? titleFont_ : font_);
        SetTextColor(dc, ink);
        ExtTextOutA(dc, kGridLeft, baseline, 0, nullptr, line.text.c_str(),
                    static_cast<UINT>(std::min<std::size_t>(line.text.size(), kScreenColumns)), advances.data());
        if (row == screen.cursorRow) {
            const int x = kGridLeft + screen.cursorColumn * kCellWidth;
            Fill(dc, x, baseline + 1, x + kCellWidth - 1, baseline + 3, ink);
        }
    }
    if (!hint.empty()) {
        SelectObject(dc, hintFont_);
        SetTextColor(dc, kHintInk);
        SetTextAlign(dc, TA_TOP | TA_LEFT);
        RECT row{0, kGridTop + (kScreenRows - 1) * kCellHeight, kLcdWidth, kLcdHeight};
        DrawTextA(dc, hint.data(), static_cast<int>(hint.size()), &row,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    SelectObject(dc, oldFont);
    BitBlt(target, kLcdLeft, kLcdTop, kLcdWidth, kLcdHeight, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace fw
