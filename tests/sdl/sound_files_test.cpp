#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "assets/asset_files.h"
#include "platform/sdl/mixer.h"

namespace kv::sdl {
namespace {

namespace fs = std::filesystem;

const fs::path kProgram = fs::path(KV_PROGRAM_DIR);

// Every generated sound decoded by the mixer, as the games will play it (dummy audio device).
class SoundFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { mixer_ = Mixer::Open(); }

  struct Decoded {
    double seconds = 0;
    std::vector<float> samples;  // the first channel, -1 .. 1
  };

  Decoded Decode(std::string_view file) const {
    Decoded d;
    const ChunkHandle chunk = mixer_->Load(kProgram / file);
    if (!chunk) return d;
    int freq = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&freq, &format, &channels);
    if (SDL_AUDIO_BITSIZE(format) != 16 || channels < 1) return d;
    const std::size_t frames = chunk->alen / (2u * static_cast<unsigned>(channels));
    d.seconds = static_cast<double>(frames) / freq;
    d.samples.resize(frames);
    for (std::size_t i = 0; i < frames; ++i) {
      std::int16_t v = 0;
      std::memcpy(&v, chunk->abuf + i * 2 * static_cast<std::size_t>(channels), 2);
      d.samples[i] = static_cast<float>(v) / 32768.0f;
    }
    return d;
  }

  static double Rms(const std::vector<float>& s, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count && i < s.size(); ++i) sum += static_cast<double>(s[i]) * s[i];
    return std::sqrt(sum / static_cast<double>(count));
  }

  static double Peak(const std::vector<float>& s) {
    double most = 0;
    for (float v : s) most = std::max(most, static_cast<double>(std::abs(v)));
    return most;
  }

  std::shared_ptr<Mixer> mixer_;
};

TEST_F(SoundFilesTest, EveryEffectAndVoiceDecodesToAnAudibleSound) {
  ASSERT_FALSE(mixer_->Silent()) << "the dummy audio driver should open";
  std::vector<std::string_view> waves(assets::kEffectSounds.begin(), assets::kEffectSounds.end());
  waves.insert(waves.end(), assets::kVoiceSounds.begin(), assets::kVoiceSounds.end());
  waves.insert(waves.end(), assets::kSubSounds.begin(), assets::kSubSounds.end());
  for (std::string_view file : waves) {
    const Decoded d = Decode(file);
    EXPECT_GT(d.seconds, 0.05) << file;
    EXPECT_LT(d.seconds, 6.0) << file << ": an effect or a radio line is short";
    EXPECT_GT(Peak(d.samples), 0.3) << file;
    EXPECT_LT(Peak(d.samples), 1.0) << file << ": nothing clips";
  }
}

TEST_F(SoundFilesTest, RadioLinesLastLongEnoughToBeSpoken) {
  for (std::string_view file : {"captaink.wav", "act1.wav", "act5.wav", "enemy1.wav", "enemy2.wav", "enemy3.wav", "enemy4.wav"}) {
    EXPECT_GT(Decode(file).seconds, 0.6) << file;
  }
}

TEST_F(SoundFilesTest, MusicDecodesAndPlaysAMinuteWithoutGaps) {
  for (std::string_view file : assets::kMusic) {
    const Decoded d = Decode(file);
    ASSERT_GE(d.seconds, 60.0) << file;
    EXPECT_LT(d.seconds, 180.0) << file;
    const std::size_t second = d.samples.size() / static_cast<std::size_t>(d.seconds);
    // Loud all the way through, to its very end: no fade-out or silence spoils the loop.
    for (std::size_t at = 0; at + second <= d.samples.size(); at += second) {
      EXPECT_GT(Rms(d.samples, at, second), 0.02) << file << " at second " << at / second;
    }
    EXPECT_GT(Rms(d.samples, d.samples.size() - second / 4, second / 4), 0.02) << file << ": its last moments";
  }
}

}  // namespace
}  // namespace kv::sdl
