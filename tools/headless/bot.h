#pragma once
// A player for the headless runner: it holds fire all mission long and steers the ship's
// centre under the boss when one is there, otherwise under the lowest enemy, otherwise back to
// the middle. It uses only the playfield keys, as a player would, and decides from the game's
// state alone, so a run with a bot is as repeatable as any other.
#include "platform/headless/headless_platform.h"
#include "shooter/frontend/shooter.h"

namespace kv::headless {

class Bot {
 public:
  Bot(HeadlessPlatform& platform, shooter::Shooter& game) : platform_(platform), game_(game) {}
  // Called after every frame tick: queues the key events for the next one.
  void AfterTick();
  // The x the ship's centre steers for.
  int TargetX() const;

 private:
  void Hold(int vk, bool& held, bool want);
  HeadlessPlatform& platform_;
  shooter::Shooter& game_;
  bool left_ = false;
  bool right_ = false;
};

}  // namespace kv::headless
