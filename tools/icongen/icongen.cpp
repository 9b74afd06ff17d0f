// icongen: draws the program icon, a small handheld terminal, at 32 x 32 and
// 16 x 16 pixels with alpha and writes them as one .ico file.
//
//   icongen resources/qeltar.ico      (the face_art target runs it)
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

struct Rgba {
  float r, g, b, a;
};

constexpr Rgba Hex(uint32_t v, float a = 1) {
  return {((v >> 16) & 0xFF) / 255.0f, ((v >> 8) & 0xFF) / 255.0f,
          (v & 0xFF) / 255.0f, a};
}

// Premultiplied "over" of a colour with coverage onto a pixel.
void Over(Rgba& dst, Rgba src, float coverage) {
  const float a = src.a * std::clamp(coverage, 0.0f, 1.0f);
  dst.r = src.r * a + dst.r * (1 - a);
  dst.g = src.g * a + dst.g * (1 - a);
  dst.b = src.b * a + dst.b * (1 - a);
  dst.a = a + dst.a * (1 - a);
}

// Signed distance to a rounded box (negative inside); coordinates in a
// 32-unit design space.
float RoundBox(float x, float y, float x0, float y0, float x1, float y1,
               float radius) {
  const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
  const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
  const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

struct Shape {
  float x0, y0, x1, y1, radius;
  Rgba colour;
};

// Back to front: body, bezel, screen, its title bar and selection, the
// scanner window on top and a 3 x 4 keypad.
std::vector<Shape> Drawing() {
  std::vector<Shape> s = {
      {7.5f, 0.5f, 24.5f, 31.5f, 4.0f, Hex(0x121315)},
      {8.5f, 1.5f, 23.5f, 30.5f, 3.2f, Hex(0x3a3e44)},
      {10.0f, 5.5f, 22.0f, 16.0f, 1.2f, Hex(0x0c0d0f)},
      {11.0f, 6.5f, 21.0f, 15.0f, 0.6f, Hex(0xe8ecef)},
      {11.0f, 6.5f, 21.0f, 8.5f, 0.6f, Hex(0x1f5fb4)},
      {11.5f, 9.5f, 20.5f, 11.3f, 0.4f, Hex(0x3b8ae6)},
      {12.5f, 2.2f, 19.5f, 3.8f, 0.8f, Hex(0xc4211c)},
  };
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 3; ++col) {
      const float x = 11.0f + col * 3.6f, y = 18.0f + row * 3.0f;
      const bool enter = row == 3 && col == 2;
      s.push_back({x, y, x + 2.8f, y + 2.1f, 0.6f,
                   enter ? Hex(0x2f9e4f) : Hex(0xb9bec4)});
    }
  }
  return s;
}

// Renders the drawing at size x size with 8 x 8 samples per pixel.
std::vector<Rgba> Render(int size) {
  constexpr int kSamples = 8;
  const float scale = 32.0f / size;
  const std::vector<Shape> shapes = Drawing();
  std::vector<Rgba> pixels(static_cast<size_t>(size) * size, Rgba{0, 0, 0, 0});
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      Rgba& out = pixels[static_cast<size_t>(py) * size + px];
      for (const Shape& shape : shapes) {
        int inside = 0;
        for (int sy = 0; sy < kSamples; ++sy) {
          for (int sx = 0; sx < kSamples; ++sx) {
            const float x = (px + (sx + 0.5f) / kSamples) * scale;
            const float y = (py + (sy + 0.5f) / kSamples) * scale;
            if (RoundBox(x, y, shape.x0, shape.y0, shape.x1, shape.y1,
                         shape.radius) <= 0)
              ++inside;
          }
        }
        Over(out, shape.colour, inside / float(kSamples * kSamples));
      }
    }
  }
  return pixels;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// One icon image: a BITMAPINFOHEADER of double height, 32-bit BGRA rows
// bottom-up (not premultiplied), then the 1-bit AND mask.
std::vector<uint8_t> IconImage(int size) {
  const std::vector<Rgba> pixels = Render(size);
  const int maskStride = ((size + 31) / 32) * 4;
  std::vector<uint8_t> out;
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(size));
  Put32(out, static_cast<uint32_t>(size * 2));
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(size * size * 4 + maskStride * size));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      const Rgba& p = pixels[static_cast<size_t>(y) * size + x];
      auto channel = [&p](float premultiplied) {
        const float v = p.a > 0 ? premultiplied / p.a : 0;
        return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
      };
      out.push_back(channel(p.b));
      out.push_back(channel(p.g));
      out.push_back(channel(p.r));
      out.push_back(static_cast<uint8_t>(std::lround(p.a * 255)));
    }
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(static_cast<size_t>(maskStride), 0);
    for (int x = 0; x < size; ++x)
      if (pixels[static_cast<size_t>(y) * size + x].a < 0.5f / 255)
        row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icongen <output.ico>\n");
    return 2;
  }
  const int sizes[] = {32, 16};
  std::vector<std::vector<uint8_t>> images;
  for (int size : sizes) images.push_back(IconImage(size));

  std::vector<uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);  // icon
  Put16(file, static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    file.push_back(static_cast<uint8_t>(sizes[i]));
    file.push_back(static_cast<uint8_t>(sizes[i]));
    file.push_back(0);  // no palette
    file.push_back(0);
    Put16(file, 1);   // planes
    Put16(file, 32);  // bits per pixel
    Put32(file, static_cast<uint32_t>(images[i].size()));
    Put32(file, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()),
            static_cast<std::streamsize>(file.size()));
  if (!out) {
    std::fprintf(stderr, "icongen: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
