// A short battle over real frame ticks: the timers run the game and the keys fly the ship.
#include "shooter/core/enemies.h"
#include "shooter/frontend/hud_bars.h"
#include <algorithm>

#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;

class BattleTest : public FlyingTest {
 protected:
  // Runs the window's own timers for the given number of frames.
  void Frames(int n) { platform_->RunUntil(platform_->NowMs() + 33 * n); }
  void Key(bool down, int vk) { platform_->QueueKey({platform_->NowMs(), down, vk, 0}); }
};

TEST_F(BattleTest, ShootingDownAWaveScoresAndItsPodRaisesAGun) {
  Shooter& g = Fly();
  g.tmOneFrame->SetEnabled(true);
  g.st.FrameCount = kQuietClock;
  // A row of fighters and a pod straight ahead.
  for (int x : {2200, 2700, 3200}) SpawnEnemy(g, {25, 11, x, 1500, 88, 10, 40, 50, 0, 0, 0});
  SpawnEnemy(g, {21, 11, 2800, 1000, 88, 25, 100, 150, 0, 0, -1});
  Key(true, 32);  // fire
  Frames(60);
  EXPECT_GE(g.st.Kills, 2);
  EXPECT_GE(g.st.Score, 100);
  EXPECT_EQ(g.hud.BufferText[6]->Caption().size(), 6u);
  bool exploded = false;
  for (const Blast& b : g.st.Explosions) exploded |= b.Active == -1 || b.Frame > 1;
  EXPECT_TRUE(exploded);
  // The pod's power-up falls; the ship waits under it and takes it.
  for (int t = 0; t < 300 && g.st.MainGunLevel == 1 && g.st.SideGunLevel == 1; ++t) {
    for (const PowerUp& p : g.st.PowerUps) {
      if (p.Active == -1) g.st.ShipX = std::clamp<i16>(p.X, 720, 4920);
    }
    Frames(1);
  }
  EXPECT_EQ(g.st.MainGunLevel + g.st.SideGunLevel, 3);
  Key(false, 32);
  Frames(1);
  EXPECT_EQ(g.st.FireHeld, 0);
}

TEST_F(BattleTest, EnemyFireWearsTheShieldDownAndBreaksParts) {
  Shooter& g = Fly({0, 0, 0, 1, 0, 0});  // KVS Mark II
  g.tmOneFrame->SetEnabled(true);
  g.st.FrameCount = kQuietClock;
  g.st.ShipX = 1500;
  g.st.ShipY = 6000;
  // Gunships at the sides firing straight at the ship, out of reach of its guns.
  for (int y : {2000, 3500}) {
    SpawnEnemy(g, {22, 11, 4600, y, 0, 0, 30000, 100, 0, 0, 0});
    SpawnEnemy(g, {22, 11, 800, y - 700, 0, 0, 30000, 100, 0, 0, 0});
  }
  int fired = 0;
  bool partBroken = false;
  for (int t = 0; t < 400 && !partBroken; ++t) {
    if (t % 10 == 0) {
      for (int slot = 1; slot <= 4; ++slot) EnemyFire(g, 1, slot);
      fired += 4;
    }
    Frames(1);
    partBroken = g.st.MainGunBroken | g.st.SideGunBroken | g.st.EngineBroken | g.st.GeneratorBroken;
  }
  EXPECT_GT(fired, 0);
  EXPECT_EQ(g.st.ShieldUp, 0);
  EXPECT_TRUE(partBroken || g.st.FrameCount < 0);
  EXPECT_EQ(g.st.ShieldBarFlag, -1);
}

}  // namespace
}  // namespace kv::testing
