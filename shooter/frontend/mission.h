#pragma once
// The start of a mission, the pilot's death and the end-of-game report.
#include "shooter/frontend/shooter.h"

namespace kv::shooter {

void StartMission(Shooter& g);
void PlayerDeath(Shooter& g);
void WriteReport(Shooter& g);

}  // namespace kv::shooter
