// The playfield's keys, delivered as the platform delivers them: through the window.
#include "shooter/frontend/hud_bars.h"
#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;

class PlayfieldKeysTest : public FlyingTest {
 protected:
  void Down(Shooter& g, int vk, int shift = 0) { g.window.OnKeyDown(vk, shift); }
  void Up(Shooter& g, int vk, int shift = 0) { g.window.OnKeyUp(vk, shift); }
};

TEST_F(PlayfieldKeysTest, TheConfiguredKeysLatchMovementAndFire) {
  Shooter& g = Fly();  // shipped keys: arrows, Space, X
  const std::pair<int, int> moves[] = {{38, 1}, {40, 3}, {37, 0}, {39, 2}};
  for (const auto& [vk, latch] : moves) {
    Down(g, vk);
    EXPECT_EQ(g.st.MoveKeys[static_cast<std::size_t>(latch)], -1) << vk;
    Up(g, vk);
    EXPECT_EQ(g.st.MoveKeys[static_cast<std::size_t>(latch)], 0) << vk;
  }
  Down(g, 32);
  EXPECT_EQ(g.st.FireHeld, -1);
  Up(g, 32);
  EXPECT_EQ(g.st.FireHeld, 0);
}

TEST_F(PlayfieldKeysTest, AKeyForBothUpAndFireOnlyMovesAndItsReleaseOnlyClearsUp) {
  Shooter& g = Fly();
  g.st.KeyCodes = {65, 40, 37, 39, 65, 88};
  Down(g, 65);
  EXPECT_EQ(g.st.MoveKeys[1], -1);
  EXPECT_EQ(g.st.FireHeld, 0);
  g.st.FireHeld = -1;  // held through another path
  Up(g, 65);
  EXPECT_EQ(g.st.MoveKeys[1], 0);
  EXPECT_EQ(g.st.FireHeld, -1);
}

TEST_F(PlayfieldKeysTest, BrokenEnginesIgnorePressesButReleasesStillClear) {
  Shooter& g = Fly();
  Down(g, 37);  // held from before the damage
  g.st.EngineBroken = -1;
  Down(g, 38);
  EXPECT_EQ(g.st.MoveKeys[1], 0);
  EXPECT_EQ(g.st.MoveKeys[0], -1);
  Down(g, 32);
  EXPECT_EQ(g.st.FireHeld, -1);  // the guns are not the engines
  Up(g, 37);
  EXPECT_EQ(g.st.MoveKeys[0], 0);
}

TEST_F(PlayfieldKeysTest, WhileLockedOrOnAutopilotPressesDoNothing) {
  Shooter& g = Fly();
  g.st.ShipLocked = -1;
  Down(g, 38);
  Down(g, 32);
  EXPECT_EQ(g.st.MoveKeys[1], 0);
  EXPECT_EQ(g.st.FireHeld, 0);
  // A release counts while locked...
  g.st.MoveKeys[0] = -1;
  Up(g, 37);
  EXPECT_EQ(g.st.MoveKeys[0], 0);
  // ... but not on autopilot, which holds the keys itself.
  g.st.AutoPilot = -1;
  g.st.MoveKeys[1] = -1;
  Up(g, 38);
  EXPECT_EQ(g.st.MoveKeys[1], -1);
}

TEST_F(PlayfieldKeysTest, EscapePausesEvenWhileTheShipIsLocked) {
  Shooter& g = Fly();
  g.st.ShipLocked = -1;
  g.tick.Clear();
  Down(g, 27);
  EXPECT_EQ(g.st.PauseLayerOn, -1);
  EXPECT_EQ(g.st.PlayLayerOn, 0);
  EXPECT_EQ(g.focusLayer, kPauseLayer);
  ASSERT_EQ(g.tick.sfxCount, 1);
  EXPECT_EQ(g.tick.sfx[0], 1);
  // The pause menu comes two delay ticks later and lets go of the keys.
  g.st.FireHeld = -1;
  platform_->RunUntil(platform_->NowMs() + 20);
  EXPECT_EQ(g.st.FireHeld, 0);
  EXPECT_EQ(g.st.MenuFirst, 27);
}

TEST_F(PlayfieldKeysTest, KeysDriveAFlyingShipThroughTheTimers) {
  Shooter& g = Fly();
  g.tmOneFrame->SetEnabled(true);
  const std::int64_t t0 = platform_->NowMs();
  platform_->QueueKey({t0 + 10, true, 37, 0});
  platform_->QueueKey({t0 + 10 + 33 * 5, false, 37, 0});
  platform_->RunUntil(t0 + 33 * 10);
  EXPECT_EQ(g.st.ShipX, 2720 - 5 * 80);
}

}  // namespace
}  // namespace kv::testing
