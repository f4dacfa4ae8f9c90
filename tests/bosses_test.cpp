// The five bosses' programs.
#include "shooter/core/enemies.h"
#include <set>

#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;

// The boss sets of the acts, keyed by behaviour.
SpawnArgs Boss(int behaviour) {
  switch (behaviour) {
    case 4646: return {19, 11, 2400, 0, 4646, 40, 1500, 400, 123, -1, 0};
    case 3311: return {23, 11, 3050, 0, 3311, 80, 4500, 1700, 999, -1, 0};
    case 2288: return {31, 21, 2550, 0, 2288, 100, 7500, 3000, 12321, -1, -1};
    case 7979: return {24, 22, 2000, 0, 7979, 250, 12500, 4500, 3333, -1, 0};
    default: return {18, 22, 2400, 0, 17931, 100, 15000, 8000, 666, -1, 0};
  }
}

class BossTest : public FlyingTest {
 protected:
  Shooter& Arena(int behaviour, int& slot, int y = 0) {
    Shooter& g = Fly();
    g.st.ShipX = 720;  // well out of the way
    g.st.ShipY = 6800;
    g.st.FrameCount = kQuietClock;
    SpawnArgs a = Boss(behaviour);
    a.y = y;
    slot = SpawnEnemy(g, a);
    return g;
  }
  const Enemy& E(const Shooter& g, int slot) { return g.st.Enemies[static_cast<std::size_t>(slot)]; }
  int Count(const Shooter& g, int sprite) {
    int n = 0;
    for (const Enemy& e : g.st.Enemies) n += e.Active == -1 && e.Sprite == sprite;
    return n;
  }
};

TEST_F(BossTest, TheActThreeBossesAgeCyclesOneToTwoHundred) {
  int slot = 0;
  Shooter& g = Arena(2288, slot);
  int maxAge = 0;
  std::vector<int> aroundTheTurn;
  for (int t = 1; t <= 450; ++t) {
    Ticks(g, 1);
    maxAge = std::max(maxAge, static_cast<int>(E(g, slot).Age));
    if (t >= 199 && t <= 202) aroundTheTurn.push_back(E(g, slot).Age);
  }
  EXPECT_EQ(maxAge, 199);  // 200 is set back to 0 on the tick it is reached
  EXPECT_EQ(aroundTheTurn, (std::vector<int>{199, 0, 1, 2}));
  EXPECT_EQ(E(g, slot).Active, -1);
}

TEST_F(BossTest, TheActTwoBossDriftsSeventyFiveTwipsLeftEveryCycle) {
  int slot = 0;
  Shooter& g = Arena(3311, slot);
  Ticks(g, 100);
  const int x100 = E(g, slot).X;
  // Ages 1..24 and 100 move left, 51..74 right.
  EXPECT_EQ(x100, 3050 - 75);
  Ticks(g, 100);
  EXPECT_EQ(E(g, slot).X, x100 - 75);
  EXPECT_EQ(E(g, slot).Y, 24 * 80);
}

TEST_F(BossTest, TheActTwoBossCallsInTwentyAsteroidsEveryHundredTwentyFiveTicks) {
  int slot = 0;
  Shooter& g = Arena(3311, slot);
  Ticks(g, 1);  // Age 1
  EXPECT_EQ(Count(g, 28) + Count(g, 29) + Count(g, 30), 20);
}

TEST_F(BossTest, TheFinalBossReleasesAPodAndTwentyAsteroidsOnTheSameTick) {
  int slot = 0;
  Shooter& g = Arena(17931, slot);
  g.st.Enemies[static_cast<std::size_t>(slot)].Age = 198;
  g.st.Enemies[static_cast<std::size_t>(slot)].Y = 1500;
  Ticks(g, 1);  // Age 199
  EXPECT_EQ(Count(g, 21), 1);
  EXPECT_EQ(Count(g, 28) + Count(g, 29) + Count(g, 30), 20);
  const int fighters = Count(g, 25);
  EXPECT_EQ(fighters, 0);
  g.st.Enemies[static_cast<std::size_t>(slot)].Age = 210;
  Ticks(g, 1);  // Age 211: 211 Mod 30 is 1
  EXPECT_EQ(Count(g, 25), 1);
  for (const Enemy& e : g.st.Enemies) {
    if (e.Active == -1 && e.Sprite == 21) {
      EXPECT_EQ(e.DropsPowerUp, -1);
      EXPECT_EQ(e.HP, 160);
    }
  }
}

TEST_F(BossTest, TheFinalBossStaysInsideItsClamps) {
  int slot = 0;
  Shooter& g = Arena(17931, slot);
  int minX = 99999, maxX = 0, maxY = 0;
  for (int t = 0; t < 1000; ++t) {
    Ticks(g, 1);
    for (Enemy& e : g.st.Enemies)
      if (&e != &g.st.Enemies[static_cast<std::size_t>(slot)]) e.Active = 0;  // keep the table free
    minX = std::min(minX, static_cast<int>(E(g, slot).X));
    maxX = std::max(maxX, static_cast<int>(E(g, slot).X));
    maxY = std::max(maxY, static_cast<int>(E(g, slot).Y));
  }
  EXPECT_GE(minX, 800);
  EXPECT_LE(maxX, 3705);
  EXPECT_LE(maxY, 5325);
  EXPECT_EQ(E(g, slot).Active, -1);
}

TEST_F(BossTest, TheActOneBossFiresFromItsFirstTickAndPatrols) {
  int slot = 0;
  Shooter& g = Arena(4646, slot, 2000);  // inside the field, so that its shots are seen
  g.st.Persist.PatrolLeft = 0;
  g.st.ShipY = 3000;  // so that its aimed shots stay in the field
  std::vector<int> firedAt;
  for (int t = 1; t <= 25; ++t) {
    int before = 0, after = 0;
    for (const EnemyShot& s : g.st.EnemyShots) before += s.Active == -1;
    Ticks(g, 1);
    for (const EnemyShot& s : g.st.EnemyShots) after += s.Active == -1;
    if (after > before) firedAt.push_back(E(g, slot).Age);
    for (EnemyShot& s : g.st.EnemyShots) s.Active = 0;
  }
  EXPECT_EQ(firedAt, (std::vector<int>{1, 11, 21}));
  // Patrolling right until its right edge passes 5380, then left until it passes 980.
  g.st.Enemies[static_cast<std::size_t>(slot)].X = 1000;
  g.st.Persist.PatrolLeft = 0;
  int rightmost = 0, leftmost = 99999;
  for (int t = 0; t < 300; ++t) {
    Ticks(g, 1);
    rightmost = std::max(rightmost, static_cast<int>(E(g, slot).X));
    leftmost = std::min(leftmost, static_cast<int>(E(g, slot).X));
    for (EnemyShot& s : g.st.EnemyShots) s.Active = 0;
  }
  EXPECT_EQ(rightmost, 2600);  // the first x whose right edge lies beyond 5380
  EXPECT_EQ(leftmost, 960);    // the first x below 980
}

TEST_F(BossTest, TheActFourBossShiftsBetweenItsClamps) {
  int slot = 0;
  Shooter& g = Arena(7979, slot);
  int minX = 99999, maxX = 0;
  for (int t = 0; t < 720; ++t) {
    Ticks(g, 1);
    minX = std::min(minX, static_cast<int>(E(g, slot).X));
    maxX = std::max(maxX, static_cast<int>(E(g, slot).X));
    for (EnemyShot& s : g.st.EnemyShots) s.Active = 0;
  }
  EXPECT_EQ(minX, 900);
  EXPECT_EQ(maxX, 2800);
}

TEST_F(BossTest, VolleyPickChoosesTheActTwoBossesPattern) {
  int slot = 0;
  Shooter& g = Arena(3311, slot);
  std::set<int> picks;
  for (int t = 0; t < 600; ++t) {
    Ticks(g, 1);
    picks.insert(g.st.Persist.VolleyPick);
    for (Enemy& e : g.st.Enemies)
      if (&e != &g.st.Enemies[static_cast<std::size_t>(slot)]) e.Active = 0;
  }
  EXPECT_EQ(picks, (std::set<int>{0, 1, 2}));
}

}  // namespace
}  // namespace kv::testing
