#include "tools/artgen/sub_art.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/shading.h"
#include "tools/artgen/shapes.h"

namespace kv::artgen {
namespace {

float Fw(int v) { return static_cast<float>(v); }

Image Facing(const Canvas& leftFacing, bool facingRight) {
  const Image img = leftFacing.ToImage();
  return facingRight ? MirrorX(img) : img;
}

Rgb Steel(float y, float top, float bottom, Rgb base) {
  const float v = std::clamp((y - top) / std::max(1.0f, bottom - top), 0.0f, 1.0f);
  return base * (1.25f - 0.6f * v);
}

}  // namespace

Image DrawSubShip(bool facingRight) {
  Canvas c(41, 43);
  const Rgb grey = Hex(0x8890A0);
  // Mast and radar, funnel, bridge, gun: all drawn facing left, the bow at x = 0.
  FillFlat(c, Capsule{{16, 2}, {16, 20}, 0.7f}, Hex(0x505860));
  FillFlat(c, Capsule{{12, 6}, {20, 6}, 0.6f}, Hex(0x505860));
  FillFlat(c, Circle{{16, 2}, 1.4f}, Hex(0xFF3020));
  Fill(c, Polygon{{{23, 11}, {30, 11}, {31, 21}, {22, 21}}}, [&](float x, float) { return HullLight(26.5f, 4.5f, x, Hex(0xB04030)); });
  FillFlat(c, Polygon{{{23, 11}, {30, 11}, {30, 13}, {23, 13}}}, Hex(0x202020));
  Fill(c, Polygon{{{12, 18}, {22, 18}, {22, 21}, {33, 21}, {33, 30}, {11, 30}}}, [&](float, float y) { return Steel(y, 18, 30, grey); });
  for (int k = 0; k < 3; ++k) FillFlat(c, Polygon{{{13.5f + Fw(k) * 3, 20}, {15.5f + Fw(k) * 3, 20}, {15.5f + Fw(k) * 3, 22}, {13.5f + Fw(k) * 3, 22}}}, Hex(0x80E0FF));
  FillFlat(c, Capsule{{3, 26}, {9, 26}, 0.8f}, Hex(0x404850));
  Fill(c, Ellipse{{9.5f, 28}, 3.2f, 2.2f}, [&](float x, float y) { return SphereLight({9.5f, 28}, 3.2f, x, y, grey, Hex(0xFFFFFF)); });
  // The hull, a dark red waterline band at its bottom.
  Fill(c, Polygon{{{0.5f, 29}, {40.5f, 30}, {39, 40}, {6, 40}}}, [&](float, float y) {
    return y > 37.5f ? Hex(0xA02020) : Steel(y, 29, 40, Hex(0x707888));
  });
  FillFlat(c, Polygon{{{34, 26}, {39, 26}, {39, 30}, {34, 30}}}, Hex(0x303030));
  FillFlat(c, Polygon{{{6, 40}, {39, 40}, {38, 42.5f}, {8, 42.5f}}}, Hex(0x701818));
  return Facing(c, facingRight);
}

Image DrawDepthCharge() {
  Canvas c(6, 6);
  Fill(c, Circle{{3, 3}, 2.8f}, [&](float x, float y) { return SphereLight({3, 3}, 2.8f, x, y, Hex(0x404040), Hex(0xFFFFFF)); });
  FillFlat(c, Polygon{{{0.5f, 2.6f}, {5.5f, 2.6f}, {5.5f, 3.4f}, {0.5f, 3.4f}}}, Hex(0xC0A030));
  return c.ToImage();
}

Image DrawPlane(bool facingRight) {
  Canvas c(23, 19);
  const Rgb body = Hex(0x607048);
  // Tail fin and tailplane at the back (right), then the fuselage, the wing and the propeller.
  FillFlat(c, Polygon{{{17, 9}, {21, 2}, {22.5f, 2}, {22, 10}}}, body * 0.8f);
  FillFlat(c, Polygon{{{16, 11}, {22.5f, 10}, {22.5f, 12}, {16, 12.5f}}}, body * 0.7f);
  Fill(c, Ellipse{{11.5f, 10.5f}, 10, 2.8f}, [&](float, float y) { return Steel(y, 7.7f, 13.3f, body); });
  FillFlat(c, Ellipse{{7.5f, 8.3f}, 2.6f, 1.6f}, Hex(0x90D0F0));
  Fill(c, Polygon{{{6, 11}, {14, 11}, {12.5f, 17.5f}, {8.5f, 17.5f}}}, [&](float, float y) { return Steel(y, 11, 17.5f, body * 0.9f); });
  FillFlat(c, Circle{{10.5f, 14.5f}, 1.5f}, Hex(0xE03030));
  FillFlat(c, Ellipse{{1.2f, 10.5f}, 0.9f, 5.5f}, Hex(0xA0A0A0), 0.8f);
  FillFlat(c, Circle{{2, 10.5f}, 1.2f}, Hex(0x303030));
  return Facing(c, facingRight);
}

Image DrawSubmarine(bool facingRight) {
  Canvas c(36, 10);
  const Rgb hull = Hex(0x4A5A50);
  FillFlat(c, Capsule{{21, 0.6f}, {21, 3}, 0.5f}, Hex(0x303830));
  Fill(c, Polygon{{{17, 1.8f}, {23, 1.8f}, {24.5f, 5}, {16, 5}}}, [&](float, float y) { return Steel(y, 1.8f, 5, hull); });
  Fill(c, Ellipse{{17.5f, 6.8f}, 16.8f, 2.8f}, [&](float, float y) { return Steel(y, 4, 9.6f, hull); });
  FillFlat(c, Polygon{{{33, 4}, {35.5f, 3}, {35.5f, 9.5f}, {33, 8.5f}}}, hull * 0.7f);
  for (int k = 0; k < 3; ++k) FillFlat(c, Circle{{6 + Fw(k) * 4, 6.6f}, 0.8f}, Hex(0xE0E080));
  return Facing(c, facingRight);
}

Image DrawSinkingSub(bool facingRight) {
  Canvas c(37, 19);
  const Rgb hull = Hex(0x4A5A50);
  // Nose down to the left, smoke and bubbles rising from the stern.
  FillFlat(c, Capsule{{4, 14.5f}, {30, 6}, 2.9f}, hull);
  FillFlat(c, Polygon{{{14, 7.5f}, {20, 5.5f}, {22, 8.8f}, {15.5f, 11}}}, hull * 0.85f);
  FillFlat(c, Capsule{{8, 14}, {26, 8}, 0.8f}, hull * 1.3f);
  Glow(c, {24, 8}, 4, Hex(0xFF8020), 0.8f);
  Rng rng(6301);
  for (int k = 0; k < 8; ++k) {
    const Pt b{rng.Range(20, 36), rng.Range(0.8f, 6)};
    FillFlat(c, Circle{b, rng.Range(0.6f, 1.3f)}, Hex(0xD0F0FF), 0.9f);
  }
  return Facing(c, facingRight);
}

Image DrawBossSub() {
  Canvas c(70, 34);
  const Rgb hull = Hex(0x3A2A30);
  // Launch tubes above the spots where its bombs leave (17 and 55 pixels from the left).
  for (float x : {17.0f, 55.0f}) FillFlat(c, Polygon{{{x - 3, 12}, {x + 3, 12}, {x + 3.5f, 20}, {x - 3.5f, 20}}}, Hex(0x605058));
  FillFlat(c, Capsule{{38, 1}, {38, 6}, 0.7f}, Hex(0x303030));
  Fill(c, Polygon{{{29, 4}, {44, 4}, {47, 18}, {27, 18}}}, [&](float, float y) { return Steel(y, 4, 18, Hex(0x5A3038)); });
  FillFlat(c, Polygon{{{31, 8}, {42, 8}, {42, 10}, {31, 10}}}, Hex(0xFFC030));
  Fill(c, Ellipse{{35, 24}, 33.5f, 8}, [&](float, float y) { return Steel(y, 16, 32, hull); });
  for (int k = 0; k < 9; ++k) {
    FillFlat(c, Polygon{{{8 + Fw(k) * 6, 26.5f}, {11 + Fw(k) * 6, 26.5f}, {13 + Fw(k) * 6, 28.5f}, {10 + Fw(k) * 6, 28.5f}}}, Hex(0xE0C020));
  }
  FillFlat(c, Polygon{{{64, 17}, {69.5f, 13}, {69.5f, 33}, {64, 30}}}, hull * 0.8f);
  for (float x : {10.0f, 20.0f, 50.0f, 58.0f}) {
    FillFlat(c, Circle{{x, 21.5f}, 1.6f}, Hex(0xFF3020));
    Glow(c, {x, 21.5f}, 3.5f, Hex(0xFF2000), 0.6f);
  }
  return c.ToImage();
}

Image DrawSplash(int image) {
  Canvas c(67, 60);
  const float t = Fw(image) / 3;
  const Pt base{33.5f, 50};
  // A flash and fireball early; a column of white water rising and falling back late.
  if (image <= 1) {
    Glow(c, {base.x, base.y - 6}, 16 + 8 * t * 3, Hex(0xFFE0A0), 1.3f - t);
    Fill(c, Circle{{base.x, base.y - 8}, 8 + 10 * t}, [&](float x, float y) {
      const float n = Fbm(x * 0.25f, y * 0.25f, 6401u + static_cast<std::uint32_t>(image), 3);
      return FireColour(0.55f + 0.45f * n - t * 0.6f);
    });
  }
  Rng rng(6410);
  const float height = 14 + 34 * std::min(1.0f, t * 1.6f);
  for (int k = 0; k < 60; ++k) {
    const float u = rng.Range(-1, 1);
    const float v = rng.Range(0, 1);
    const float fall = image == 3 ? v * 6 : 0.0f;
    const Pt drop{base.x + u * (8 + 20 * t) * (0.4f + v), base.y - v * height * (1 - 0.45f * u * u) + fall};
    const float r = rng.Range(0.8f, 2.4f) * (image == 3 ? 0.7f : 1.0f);
    FillFlat(c, Circle{drop, r}, Mix(Hex(0xFFFFFF), Hex(0x80C0E0), rng.Next()));
  }
  FillFlat(c, Ellipse{{base.x, base.y + 3}, 12 + 14 * t, 3}, Hex(0xE0F4FF));
  return c.ToImage();
}

Image DrawSeaBackground() {
  constexpr int kW = 400, kH = 360, kWater = 117;
  Canvas c(kW, kH);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      Rgb col;
      if (y < kWater) {
        const float v = Fw(y) / kWater;
        col = Mix(Hex(0x3A78D0), Hex(0xC8E4F8), v * v);
        const float cloud = std::clamp((Fbm(Fw(x) * 0.012f, Fw(y) * 0.035f, 6501, 5) - 0.5f) * 3, 0.0f, 1.0f);
        col = Mix(col, Hex(0xFFFFFF), cloud * (0.4f + 0.5f * (1 - v)));
      } else {
        const float v = Fw(y - kWater) / Fw(kH - kWater);
        col = Mix(Hex(0x2A7EA8), Hex(0x06183A), std::sqrt(v));
        const float wave = Fbm(Fw(x) * 0.03f, Fw(y) * 0.12f, 6502, 4);
        col = col * (0.85f + 0.3f * wave);
        if (y < kWater + 3) col = Mix(col, Hex(0xE0F4FF), 0.5f);
        const float ray = std::max(0.0f, std::sin(Fw(x) * 0.03f + Fw(y) * 0.01f)) * (1 - v) * 0.12f;
        col = col + Hex(0x80C0E0) * ray;
      }
      c.Paint(x, y, col, 1);
    }
  }
  Fill(c, Circle{{330, 34}, 16}, [&](float, float) { return Hex(0xFFF8D0); });
  Glow(c, {330, 34}, 45, Hex(0xFFF0B0), 0.4f);
  return c.ToImage(0);
}

Image MaskOf(const Image& sprite) {
  Image mask = sprite;
  for (std::uint32_t& p : mask.pixels) p = p == 0 ? 0xFFFFFF : 0x000000;
  return mask;
}

}  // namespace kv::artgen
