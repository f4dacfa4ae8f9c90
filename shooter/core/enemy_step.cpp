#include "shooter/core/drawing.h"
#include "shooter/core/frame_loop.h"

namespace kv::shooter {

// Enemy behaviours and enemy fire come with the enemies work.
void MoveEnemies(Shooter&) {}

void DrawEnemies(Shooter& g) {
  for (int i = kEnemyFirst; i <= kEnemyLast; ++i) {
    const Enemy& e = g.st.Enemies[static_cast<std::size_t>(i)];
    if (e.Active == kTrue) DrawPicture(g, e.Sprite, e.Frame, e.X, e.Y);
  }
}

void MoveEnemyShots(Shooter&) {}

}  // namespace kv::shooter
