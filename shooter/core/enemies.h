#pragma once
// Enemies entering play, and the shots they fire.
#include "shooter/frontend/shooter.h"

namespace kv::shooter {

struct SpawnArgs {
  int sprite, bulletKind, x, y, behaviour, speed, hitPoints, scoreValue, firePattern, boss, dropsPowerUp;
};

// Puts an enemy into the first free slot of 1..40; returns the slot, or -1 when the table is
// full and the spawn is lost.
int SpawnEnemy(Shooter& g, const SpawnArgs& a);
void EnemyFire(Shooter& g, int pattern, int slot);
void AddEnemyShot(Shooter& g, int kind, int x, int y, int mode, int slowness, int targetX, int targetY);

// The bosses' reinforcements.
void SpawnAsteroidShower(Shooter& g);
// One boss program's tick; returns false for a code that is no boss.
bool RunBossBehaviour(Shooter& g, int slot);

}  // namespace kv::shooter
