// The game window: loading, layers, the delayed actions and the window's timers.
#include "shooter/frontend/form.h"

#include "shooter/frontend/menus.h"
#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;

TEST_F(ShooterTest, LoadShowsTheTitleLayerAndSetsTheTitleMenuUpAfterTwoDelayTicks) {
  Shooter& g = Open();
  EXPECT_EQ(g.window.Caption(), "Captain Korvane v1.0");
  EXPECT_EQ(g.st.MenuLayerOn, -1);
  EXPECT_EQ(g.st.PlayLayerOn + g.st.RemapLayerOn + g.st.GameLayerOn + g.st.PauseLayerOn, 0);
  EXPECT_TRUE(g.menus.Wait_Label->Visible);  // the tagline shows until the menu is set up
  platform_->RunUntil(1999);
  EXPECT_TRUE(g.menus.Wait_Label->Visible);
  platform_->RunUntil(2000);  // second tick of the 1.0 s delay
  EXPECT_FALSE(g.menus.Wait_Label->Visible);
  EXPECT_TRUE(g.tmMenu->Enabled());
  EXPECT_EQ(g.st.MenuFirst, 0);
  EXPECT_EQ(g.st.MenuLast, 2);
  platform_->RunUntil(5000);
  EXPECT_EQ(g.st.MenuLayerOn, -1);
  EXPECT_TRUE(g.Menu_Layer->Visible);
}

TEST_F(ShooterTest, LoadTakesPeriodAndDetailFromTheSettings) {
  struct Case {
    int period, detail;
    i16 stars;
  };
  for (const Case c : {Case{33, 0, 50}, Case{1, 1, 400}, Case{60, 2, 1000}}) {
    Shooter& g = Open(c.period, c.detail);
    EXPECT_EQ(g.tmOneFrame->Interval(), c.period);
    EXPECT_EQ(g.tmMenu->Interval(), c.period);
    EXPECT_EQ(g.st.DetailLevel, c.stars);
  }
}

TEST_F(ShooterTest, LoadFitsEveryEquipmentSlotWithItsFirstChoice) {
  Shooter& g = Open();
  const char* names[] = {"Chaingun", "Missiles", "Fire Cutter", "KVS Mark I", "Core Type A", "Slow"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(g.st.Equip[static_cast<std::size_t>(i)], 0);
    EXPECT_EQ(g.menus.WBox[static_cast<std::size_t>(i)]->Caption(), names[i]);
  }
}

TEST_F(ShooterTest, TheDelayedActionRunsOnTheSecondTickAndASecondDelayReplacesTheFirst) {
  Shooter& g = Open();
  platform_->RunUntil(2000);  // title menu is up
  const std::int64_t t0 = platform_->NowMs();
  StartDelay(g, 0.01, 3);
  platform_->RunUntil(t0 + 5);
  StartDelay(g, 0.01, 2);  // replaces the pending equipment menu by the options menu
  platform_->RunUntil(t0 + 5 + 10);
  EXPECT_EQ(g.st.DelayTicks, 1);
  EXPECT_EQ(g.st.MenuFirst, 0);  // nothing ran after one tick
  platform_->RunUntil(t0 + 5 + 20);
  EXPECT_EQ(g.st.MenuFirst, 9);  // ShowOptions, not ShowEquipment
  EXPECT_EQ(g.st.DelayTicks, 0);
  EXPECT_FALSE(g.tmDelay->Enabled());
}

TEST_F(ShooterTest, SwitchLayerMovesTheKeyboardAndTheTimers) {
  Shooter& g = Open();
  platform_->RunUntil(2000);
  SwitchLayer(g, kEquipLayer, kTitleLayer, 0.01, 0);
  EXPECT_EQ(g.st.GameLayerOn, -1);
  EXPECT_EQ(g.st.MenuLayerOn, 0);
  EXPECT_FALSE(g.Menu_Layer->Visible);
  EXPECT_TRUE(g.Game_Layer->Visible);
  EXPECT_EQ(g.focusLayer, kEquipLayer);

  SwitchLayer(g, kPlayLayer, kEquipLayer, 0.01, 0);
  EXPECT_EQ(g.st.PlayLayerOn, -1);
  EXPECT_FALSE(g.tmMenu->Enabled());
  g.tmOneFrame->SetEnabled(true);
  g.tmOneSecond->SetEnabled(true);

  // Pausing leaves the frozen playfield in sight with the frame timer stopped.
  SwitchLayer(g, kPauseLayer, kPlayLayer, 0.01, 0);
  EXPECT_EQ(g.st.PlayLayerOn, 0);
  EXPECT_EQ(g.st.PauseLayerOn, -1);
  EXPECT_TRUE(g.Play_Layer->Visible);
  EXPECT_FALSE(g.Play_Layer->Enabled);
  EXPECT_FALSE(g.tmOneFrame->Enabled());
  EXPECT_FALSE(g.tmOneSecond->Enabled());
  EXPECT_TRUE(g.tmMenu->Enabled());

  // Layer numbers outside 1..5 are ignored on either side.
  SwitchLayer(g, 9, 0, 0.01, 0);
  EXPECT_EQ(g.st.PauseLayerOn, -1);
  EXPECT_EQ(g.focusLayer, kPauseLayer);
}

TEST_F(ShooterTest, EnteringTheTitleParksTheFirstSixCursorBars) {
  Shooter& g = Open();
  for (int i = 0; i < 6; ++i) g.menus.Curr[static_cast<std::size_t>(i)]->Top = 3000 + i;
  SwitchLayer(g, kTitleLayer, kOptionsLayer, 0.01, 0);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(g.menus.Curr[static_cast<std::size_t>(i)]->Top, 120);
  EXPECT_NE(g.menus.Curr[6]->Top, 120);
}

TEST_F(ShooterTest, TheSecondTimerCountsFramesAndSetsTheCaption) {
  Shooter& g = OpenPlaying();
  platform_->RunUntil(kMissionStartMs + 1000);
  EXPECT_EQ(g.st.FpsSeconds, 1);
  EXPECT_EQ(g.st.FramesTotal, 30);  // 33 ms frames: 30 in the first second
  EXPECT_EQ(g.st.FramesThisSecond, 0);
  EXPECT_EQ(g.window.Caption(), "CAPTAIN KORVANE");
}

TEST_F(ShooterTest, TheTitleSymbolBlinksFiveTicksOnAndFiveOff) {
  Shooter& g = Open();
  std::string seen;
  for (int ms = 1; ms <= 20; ++ms) {
    platform_->RunUntil(ms);
    seen += g.menus.nlabel->Caption().empty() ? '.' : '#';
  }
  EXPECT_EQ(seen, "######.....#####....");  // the first run starts from an empty counter
}

TEST_F(ShooterTest, QuitGameStopsEveryTimerAndEndsTheProgram) {
  Shooter& g = Open();
  platform_->RunUntil(100);
  QuitGame(g);
  EXPECT_TRUE(g.quit);
  EXPECT_TRUE(platform_->QuitRequested());
  EXPECT_FALSE(platform_->IsShown(g.window));
  for (Timer* t : {g.tmOneFrame.get(), g.tmOneSecond.get(), g.tmMenu.get(), g.tmDelay.get(), g.Timer2.get()})
    EXPECT_FALSE(t->Enabled());
}

TEST_F(ShooterTest, ValReadsTheLeadingNumber) {
  EXPECT_EQ(Val("394"), 394);
  EXPECT_EQ(Val("  12ab"), 12);
  EXPECT_EQ(Val("-7"), -7);
  EXPECT_EQ(Val("x1"), 0);
  EXPECT_EQ(Val(""), 0);
}

}  // namespace
}  // namespace kv::testing
