// Hits: shots on enemies, the ship on enemies, enemy shots on the ship and the globes, power-ups.
#include "shooter/content/weapon_tables.h"
#include "shooter/core/enemies.h"
#include "shooter/frontend/hud_bars.h"
#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;

// A sturdy target that neither moves nor fires.
SpawnArgs Target(int x, int y, int hp = 1000, int boss = 0) { return {25, 11, x, y, 0, 0, hp, 50, 0, boss, 0}; }

int Sparks(const Shooter& g) {
  int n = 0;
  for (const Blast& b : g.st.Explosions) n += b.Active == -1 && b.Kind == 13;
  return n;
}

TEST_F(FlyingTest, AChaingunShotHitsTwoOverlappingEnemiesInOneTickAndIsFreed) {
  Shooter& g = Fly();
  g.st.ShipX = 720;
  SpawnEnemy(g, Target(2000, 3000));
  SpawnEnemy(g, Target(2100, 3100));
  // Placed where the move of this tick (340 up) brings it over both.
  g.st.PlayerShots[0] = Shot{-1, 1, 2200, 3500, 8, 0, 15, 340};
  Ticks(g, 1);
  EXPECT_EQ(g.st.Enemies[1].HP, 1000 - 15);
  EXPECT_EQ(g.st.Enemies[2].HP, 1000 - 15);
  EXPECT_EQ(g.st.PlayerShots[0].Active, 0);
  EXPECT_EQ(Sparks(g), 2);
}

TEST_F(FlyingTest, TheWaveHitsOnEveryTickItOverlaps) {
  Shooter& g = Fly({kEWave, 0, 0, 0, 0, 0});
  g.st.ShipX = 720;
  g.st.MainGunLevel = 10;
  SpawnEnemy(g, Target(2000, 3500, 30000));
  g.st.PlayerShots[0] = Shot{-1, 10, 1800, 3200, 8, 0, 40, 0};
  int hits = 0;
  for (int t = 0; t < 8; ++t) {
    const i16 before = g.st.Enemies[1].HP;
    Ticks(g, 1);
    if (g.st.Enemies[1].HP == before - 40) ++hits;
  }
  EXPECT_EQ(hits, 8);
  EXPECT_EQ(g.st.PlayerShots[0].Active, -1);
}

TEST_F(FlyingTest, TheBeamsBoxWidensWithItsLevel) {
  // A 21-pixel beam picture is 315 twips wide; level 1 narrows it by 90 on each side.
  struct Case {
    int level, enemyRight;
    bool hit;
  };
  const Case cases[] = {{10, 1001, true}, {1, 1001, false}, {1, 1091, true}, {1, 1090, false}};
  for (const Case& c : cases) {
    Shooter& g = Fly({kCLaser, 0, 0, 0, 0, 0});
    g.st.MainGunLevel = static_cast<i16>(c.level);
    const int slot = SpawnEnemy(g, Target(c.enemyRight - 660, 1500));
    g.st.PlayerShots[0] = Shot{-1, 1, 1000, 2500, 8, 0, 3, 650};
    g.st.FireHeld = 0;
    g.beamX = 1000;
    // Test the hit alone, as the collision step sees it after the move.
    g.st.PlayerShots[0].Y = 1850;
    ShotsHitEnemies(g);
    EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].HP < 1000, c.hit) << c.level << "/" << c.enemyRight;
  }
}

TEST_F(FlyingTest, ABossHitBeyondItsHitPointsShowsAnEmptyBarAndFalls) {
  Shooter& g = Fly();
  g.st.FrameCount = 777;
  const int slot = SpawnEnemy(g, Target(2000, 3000, 10, -1));
  g.st.PlayerShots[0] = Shot{-1, 1, 2200, 3100, 0, 0, 15, 0};
  ShotsHitEnemies(g);
  EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].HP, 0);
  EXPECT_EQ(g.hud.Boss_Bar_Top->Width, 0);
  EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].Active, 0);
  EXPECT_EQ(g.st.BossKillFrames[0], 777);
  EXPECT_EQ(g.st.BossBarMove, 2);
}

TEST_F(FlyingTest, ABossBarShowsTheHitPointsLeft) {
  Shooter& g = Fly();
  const int slot = SpawnEnemy(g, Target(2000, 3000, 1500, -1));
  g.st.PlayerShots[0] = Shot{-1, 1, 2200, 3100, 0, 0, 500, 0};
  ShotsHitEnemies(g);
  EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].HP, 1000);
  EXPECT_EQ(g.hud.Boss_Bar_Top->Width, 810);  // 1000 / 1500 x 1215
}

TEST_F(FlyingTest, TheSparkLandsAtARandomPointOfTheEnemy) {
  Shooter& g = Fly();
  const int slot = SpawnEnemy(g, Target(2000, 3000));
  for (int i = 0; i < 20; ++i) {
    g.st.PlayerShots[0] = Shot{-1, 1, 2200, 3100, 0, 0, 1, 0};
    ShotsHitEnemies(g);
  }
  for (const Blast& b : g.st.Explosions) {
    if (b.Active != -1) continue;
    EXPECT_GE(b.X, 2000 - 100);
    EXPECT_LE(b.X, 2000 + 660 - 100);
    EXPECT_GE(b.Y, 3000 - 100);
    EXPECT_LE(b.Y, 3000 + 570 - 100);
  }
  (void)slot;
}

TEST_F(FlyingTest, AShipRestingOnAnEnemyLosesOneShieldHitAndDealsOneHundredFiftyPerTick) {
  Shooter& g = Fly({0, 0, 0, 4, 0, 0});
  const int slot = SpawnEnemy(g, Target(2720, 5000, 30000));
  for (int t = 1; t <= 3; ++t) {
    Ticks(g, 1);
    EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].HP, 30000 - 150 * t);
    EXPECT_EQ(BarWidth(g, Bar::ShieldCharge), 2175 - 394 * t);
  }
}

TEST_F(FlyingTest, TheShipTouchesOnlyWithinHalfSizeBoxes) {
  struct Case {
    int ex, ey;
    bool touch;
  };
  // Ship 720 x 555 at (2720, 5000); fighter 660 x 570. Halves: ship 360 x 277.5, fighter 330 x 285.
  const Case cases[] = {{2720 + 359, 5000, true}, {2720 + 360, 5000, false}, {2720 - 329, 5000, true},
                        {2720 - 330, 5000, false}, {2720, 5000 + 277, true},  {2720, 5000 + 278, false},
                        {2720, 5000 - 284, true},  {2720, 5000 - 285, false}};
  for (const Case& c : cases) {
    Shooter& g = Fly();
    const int slot = SpawnEnemy(g, Target(c.ex, c.ey));
    ShipHitsEnemies(g);
    EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].HP < 1000, c.touch) << c.ex << "," << c.ey;
  }
}

TEST_F(FlyingTest, EnemyShotsHitTheShipAndGlobesCancelThem) {
  Shooter& g = Fly({0, 0, kGlobeEx, 4, 0, 0});
  g.st.EnemyShots[0] = EnemyShot{-1, 11, 2720, 4950, 2720, 4950, 0, 10, 2720, 4950};  // at the ship's top edge
  g.st.EnemyShots[1] = EnemyShot{-1, 5, 1500, 3000, 1500, 3000, 0, 10, 1500, 3000};   // an undrawn kind
  g.st.PlayerShots[290] = Shot{-1, 1, 1200, 2800, 0, 0, 1, 0};                         // a globe, 900 square
  Ticks(g, 1);
  EXPECT_EQ(g.st.EnemyShots[0].Active, 0);
  EXPECT_EQ(BarWidth(g, Bar::ShieldCharge), 2175 - 394);
  EXPECT_EQ(g.st.EnemyShots[1].Active, 0);  // globes stop every kind
}

TEST_F(FlyingTest, APowerUpFallsSpinsAndRaisesTheGunByTheClock) {
  struct Case {
    i32 clock;
    i16 wantMg, wantSg;
  };
  for (const Case& c : {Case{98, 2, 1}, Case{99, 1, 2}}) {  // picked up two ticks later, on 100 or 101
    Shooter& g = Fly();
    g.st.FrameCount = c.clock;
    g.st.PowerUps[0] = PowerUp{-1, 2720, 5000 - 30 - 690, 15};
    Ticks(g, 1);
    EXPECT_EQ(g.st.PowerUps[0].Frame, 1);  // 16 wraps to 1
    EXPECT_EQ(g.st.PowerUps[0].Active, -1);
    Ticks(g, 1);
    EXPECT_EQ(g.st.PowerUps[0].Active, 0) << c.clock;
    EXPECT_EQ(g.st.MainGunLevel, c.wantMg) << c.clock;
    EXPECT_EQ(g.st.SideGunLevel, c.wantSg) << c.clock;
  }
}

TEST_F(FlyingTest, APowerUpThatFallsOutIsGone) {
  Shooter& g = Fly();
  g.st.PowerUps[1] = PowerUp{-1, 3000, 7900, 1};
  Ticks(g, 1);
  EXPECT_EQ(g.st.PowerUps[1].Active, 0);
  EXPECT_EQ(g.st.MainGunLevel, 1);
}

}  // namespace
}  // namespace kv::testing
