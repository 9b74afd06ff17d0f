// Geometry of the terminal's picture that the device face window reacts to.
// Kept apart from the window code so it can be tested without a display.
#pragma once

namespace fw {

// Key code of the picture's menu key; 1 to 27 are the terminal's own keys.
constexpr int kMenuKey = 55;
constexpr int kFirstFaceKey = 1;
constexpr int kLastFaceKey = 27;

// The terminal's own keys by their codes, as tools/facegen draws them.
enum FaceKey : int {
    kFaceF1 = 1, kFaceF2, kFaceF3, kFaceF4,
    kFaceUp, kFaceLeft, kFaceCentre, kFaceRight, kFaceDown,  // the navigation ring and its centre
    kFace1, kFace2, kFace3, kFaceEsc,
    kFace4, kFace5, kFace6, kFaceBackspace,
    kFace7, kFace8, kFace9, kFaceFn,
    kFaceDot, kFace0, kFaceMinus, kFaceEnt,
    kFaceLeftTrigger, kFaceRightTrigger,  // the scan triggers on the flanks
};

// The menu key: a 24 x 24 square of the face, in client pixels.
constexpr int kMenuKeyLeft = 188;
constexpr int kMenuKeyTop = 16;
constexpr int kMenuKeySize = 24;

// The picture's LCD, in client pixels of the face.
constexpr int kLcdLeft = 30;
constexpr int kLcdTop = 66;
constexpr int kLcdWidth = 191;
constexpr int kLcdHeight = 172;

// The key under (x, y) in client pixels of the face, or 0 for none. When a
// key is found, cornerX/cornerY receive its top-left corner; otherwise they
// are left as they were.
int HitTestFace(int x, int y, int& cornerX, int& cornerY);

// The terminal's key (1 to 27) under (x, y), or 0 for none. These keys take
// clicks only while the face plays a template.
int FaceKeyAt(int x, int y);

struct FacePoint {
    int x, y;
};
// Where key k's images (IDB_KEY_FIRST + k - 1 and its pressed twin) go.
FacePoint FaceKeyImageCorner(int key);

}  // namespace fw
