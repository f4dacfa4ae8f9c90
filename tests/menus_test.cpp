// The menus: title, options with key capture and custom.cfg, equipment and pause.
#include "shooter/frontend/menus.h"

#include <fstream>
#include <sstream>

#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;

constexpr int kEnter = 13, kEscape = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

class MenuTest : public ShooterTest {
 protected:
  // The window after its start-up delay, with the title menu set up.
  Shooter& Title() {
    Shooter& g = Open();
    platform_->RunUntil(platform_->NowMs() + 2000);
    return g;
  }
  void Press(Shooter& g, int vk, int shift = 0) {
    g.window.OnKeyDown(vk, shift);
    g.window.OnKeyUp(vk, shift);
  }
  // Lets the delayed action of a layer switch run.
  void Settle() { platform_->RunUntil(platform_->NowMs() + 700); }
  Shooter& Options() {
    Shooter& g = Title();
    Press(g, kDown);
    Press(g, kEnter);
    Settle();
    EXPECT_EQ(g.st.RemapLayerOn, -1);
    return g;
  }
  Shooter& Equipment() {
    Shooter& g = Title();
    Press(g, kEnter);
    Settle();
    EXPECT_EQ(g.st.GameLayerOn, -1);
    return g;
  }
  std::string Saved() {
    std::ifstream in(dataDir_ / "custom.cfg", std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
};

TEST_F(MenuTest, SelectionsWrapAtBothEndsOfEveryMenu) {
  Shooter& g = Title();
  Press(g, kUp);
  EXPECT_EQ(g.st.MenuSel, 2);
  Press(g, kDown);
  EXPECT_EQ(g.st.MenuSel, 0);
  Press(g, kDown);
  Press(g, kEnter);  // OPTIONS
  Settle();
  Press(g, kUp);
  EXPECT_EQ(g.st.MenuSel, 18);
  Press(g, kDown);
  EXPECT_EQ(g.st.MenuSel, 9);
}

TEST_F(MenuTest, KeysBeforeTheTitleMenuIsUpDoNothingButCtrlF4) {
  Shooter& g = Open();
  Press(g, kDown);
  Press(g, kEscape);
  EXPECT_FALSE(g.quit);
  EXPECT_EQ(g.st.MenuSel, 0);
  Press(g, 115, 2);
  EXPECT_TRUE(g.quit);
}

TEST_F(MenuTest, CtrlF4WorksOnlyWithCtrlAlone) {
  for (int shift : {0, 1, 3, 6}) {
    Shooter& g = Title();
    Press(g, 115, shift);
    EXPECT_FALSE(g.quit) << shift;
  }
  Shooter& g = Title();
  Press(g, 115, 2);
  EXPECT_TRUE(g.quit);
}

TEST_F(MenuTest, EscapeOnTheTitleQuits) {
  Shooter& g = Title();
  Press(g, kEscape);
  EXPECT_TRUE(g.quit);
}

TEST_F(MenuTest, QuitOnTheTitleQuits) {
  Shooter& g = Title();
  Press(g, kUp);  // QUIT
  Press(g, kEnter);
  EXPECT_TRUE(g.quit);
}

TEST_F(MenuTest, TheCursorTrailCatchesUpWithTheSelection) {
  Shooter& g = Title();
  Press(g, kDown);
  platform_->RunUntil(platform_->NowMs() + 33 * 8);
  for (int bar = 2; bar <= 5; ++bar) EXPECT_EQ(g.menus.Curr[static_cast<std::size_t>(bar)]->Top, 5240) << bar;
  EXPECT_EQ(g.menus.Curr[2]->Left, 1370);
}

TEST_F(MenuTest, CapturingEscapeAsTheUpKeyShowsUndefinedAndStaysOnTheOptions) {
  Shooter& g = Options();
  Press(g, kEnter);  // on "UP"
  EXPECT_EQ(g.menus.menu[3]->Caption(), "Enter A Key");
  Press(g, kEscape);
  EXPECT_EQ(g.st.KeyCodes[0], 27);
  EXPECT_EQ(g.menus.menu[3]->Caption(), "Undefined");
  EXPECT_EQ(g.st.RemapLayerOn, -1);
  EXPECT_EQ(g.st.AwaitingKey, 0);
}

TEST_F(MenuTest, VolumesClampAtZeroAndAHundred) {
  Shooter& g = Options();
  for (int i = 0; i < 6; ++i) Press(g, kDown);  // SFX
  ASSERT_EQ(g.st.MenuSel, 15);
  for (int i = 0; i < 30; ++i) Press(g, kRight);
  EXPECT_EQ(g.st.Volumes[0], 100);
  EXPECT_EQ(g.menus.LabelSE->Caption(), "100");
  EXPECT_EQ(g.sound.MP1->Volume(), 0);
  for (int i = 0; i < 150; ++i) Press(g, kLeft);
  EXPECT_EQ(g.st.Volumes[0], 0);
  EXPECT_EQ(g.sound.MP1->Volume(), -3100);
  Press(g, kDown);  // NOTHING: the second volume, not shown
  for (int i = 0; i < 90; ++i) Press(g, kLeft);
  EXPECT_EQ(g.st.Volumes[1], 0);
  EXPECT_EQ(g.menus.LabelBGM->Caption(), "0");
  EXPECT_EQ(g.sound.MP2->Volume(), -3100);
}

TEST_F(MenuTest, SaveWritesExactlyTheEightLines) {
  Shooter& g = Options();
  for (int vk : {87, 83, 65, 68, 32, 88}) {  // W, S, A, D, Space, X on the six rows
    Press(g, kEnter);
    Press(g, vk);
    Press(g, kDown);
  }
  Press(g, kDown);  // past SFX to NOTHING
  for (int i = 0; i < 80; ++i) Press(g, kLeft);  // 80 to 0
  ASSERT_EQ(g.st.MenuSel, 16);
  Press(g, kDown);  // SAVE
  Press(g, kEnter);
  EXPECT_EQ(Saved(), "87\r\n83\r\n65\r\n68\r\n32\r\n88\r\n80\r\n0\r\n");
  Settle();
  EXPECT_EQ(g.st.MenuLayerOn, -1);
}

TEST_F(MenuTest, EscapeKeepsChangesUnsavedAndReopeningShowsTheSavedOnes) {
  Shooter& g = Options();
  Press(g, kEnter);
  Press(g, 87);  // W for up
  EXPECT_EQ(g.st.KeyCodes[0], 87);
  Press(g, kEscape);
  Settle();
  EXPECT_EQ(g.st.KeyCodes[0], 87);  // in effect for this run
  EXPECT_EQ(Saved().rfind("38\r\n", 0), 0u);
  Press(g, kDown);
  Press(g, kEnter);  // OPTIONS again
  Settle();
  EXPECT_EQ(g.st.KeyCodes[0], 38);
  EXPECT_EQ(g.menus.menu[3]->Caption(), "Up");
}

TEST_F(MenuTest, CancelThrowsTheChangesAway) {
  Shooter& g = Options();
  Press(g, kEnter);
  Press(g, 87);
  Press(g, kUp);  // CANCEL
  Press(g, kEnter);
  EXPECT_EQ(g.st.KeyCodes[0], 38);
  EXPECT_EQ(Saved().rfind("38\r\n", 0), 0u);
}

TEST_F(MenuTest, EquipmentChoicesWrapAndSurviveAReturnToTheTitle) {
  Shooter& g = Equipment();
  Press(g, kDown);
  Press(g, kDown);  // MAIN GUN
  EXPECT_EQ(g.st.OnEquipRow, -1);
  g.tick.Clear();
  Press(g, kLeft);
  EXPECT_EQ(g.menus.WBox[0]->Caption(), "Pulse Rifle");
  EXPECT_EQ(g.tick.sfx[g.tick.sfxCount - 1], 3);
  for (int i = 0; i < 4; ++i) Press(g, kDown);  // CORE
  Press(g, kLeft);
  EXPECT_EQ(g.menus.WBox[4]->Caption(), "Core Type X");
  Press(g, kRight);
  EXPECT_EQ(g.menus.WBox[4]->Caption(), "Core Type A");
  Press(g, kRight);
  Press(g, kRight);
  Press(g, kRight);
  EXPECT_EQ(g.menus.WBox[4]->Caption(), "Core Type A");  // X wraps to A
  Press(g, kEscape);
  Settle();
  Press(g, kEnter);  // START
  Settle();
  EXPECT_EQ(g.menus.WBox[0]->Caption(), "Pulse Rifle");
  EXPECT_EQ(g.st.Equip[0], 4);
  EXPECT_EQ(g.st.MenuSel, 19);
}

TEST_F(MenuTest, StartMissionStartsANewGameWithTheChosenShield) {
  Shooter& g = Equipment();
  for (int i = 0; i < 5; ++i) Press(g, kDown);  // SHIELD
  for (int i = 0; i < 4; ++i) Press(g, kRight);  // KVS Mark Final
  for (int i = 0; i < 5; ++i) Press(g, kUp);    // START MISSION
  Press(g, kEnter);
  EXPECT_TRUE(g.hud.Wait_label2->Visible);
  Settle();
  EXPECT_EQ(g.st.PlayLayerOn, -1);
  EXPECT_EQ(g.st.GameInitialised, -1);
  EXPECT_EQ(g.st.ShieldCapacity, 2175);
  EXPECT_EQ(g.hud.BAR_SHD_C->Width, 2175);
  EXPECT_FALSE(g.hud.Wait_label2->Visible);
  EXPECT_TRUE(g.tmOneFrame->Enabled());
}

TEST_F(MenuTest, PauseContinueKeepsTheGameAndTitleMenuAbandonsIt) {
  Shooter& g = Equipment();
  Press(g, kEnter);
  Settle();
  platform_->RunUntil(platform_->NowMs() + 33 * 30);
  g.st.Score = 777;
  g.st.ShipX = 3000;
  Press(g, kEscape);  // pause
  Settle();
  EXPECT_EQ(g.st.PauseLayerOn, -1);
  EXPECT_TRUE(g.Play_Layer->Visible);
  EXPECT_FALSE(g.tmOneFrame->Enabled());
  const i32 frame = g.st.FrameCount;
  platform_->RunUntil(platform_->NowMs() + 1000);
  EXPECT_EQ(g.st.FrameCount, frame);  // frozen
  Press(g, kEnter);  // Continue
  Settle();
  EXPECT_EQ(g.st.PlayLayerOn, -1);
  EXPECT_EQ(g.st.Score, 777);
  EXPECT_EQ(g.st.ShipX, 3000);
  EXPECT_GT(g.st.FrameCount, frame);
  EXPECT_LT(g.st.FramesTotal, 40);  // the frame-rate count starts over on resuming
  Press(g, kEscape);
  Settle();
  Press(g, kDown);  // Title Menu
  Press(g, kEnter);
  Settle();
  EXPECT_EQ(g.st.GameInitialised, 0);
  EXPECT_EQ(g.st.MenuLayerOn, -1);
  Press(g, kEnter);  // START
  Settle();
  Press(g, kEnter);  // START MISSION: a fresh game
  Settle();
  EXPECT_EQ(g.st.Score, 0);
  EXPECT_LT(g.st.FrameCount, 25);
}

TEST_F(MenuTest, EscapeOnThePauseMenuResumes) {
  Shooter& g = Equipment();
  Press(g, kEnter);
  Settle();
  Press(g, kEscape);
  Settle();
  Press(g, kEscape);
  Settle();
  EXPECT_EQ(g.st.PlayLayerOn, -1);
  EXPECT_EQ(g.st.PauseLayerOn, 0);
}

TEST_F(MenuTest, MutedEffectsAreSilentButVoicesStillPlay) {
  muted_ = true;
  Shooter& g = Title();
  const auto before = platform_->Sounds().size();
  Press(g, kDown);
  for (std::size_t i = before; i < platform_->Sounds().size(); ++i)
    EXPECT_NE(platform_->Sounds()[i].what, headless::SoundEvent::What::Play);
  EXPECT_EQ(g.tick.sfx[g.tick.sfxCount - 1], 1);  // asked for, not heard
}

}  // namespace
}  // namespace kv::testing
