// Geometry of the terminal's picture that the device face window reacts to.
// Kept apart from the window code so it can be tested without a display.
#pragma once

namespace fw {

// Key code of the picture's menu key; 1 to 27 are the terminal's own keys.
constexpr int kMenuKey = 55;
constexpr int kFirstFaceKey = 1;
constexpr int kLastFaceKey = 27;

// The menu key: a 24 x 24 square of the face, in client pixels.
constexpr int kMenuKeyLeft = 188;
constexpr int kMenuKeyTop = 16;
constexpr int kMenuKeySize = 24;

// The key under (x, y) in client pixels of the face, or 0 for none. When a
// key is found, cornerX/cornerY receive its top-left corner; otherwise they
// are left as they were.
int HitTestFace(int x, int y, int& cornerX, int& cornerY);

}  // namespace fw
