// The special weapon: its key, its five discharges and the screen-wide hit.
#include "shooter/content/weapon_tables.h"
#include "shooter/core/enemies.h"
#include "shooter/frontend/effects.h"
#include "shooter/frontend/hud_bars.h"
#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;

// The waves asked for since the last tick began (the file itself may be missing).
int Waves(const Shooter& g, std::string_view name) {
  int n = 0;
  for (int i = 0; i < g.tick.wavCount; ++i) n += g.tick.wav[static_cast<std::size_t>(i)] == name;
  return n;
}

TEST_F(FlyingTest, ADischargeShowsTheBannerEmptiesTheBarAndStartsTheRecharge) {
  Shooter& g = Fly({0, 0, kGlobeEx, 0, 0, 0});
  const int before = Waves(g, "special.wav");
  FireSpecial(g, kGlobeEx);
  EXPECT_EQ(g.hud.BufferText[7]->Caption(), "GLOBE EX");
  EXPECT_EQ(g.st.BannerMove, 2);
  EXPECT_EQ(BarWidth(g, Bar::SpecialCharge), 0);
  EXPECT_EQ(BarWidth(g, Bar::SpecialRecharge), 0);
  EXPECT_EQ(g.st.SpecialReady, 0);
  EXPECT_EQ(g.st.SpecialBarFlag, -1);
  EXPECT_EQ(g.hud.Stt_SPE_Lbl->BackColor, 0x0000C0u);
  EXPECT_EQ(Waves(g, "special.wav"), before + 1);
  const Shot& globe = g.st.PlayerShots[290];
  EXPECT_EQ(globe.Active, -1);
  EXPECT_EQ(globe.X, 2720 - 90);
  EXPECT_EQ(globe.Speed, 40);
}

TEST_F(FlyingTest, PressingWithAnEmptyBarOnlyPlaysTheSound) {
  Shooter& g = Fly({0, 0, kFireCutter, 0, 0, 0});
  FireSpecial(g, kFireCutter);
  Ticks(g, 5);
  const int recharge = BarWidth(g, Bar::SpecialRecharge);
  ASSERT_GT(recharge, 0);
  const int before = Waves(g, "special.wav");
  FireSpecial(g, kFireCutter);
  EXPECT_EQ(Waves(g, "special.wav"), before + 1);
  EXPECT_EQ(BarWidth(g, Bar::SpecialRecharge), recharge);
  int cutters = 0;
  for (int i = 290; i <= 300; ++i) cutters += g.st.PlayerShots[static_cast<std::size_t>(i)].Active == -1;
  EXPECT_EQ(cutters, 1);
}

TEST_F(FlyingTest, TheTwelfthGlobeFindsNoSlotButStillEmptiesTheBar) {
  Shooter& g = Fly({0, 0, kGlobeEx, 0, 0, 0});
  for (int i = 290; i <= 300; ++i) g.st.PlayerShots[static_cast<std::size_t>(i)] = Shot{-1, 1, 2000, 4000, 8, 3, 1, 40};
  FireSpecial(g, kGlobeEx);
  EXPECT_EQ(g.st.SpecialReady, 0);
  EXPECT_EQ(BarWidth(g, Bar::SpecialCharge), 0);
  for (int i = 290; i <= 300; ++i) EXPECT_EQ(g.st.PlayerShots[static_cast<std::size_t>(i)].Age, 3);
}

TEST_F(FlyingTest, TheProxyFieldAndTheCutterStartWhereTheShipIs) {
  Shooter& g = Fly({0, 0, kProxyR, 0, 0, 0});
  FireSpecial(g, kProxyR);
  const Shot& field = g.st.PlayerShots[290];
  EXPECT_EQ(field.X, 2720 - 1920);
  EXPECT_EQ(field.Y, 5000 - 1440);
  EXPECT_EQ(field.Frame, 0);
  EXPECT_EQ(field.Damage, 100);
}

TEST_F(FlyingTest, DeathDestroysThirtyStrongEnemiesEachWithAnExtraExplosion) {
  Shooter& g = Fly({0, 0, kDeath, 0, 0, 0});
  for (int i = 0; i < 30; ++i) SpawnEnemy(g, {25, 11, 1000 + (i % 6) * 600, 2000 + (i / 6) * 800, 0, 0, 3000, 50, 0, 0, 0});
  FireSpecial(g, kDeath);
  int alive = 0;
  for (const Enemy& e : g.st.Enemies) alive += e.Active == -1;
  EXPECT_EQ(alive, 0);
  EXPECT_EQ(g.st.Kills, 30);
  EXPECT_EQ(g.st.Score, 30 * 50);
  // Nine large explosions, then two ordinary ones per enemy until the table of 41 is full.
  int large = 0, ordinary = 0;
  for (const Blast& b : g.st.Explosions) {
    large += b.Active == -1 && b.Kind == 2;
    ordinary += b.Active == -1 && b.Kind == 1;
  }
  EXPECT_EQ(large, 9);
  EXPECT_EQ(ordinary, 32);
}

TEST_F(FlyingTest, TheStormerHitsABossForFiveHundredAndItsBarShrinksAtOnce) {
  Shooter& g = Fly({0, 0, kStormer, 0, 0, 0});
  const int slot = SpawnEnemy(g, {24, 22, 2000, 2000, 0, 0, 12500, 4500, 3333, -1, 0});
  FireSpecial(g, kStormer);
  EXPECT_EQ(g.st.Enemies[static_cast<std::size_t>(slot)].HP, 12000);
  EXPECT_EQ(g.hud.Boss_Bar_Top->Width, 1166);  // 12000 / 12500 x 1215 = 1166.4
  EXPECT_EQ(g.st.FlashFlag, 1);
  Ticks(g, 1);
  EXPECT_EQ(g.st.FlashFlag, 2);
}

TEST_F(FlyingTest, TheSpecialKeyFiresOnEveryKeyDownIncludingRepeats) {
  Shooter& g = Fly({0, 0, kGlobeEx, 0, 0, 0});
  const int before = Waves(g, "special.wav");
  for (int i = 0; i < 3; ++i) g.window.OnKeyDown(88, 0);  // X held: the keyboard repeats it
  EXPECT_EQ(Waves(g, "special.wav"), before + 3);
  g.window.OnKeyUp(88, 0);
  EXPECT_EQ(g.st.SpecialBarFlag, -1);
}

}  // namespace
}  // namespace kv::testing
