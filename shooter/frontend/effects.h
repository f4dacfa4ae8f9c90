#pragma once
// Explosions, power-up drops and the special weapon's discharge.
#include "shooter/frontend/shooter.h"

namespace kv::shooter {

// (x, y) is the explosion's centre; the kinds of the table turn it into the top-left corner.
void AddExplosion(Shooter& g, int x, int y, int kind);
void AddPowerUp(Shooter& g, int x, int y);
void FireSpecial(Shooter& g, int kind);

}  // namespace kv::shooter
