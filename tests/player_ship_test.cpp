// The ship: movement and its bounds, the shield glow, repairs and the recharge of the bars.
#include "shooter/frontend/hud.h"
#include "shooter/frontend/hud_bars.h"
#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;
using Op = ui::DrawCommand::Op;

TEST_F(FlyingTest, MovementStopsAtTheBoundsOfTheField) {
  struct Case {
    i16 x, y;
    std::array<i16, 4> keys;  // left, up, right, down
    i16 wantX, wantY;
  };
  const Case cases[] = {
      {760, 5000, {-1, 0, 0, 0}, 720, 5000},    // 760 - 80 ends at 720, not 680
      {800, 5000, {-1, 0, 0, 0}, 720, 5000},    // reaching 720 exactly
      {2000, 1500, {0, -1, 0, 0}, 2000, 1440},
      {4900, 5000, {0, 0, -1, 0}, 4920, 5000},
      {2000, 6800, {0, 0, 0, -1}, 2000, 6860},
      {2000, 4000, {-1, -1, 0, 0}, 1920, 3920},
      {2000, 4000, {-1, 0, -1, 0}, 2000, 4000},  // opposite keys cancel
      {740, 4000, {-1, 0, -1, 0}, 800, 4000},    // ... clamps aside
  };
  Shooter& g = Fly();
  for (const Case& c : cases) {
    g.st.ShipX = c.x;
    g.st.ShipY = c.y;
    g.st.MoveKeys = c.keys;
    Ticks(g, 1);
    EXPECT_EQ(g.st.ShipX, c.wantX) << c.x << "," << c.y;
    EXPECT_EQ(g.st.ShipY, c.wantY) << c.x << "," << c.y;
  }
}

TEST_F(FlyingTest, BrokenEnginesOrALockStopTheShipButTheAutopilotFliesIt) {
  Shooter& g = Fly();
  g.st.MoveKeys = {0, -1, 0, 0};
  g.st.EngineBroken = -1;
  SetBarWidth(g, Bar::EngineGauge, 0);
  g.st.EngineRate = 1;  // the engines stay broken through the test
  Ticks(g, 3);
  EXPECT_EQ(g.st.ShipY, 5000);
  g.st.EngineBroken = 0;
  g.st.ShipLocked = -1;
  Ticks(g, 3);
  EXPECT_EQ(g.st.ShipY, 5000);
  g.st.AutoPilot = -1;
  g.st.EngineBroken = -1;
  Ticks(g, 3);
  EXPECT_EQ(g.st.ShipY, 5000 - 3 * 80);
}

TEST_F(FlyingTest, TheShipCyclesItsThreePicturesFrameByFrame) {
  Shooter& g = Fly();
  for (int i = 0; i < 6; ++i) {
    Ticks(g, 1);
    const Image* want = g.images.Picture(0, static_cast<int>(Mod(g.st.FramesThisSecond, 3)) + 1);
    int found = 0;
    for (const auto& c : g.Play_Layer->Commands()) found += c.op == Op::Picture && c.image == want;
    EXPECT_EQ(found, 1);
  }
}

TEST_F(FlyingTest, AShieldHitGlowsWithFourPicturesOverSevenTicks) {
  Shooter& g = Fly();
  g.st.ShieldHitMark = 1;
  std::vector<int> pictures;
  for (int i = 0; i < 8; ++i) {
    Ticks(g, 1);
    int shown = 0;
    for (const auto& c : g.Play_Layer->Commands()) {
      for (int p = 1; p <= 4; ++p)
        if (c.op == Op::Picture && c.image == g.images.Picture(5, p)) shown = p;
    }
    pictures.push_back(shown);
  }
  EXPECT_EQ(pictures, (std::vector<int>{1, 0, 2, 0, 3, 0, 4, 0}));
  EXPECT_EQ(g.st.ShieldHitMark, 0);
  // No glow during the end-of-game sequence.
  g.st.FrameCount = -200;
  g.st.ShieldHitMark = 1;
  Ticks(g, 3);
  EXPECT_EQ(g.st.ShieldHitMark, 1);
}

TEST_F(FlyingTest, RepairsEndAtExactlyTheFullGaugeForEveryEngine) {
  for (int engine = 0; engine < 4; ++engine) {
    Shooter& g = Fly({0, 0, 0, 0, 0, engine});
    g.st.SideGunBroken = -1;
    g.st.GeneratorBroken = -1;
    SetBarWidth(g, Bar::SideGunGauge, 0);
    SetBarWidth(g, Bar::GeneratorGauge, 0);
    const int rate = g.st.EngineRate;
    const int ticks = (615 + rate - 1) / rate;
    Ticks(g, ticks - 1);
    EXPECT_EQ(g.st.SideGunBroken, -1) << engine;
    EXPECT_LT(g.hud.Stt_SGUN_R->Width, 615) << engine;
    EXPECT_EQ(g.hud.Stt_SGUN_R->Width % 15, 0) << engine;  // whole pixels on the way
    Ticks(g, 1);
    EXPECT_EQ(g.st.SideGunBroken, 0) << engine;
    EXPECT_EQ(g.st.GeneratorBroken, 0) << engine;
    EXPECT_EQ(g.hud.Stt_SGUN_R->Width, 615) << engine;
    // Both repairs finish on the same tick; the side gun's message comes first and the
    // generator's stands newest in line 0, orange.
    EXPECT_EQ(g.hud.BufferText[0]->Caption(), "Generator Repaired") << engine;
    EXPECT_EQ(g.hud.BufferText[0]->ForeColor, 0x0080FFu);
  }
}

TEST_F(FlyingTest, NoRepairsWhileTheClockIsNotPositive) {
  Shooter& g = Fly();
  g.st.MainGunBroken = -1;
  SetBarWidth(g, Bar::MainGunGauge, 0);
  g.st.FrameCount = -250;
  Ticks(g, 10);
  EXPECT_EQ(BarWidth(g, Bar::MainGunGauge), 0);
}

TEST_F(FlyingTest, TheGeneratorCoreSplitsTheRecharge) {
  struct Case {
    int core;
    bool shield, special;
    i16 wantShield, wantSpecial;  // with ShieldRate 7 (Mark I); -1: left unchanged
  };
  const Case cases[] = {
      {0, true, true, 9, 2},  {0, true, false, 11, -1}, {0, false, true, -1, 4},
      {1, true, true, 0, 6},  {1, true, false, 9, -1},  {1, false, true, -1, 16},
      {2, true, true, 33, 0}, {2, true, false, 27, -1}, {2, false, true, -1, 2},
  };
  for (const Case& c : cases) {
    Shooter& g = Fly({0, 0, 0, 0, c.core, 0});
    g.st.ShieldRecharge = -1;
    g.st.SpecialRecharge = -1;
    g.st.ShieldBarFlag = Flag(c.shield);
    g.st.SpecialBarFlag = Flag(c.special);
    g.st.GeneratorBroken = -1;  // keep the bars still; only the rates are chosen
    Ticks(g, 1);
    EXPECT_EQ(g.st.ShieldRecharge, c.wantShield) << c.core << c.shield << c.special;
    EXPECT_EQ(g.st.SpecialRecharge, c.wantSpecial) << c.core << c.shield << c.special;
  }
}

TEST_F(FlyingTest, EveryRechargeBarReachesItsCapacityExactly) {
  for (int core = 0; core < 3; ++core) {
    for (int choice = 0; choice < 5; ++choice) {
      Shooter& g = Fly({0, 0, choice, choice, core, 0});
      const i16 cap = g.st.ShieldCapacity;
      SetBarWidth(g, Bar::ShieldRecharge, 0);
      SetBarWidth(g, Bar::SpecialRecharge, 0);
      SetBarWidth(g, Bar::ShieldCharge, 15);
      g.st.ShieldUp = 0;
      g.st.ShieldBarFlag = -1;
      g.st.SpecialReady = 0;
      g.st.SpecialBarFlag = -1;
      int ticks = 0;
      while ((g.st.ShieldBarFlag != 0 || g.st.SpecialBarFlag != 0) && ticks < 5000) {
        Ticks(g, 1);
        ++ticks;
      }
      EXPECT_LT(ticks, 5000) << "core " << core << " choice " << choice;
      EXPECT_EQ(g.st.ShieldUp, -1);
      EXPECT_EQ(g.st.SpecialReady, -1);
      EXPECT_EQ(g.hud.BAR_SHD_C->Width, cap);
      EXPECT_EQ(g.hud.BAR_SHD_R->Width, cap);
      EXPECT_EQ(g.hud.BAR_SPE_R->Width, g.st.SpecialCapacity);
    }
  }
}

TEST_F(FlyingTest, ABrokenGeneratorStopsTheRecharge) {
  Shooter& g = Fly();
  SetBarWidth(g, Bar::ShieldRecharge, 0);
  g.st.ShieldBarFlag = -1;
  g.st.GeneratorBroken = -1;
  SetBarWidth(g, Bar::GeneratorGauge, 0);
  g.st.EngineRate = 1;  // a slow repair, so the generator stays broken
  Ticks(g, 20);
  EXPECT_EQ(BarWidth(g, Bar::ShieldRecharge), 0);
}

}  // namespace
}  // namespace kv::testing
