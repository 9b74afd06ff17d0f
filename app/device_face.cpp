#include "app/device_face.h"

namespace fw {

int HitTestFace(int x, int y, int& cornerX, int& cornerY) {
    // Only the menu key answers; the terminal's keys are picture only.
    if (x >= kMenuKeyLeft && x < kMenuKeyLeft + kMenuKeySize && y >= kMenuKeyTop &&
        y < kMenuKeyTop + kMenuKeySize) {
        cornerX = kMenuKeyLeft;
        cornerY = kMenuKeyTop;
        return kMenuKey;
    }
    return 0;
}

}  // namespace fw
