#include "platform/render/painter.h"

namespace kv::render {
namespace {

// One row of a sprite with black left out. The rows never overlap; saying so lets the compiler
// turn the select into vector code, which matters with hundreds of sprites a frame.
void KeyedRow(const std::uint32_t* __restrict src, std::uint32_t* __restrict dst, int n) {
  for (int i = 0; i < n; ++i) dst[i] = src[i] != 0 ? src[i] : dst[i];
}

}  // namespace

void Painter::Pixel(int x, int y, std::uint32_t rgb, const Rect& clip) const {
  if (clip.Contains(x, y)) target_.pixels[static_cast<std::size_t>(y) * target_.width + x] = rgb;
}

void Painter::Fill(const Rect& r, std::uint32_t rgb, const Rect& clip) const {
  const Rect c = r.Intersect(clip);
  if (c.Empty()) return;
  for (int y = c.top; y < c.bottom; ++y) {
    std::uint32_t* row = target_.pixels.data() + static_cast<std::size_t>(y) * target_.width;
    std::fill(row + c.left, row + c.right, rgb);
  }
}

void Painter::Outline(const Rect& r, std::uint32_t rgb, const Rect& clip) const {
  if (r.Empty()) return;
  Fill({r.left, r.top, r.right, r.top + 1}, rgb, clip);
  Fill({r.left, r.bottom - 1, r.right, r.bottom}, rgb, clip);
  Fill({r.left, r.top, r.left + 1, r.bottom}, rgb, clip);
  Fill({r.right - 1, r.top, r.right, r.bottom}, rgb, clip);
}

void Painter::Blit(const Image& image, int x, int y, bool skipBlack, const Rect& clip) const {
  const Rect c = Rect{x, y, x + image.width, y + image.height}.Intersect(clip);
  if (c.Empty()) return;
  for (int ty = c.top; ty < c.bottom; ++ty) {
    const std::uint32_t* src = image.pixels.data() + static_cast<std::size_t>(ty - y) * image.width + (c.left - x);
    std::uint32_t* dst = target_.pixels.data() + static_cast<std::size_t>(ty) * target_.width + c.left;
    const int n = c.right - c.left;
    if (!skipBlack) {
      std::copy(src, src + n, dst);
      continue;
    }
    KeyedRow(src, dst, n);
  }
}

}  // namespace kv::render
