#include <array>
#include <bit>
#include <cstdint>

#include "shooter/content/hit_boxes.h"
#include "shooter/content/weapon_tables.h"
#include "shooter/core/drawing.h"
#include "shooter/core/frame_loop.h"
#include "shooter/frontend/effects.h"
#include "shooter/frontend/hud.h"
#include "shooter/frontend/sound.h"

namespace kv::shooter {

void MovePowerUps(Shooter& g) {
  GameState& s = g.st;
  for (PowerUp& p : s.PowerUps) {
    if (p.Active != kTrue) continue;
    p.Y = Wrap16(p.Y + 30);
    if (p.Y >= 7921) p.Active = 0;
    p.Frame = Wrap16(p.Frame + 1);
    if (p.Frame >= 16) p.Frame = 1;
    DrawPicture(g, 26, p.Frame, p.X, p.Y);  // drawn also on the tick it falls out
  }
  const PixelSize box = PictureSize(g, 26);
  const PixelSize ship = PictureSize(g, 0);
  for (PowerUp& p : s.PowerUps) {
    if (p.Active != kTrue) continue;
    if (s.ShipX < p.X + box.w * 15 && p.X < s.ShipX + ship.w * 15 && s.ShipY < p.Y + box.h * 15 &&
        p.Y < s.ShipY + ship.h * 15) {
      // The main gun on even clock values, the side gun on odd ones.
      WeaponLevel(g, static_cast<int>(Mod(s.FrameCount, 2)), 1);
      PlaySfx(g, 7);
      p.Active = 0;
    }
  }
}

namespace {

struct Box {
  int l, r, t, b;
};

// The shot's box, from its weapon's picture; the beam and the wave are narrower than their
// pictures. Returns false for a slot whose weapon has no shots.
bool ShotBox(const Shooter& g, int slot, const Shot& shot, Box& box) {
  const GameState& s = g.st;
  int list = -1;
  if (slot <= kMainGunLast) list = kMainGunList[static_cast<std::size_t>(s.Equip[0])];
  else if (slot <= kSideGunLast) list = kSideGunList[static_cast<std::size_t>(s.Equip[1])];
  else list = kSpecialList[static_cast<std::size_t>(s.Equip[2])];
  if (list < 0) return false;
  const PixelSize size = PictureSize(g, list);
  box = {shot.X, shot.X + size.w * 15, shot.Y, shot.Y + size.h * 15};
  if (slot > kMainGunLast) return true;
  if (s.Equip[0] == kCLaser) {
    const int narrow = (10 - s.MainGunLevel) * kBeamNarrowingPerLevel;
    box.l += narrow;
    box.r -= narrow;
  } else if (s.Equip[0] == kEWave) {
    for (int step = 1; step <= s.MainGunLevel && step <= 9; ++step) {
      const Narrowing& n = kWaveNarrowing[static_cast<std::size_t>(step - 1)];
      box.l += n.sides;
      box.r -= n.sides;
      box.t += n.top;
      box.b -= n.bottom;
    }
  }
  return true;
}

// The wave and the special weapons' globes, cutter and field go on hitting on later ticks.
bool StaysAfterHit(const GameState& s, int slot) {
  if (slot <= kMainGunLast) return s.Equip[0] == kEWave;
  if (slot >= kSpecialFirst) return s.Equip[2] == kFireCutter || s.Equip[2] == kGlobeEx || s.Equip[2] == kProxyR;
  return false;
}

}  // namespace

void ShotsHitEnemies(Shooter& g) {
  GameState& s = g.st;
  // Enemies do not move during this step: their boxes are worked out once, edge by edge, so
  // that a shot is tested against all of them in one sweep.
  std::array<int, kEnemySlots> left{}, right{}, top{}, bottom{};
  for (int i = kEnemyFirst; i <= kEnemyLast; ++i) {
    const Enemy& e = s.Enemies[static_cast<std::size_t>(i)];
    const PixelSize size = PictureSize(g, e.Sprite);
    const auto k = static_cast<std::size_t>(i);
    left[k] = e.X;
    right[k] = e.X + size.w * 15;
    top[k] = e.Y;
    bottom[k] = e.Y + size.h * 15;
  }
  for (int slot = 0; slot < kPlayerShotSlots; ++slot) {
    Shot& shot = s.PlayerShots[static_cast<std::size_t>(slot)];
    if (shot.Active != kTrue) continue;
    Box box;
    if (!ShotBox(g, slot, shot, box)) continue;
    std::uint64_t overlaps = 0;
    for (std::size_t k = kEnemyFirst; k <= kEnemyLast; ++k) {
      const bool o = box.l < right[k] && box.r > left[k] && box.t < bottom[k] && box.b > top[k];
      overlaps |= static_cast<std::uint64_t>(o) << k;
    }
    // In slot order; a shot freed by a hit goes on testing the remaining enemies of its turn.
    for (; overlaps != 0; overlaps &= overlaps - 1) {
      const int i = std::countr_zero(overlaps);
      Enemy& e = s.Enemies[static_cast<std::size_t>(i)];
      if (e.Active != kTrue) continue;
      const PixelSize size = PictureSize(g, e.Sprite);
      e.HP = Wrap16(e.HP - shot.Damage);
      if (e.IsBoss == kTrue) {
        if (e.HP < 0) e.HP = 0;
        SetBossBar(g, e);
      }
      const double rx = g.rng.Next();  // x is drawn first
      const double ry = g.rng.Next();
      AddExplosion(g, static_cast<int>(RoundHalfEven(e.X + rx * size.w * 15)),
                   static_cast<int>(RoundHalfEven(e.Y + ry * size.h * 15)), 13);
      EnemyDown(g, i);
      if (!StaysAfterHit(s, slot)) shot.Active = 0;
    }
  }
}

void ShipHitsEnemies(Shooter& g) {
  GameState& s = g.st;
  const PixelSize ship = PictureSize(g, 0);
  for (int i = 0; i < kEnemySlots; ++i) {
    Enemy& e = s.Enemies[static_cast<std::size_t>(i)];
    if (e.Active != kTrue) continue;
    const PixelSize size = PictureSize(g, e.Sprite);
    // Half-size boxes, computed as real numbers.
    if (s.ShipX < e.X + size.w * 15 / 2.0 && s.ShipX + ship.w * 15 / 2.0 > e.X && s.ShipY < e.Y + size.h * 15 / 2.0 &&
        s.ShipY + ship.h * 15 / 2.0 > e.Y) {
      e.HP = Wrap16(e.HP - 150);
      ShieldHit(g);
      EnemyDown(g, i);
    }
  }
}

}  // namespace kv::shooter
