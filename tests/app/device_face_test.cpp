#include "app/device_face.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace fw {
namespace {

struct Size {
    int width = 0, height = 0;
};

// Width and height from the header of a face bitmap as the resources carry it.
Size BitmapSize(int id) {
    const auto path = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
                      "face" / ("face_" + std::to_string(id) + ".bmp");
    std::ifstream in(path, std::ios::binary);
    unsigned char header[26] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    const auto le32 = [&](int at) {
        return static_cast<int>(header[at] | header[at + 1] << 8 | header[at + 2] << 16 | header[at + 3] << 24);
    };
    return {le32(18), le32(22)};
}

TEST(DeviceFace, EachKeysImageCoversTheKeyThatAnswersClicksThere) {
    for (int key = kFirstFaceKey; key <= kLastFaceKey; ++key) {
        SCOPED_TRACE("key " + std::to_string(key));
        const Size image = BitmapSize(500 + key), pressed = BitmapSize(527 + key);
        ASSERT_GT(image.width, 0);
        EXPECT_EQ(image.width, pressed.width);
        EXPECT_EQ(image.height, pressed.height);
        const FacePoint corner = FaceKeyImageCorner(key);
        EXPECT_EQ(FaceKeyAt(corner.x + image.width / 2, corner.y + image.height / 2), key);
    }
}

TEST(DeviceFace, ClicksBesideTheKeysFindNone) {
    EXPECT_EQ(FaceKeyAt(125, 150), 0) << "the screen";
    EXPECT_EQ(FaceKeyAt(200, 28), 0) << "the menu key answers HitTestFace";
    EXPECT_EQ(FaceKeyAt(125 + 18, 316), 0) << "the gap between the ring and its centre";
    EXPECT_EQ(FaceKeyAt(70, 380), 0) << "between two keypad keys";
    EXPECT_EQ(FaceKeyAt(125 - 30, 316 - 2), kFaceLeft);
}

}  // namespace
}  // namespace fw
