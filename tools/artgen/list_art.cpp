#include "tools/artgen/list_art.h"

#include "shooter/content/sprite_catalogue.h"
#include "tools/artgen/creature_art.h"
#include "tools/artgen/effect_art.h"
#include "tools/artgen/ship_art.h"
#include "tools/artgen/shot_art.h"

namespace kv::artgen {
namespace {

constexpr std::uint32_t kHeroHull = 0x7A90B8;
constexpr std::uint32_t kOrange = 0xFF9020;
constexpr std::uint32_t kPaleOrange = 0xFFD070;
constexpr std::uint32_t kBlue = 0x3070FF;
constexpr std::uint32_t kPaleBlue = 0x90D0FF;

// The three engine-flame frames of a hero's ship: short, long, middle.
float FlameOf(int picture) { return picture == 1 ? 0.45f : picture == 2 ? 1.0f : 0.72f; }

Image EnemyShot(int list, int picture, int w, int h) {
  const bool orange = picture == 1;
  return DrawOrbShot(orange ? kPaleOrange : kPaleBlue, orange ? kOrange : kBlue, list == 16, w, h);
}

}  // namespace

Image MainListPicture(int list, int picture) {
  const shooter::ImageListSpec& spec = shooter::kMainImageLists[static_cast<std::size_t>(list)];
  const shooter::PixelSize s = spec.PictureAt(picture);
  const int n = spec.count;
  switch (list) {
    case 0: return DrawJet({kHeroHull, 0x3050A0, 0x60D0FF, true, FlameOf(picture)}, s.w, s.h);
    case 1: return DrawExplosion(picture, n, s.w, s.h);
    case 2: return DrawBigExplosion(picture, n, s.w, s.h);
    case 3: return DrawProxyField(picture, n, s.w, s.h);
    case 4: return DrawTracer(picture, s.w, s.h);
    case 5: return DrawShieldRing(picture, n, s.w, s.h);
    case 6: return DrawBeam(picture, n, 0x40E0FF, 0x2060FF, s.w, s.h);
    case 7: return DrawScatterSpark(picture, n, s.w, s.h);
    case 8: return DrawWave(picture, n, s.w, s.h);
    case 9: return DrawMissile(s.w, s.h);
    case 10: return DrawRinguBurst(picture, n, s.w, s.h);
    case 11: return DrawBlade(picture, n, s.w, s.h);
    case 12: return DrawSpikedMine(picture, s.w, s.h);
    case 13: return DrawSpark(picture, n, s.w, s.h);
    case 14: return DrawBolt(0x80FF60, 0x20B020, s.w, s.h);
    case 15:
    case 16: return EnemyShot(list, picture, s.w, s.h);
    case 17: return DrawFireCutter(picture, n, s.w, s.h);
    case 18: return DrawRingedOrb(s.w, s.h);
    case 19: return DrawJellyfish(s.w, s.h);
    case 20: return DrawHeavy(0x3058C8, 0xFF2020, s.w, s.h);
    case 21: return DrawPod(s.w, s.h);
    case 22: return DrawGunship(0xF08020, 0x803010, s.w, s.h);
    case 23: return DrawStoneFace(0x9A9080, true, s.w, s.h);
    case 24: return DrawOrbCreature(0x40B838, s.w, s.h);
    case 25: return DrawFighter(0xD02828, 0xFFD040, s.w, s.h);
    case 26: return DrawPowerUp(picture, n, s.w, s.h);
    case 27: return DrawLightning(s.w, s.h);
    case 28: return DrawRock(picture, s.w, s.h, 2800);
    case 29: return DrawRock(picture, s.w, s.h, 2900);
    case 30: return DrawRock(picture, s.w, s.h, 3000);
    default: return DrawJet({0x8A8E96, 0x802020, 0xFF4030, false, 0.5f}, s.w, s.h);
  }
}

Image ExtraListPicture(int list, int picture) {
  const shooter::ImageListSpec& spec = shooter::kExtraImageLists[static_cast<std::size_t>(list)];
  const shooter::PixelSize s = spec.PictureAt(picture);
  const int n = spec.count;
  switch (list) {
    case 0: return DrawJet({0x9A9A9E, 0x505058, 0xFF5040, true, FlameOf(picture)}, s.w, s.h);
    case 6: return DrawBeam(picture, n, 0xFF50FF, 0x9020FF, s.w, s.h);
    case 9: return DrawBolt(0xFFF060, 0xFF9000, s.w, s.h);
    case 12: return DrawCanisterMine(picture, s.w, s.h);
    case 14: return DrawOrbShot(0xFFE0A0, 0xFF6000, false, s.w, s.h);
    case 18: return DrawJet({kHeroHull, 0x3050A0, 0x60D0FF, false, 0.5f}, s.w, s.h);
    case 19: return DrawFighter(0xD83030, 0xFFFFFF, s.w, s.h);
    case 20: return DrawHeavy(0x607080, 0xFFB020, s.w, s.h);
    case 22: return DrawGunship(0x9040C0, 0x402060, s.w, s.h);
    case 23: return DrawStoneFace(0x8A8A8A, false, s.w, s.h);
    case 24: return DrawTallCreature(s.w, s.h);
    case 25: return DrawFighter(0x30B040, 0xE0FF60, s.w, s.h);
    case 28:
    case 29:
    case 30: return DrawBlob(picture, s.w, s.h);
    default: return DrawTallShip(s.w, s.h);
  }
}

}  // namespace kv::artgen
