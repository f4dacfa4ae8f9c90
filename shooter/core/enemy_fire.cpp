#include <cstdlib>

#include "shooter/content/fire_patterns.h"
#include "shooter/core/drawing.h"
#include "shooter/core/enemies.h"

namespace kv::shooter {

void EnemyFire(Shooter& g, int pattern, int slot) {
  if (pattern < 1 || pattern > static_cast<int>(kFirePatterns.size())) return;
  const Enemy& e = g.st.Enemies[static_cast<std::size_t>(slot)];
  const PixelSize size = PictureSize(g, e.Sprite);
  const auto ox = static_cast<int>(RoundHalfEven(e.X + size.w * 15 / 2.0));
  const auto oy = static_cast<int>(RoundHalfEven(e.Y + size.h * 15 / 2.0));
  const FirePattern& p = kFirePatterns[static_cast<std::size_t>(pattern - 1)];
  const PixelSize ship = PictureSize(g, 0);
  int tx = 0, ty = 0;
  switch (p.aim) {
    case Aim::ShipCentre:
      tx = static_cast<int>(RoundHalfEven(g.st.ShipX + ship.w * 15 / 2.0));
      ty = static_cast<int>(RoundHalfEven(g.st.ShipY + ship.h * 15 / 2.0));
      break;
    case Aim::ShipCorner:
      tx = g.st.ShipX;
      ty = g.st.ShipY;
      break;
    case Aim::StraightDown:
      tx = ox;
      ty = p.y;
      break;
    // The fans start below the enemy's top edge by its picture's width, not its height.
    case Aim::FanLeft:
      tx = 720;
      ty = e.Y + size.w * 15 + p.y;
      break;
    case Aim::FanRight:
      tx = 5640;
      ty = e.Y + size.w * 15 + p.y;
      break;
    case Aim::RandomSpread:
      tx = static_cast<int>(g.rng.R(4920, 720));
      ty = p.y;
      break;
  }
  AddEnemyShot(g, e.BulletKind, ox, oy, 1, p.slowness, tx, ty);
}

void AddEnemyShot(Shooter& g, int kind, int x, int y, int mode, int slowness, int targetX, int targetY) {
  // No enemy shots after a death or during the victory ending.
  if (g.st.FrameCount <= 0) return;
  for (EnemyShot& s : g.st.EnemyShots) {
    if (s.Active != 0) continue;
    s.Active = kTrue;
    s.Kind = Wrap16(kind);
    s.OriginX = s.X = Wrap16(x);
    s.OriginY = s.Y = Wrap16(y);
    s.Homing = Wrap16(mode);
    s.Slowness = Wrap16(slowness);
    s.TargetX = Wrap16(targetX);
    s.TargetY = Wrap16(targetY);
    return;
  }
}

}  // namespace kv::shooter
