// facegen: draws the terminal's face picture (bitmap 500) and its 27 key
// images (501-527 normal, 528-554 pressed) as uncompressed 24-bit BMP files.
//
//   facegen <output-directory>
//
// The artwork is generated rather than painted so that it can be redrawn and
// tuned in code; the BMP files it writes are what the resource script uses.
// Shapes are signed distance functions, which gives anti-aliased edges and
// bevels for free. The pressed key images are cut from a full redraw with
// that one key pressed, so odd-shaped keys (the navigation ring) come out
// right with their surroundings.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/device_face.h"

namespace {

constexpr int kWidth = 251;
constexpr int kHeight = 589;

// ---------------------------------------------------------------- colours

struct Rgb {
  float r, g, b;
};

constexpr Rgb Hex(uint32_t v) {
  return {((v >> 16) & 0xFF) / 255.0f, ((v >> 8) & 0xFF) / 255.0f,
          (v & 0xFF) / 255.0f};
}
Rgb Mix(Rgb a, Rgb b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Scale(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
Rgb Lift(Rgb a, float v) { return {a.r + v, a.g + v, a.b + v}; }

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
float Smooth(float e0, float e1, float x) {
  float t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

// Cheap deterministic per-pixel noise for a matte plastic texture.
float Noise(int x, int y) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u +
               static_cast<uint32_t>(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFF) / 65535.0f - 0.5f;
}

// ------------------------------------------------------------------ image

struct Image {
  int w = 0, h = 0;
  std::vector<Rgb> px;
  Image(int width, int height, Rgb fill)
      : w(width), h(height), px(static_cast<size_t>(width) * height, fill) {}
  Rgb& At(int x, int y) { return px[static_cast<size_t>(y) * w + x]; }
  Rgb At(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
  void Blend(int x, int y, Rgb c, float a) {
    if (x < 0 || y < 0 || x >= w || y >= h || a <= 0) return;
    a = std::min(a, 1.0f);
    At(x, y) = Mix(At(x, y), c, a);
  }
  Image Crop(int x0, int y0, int cw, int ch) const {
    Image out(cw, ch, Rgb{0, 0, 0});
    for (int y = 0; y < ch; ++y)
      for (int x = 0; x < cw; ++x) out.At(x, y) = At(x0 + x, y0 + y);
    return out;
  }
};

bool WriteBmp(const std::filesystem::path& path, const Image& img) {
  const uint32_t rowBytes = (static_cast<uint32_t>(img.w) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(img.h);
  std::vector<uint8_t> out;
  auto put16 = [&](uint16_t v) {
    out.push_back(v & 0xFF);
    out.push_back(v >> 8);
  };
  auto put32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
  };
  // File header, then a plain BITMAPINFOHEADER: the resource compiler and
  // LoadBitmap both take this form without questions.
  put16(0x4D42);
  put32(14 + 40 + imageBytes);
  put32(0);
  put32(14 + 40);
  put32(40);
  put32(static_cast<uint32_t>(img.w));
  put32(static_cast<uint32_t>(img.h));  // positive: rows stored bottom-up
  put16(1);
  put16(24);
  put32(0);  // BI_RGB
  put32(imageBytes);
  put32(2835);
  put32(2835);
  put32(0);
  put32(0);
  auto byte = [](float v) {
    return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f));
  };
  for (int y = img.h - 1; y >= 0; --y) {
    uint32_t n = 0;
    for (int x = 0; x < img.w; ++x, n += 3) {
      Rgb c = img.At(x, y);
      out.push_back(byte(c.b));
      out.push_back(byte(c.g));
      out.push_back(byte(c.r));
    }
    for (; n < rowBytes; ++n) out.push_back(0);
  }
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(out.data()),
          static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(f);
}

// ------------------------------------------------------------- geometry

struct Pt {
  float x, y;
};
struct Box {
  float x0, y0, x1, y1;
};

using Sdf = std::function<float(float, float)>;

float SdRoundRect(float px, float py, Box b, float r) {
  float cx = (b.x0 + b.x1) * 0.5f, cy = (b.y0 + b.y1) * 0.5f;
  float hx = (b.x1 - b.x0) * 0.5f - r, hy = (b.y1 - b.y0) * 0.5f - r;
  float qx = std::fabs(px - cx) - hx, qy = std::fabs(py - cy) - hy;
  float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
  return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - r;
}

float SdCircle(float px, float py, float cx, float cy, float r) {
  return std::hypot(px - cx, py - cy) - r;
}

float SdSegment(float px, float py, Pt a, Pt b) {
  float bx = b.x - a.x, by = b.y - a.y;
  float len2 = bx * bx + by * by;
  float t = len2 > 0 ? Clamp01(((px - a.x) * bx + (py - a.y) * by) / len2) : 0;
  return std::hypot(px - a.x - bx * t, py - a.y - by * t);
}

// Signed distance to a closed polygon, non-zero winding (what the window
// region uses).
float SdPolygon(const std::vector<Pt>& p, float x, float y) {
  float d = 1e9f;
  int winding = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    Pt a = p[i], b = p[(i + 1) % p.size()];
    d = std::min(d, SdSegment(x, y, a, b));
    if (a.y <= y) {
      if (b.y > y && (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y) > 0)
        ++winding;
    } else if (b.y <= y &&
               (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y) < 0) {
      --winding;
    }
  }
  return winding != 0 ? -d : d;
}

// Outward unit normal of a distance field, by central differences.
Pt Normal(const Sdf& f, float x, float y) {
  const float e = 0.5f;
  float nx = f(x + e, y) - f(x - e, y), ny = f(x, y + e) - f(x, y - e);
  float l = std::hypot(nx, ny);
  return l > 1e-6f ? Pt{nx / l, ny / l} : Pt{0, -1};
}

// Pixel loop over a box; the callback gets the pixel and its centre.
template <class F>
void ForBox(const Image& img, Box b, F&& f) {
  int x0 = std::max(0, static_cast<int>(std::floor(b.x0)) - 1);
  int y0 = std::max(0, static_cast<int>(std::floor(b.y0)) - 1);
  int x1 = std::min(img.w - 1, static_cast<int>(std::ceil(b.x1)) + 1);
  int y1 = std::min(img.h - 1, static_cast<int>(std::ceil(b.y1)) + 1);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) f(x, y, x + 0.5f, y + 0.5f);
}

Box Grow(Box b, float m) { return {b.x0 - m, b.y0 - m, b.x1 + m, b.y1 + m}; }
Box Shift(Box b, float dx, float dy) {
  return {b.x0 + dx, b.y0 + dy, b.x1 + dx, b.y1 + dy};
}

// Fills a shape with anti-aliased edges; colour may vary per pixel.
template <class C>
void Fill(Image& img, Box bounds, const Sdf& sdf, C&& colour, float alpha = 1) {
  ForBox(img, bounds, [&](int x, int y, float px, float py) {
    float d = sdf(px, py);
    float cov = Clamp01(0.5f - d);
    if (cov > 0) img.Blend(x, y, colour(px, py, d), cov * alpha);
  });
}
void FillSolid(Image& img, Box bounds, const Sdf& sdf, Rgb c, float alpha = 1) {
  Fill(img, bounds, sdf, [c](float, float, float) { return c; }, alpha);
}

// Soft shadow (or glow) of a shape: fades over `blur` pixels around the edge.
void Shadow(Image& img, Box bounds, const Sdf& sdf, float dx, float dy,
            float blur, Rgb c, float alpha) {
  ForBox(img, Grow(Shift(bounds, dx, dy), blur + 1), [&](int x, int y, float px,
                                                         float py) {
    float d = sdf(px - dx, py - dy);
    float a = 1 - Smooth(-blur, blur, d);
    if (a > 0) img.Blend(x, y, c, a * alpha);
  });
}

// -------------------------------------------------------------- fonts

// Glyph rows are separated by '|'; '#' is ink. Widths vary per glyph, which
// makes the text proportional.
struct GlyphDef {
  char ch;
  const char* rows;
};

// 5x7 with two descender rows: LCD texts and the smaller key legends.
constexpr GlyphDef kSmallFont[] = {
    {'A', "..#..|.#.#.|#...#|#...#|#####|#...#|#...#"},
    {'B', "####.|#...#|#...#|####.|#...#|#...#|####."},
    {'C', ".###.|#...#|#....|#....|#....|#...#|.###."},
    {'D', "###..|#..#.|#...#|#...#|#...#|#..#.|###.."},
    {'E', "#####|#....|#....|####.|#....|#....|#####"},
    {'F', "#####|#....|#....|####.|#....|#....|#...."},
    {'G', ".###.|#...#|#....|#.###|#...#|#...#|.####"},
    {'H', "#...#|#...#|#...#|#####|#...#|#...#|#...#"},
    {'I', "###|.#.|.#.|.#.|.#.|.#.|###"},
    {'J', "..###|...#.|...#.|...#.|...#.|#..#.|.##.."},
    {'K', "#...#|#..#.|#.#..|##...|#.#..|#..#.|#...#"},
    {'L', "#....|#....|#....|#....|#....|#....|#####"},
    {'M', "#...#|##.##|#.#.#|#.#.#|#...#|#...#|#...#"},
    {'N', "#...#|#...#|##..#|#.#.#|#..##|#...#|#...#"},
    {'O', ".###.|#...#|#...#|#...#|#...#|#...#|.###."},
    {'P', "####.|#...#|#...#|####.|#....|#....|#...."},
    {'Q', ".###.|#...#|#...#|#...#|#.#.#|#..#.|.##.#"},
    {'R', "####.|#...#|#...#|####.|#.#..|#..#.|#...#"},
    {'S', ".####|#....|#....|.###.|....#|....#|####."},
    {'T', "#####|..#..|..#..|..#..|..#..|..#..|..#.."},
    {'U', "#...#|#...#|#...#|#...#|#...#|#...#|.###."},
    {'V', "#...#|#...#|#...#|#...#|#...#|.#.#.|..#.."},
    {'W', "#...#|#...#|#...#|#.#.#|#.#.#|#.#.#|.#.#."},
    {'X', "#...#|#...#|.#.#.|..#..|.#.#.|#...#|#...#"},
    {'Y', "#...#|#...#|.#.#.|..#..|..#..|..#..|..#.."},
    {'Z', "#####|....#|...#.|..#..|.#...|#....|#####"},
    {'a', ".....|.....|.###.|....#|.####|#...#|.####"},
    {'b', "#....|#....|#.##.|##..#|#...#|#...#|####."},
    {'c', ".....|.....|.###.|#....|#....|#...#|.###."},
    {'d', "....#|....#|.##.#|#..##|#...#|#...#|.####"},
    {'e', ".....|.....|.###.|#...#|#####|#....|.###."},
    {'f', "..##|.#..|.#..|###.|.#..|.#..|.#.."},
    {'g', ".....|.....|.####|#...#|#...#|#...#|.####|....#|.###."},
    {'h', "#....|#....|#.##.|##..#|#...#|#...#|#...#"},
    {'i', ".#.|...|##.|.#.|.#.|.#.|###"},
    {'j', "...#|....|..##|...#|...#|...#|...#|#..#|.##."},
    {'k', "#...|#...|#..#|#.#.|##..|#.#.|#..#"},
    {'l', "##.|.#.|.#.|.#.|.#.|.#.|###"},
    {'m', ".....|.....|##.#.|#.#.#|#.#.#|#.#.#|#.#.#"},
    {'n', ".....|.....|#.##.|##..#|#...#|#...#|#...#"},
    {'o', ".....|.....|.###.|#...#|#...#|#...#|.###."},
    {'p', ".....|.....|####.|#...#|#...#|#...#|####.|#....|#...."},
    {'q', ".....|.....|.####|#...#|#...#|#...#|.####|....#|....#"},
    {'r', ".....|.....|#.##.|##..#|#....|#....|#...."},
    {'s', ".....|.....|.####|#....|.###.|....#|####."},
    {'t', ".#..|.#..|###.|.#..|.#..|.#.#|..#."},
    {'u', ".....|.....|#...#|#...#|#...#|#..##|.##.#"},
    {'v', ".....|.....|#...#|#...#|#...#|.#.#.|..#.."},
    {'w', ".....|.....|#...#|#...#|#.#.#|#.#.#|.#.#."},
    {'x', ".....|.....|#...#|.#.#.|..#..|.#.#.|#...#"},
    {'y', ".....|.....|#...#|#...#|#...#|#...#|.####|....#|.###."},
    {'z', ".....|.....|#####|...#.|..#..|.#...|#####"},
    {'0', ".###.|#...#|#..##|#.#.#|##..#|#...#|.###."},
    {'1', "..#..|.##..|..#..|..#..|..#..|..#..|.###."},
    {'2', ".###.|#...#|....#|...#.|..#..|.#...|#####"},
    {'3', "#####|...#.|..#..|...#.|....#|#...#|.###."},
    {'4', "...#.|..##.|.#.#.|#..#.|#####|...#.|...#."},
    {'5', "#####|#....|####.|....#|....#|#...#|.###."},
    {'6', "..##.|.#...|#....|####.|#...#|#...#|.###."},
    {'7', "#####|....#|...#.|..#..|.#...|.#...|.#..."},
    {'8', ".###.|#...#|#...#|.###.|#...#|#...#|.###."},
    {'9', ".###.|#...#|#...#|.####|....#|...#.|.##.."},
    {'.', ".|.|.|.|.|.|#"},
    {',', "..|..|..|..|..|.#|.#|#."},
    {':', ".|.|#|.|.|#|."},
    {'-', "....|....|....|####|....|....|...."},
    {'+', ".....|.....|..#..|..#..|#####|..#..|..#.."},
    {'=', "....|....|####|....|####|....|...."},
    {'/', "....#|....#|...#.|..#..|.#...|#....|#...."},
    {'(', "..#|.#.|#..|#..|#..|.#.|..#"},
    {')', "#..|.#.|..#|..#|..#|.#.|#.."},
    {'!', "#|#|#|#|#|.|#"},
    {'?', ".###.|#...#|....#|...#.|..#..|.....|..#.."},
};

// 7x11 bold digits for the numeric keys.
constexpr GlyphDef kBigFont[] = {
    {'0', "..###..|.#####.|##...##|##...##|##...##|##...##|##...##|##...##|"
          "##...##|.#####.|..###.."},
    {'1', "...##..|..###..|.####..|...##..|...##..|...##..|...##..|...##..|"
          "...##..|...##..|.######"},
    {'2', ".#####.|##...##|.....##|.....##|....##.|...##..|..##...|.##....|"
          "##.....|##.....|#######"},
    {'3', ".#####.|##...##|.....##|.....##|..####.|.....##|.....##|.....##|"
          ".....##|##...##|.#####."},
    {'4', "....##.|...###.|..####.|.##.##.|##..##.|##..##.|#######|....##.|"
          "....##.|....##.|....##."},
    {'5', "#######|##.....|##.....|##.....|######.|.....##|.....##|.....##|"
          ".....##|##...##|.#####."},
    {'6', "..####.|.##....|##.....|##.....|######.|##...##|##...##|##...##|"
          "##...##|##...##|.#####."},
    {'7', "#######|.....##|.....##|....##.|....##.|...##..|...##..|..##...|"
          "..##...|..##...|..##..."},
    {'8', ".#####.|##...##|##...##|##...##|.#####.|##...##|##...##|##...##|"
          "##...##|##...##|.#####."},
    {'9', ".#####.|##...##|##...##|##...##|##...##|##...##|.######|.....##|"
          ".....##|....##.|.####.."},
    {'.', "...|...|...|...|...|...|...|...|###|###|###"},
    {'-', ".....|.....|.....|.....|.....|#####|#####|.....|.....|.....|....."},
};

// 3x5 capitals for the letter legends on the digit keys.
constexpr GlyphDef kTinyFont[] = {
    {'A', ".#.|#.#|###|#.#|#.#"},   {'B', "##.|#.#|##.|#.#|##."},
    {'C', ".##|#..|#..|#..|.##"},   {'D', "##.|#.#|#.#|#.#|##."},
    {'E', "###|#..|##.|#..|###"},   {'F', "###|#..|##.|#..|#.."},
    {'G', ".##|#..|#.#|#.#|.##"},   {'H', "#.#|#.#|###|#.#|#.#"},
    {'I', "###|.#.|.#.|.#.|###"},   {'J', "..#|..#|..#|#.#|.#."},
    {'K', "#.#|#.#|##.|#.#|#.#"},   {'L', "#..|#..|#..|#..|###"},
    {'M', "#...#|##.##|#.#.#|#...#|#...#"},
    {'N', "#..#|##.#|#.##|#..#|#..#"},
    {'O', ".#.|#.#|#.#|#.#|.#."},   {'P', "##.|#.#|##.|#..|#.."},
    {'Q', ".#.|#.#|#.#|##.|.##"},   {'R', "##.|#.#|##.|#.#|#.#"},
    {'S', ".##|#..|.#.|..#|##."},   {'T', "###|.#.|.#.|.#.|.#."},
    {'U', "#.#|#.#|#.#|#.#|###"},   {'V', "#.#|#.#|#.#|#.#|.#."},
    {'W', "#...#|#...#|#.#.#|##.##|#...#"},
    {'X', "#.#|#.#|.#.|#.#|#.#"},   {'Y', "#.#|#.#|.#.|.#.|.#."},
    {'Z', "###|..#|.#.|#..|###"},
};

struct Glyph {
  int w = 0;
  std::vector<std::string> rows;
};

struct Font {
  std::array<Glyph, 128> glyphs;
  int spaceWidth = 3;
  template <size_t N>
  Font(const GlyphDef (&defs)[N], int space) : spaceWidth(space) {
    for (const GlyphDef& d : defs) {
      Glyph& g = glyphs[static_cast<unsigned char>(d.ch)];
      std::string_view s = d.rows;
      size_t start = 0;
      for (;;) {
        size_t bar = s.find('|', start);
        g.rows.emplace_back(s.substr(start, bar - start));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
      }
      g.w = static_cast<int>(g.rows[0].size());
    }
  }
};

const Font& SmallFont() {
  static const Font f(kSmallFont, 3);
  return f;
}
const Font& BigFont() {
  static const Font f(kBigFont, 4);
  return f;
}
const Font& TinyFont() {
  static const Font f(kTinyFont, 2);
  return f;
}

int TextWidth(const Font& font, std::string_view text, int scale = 1,
              int bold = 0) {
  int w = 0;
  for (char c : text) {
    const Glyph& g = font.glyphs[static_cast<unsigned char>(c) & 0x7F];
    w += (c == ' ' ? font.spaceWidth : g.w + bold + 1) * scale;
  }
  return w > 0 ? w - scale : 0;
}

// Draws pixel text with its top-left at (x, y). `bold` smears each row to
// the right, which keeps small legends readable on the dark keys.
void DrawText(Image& img, int x, int y, std::string_view text,
              const Font& font, Rgb colour, int scale = 1, int bold = 0,
              float alpha = 1) {
  for (char c : text) {
    if (c == ' ') {
      x += font.spaceWidth * scale;
      continue;
    }
    const Glyph& g = font.glyphs[static_cast<unsigned char>(c) & 0x7F];
    for (size_t row = 0; row < g.rows.size(); ++row)
      for (int col = 0; col < g.w; ++col) {
        if (g.rows[row][col] != '#') continue;
        for (int b = 0; b <= bold; ++b)
          for (int sy = 0; sy < scale; ++sy)
            for (int sx = 0; sx < scale; ++sx)
              img.Blend(x + (col + b) * scale + sx,
                        y + static_cast<int>(row) * scale + sy, colour, alpha);
      }
    x += (g.w + bold + 1) * scale;
  }
}

void DrawTextCentered(Image& img, float cx, int y, std::string_view text,
                      const Font& font, Rgb colour, int scale = 1,
                      int bold = 0, float alpha = 1) {
  int w = TextWidth(font, text, scale, bold);
  DrawText(img, static_cast<int>(std::lround(cx - w * 0.5f)), y, text, font,
           colour, scale, bold, alpha);
}

// ------------------------------------------------------------- the body

// The main window is cut to this outline (client pixels, winding fill).
const std::vector<Pt>& Outline() {
  static const std::vector<Pt> p = {
      {2, 40},    {9, 24},    {14, 18},   {22, 16},   {28, 12},
      {39, 10},   {125, 1},   {212, 10},  {223, 12},  {229, 16},
      {237, 18},  {242, 24},  {249, 40},  {249, 542}, {249, 542},
      {242, 558}, {237, 564}, {229, 566}, {223, 570}, {212, 572},
      {125, 581}, {39, 572},  {28, 570},  {22, 566},  {14, 564},
      {9, 558},   {2, 542},   {2, 40}};
  return p;
}

// Light comes from the upper left and slightly in front.
constexpr float kLx = -0.38f, kLy = -0.62f, kLz = 0.69f;

constexpr float kHeadBottom = 47;  // seam between the scanner head and panel
constexpr float kFootTop = 545;    // seam between the panel and the foot
constexpr float kRim = 6;          // width of the rounded outer edge

const Rgb kOutside = Hex(0x121315);
const Rgb kRubber = Hex(0x232529);
const Rgb kPanel = Hex(0x33363b);

void DrawBody(Image& img) {
  const auto& poly = Outline();
  Sdf body = [&poly](float x, float y) { return SdPolygon(poly, x, y); };
  for (int y = 0; y < img.h; ++y) {
    for (int x = 0; x < img.w; ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      float d = body(px, py);
      // Pixels just outside the outline stay dark: the window region is cut
      // without anti-aliasing, so whatever survives there must not glow.
      if (d > 0.5f) {
        img.At(x, y) = kOutside;
        continue;
      }
      float t = -d;
      bool rubber = py < kHeadBottom || py > kFootTop;
      // Slight barrel shading across the width.
      float u = (px - 125.5f) / 125.0f;
      float barrel = 1.0f - 0.18f * u * u;
      Rgb base = rubber ? kRubber : Mix(Hex(0x3a3d43), kPanel, py / kHeight);
      base = Scale(base, barrel);
      base = Lift(base, Noise(x, y) * (rubber ? 0.018f : 0.012f));

      if (t < kRim) {
        // Rounded edge: tilt the surface normal outwards towards the rim.
        Pt n = Normal(body, px, py);
        float s = 1.0f - t / kRim;
        s = std::sqrt(s);
        float nz = std::sqrt(std::max(0.0f, 1 - s * s));
        float nx = n.x * s, ny = n.y * s;
        float diff = nx * kLx + ny * kLy + nz * kLz;
        Rgb edge = Scale(kRubber, std::max(0.25f, diff / kLz));
        // Specular glint along the lit side of the edge.
        float hz = nz * 2 * diff - kLz;
        float spec = std::pow(std::max(0.0f, hz), 18.0f) * 0.22f;
        edge = Lift(edge, spec);
        float k = Smooth(kRim, kRim - 2.0f, t);
        base = Mix(base, edge, k);
        // The outermost pixel is the silhouette line.
        if (t < 1.0f) base = Mix(base, kOutside, 0.55f * (1 - t));
      }
      img.At(x, y) = base;
    }
  }

  // Seams between the rubber head / foot and the plastic front panel:
  // a dark groove with a lit lower lip.
  for (float sy : {kHeadBottom, kFootTop}) {
    for (int x = 0; x < img.w; ++x) {
      float px = x + 0.5f;
      float t = -body(px, sy);
      if (t < kRim) continue;
      float a = Smooth(kRim, kRim + 3, t);
      int y = static_cast<int>(sy);
      img.Blend(x, y - 1, Hex(0x0c0d0f), 0.55f * a);
      img.Blend(x, y, Hex(0x0c0d0f), 0.8f * a);
      img.Blend(x, y + 1, Hex(0x6a6e75), 0.35f * a);
    }
  }
}

// ------------------------------------------------------------- the head

void DrawScannerWindow(Image& img) {
  Box win{78, 13, 173, 28};
  Sdf sd = [win](float x, float y) { return SdRoundRect(x, y, win, 5); };
  // Recess around the window.
  Shadow(img, win, sd, 0, 0, 2.5f, Hex(0x050505), 0.8f);
  FillSolid(img, Grow(win, 1.2f),
            [win](float x, float y) { return SdRoundRect(x, y, Grow(win, 1.2f), 6.2f); },
            Hex(0x0a0a0b));
  Fill(img, win, sd, [win](float x, float y, float d) {
    float v = (y - win.y0) / (win.y1 - win.y0);
    // Deep red glass, darker at the bottom; a faint red line where the
    // laser exits.
    Rgb c = Mix(Hex(0x5c0d10), Hex(0x120203), Smooth(0.0f, 1.0f, v));
    float line = std::exp(-std::pow((y - 21.0f) / 1.2f, 2.0f));
    float u = std::fabs(x - 125.5f) / 44.0f;
    c = Mix(c, Hex(0xa0181c), line * 0.45f * (1 - u * u));
    // Inner shadow under the upper frame.
    c = Scale(c, 0.55f + 0.45f * Smooth(0.0f, 3.0f, -d));
    return c;
  });
  // Gloss on the upper half of the glass.
  Box gloss{82, 14.5f, 169, 19.5f};
  Fill(img, gloss,
       [gloss](float x, float y) { return SdRoundRect(x, y, gloss, 2.5f); },
       [](float, float, float) { return Hex(0xffd0d0); },
       0.16f);
}

void DrawLed(Image& img, float cx, float cy, Rgb on, float level) {
  Sdf ring = [cx, cy](float x, float y) { return SdCircle(x, y, cx, cy, 3.4f); };
  Sdf lens = [cx, cy](float x, float y) { return SdCircle(x, y, cx, cy, 2.5f); };
  Box b{cx - 4, cy - 4, cx + 4, cy + 4};
  FillSolid(img, b, ring, Hex(0x0b0c0d));
  if (level > 0.5f) Shadow(img, b, lens, 0, 0, 4.5f, on, 0.35f * level);
  Fill(img, b, lens, [=](float x, float y, float) {
    float r = std::hypot(x - cx + 0.7f, y - cy + 0.7f) / 2.5f;
    Rgb dim = Scale(on, 0.28f);
    Rgb c = Mix(dim, on, level);
    return Mix(Lift(c, 0.35f * level + 0.1f), c, Clamp01(r));
  });
}

// Speaker grille, mirror image of the menu key across the head.
void DrawSpeaker(Image& img) {
  const float cx = 51, cy = 28;
  for (int j = -2; j <= 2; ++j) {
    for (int i = -2; i <= 2; ++i) {
      if (i * i + j * j > 5) continue;
      float hx = cx + i * 4.0f, hy = cy + j * 4.0f;
      Box b{hx - 2, hy - 2, hx + 2, hy + 2};
      Sdf hole = [hx, hy](float x, float y) { return SdCircle(x, y, hx, hy, 1.3f); };
      // Lit lower lip, then the dark hole.
      FillSolid(img, Shift(b, 0, 0.6f),
                [hx, hy](float x, float y) { return SdCircle(x, y, hx, hy + 0.6f, 1.3f); },
                Hex(0x4a4e55), 0.7f);
      FillSolid(img, b, hole, Hex(0x060607));
    }
  }
}

// The menu key: a round button with three bars in the square
// (188,16)-(211,39); the program opens its pop-up menu there.
void DrawMenuKey(Image& img) {
  const float cx = 200, cy = 28;
  Box well{188, 16, 212, 40};
  Sdf wellSd = [=](float x, float y) { return SdCircle(x, y, cx, cy, 11.8f); };
  Sdf cap = [=](float x, float y) { return SdCircle(x, y, cx, cy, 9.6f); };
  // Recessed collar.
  Fill(img, well, wellSd, [=](float x, float y, float) {
    float v = ((y - cy) + (x - cx) * 0.3f) / 12.0f;  // dark top, lit bottom
    return Mix(Hex(0x0d0e10), Hex(0x4b4f56), Smooth(-0.6f, 1.0f, v));
  });
  Shadow(img, well, cap, 0.4f, 1.0f, 1.6f, Hex(0x000000), 0.7f);
  Fill(img, well, cap, [=](float x, float y, float d) {
    float v = (y - (cy - 9.6f)) / 19.2f;
    Rgb c = Mix(Hex(0x8a9099), Hex(0x4a4f57), v);
    // Bevel: a bright upper rim and a dark lower one.
    Pt n{(x - cx) / 9.6f, (y - cy) / 9.6f};
    float rim = Smooth(2.0f, 0.0f, -d);
    float lit = -(n.x * kLx + n.y * kLy) / std::hypot(kLx, kLy);
    c = Lift(c, -rim * lit * 0.22f);
    // Soft spot highlight.
    float spot = std::exp(-(std::pow(x - cx + 3, 2.0f) + std::pow(y - cy + 4, 2.0f)) / 18.0f);
    return Lift(c, spot * 0.12f);
  });
  // Three bars, engraved in near-white.
  for (int i = -1; i <= 1; ++i) {
    float by = cy + i * 4.0f;
    Pt a{cx - 4.5f, by}, b{cx + 4.5f, by};
    Box bb{cx - 6, by - 2, cx + 6, by + 2};
    FillSolid(img, Shift(bb, 0, 0.8f),
              [=](float x, float y) { return SdSegment(x, y, {a.x, a.y + 0.8f}, {b.x, b.y + 0.8f}) - 0.9f; },
              Hex(0x2a2d33), 0.6f);
    FillSolid(img, bb, [=](float x, float y) { return SdSegment(x, y, a, b) - 0.95f; },
              Hex(0xf4f6f8));
  }
}

void DrawHead(Image& img) {
  DrawScannerWindow(img);
  DrawSpeaker(img);
  // Status LEDs: power (lit green), charge (amber, off), radio (blue, lit).
  DrawLed(img, 108.5f, 38, Hex(0x38e060), 1.0f);
  DrawLed(img, 125.5f, 38, Hex(0xffa020), 0.0f);
  DrawLed(img, 142.5f, 38, Hex(0x3aa0ff), 0.85f);
  DrawMenuKey(img);
}

// ------------------------------------------------------------- the screen

const Box kBezel{14, 53, 237, 268};
const Box kGlass{21, 60, 230, 261};
// The designer paints its preview screen over this rectangle.
const Box kLcd{fw::kLcdLeft, fw::kLcdTop, fw::kLcdLeft + fw::kLcdWidth, fw::kLcdTop + fw::kLcdHeight};

void DrawLcd(Image& img) {
  const Box l = kLcd;
  // Backlit panel: cool white, a touch brighter in the middle.
  ForBox(img, l, [&](int x, int y, float px, float py) {
    if (px < l.x0 || px > l.x1 || py < l.y0 || py > l.y1) return;
    float u = (px - 125.5f) / 96.0f, v = (py - 150) / 86.0f;
    img.At(x, y) = Lift(Hex(0xeef3f7), -0.05f * (u * u + v * v));
  });

  const int x0 = static_cast<int>(l.x0), x1 = static_cast<int>(l.x1);
  auto bar = [&](int ya, int yb, Rgb top, Rgb bottom, int xa, int xb) {
    for (int y = ya; y < yb; ++y)
      for (int x = xa; x < xb; ++x)
        img.At(x, y) = Mix(top, bottom, (y - ya) / float(yb - ya - 1));
  };

  // Title bar.
  const int ty = static_cast<int>(l.y0);
  bar(ty, ty + 24, Hex(0x2f6fb8), Hex(0x1b4a86), x0, x1);
  bar(ty + 24, ty + 25, Hex(0x12345e), Hex(0x12345e), x0, x1);
  DrawText(img, x0 + 8, ty + 5, "Formwright", SmallFont(), Hex(0xffffff), 2);
  // Battery (three of four bars) at the right of the title bar.
  {
    int bx = x1 - 24, by = ty + 8;
    Rgb w = Hex(0xffffff);
    for (int x = bx; x < bx + 16; ++x) {
      img.At(x, by) = w;
      img.At(x, by + 8) = w;
    }
    for (int y = by; y <= by + 8; ++y) {
      img.At(bx, y) = w;
      img.At(bx + 15, y) = w;
    }
    for (int y = by + 3; y <= by + 5; ++y) {
      img.At(bx + 16, y) = w;
      img.At(bx + 17, y) = w;
    }
    for (int k = 0; k < 3; ++k)
      for (int y = by + 2; y <= by + 6; ++y)
        for (int x = bx + 2 + k * 4; x < bx + 5 + k * 4; ++x)
          img.At(x, y) = Hex(0x9fe8a8);
  }

  // Menu, first line selected.
  const char* items[] = {"1. Collect", "2. Browse", "3. Settings"};
  for (int i = 0; i < 3; ++i) {
    int iy = ty + 33 + i * 28;
    bool sel = i == 0;
    if (sel) {
      bar(iy, iy + 24, Hex(0x4f9be6), Hex(0x2f7bd0), x0 + 4, x1 - 4);
    }
    DrawText(img, x0 + 12, iy + 5, items[i], SmallFont(),
             sel ? Hex(0xffffff) : Hex(0x1c2530), 2);
  }
  // Hint line.
  DrawText(img, x0 + 12, ty + 126, "Select 1-3, ENT", SmallFont(),
           Hex(0x6a7684));

  // Status row.
  const int sy = static_cast<int>(l.y1) - 16;
  bar(sy, sy + 1, Hex(0xa9b4c0), Hex(0xa9b4c0), x0, x1);
  bar(sy + 1, static_cast<int>(l.y1), Hex(0xdde4ea), Hex(0xcfd7df), x0, x1);
  DrawText(img, x0 + 6, sy + 4, "Ready", SmallFont(), Hex(0x23303d));
  DrawText(img, x1 - 6 - TextWidth(SmallFont(), "12:30"), sy + 4, "12:30",
           SmallFont(), Hex(0x23303d));
  // Signal bars in the middle of the status row.
  for (int k = 0; k < 4; ++k) {
    int h = 3 + 2 * k;
    for (int y = sy + 12 - h; y < sy + 12; ++y)
      for (int x = 120 + k * 3; x < 122 + k * 3; ++x)
        img.At(x, y) = k < 3 ? Hex(0x23303d) : Hex(0xa9b4c0);
  }
}

void DrawScreen(Image& img) {
  // Bezel: a slightly lighter, raised frame around the glass.
  Sdf bezel = [](float x, float y) { return SdRoundRect(x, y, kBezel, 9); };
  Shadow(img, kBezel, bezel, 0, 1.5f, 2.5f, Hex(0x000000), 0.45f);
  Fill(img, kBezel, bezel, [bezel](float x, float y, float d) {
    float v = (y - kBezel.y0) / (kBezel.y1 - kBezel.y0);
    Rgb c = Mix(Hex(0x4d5158), Hex(0x41444a), v);
    c = Lift(c, Noise(static_cast<int>(x), static_cast<int>(y)) * 0.01f);
    float t = -d;
    if (t < 2.5f) {
      Pt n = Normal(bezel, x, y);
      float lit = (n.x * kLx + n.y * kLy) / std::hypot(kLx, kLy);
      c = Lift(c, lit * 0.09f * (1 - t / 2.5f));
    }
    return c;
  });

  // Black glass, set into the bezel.
  Sdf glass = [](float x, float y) { return SdRoundRect(x, y, kGlass, 5); };
  Fill(img, kGlass, glass, [glass](float x, float y, float d) {
    Rgb c = Hex(0x0b0c0e);
    // Recess: the upper and left glass edge sits in the bezel's shadow.
    float t = -d;
    if (t < 2.0f) {
      Pt n = Normal(glass, x, y);
      float lit = (n.x * kLx + n.y * kLy) / std::hypot(kLx, kLy);
      c = Lift(c, -lit * 0.12f * (1 - t / 2.0f));
    }
    return c;
  });

  DrawLcd(img);

  // Inner shadow where the glass frame overlaps the panel.
  ForBox(img, kLcd, [&](int x, int y, float px, float py) {
    if (px < kLcd.x0 || px > kLcd.x1 || py < kLcd.y0 || py > kLcd.y1) return;
    float e = std::min(px - kLcd.x0, py - kLcd.y0);
    float a = 0.35f * (1 - Smooth(0.0f, 3.0f, e));
    img.Blend(x, y, Hex(0x000000), a);
  });

  DrawTextCentered(img, 125.5f, 245, "VARNOK", SmallFont(), Hex(0x9aa0a8), 1,
                   1);

  // Glass reflection: a soft diagonal sheen across the upper left.
  ForBox(img, kGlass, [&](int x, int y, float px, float py) {
    float d = glass(px, py);
    if (d > 0) return;
    float k = py + 0.55f * px;
    float a = Smooth(150, 110, k) * 0.07f + Smooth(4, 0, std::fabs(k - 178)) * 0.025f;
    img.Blend(x, y, Hex(0xffffff), a * Clamp01(-d));
  });
}

// ------------------------------------------------------------- the keys

enum class KeyShape { Rect, Circle, Ring, Side };
enum class Dir { Up, Left, Right, Down };
enum class Legend { Text, Digit, Arrow, Enter, None };

struct Key {
  int code;
  KeyShape shape;
  Box box;           // rectangle, or the bounds of the circle or ring
  float radius;      // corner radius, or circle radius
  Dir dir = Dir::Up;
  Legend legend = Legend::Text;
  const char* label = "";
  const char* letters = "";
  Rgb face = Hex(0x3b3e44);
  Rgb ink = Hex(0xf2f4f6);
};

// Navigation ring geometry.
constexpr float kNavX = 125.5f, kNavY = 316.5f;
constexpr float kNavOuter = 39, kNavInner = 17.5f, kNavGap = 2.2f;

float KeySdf(const Key& k, float x, float y) {
  switch (k.shape) {
    case KeyShape::Rect:
    case KeyShape::Side:
      return SdRoundRect(x, y, k.box, k.radius);
    case KeyShape::Circle:
      return SdCircle(x, y, kNavX, kNavY, k.radius);
    case KeyShape::Ring: {
      float dx = x - kNavX, dy = y - kNavY;
      float r = std::hypot(dx, dy);
      float ring = std::max(r - kNavOuter, kNavInner + kNavGap - r);
      // Rotate so that the key's own wedge points up.
      float ux = dx, uy = dy;
      switch (k.dir) {
        case Dir::Up: break;
        case Dir::Down: uy = -dy; break;
        case Dir::Left: ux = dy; uy = dx; break;
        case Dir::Right: ux = dy; uy = -dx; break;
      }
      float wedge = (std::fabs(ux) + uy) * 0.70710678f + kNavGap * 0.5f;
      return std::max(ring, wedge);
    }
  }
  return 1e9f;
}

std::vector<Key> Keys() {
  std::vector<Key> keys;
  // Soft keys beside the navigation ring.
  const Rgb soft = Hex(0x50545b);
  const Box fl{20, 283, 74, 307}, fl2{20, 326, 74, 350};
  const Box fr{177, 283, 231, 307}, fr2{177, 326, 231, 350};
  auto text = [&](int code, Box b, const char* label, Rgb face, Rgb ink) {
    Key k{code, KeyShape::Rect, b, 6};
    k.label = label;
    k.face = face;
    k.ink = ink;
    keys.push_back(k);
  };
  text(1, fl, "F1", soft, Hex(0xf2f4f6));
  text(2, fl2, "F2", soft, Hex(0xf2f4f6));
  text(3, fr, "F3", soft, Hex(0xf2f4f6));
  text(4, fr2, "F4", soft, Hex(0xf2f4f6));

  // Navigation ring and the Enter key in its centre.
  const Box navBox{kNavX - kNavOuter, kNavY - kNavOuter, kNavX + kNavOuter,
                   kNavY + kNavOuter};
  const Dir dirs[] = {Dir::Up, Dir::Left, Dir::Right, Dir::Down};
  const int dirCodes[] = {5, 6, 8, 9};
  for (int i = 0; i < 4; ++i) {
    Key k{dirCodes[i], KeyShape::Ring, navBox, 0, dirs[i], Legend::Arrow};
    k.face = Hex(0x3f434a);
    keys.push_back(k);
  }
  {
    Key k{7, KeyShape::Circle, Grow({kNavX, kNavY, kNavX, kNavY}, kNavInner),
          kNavInner, Dir::Up, Legend::Enter};
    k.face = Hex(0x6a717b);
    keys.push_back(k);
  }

  // Keypad: 4 x 4, columns symmetric about the centre line.
  const float colX[] = {20, 75, 130, 185};
  const float rowY[] = {366, 408, 450, 492};
  const float kw = 46, kh = 34;
  struct Pad {
    const char* label;
    const char* letters;
    Legend legend;
  };
  const Pad pad[4][4] = {
      {{"1", "", Legend::Digit}, {"2", "ABC", Legend::Digit},
       {"3", "DEF", Legend::Digit}, {"ESC", "", Legend::Text}},
      {{"4", "GHI", Legend::Digit}, {"5", "JKL", Legend::Digit},
       {"6", "MNO", Legend::Digit}, {"BS", "", Legend::Text}},
      {{"7", "PQRS", Legend::Digit}, {"8", "TUV", Legend::Digit},
       {"9", "WXYZ", Legend::Digit}, {"FN", "", Legend::Text}},
      {{".", "", Legend::Digit}, {"0", "", Legend::Digit},
       {"-", "", Legend::Digit}, {"ENT", "", Legend::Text}},
  };
  int code = 10;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      const Pad& p = pad[r][c];
      Key k{code++, KeyShape::Rect,
            {colX[c], rowY[r], colX[c] + kw, rowY[r] + kh}, 6};
      k.legend = p.legend;
      k.label = p.label;
      k.letters = p.letters;
      if (c == 3) k.face = Hex(0x484c53);
      std::string_view l = p.label;
      if (l == "ESC") k.ink = Hex(0xff8a80);
      if (l == "FN") k.ink = Hex(0xffb347);
      if (l == "ENT") {
        k.face = Hex(0x2f8f46);
        k.ink = Hex(0xffffff);
      }
      keys.push_back(k);
    }

  // Scan triggers on both flanks, where the thumb and finger rest.
  for (int side = 0; side < 2; ++side) {
    Box b = side == 0 ? Box{1.5f, 292, 8.5f, 352} : Box{242.5f, 292, 249.5f, 352};
    Key k{26 + side, KeyShape::Side, b, 3.5f, Dir::Up, Legend::None};
    k.face = Hex(0xf0a41e);
    keys.push_back(k);
  }
  return keys;
}

void DrawArrow(Image& img, const Key& k, float ox, float oy, Rgb ink) {
  // Triangle pointing away from the centre, halfway across the ring.
  float mid = (kNavOuter + kNavInner + kNavGap) * 0.5f + 0.5f;
  float dx = 0, dy = -1;
  switch (k.dir) {
    case Dir::Up: break;
    case Dir::Down: dy = 1; break;
    case Dir::Left: dx = -1; dy = 0; break;
    case Dir::Right: dx = 1; dy = 0; break;
  }
  float cx = kNavX + dx * mid + ox, cy = kNavY + dy * mid + oy;
  float px = -dy, py = dx;  // perpendicular
  std::vector<Pt> tri = {{cx + dx * 3.5f, cy + dy * 3.5f},
                         {cx - dx * 2.5f + px * 5, cy - dy * 2.5f + py * 5},
                         {cx - dx * 2.5f - px * 5, cy - dy * 2.5f - py * 5}};
  Box b{cx - 7, cy - 7, cx + 7, cy + 7};
  FillSolid(img, b, [&tri](float x, float y) { return SdPolygon(tri, x, y) - 0.3f; },
            ink);
}

void DrawEnterSymbol(Image& img, float ox, float oy, Rgb ink) {
  float cx = kNavX + ox, cy = kNavY + oy;
  Pt a{cx + 6, cy - 6}, b{cx + 6, cy + 2}, c{cx - 4, cy + 2};
  Box bb{cx - 10, cy - 9, cx + 9, cy + 8};
  FillSolid(img, bb, [=](float x, float y) {
    return std::min(SdSegment(x, y, a, b), SdSegment(x, y, b, c)) - 1.1f;
  }, ink);
  std::vector<Pt> head = {{cx - 8.5f, cy + 2}, {cx - 3.0f, cy - 2.5f},
                          {cx - 3.0f, cy + 6.5f}};
  FillSolid(img, bb, [&head](float x, float y) { return SdPolygon(head, x, y) - 0.2f; },
            ink);
}

// Draws one key; a pressed key sinks by a pixel and goes darker.
void DrawKey(Image& img, const Key& k, bool pressed) {
  const float off = pressed ? 1.0f : 0.0f;
  Sdf shape = [&k, off](float x, float y) { return KeySdf(k, x - off, y - off); };
  Sdf rest = [&k](float x, float y) { return KeySdf(k, x, y); };
  Box b = Shift(k.box, off, off);
  const bool side = k.shape == KeyShape::Side;

  // Well the key sits in, then its shadow.
  if (!side) {
    FillSolid(img, Grow(k.box, 2),
              [&rest](float x, float y) { return rest(x, y) - 1.0f; },
              Hex(0x16171a), 0.75f);
    if (pressed)
      Shadow(img, k.box, rest, 0.5f, 0.5f, 0.8f, Hex(0x000000), 0.35f);
    else
      Shadow(img, k.box, rest, 0.4f, 1.8f, 1.8f, Hex(0x000000), 0.6f);
  }

  const float dark = pressed ? 0.74f : 1.0f;
  Rgb face = Scale(k.face, dark);
  Fill(img, b, shape, [&](float x, float y, float d) {
    float v = Clamp01((y - b.y0) / std::max(1.0f, b.y1 - b.y0));
    // Slightly domed cap: brighter towards the top.
    Rgb c = Mix(Lift(face, 0.06f), Lift(face, -0.05f), v);
    float t = -d;
    const float bevel = side ? 2.2f : 2.6f;
    if (t < bevel) {
      Pt n = Normal(shape, x, y);
      float lit = (n.x * kLx + n.y * kLy) / std::hypot(kLx, kLy);
      float amount = (pressed ? 0.08f : 0.16f) * (1 - t / bevel);
      c = Lift(c, lit * amount);
    }
    // Dark hairline on the very edge separates the cap from its well.
    if (t < 0.9f) c = Mix(c, Hex(0x0e0f11), 0.45f * (1 - t / 0.9f));
    return c;
  });

  if (!pressed && !side) {
    // Gloss along the top of the cap.
    ForBox(img, b, [&](int x, int y, float px, float py) {
      float d = shape(px, py);
      float dUp = shape(px, py - 2.2f);
      if (d < -0.6f && dUp > -0.4f) img.Blend(x, y, Hex(0xffffff), 0.10f);
    });
  }

  if (side) {
    // Grip ribs across the trigger.
    for (int i = 0; i < 7; ++i) {
      float ry = k.box.y0 + 9 + i * 7 + off;
      for (int x = static_cast<int>(k.box.x0); x < static_cast<int>(k.box.x1) + 1; ++x) {
        float px = x + 0.5f;
        if (shape(px, ry) > -1.0f) continue;
        img.Blend(x, static_cast<int>(ry), Scale(face, 0.6f), 0.8f);
        img.Blend(x, static_cast<int>(ry) + 1, Lift(face, 0.12f), 0.5f);
      }
    }
    return;
  }

  Rgb ink = pressed ? Scale(k.ink, 0.82f) : k.ink;
  const int io = static_cast<int>(off);
  const float cx = (k.box.x0 + k.box.x1) * 0.5f + off;
  const int cy = static_cast<int>(std::lround((k.box.y0 + k.box.y1) * 0.5f)) + io;
  switch (k.legend) {
    case Legend::Arrow:
      DrawArrow(img, k, off, off, ink);
      break;
    case Legend::Enter:
      DrawEnterSymbol(img, off, off, ink);
      break;
    case Legend::Digit: {
      const Font& big = BigFont();
      std::string_view letters = k.letters;
      int glyphTop = letters.empty() ? cy - 6 : cy - 10;
      DrawTextCentered(img, cx, glyphTop, k.label, big, ink);
      if (!letters.empty())
        DrawTextCentered(img, cx, glyphTop + 14, letters, TinyFont(),
                         Mix(ink, Hex(0xffb347), 0.8f), 1, 0, 0.95f);
      break;
    }
    case Legend::Text:
      DrawTextCentered(img, cx, cy - 4, k.label, SmallFont(), ink, 1, 1);
      break;
    case Legend::None:
      break;
  }
}

// Tight pixel rectangle of a key as it may be painted: the cap in both
// states, its shadow and the one-pixel shift.
struct KeyRect {
  int x, y, w, h;
};

KeyRect RectOf(const Key& k) {
  int x0 = kWidth, y0 = kHeight, x1 = -1, y1 = -1;
  Box scan = Grow(k.box, 4);
  for (int y = std::max(0, int(scan.y0)); y < std::min(kHeight, int(scan.y1) + 1); ++y)
    for (int x = std::max(0, int(scan.x0)); x < std::min(kWidth, int(scan.x1) + 1); ++x)
      if (KeySdf(k, x + 0.5f, y + 0.5f) < 0.5f) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
      }
  const bool side = k.shape == KeyShape::Side;
  // Room for the well on the top and left, the shadow below and the shift.
  x0 = std::max(0, x0 - (side ? 0 : 1));
  y0 = std::max(0, y0 - 1);
  x1 = std::min(kWidth - 1, x1 + (side ? 1 : 2));
  y1 = std::min(kHeight - 1, y1 + (side ? 1 : 3));
  return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

// ------------------------------------------------------------- assembly

Image DrawBase() {
  Image img(kWidth, kHeight, kOutside);
  DrawBody(img);
  DrawHead(img);
  DrawScreen(img);
  // Microphone pinhole in the foot: a lit lower lip under a dark hole.
  FillSolid(img, Box{121, 555, 130, 564},
            [](float x, float y) { return SdCircle(x, y, 125.5f, 560.2f, 1.8f); },
            Hex(0x4a4e55), 0.7f);
  FillSolid(img, Box{121, 555, 130, 564},
            [](float x, float y) { return SdCircle(x, y, 125.5f, 559.5f, 1.8f); },
            Hex(0x060607));
  return img;
}

Image DrawFace(const Image& base, const std::vector<Key>& keys, int pressed) {
  Image img = base;
  for (const Key& k : keys) DrawKey(img, k, k.code == pressed);
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: facegen <output-directory>\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);

  const std::vector<Key> keys = Keys();
  const Image base = DrawBase();
  const Image face = DrawFace(base, keys, 0);

  auto write = [&dir](int id, const Image& img) {
    auto path = dir / ("face_" + std::to_string(id) + ".bmp");
    if (!WriteBmp(path, img)) {
      std::fprintf(stderr, "facegen: cannot write %s\n", path.string().c_str());
      return false;
    }
    return true;
  };
  if (!write(500, face)) return 1;

  std::printf("key   x    y    w    h\n");
  for (int code = 1; code <= 27; ++code) {
    const Key* key = nullptr;
    for (const Key& k : keys)
      if (k.code == code) key = &k;
    if (!key) {
      std::fprintf(stderr, "facegen: no key %d\n", code);
      return 1;
    }
    KeyRect r = RectOf(*key);
    Image down = DrawFace(base, keys, code);
    if (!write(500 + code, face.Crop(r.x, r.y, r.w, r.h)) ||
        !write(527 + code, down.Crop(r.x, r.y, r.w, r.h)))
      return 1;
    std::printf("%3d %4d %4d %4d %4d\n", code, r.x, r.y, r.w, r.h);
  }
  return 0;
}
