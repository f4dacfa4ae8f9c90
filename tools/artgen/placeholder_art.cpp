#include "tools/artgen/placeholder_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "shooter/content/sprite_catalogue.h"

namespace kv::artgen {
namespace {

using S = Shape;
using V = Variation;

constexpr std::uint32_t kOrange = 0xFF9020;
constexpr std::uint32_t kBlue = 0x3060FF;
constexpr std::uint32_t kRockGrey = 0x909090;
constexpr std::uint32_t kFlame = 0xFF8020;

constexpr std::array<Look, shooter::kImageListCount> kMainLooks{{
    {S::Ship, 0x7088B0, V::Flame},            // 0 player ship
    {S::Disc, 0xFF9020, V::Burst},            // 1 explosion
    {S::Disc, 0xFFB040, V::Burst},            // 2 large explosion
    {S::Ring, 0x40C0FF, V::Grow},             // 3 Proxy R field
    {S::Bolt, 0xFFFF80, V::Turn},             // 4 chaingun tracers
    {S::Ring, 0x60A0FF, V::Turn},             // 5 globe
    {S::Bolt, 0x40FFFF, V::Grow},             // 6 C-Laser beam
    {S::Spark, 0xC0A0FF, V::Turn},            // 7 Proton Burst sparks
    {S::Ring, 0x80FF80, V::Grow},             // 8 E-Wave
    {S::Bolt, 0xD0D0D0, V::Turn},             // 9 missile
    {S::Ring, 0xFF60FF, V::Burst},            // 10 Ringu burst
    {S::Diamond, 0xC0C8D0, V::Turn},          // 11 steel blade
    {S::Disc, 0xFF4040, V::Blink},            // 12 R-Mine
    {S::Spark, 0xFFFFA0, V::Burst},           // 13 spark
    {S::Bolt, 0x60FF60, V::Turn},             // 14 pulse rifle bolt
    {S::Disc, kOrange, V::Alternate, kBlue},  // 15 enemy pellets
    {S::Disc, kOrange, V::Alternate, kBlue},  // 16 enemy fireballs
    {S::Diamond, 0xFF6020, V::Turn},          // 17 Fire Cutter
    {S::Ring, 0xD02020, V::Turn},             // 18 final boss
    {S::Disc, 0xC03040, V::Turn},             // 19 jellyfish
    {S::Ship, 0x3050C0, V::Turn},             // 20 heavy
    {S::Disc, 0xE03030, V::Turn},             // 21 pod
    {S::Ship, 0xE08020, V::Turn},             // 22 gunship
    {S::Box, 0x909080, V::Turn},              // 23 Act II boss
    {S::Disc, 0x40C040, V::Turn},             // 24 Act IV boss
    {S::Ship, 0xD03030, V::Turn},             // 25 fighter
    {S::Diamond, 0x40FF40, V::Turn},          // 26 power-up
    {S::Bolt, 0xE0E0FF, V::Turn},             // 27 lightning
    {S::Rock, kRockGrey, V::Turn},            // 28 large rock
    {S::Rock, kRockGrey, V::Turn},            // 29 medium rock
    {S::Rock, kRockGrey, V::Turn},            // 30 small rock
    {S::Ship, 0x8890A0, V::Turn},             // 31 Act III boss
}};

struct ExtraOverride {
  int list;
  Look look;
};

// The extra game's own lists; the others are the main game's.
constexpr std::array<ExtraOverride, 16> kExtraLooks{{
    {0, {S::Ship, 0x909090, V::Flame}},
    {6, {S::Bolt, 0xFF40FF, V::Grow}},
    {9, {S::Bolt, 0xFFFF40, V::Turn}},
    {12, {S::Disc, 0xFF8040, V::Blink}},
    {14, {S::Disc, 0x40FFFF, V::Turn}},
    {18, {S::Ship, 0x4060E0, V::Turn}},
    {19, {S::Ship, 0xD03030, V::Turn}},
    {20, {S::Ship, 0x6070A0, V::Turn}},
    {22, {S::Ship, 0xA040C0, V::Turn}},
    {23, {S::Box, 0x808080, V::Turn}},
    {24, {S::Disc, 0x40B040, V::Turn}},
    {25, {S::Ship, 0x40C040, V::Turn}},
    {28, {S::Rock, 0xD02020, V::Turn}},
    {29, {S::Rock, 0xD02020, V::Turn}},
    {30, {S::Rock, 0xD02020, V::Turn}},
    {31, {S::Ship, 0x404860, V::Turn}},
}};

// Whether (a, b), the pixel centre in the shape's own square from -1 to 1, lies in the shape.
bool Inside(Shape shape, double a, double b) {
  const double r = std::hypot(a, b);
  switch (shape) {
    case S::Ship:
      return b >= -1 && b <= 0.5 && std::abs(a) <= (b + 1) / 1.5;
    case S::Disc:
      return r <= 1;
    case S::Ring:
      return r <= 1 && r >= 0.55;
    case S::Box:
      return std::abs(a) <= 0.9 && std::abs(b) <= 0.9;
    case S::Diamond:
      return std::abs(a) + std::abs(b) <= 1;
    case S::Bolt:
      return (a / 0.45) * (a / 0.45) + b * b <= 1;
    case S::Spark:
      return (std::abs(a) < 0.3 && std::abs(b) <= 1) || (std::abs(b) < 0.3 && std::abs(a) <= 1);
    case S::Rock:
      return r <= 0.8 + 0.15 * std::sin(5 * std::atan2(b, a));
  }
  return false;
}

// Scales a colour, keeping every primary at least 1 so that no pixel of a shape is transparent black.
std::uint32_t Shade(std::uint32_t rgb, double factor) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double v = ((rgb >> shift) & 0xFF) * factor;
    out |= static_cast<std::uint32_t>(std::clamp(static_cast<int>(std::lround(v)), 1, 255)) << shift;
  }
  return out;
}

std::uint32_t Lighten(std::uint32_t rgb) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) out |= ((((rgb >> shift) & 0xFF) + 0xFF) / 2) << shift;
  return out;
}

struct Frame {
  double scale = 1;       // of the shape within the picture
  double brightness = 1;  // of its colour
  double angle = 0;       // of the notch; negative for none
  double flame = 0;       // length of a ship's flame, 0 to 1
  std::uint32_t colour = 0;
};

Frame FrameOf(const Look& look, int picture, int count) {
  const double t = count > 1 ? (picture - 1) / static_cast<double>(count - 1) : 0.0;
  Frame f;
  f.colour = look.colour;
  f.angle = 2 * std::numbers::pi * (picture - 1) / std::max(count, 1);
  switch (look.variation) {
    case V::Turn:
      break;
    case V::Grow:
      f.scale = 0.4 + 0.6 * t;
      break;
    case V::Burst:
      f.scale = 0.3 + 0.7 * std::min(1.0, 2 * t);
      f.brightness = t <= 0.5 ? 1.0 : 1.0 - 1.5 * (t - 0.5);
      break;
    case V::Blink:
      f.brightness = picture % 2 == 1 ? 1.0 : 0.45;
      break;
    case V::Flame:
      f.flame = count > 1 ? picture / static_cast<double>(count) : 1.0;
      f.angle = -1;
      break;
    case V::Alternate:
      f.colour = picture % 2 == 1 ? look.colour : look.second;
      f.angle = -1;
      break;
  }
  return f;
}

bool OnNotch(double a, double b, double angle, double scale) {
  if (angle < 0) return false;
  const double dx = std::sin(angle), dy = -std::cos(angle);  // picture 1's notch points up
  const double along = a * dx + b * dy;
  const double across = std::abs(a * dy - b * dx);
  return along > 0 && along < 0.9 * scale && across < 0.15;
}

// Draws the shape of one frame over the image, filling the rectangle (x, y, w, h).
void Paint(Image& img, const Look& look, const Frame& f, int x0, int y0, int w, int h) {
  for (int y = std::max(0, y0); y < std::min(img.height, y0 + h); ++y) {
    for (int x = std::max(0, x0); x < std::min(img.width, x0 + w); ++x) {
      const double u = (x - x0 + 0.5 - w / 2.0) / (w / 2.0);
      const double v = (y - y0 + 0.5 - h / 2.0) / (h / 2.0);
      const double a = u / f.scale, b = v / f.scale;
      std::uint32_t& out = img.pixels[static_cast<std::size_t>(y) * img.width + x];
      if (Inside(look.shape, a, b)) {
        const double shade = 1.0 - 0.35 * std::min(1.0, std::hypot(a, b));
        const std::uint32_t c = Shade(f.colour, f.brightness * shade);
        out = OnNotch(a, b, f.angle, 1.0) ? Lighten(c) : c;
      } else if (look.shape == S::Ship && b > 0.5 && b <= 0.5 + 0.5 * f.flame && std::abs(a) <= 0.25) {
        out = Shade(kFlame, 1.0 - (b - 0.5));
      }
    }
  }
}

Image Blank(int width, int height) {
  Image img;
  img.width = width;
  img.height = height;
  img.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  return img;
}

}  // namespace

const Look& MainLook(int list) { return kMainLooks[static_cast<std::size_t>(list)]; }

const Look& ExtraLook(int list) {
  for (const auto& o : kExtraLooks) {
    if (o.list == list) return o.look;
  }
  return MainLook(list);
}

Image DrawPicture(const Look& look, int picture, int count, int width, int height) {
  Image img = Blank(width, height);
  Paint(img, look, FrameOf(look, picture, count), 0, 0, width, height);
  return img;
}

Image DrawTitle(std::uint32_t planet, std::uint32_t ship) {
  Image img = Blank(120, 180);
  Paint(img, {S::Disc, planet, V::Turn}, Frame{1, 1, -1, 0, planet}, -40, 100, 200, 200);
  Paint(img, {S::Ship, ship, V::Flame}, Frame{1, 1, -1, 1, ship}, 30, 20, 60, 70);
  return img;
}

Image DrawEquipmentShip(std::uint32_t ship) {
  Image img = Blank(76, 80);
  Paint(img, {S::Ship, ship, V::Flame}, Frame{0.95, 1, -1, 0.6, ship}, 0, 0, 76, 80);
  return img;
}

IndexedPicture DrawMenuBackground() {
  constexpr int kW = 328, kH = 433;
  constexpr int kSky = 64;  // palette 0..63: the sky from top to bottom; 64..255: star brightness
  IndexedPicture pic;
  pic.width = kW;
  pic.height = kH;
  for (int i = 0; i < kSky; ++i) pic.palette[static_cast<std::size_t>(i)] = (i / 8) << 16 | (i / 6) << 8 | (10 + i / 3);
  for (int i = kSky; i < 256; ++i) {
    const auto g = static_cast<std::uint32_t>(60 + (i - kSky));
    pic.palette[static_cast<std::size_t>(i)] = g << 16 | g << 8 | std::min<std::uint32_t>(255, g + 20);
  }
  pic.indices.resize(static_cast<std::size_t>(kW) * kH);
  for (int y = 0; y < kH; ++y) {
    std::fill_n(pic.indices.begin() + static_cast<std::ptrdiff_t>(y) * kW, kW,
                static_cast<std::uint8_t>(y * kSky / kH));
  }
  // A fixed linear congruential sequence places the stars, the same every run.
  std::uint32_t seed = 12345;
  const auto next = [&seed](std::uint32_t range) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % range;
  };
  for (int s = 0; s < 140; ++s) {
    const int x = static_cast<int>(next(kW)), y = static_cast<int>(next(kH));
    const auto bright = static_cast<std::uint8_t>(kSky + next(256 - kSky));
    pic.indices[static_cast<std::size_t>(y) * kW + x] = bright;
    if (bright > 230 && x > 0 && y > 0 && x + 1 < kW && y + 1 < kH) {
      for (const auto& [dx, dy] : {std::pair{-1, 0}, std::pair{1, 0}, std::pair{0, -1}, std::pair{0, 1}}) {
        pic.indices[static_cast<std::size_t>(y + dy) * kW + x + dx] = static_cast<std::uint8_t>(bright - 80);
      }
    }
  }
  return pic;
}

}  // namespace kv::artgen
