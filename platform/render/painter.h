#pragma once
// Drawing primitives on a picture, each clipped to a rectangle that lies inside the picture.
#include <algorithm>
#include <cstdint>

#include "platform/image.h"

namespace kv::render {

// A half-open rectangle in pixels: right and bottom are the first column and row outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool Empty() const { return left >= right || top >= bottom; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  Rect Intersect(const Rect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
  }
};

class Painter {
 public:
  explicit Painter(Image& target) : target_(target) {}

  Image& target() const { return target_; }
  void Pixel(int x, int y, std::uint32_t rgb, const Rect& clip) const;
  void Fill(const Rect& r, std::uint32_t rgb, const Rect& clip) const;
  // The one-pixel frame on the rectangle's edge pixels.
  void Outline(const Rect& r, std::uint32_t rgb, const Rect& clip) const;
  // Copies a picture with its top-left at (x, y); with skipBlack, black pixels let the target show through.
  void Blit(const Image& image, int x, int y, bool skipBlack, const Rect& clip) const;

 private:
  Image& target_;
};

}  // namespace kv::render
