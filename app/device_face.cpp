#include "app/device_face.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace fw {
namespace {

struct KeyBox {
    int left, top, right, bottom;  // right and bottom outside
};

// The rectangular keys, as the artwork draws them.
constexpr KeyBox kSoftKeys[] = {{20, 283, 74, 307}, {20, 326, 74, 350}, {177, 283, 231, 307}, {177, 326, 231, 350}};
constexpr int kPadColumns[] = {20, 75, 130, 185};
constexpr int kPadRows[] = {366, 408, 450, 492};
constexpr int kPadKeyWidth = 46;
constexpr int kPadKeyHeight = 34;
constexpr KeyBox kTriggers[] = {{1, 292, 9, 352}, {242, 292, 250, 352}};

// The navigation ring: four wedges around the round centre key.
constexpr double kRingX = 125.5, kRingY = 316.5;
constexpr double kCentreRadius = 17.5, kRingInner = 19.7, kRingOuter = 39;

// Top-left corners of the key images, key 1 first (tools/facegen prints them).
constexpr std::array<FacePoint, kLastFaceKey> kImageCorners = {{
    {19, 282},  {19, 325},  {176, 282}, {176, 325}, {97, 276},  {85, 288},  {107, 298},
    {139, 288}, {97, 330},  {19, 365},  {74, 365},  {129, 365}, {184, 365}, {19, 407},
    {74, 407},  {129, 407}, {184, 407}, {19, 449},  {74, 449},  {129, 449}, {184, 449},
    {19, 491},  {74, 491},  {129, 491}, {184, 491}, {1, 291},   {242, 291},
}};

bool Inside(const KeyBox& box, int x, int y) {
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

int RingKeyAt(int x, int y) {
    const double dx = x + 0.5 - kRingX, dy = y + 0.5 - kRingY;
    const double r = std::hypot(dx, dy);
    if (r <= kCentreRadius) return kFaceCentre;
    if (r < kRingInner || r > kRingOuter) return 0;
    if (std::abs(dx) > std::abs(dy)) return dx < 0 ? kFaceLeft : kFaceRight;
    return dy < 0 ? kFaceUp : kFaceDown;
}

}  // namespace

int HitTestFace(int x, int y, int& cornerX, int& cornerY) {
    // Only the menu key answers; the terminal's keys answer a preview.
    if (x >= kMenuKeyLeft && x < kMenuKeyLeft + kMenuKeySize && y >= kMenuKeyTop &&
        y < kMenuKeyTop + kMenuKeySize) {
        cornerX = kMenuKeyLeft;
        cornerY = kMenuKeyTop;
        return kMenuKey;
    }
    return 0;
}

int FaceKeyAt(int x, int y) {
    for (int k = 0; k < 4; ++k)
        if (Inside(kSoftKeys[k], x, y)) return kFaceF1 + k;
    if (const int ring = RingKeyAt(x, y)) return ring;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            if (Inside({kPadColumns[column], kPadRows[row], kPadColumns[column] + kPadKeyWidth,
                        kPadRows[row] + kPadKeyHeight},
                       x, y))
                return kFace1 + row * 4 + column;
    for (int side = 0; side < 2; ++side)
        if (Inside(kTriggers[side], x, y)) return kFaceLeftTrigger + side;
    return 0;
}

FacePoint FaceKeyImageCorner(int key) { return kImageCorners[static_cast<std::size_t>(key - kFirstFaceKey)]; }

}  // namespace fw
