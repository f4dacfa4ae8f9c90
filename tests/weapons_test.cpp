// The guns: volleys, cooldowns, slot ranges, and how every kind of shot flies and expires.
#include "shooter/content/weapon_tables.h"
#include "shooter/frontend/hud_bars.h"
#include "shooter/frontend/mission.h"
#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;
using Op = ui::DrawCommand::Op;
using ShotList = std::vector<std::array<int, 3>>;

// Ticks on which the gun added shots, over the given number of ticks with fire held.
std::vector<int> FiringTicks(FlyingTest& t, Shooter& g, int ticks, int first, int last) {
  std::vector<int> at;
  g.st.FireHeld = -1;
  for (int i = 1; i <= ticks; ++i) {
    int before = 0, after = 0;
    for (int s = first; s <= last; ++s) before += g.st.PlayerShots[static_cast<std::size_t>(s)].Active == -1;
    shooter::tmOneFrame_Timer(g);
    for (int s = first; s <= last; ++s) after += g.st.PlayerShots[static_cast<std::size_t>(s)].Active == -1;
    if (after > before) at.push_back(i);
  }
  (void)t;
  return at;
}

TEST_F(FlyingTest, ChaingunLevelOneFiresOneShotEverySeventhTick) {
  Shooter& g = Fly();
  EXPECT_EQ(FiringTicks(*this, g, 15, 0, 199), (std::vector<int>{1, 8, 15}));
}

TEST_F(FlyingTest, ChaingunVolleysLeaveFromTheirBarrels) {
  struct Case {
    int level;
    ShotList want;  // slot, x, y right after the firing tick (already moved once)
  };
  // Motion 8 at speed 340 rises 340 on the tick it is fired.
  const Case cases[] = {
      {1, {{0, 2720 + 260, 5000 + 120 - 340}}},
      {2, {{0, 2720 + 400, 5000 + 120 - 340}, {1, 2720 + 140, 5000 + 120 - 340}}},
  };
  for (const Case& c : cases) {
    Shooter& g = Fly();
    g.st.MainGunLevel = static_cast<i16>(c.level);
    g.st.FireHeld = -1;
    Ticks(g, 1);
    EXPECT_EQ(Shots(g, 0, 199), c.want) << c.level;
  }
}

TEST_F(FlyingTest, AFullSlotRangeTakesOnlyTheFreeSlotsInVolleyOrder) {
  Shooter& g = Fly();
  g.st.MainGunLevel = 4;  // slot limit 19; volley (3, 7), (2, 9), (1, 8 at +400), (1, 8 at +140)
  for (int i = 0; i <= 16; ++i) g.st.PlayerShots[static_cast<std::size_t>(i)] = Shot{-1, 1, 3000, 6000, 0, 0, 1, 0};
  g.st.FireHeld = -1;
  Ticks(g, 1);
  std::vector<std::array<int, 2>> got;
  for (int i = 17; i <= 20; ++i) {
    const Shot& s = g.st.PlayerShots[static_cast<std::size_t>(i)];
    if (s.Active == -1) got.push_back({s.Frame, s.Motion});
  }
  EXPECT_EQ(got, (std::vector<std::array<int, 2>>{{3, 7}, {2, 9}, {1, 8}}));
}

TEST_F(FlyingTest, CooldownsAndSlotLimitsByKindAndLevel) {
  struct Case {
    int main, level, ticks, wantFirings;
    i16 wantLimit;
  };
  const Case cases[] = {
      {kChaingun, 10, 9, 3, 99},  {kCLaser, 1, 5, 5, 10},    {kProtonBurst, 1, 9, 3, 150},
      {kProtonBurst, 9, 5, 5, 150}, {kEWave, 1, 12, 2, 2},    {kEWave, 10, 4, 4, 5},
      {kPulseRifle, 1, 16, 2, 80}, {kPulseRifle, 7, 9, 3, 80},
  };
  for (const Case& c : cases) {
    Shooter& g = Fly({c.main, 3, 0, 0, 0, 0});
    g.st.MainGunLevel = static_cast<i16>(c.level);
    EXPECT_EQ(static_cast<int>(FiringTicks(*this, g, c.ticks, 0, 199).size()), c.wantFirings) << c.main << "/" << c.level;
    EXPECT_EQ(g.st.MainGunCooldown >= 0, true);
    g.st.MainGunCooldown = 0;
    Ticks(g, 1);
    if (c.main != kCLaser) {
      EXPECT_EQ(g.st.ShotSlotLimit, c.wantLimit) << c.main << "/" << c.level;
    }
  }
}

TEST_F(FlyingTest, TheBeamFollowsTheShipAndVanishesWhenFireIsReleased) {
  Shooter& g = Fly({kCLaser, 0, 0, 0, 0, 0});
  g.st.MainGunLevel = 3;
  g.st.FireHeld = -1;
  Ticks(g, 4);
  g.st.ShipX = 3100;
  Ticks(g, 1);
  const ShotList beam = Shots(g, 0, 199);
  ASSERT_GE(beam.size(), 4u);
  for (const auto& s : beam) EXPECT_EQ(s[1], 3100 + 200);
  EXPECT_EQ(g.st.PlayerShots[static_cast<std::size_t>(beam[0][0])].Frame, 3);  // picture = level
  g.st.FireHeld = 0;
  Ticks(g, 1);
  EXPECT_TRUE(Shots(g, 0, 199).empty());
}

TEST_F(FlyingTest, ScatterShotsExpireBetweenAgeThirteenAndTwentyThree) {
  Shooter& g = Fly({kProtonBurst, 3, 0, 0, 0, 0});
  g.st.MainGunLevel = 10;
  g.st.ShipY = 6800;  // far from the top edge, so the shots expire before they leave
  std::array<int, kMainGunLast + 1> age{};
  int minAge = 1000, maxAge = 0, expired = 0;
  g.st.FireHeld = -1;
  for (int t = 0; t < 120; ++t) {
    for (int i = 0; i <= kMainGunLast; ++i) age[static_cast<std::size_t>(i)] = g.st.PlayerShots[static_cast<std::size_t>(i)].Active == -1 ? g.st.PlayerShots[static_cast<std::size_t>(i)].Age : -1;
    Ticks(g, 1);
    for (int i = 0; i <= kMainGunLast; ++i) {
      const Shot& s = g.st.PlayerShots[static_cast<std::size_t>(i)];
      if (age[static_cast<std::size_t>(i)] >= 0 && s.Active == 0 && s.Y > 1200 && s.X >= 720 && s.X <= 5655) {
        minAge = std::min(minAge, static_cast<int>(s.Age));
        maxAge = std::max(maxAge, static_cast<int>(s.Age));
        ++expired;
      }
    }
  }
  EXPECT_GT(expired, 100);
  EXPECT_GE(minAge, 13);
  EXPECT_LE(maxAge, 23);
}

TEST_F(FlyingTest, AScatterShotFliesFromItsStartTowardsItsAimPoint) {
  Shooter& g = Fly({kProtonBurst, 3, 0, 0, 0, 0});
  g.st.FireHeld = -1;
  Ticks(g, 1);
  const Shot& s = g.st.PlayerShots[0];
  const PersistentValues& p = g.st.Persist;
  ASSERT_EQ(s.Active, -1);
  EXPECT_EQ(p.HomingStartX[0], 2720 + 270);
  EXPECT_EQ(p.HomingStartY[0], 5000 + 120);
  EXPECT_GE(p.HomingTargetX[0], 2990 - 1500);
  EXPECT_LE(p.HomingTargetX[0], 2990 + 1500);
  EXPECT_GE(p.HomingTargetY[0], 5120 - 6200);
  EXPECT_LE(p.HomingTargetY[0], 5120 - 4200);
  EXPECT_EQ(s.X, ToI16(2990 + (p.HomingTargetX[0] - 2990) / 20.0));
  EXPECT_GE(s.Frame, 21);  // level 1: pictures 21 to 24
  EXPECT_EQ(s.Damage, 6);
}

TEST_F(FlyingTest, EWaveAndMissilesAccelerateWithTheSquareOfTheirAge) {
  Shooter& g = Fly({kEWave, kMissiles, 0, 0, 0, 0});
  g.st.FireHeld = -1;
  Ticks(g, 1);
  g.st.FireHeld = 0;
  const Shot wave = g.st.PlayerShots[0];
  EXPECT_EQ(wave.Speed, 1);
  EXPECT_EQ(wave.Y, 5000 - 200 - 1);
  Ticks(g, 2);
  EXPECT_EQ(g.st.PlayerShots[0].Speed, 9);
  EXPECT_EQ(g.st.PlayerShots[0].Y, 5000 - 200 - 1 - 4 - 9);
  EXPECT_EQ(g.st.PlayerShots[200].Speed, 9);
}

TEST_F(FlyingTest, MissilesTakeTurnsFromTheLeftAndTheRightBarrel) {
  Shooter& g = Fly({0, kMissiles, 0, 0, 0, 0});
  g.st.Persist.SideAlternate = 0;
  g.st.SideGunLevel = 5;
  g.st.FireHeld = -1;
  Ticks(g, 4);
  std::vector<int> dx;
  for (int i = 200; i < 204; ++i) dx.push_back(g.st.PlayerShots[static_cast<std::size_t>(i)].X - 2720);
  EXPECT_EQ(dx, (std::vector<int>{0, 560, 0, 560}));
  EXPECT_EQ(g.st.PlayerShots[200].Damage, 30);
}

TEST_F(FlyingTest, RinguBurstPicturesStepWithTheLevelAndLiveOneTick) {
  struct Case {
    int level;
    std::vector<int> frames;
  };
  const Case cases[] = {{1, {1, 2, 3, 1, 2, 3, 1, 2, 3}}, {3, {1, 2, 3, 4, 5, 6, 4, 5, 6}}, {5, {1, 2, 3, 4, 5, 6, 7, 8, 9}}};
  for (const Case& c : cases) {
    Shooter& g = Fly({0, kRingu, 0, 0, 0, 0});
    g.st.Persist.BurstFrame = 0;
    g.st.SideGunLevel = static_cast<i16>(c.level);
    g.st.FireHeld = -1;
    std::vector<int> frames;
    for (int i = 0; i < 9; ++i) {
      Ticks(g, 1);
      frames.push_back(g.st.Persist.BurstFrame);
      EXPECT_TRUE(Shots(g, 200, 289).empty());  // freed at the end of its tick
    }
    EXPECT_EQ(frames, c.frames) << c.level;
  }
}

TEST_F(FlyingTest, SteelBladesSinkDriftAndClimb) {
  Shooter& g = Fly({0, kSteelBlades, 0, 0, 0, 0});
  g.st.FireHeld = -1;
  Ticks(g, 1);
  g.st.FireHeld = 0;
  const Shot first = g.st.PlayerShots[200];
  EXPECT_EQ(g.st.Persist.DriftSide[0], 0);  // slot 200 Mod 2
  // Age 1: sinks 15, rises 1; drifts by (1 - 15) x 10 the other way.
  EXPECT_EQ(first.Y, 5000 + 15 - 1);
  EXPECT_EQ(first.X, 2720 + 150 + 140);
  int y = first.Y;
  for (int age = 2; age <= 20; ++age) {
    Ticks(g, 1);
    const int want = y + 15 * age - age * age;
    EXPECT_EQ(g.st.PlayerShots[200].Y, want) << age;
    y = want;
  }
}

TEST_F(FlyingTest, MinesBlinkOnceEveryFifteenTicks) {
  Shooter& g = Fly({0, kRMines, 0, 0, 0, 0});
  g.st.FireHeld = -1;
  Ticks(g, 1);
  g.st.FireHeld = 0;
  std::vector<int> frames{g.st.PlayerShots[200].Frame};
  for (int i = 0; i < 16; ++i) {
    Ticks(g, 1);
    frames.push_back(g.st.PlayerShots[200].Frame);
  }
  // Ages 1..17: picture 2 at ages 1 and 16.
  std::vector<int> want(17, 1);
  want[0] = 2;
  want[15] = 2;
  EXPECT_EQ(frames, want);
}

TEST_F(FlyingTest, AProxyFieldShowsPicturesOneToTwentyTwoAndEnds) {
  Shooter& g = Fly({0, 0, kProxyR, 0, 0, 0});
  g.st.PlayerShots[290] = Shot{-1, 0, 800, 3000, 8, 0, 100, 1};
  std::vector<int> shown;
  for (int t = 0; t < 25; ++t) {
    Ticks(g, 1);
    for (const auto& c : g.Play_Layer->Commands()) {
      for (int p = 1; p <= 22; ++p)
        if (c.op == Op::Picture && c.image == g.images.Picture(3, p)) shown.push_back(p);
    }
  }
  std::vector<int> want(22);
  for (int i = 0; i < 22; ++i) want[static_cast<std::size_t>(i)] = i + 1;
  EXPECT_EQ(shown, want);
  EXPECT_EQ(g.st.PlayerShots[290].Active, 0);
  EXPECT_EQ(g.st.PlayerShots[290].Frame, 0);
}

TEST_F(FlyingTest, AngledShotsLeaveAtTheirSideEdge) {
  struct Case {
    i16 motion, x;
    bool freed;
  };
  const Case cases[] = {{9, 5600, true}, {92, 5600, true}, {93, 5640, true}, {9, 4000, false},
                        {7, 760, true},  {72, 780, true},  {73, 730, true},  {7, 2000, false}};
  for (const Case& c : cases) {
    Shooter& g = Fly();
    g.st.PlayerShots[5] = Shot{-1, 1, c.x, 4000, c.motion, 0, 15, 340};
    Ticks(g, 1);
    EXPECT_EQ(g.st.PlayerShots[5].Active == 0, c.freed) << c.motion << " at " << c.x;
  }
}

TEST_F(FlyingTest, TheGunsStayQuietWhileLockedBrokenOrReleased) {
  struct Case {
    const char* what;
    i16 locked, broken, fire;
  };
  for (const Case& c : {Case{"locked", -1, 0, -1}, Case{"broken", 0, -1, -1}, Case{"released", 0, 0, 0}}) {
    Shooter& g = Fly();
    g.st.ShipLocked = c.locked;
    g.st.MainGunBroken = c.broken;
    g.st.SideGunBroken = c.broken;
    SetBarWidth(g, Bar::MainGunGauge, c.broken ? 0 : 615);  // a broken part's gauge is empty
    SetBarWidth(g, Bar::SideGunGauge, c.broken ? 0 : 615);
    g.st.FireHeld = c.fire;
    Ticks(g, 10);
    EXPECT_TRUE(Shots(g, 0, 300).empty()) << c.what;
  }
}

TEST_F(FlyingTest, TheGunsPersistentValuesSurviveANewMission) {
  Shooter& g = Fly({0, kMissiles, 0, 0, 0, 0});
  g.st.FireHeld = -1;
  Ticks(g, 1);
  const i16 alternate = g.st.Persist.SideAlternate;
  g.st.Persist.BurstFrame = 5;
  g.st.GameInitialised = 0;
  StartMission(g);
  EXPECT_EQ(g.st.Persist.SideAlternate, alternate);
  EXPECT_EQ(g.st.Persist.BurstFrame, 5);
  EXPECT_TRUE(Shots(g, 0, 300).empty());
}

}  // namespace
}  // namespace kv::testing
