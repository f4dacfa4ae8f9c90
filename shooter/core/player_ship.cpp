#include "shooter/core/frame_loop.h"
#include "shooter/core/drawing.h"

namespace kv::shooter {

// The ship's movement, glow, repairs and recharge come with the ship work. Until then the ship
// is drawn where it stands.
void ShieldGlow(Shooter&) {}

void MoveShip(Shooter& g) {
  DrawPicture(g, 0, static_cast<int>(Mod(g.st.FramesThisSecond, 3)) + 1, g.st.ShipX, g.st.ShipY);
}

void RepairParts(Shooter&) {}
void RechargeBars(Shooter&) {}

}  // namespace kv::shooter
