#include "tools/artgen/effect_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/artgen/shading.h"
#include "tools/artgen/shapes.h"

namespace kv::artgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

float Fw(int v) { return static_cast<float>(v); }
float Progress(int picture, int count) { return count > 1 ? Fw(picture - 1) / Fw(count - 1) : 0.0f; }

// One fireball at age t (0 new .. 1 gone): radius grows fast and slows, the heat falls from
// white through orange to dark smoke, and the whole ball thins out at the end.
void Fireball(Canvas& c, Pt centre, float maxR, float t, std::uint32_t seed) {
  if (t < 0 || t > 1) return;
  const float grow = 1 - (1 - t) * (1 - t) * (1 - t);
  const float R = maxR * (0.2f + 0.8f * grow);
  // It never fades out entirely: the last picture still shows the densest wisps of smoke.
  const float fade = t < 0.45f ? 1.0f : 1 - 0.3f * (t - 0.45f) / 0.55f;
  const float thin = t > 0.6f ? (t - 0.6f) * 1.1f : 0.0f;
  const float scale = 3.2f / maxR;
  const int x0 = std::max(0, static_cast<int>(centre.x - R * 1.3f)), x1 = std::min(c.Width(), static_cast<int>(centre.x + R * 1.3f) + 1);
  const int y0 = std::max(0, static_cast<int>(centre.y - R * 1.3f)), y1 = std::min(c.Height(), static_cast<int>(centre.y + R * 1.3f) + 1);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const float dx = Fw(x) + 0.5f - centre.x, dy = Fw(y) + 0.5f - centre.y;
      const float d = std::sqrt(dx * dx + dy * dy) / R;
      if (d > 1.3f) continue;
      const float n = Fbm(dx * scale + 20, dy * scale - t * 2.5f + 20, seed, 4);
      // Late in its life the ball hollows out into a ragged ring of smoke.
      const float hollow = t > 0.55f ? (t - 0.55f) * 1.6f * std::max(0.0f, 1 - d * 1.4f) : 0.0f;
      const float density = std::clamp((1 - d) * 1.5f + (n - 0.5f) * 1.6f - hollow - thin, 0.0f, 1.0f);
      if (density <= 0) continue;
      const float heat = std::clamp(density * (1.25f - 1.15f * t) + (n - 0.5f) * 0.3f, 0.0f, 1.0f);
      c.AddLight(x, y, FireColour(heat) * (std::min(1.0f, density * 3) * fade * (0.55f + 0.45f * density)));
    }
  }
}

// Debris and embers flying out from the centre, leaving short streaks.
void Embers(Canvas& c, Pt centre, float reach, float t, int count, std::uint32_t seed) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    const float a = rng.Range(0, 2 * kPi);
    const float speed = rng.Range(0.45f, 1.0f);
    const float life = rng.Range(0.5f, 1.0f);
    if (t > life) continue;
    const float k = t / life;
    const float d = reach * speed * (1 - (1 - k) * (1 - k));
    const Pt p{centre.x + std::cos(a) * d, centre.y + std::sin(a) * d};
    const Pt tail{centre.x + std::cos(a) * d * 0.82f, centre.y + std::sin(a) * d * 0.82f};
    const Rgb col = FireColour(1 - k * 0.45f);
    FillFlat(c, Capsule{tail, p, 0.5f + 0.5f * (1 - k)}, col, 0.8f);
    Glow(c, p, 2.5f + 2 * (1 - k), col, 0.5f);
  }
}

}  // namespace

Image DrawExplosion(int picture, int count, int w, int h) {
  Canvas c(w, h);
  const float t = Progress(picture, count);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float maxR = Fw(w) * 0.44f;
  if (t < 0.2f) Glow(c, mid, maxR * (0.5f + 1.5f * t), Hex(0xFFE8B0), 1.4f * (1 - t * 4));
  Fireball(c, mid, maxR, t, 101);
  Fireball(c, {mid.x - maxR * 0.35f, mid.y - maxR * 0.45f}, maxR * 0.55f, t * 1.2f - 0.1f, 102);
  Fireball(c, {mid.x + maxR * 0.3f, mid.y + maxR * 0.5f}, maxR * 0.5f, t * 1.25f - 0.15f, 103);
  Embers(c, mid, std::min(Fw(w), Fw(h)) * 0.48f, t, 14, 104);
  c.FadeEdges(6);
  return c.ToImage();
}

Image DrawBigExplosion(int picture, int count, int w, int h) {
  Canvas c(w, h);
  const float t = Progress(picture, count);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float H = Fw(h);
  // The shock wave: a thin bright ring racing out in the first half.
  if (t < 0.4f) {
    const float r = H * (0.1f + 0.36f * t / 0.4f);
    const float k = 1.2f * (1 - t / 0.4f);
    for (int y = 0; y < c.Height(); ++y) {
      for (int x = 0; x < c.Width(); ++x) {
        const float u = (Fw(x) + 0.5f - mid.x) / (r * 1.3f), v = (Fw(y) + 0.5f - mid.y) / r;
        const float e = std::sqrt(u * u + v * v);
        const float band = std::max(0.0f, 1 - std::abs(e - 1) * 14);
        if (band > 0) c.AddLight(x, y, Hex(0xFFD890) * (band * k * 0.9f));
      }
    }
  }
  if (t < 0.15f) Glow(c, mid, H * (0.22f + t), Hex(0xFFF0C0), 2.2f * (1 - t / 0.15f));
  // A chain of fireballs going off one after another round the middle.
  Rng rng(202);
  for (int i = 0; i < 7; ++i) {
    const float start = i == 0 ? 0.0f : rng.Range(0.0f, 0.4f);
    const float a = rng.Range(0, 2 * kPi);
    const float d = i == 0 ? 0.0f : rng.Range(0.15f, 0.32f) * H;
    const float size = i == 0 ? H * 0.42f : rng.Range(0.2f, 0.3f) * H;
    const Pt p{mid.x + std::cos(a) * d * 1.3f, mid.y + std::sin(a) * d};
    Fireball(c, p, size, (t - start) / (1 - start), 210u + static_cast<std::uint32_t>(i));
  }
  Embers(c, mid, H * 0.55f, t, 40, 230);
  // The overlapping clouds of smoke would linger as one; the whole cloud thins away at the end.
  if (t > 0.6f) c.Dim(1 - 0.7f * (t - 0.6f) / 0.4f);
  c.FadeEdges(6);
  return c.ToImage();
}

Image DrawSpark(int picture, int count, int w, int h) {
  Canvas c(w, h);
  const float t = Progress(picture, count);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float size = Fw(w) * 0.46f * (picture == 1 ? 0.6f : 1.0f - 0.55f * t);
  const float bright = 1.3f - 0.5f * t;
  Glow(c, mid, size, Hex(0xFFD060), bright);
  for (int k = 0; k < 4; ++k) {
    const float a = kPi / 4 * static_cast<float>(k) + t * 0.6f;
    const float len = size * (k % 2 == 0 ? 1.0f : 0.6f);
    FillFlat(c, Capsule{{mid.x - std::cos(a) * len, mid.y - std::sin(a) * len}, {mid.x + std::cos(a) * len, mid.y + std::sin(a) * len}, 0.55f},
             Hex(0xFFF0A0) * bright, 0.9f);
  }
  FillFlat(c, Circle{mid, 1.4f * (1.2f - t)}, Hex(0xFFFFFF) * bright);
  return c.ToImage();
}

Image DrawShieldRing(int picture, int count, int w, int h) {
  Canvas c(w, h);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float r = Fw(w) * 0.42f;
  const float turn = 2 * kPi * Fw(picture - 1) / Fw(count) / 3;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const float dx = Fw(x) + 0.5f - mid.x, dy = Fw(y) + 0.5f - mid.y;
      const float d = std::sqrt(dx * dx + dy * dy);
      const float a = std::atan2(dy, dx);
      // A glassy bubble: faint inside, bright at its rim, with three sparkling arcs going round.
      const float rim = std::max(0.0f, 1 - std::abs(d - r) / 4.5f);
      const float inner = d < r ? 0.12f * (d / r) * (d / r) : 0.0f;
      const float arcs = std::pow(std::max(0.0f, std::cos(3 * (a - turn))), 6.0f);
      const float outer = d > r ? std::max(0.0f, 1 - (d - r) / 4.5f) * 0.35f : 0.0f;
      const float k = rim * (0.55f + 0.6f * arcs) + inner + outer;
      if (k > 0) c.AddLight(x, y, Mix(Hex(0x3080FF), Hex(0xC0FFFF), rim * arcs) * k);
    }
  }
  return c.ToImage();
}

Image DrawProxyField(int picture, int count, int w, int h) {
  Canvas c(w, h);
  const float t = Progress(picture, count);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float H = Fw(h);
  const float R = H * (0.14f + 0.34f * std::sqrt(t));
  const float fade = t < 0.7f ? 1.0f : 1 - 0.65f * (t - 0.7f) / 0.3f;
  // A swelling sphere of blue-violet energy with a hot rim and turbulent filaments inside.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const float dx = (Fw(x) + 0.5f - mid.x) / 1.3f, dy = Fw(y) + 0.5f - mid.y;
      const float d = std::sqrt(dx * dx + dy * dy) / R;
      if (d > 1.25f) continue;
      const float n = Fbm(dx * 0.05f + t * 3, dy * 0.05f - t * 2, 301, 4);
      const float rim = std::max(0.0f, 1 - std::abs(d - 1) * 7);
      const float body = d < 1 ? (0.15f + 0.5f * d * d) * (0.5f + n) : 0.0f;
      const float filament = d < 1 ? std::max(0.0f, 1 - std::abs(n - 0.5f) * 18) * 0.8f : 0.0f;
      const float k = (rim + body + filament) * fade;
      if (k > 0) c.AddLight(x, y, Mix(Hex(0x5030FF), Hex(0xA0F0FF), std::min(1.0f, rim + filament)) * k);
    }
  }
  // Arcs crackling from the centre to the rim.
  Rng rng(310u + static_cast<std::uint32_t>(picture));
  for (int arc = 0; arc < (fade > 0.6f ? 5 : 0); ++arc) {
    float a = rng.Range(0, 2 * kPi);
    Pt prev = mid;
    for (int s = 1; s <= 8; ++s) {
      a += rng.Range(-0.35f, 0.35f);
      const float d = R * static_cast<float>(s) / 8;
      const Pt p{mid.x + std::cos(a) * d * 1.3f, mid.y + std::sin(a) * d};
      FillFlat(c, Capsule{prev, p, 0.7f}, Hex(0xE0F8FF) * fade, 0.9f);
      prev = p;
    }
  }
  Glow(c, mid, R * 0.5f, Hex(0xC0E0FF), fade * 0.9f);
  c.FadeEdges(6);
  return c.ToImage();
}

Image DrawRinguBurst(int picture, int count, int w, int h) {
  Canvas c(w, h);
  const float t = Progress(picture, count);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float maxR = Fw(w) * 0.46f;
  for (int ringNo = 0; ringNo < 3; ++ringNo) {
    const float rt = t - 0.14f * static_cast<float>(ringNo);
    if (rt < 0) continue;
    const float r = maxR * (0.15f + 0.85f * std::min(1.0f, rt / 0.85f));
    const float width = 2.5f + 4 * (1 - rt);
    const float bright = 1.0f - 0.5f * rt - 0.2f * static_cast<float>(ringNo);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const float dx = Fw(x) + 0.5f - mid.x, dy = Fw(y) + 0.5f - mid.y;
        const float d = std::sqrt(dx * dx + dy * dy);
        const float band = std::max(0.0f, 1 - std::abs(d - r) / width);
        const float ripple = 0.8f + 0.2f * std::sin(std::atan2(dy, dx) * 12 + rt * 10);
        if (band > 0) c.AddLight(x, y, Mix(Hex(0xFF40D0), Hex(0xFFE0FF), band * band) * (std::sqrt(band) * bright * ripple * 1.2f));
      }
    }
  }
  Glow(c, mid, maxR * 0.3f * (1 - t), Hex(0xFF80E0), 0.8f);
  c.FadeEdges(6);
  return c.ToImage();
}

Image DrawFireCutter(int picture, int count, int w, int h) {
  Canvas c(w, h);
  const Pt mid{Fw(w) / 2, Fw(h) / 2};
  const float R = Fw(w) * 0.45f;
  const float spin = 2 * kPi / 3 * Fw(picture - 1) / Fw(count - 1);
  // Three curved blades of flame round a white-hot hub, turning a little each picture.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const float dx = Fw(x) + 0.5f - mid.x, dy = Fw(y) + 0.5f - mid.y;
      const float d = std::sqrt(dx * dx + dy * dy) / R;
      if (d > 1) continue;
      const float a = std::atan2(dy, dx) - spin + d * 2.2f;  // the blades sweep back as they reach out
      const float blade = std::pow(std::max(0.0f, std::cos(3 * a)), 1.5f);
      const float n = Fbm(dx * 0.15f, dy * 0.15f, 401u + static_cast<std::uint32_t>(picture), 3);
      const float heat = std::clamp(blade * (1.2f - d) + (n - 0.5f) * 0.4f + (d < 0.25f ? 0.6f : 0.0f), 0.0f, 1.0f);
      if (heat > 0.12f) c.AddLight(x, y, FireColour(heat) * std::min(1.0f, heat * 1.6f));
    }
  }
  Glow(c, mid, R * 0.4f, Hex(0xFFE0A0), 0.7f);
  return c.ToImage();
}

Image DrawLightning(int w, int h) {
  Canvas c(w, h);
  // The main bolt zigzags down; a few branches fork off it and die away.
  struct Seg {
    Pt a, b;
    float width;
  };
  std::vector<Seg> segs;
  Rng rng(2727);
  const auto bolt = [&](Pt from, float dir, float length, float width, int steps) {
    Pt p = from;
    for (int s = 0; s < steps; ++s) {
      const float step = length / static_cast<float>(steps);
      const Pt q{std::clamp(p.x + dir * step * 0.3f + rng.Range(-0.5f, 0.5f) * step * 1.2f, 8.0f, Fw(w) - 8), p.y + step};
      segs.push_back({p, q, width * (1 - 0.5f * static_cast<float>(s) / static_cast<float>(steps))});
      p = q;
    }
  };
  bolt({Fw(w) / 2, 0}, 0, Fw(h), 2.6f, 22);
  const std::vector<Seg> trunk = segs;
  for (int b = 0; b < 6; ++b) {
    const Seg& from = trunk[static_cast<std::size_t>(2 + b * 3)];
    bolt(from.b, b % 2 == 0 ? -1.5f : 1.5f, Fw(h) * rng.Range(0.12f, 0.25f), 1.2f, 6);
  }
  for (const Seg& s : segs) {
    const Pt m{(s.a.x + s.b.x) / 2, (s.a.y + s.b.y) / 2};
    GlowEllipse(c, m, s.width * 7, std::abs(s.b.y - s.a.y) + s.width * 5, Hex(0x5070FF), 0.6f);
  }
  for (const Seg& s : segs) FillFlat(c, Capsule{s.a, s.b, s.width}, Hex(0xC8D8FF));
  for (const Seg& s : segs) FillFlat(c, Capsule{s.a, s.b, s.width * 0.45f}, Hex(0xFFFFFF));
  return c.ToImage();
}

}  // namespace kv::artgen
