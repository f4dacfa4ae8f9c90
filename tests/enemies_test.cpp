// Enemies: entering play, their behaviours, their fire and how their shots fly.
#include "shooter/core/enemies.h"

#include <set>
#include <tuple>

#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;
using Op = ui::DrawCommand::Op;

SpawnArgs Fighter(int x, int y, int behaviour = 88, int pattern = 1, int speed = 50) {
  return {25, 11, x, y, behaviour, speed, 40, 50, pattern, 0, 0};
}

int ActiveEnemyShots(const Shooter& g) {
  int n = 0;
  for (const EnemyShot& s : g.st.EnemyShots) n += s.Active == -1;
  return n;
}

TEST_F(FlyingTest, SpawnsTakeTheFirstFreeSlotAndAFullTableLosesThem) {
  Shooter& g = Fly();
  for (int i = 1; i <= 39; ++i) EXPECT_EQ(SpawnEnemy(g, Fighter(1000, 2000)), i);
  EXPECT_EQ(SpawnEnemy(g, Fighter(1000, 2000)), 40);
  EXPECT_EQ(SpawnEnemy(g, Fighter(1000, 2000)), -1);
  g.st.Enemies[3].Active = 0;
  EXPECT_EQ(SpawnEnemy(g, Fighter(1234, 2000)), 3);
  EXPECT_EQ(g.st.Enemies[3].X, 1234);
  EXPECT_EQ(g.st.Enemies[0].Active, 0);
  const Enemy& e = g.st.Enemies[3];
  EXPECT_EQ(e.HP, 40);
  EXPECT_EQ(e.MaxHP, 40);
  EXPECT_EQ(e.Age, 0);
  EXPECT_EQ(e.Frame, 1);
}

TEST_F(FlyingTest, OnlyABossFlagOfMinusOneMakesABossAndFillsItsBar) {
  Shooter& g = Fly();
  for (int flag : {0, 1, -2, 5}) {
    const int slot = SpawnEnemy(g, {19, 11, 2400, 0, 4646, 40, 1500, 400, 123, flag, 0});
    EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].IsBoss, 0) << flag;
  }
  EXPECT_EQ(g.st.BossBarMove, 0);
  g.st.BossBarMove = 2;  // the previous boss's bar still sliding out
  g.hud.Boss_Bar_Top->Width = 100;
  const int slot = SpawnEnemy(g, {19, 11, 2400, 0, 4646, 40, 1500, 400, 123, -1, 0});
  EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].IsBoss, -1);
  EXPECT_EQ(g.st.BossBarMove, 1);
  EXPECT_EQ(g.hud.Boss_Bar_Top->Width, g.hud.Boss_Bar_Bottom->Width);
}

TEST_F(FlyingTest, FirePatternsAimFromTheEnemysCentre) {
  struct Case {
    int pattern;
    int tx, ty, slowness;
  };
  // A fighter (44 x 38) at (1000, 2000): centre (1330, 2285); its width is 660 twips.
  const Case cases[] = {
      {1, 2720 + 360, 5000 + 278, 10},  // the ship's centre; 277.5 rounds to even with an even ShipY
      {2, 1330, 7920, 160},  {3, 720, 2660 + 6000, 70}, {8, 720, 2660 + 1000, 70}, {9, 720, 2660, 70},
      {10, 5640, 2660 + 6000, 70}, {16, 5640, 2660, 70}, {18, 2720, 5000, 40},   {19, 1330, 9000, 30},
  };
  for (const Case& c : cases) {
    Shooter& g = Fly();
    g.st.FrameCount = kQuietClock;
    const int slot = SpawnEnemy(g, Fighter(1000, 2000));
    EnemyFire(g, c.pattern, slot);
    const EnemyShot& s = g.st.EnemyShots[0];
    ASSERT_EQ(s.Active, -1) << c.pattern;
    EXPECT_EQ(s.OriginX, 1330);
    EXPECT_EQ(s.OriginY, 2285);
    EXPECT_EQ(s.X, 1330);
    EXPECT_EQ(s.Kind, 11);
    EXPECT_EQ(s.Homing, 1);
    EXPECT_EQ(s.TargetX, c.tx) << c.pattern;
    EXPECT_EQ(s.TargetY, c.ty) << c.pattern;
    EXPECT_EQ(s.Slowness, c.slowness) << c.pattern;
  }
}

TEST_F(FlyingTest, PatternOneRoundsTheShipsCentreHalfToEven) {
  Shooter& g = Fly();
  g.st.FrameCount = kQuietClock;
  const int slot = SpawnEnemy(g, Fighter(1000, 2000));
  for (const auto& [shipY, offset] : {std::pair{5000, 278}, std::pair{5001, 277}}) {
    g.st.ShipY = static_cast<i16>(shipY);
    for (EnemyShot& s : g.st.EnemyShots) s.Active = 0;
    EnemyFire(g, 1, slot);
    EXPECT_EQ(g.st.EnemyShots[0].TargetY, shipY + offset);
  }
}

TEST_F(FlyingTest, PatternSeventeenSpreadsAndUnknownPatternsDoNothing) {
  Shooter& g = Fly();
  g.st.FrameCount = kQuietClock;
  const int slot = SpawnEnemy(g, Fighter(1000, 2000));
  for (int i = 0; i < 50; ++i) EnemyFire(g, 17, slot);
  for (int i = 0; i < 50; ++i) {
    EXPECT_GE(g.st.EnemyShots[static_cast<std::size_t>(i)].TargetX, 720);
    EXPECT_LE(g.st.EnemyShots[static_cast<std::size_t>(i)].TargetX, 5640);
    EXPECT_EQ(g.st.EnemyShots[static_cast<std::size_t>(i)].TargetY, 9000);
  }
  for (int p : {0, 20, -1, 123, 32147}) EnemyFire(g, p, slot);
  EXPECT_EQ(ActiveEnemyShots(g), 50);
}

TEST_F(FlyingTest, NoEnemyShotsWhileTheClockIsNotPositiveAndTheTwoHundredSecondIsLost) {
  Shooter& g = Fly();
  const int slot = SpawnEnemy(g, Fighter(1000, 2000));
  for (i32 clock : {0, -300}) {
    g.st.FrameCount = clock;
    EnemyFire(g, 2, slot);
    EXPECT_EQ(ActiveEnemyShots(g), 0);
  }
  g.st.FrameCount = kQuietClock;
  for (int i = 0; i < 202; ++i) EnemyFire(g, 2, slot);
  EXPECT_EQ(ActiveEnemyShots(g), 201);
}

TEST_F(FlyingTest, AHomingShotKeepsOneStepAndAZeroStepShotStays) {
  Shooter& g = Fly();
  g.st.FrameCount = kQuietClock;
  // From (1000, 2000) towards (1000, 6000): d = 4000, k = 20, divisor 30.
  g.st.EnemyShots[0] = EnemyShot{-1, 11, 1000, 2000, 1000, 2000, 1, 10, 1000, 6000};
  // Target on the origin, and a divisor of 0 that no pattern makes.
  g.st.EnemyShots[1] = EnemyShot{-1, 11, 3000, 3000, 3000, 3000, 1, 40, 3000, 3000};
  g.st.EnemyShots[2] = EnemyShot{-1, 11, 3000, 4000, 3000, 4000, 1, 0, 3000, 4000};
  g.st.ShipX = 720;
  Ticks(g, 3);
  EXPECT_EQ(g.st.EnemyShots[0].Y, 2000 + 3 * 133);  // 4000 / 30 = 133.33 each tick, rounded
  EXPECT_EQ(g.st.EnemyShots[1].X, 3000);
  EXPECT_EQ(g.st.EnemyShots[1].Y, 3000);
  EXPECT_EQ(g.st.EnemyShots[2].Y, 4000);
  EXPECT_EQ(g.st.EnemyShots[2].Active, -1);
}

TEST_F(FlyingTest, EnemyShotsAreDrawnByTheirCentreAndOnlyTheFourKinds) {
  Shooter& g = Fly();
  g.st.FrameCount = kQuietClock;
  g.st.EnemyShots[0] = EnemyShot{-1, 11, 1000, 2000, 1000, 2000, 0, 10, 1000, 2000};
  g.st.EnemyShots[1] = EnemyShot{-1, 22, 3000, 3000, 3000, 3000, 0, 10, 3000, 3000};
  g.st.EnemyShots[2] = EnemyShot{-1, 3, 4000, 3000, 4000, 3000, 0, 10, 4000, 3000};
  Ticks(g, 1);
  int pellets = 0, fireballs = 0;
  for (const auto& c : g.Play_Layer->Commands()) {
    if (c.op != Op::Picture) continue;
    if (c.image == g.images.Picture(15, 1)) {
      ++pellets;
      EXPECT_EQ(c.x, ToI16(925 / 15.0));
      EXPECT_EQ(c.y, ToI16(1925 / 15.0));
    }
    if (c.image == g.images.Picture(16, 2)) ++fireballs;
  }
  EXPECT_EQ(pellets, 1);
  EXPECT_EQ(fireballs, 1);
  EXPECT_EQ(g.st.EnemyShots[2].Active, -1);  // moved but neither drawn nor hit-tested
}

// The course of one enemy over its first ticks: (age, x, y) after each tick.
std::vector<std::array<int, 3>> Course(FlyingTest& t, Shooter& g, int slot, int ticks) {
  std::vector<std::array<int, 3>> out;
  for (int i = 0; i < ticks; ++i) {
    shooter::tmOneFrame_Timer(g);
    const Enemy& e = g.st.Enemies[static_cast<std::size_t>(slot)];
    out.push_back({e.Age, e.X, e.Y});
  }
  (void)t;
  return out;
}

TEST_F(FlyingTest, BehaviourEightySixFallsSlowsAndVeersRight) {
  Shooter& g = Fly();
  g.st.ShipX = 720;
  const int slot = SpawnEnemy(g, Fighter(1000, 0, 86, 0, 40));
  const auto c = Course(*this, g, slot, 100);
  for (int age = 1; age <= 100; ++age) {
    const auto& [a, x, y] = c[static_cast<std::size_t>(age - 1)];
    const int prevY = age == 1 ? 0 : c[static_cast<std::size_t>(age - 2)][2];
    const int prevX = age == 1 ? 1000 : c[static_cast<std::size_t>(age - 2)][1];
    const int fall = age <= 19 ? 40 : age <= 69 ? 30 : 15;
    EXPECT_EQ(a, age);
    EXPECT_EQ(y - prevY, fall) << age;
    EXPECT_EQ(x - prevX, age >= 41 ? 30 : 0) << age;
  }
}

TEST_F(FlyingTest, FireSchedulesOfTheBehaviours) {
  struct Case {
    int behaviour, pattern;
    std::vector<int> wantAges;  // ages at which a shot appeared, up to age 80
  };
  const Case cases[] = {
      {88, 3, {20, 45, 70}}, {88, 0, {}}, {88, 123, {}},     {86, 2, {39, 79}},
      {84, 2, {39, 79}},     {821, 2, {34, 69}}, {83, 2, {34, 69}}, {81, 2, {34, 69}},
      {555, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 80}},
  };
  for (const Case& c : cases) {
    Shooter& g = Fly();
    g.st.ShipX = 720;  // out of the way of the shots
    g.st.ShipY = 6800;
    // Inside the field: shots fired above its top edge are removed on the tick they appear.
    const int slot = SpawnEnemy(g, {25, 11, 2500, 2000, c.behaviour, 1, 40, 50, c.pattern, 0, 0});
    std::vector<int> ages;
    for (int i = 0; i < 80; ++i) {
      Ticks(g, 1);
      if (ActiveEnemyShots(g) > 0) ages.push_back(g.st.Enemies[static_cast<std::size_t>(slot)].Age);
      for (EnemyShot& s : g.st.EnemyShots) s.Active = 0;
    }
    EXPECT_EQ(ages, c.wantAges) << c.behaviour << "/" << c.pattern;
  }
}

TEST_F(FlyingTest, RandomFansPickTheirPatternEverySeventhTick) {
  for (const auto& [code, lo, hi] : {std::tuple{32147, 720, 720}, std::tuple{12369, 5640, 5640}}) {
    Shooter& g = Fly();
    g.st.ShipX = 720;
    const int slot = SpawnEnemy(g, {20, 12, 2500, 2000, 88, 1, 230, 150, code, 0, 0});
    Ticks(g, 15);
    int shots = 0;
    for (const EnemyShot& s : g.st.EnemyShots) {
      if (s.Active != -1) continue;
      ++shots;
      EXPECT_GE(s.TargetX, lo);
      EXPECT_LE(s.TargetX, hi);
    }
    EXPECT_EQ(shots, 3) << code;  // ages 1, 8 and 15
    (void)slot;
  }
}

TEST_F(FlyingTest, AsteroidsDriftLeftAndTurn) {
  Shooter& g = Fly();
  g.st.ShipX = 720;  // out of the rock's way
  const int slot = SpawnEnemy(g, {28, 0, 3000, 0, 31313, 80, 60, 30, 0, 0, 0});
  std::set<int> frames;
  for (int i = 0; i < 60; ++i) {
    Ticks(g, 1);
    frames.insert(g.st.Enemies[static_cast<std::size_t>(slot)].Frame);
  }
  EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].X, 3000 - 60 * 5);
  EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].Y, 60 * 80);
  EXPECT_GE(frames.size(), 2u);
  EXPECT_LE(*frames.rbegin(), 4);
}

TEST_F(FlyingTest, EnemiesLeavingTheFieldAreRemovedWithoutScoreAndTheirShotsLiveOn) {
  struct Case {
    int x, y;
    bool removed;
  };
  // A fighter is 660 x 570 twips; it moves down by 1 on its tick.
  const Case cases[] = {{1000, 8640 - 570 - 1, true}, {1000, 8640 - 570 - 2, false}, {1, 3000, false},
                        {0, 3000, true},              {6360 - 660, 3000, true},      {6360 - 661, 3000, false}};
  for (const Case& c : cases) {
    Shooter& g = Fly();
    g.st.FrameCount = kQuietClock;
    g.st.ShipX = 720;
    const int slot = SpawnEnemy(g, {25, 11, c.x, c.y, 88, 1, 40, 50, 0, 0, 0});
    g.st.EnemyShots[0] = EnemyShot{-1, 11, 3000, 3000, 3000, 3000, 1, 40, 3000, 9000};
    Ticks(g, 1);
    EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].Active == 0, c.removed) << c.x << "," << c.y;
    EXPECT_EQ(g.st.Score, 0);
    EXPECT_EQ(g.st.EnemyShots[0].Active, -1);
  }
}

}  // namespace
}  // namespace kv::testing
