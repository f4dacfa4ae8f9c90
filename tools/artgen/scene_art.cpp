#include "tools/artgen/scene_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/artgen/shading.h"
#include "tools/artgen/shapes.h"
#include "tools/artgen/ship_art.h"

namespace kv::artgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
float Fw(int v) { return static_cast<float>(v); }

// Scattered stars of varying brightness; a few big ones get a cross of light.
void Stars(Canvas& c, int count, std::uint32_t seed, float brightest) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    const int x = static_cast<int>(rng.Range(0, Fw(c.Width())));
    const int y = static_cast<int>(rng.Range(0, Fw(c.Height())));
    const float b = brightest * std::pow(rng.Next(), 2.5f);
    const Rgb tint = Mix(Hex(0xFFFFFF), rng.Next() < 0.5f ? Hex(0xA0C0FF) : Hex(0xFFE0B0), rng.Next() * 0.6f);
    c.AddLight(x, y, tint * b);
    if (b > brightest * 0.6f) {
      for (int d = 1; d <= 2; ++d) {
        const float k = b * (d == 1 ? 0.45f : 0.18f);
        c.AddLight(x + d, y, tint * k);
        c.AddLight(x - d, y, tint * k);
        c.AddLight(x, y + d, tint * k);
        c.AddLight(x, y - d, tint * k);
      }
    }
  }
}

// A planet lit from the upper right, with banded clouds and a thin glowing atmosphere.
void Planet(Canvas& c, Pt mid, float r, Rgb base, std::uint32_t seed) {
  Glow(c, mid, r * 1.12f, Mix(base, Hex(0xFFFFFF), 0.4f), 0.45f);
  Fill(c, Circle{mid, r}, [&](float x, float y) {
    const float nx = (x - mid.x) / r, ny = (y - mid.y) / r;
    const float nz = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
    const float light = std::max(0.0f, 0.55f * nx - 0.45f * ny + 0.7f * nz);
    const float bands = Fbm(nx * 2.5f, ny * 9 + Fbm(nx * 3, ny * 3, seed, 3) * 2, seed + 1, 4);
    return Mix(base * 0.55f, base * 1.25f, bands) * (0.05f + 0.95f * light);
  });
}

}  // namespace

Image DrawTitle(const TitleLook& look) {
  Canvas c(120, 180);
  Stars(c, 70, 4001, 0.9f);
  Planet(c, {40, 205}, 95, Hex(look.planet), 4002);
  const Image ship = DrawJet({look.hull, look.trim, look.canopy, true, 1.0f}, 64, 58);
  c.Stamp(ship, 40, 34);
  return c.ToImage(0);
}

Image DrawEquipmentShip(const TitleLook& look) {
  Canvas c(76, 80);
  c.Stamp(DrawJet({look.hull, look.trim, look.canopy, true, 0.8f}, 74, 78), 1, 1);
  return c.ToImage();
}

IndexedPicture DrawMenuBackground() {
  constexpr int kW = 328, kH = 433;
  constexpr int kNebula = 160;  // palette 0..159: the nebula from black to its brightest; 160..255: stars
  IndexedPicture pic;
  pic.width = kW;
  pic.height = kH;
  for (int i = 0; i < kNebula; ++i) {
    const float n = Fw(i) / Fw(kNebula - 1);
    const Rgb col = Mix(Hex(0x050818), Mix(Hex(0x201850), Hex(0x502060), n), n);
    pic.palette[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(col.r * 255) << 16 |
                                               static_cast<std::uint32_t>(col.g * 255) << 8 |
                                               static_cast<std::uint32_t>(col.b * 255);
  }
  for (int i = kNebula; i < 256; ++i) {
    const auto g = static_cast<std::uint32_t>(70 + (i - kNebula) * 185 / (255 - kNebula));
    pic.palette[static_cast<std::size_t>(i)] = g << 16 | g << 8 | std::min<std::uint32_t>(255, g + 25);
  }
  pic.indices.resize(static_cast<std::size_t>(kW) * kH);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const float n = Fbm(Fw(x) * 0.012f, Fw(y) * 0.012f, 5001, 5);
      const float band = std::exp(-std::pow((Fw(x) - Fw(y) * 0.5f - 60) / 140.0f, 2.0f));
      const float v = std::clamp((n - 0.35f) * 1.6f * band, 0.0f, 0.6f);
      pic.indices[static_cast<std::size_t>(y) * kW + x] = static_cast<std::uint8_t>(v * (kNebula - 1));
    }
  }
  Rng rng(5002);
  for (int s = 0; s < 180; ++s) {
    const int x = static_cast<int>(rng.Range(1, kW - 1)), y = static_cast<int>(rng.Range(1, kH - 1));
    const float b = std::pow(rng.Next(), 1.8f);
    const auto idx = static_cast<std::uint8_t>(kNebula + static_cast<int>(b * (255 - kNebula)));
    pic.indices[static_cast<std::size_t>(y) * kW + x] = idx;
    if (b > 0.8f) {
      for (const auto& [dx, dy] : {std::pair{-1, 0}, std::pair{1, 0}, std::pair{0, -1}, std::pair{0, 1}}) {
        pic.indices[static_cast<std::size_t>(y + dy) * kW + x + dx] = static_cast<std::uint8_t>(kNebula + 20);
      }
    }
  }
  return pic;
}

Image DrawIntroBackground() {
  Canvas c(600, 600);
  // A nebula drifting across the upper half, kept dark where the credits scroll (right middle).
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 600; ++x) {
      const float n = Fbm(Fw(x) * 0.006f, Fw(y) * 0.006f, 6001, 6);
      const float m = Fbm(Fw(x) * 0.01f + 7, Fw(y) * 0.01f, 6002, 4);
      const float band = std::exp(-std::pow((Fw(y) - 180 - Fw(x) * 0.25f) / 150.0f, 2.0f));
      const float quiet = 1 - 0.65f * std::exp(-std::pow((Fw(x) - 390) / 70.0f, 2.0f) - std::pow((Fw(y) - 335) / 110.0f, 2.0f));
      const float k = std::clamp((n - 0.38f) * 2.2f, 0.0f, 1.0f) * band * quiet;
      c.AddLight(x, y, Mix(Hex(0x2040A0), Hex(0xC03080), m) * (k * 0.55f));
    }
  }
  Stars(c, 900, 6003, 1.0f);
  Planet(c, {130, 560}, 250, Hex(0x3A70C0), 6004);
  // A far sun flaring at the upper right.
  Glow(c, {520, 70}, 140, Hex(0xFFC080), 0.35f);
  Glow(c, {520, 70}, 30, Hex(0xFFFFF0), 1.5f);
  GlowEllipse(c, {520, 70}, 90, 3, Hex(0xFFE0C0), 0.5f);
  GlowEllipse(c, {520, 70}, 3, 90, Hex(0xFFE0C0), 0.5f);
  return c.ToImage(0);
}

Image DrawBlinkPicture(int picture) {
  Canvas c(98, 100);
  const Pt mid{49, 50};
  const bool lit = picture == 2;
  // A round badge: steel rim with lamps, dark glass, the hero's ship in the middle.
  Fill(c, Circle{mid, 47}, [&](float x, float y) { return SphereLight(mid, 47, x, y, Hex(0x707C90), Hex(0xFFFFFF)); });
  Fill(c, Circle{mid, 40}, [&](float, float y) { return Mix(Hex(0x102040), Hex(0x040810), (y - 10) / 80); });
  Fill(c, Ring{mid, 38.5f, 40}, [&](float, float) { return lit ? Hex(0x60E0FF) : Hex(0x204060); });
  for (int k = 0; k < 8; ++k) {
    const float a = kPi / 4 * Fw(k) - kPi / 2;
    const Pt lamp{mid.x + std::cos(a) * 43.5f, mid.y + std::sin(a) * 43.5f};
    FillFlat(c, Circle{lamp, 2.2f}, lit ? Hex(0xFFE060) : Hex(0x504020));
    if (lit) Glow(c, lamp, 6, Hex(0xFFC040), 0.7f);
  }
  if (lit) Glow(c, {mid.x, mid.y + 18}, 22, Hex(0xFF8020), 0.6f);
  c.Stamp(DrawJet({0x7A90B8, 0x3050A0, 0x60D0FF, true, lit ? 1.0f : 0.3f}, 56, 48), 21, 24);
  return c.ToImage(0);
}

Image DrawLogo(const render::Fonts* fonts) {
  constexpr int kW = 285, kH = 108;
  Canvas c(kW, kH);
  // A swoosh of light under the name.
  for (int x = 8; x < kW - 8; ++x) {
    const float u = (Fw(x) - kW / 2.0f) / (kW / 2.0f);
    const float y = 86 + 10 * u * u;
    const float k = 1 - std::abs(u);
    GlowEllipse(c, {Fw(x), y}, 3, 2.5f, Mix(Hex(0xFF6010), Hex(0xFFE080), k), 0.25f * k);
  }
  if (fonts == nullptr) {
    c.Stamp(DrawJet({0x7A90B8, 0x3050A0, 0x60D0FF, true, 1.0f}, 90, 70), kW / 2 - 45, 10);
    return c.ToImage();
  }
  const char* name = "KORVANE";
  // The largest lettering that leaves a margin on both sides.
  ui::FontSpec font{44, true, ui::Face::Sans};
  while (font.sizePt > 8 && fonts->TextWidthPx(font, name) > kW - 24) --font.sizePt;
  const int tw = fonts->TextWidthPx(font, name);
  const int th = fonts->LineHeightPx(font);
  Image mask;
  mask.width = kW;
  mask.height = kH;
  mask.pixels.assign(static_cast<std::size_t>(kW) * kH, 0);
  const int tx = (kW - tw) / 2, ty = (78 - th) / 2 + 4;
  fonts->DrawText(mask, tx, ty, font, name, 0xFFFFFF, 0, 0, kW, kH);
  // The letters in brushed steel, bright at the top and blue below, with a dark outline and an
  // orange rim of light along their lower edges.
  for (int y = 1; y < kH - 1; ++y) {
    for (int x = 1; x < kW - 1; ++x) {
      const float a = static_cast<float>(mask.At(x, y) & 0xFF) / 255.0f;
      float around = 0;
      for (const auto& [dx, dy] : {std::pair{-1, 0}, std::pair{1, 0}, std::pair{0, -1}, std::pair{0, 1}}) {
        around = std::max(around, static_cast<float>(mask.At(x + dx, y + dy) & 0xFF) / 255.0f);
      }
      if (around > a) c.Paint(x, y, Hex(0x081020), (around - a) * 0.9f);
      if (a <= 0) continue;
      const float v = (Fw(y) - Fw(ty)) / Fw(th);
      const float streak = 0.9f + 0.1f * std::sin(Fw(x) * 0.9f + Fw(y) * 0.2f);
      Rgb steel = v < 0.5f ? Mix(Hex(0xFFFFFF), Hex(0xA8B8D8), v * 2) : Mix(Hex(0x5070B0), Hex(0x203060), (v - 0.5f) * 2);
      const float below = static_cast<float>(mask.At(x, y + 1) & 0xFF) / 255.0f;
      if (below < a) steel = Mix(steel, Hex(0xFF9030), 0.8f);
      c.Paint(x, y, steel * streak, a);
    }
  }
  return c.ToImage();
}

Image DrawPortrait() {
  constexpr int kW = 120, kH = 150;
  Canvas c(kW, kH);
  // A studio backdrop, a high purple collar, and the host's grinning alien head.
  Fill(c, Polygon{{{0, 0}, {kW, 0}, {kW, kH}, {0, kH}}}, [&](float x, float y) {
    const float d = std::hypot(x - 60, y - 60) / 110;
    return Mix(Hex(0x803040), Hex(0x200810), d);
  });
  for (int k = 0; k < 12; ++k) Glow(c, {Fw(8 + k * 10), 8}, 7, Hex(0xFFE080), 0.35f);
  const Pt head{60, 62};
  FillFlat(c, Polygon{{{10, 150}, {22, 108}, {60, 124}, {98, 108}, {110, 150}}}, Hex(0x402060));
  Fill(c, Polygon{{{18, 150}, {6, 96}, {40, 118}, {60, 132}, {80, 118}, {114, 96}, {102, 150}}},
       [&](float x, float) { return HullLight(60, 60, x, Hex(0x7030A0)); });
  FillFlat(c, Polygon{{{48, 126}, {60, 150}, {72, 126}}}, Hex(0xE0E0E0));
  Fill(c, Ellipse{{60, 100}, 14, 20}, [&](float x, float) { return HullLight(60, 14, x, Hex(0x70A060)); });
  Fill(c, Ellipse{head, 36, 44}, [&](float x, float y) {
    const float bump = Fbm(x * 0.12f, y * 0.12f, 7001, 3);
    return SphereLight({head.x - 6, head.y - 10}, 50, x, y, Hex(0x78B070) * (0.85f + 0.3f * bump), Hex(0xF0FFE0));
  });
  // Ridged brow and two red, slanted eyes.
  FillFlat(c, Polygon{{{30, 54}, {58, 60}, {58, 63}, {30, 58}}}, Hex(0x304828));
  FillFlat(c, Polygon{{{90, 54}, {62, 60}, {62, 63}, {90, 58}}}, Hex(0x304828));
  for (float s : {-1.0f, 1.0f}) {
    const Pt eye{60 + s * 15, 68};
    FillFlat(c, Ellipse{eye, 10, 5.5f, s * 0.25f}, Hex(0x200808));
    Fill(c, Ellipse{eye, 6.5f, 3.8f, s * 0.25f}, [&](float x, float y) { return SphereLight(eye, 6.5f, x, y, Hex(0xFF2020), Hex(0xFFFFC0)); });
    FillFlat(c, Ellipse{eye, 1.2f, 3.3f}, Hex(0x100000));
    Glow(c, eye, 12, Hex(0xFF2010), 0.35f);
  }
  // A wide grin with pointed teeth.
  FillFlat(c, Polygon{{{36, 88}, {60, 96}, {84, 88}, {78, 98}, {60, 104}, {42, 98}}}, Hex(0x200808));
  for (int k = 0; k < 7; ++k) {
    const float x = 42 + Fw(k) * 6;
    FillFlat(c, Polygon{{{x, 92 + std::abs(Fw(k) - 3) * -0.6f}, {x + 5, 92 + std::abs(Fw(k) - 3) * -0.6f}, {x + 2.5f, 98}}},
             Hex(0xF0F0D0));
  }
  // Antennae.
  for (float s : {-1.0f, 1.0f}) {
    FillFlat(c, Capsule{{60 + s * 14, 22}, {60 + s * 30, 4}, 1.5f}, Hex(0x608858));
    Fill(c, Circle{{60 + s * 30, 4}, 4}, [&](float x, float y) { return SphereLight({60 + s * 30, 4}, 4, x, y, Hex(0xFF4040), Hex(0xFFFFFF)); });
  }
  return c.ToImage(0);
}

}  // namespace kv::artgen
