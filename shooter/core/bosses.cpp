// The five bosses' programs. Each runs in place of an ordinary behaviour on every tick.
#include "shooter/content/enemy_catalogue.h"
#include "shooter/core/drawing.h"
#include "shooter/core/enemies.h"

namespace kv::shooter {

namespace {

bool Between(i64 v, int lo, int hi) { return v >= lo && v <= hi; }

void Fire(Shooter& g, int pattern, int slot, int times = 1) {
  for (int i = 0; i < times; ++i) EnemyFire(g, pattern, slot);
}

// Act I: a patrol along a line; one direction shared by every boss of this kind.
void Patrol(Shooter& g, Enemy& e, int slot) {
  PersistentValues& p = g.st.Persist;
  if (e.Y < 1560) e.Y = Wrap16(e.Y + e.Speed);
  if (e.Y >= 940) {
    if (p.PatrolLeft == kTrue) {
      e.X = Wrap16(e.X - e.Speed);
      if (e.X < 980) p.PatrolLeft = 0;
    } else {
      e.X = Wrap16(e.X + e.Speed);
      if (e.X + PictureSize(g, e.Sprite).w * 15 > 5380) p.PatrolLeft = kTrue;
    }
  }
  if (Mod(e.Age, 10) == 1) Fire(g, 1, slot);
}

// Act II: sways, calling in asteroids. It moves left on 25 ticks and right on 24 of every
// hundred, so it drifts left.
void Sway(Shooter& g, Enemy& e, int slot) {
  PersistentValues& p = g.st.Persist;
  if (e.Age < 25) e.Y = Wrap16(e.Y + e.Speed);
  if (Mod(e.Age, 30) == 1) p.VolleyPick = ToI16(2 * g.rng.Next());
  const i64 m = Mod(e.Age, 100);
  if (m < 25) e.X = Wrap16(e.X - 75);
  if (Between(m, 51, 74)) e.X = Wrap16(e.X + 75);
  if (m < 25) Fire(g, 17 + p.VolleyPick, slot);
  if (Between(m, 51, 74)) Fire(g, 17 + p.VolleyPick, slot);
  if (Mod(e.Age, 125) == 1) SpawnAsteroidShower(g);
}

// Act III: a diamond course with four volleys on a 200-tick cycle.
void Diamond(Shooter& g, Enemy& e, int slot) {
  if (e.Y < 1800) e.Y = Wrap16(e.Y + e.Speed);
  const i64 m = Mod(e.Age, 200);
  if (m < 25) {
    e.Y = Wrap16(e.Y + 60);
    e.X = Wrap16(e.X - 60);
  }
  if (Between(m, 51, 74)) {
    e.Y = Wrap16(e.Y + 60);
    e.X = Wrap16(e.X + 60);
  }
  if (Between(m, 101, 124)) {
    e.Y = Wrap16(e.Y - 60);
    e.X = Wrap16(e.X + 60);
  }
  if (Between(m, 151, 174)) {
    e.Y = Wrap16(e.Y - 60);
    e.X = Wrap16(e.X - 60);
  }
  if (Between(e.Age, 26, 49) && Mod(e.Age, 5) == 0) {
    for (int p = 10; p <= 17; ++p) Fire(g, p, slot);
  }
  if (Between(e.Age, 76, 99)) Fire(g, 1, slot);
  if (Between(e.Age, 126, 149) && Mod(e.Age, 5) == 0) {
    for (int p = 3; p <= 10; ++p) Fire(g, p, slot);
  }
  if (Between(e.Age, 176, 199)) Fire(g, 17, slot);
  if (e.Age == 200) e.Age = 0;
}

// Act IV: a guard that shifts sideways.
void Guard(Shooter& g, Enemy& e, int slot) {
  if (e.Y < 1500) e.Y = Wrap16(e.Y + 40);
  const i64 m = Mod(e.Age, 240);
  if (Between(m, 111, 119)) e.X = Wrap16(e.X - e.Speed);
  if (Between(m, 231, 239)) e.X = Wrap16(e.X + e.Speed);
  if (e.X < 900) e.X = 900;
  if (e.X > 2800) e.X = 2800;
  if (Mod(e.Age, 20) == 1) Fire(g, 1, slot);
  if (Mod(e.Age, 30) == 1) Fire(g, 2, slot);
  if (Mod(e.Age, 150) == 1) Fire(g, 17, slot, 11);
  if (Between(Mod(e.Age, 70), 61, 69)) Fire(g, 17, slot);
}

// The final boss: a square course on a 500-tick cycle with reinforcements.
void Square(Shooter& g, Enemy& e, int slot) {
  const i64 m = Mod(e.Age, 500);
  if (e.Y < 1500) e.Y = Wrap16(e.Y + 50);
  if (Between(m, 26, 99)) e.X = Wrap16(e.X - 80);
  if (Between(m, 151, 249)) e.Y = Wrap16(e.Y + 80);
  if (Between(m, 301, 399)) e.X = Wrap16(e.X + 80);
  if (Between(m, 451, 499)) e.Y = Wrap16(e.Y - 80);
  if (Mod(e.Age, 60) == 1) Fire(g, 2, slot);
  if (Mod(e.Age, 25) == 1) Fire(g, 1, slot);
  if (Between(m, 26, 59) && Mod(e.Age, 40) == 0) Fire(g, 19, slot);
  if (m == 60 || m == 90 || m == 120) Fire(g, 17, slot, 4);
  if (m == 401 || m == 475 || m == 499) Fire(g, 17, slot, 4);
  if (Between(m, 301, 399) && Mod(e.Age, 3) == 1) Fire(g, 1, slot);
  if (Mod(e.Age, 5) == 0 && Between(m, 151, 249)) {
    if (Mod(e.Age, 20) == 0) Fire(g, 16, slot);
    if (Mod(e.Age, 25) == 0) Fire(g, static_cast<int>(g.rng.R(6, 10)), slot);
  }
  if (Mod(e.Age, 200) == 199) {
    SpawnEnemy(g, {21, 11, static_cast<int>(g.rng.R(3800, 800)), 0, 88, 30, 160, 180, 0, 0, kTrue});
  }
  if (Mod(e.Age, 200) == 199) SpawnAsteroidShower(g);
  if (Mod(e.Age, 5) == 0 && Between(m, 451, 499)) {
    if (Mod(e.Age, 20) == 0) Fire(g, 9, slot);
    if (Mod(e.Age, 30) == 0) Fire(g, static_cast<int>(g.rng.R(6, 3)), slot);
  }
  if (Mod(e.Age, 30) == 1) {
    SpawnEnemy(g, {25, 11, static_cast<int>(g.rng.R(3800, 800)), 0, 88, 80, 140, 90, 1, 0, 0});
  }
  if (e.X < 800) e.X = 800;
  if (e.Y > 5325) e.Y = 5325;
  if (e.X > 3705) e.X = 3705;
  if (e.Age > 100 && e.Y < 1500) e.Y = 1500;
}

}  // namespace

bool RunBossBehaviour(Shooter& g, int slot) {
  Enemy& e = g.st.Enemies[static_cast<std::size_t>(slot)];
  switch (e.Behaviour) {
    case kBossPatrol: Patrol(g, e, slot); return true;
    case kBossSway: Sway(g, e, slot); return true;
    case kBossDiamond: Diamond(g, e, slot); return true;
    case kBossGuard: Guard(g, e, slot); return true;
    case kBossSquare: Square(g, e, slot); return true;
    default: return false;
  }
}

}  // namespace kv::shooter
