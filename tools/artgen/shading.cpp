#include "tools/artgen/shading.h"

#include <algorithm>
#include <cmath>

namespace kv::artgen {

std::uint64_t Rng::NextBits() {
  state_ += 0x9E3779B97F4A7C15ull;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

float Rng::Next() { return static_cast<float>(NextBits() >> 40) / static_cast<float>(1ull << 24); }

namespace {

float Lattice(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8DA6B343u ^ static_cast<std::uint32_t>(y) * 0xD8163841u ^
                    seed * 0xCB1AB31Fu;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

float Smooth(float t) { return t * t * (3 - 2 * t); }

}  // namespace

float ValueNoise(float x, float y, std::uint32_t seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  const float tx = Smooth(x - fx), ty = Smooth(y - fy);
  const float a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
  const float c = Lattice(ix, iy + 1, seed), d = Lattice(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

float Fbm(float x, float y, std::uint32_t seed, int octaves) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * ValueNoise(x, y, seed + static_cast<std::uint32_t>(o) * 101u);
    norm += amp;
    x *= 2.03f;
    y *= 2.03f;
    amp *= 0.5f;
  }
  return sum / norm;
}

Rgb SphereLight(Pt c, float r, float x, float y, Rgb base, Rgb shine) {
  const float nx = (x - c.x) / r, ny = (y - c.y) / r;
  const float nz = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
  constexpr float lx = -0.48f, ly = -0.58f, lz = 0.66f;
  const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
  const float rz = 2 * diffuse * nz - lz;  // the reflected light's part towards the viewer
  const float spec = std::pow(std::max(0.0f, rz), 24.0f);
  return base * (0.22f + 0.9f * diffuse) + shine * spec;
}

Rgb HullLight(float axisX, float halfWidth, float x, Rgb base) {
  const float u = std::clamp((x - axisX) / halfWidth, -1.0f, 1.0f);
  const float nz = std::sqrt(std::max(0.0f, 1 - u * u));
  const float diffuse = std::max(0.0f, -0.55f * u + 0.83f * nz);
  const float spec = std::pow(std::max(0.0f, 2 * diffuse * nz - 0.83f), 10.0f);
  return base * (0.3f + 0.8f * diffuse) + Rgb{1, 1, 1} * (0.35f * spec);
}

Rgb FireColour(float heat) {
  const float h = std::clamp(heat, 0.0f, 1.0f);
  struct Stop {
    float at;
    Rgb c;
  };
  constexpr Stop kStops[] = {{0.0f, {0.42f, 0.37f, 0.34f}}, {0.25f, {0.6f, 0.2f, 0.06f}},
                             {0.5f, {0.95f, 0.35f, 0.05f}}, {0.75f, {1.0f, 0.75f, 0.2f}},
                             {1.0f, {1.0f, 1.0f, 0.85f}}};
  for (std::size_t i = 1; i < std::size(kStops); ++i) {
    if (h <= kStops[i].at) {
      const float t = (h - kStops[i - 1].at) / (kStops[i].at - kStops[i - 1].at);
      return Mix(kStops[i - 1].c, kStops[i].c, t);
    }
  }
  return kStops[std::size(kStops) - 1].c;
}

Rgb Hsv(float h, float s, float v) {
  const float hh = (h - std::floor(h)) * 6;
  const int i = static_cast<int>(hh);
  const float f = hh - static_cast<float>(i);
  const float p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  switch (i) {
    case 0: return {v, t, p};
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    default: return {v, p, q};
  }
}

}  // namespace kv::artgen
