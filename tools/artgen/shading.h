#pragma once
// Light, noise and chance for the art: lit spheres and hulls, value noise, a fixed random sequence.
#include <cstdint>

#include "tools/artgen/canvas.h"

namespace kv::artgen {

// A repeatable sequence of numbers: the same seed gives the same art on every build.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t NextBits();
  float Next();  // in [0, 1)
  float Range(float lo, float hi) { return lo + (hi - lo) * Next(); }

 private:
  std::uint64_t state_;
};

// Smooth noise in [0, 1] on a unit lattice, and its sum over octaves.
float ValueNoise(float x, float y, std::uint32_t seed);
float Fbm(float x, float y, std::uint32_t seed, int octaves);

// A sphere of radius r at c lit from the upper left: the colour at (x, y).
Rgb SphereLight(Pt c, float r, float x, float y, Rgb base, Rgb shine);

// A hull lit like a cylinder along the vertical axis through axisX, halfWidth wide, light from the left.
Rgb HullLight(float axisX, float halfWidth, float x, Rgb base);

// Warm light of an explosion or flame: heat 0 is dark smoke, 1 white-hot.
Rgb FireColour(float heat);

// A colour from hue (0..1 around the wheel), saturation and value.
Rgb Hsv(float h, float s, float v);

}  // namespace kv::artgen
