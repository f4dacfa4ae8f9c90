#include "shooter/frontend/effects.h"

#include "shooter/content/explosion_kinds.h"

namespace kv::shooter {

void AddExplosion(Shooter& g, int x, int y, int kind) {
  for (Blast& b : g.st.Explosions) {
    if (b.Active != 0) continue;
    b.Active = kTrue;
    b.Kind = Wrap16(kind);
    b.X = Wrap16(x);
    b.Y = Wrap16(y);
    b.Frame = 1;
    for (const ExplosionKind& k : kExplosionKinds) {
      if (k.kind != kind) continue;
      b.LastFrame = Wrap16(k.lastFrame);
      b.X = ToI16(x + k.dx);
      b.Y = ToI16(y + k.dy);
    }
    return;
  }
}

void AddPowerUp(Shooter& g, int x, int y) {
  for (PowerUp& p : g.st.PowerUps) {
    if (p.Active != 0) continue;
    p = PowerUp{kTrue, Wrap16(x), Wrap16(y), 1};
    return;
  }
}

// The discharge comes with the enemies work.
void FireSpecial(Shooter&, int) {}

}  // namespace kv::shooter
