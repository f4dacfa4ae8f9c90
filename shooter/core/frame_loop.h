#pragma once
// One frame of the game: the handler of the frame timer and the steps it runs, in order.
namespace kv::shooter {

class Shooter;

void tmOneFrame_Timer(Shooter& g);

// Steps of the tick that stand on their own.
void EndOfGameSequence(Shooter& g);
void MoveStars(Shooter& g);
void AnimateExplosions(Shooter& g);
void ScreenFlash(Shooter& g);
void StormFlash(Shooter& g);

// Ship (player_ship.cpp).
void ShieldGlow(Shooter& g);
void MoveShip(Shooter& g);
void RepairParts(Shooter& g);
void RechargeBars(Shooter& g);

// Guns and shots (player_weapons.cpp).
void FireMainGun(Shooter& g);
void FireSideGun(Shooter& g);
void MovePlayerShots(Shooter& g);
void FreeRinguShots(Shooter& g);

// Enemies (enemy_step.cpp).
void MoveEnemies(Shooter& g);
void DrawEnemies(Shooter& g);
void MoveEnemyShots(Shooter& g);

// Hits (collisions.cpp).
void MovePowerUps(Shooter& g);
void ShotsHitEnemies(Shooter& g);
void ShipHitsEnemies(Shooter& g);

}  // namespace kv::shooter
