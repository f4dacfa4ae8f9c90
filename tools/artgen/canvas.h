#pragma once
// A small floating-point drawing surface for the generated art. Shapes are filled with
// antialiased coverage over what is there; light is added on top. Black stays the
// transparent colour when the canvas becomes an Image.
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/image.h"

namespace kv::artgen {

struct Pt {
  float x = 0;
  float y = 0;
};

struct Rgb {
  float r = 0;
  float g = 0;
  float b = 0;
};

constexpr Rgb Hex(std::uint32_t rgb) {
  return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
          static_cast<float>(rgb & 0xFF) / 255.0f};
}
constexpr Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
constexpr Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
constexpr Rgb Mix(Rgb a, Rgb b, float t) { return a * (1 - t) + b * t; }

// A pixel rectangle, right and bottom edges excluded.
struct Box {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

class Canvas {
 public:
  Canvas(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Covers `cover` (0..1) of the pixel with colour c.
  void Paint(int x, int y, Rgb c, float cover);
  // Adds light to the pixel without making it solid.
  void AddLight(int x, int y, Rgb c);
  Rgb At(int x, int y) const { return rgb_[Index(x, y)]; }
  float Solid(int x, int y) const { return solid_[Index(x, y)]; }

  // Scales all the light on the canvas by k.
  void Dim(float k);

  // Lays a picture's non-black pixels over the canvas with their top-left corner at (x, y).
  void Stamp(const Image& image, int x, int y);

  // Dims everything within `margin` pixels of the border to nothing at the border itself, so
  // that light reaching the edge of the picture ends softly instead of in a straight cut.
  void FadeEdges(int margin);

  // Solid pixels never turn transparent black; light dimmer than lightCut (0..255) does, so
  // that a sprite's glow ends cleanly instead of in a dark haze that would hide what lies behind.
  static constexpr int kSpriteCut = 36;
  Image ToImage(int lightCut = kSpriteCut) const;

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + x; }
  int width_;
  int height_;
  std::vector<Rgb> rgb_;
  std::vector<float> solid_;
};

// Fills every pixel the shape covers (4 x 4 samples a pixel) with the shader's colour at the
// pixel's centre. A shape gives Bounds() and Contains(x, y).
template <class Shape, class Shader>
void Fill(Canvas& canvas, const Shape& shape, Shader&& shade, float alpha = 1) {
  const Box b = shape.Bounds();
  const int x0 = b.x0 < 0 ? 0 : b.x0, y0 = b.y0 < 0 ? 0 : b.y0;
  const int x1 = b.x1 > canvas.Width() ? canvas.Width() : b.x1;
  const int y1 = b.y1 > canvas.Height() ? canvas.Height() : b.y1;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
          hits += shape.Contains(static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / 4,
                                 static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / 4)
                      ? 1
                      : 0;
        }
      }
      if (hits == 0) continue;
      const Rgb c = shade(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
      canvas.Paint(x, y, c, alpha * static_cast<float>(hits) / 16.0f);
    }
  }
}

template <class Shape>
void FillFlat(Canvas& canvas, const Shape& shape, Rgb colour, float alpha = 1) {
  Fill(canvas, shape, [colour](float, float) { return colour; }, alpha);
}

// Adds a soft round light: full strength in the middle, falling to nothing at radius.
void Glow(Canvas& canvas, Pt centre, float radius, Rgb colour, float strength);

// An elliptic glow, for beams and flames.
void GlowEllipse(Canvas& canvas, Pt centre, float rx, float ry, Rgb colour, float strength);

// The picture turned a quarter turn clockwise.
Image TurnQuarter(const Image& image);
// The picture mirrored left to right.
Image MirrorX(const Image& image);

}  // namespace kv::artgen
