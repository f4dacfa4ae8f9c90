#include "shooter/core/frame_loop.h"
#include "shooter/frontend/shooter.h"

namespace kv::shooter {

// Hit tests and power-ups come with the collisions work.
void MovePowerUps(Shooter&) {}
void ShotsHitEnemies(Shooter&) {}
void ShipHitsEnemies(Shooter&) {}

}  // namespace kv::shooter
