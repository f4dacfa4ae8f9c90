#include "tools/artgen/shot_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "tools/artgen/shading.h"
#include "tools/artgen/shapes.h"

namespace kv::artgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
float Fw(int v) { return static_cast<float>(v); }

}  // namespace

Image DrawTracer(int picture, int w, int h) {
  // Slant in degrees from straight up, negative to the left, as the volley's pictures fly.
  constexpr std::array<float, 7> kSlant{0, 22, -22, -38, 38, -52, 52};
  Canvas c(w, h);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float a = kSlant[static_cast<std::size_t>(picture - 1)] * kPi / 180;
  const float len = std::min(Fw(w), Fw(h)) * 0.4f;
  const Pt dir{std::sin(a), -std::cos(a)};
  const Pt head{mid.x + dir.x * len, mid.y + dir.y * len};
  const Pt tail{mid.x - dir.x * len, mid.y - dir.y * len};
  GlowEllipse(c, mid, len * 0.75f, len * 0.75f, Hex(0xFF8010), 0.6f);
  FillFlat(c, Capsule{tail, head, 1.5f}, Hex(0xFFB030), 0.85f);
  FillFlat(c, Capsule{{mid.x + dir.x * len * 0.1f, mid.y + dir.y * len * 0.1f}, head, 1.0f}, Hex(0xFFFFC0));
  return c.ToImage();
}

Image DrawBeam(int level, int levels, std::uint32_t core, std::uint32_t glow, int w, int h) {
  Canvas c(w, h);
  const float k = Fw(level) / Fw(levels);
  const float half = 1.2f + (Fw(w) / 2 - 3.5f) * k;
  const float cx = Fw(w) / 2;
  for (int y = 0; y < h; ++y) {
    // The beam's ends taper so that a stream of them reads as one continuous ray.
    const float v = (Fw(y) + 0.5f) / Fw(h);
    const float taper = std::min(1.0f, std::min(v, 1 - v) * 8);
    for (int x = 0; x < w; ++x) {
      const float d = std::abs(Fw(x) + 0.5f - cx) / (half * taper + 0.01f);
      const float ripple = 0.9f + 0.1f * std::sin(Fw(y) * 0.7f + Fw(level));
      if (d < 1) {
        c.Paint(x, y, Mix(Hex(0xFFFFFF), Hex(core), std::min(1.0f, d * 1.6f)) * ripple, 1 - d * d * 0.4f);
      } else if (d < 2.2f) {
        c.AddLight(x, y, Hex(glow) * ((2.2f - d) / 1.2f * 0.7f * taper));
      }
    }
  }
  return c.ToImage();
}

Image DrawScatterSpark(int picture, int count, int w, int h) {
  Canvas c(w, h);
  const float strength = 1 - Fw(picture - 1) / Fw(count);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float r = 1.8f + 3.4f * strength;
  const float a = Fw(picture) * 0.5f;
  const Rgb col = Mix(Hex(0x8040FF), Hex(0xFF60E0), strength);
  Glow(c, mid, r * 1.4f, col, 0.9f);
  for (int k = 0; k < 2; ++k) {
    const float b = a + kPi / 2 * Fw(k);
    FillFlat(c, Capsule{{mid.x - std::cos(b) * r, mid.y - std::sin(b) * r}, {mid.x + std::cos(b) * r, mid.y + std::sin(b) * r}, 0.6f},
             Mix(col, Hex(0xFFFFFF), 0.6f));
  }
  FillFlat(c, Circle{mid, 0.9f + strength}, Hex(0xFFFFFF));
  return c.ToImage();
}

Image DrawWave(int level, int levels, int w, int h) {
  Canvas c(w, h);
  const float k = Fw(level) / Fw(levels);
  const float W = Fw(w), H = Fw(h);
  // An arc bowed forward (upward); it spans more of the picture and thickens with the level.
  const float span = W * (0.18f + 0.3f * k);
  const float thick = 2.5f + 5.5f * k;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const float u = (Fw(x) + 0.5f - W / 2) / span;
      if (std::abs(u) > 1.1f) continue;
      const float arcY = H * 0.72f - (1 - u * u) * H * (0.25f + 0.25f * k);
      const float d = std::abs(Fw(y) + 0.5f - arcY) / thick;
      const float ends = std::clamp((1.05f - std::abs(u)) * 5, 0.0f, 1.0f);
      const float band = std::max(0.0f, 1 - d) * ends;
      const float halo = std::max(0.0f, 1 - d / 2.5f) * ends * 0.35f;
      if (band > 0) c.Paint(x, y, Mix(Hex(0x30FF90), Hex(0xF0FFF0), band), band);
      if (halo > 0) c.AddLight(x, y, Hex(0x20C060) * halo);
    }
  }
  c.FadeEdges(3);
  return c.ToImage();
}

Image DrawMissile(int w, int h) {
  Canvas c(w, h);
  const Frame f{Fw(w) / 2, Fw(h) / 2, Fw(w) / 2, Fw(h) / 2};
  GlowEllipse(c, f(0, 0.75f), Fw(w) * 0.16f, Fw(h) * 0.28f, Hex(0xFF7010), 0.9f);
  FillFlat(c, Ellipse{f(0, 0.72f), Fw(w) * 0.07f, Fw(h) * 0.14f}, Hex(0xFFE080));
  // Fins, body and a red warhead.
  FillFlat(c, MirroredPoly(f, {{0.12f, 0.15f}, {0.42f, 0.5f}, {0.42f, 0.65f}, {0.12f, 0.5f}}), Hex(0x905050));
  Fill(c, MirroredPoly(f, {{0.0f, -0.95f}, {0.1f, -0.72f}, {0.13f, -0.4f}, {0.13f, 0.5f}}),
       [&](float x, float y) { return HullLight(f.cx, Fw(w) * 0.13f, x, y < f(0, -0.45f).y ? Hex(0xE03020) : Hex(0xD0D0D8)); });
  return c.ToImage();
}

Image DrawBlade(int picture, int count, int w, int h) {
  Canvas c(w, h);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float R = Fw(w) * 0.47f;
  const float turn = kPi / 2 * Fw(picture - 1) / Fw(count);
  for (int k = 0; k < 4; ++k) {
    const float a = turn + kPi / 2 * Fw(k);
    const Pt tip{mid.x + std::cos(a) * R, mid.y + std::sin(a) * R};
    const Pt back{mid.x + std::cos(a + 0.9f) * R * 0.35f, mid.y + std::sin(a + 0.9f) * R * 0.35f};
    const Pt front{mid.x + std::cos(a - 0.5f) * R * 0.3f, mid.y + std::sin(a - 0.5f) * R * 0.3f};
    Fill(c, Polygon{{front, tip, back, mid}}, [&](float x, float y) {
      const float lit = 0.6f + 0.5f * std::cos(a - 2.3f) + 0.2f * std::sin((x + y) * 0.6f);
      return Hex(0xC8D0DC) * std::clamp(lit, 0.35f, 1.3f);
    });
    FillFlat(c, Capsule{front, tip, 0.4f}, Hex(0xFFFFFF), 0.8f);
  }
  Fill(c, Circle{mid, R * 0.2f}, [&](float x, float y) { return SphereLight(mid, R * 0.2f, x, y, Hex(0x606870), Hex(0xFFFFFF)); });
  FillFlat(c, Circle{mid, R * 0.07f}, Hex(0x101418));
  return c.ToImage();
}

Image DrawSpikedMine(int picture, int w, int h) {
  Canvas c(w, h);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float r = std::min(Fw(w), Fw(h)) * 0.3f;
  for (int k = 0; k < 8; ++k) {
    const float a = kPi / 4 * Fw(k);
    FillFlat(c, Capsule{mid, {mid.x + std::cos(a) * r * 1.55f, mid.y + std::sin(a) * r * 1.55f}, 0.7f}, Hex(0x9098A0));
  }
  Fill(c, Circle{mid, r}, [&](float x, float y) { return SphereLight(mid, r, x, y, Hex(0x505860), Hex(0xFFFFFF)); });
  const bool lit = picture == 1;
  FillFlat(c, Circle{mid, r * 0.42f}, lit ? Hex(0xFF3020) : Hex(0x501010));
  if (lit) Glow(c, mid, r * 1.3f, Hex(0xFF2010), 0.9f);
  return c.ToImage();
}

Image DrawCanisterMine(int picture, int w, int h) {
  Canvas c(w, h);
  const float W = Fw(w), H = Fw(h);
  const Pt mid{W / 2, H / 2};
  Fill(c, Capsule{{mid.x, H * 0.28f}, {mid.x, H * 0.72f}, W * 0.3f}, [&](float x, float) {
    return HullLight(mid.x, W * 0.3f, x, Hex(0x707850));
  });
  for (float v : {0.35f, 0.65f}) FillFlat(c, Poly(Frame{mid.x, 0, W * 0.32f, H}, {{-1, v}, {1, v}, {1, v + 0.04f}, {-1, v + 0.04f}}), Hex(0xC0A030));
  for (float s : {-1.0f, 1.0f}) FillFlat(c, Capsule{{mid.x + s * W * 0.28f, H * 0.5f}, {mid.x + s * W * 0.44f, H * 0.5f}, 1.0f}, Hex(0x909090));
  const bool lit = picture == 1;
  const Pt lamp{mid.x, H * 0.16f};
  FillFlat(c, Circle{lamp, W * 0.13f}, lit ? Hex(0xFFFF60) : Hex(0x404010));
  if (lit) Glow(c, lamp, W * 0.38f, Hex(0xFFD020), 0.9f);
  return c.ToImage();
}

Image DrawBolt(std::uint32_t core, std::uint32_t glow, int w, int h) {
  Canvas c(w, h);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  GlowEllipse(c, mid, Fw(w) * 0.5f, Fw(h) * 0.5f, Hex(glow), 0.8f);
  FillFlat(c, Ellipse{{mid.x, mid.y - Fw(h) * 0.05f}, Fw(w) * 0.24f, Fw(h) * 0.36f}, Hex(core), 0.9f);
  FillFlat(c, Ellipse{{mid.x, mid.y - Fw(h) * 0.12f}, Fw(w) * 0.12f, Fw(h) * 0.24f}, Hex(0xFFFFFF));
  return c.ToImage();
}

Image DrawOrbShot(std::uint32_t core, std::uint32_t glow, bool flames, int w, int h) {
  Canvas c(w, h);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float R = std::min(Fw(w), Fw(h)) / 2;
  if (flames) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const float dx = Fw(x) + 0.5f - mid.x, dy = Fw(y) + 0.5f - mid.y;
        const float d = std::sqrt(dx * dx + dy * dy) / (R * 0.92f);
        const float n = Fbm(dx * 0.35f + 4, dy * 0.35f + 4, core & 0xFFFF, 3);
        const float k = std::clamp((1 - d) * 1.8f + (n - 0.5f), 0.0f, 1.0f);
        if (k > 0) c.AddLight(x, y, Mix(Hex(glow), Hex(core), k) * std::min(1.0f, k * 2.2f));
      }
    }
    const float r = R * 0.38f;
    Fill(c, Circle{mid, r}, [&](float x, float y) { return SphereLight(mid, r, x, y, Hex(core), Hex(0xFFFFFF)); });
  } else {
    // A small shot must read at a glance: a bright, nearly white heart in a strong halo.
    Glow(c, mid, R * 0.98f, Hex(glow), 1.8f);
    FillFlat(c, Circle{mid, R * 0.55f}, Mix(Hex(core), Hex(0xFFFFFF), 0.35f));
    FillFlat(c, Circle{{mid.x - R * 0.15f, mid.y - R * 0.15f}, R * 0.25f}, Hex(0xFFFFFF));
  }
  return c.ToImage();
}

Image DrawPowerUp(int picture, int count, int w, int h) {
  Canvas c(w, h);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float R = std::min(Fw(w), Fw(h)) * 0.4f;
  // The coin turns about its upright axis: its width follows the cosine of the angle, and the
  // back face shows darker.
  const float angle = 2 * kPi * Fw(picture - 1) / Fw(count);
  const float squash = std::cos(angle);
  const float rx = std::max(2.5f, R * std::abs(squash));
  GlowEllipse(c, mid, rx * 1.25f + 1, R * 1.22f, Hex(0x40FF80), 0.55f);
  const bool front = squash >= 0;
  FillFlat(c, Ellipse{mid, rx, R}, Hex(0xC09020));
  const float edge = std::max(1.0f, std::min(2.5f, rx * 0.2f));
  Fill(c, Ellipse{mid, std::max(1.0f, rx - edge), R - edge}, [&](float x, float y) {
    return SphereLight(mid, R, mid.x + (x - mid.x) * R / rx, y, front ? Hex(0x20B050) : Hex(0x107030), Hex(0xE0FFE0));
  });
  if (rx > R * 0.3f) {
    // The letter P, squeezed with the coin and mirrored on the back face.
    const float s = front ? 1.0f : -1.0f;
    const auto at = [&](float u, float v) { return Pt{mid.x + u * rx * s, mid.y + v * R}; };
    const float stroke = std::max(0.8f, 0.13f * rx);
    const Rgb ink = Hex(0xFFF8D0);
    FillFlat(c, Capsule{at(-0.28f, -0.5f), at(-0.28f, 0.55f), stroke}, ink);
    FillFlat(c, Capsule{at(-0.28f, -0.5f), at(0.12f, -0.5f), stroke}, ink);
    FillFlat(c, Capsule{at(-0.28f, 0.05f), at(0.12f, 0.05f), stroke}, ink);
    for (int k = 0; k <= 8; ++k) {
      const float a0 = -kPi / 2 + kPi * Fw(k) / 8, a1 = -kPi / 2 + kPi * Fw(k + 1) / 8;
      if (k == 8) break;
      FillFlat(c, Capsule{at(0.12f + 0.28f * std::cos(a0), -0.225f + 0.275f * std::sin(a0)),
                          at(0.12f + 0.28f * std::cos(a1), -0.225f + 0.275f * std::sin(a1)), stroke},
               ink);
    }
  }
  // A glint travelling with the turn.
  Glow(c, {mid.x - rx * 0.4f * squash, mid.y - R * 0.45f}, R * 0.3f, Hex(0xFFFFFF), 0.5f * std::abs(squash));
  return c.ToImage();
}

}  // namespace kv::artgen
