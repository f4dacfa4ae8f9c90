#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "platform/sdl/media_player.h"
#include "platform/sdl/mixer.h"
#include "platform/sdl/tone.h"
#include "platform/sdl/volume.h"

namespace kv::sdl {
namespace {

TEST(MixVolumeTest, HundredthsOfADecibelBecomeMixerLevels) {
  struct Case {
    int hundredthsOfDb;
    int level;
  };
  for (const Case c : {Case{0, 128}, Case{-600, 64}, Case{-2000, 13}, Case{-3100, 4}, Case{-4000, 1},
                       Case{-10000, 0}, Case{500, 128}}) {
    EXPECT_EQ(MixVolume(c.hundredthsOfDb), c.level) << c.hundredthsOfDb;
  }
}

TEST(SquareWaveTest, LastsTheGivenTimeOnEveryChannel) {
  EXPECT_EQ(SquareWave(440, 1000, 44100, 2).size(), 88200U);
  EXPECT_EQ(SquareWave(440, 10, 48000, 1).size(), 480U);
  EXPECT_TRUE(SquareWave(440, 0, 44100, 2).empty());
}

TEST(SquareWaveTest, ChangesSignTwicePerPeriod) {
  // 100 Hz at 8000 samples a second: 40 samples up, 40 down, 100 periods in the second.
  const auto wave = SquareWave(100, 1000, 8000, 1);
  int flips = 0;
  for (std::size_t i = 1; i < wave.size(); ++i) flips += (wave[i] > 0) != (wave[i - 1] > 0) ? 1 : 0;
  EXPECT_EQ(flips, 199);
  EXPECT_GT(wave[0], 0);
  EXPECT_GT(wave[39], 0);
  EXPECT_LT(wave[40], 0);
  EXPECT_EQ(wave[0], -wave[40]);
}

TEST(SquareWaveTest, ChannelsCarryTheSameSample) {
  const auto wave = SquareWave(1000, 5, 44100, 2);
  for (std::size_t i = 0; i + 1 < wave.size(); i += 2) ASSERT_EQ(wave[i], wave[i + 1]) << i;
}

TEST(SquareWaveTest, NoPitchIsSilence) {
  for (const auto s : SquareWave(0, 20, 44100, 2)) ASSERT_EQ(s, 0);
}

// A mono 16-bit WAV file of a steady hum, written by the test itself.
void WriteWav(const std::filesystem::path& file, int seconds) {
  constexpr std::uint32_t kRate = 22050;
  const std::uint32_t dataBytes = kRate * 2 * static_cast<std::uint32_t>(seconds);
  std::ofstream out(file, std::ios::binary);
  auto u32 = [&out](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto u16 = [&out](std::uint16_t v) {
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
  };
  out.write("RIFF", 4);
  u32(36 + dataBytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(1);
  u32(kRate);
  u32(kRate * 2);
  u16(2);
  u16(16);
  out.write("data", 4);
  u32(dataBytes);
  for (std::uint32_t i = 0; i < dataBytes / 2; ++i) u16(static_cast<std::uint16_t>((i / 50) % 2 == 0 ? 3000 : -3000));
}

// Sound on the dummy driver: a device that mixes but is never heard.
class DeviceTest : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    mixer_ = Mixer::Open();
    if (mixer_->Silent()) GTEST_SKIP() << "the dummy sound driver would not open";
    dir_ = std::filesystem::temp_directory_path() / ("kv_sdl_sound_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir_);
    WriteWav(dir_ / "hum.wav", 3);
  }
  void TearDown() override {
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
  }

  std::shared_ptr<Mixer> mixer_;
  std::filesystem::path dir_;
};

TEST_F(DeviceTest, OpenLoadsWithoutPlayingAndPlayStopControlTheChannel) {
  SdlMediaPlayer player(mixer_);
  ASSERT_GE(player.Channel(), 0);
  ASSERT_TRUE(player.Open(dir_ / "hum.wav"));
  EXPECT_EQ(player.FileName(), dir_ / "hum.wav");
  EXPECT_EQ(Mix_Playing(player.Channel()), 0);
  player.Play();
  EXPECT_EQ(Mix_Playing(player.Channel()), 1);
  player.Stop();
  EXPECT_EQ(Mix_Playing(player.Channel()), 0);
}

TEST_F(DeviceTest, EachPlayerHasItsOwnChannelAndVolume) {
  SdlMediaPlayer a(mixer_);
  SdlMediaPlayer b(mixer_);
  ASSERT_NE(a.Channel(), b.Channel());
  a.SetVolume(-2000);
  EXPECT_EQ(a.Volume(), -2000);
  EXPECT_EQ(Mix_Volume(a.Channel(), -1), 13);
  EXPECT_EQ(Mix_Volume(b.Channel(), -1), 128);
  ASSERT_TRUE(a.Open(dir_ / "hum.wav"));
  ASSERT_TRUE(b.Open(dir_ / "hum.wav"));
  a.Play();
  b.Play();
  EXPECT_EQ(Mix_Playing(-1), 2);
}

TEST_F(DeviceTest, APlayerDestroyedWhilePlayingStopsAndFreesItsChannel) {
  int channel = -1;
  {
    auto player = std::make_unique<SdlMediaPlayer>(mixer_);
    ASSERT_TRUE(player->Open(dir_ / "hum.wav"));
    player->SetVolume(-600);
    player->Play();
    channel = player->Channel();
    ASSERT_EQ(Mix_Playing(channel), 1);
  }
  EXPECT_EQ(Mix_Playing(channel), 0);
  // The next player reuses the channel, at full volume again.
  SdlMediaPlayer next(mixer_);
  EXPECT_EQ(next.Channel(), channel);
  EXPECT_EQ(Mix_Volume(channel, -1), 128);
}

TEST_F(DeviceTest, AFileThatWillNotLoadLeavesThePlayerSilent) {
  SdlMediaPlayer player(mixer_);
  ASSERT_TRUE(player.Open(dir_ / "hum.wav"));
  EXPECT_FALSE(player.Open(dir_ / "missing.wav"));
  EXPECT_EQ(player.FileName(), dir_ / "missing.wav");
  player.Play();
  EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(DeviceTest, WavesPlayOnOneChannelAndMissingOnesPlayNothing) {
  mixer_->PlayWave(dir_ / "missing.wav");
  EXPECT_EQ(Mix_Playing(-1), 0);
  mixer_->PlayWave(dir_ / "hum.wav");
  EXPECT_EQ(Mix_Playing(-1), 1);
  mixer_->PlayWave(dir_ / "hum.wav");
  EXPECT_EQ(Mix_Playing(-1), 1);
}

// No sound device at all: everything is accepted and nothing sounds.
class NoDeviceTest : public testing::Test {
 protected:
  void SetUp() override {
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    saved_ = driver == nullptr ? "" : driver;
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  }
  void TearDown() override { setenv("SDL_AUDIODRIVER", saved_.c_str(), 1); }
  std::string saved_;
};

TEST_F(NoDeviceTest, PlayersAndWavesDoNothing) {
  testing::internal::CaptureStderr();
  auto mixer = Mixer::Open();
  const std::string said = testing::internal::GetCapturedStderr();
  ASSERT_TRUE(mixer->Silent());
  EXPECT_EQ(said, "no sound device: playing silently\n");
  SdlMediaPlayer player(mixer);
  EXPECT_EQ(player.Channel(), -1);
  EXPECT_FALSE(player.Open("definitely/not/here.mp3"));
  player.Play();
  player.SetVolume(-1500);
  EXPECT_EQ(player.Volume(), -1500);
  player.Stop();
  mixer->PlayWave("definitely/not/here.wav");
  mixer->Beep(440, 1);
}

}  // namespace
}  // namespace kv::sdl
