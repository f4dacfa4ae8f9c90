#include "tools/headless/bot.h"

#include "shooter/core/drawing.h"

namespace kv::headless {

using namespace kv::shooter;

int Bot::TargetX() const {
  const GameState& s = game_.st;
  const Enemy* boss = nullptr;
  const Enemy* lowest = nullptr;
  int lowestBottom = -1;
  for (int i = kEnemyFirst; i <= kEnemyLast; ++i) {
    const Enemy& e = s.Enemies[static_cast<std::size_t>(i)];
    if (e.Active != kTrue) continue;
    if (e.IsBoss == kTrue && boss == nullptr) boss = &e;
    const int bottom = e.Y + PictureSize(game_, e.Sprite).h * 15;
    if (bottom > lowestBottom) {
      lowestBottom = bottom;
      lowest = &e;
    }
  }
  const Enemy* target = boss != nullptr ? boss : lowest;
  if (target == nullptr) return (720 + 5640) / 2;
  return target->X + PictureSize(game_, target->Sprite).w * 15 / 2;
}

void Bot::Hold(int vk, bool& held, bool want) {
  if (held == want) return;
  held = want;
  platform_.QueueKey({platform_.NowMs() + 1, want, vk, 0});
}

void Bot::AfterTick() {
  const GameState& s = game_.st;
  if (s.PlayLayerOn != kTrue) return;
  const int shipCentre = s.ShipX + PictureSize(game_, 0).w * 15 / 2;
  const int target = TargetX();
  const int slack = s.EngineSpeed / 2;
  Hold(s.KeyCodes[2], left_, shipCentre > target + slack);
  Hold(s.KeyCodes[3], right_, shipCentre < target - slack);
  // Fire is held all mission long; a press made while the ship was locked did not count, so it
  // is pressed again until it does.
  if (s.FireHeld == 0 && s.ShipLocked == 0 && s.AutoPilot == 0) {
    platform_.QueueKey({platform_.NowMs() + 1, true, s.KeyCodes[4], 0});
  }
  // A direction the game let go of (the engines broke, the ship was locked) is pressed again.
  if (left_ && s.MoveKeys[0] == 0) platform_.QueueKey({platform_.NowMs() + 1, true, s.KeyCodes[2], 0});
  if (right_ && s.MoveKeys[2] == 0) platform_.QueueKey({platform_.NowMs() + 1, true, s.KeyCodes[3], 0});
}

}  // namespace kv::headless
