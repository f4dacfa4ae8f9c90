#include "tools/artgen/creature_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/artgen/shading.h"
#include "tools/artgen/shapes.h"

namespace kv::artgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

float Fw(int w) { return static_cast<float>(w); }

void Eye(Canvas& c, Pt at, float r, Rgb iris, float lookDown) {
  Fill(c, Circle{at, r}, [&](float x, float y) { return SphereLight(at, r, x, y, Hex(0xF0F0E0), Hex(0xFFFFFF)); });
  const Pt pupil{at.x, at.y + r * 0.35f * lookDown};
  Fill(c, Circle{pupil, r * 0.55f}, [&](float x, float y) { return SphereLight(pupil, r * 0.55f, x, y, iris, Hex(0xFFFFFF)); });
  FillFlat(c, Ellipse{pupil, r * 0.16f, r * 0.4f}, Hex(0x100000));
  FillFlat(c, Circle{{at.x - r * 0.3f, at.y - r * 0.35f}, r * 0.14f}, Hex(0xFFFFFF));
}

// A rough outline: radius at angle a for a lumpy round shape.
struct Lumpy {
  Pt c;
  float rx, ry;
  std::uint32_t seed;
  float rough;
  float RadiusAt(float a) const {
    const float n = Fbm(std::cos(a) * 1.6f + 5, std::sin(a) * 1.6f + 5, seed, 3);
    return 1 - rough + rough * 2 * n;
  }
  Box Bounds() const { return BoundsOf(c.x - rx * 1.3f, c.y - ry * 1.3f, c.x + rx * 1.3f, c.y + ry * 1.3f); }
  bool Contains(float x, float y) const {
    const float u = (x - c.x) / rx, v = (y - c.y) / ry;
    return std::sqrt(u * u + v * v) <= RadiusAt(std::atan2(v, u));
  }
};

}  // namespace

Image DrawPod(int w, int h) {
  Canvas c(w, h);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float r = Fw(w) * 0.42f;
  Glow(c, mid, r * 1.18f, Hex(0xFF3020), 0.35f);
  Fill(c, Circle{mid, r}, [&](float x, float y) { return SphereLight(mid, r, x, y, Hex(0xE02020), Hex(0xFFD0C0)); });
  // A metal band round the middle with a lit slot: this one carries a power-up.
  Fill(c, Ellipse{mid, r * 1.02f, r * 0.22f}, [&](float x, float) {
    return HullLight(mid.x, r, x, Hex(0xB8B8C0)) * (std::abs(x - mid.x) < r * 0.25f ? 0.6f : 1.0f);
  });
  FillFlat(c, Ellipse{mid, r * 0.2f, r * 0.1f}, Hex(0xFFF060));
  return c.ToImage();
}

Image DrawJellyfish(int w, int h) {
  Canvas c(w, h);
  const float W = Fw(w), H = Fw(h);
  const Pt bell{W / 2, H * 0.34f};
  const float rx = W * 0.36f, ry = H * 0.3f;
  // Tentacles first: wavy strands hanging from the bell's rim, thinning towards their ends.
  Rng rng(19);
  for (int t = 0; t < 11; ++t) {
    const float u = -0.85f + 1.7f * static_cast<float>(t) / 10;
    const float phase = rng.Range(0, 2 * kPi);
    const float length = H * rng.Range(0.45f, 0.62f);
    Pt prev{bell.x + u * rx, bell.y + ry * 0.55f};
    for (int s = 1; s <= 18; ++s) {
      const float k = static_cast<float>(s) / 18;
      const Pt p{bell.x + u * rx * (1 + 0.25f * k) + std::sin(k * 7 + phase) * W * 0.025f, prev.y + length / 18};
      if (p.y > H - 2) break;
      const float thick = 3.2f * (1 - k) + 0.8f;
      FillFlat(c, Capsule{prev, p, thick}, Mix(Hex(0xE03048), Hex(0x801830), k));
      prev = p;
    }
  }
  // The bell: a dome with a frilled rim, lit from above, with glowing spots.
  const auto inBell = [&](float x, float y) {
    const float u = (x - bell.x) / rx, v = (y - bell.y) / ry;
    const float rim = 0.45f + 0.1f * std::sin(u * 14);
    return v <= rim && u * u + (v < 0 ? v * v : 0) <= 1;
  };
  struct Bell {
    decltype(inBell)& in;
    Pt c;
    float rx, ry;
    Box Bounds() const { return BoundsOf(c.x - rx, c.y - ry, c.x + rx, c.y + ry * 0.6f); }
    bool Contains(float x, float y) const { return in(x, y); }
  };
  Fill(c, Bell{inBell, bell, rx, ry}, [&](float x, float y) {
    const Rgb base = SphereLight(bell, rx, x, y, Hex(0xE02838), Hex(0xFFC0C8));
    const float veins = Fbm(x * 0.08f, y * 0.08f, 7, 3);
    return base * (0.8f + 0.4f * veins);
  });
  FillFlat(c, Ellipse{{bell.x, bell.y + ry * 0.42f}, rx * 0.95f, ry * 0.12f}, Hex(0x901828));
  for (float u : {-0.5f, 0.0f, 0.5f}) {
    const Pt spot{bell.x + u * rx, bell.y - ry * (0.25f - 0.2f * std::abs(u))};
    Fill(c, Circle{spot, W * 0.035f}, [&](float x, float y) { return SphereLight(spot, W * 0.035f, x, y, Hex(0xFFE040), Hex(0xFFFFFF)); });
    Glow(c, spot, W * 0.07f, Hex(0xFFB020), 0.5f);
  }
  return c.ToImage();
}

Image DrawOrbCreature(std::uint32_t skin, int w, int h) {
  Canvas c(w, h);
  const float W = Fw(w), H = Fw(h);
  const Pt mid{W / 2, H * 0.46f};
  const float r = std::min(W, H) * 0.33f;
  const Rgb body = Hex(skin);
  // Tendrils reaching out all round, thickest at the body.
  for (int t = 0; t < 9; ++t) {
    const float a = kPi * (0.15f + 0.7f * static_cast<float>(t) / 8) + (t % 2 == 0 ? 0.0f : 0.08f);
    Pt prev{mid.x + std::cos(a) * r * 0.8f, mid.y + std::sin(a) * r * 0.8f};
    for (int s = 1; s <= 12; ++s) {
      const float k = static_cast<float>(s) / 12;
      const float bend = a + 0.35f * std::sin(k * 4 + static_cast<float>(t));
      const float reach = r * (0.8f + 0.75f * k);
      const Pt p{mid.x + std::cos(bend) * reach, mid.y + std::sin(bend) * reach};
      FillFlat(c, Capsule{prev, p, r * 0.1f * (1.1f - k) + 0.8f}, body * (0.75f - 0.3f * k));
      prev = p;
    }
  }
  // Horns over the top.
  for (float s : {-1.0f, 1.0f}) {
    Fill(c, Polygon{{{mid.x + s * r * 0.35f, mid.y - r * 0.7f}, {mid.x + s * r * 0.95f, mid.y - r * 1.35f},
                     {mid.x + s * r * 0.7f, mid.y - r * 0.55f}}},
         [&](float x, float) { return HullLight(mid.x + s * r * 0.65f, r * 0.3f, x, Hex(0xC8C090)); });
  }
  Fill(c, Lumpy{mid, r, r, 24, 0.06f}, [&](float x, float y) {
    const float skinNoise = Fbm(x * 0.09f, y * 0.09f, 3, 4);
    return SphereLight(mid, r, x, y, body * (0.75f + 0.5f * skinNoise), Hex(0xE0FFD0));
  });
  Eye(c, {mid.x, mid.y + r * 0.05f}, r * 0.42f, Hex(0xFFB000), 1);
  // A mouth of teeth below the eye.
  for (int i = 0; i < 6; ++i) {
    const float x = mid.x - r * 0.45f + r * 0.18f * static_cast<float>(i);
    FillFlat(c, Polygon{{{x, mid.y + r * 0.58f}, {x + r * 0.16f, mid.y + r * 0.58f}, {x + r * 0.08f, mid.y + r * 0.78f}}},
             Hex(0xF0F0D8));
  }
  return c.ToImage();
}

Image DrawTallCreature(int w, int h) {
  Canvas c(w, h);
  const float W = Fw(w), H = Fw(h);
  const Rgb skin = Hex(0x40B040);
  // Long claws reaching down (towards the player), then a segmented body and a head of eyes.
  for (float s : {-1.0f, 1.0f}) {
    Pt prev{W / 2 + s * W * 0.22f, H * 0.38f};
    const Pt elbow{W / 2 + s * W * 0.44f, H * 0.55f};
    const Pt hand{W / 2 + s * W * 0.36f, H * 0.86f};
    FillFlat(c, Capsule{prev, elbow, W * 0.05f}, skin * 0.7f);
    FillFlat(c, Capsule{elbow, hand, W * 0.04f}, skin * 0.6f);
    for (float k : {-1.0f, 0.0f, 1.0f}) {
      FillFlat(c, Polygon{{{hand.x - W * 0.03f, hand.y}, {hand.x + W * 0.03f, hand.y},
                           {hand.x + k * W * 0.06f, hand.y + H * 0.1f}}},
               Hex(0xE8E8C0));
    }
    prev = elbow;
  }
  for (int seg = 0; seg < 5; ++seg) {
    const Pt p{W / 2, H * (0.2f + 0.13f * static_cast<float>(seg))};
    const float r = W * (0.26f - 0.03f * static_cast<float>(seg));
    Fill(c, Ellipse{p, r, H * 0.085f}, [&](float x, float y) {
      return SphereLight(p, r, x, y, skin * (0.8f + 0.4f * Fbm(x * 0.1f, y * 0.1f, 11, 3)), Hex(0xE0FFC0));
    });
  }
  const Pt head{W / 2, H * 0.13f};
  Fill(c, Ellipse{head, W * 0.3f, H * 0.11f}, [&](float x, float y) { return SphereLight(head, W * 0.3f, x, y, skin, Hex(0xFFFFFF)); });
  for (float s : {-1.0f, 0.0f, 1.0f}) {
    Eye(c, {head.x + s * W * 0.15f, head.y + (s == 0 ? H * 0.02f : -H * 0.01f)}, W * (s == 0 ? 0.085f : 0.06f), Hex(0xFF3020), 1);
  }
  return c.ToImage();
}

Image DrawRingedOrb(int w, int h) {
  Canvas c(w, h);
  const float W = Fw(w), H = Fw(h);
  const Pt mid{W / 2, H / 2};
  const float R = std::min(W, H) / 2 - 1.5f;
  // The metal ring, with bolts, clamps and four spikes outward.
  for (int k = 0; k < 4; ++k) {
    const float a = kPi / 4 + kPi / 2 * static_cast<float>(k);
    const Pt d{std::cos(a), std::sin(a)};
    const Pt n{-d.y, d.x};
    FillFlat(c, Polygon{{{mid.x + d.x * R * 0.78f + n.x * R * 0.1f, mid.y + d.y * R * 0.78f + n.y * R * 0.1f},
                         {mid.x + d.x * R, mid.y + d.y * R},
                         {mid.x + d.x * R * 0.78f - n.x * R * 0.1f, mid.y + d.y * R * 0.78f - n.y * R * 0.1f}}},
             Hex(0x9098A8));
  }
  Fill(c, Ring{mid, R * 0.66f, R * 0.86f}, [&](float x, float y) {
    const float dx = x - mid.x, dy = y - mid.y;
    const float d = std::sqrt(dx * dx + dy * dy);
    const float across = (d - R * 0.76f) / (R * 0.1f);  // -1 inner edge .. 1 outer edge
    const float light = 0.55f + 0.45f * (-(dx + dy) / (d * 1.41f)) * across + 0.3f * (1 - across * across);
    return Hex(0x8890A0) * std::clamp(light, 0.25f, 1.3f);
  });
  for (int k = 0; k < 12; ++k) {
    const float a = 2 * kPi * static_cast<float>(k) / 12;
    const Pt b{mid.x + std::cos(a) * R * 0.76f, mid.y + std::sin(a) * R * 0.76f};
    Fill(c, Circle{b, R * 0.035f}, [&](float x, float y) { return SphereLight(b, R * 0.035f, x, y, Hex(0x505860), Hex(0xFFFFFF)); });
  }
  // Struts holding the orb in the ring.
  for (int k = 0; k < 4; ++k) {
    const float a = kPi / 2 * static_cast<float>(k);
    FillFlat(c, Capsule{{mid.x + std::cos(a) * R * 0.5f, mid.y + std::sin(a) * R * 0.5f},
                        {mid.x + std::cos(a) * R * 0.68f, mid.y + std::sin(a) * R * 0.68f}, R * 0.05f},
             Hex(0x606870));
  }
  const float r = R * 0.56f;
  Glow(c, mid, r * 1.2f, Hex(0xFF2010), 0.6f);
  Fill(c, Circle{mid, r}, [&](float x, float y) {
    const float swirl = Fbm(x * 0.06f + 3, y * 0.06f, 31, 4);
    return SphereLight(mid, r, x, y, Mix(Hex(0xA00808), Hex(0xFF4020), swirl), Hex(0xFFE0D0));
  });
  Glow(c, {mid.x, mid.y + r * 0.1f}, r * 0.5f, Hex(0xFFA040), 0.6f);
  return c.ToImage();
}

Image DrawStoneFace(std::uint32_t stoneColour, bool turrets, int w, int h) {
  Canvas c(w, h);
  const float W = Fw(w), H = Fw(h);
  const Frame f{W / 2, H / 2, W / 2, H / 2};
  const Rgb stone = Hex(stoneColour);
  const auto stoneAt = [&](float x, float y) {
    const float n = Fbm(x * 0.07f, y * 0.07f, 41, 5);
    const float crack = std::abs(Fbm(x * 0.03f + 9, y * 0.03f, 43, 3) - 0.5f) < 0.015f ? 0.5f : 1.0f;
    return stone * ((0.6f + 0.6f * n) * crack);
  };
  // The fortress block: a broad head shape narrowing to the chin.
  Fill(c, MirroredPoly(f, {{0.0f, -0.97f}, {0.55f, -0.93f}, {0.85f, -0.72f}, {0.93f, -0.2f}, {0.85f, 0.3f},
                           {0.62f, 0.75f}, {0.3f, 0.97f}, {0.0f, 0.99f}}),
       [&](float x, float y) { return stoneAt(x, y) * HullLight(f.cx, W * 0.5f, x, Rgb{1, 1, 1}).r; });
  // Brow ridge, nose and cheek shadows carved into the stone.
  FillFlat(c, Poly(f, {{-0.7f, -0.42f}, {0.7f, -0.42f}, {0.6f, -0.3f}, {-0.6f, -0.3f}}), stone * 0.35f);
  Fill(c, Poly(f, {{0.0f, -0.3f}, {0.13f, 0.2f}, {-0.13f, 0.2f}}), [&](float x, float y) { return stoneAt(x, y) * (x > f.cx ? 0.55f : 1.1f); });
  for (float s : {-1.0f, 1.0f}) {
    const Pt eye = f(0.38f * s, -0.16f);
    FillFlat(c, Ellipse{eye, W * 0.15f, H * 0.075f}, Hex(0x181410));
    Fill(c, Ellipse{eye, W * 0.09f, H * 0.04f}, [&](float x, float y) { return SphereLight(eye, W * 0.09f, x, y, Hex(0xFF5010), Hex(0xFFFF80)); });
    Glow(c, eye, W * 0.2f, Hex(0xFF4000), 0.6f);
    FillFlat(c, Poly(f, {{0.55f * s, 0.1f}, {0.75f * s, 0.05f}, {0.7f * s, 0.45f}, {0.5f * s, 0.35f}}), stone * 0.45f);
  }
  // The mouth: a dark gate with teeth, where the fortress fires from.
  FillFlat(c, Poly(f, {{-0.42f, 0.4f}, {0.42f, 0.4f}, {0.32f, 0.7f}, {-0.32f, 0.7f}}), Hex(0x120C08));
  for (int i = 0; i < 6; ++i) {
    const float u = -0.36f + 0.144f * static_cast<float>(i);
    FillFlat(c, Poly(f, {{u, 0.4f}, {u + 0.12f, 0.4f}, {u + 0.06f, 0.52f}}), stone * 1.1f);
  }
  Glow(c, f(0.0f, 0.58f), W * 0.16f, Hex(0xFF6010), 0.5f);
  if (turrets) {
    for (float s : {-1.0f, 1.0f}) {
      const Pt t = f(0.72f * s, -0.72f);
      Fill(c, Circle{t, W * 0.09f}, [&](float x, float y) { return SphereLight(t, W * 0.09f, x, y, Hex(0x707880), Hex(0xFFFFFF)); });
      FillFlat(c, Capsule{t, {t.x, t.y + H * 0.16f}, W * 0.025f}, Hex(0x404850));
    }
  }
  return c.ToImage();
}

Image DrawBlob(int picture, int w, int h) {
  Canvas c(w, h);
  const float W = Fw(w), H = Fw(h);
  const float phase = static_cast<float>(picture - 1) * kPi / 2;
  const Pt mid{W / 2, H / 2};
  const float rx = W * (0.4f + 0.04f * std::sin(phase)), ry = H * (0.4f - 0.04f * std::sin(phase));
  Fill(c, Lumpy{mid, rx, ry, 50u + static_cast<std::uint32_t>(picture), 0.1f}, [&](float x, float y) {
    const float n = Fbm(x * 0.12f + phase, y * 0.12f, 52, 3);
    return SphereLight(mid, std::max(rx, ry), x, y, Mix(Hex(0xB01010), Hex(0xFF3030), n), Hex(0xFFD0D0));
  });
  // Two eyes that look about as it squirms.
  for (float s : {-1.0f, 1.0f}) {
    const Pt e{mid.x + s * W * 0.14f + std::cos(phase) * 1.5f, mid.y - H * 0.06f + std::sin(phase) * 1.0f};
    FillFlat(c, Circle{e, W * 0.09f}, Hex(0xFFF0D0));
    FillFlat(c, Circle{{e.x, e.y + W * 0.03f}, W * 0.045f}, Hex(0x200000));
  }
  FillFlat(c, Ellipse{{mid.x, mid.y + H * 0.18f}, W * 0.14f, H * (0.04f + 0.03f * (picture % 2))}, Hex(0x400000));
  return c.ToImage();
}

Image DrawRock(int picture, int w, int h, std::uint32_t seed) {
  // The rock is drawn in its first pose and turned; odd pictures are the first pose's size.
  const bool turned = picture % 2 == 0;
  const int bw = turned ? h : w, bh = turned ? w : h;
  Canvas c(bw, bh);
  const Pt mid{Fw(bw) / 2, Fw(bh) / 2};
  const float rx = Fw(bw) * 0.43f, ry = Fw(bh) * 0.43f;
  const Lumpy rock{mid, rx, ry, seed, 0.16f};
  Fill(c, rock, [&](float x, float y) {
    const float n = Fbm(x * 0.25f * 18 / rx, y * 0.25f * 18 / rx, seed + 7, 4);
    Rgb g = SphereLight(mid, std::max(rx, ry) * 1.05f, x, y, Hex(0x8C8A86) * (0.7f + 0.5f * n), Hex(0x404040));
    // Craters: dark hollows lit on their lower right rim.
    Rng craters(seed + 99);
    for (int k = 0; k < 5; ++k) {
      const Pt cc{mid.x + craters.Range(-0.55f, 0.55f) * rx, mid.y + craters.Range(-0.55f, 0.55f) * ry};
      const float cr = craters.Range(0.1f, 0.22f) * rx;
      const float dx = x - cc.x, dy = y - cc.y;
      const float d = std::sqrt(dx * dx + dy * dy) / cr;
      if (d < 1) g = g * (0.55f + 0.25f * d + 0.3f * std::max(0.0f, (dx + dy) / cr) * d);
    }
    return g;
  });
  Image img = c.ToImage();
  for (int k = 1; k < picture; ++k) img = TurnQuarter(img);
  return img;
}

}  // namespace kv::artgen
