#include "shooter/core/frame_loop.h"
#include "shooter/frontend/shooter.h"

namespace kv::shooter {

// Firing and the flight of shots come with the weapons work.
void FireMainGun(Shooter&) {}
void FireSideGun(Shooter&) {}
void MovePlayerShots(Shooter&) {}

// Side gun kind 1 ("Ringu") shots live for exactly one tick.
void FreeRinguShots(Shooter& g) {
  if (g.st.Equip[1] != 1) return;
  for (int i = kSideGunFirst; i <= kSideGunLast; ++i) g.st.PlayerShots[static_cast<std::size_t>(i)].Active = 0;
}

}  // namespace kv::shooter
