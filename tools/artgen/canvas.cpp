#include "tools/artgen/canvas.h"

#include <algorithm>

namespace kv::artgen {

namespace {

std::uint32_t Channel(float v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      rgb_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)),
      solid_(rgb_.size(), 0.0f) {}

void Canvas::Paint(int x, int y, Rgb c, float cover) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || cover <= 0) return;
  const std::size_t i = Index(x, y);
  const float a = std::min(cover, 1.0f);
  rgb_[i] = Mix(rgb_[i], c, a);
  solid_[i] = solid_[i] + a * (1 - solid_[i]);
}

void Canvas::AddLight(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  rgb_[Index(x, y)] = rgb_[Index(x, y)] + c;
}

void Canvas::Dim(float k) {
  for (Rgb& c : rgb_) c = c * k;
}

void Canvas::Stamp(const Image& image, int x, int y) {
  for (int j = 0; j < image.height; ++j) {
    for (int i = 0; i < image.width; ++i) {
      const std::uint32_t p = image.At(i, j);
      if (p != 0) Paint(x + i, y + j, Hex(p), 1);
    }
  }
}

void Canvas::FadeEdges(int margin) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const int edge = std::min({x, y, width_ - 1 - x, height_ - 1 - y});
      if (edge >= margin) continue;
      const float k = static_cast<float>(edge) / static_cast<float>(margin);
      rgb_[Index(x, y)] = rgb_[Index(x, y)] * (k * k);
      solid_[Index(x, y)] *= k;
    }
  }
}

Image Canvas::ToImage(int lightCut) const {
  Image img;
  img.width = width_;
  img.height = height_;
  img.pixels.resize(rgb_.size());
  for (std::size_t i = 0; i < rgb_.size(); ++i) {
    const std::uint32_t r = Channel(rgb_[i].r), g = Channel(rgb_[i].g), b = Channel(rgb_[i].b);
    std::uint32_t p = r << 16 | g << 8 | b;
    if (solid_[i] >= 0.5f) {
      if (p == 0) p = 0x010101;
    } else if ((r * 77 + g * 150 + b * 29) >> 8 < static_cast<std::uint32_t>(lightCut)) {
      // Judged by brightness as the eye sees it: a deep blue haze is as dark as a grey one.
      p = 0;
    }
    img.pixels[i] = p;
  }
  return img;
}

void Glow(Canvas& canvas, Pt centre, float radius, Rgb colour, float strength) {
  GlowEllipse(canvas, centre, radius, radius, colour, strength);
}

void GlowEllipse(Canvas& canvas, Pt centre, float rx, float ry, Rgb colour, float strength) {
  const int x0 = std::max(0, static_cast<int>(std::floor(centre.x - rx)));
  const int x1 = std::min(canvas.Width(), static_cast<int>(std::ceil(centre.x + rx)) + 1);
  const int y0 = std::max(0, static_cast<int>(std::floor(centre.y - ry)));
  const int y1 = std::min(canvas.Height(), static_cast<int>(std::ceil(centre.y + ry)) + 1);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const float dx = (static_cast<float>(x) + 0.5f - centre.x) / rx;
      const float dy = (static_cast<float>(y) + 0.5f - centre.y) / ry;
      const float d = std::sqrt(dx * dx + dy * dy);
      if (d >= 1) continue;
      const float k = (1 - d) * (1 - d) * strength;
      canvas.AddLight(x, y, colour * k);
    }
  }
}

Image TurnQuarter(const Image& image) {
  Image out;
  out.width = image.height;
  out.height = image.width;
  out.pixels.resize(image.pixels.size());
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const int nx = image.height - 1 - y, ny = x;
      out.pixels[static_cast<std::size_t>(ny) * static_cast<std::size_t>(out.width) + nx] = image.At(x, y);
    }
  }
  return out;
}

Image MirrorX(const Image& image) {
  Image out = image;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      out.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + x] =
          image.At(image.width - 1 - x, y);
    }
  }
  return out;
}

}  // namespace kv::artgen
