#include "shooter/core/enemies.h"

namespace kv::shooter {

int SpawnEnemy(Shooter& g, const SpawnArgs& a) {
  GameState& s = g.st;
  for (int i = kEnemyFirst; i <= kEnemyLast; ++i) {
    Enemy& e = s.Enemies[static_cast<std::size_t>(i)];
    if (e.Active != 0) continue;
    e.Active = kTrue;
    e.Sprite = Wrap16(a.sprite);
    e.BulletKind = Wrap16(a.bulletKind);
    e.X = Wrap16(a.x);
    e.Y = Wrap16(a.y);
    e.Behaviour = Wrap16(a.behaviour);
    e.Speed = Wrap16(a.speed);
    e.ScoreValue = Wrap16(a.scoreValue);
    e.FirePattern = Wrap16(a.firePattern);
    e.DropsPowerUp = Wrap16(a.dropsPowerUp);
    e.HP = e.MaxHP = Wrap16(a.hitPoints);
    e.Age = 0;
    e.Frame = 1;
    e.IsBoss = 0;
    if (a.boss == kTrue) {
      e.IsBoss = kTrue;
      s.BossHomeX = e.X;
      s.BossHomeY = e.Y;
      s.BossBarMove = 1;
      g.hud.Boss_Bar_Top->Width = g.hud.Boss_Bar_Bottom->Width;
    }
    return i;
  }
  return -1;
}

// Twenty rocks of random size, speed and strength across the top of the field.
void SpawnAsteroidShower(Shooter& g) {
  for (int i = 0; i < 20; ++i) {
    const int sprite = static_cast<int>(g.rng.R(2, 28));
    const int bulletKind = static_cast<int>(g.rng.R(4, 0));
    const int x = static_cast<int>(g.rng.R(4820, 820));
    const int speed = static_cast<int>(g.rng.R(40, 80));
    const int hp = static_cast<int>(g.rng.R(20, 60));
    SpawnEnemy(g, {sprite, bulletKind, x, 0, 31313, speed, hp, 30, 0, 0, 0});
  }
}

}  // namespace kv::shooter
