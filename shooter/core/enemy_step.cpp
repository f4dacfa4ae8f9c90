#include <cstdlib>

#include "shooter/content/enemy_catalogue.h"
#include "shooter/core/drawing.h"
#include "shooter/core/enemies.h"
#include "shooter/core/frame_loop.h"
#include "shooter/frontend/hud.h"

namespace kv::shooter {

namespace {

bool Between(int v, int lo, int hi) { return v >= lo && v <= hi; }

void FireOwn(Shooter& g, int slot) { EnemyFire(g, g.st.Enemies[static_cast<std::size_t>(slot)].FirePattern, slot); }

// Down, then veering sideways; behaviour 84 tests its fire before it moves down.
void Veer(Shooter& g, Enemy& e, int slot, int dx, bool fireFirst) {
  if (Between(e.Age, 20, 39)) e.Speed = 30;
  if (Between(e.Age, 70, 99)) e.Speed = 15;
  if (e.Age > 40) e.X = Wrap16(e.X + dx);
  if (fireFirst && Mod(e.Age, 40) == 39) FireOwn(g, slot);
  e.Y = Wrap16(e.Y + e.Speed);
  if (!fireFirst && Mod(e.Age, 40) == 39) FireOwn(g, slot);
}

void Slide(Shooter& g, Enemy& e, int slot, int dx) {
  if (e.Age >= 30) e.X = Wrap16(e.X + dx);
  if (Mod(e.Age, 35) == 34) FireOwn(g, slot);
  e.Y = Wrap16(e.Y + e.Speed);
}

void RunBehaviour(Shooter& g, int slot) {
  Enemy& e = g.st.Enemies[static_cast<std::size_t>(slot)];
  switch (e.Behaviour) {
    case kStraightDown:
      e.Y = Wrap16(e.Y + e.Speed);
      if (Between(e.FirePattern, 1, 16) && Mod(e.Age, 25) == 20) FireOwn(g, slot);
      if (e.FirePattern == kRandomLeftFan && Mod(e.Age, 7) == 1) EnemyFire(g, static_cast<int>(g.rng.R(6, 3)), slot);
      if (e.FirePattern == kRandomRightFan && Mod(e.Age, 7) == 1) EnemyFire(g, static_cast<int>(g.rng.R(6, 10)), slot);
      break;
    case kBurstDown:
      if (Mod(e.Age, 40) < 10) EnemyFire(g, 17, slot);
      e.Y = Wrap16(e.Y + e.Speed);
      break;
    case kVeerRight: Veer(g, e, slot, 30, false); break;
    case kVeerLeft: Veer(g, e, slot, -30, true); break;
    case kBraking:
      if (Between(e.Age, 20, 59)) e.Speed = 40;
      if (Between(e.Age, 60, 99)) e.Speed = 20;
      if (e.Age >= 100) e.Speed = 10;
      if (Mod(e.Age, 35) == 34) FireOwn(g, slot);
      e.Y = Wrap16(e.Y + e.Speed);
      break;
    case kSlideRight: Slide(g, e, slot, 35); break;
    case kSlideLeft: Slide(g, e, slot, -35); break;
    case kAsteroid: {
      e.X = Wrap16(e.X - 5);
      e.Y = Wrap16(e.Y + e.Speed);
      const i64 n = g.rng.R(40, 1);
      if (Mod(e.Age, n) == 1) {
        e.Frame = Wrap16(e.Frame + 1);
        if (e.Frame > 4) e.Frame = 1;
      }
      break;
    }
    default: RunBossBehaviour(g, slot); break;
  }
}

}  // namespace

void MoveEnemies(Shooter& g) {
  for (int slot = kEnemyFirst; slot <= kEnemyLast; ++slot) {
    Enemy& e = g.st.Enemies[static_cast<std::size_t>(slot)];
    if (e.Active != kTrue) continue;
    e.Age = Wrap16(e.Age + 1);
    RunBehaviour(g, slot);
    const PixelSize size = PictureSize(g, e.Sprite);
    // Leaving the field removes an enemy without score or explosion. A boss that drifted out
    // comes back where it entered, with the hit points it had left: its act could not end else.
    if (e.Y + size.h * 15 >= 8640 || e.Y < 0 || e.X + size.w * 15 >= 6360 || e.X <= 0) {
      if (e.IsBoss == kTrue) {
        e.X = g.st.BossHomeX;
        e.Y = g.st.BossHomeY;
        e.Age = 0;
      } else {
        e.Active = 0;
      }
    }
  }
}

void DrawEnemies(Shooter& g) {
  for (int i = kEnemyFirst; i <= kEnemyLast; ++i) {
    const Enemy& e = g.st.Enemies[static_cast<std::size_t>(i)];
    if (e.Active == kTrue) DrawPicture(g, e.Sprite, e.Frame, e.X, e.Y);
  }
}

namespace {

// The step is the same on every tick: the shot keeps its line through the target and beyond.
void HomeIn(EnemyShot& s) {
  const int dx = s.TargetX - s.OriginX;
  const int dy = s.TargetY - s.OriginY;
  const i64 k = RoundHalfEven((std::abs(dx) + std::abs(dy)) / 200.0);
  const double divisor = s.Slowness + static_cast<double>(std::abs(k));
  if (divisor == 0) return;  // no pattern makes such a shot; it stays where it is
  s.X = ToI16(s.X + dx / divisor);
  s.Y = ToI16(s.Y + dy / divisor);
}

}  // namespace

void MoveEnemyShots(Shooter& g) {
  GameState& s = g.st;
  const PixelSize ship = PictureSize(g, 0);
  const PixelSize globe = PictureSize(g, 5);
  for (EnemyShot& shot : s.EnemyShots) {
    if (shot.Active != kTrue) continue;
    if (shot.Homing == 1) HomeIn(shot);
    if (shot.X < 560 || shot.X > 5760 || shot.Y < 1280 || shot.Y > 8040) shot.Active = 0;
    // The hit tests run also for a shot that has just left the field.
    const BulletKind* kind = FindBulletKind(shot.Kind);
    const int h = shot.Kind == 11 || shot.Kind == 12 ? 75 : 150;
    if (kind != nullptr && shot.X - h < s.ShipX + ship.w * 15 && s.ShipX < shot.X + h &&
        shot.Y - h < s.ShipY + ship.h * 15 && s.ShipY < shot.Y + h) {
      shot.Active = 0;
      ShieldHit(g);
    }
    if (s.Equip[2] == 1) {
      for (int i = kSpecialFirst; i <= kSpecialLast; ++i) {
        const Shot& gl = s.PlayerShots[static_cast<std::size_t>(i)];
        if (gl.Active != kTrue) continue;
        if (shot.X - h < gl.X + globe.w * 15 && gl.X < shot.X + h && shot.Y - h < gl.Y + globe.h * 15 &&
            gl.Y < shot.Y + h) {
          shot.Active = 0;
        }
      }
    }
    if (kind != nullptr) DrawPicture(g, kind->list, kind->picture, shot.X - kind->halfSize, shot.Y - kind->halfSize);
  }
}

}  // namespace kv::shooter
