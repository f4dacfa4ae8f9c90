#pragma once
// Every table of a running game filled to capacity, for the allocation test and the benchmark:
// the enemies in rows at the top, the player's shots in rows below them (every shot is tested
// against every enemy each tick, but few hit), the enemy shots across the middle.
#include "shooter/frontend/shooter.h"

namespace kv::testing {

inline void FillEveryTable(shooter::Shooter& g) {
  using namespace kv::shooter;
  GameState& s = g.st;
  s.DetailLevel = 1000;
  for (int i = 0; i < kStarSlots; ++i) s.Stars[static_cast<std::size_t>(i)] = Star{static_cast<i16>(720 + i * 4), static_cast<i16>(1440 + i * 6), 20, 2};
  // Every motion code in flight, slow enough to stay in the field between refills.
  constexpr std::array<i16, 8> kMotions{7, 8, 9, 72, 73, 79, 92, 93};
  for (int i = 0; i < kPlayerShotSlots; ++i) {
    const i16 motion = i <= kMainGunLast ? kMotions[static_cast<std::size_t>(i % 8)] : i16{8};
    s.PlayerShots[static_cast<std::size_t>(i)] =
        Shot{-1, 1, static_cast<i16>(1200 + (i % 40) * 90), static_cast<i16>(4500 + (i / 40) * 300), motion, 0, 1, 3};
  }
  s.ShipLocked = 0;
  s.FireHeld = -1;
  for (int i = 0; i < kExplosionSlots; ++i)
    s.Explosions[static_cast<std::size_t>(i)] = Blast{-1, 13, static_cast<i16>(800 + i * 100), 3000, 1, 32767};
  for (int i = 0; i < kEnemyShotSlots; ++i)
    s.EnemyShots[static_cast<std::size_t>(i)] = EnemyShot{-1, 11, 3000, 2000, static_cast<i16>(900 + (i % 20) * 200), static_cast<i16>(2000 + (i / 20) * 400), 0, 70, 3000, 9000};
  for (int i = kEnemyFirst; i <= kEnemyLast; ++i)
    s.Enemies[static_cast<std::size_t>(i)] = Enemy{-1, 25, 11, 1, static_cast<i16>(800 + (i % 10) * 450), static_cast<i16>(1500 + ((i - 1) / 10) * 600), 0, 0, 0, 30000, 30000, 50, 0, 0, 0};
  for (int i = 0; i < kPowerUpSlots; ++i) s.PowerUps[static_cast<std::size_t>(i)] = PowerUp{-1, static_cast<i16>(1000 + i * 1000), 2000, 1};
}

}  // namespace kv::testing
