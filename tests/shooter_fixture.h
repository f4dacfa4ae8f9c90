#pragma once
// A main-game window on the headless platform, with the pictures of the program folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/headless/headless_platform.h"
#include "shooter/core/frame_loop.h"
#include "shooter/frontend/form.h"
#include "shooter/frontend/menus.h"
#include "shooter/frontend/shooter.h"

namespace kv::testing {

// Start-up delay (two 1000 ms ticks) then the 0.3 s delay before a mission (two 300 ms ticks).
inline constexpr std::int64_t kMissionStartMs = 2600;

class ShooterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    auto set = shooter::LoadImageSet(KV_PROGRAM_DIR, shooter::kMainGame);
    ASSERT_TRUE(set.ok()) << set.error();
    images_ = std::make_unique<shooter::ImageSet>(std::move(set.value()));
  }
  static void TearDownTestSuite() { images_.reset(); }

  void SetUp() override {
    dataDir_ = std::filesystem::temp_directory_path() /
               ("kv_test_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dataDir_);
    std::filesystem::create_directories(dataDir_);
    std::filesystem::copy_file(std::filesystem::path(KV_SOURCE_DIR) / "assets" / "custom.cfg", dataDir_ / "custom.cfg");
    auto p = headless::HeadlessPlatform::Create();
    ASSERT_TRUE(p.ok()) << p.error();
    platform_ = std::move(p.value());
  }
  void TearDown() override {
    game_.reset();
    std::filesystem::remove_all(dataDir_);
  }

  // Creates and loads the window, as the settings dialog's Start does.
  shooter::Shooter& Open(int periodMs = 33, int detail = 0) {
    shooter::ShooterSettings s;
    s.programDir = KV_PROGRAM_DIR;
    s.dataDir = dataDir_;
    s.periodMs = periodMs;
    s.detailOption = detail;
    s.muted = [this] { return muted_; };
    game_ = std::make_unique<shooter::Shooter>(*platform_, rng_, shooter::kMainGame, *images_, s);
    shooter::Form_Initialize(*game_);
    shooter::Form_Load(*game_);
    platform_->ShowWindow(game_->window);
    return *game_;
  }

  // A window whose mission has started (as the headless runner's --play does).
  shooter::Shooter& OpenPlaying(int periodMs = 33, int detail = 0) {
    shooter::Shooter& g = Open(periodMs, detail);
    g.skipTitleToPlay = true;
    platform_->RunUntil(platform_->NowMs() + kMissionStartMs);
    EXPECT_EQ(g.st.PlayLayerOn, -1);
    EXPECT_EQ(g.st.GameInitialised, -1);
    return g;
  }

  static inline std::unique_ptr<shooter::ImageSet> images_;
  std::filesystem::path dataDir_;
  std::unique_ptr<headless::HeadlessPlatform> platform_;
  Random rng_{1};
  bool muted_ = false;
  std::unique_ptr<shooter::Shooter> game_;
};

}  // namespace kv::testing

namespace kv::testing {

// A clock value past every key of the first act, so that the script stays out of the way.
inline constexpr i32 kQuietClock = 2000;

// A running mission with the ship handed to the player, as the script's opening does.
class FlyingTest : public ShooterTest {
 protected:
  shooter::Shooter& Fly(std::array<int, 6> equip = {0, 0, 0, 0, 0, 0}) {
    shooter::Shooter& g = Open();
    for (int i = 0; i < 6; ++i) {
      g.st.Equip[static_cast<std::size_t>(i)] = static_cast<i16>(equip[static_cast<std::size_t>(i)]);
      shooter::SetEquipName(g, i, equip[static_cast<std::size_t>(i)]);
    }
    g.skipTitleToPlay = true;
    platform_->RunUntil(platform_->NowMs() + kMissionStartMs);
    g.tmOneFrame->SetEnabled(false);  // ticks are run by hand
    g.st.FrameCount = kQuietClock;
    g.st.ShipLocked = 0;
    g.st.AutoPilot = 0;
    g.st.ShipX = 2720;
    g.st.ShipY = 5000;
    return g;
  }
  void Ticks(shooter::Shooter& g, int n) {
    for (int i = 0; i < n; ++i) shooter::tmOneFrame_Timer(g);
  }
  // Shots in use in a slot range, as (slot, x, y) relative to the ship.
  std::vector<std::array<int, 3>> Shots(const shooter::Shooter& g, int first, int last) const {
    std::vector<std::array<int, 3>> out;
    for (int i = first; i <= last; ++i) {
      const auto& s = g.st.PlayerShots[static_cast<std::size_t>(i)];
      if (s.Active == -1) out.push_back({i, s.X, s.Y});
    }
    return out;
  }
};

}  // namespace kv::testing
